#pragma once
// The fixed table of data files: file numbers, names, record lengths and opening order.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace velmora::store {

// File numbers the program addresses by name; class files are 10 * grade + section.
namespace files {
inline constexpr int kStudents = 1;        // tlab.mdb
inline constexpr int kSkillsUnused = 2;    // مهارات.mdb
inline constexpr int kSubjects = 4;        // المواد.mdb
inline constexpr int kQuestions = 10;      // aselh.mdb
inline constexpr int kPermissions = 17;    // سماح.mdb
inline constexpr int kAnswers = 18;        // اجابات.mdb
inline constexpr int kViolationTypes = 19; // المخالفات.mdb
inline constexpr int kStaging = 111;       // msand.mdb
inline constexpr int kScratch = 141;       // moad.tmp, only during list compaction
} // namespace files

enum class RecordType { Student, Class, Skill, Code, Question, Answer, Permission };

struct FileSpec {
    int number;
    std::string_view name; // UTF-8 file name in the data folder
    std::int32_t recordLength;
    RecordType type;
    bool counted; // start-up keeps a process-wide record count for it
};

inline constexpr std::size_t kDataFileCount = 50;

// Every file opened at start-up, in opening order (the scratch file is not among them).
const std::array<FileSpec, kDataFileCount>& dataFiles();

// The fileSpec of a file number (including the scratch file), or nothing for an unknown number.
const FileSpec* findFile(int number);

// The fileSpec of a file by its name ("المواد.mdb", "sf42.mdb", ...).
const FileSpec* findFileByName(std::string_view name);

// File number of the class file of grade 1..6 and section 1..6.
std::optional<int> classFileNumber(int grade, int section);

// File number of a grade's skills file: 1 -> 7, 2 -> 8, 3 -> 9, 4 -> 3, 5 -> 5, 6 -> 6.
std::optional<int> skillsFileOfGrade(int grade);

inline constexpr std::int32_t kClassRecordLength = 13564;

} // namespace velmora::store
