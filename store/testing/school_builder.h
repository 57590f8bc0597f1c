#pragma once
// Writes small schools into a data folder for tests: subjects, skills, questions, pupils
// and permissions, each as the program's own windows would write them.

#include "store/data_store.h"
#include "store/records_codec.h"

#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

namespace velmora::store::testing {

// A fresh, empty folder for one test under the build's scratch folder.
inline std::filesystem::path freshFolder(const std::filesystem::path& root, const std::string& name) {
    const auto folder = root / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

class SchoolBuilder {
public:
    explicit SchoolBuilder(DataStore& store) : store_(store) {
        store_.openDataFiles();
    }

    // Appends a subject; returns its subject position.
    int subject(const std::string& name) {
        CodeRecord record;
        record.name.assign(name);
        return store_.append(files::kSubjects, record) - 1;
    }

    // Writes skill text into record `record` of the grade's skills file, slot `subject`.
    void skill(int grade, int subject, int record, const std::string& name,
               const std::string& subjectName) {
        const int file = *skillsFileOfGrade(grade);
        auto row = store_.read<SkillRecord>(file, record);
        row.skillName.find(subject)->assign(name);
        row.subjectName.find(subject)->assign(subjectName);
        store_.write(file, record, row);
        if (record > store_.count(file))
            store_.setCount(file, record);
    }

    // Appends a question; returns its record number.
    std::int32_t question(int grade, int subject, int skill, const std::string& skillName,
                          const std::string& text, std::initializer_list<const char*> choices,
                          int answer) {
        QuestionRecord q;
        q.grade = static_cast<std::int16_t>(grade);
        q.subject = static_cast<std::int16_t>(subject);
        q.skill = static_cast<std::int16_t>(skill);
        q.kind = 1;
        q.answer = static_cast<std::int16_t>(answer);
        q.skillName.assign(skillName);
        q.text.assign(text);
        int k = 0;
        for (const char* choice : choices)
            q.choice.find(k++)->assign(choice);
        return store_.append(files::kQuestions, q);
    }

    // Appends a pupil to the class file; returns the record number.
    std::int32_t pupil(int grade, int section, std::initializer_list<const char*> nameParts,
                       const std::string& password) {
        ClassRecord record;
        int k = 0;
        for (const char* part : nameParts)
            record.info.find(k++)->assign(part);
        record.info.find(ClassRecord::kGradeSlot)->assign(std::to_string(grade));
        record.info.find(ClassRecord::kSectionSlot)->assign(std::to_string(section));
        record.password().assign(password);
        const int file = *classFileNumber(grade, section);
        const std::int32_t number = store_.wholeRecordCount(file) + 1;
        record.recNo = number;
        store_.write(file, number, record);
        return number;
    }

    // Appends a permission record.
    std::int32_t permit(int grade, int section, int subject, int skill, int pupil, int mode) {
        PermissionRecord p;
        p.grade = static_cast<std::int16_t>(grade);
        p.section = static_cast<std::int16_t>(section);
        p.subject = static_cast<std::int16_t>(subject);
        p.skill = static_cast<std::int16_t>(skill);
        p.pupil = static_cast<std::int16_t>(pupil);
        p.mode = static_cast<std::int16_t>(mode);
        return store_.append(files::kPermissions, p);
    }

private:
    DataStore& store_;
};

} // namespace velmora::store::testing
