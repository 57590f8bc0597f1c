#include "store/file_table.h"

namespace velmora::store {
namespace {

constexpr FileSpec classFile(int number, std::string_view name) {
    return {number, name, kClassRecordLength, RecordType::Class, false};
}
constexpr FileSpec skillsFile(int number, std::string_view name) {
    return {number, name, 2776, RecordType::Skill, true};
}

constexpr std::array<FileSpec, kDataFileCount> kFiles = {{
    classFile(files::kStaging, "msand.mdb"),
    {files::kStudents, "tlab.mdb", 502, RecordType::Student, true},
    classFile(11, "sf11.mdb"), classFile(12, "sf12.mdb"), classFile(13, "sf13.mdb"),
    classFile(14, "sf14.mdb"), classFile(15, "sf15.mdb"), classFile(16, "sf16.mdb"),
    classFile(21, "sf21.mdb"), classFile(22, "sf22.mdb"), classFile(23, "sf23.mdb"),
    classFile(24, "sf24.mdb"), classFile(25, "sf25.mdb"), classFile(26, "sf26.mdb"),
    {files::kQuestions, "aselh.mdb", 604, RecordType::Question, true},
    classFile(31, "sf31.mdb"), classFile(32, "sf32.mdb"), classFile(33, "sf33.mdb"),
    classFile(34, "sf34.mdb"), classFile(35, "sf35.mdb"), classFile(36, "sf36.mdb"),
    classFile(41, "sf41.mdb"), classFile(42, "sf42.mdb"), classFile(43, "sf43.mdb"),
    classFile(44, "sf44.mdb"), classFile(45, "sf45.mdb"), classFile(46, "sf46.mdb"),
    classFile(51, "sf51.mdb"), classFile(52, "sf52.mdb"), classFile(53, "sf53.mdb"),
    classFile(54, "sf54.mdb"), classFile(55, "sf55.mdb"), classFile(56, "sf56.mdb"),
    classFile(61, "sf61.mdb"), classFile(62, "sf62.mdb"), classFile(63, "sf63.mdb"),
    classFile(64, "sf64.mdb"), classFile(65, "sf65.mdb"), classFile(66, "sf66.mdb"),
    skillsFile(files::kSkillsUnused, "مهارات.mdb"),
    skillsFile(3, "مهارات4.mdb"),
    skillsFile(5, "مهارات5.mdb"),
    skillsFile(6, "مهارات6.mdb"),
    skillsFile(7, "مهارات1.mdb"),
    skillsFile(8, "مهارات2.mdb"),
    skillsFile(9, "مهارات3.mdb"),
    {files::kPermissions, "سماح.mdb", 16, RecordType::Permission, true},
    {files::kAnswers, "اجابات.mdb", 686, RecordType::Answer, true},
    {files::kSubjects, "المواد.mdb", 34, RecordType::Code, true},
    {files::kViolationTypes, "المخالفات.mdb", 34, RecordType::Code, true},
}};

constexpr FileSpec kScratchFile{files::kScratch, "moad.tmp", 34, RecordType::Code, false};

} // namespace

const std::array<FileSpec, kDataFileCount>& dataFiles() { return kFiles; }

const FileSpec* findFile(int number) {
    if (number == files::kScratch)
        return &kScratchFile;
    for (const auto& fileSpec : kFiles)
        if (fileSpec.number == number)
            return &fileSpec;
    return nullptr;
}

const FileSpec* findFileByName(std::string_view name) {
    if (name == kScratchFile.name)
        return &kScratchFile;
    for (const auto& fileSpec : kFiles)
        if (fileSpec.name == name)
            return &fileSpec;
    return nullptr;
}

std::optional<int> classFileNumber(int grade, int section) {
    if (grade < 1 || grade > 6 || section < 1 || section > 6)
        return std::nullopt;
    return 10 * grade + section;
}

std::optional<int> skillsFileOfGrade(int grade) {
    static constexpr std::array<int, 6> kMapping = {7, 8, 9, 3, 5, 6};
    if (grade < 1 || grade > 6)
        return std::nullopt;
    return kMapping[static_cast<std::size_t>(grade - 1)];
}

} // namespace velmora::store
