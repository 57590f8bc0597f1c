#include "store/skills.h"

namespace velmora::store {

std::string storedSubjectName(std::string_view subjectName) {
    return Text<20>(trimSpaces(subjectName)).trimmed();
}

std::vector<ListedSkill> skillsOfSubject(const DataStore& store, int grade, int subject,
                                         std::string_view subjectName) {
    std::vector<ListedSkill> skills;
    const auto file = skillsFileOfGrade(grade);
    if (!file || subject < 0 || subject > kMaxSubject)
        return skills;
    const std::string wanted = storedSubjectName(subjectName);
    const auto slot = static_cast<std::size_t>(subject);
    store.forEachRecord(*file, 1, store.recordCount(*file),
                        [&](std::int32_t n, std::span<const std::uint8_t> bytes) {
                            const auto record = decode<SkillRecord>(bytes);
                            // A never-written slot (all NUL) belongs to no subject, not
                            // even one whose name is empty.
                            const auto& owner = record.subjectName.elements()[slot];
                            if (!owner.neverWritten() && owner.trimmed() == wanted)
                                skills.push_back({n, record.skillName.elements()[slot].trimmed()});
                        });
    return skills;
}

} // namespace velmora::store
