#pragma once
// What the sign-in hands to the quiz: the pupil, the class and the subject.

#include <QString>

namespace velmora::quiz {

struct QuizContext {
    int grade = 0;       // 1..6, position in the grade list
    QString gradeText;   // the grade list's text, shown by the quiz
    int section = 0;     // 1..6
    int subject = -1;    // subject position
    QString subjectName;
    int pupil = 0;       // record number in the class file
    QString pupilName;   // displayed full name
};

} // namespace velmora::quiz
