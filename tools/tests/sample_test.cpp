#include "store/data_store.h"
#include "tool_test_support.h"
#include "tools/data_folder.h"

#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <tuple>

using namespace velmora::store;
using namespace velmora::tools;
using namespace velmora::tools::testing;
namespace fs = std::filesystem;

namespace {

class SampleSchool : public ToolFolderTest {};

// Every data file's bytes by name, for "nothing changed" checks.
std::map<std::string, std::string> snapshot(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        files[entry.path().filename().string()] =
            std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return files;
}

// A subject's skills of a grade in record order, as the question editor lists them.
std::vector<std::string> skillsOf(const DataStore& store, int grade, int subject,
                                  const std::string& subjectName) {
    const int file = *skillsFileOfGrade(grade);
    std::vector<std::string> skills;
    for (std::int32_t n = 1; n <= store.count(file); ++n) {
        const auto record = store.read<SkillRecord>(file, n);
        EXPECT_EQ(record.recNo, 0);
        if (record.subjectName.get(subject).value().trimmed() == subjectName)
            skills.push_back(record.skillName.get(subject).value().trimmed());
    }
    return skills;
}

TEST_F(SampleSchool, WritesASchoolThePupilsCanUseAtOnce) {
    const ToolRun run = runTool({"sample", dir.string()});
    ASSERT_EQ(run.status, 0) << run.err;
    for (const auto& dataFile : dataFiles())
        EXPECT_TRUE(fs::is_regular_file(dataFilePath(dir, dataFile))) << dataFile.name;

    DataStore store(dir);
    store.openDataFiles();
    std::vector<std::string> subjects;
    for (std::int32_t n = 1; n <= store.count(files::kSubjects); ++n)
        subjects.push_back(store.read<CodeRecord>(files::kSubjects, n).name.trimmed());
    ASSERT_GE(subjects.size(), 3u);
    EXPECT_EQ(store.count(files::kViolationTypes), 5);
    EXPECT_GE(skillsOf(store, 4, 0, subjects[0]).size(), 8u);
    EXPECT_FALSE(skillsOf(store, 5, 0, subjects[0]).empty());

    // Each question names a skill at its position in the grade's list for the subject.
    const std::map<int, std::string> gradeWords = {{4, "الرابع"}, {5, "الخامس"}};
    std::set<std::tuple<int, int, int>> skillsWithQuestions; // grade, subject, skill
    for (std::int32_t n = 1; n <= store.count(files::kQuestions); ++n) {
        SCOPED_TRACE("question " + std::to_string(n));
        const auto q = store.read<QuestionRecord>(files::kQuestions, n);
        EXPECT_EQ(q.recNo, n);
        EXPECT_EQ(q.kind, 1);
        ASSERT_TRUE(gradeWords.contains(q.grade));
        ASSERT_LT(static_cast<std::size_t>(q.subject), subjects.size());
        EXPECT_EQ(q.labels.get(0)->trimmed(), gradeWords.at(q.grade));
        EXPECT_EQ(q.labels.get(1)->trimmed(), subjects[static_cast<std::size_t>(q.subject)]);
        const auto skills =
            skillsOf(store, q.grade, q.subject, subjects[static_cast<std::size_t>(q.subject)]);
        ASSERT_GE(q.skill, 0);
        ASSERT_LT(static_cast<std::size_t>(q.skill), skills.size());
        EXPECT_EQ(skills[static_cast<std::size_t>(q.skill)], q.skillName.trimmed());
        EXPECT_FALSE(q.text.trimmed().empty());

        const auto& choices = q.choice.elements();
        const auto filled = static_cast<std::size_t>(
            std::find_if(choices.begin(), choices.end(),
                         [](const auto& c) { return c.trimmed().empty(); }) -
            choices.begin());
        EXPECT_GE(filled, 2u);
        EXPECT_LT(static_cast<std::size_t>(q.answer), filled);
        for (std::size_t k = filled; k < choices.size(); ++k)
            EXPECT_TRUE(choices[k].neverWritten()) << "choice " << k;
        skillsWithQuestions.emplace(q.grade, q.subject, q.skill);
    }
    ASSERT_GE(skillsWithQuestions.size(), 4u);

    // The quiz takes the first permission record that matches.
    std::map<std::tuple<int, int, int, int, int>, int> firstMode;
    for (std::int32_t n = 1; n <= store.count(files::kPermissions); ++n) {
        const auto p = store.read<PermissionRecord>(files::kPermissions, n);
        EXPECT_EQ(p.recNo, n);
        firstMode.try_emplace({p.grade, p.section, p.subject, p.skill, p.pupil}, p.mode);
    }

    int classes = 0;
    for (int grade = 1; grade <= 6; ++grade)
        for (int section = 1; section <= 6; ++section) {
            const int file = *classFileNumber(grade, section);
            const std::int32_t pupils = store.wholeRecordCount(file);
            if (pupils == 0)
                continue;
            ++classes;
            EXPECT_GE(pupils, 10) << "class file " << file;
            for (std::int32_t i = 1; i <= pupils; ++i) {
                SCOPED_TRACE("class file " + std::to_string(file) + ", pupil " + std::to_string(i));
                const auto pupil = store.read<ClassRecord>(file, i);
                EXPECT_EQ(pupil.recNo, i);
                for (int part = 0; part < ClassRecord::kNamePartCount; ++part)
                    EXPECT_FALSE(pupil.info.get(part)->trimmed().empty());
                EXPECT_EQ(pupil.info.get(ClassRecord::kGradeSlot)->trimmed(),
                          std::to_string(grade));
                EXPECT_EQ(pupil.info.get(ClassRecord::kSectionSlot)->trimmed(),
                          std::to_string(section));
                EXPECT_EQ(pupil.password().trimmed(), "8471");
                for (const auto& [g, subject, skill] : skillsWithQuestions) {
                    if (g != grade)
                        continue;
                    const auto mode = firstMode.find({grade, section, subject, skill, i});
                    ASSERT_NE(mode, firstMode.end())
                        << "subject " << subject << ", skill " << skill;
                    EXPECT_EQ(mode->second, PermissionRecord::kRandom);
                }
            }
        }
    EXPECT_GE(classes, 2);
}

TEST_F(SampleSchool, RefusesAFolderHoldingDataAndLeavesItAsItWas) {
    ASSERT_EQ(runTool({"sample", dir.string()}).status, 0);
    const auto before = snapshot(dir);
    const ToolRun again = runTool({"sample", dir.string()});
    EXPECT_EQ(again.status, 1);
    EXPECT_FALSE(again.err.empty());
    EXPECT_EQ(snapshot(dir), before);

    // One list file holding one record is enough; no other file appears.
    const fs::path other = dir / "other";
    fs::create_directories(other);
    const fs::path violations = dataFilePath(other, *findFile(files::kViolationTypes));
    std::ofstream(violations, std::ios::binary) << std::string(34, 'x');
    EXPECT_EQ(runTool({"sample", other.string()}).status, 1);
    EXPECT_EQ(snapshot(other).size(), 1u);
    EXPECT_EQ(fs::file_size(violations), 34u);
}

TEST_F(SampleSchool, AcceptsMissingFoldersAndEmptyDataFilesButNotAPlainFile) {
    EXPECT_EQ(runTool({"sample", (dir / "new" / "school").string()}).status, 0);

    const fs::path empty = dir / "empty";
    fs::create_directories(empty);
    DataStore(empty).openDataFiles(); // the 50 files, all of length 0
    EXPECT_EQ(runTool({"sample", empty.string()}).status, 0);

    const fs::path plain = dir / "plain";
    std::ofstream(plain) << "x";
    EXPECT_EQ(runTool({"sample", plain.string()}).status, 1);
}

} // namespace
