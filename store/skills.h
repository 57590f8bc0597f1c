#pragma once
// The skills a grade's skills file holds for one subject, as the windows that offer skills
// list them.

#include "store/data_store.h"

#include <string>
#include <string_view>
#include <vector>

namespace velmora::store {

struct ListedSkill {
    std::int32_t record = 0; // record number in the grade's skills file
    std::string name;        // skillName of the subject's slot, trimmed
};

// Records 1..(the file's record count) of the grade's skills file whose subjectName slot for
// the subject position was written and, trimmed, equals the subject's name as a 20-character field stores
// it (cut to 20, trimmed), in record order. The list position is the skill position.
// Empty for a grade outside 1..6 or a subject position without a slot (outside 0..20).
std::vector<ListedSkill> skillsOfSubject(const DataStore& store, int grade, int subject,
                                         std::string_view subjectName);

// The subject's name as the subjectName field keeps it: cut to 20 characters, trimmed.
std::string storedSubjectName(std::string_view subjectName);

} // namespace velmora::store
