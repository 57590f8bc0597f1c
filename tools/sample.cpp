#include "tools/sample.h"

#include "store/data_store.h"
#include "tools/data_folder.h"
#include "tools/sample_content.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

namespace velmora::tools {
namespace {

namespace fs = std::filesystem;
using store::DataStore;

// The grade words the question editor lists, grade 1 first.
constexpr std::array<std::string_view, 6> kGradeWords = {"الاول",  "الثاني", "الثالث",
                                                         "الرابع", "الخامس", "السادس"};

// Assigns sample text, refusing text the field would cut or the code page would alter.
template <std::size_t N> void put(store::Text<N>& field, std::string_view text) {
    if (!store::representableInCp1256(text) || store::utf8Length(text) > N)
        throw std::logic_error("sample text does not fit its field: " + std::string(text));
    field.assign(text);
}

template <class T, int... Upper, class... I>
T& at(store::BoundedArray<T, Upper...>& array, I... index) {
    T* element = array.find(index...);
    if (element == nullptr)
        throw std::logic_error("sample data outside a record's array bounds");
    return *element;
}

// Sample numbers are small: grades, positions and record numbers of a few dozen.
template <class T> std::int16_t small(T value) {
    return static_cast<std::int16_t>(value);
}

void refuseFolderWithData(const fs::path& folder) {
    std::error_code ec;
    if (!fs::exists(folder, ec))
        return;
    if (!fs::is_directory(folder, ec))
        throw ToolError(folder.string() + " is not a folder");
    for (const auto& dataFile : store::dataFiles()) {
        const fs::path path = dataFilePath(folder, dataFile);
        if (!fs::exists(path, ec))
            continue;
        if (!fs::is_regular_file(path, ec) || fs::file_size(path, ec) != 0 || ec)
            throw ToolError(folder.string() + " already holds data (" + std::string(dataFile.name) +
                            " is not an empty file); the sample goes only into an empty folder");
    }
}

void checkContent(const SampleContent& content) {
    if (content.subjects.size() > store::kMaxSubject)
        throw std::logic_error("more sample subjects than the subject arrays hold");
    for (const auto& grade : content.grades)
        for (const auto& subject : grade.subjects) {
            if (subject.subject < 0 ||
                static_cast<std::size_t>(subject.subject) >= content.subjects.size())
                throw std::logic_error("sample skills name an unknown subject");
            if (subject.skills.size() > store::kMaxSkill)
                throw std::logic_error("more sample skills than a skills list holds");
            for (const auto& skill : subject.skills)
                for (const auto& question : skill.questions)
                    if (question.choices.size() < 2 ||
                        question.choices.size() > store::QuestionRecord::kMaxChoice + 1 ||
                        question.answer < 0 ||
                        static_cast<std::size_t>(question.answer) >= question.choices.size())
                        throw std::logic_error("sample question with a wrong choice list: " +
                                               std::string(question.text));
        }
}

void writeCodeList(DataStore& store, int file, const std::vector<std::string_view>& names) {
    for (const auto name : names) {
        store::CodeRecord record;
        put(record.name, name);
        store.append(file, record);
    }
}

// Record n of the grade's skills file holds the n-th skill of every subject; recNo stays 0.
int writeSkills(DataStore& store, const SampleContent& content, const SampleGrade& grade) {
    const int file = store::skillsFileOfGrade(grade.grade).value();
    int written = 0;
    for (const auto& subject : grade.subjects) {
        const auto s = subject.subject;
        for (std::size_t k = 0; k < subject.skills.size(); ++k) {
            const auto record = static_cast<std::int32_t>(k + 1);
            auto skill = store.read<store::SkillRecord>(file, record);
            // Code: grade, subject number, skill number.
            at(skill.code, s, 0) = small(grade.grade);
            at(skill.code, s, 1) = small(s + 1);
            at(skill.code, s, 2) = small(k + 1);
            put(at(skill.skillName, s), subject.skills[k].name);
            put(at(skill.subjectName, s), content.subjects[static_cast<std::size_t>(s)]);
            store.write(file, record, skill);
            store.setCount(file, std::max(store.count(file), record));
            ++written;
        }
    }
    return written;
}

int writeQuestions(DataStore& store, const SampleContent& content, const SampleGrade& grade) {
    int written = 0;
    for (const auto& subject : grade.subjects) {
        for (std::size_t k = 0; k < subject.skills.size(); ++k) {
            const SampleSkill& skill = subject.skills[k];
            for (const auto& sample : skill.questions) {
                store::QuestionRecord question;
                question.grade = small(grade.grade);
                question.subject = small(subject.subject);
                question.skill = small(k);
                question.kind = 1;
                question.answer = small(sample.answer);
                put(at(question.labels, 0),
                    kGradeWords.at(static_cast<std::size_t>(grade.grade - 1)));
                put(at(question.labels, 1),
                    content.subjects[static_cast<std::size_t>(subject.subject)]);
                put(question.skillName, skill.name);
                put(question.text, sample.text);
                for (std::size_t c = 0; c < sample.choices.size(); ++c)
                    put(at(question.choice, c), sample.choices[c]);
                store.append(store::files::kQuestions, question);
                ++written;
            }
        }
    }
    return written;
}

void writeClass(DataStore& store, const SampleClass& sample) {
    const int file = store::classFileNumber(sample.grade, sample.section).value();
    for (const auto& name : sample.pupils) {
        store::ClassRecord pupil;
        for (std::size_t part = 0; part < name.size(); ++part)
            put(at(pupil.info, part), name[part]);
        put(at(pupil.info, store::ClassRecord::kGradeSlot), std::to_string(sample.grade));
        put(at(pupil.info, store::ClassRecord::kSectionSlot), std::to_string(sample.section));
        put(pupil.password(), "8471");
        store.append(file, pupil);
    }
}

// Random-question permission for every pupil of the class and every skill of its grade
// that has questions.
int writePermissions(DataStore& store, const SampleContent& content, const SampleClass& sample) {
    const auto grade = std::find_if(content.grades.begin(), content.grades.end(),
                                    [&](const SampleGrade& g) { return g.grade == sample.grade; });
    if (grade == content.grades.end())
        return 0;
    int written = 0;
    for (std::size_t pupil = 1; pupil <= sample.pupils.size(); ++pupil)
        for (const auto& subject : grade->subjects)
            for (std::size_t k = 0; k < subject.skills.size(); ++k) {
                if (subject.skills[k].questions.empty())
                    continue;
                store::PermissionRecord permission;
                permission.grade = small(sample.grade);
                permission.section = small(sample.section);
                permission.subject = small(subject.subject);
                permission.skill = small(k);
                permission.pupil = small(pupil);
                permission.mode = store::PermissionRecord::kRandom;
                store.append(store::files::kPermissions, permission);
                ++written;
            }
    return written;
}

} // namespace

SampleSummary writeSampleSchool(const fs::path& folder) {
    const SampleContent& content = sampleContent();
    checkContent(content);
    refuseFolderWithData(folder);
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec)
        throw ToolError("cannot create " + folder.string() + ": " + ec.message());

    DataStore store(folder);
    store.openDataFiles();
    DataStore::Batch batch(store);

    SampleSummary summary;
    writeCodeList(store, store::files::kSubjects, content.subjects);
    writeCodeList(store, store::files::kViolationTypes, content.violationTypes);
    summary.subjects = static_cast<int>(content.subjects.size());
    summary.violationTypes = static_cast<int>(content.violationTypes.size());
    for (const auto& grade : content.grades) {
        summary.skills += writeSkills(store, content, grade);
        summary.questions += writeQuestions(store, content, grade);
    }
    for (const auto& sample : content.classes) {
        writeClass(store, sample);
        summary.permissions += writePermissions(store, content, sample);
        ++summary.classes;
        summary.pupils += static_cast<int>(sample.pupils.size());
    }
    batch.commit();
    return summary;
}

} // namespace velmora::tools
