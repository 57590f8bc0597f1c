#pragma once
// The sample school: subjects, violation types, skills with their questions, and classes.

#include <array>
#include <string_view>
#include <vector>

namespace velmora::tools {

struct SampleQuestion {
    std::string_view text;
    std::vector<std::string_view> choices; // 2 to 6
    int answer;                            // index of the right choice
};

struct SampleSkill {
    std::string_view name;
    std::vector<SampleQuestion> questions; // may be empty
};

// The skills of one subject in one grade, in list order (skill position = index).
struct SampleSubjectSkills {
    int subject; // subject position
    std::vector<SampleSkill> skills;
};

struct SampleGrade {
    int grade;
    std::vector<SampleSubjectSkills> subjects;
};

using SamplePupil = std::array<std::string_view, 4>; // the four name parts

struct SampleClass {
    int grade;
    int section;
    std::vector<SamplePupil> pupils;
};

struct SampleContent {
    std::vector<std::string_view> subjects;
    std::vector<std::string_view> violationTypes;
    std::vector<SampleGrade> grades;
    std::vector<SampleClass> classes;
};

const SampleContent& sampleContent();

} // namespace velmora::tools
