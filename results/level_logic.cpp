#include "results/level_logic.h"

namespace velmora::results {

LevelPage LevelLogic::page(int grade, int section, int pupil, int subject) const {
    LevelPage result;
    const auto classFile = store::classFileNumber(grade, section);
    store::ClassRecord record;
    if (classFile && pupil >= 1)
        record = store_.read<store::ClassRecord>(*classFile, pupil);
    result.pupilName = QString::fromStdString(store::pupilDisplayName(record));

    const auto skillsFile = store::skillsFileOfGrade(grade);
    if (!skillsFile || subject < 0 || subject > store::kMaxSubject)
        return result;
    const auto slot = static_cast<std::size_t>(subject);
    std::size_t n = 0;
    store_.forEachRecord(
        *skillsFile, 1, store_.recordCount(*skillsFile),
        [&](std::int32_t k, std::span<const std::uint8_t> bytes) {
            const auto skill = store::decode<store::SkillRecord>(bytes);
            const auto& name = skill.skillName.elements()[slot];
            if (name.neverWritten())
                return true;
            LevelCell& cell = result.cells[n];
            cell.filled = true;
            cell.title = QString::fromStdString(name.trimmed());
            cell.right = record.score.get(subject, k - 1, 0).value_or(0);
            cell.wrong = record.score.get(subject, k - 1, 1).value_or(0);
            cell.mark = store::markOf(static_cast<std::int16_t>(cell.right),
                                      static_cast<std::int16_t>(cell.wrong));
            return ++n < result.cells.size();
        });
    return result;
}

QString LevelLogic::subjectTitle(int subject) const {
    if (subject < 0 || subject + 1 > store_.count(store::files::kSubjects))
        return {};
    return QString::fromStdString(
        store_.read<store::CodeRecord>(store::files::kSubjects, subject + 1).name.trimmed());
}

int LevelLogic::pupilCount(int grade, int section) const {
    const auto file = store::classFileNumber(grade, section);
    return file ? store_.wholeRecordCount(*file) : 0;
}

} // namespace velmora::results
