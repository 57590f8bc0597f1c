#pragma once
// Pupil sign-in on the main window: the pupil list of the chosen class, the panel a pupil
// choice opens, and the password check that leads to the quiz.

#include "quiz/quiz_context.h"
#include "store/data_store.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace velmora::main {

// The main window's choices as the sign-in reads them.
struct SignInChoices {
    QString gradeText;   // text of `c` ("" when nothing is chosen)
    int gradePosition = -1;
    QString sectionText; // text of `c1`
    int sectionPosition = -1;
    int subjectPosition = -1; // position in `c2`, -1 when none
    QString subjectName;
    int pupilPosition = -1; // position in `Co`: the pupil's record number
    QString pupilName;
    QString password; // text of `tt`
};

class SignIn {
public:
    explicit SignIn(store::DataStore& store) : store_(store) {}

    // Items of `Co` for the class named by the grade and section texts: the prompt, then the
    // display name of each whole record of the class file. Nothing when no class is chosen,
    // so the list keeps what it shows.
    [[nodiscard]] std::optional<QStringList> pupilItems(const QString& gradeText,
                                                        const QString& sectionText) const;

    // True when the mode box holds the discipline code: a pupil choice then opens the
    // violation entry panel instead of the sign-in panel.
    [[nodiscard]] static bool disciplineMode(const QString& modeText);

    enum class Outcome { Nothing, WrongPassword, OpenQuiz };
    struct Result {
        Outcome outcome = Outcome::Nothing;
        quiz::QuizContext context;
    };
    // Checks the typed password against the pupil's record.
    [[nodiscard]] Result signIn(const SignInChoices& choices) const;

    static const QString& pupilPrompt();
    static const QString& wrongPasswordMessage();

private:
    store::DataStore& store_;
};

} // namespace velmora::main
