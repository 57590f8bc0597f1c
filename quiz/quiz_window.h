#pragma once
// Form19, the quiz window: the pupil picks a skill, answers the drawn questions, and can
// change the password or open the level view.

#include "quiz/quiz_logic.h"

#include <QDialog>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace velmora::quiz {

class QuizWindow final : public QDialog {
    Q_OBJECT
public:
    QuizWindow(store::DataStore& store, platform::Services& services, const QuizContext& context,
               QWidget* parent = nullptr);

    QLabel* l = nullptr;   // pupil name
    QLabel* aa = nullptr;  // grade text
    QLabel* ll = nullptr;  // subject name
    QComboBox* Co = nullptr; // skills
    QLabel* xx = nullptr;  // questions of the skill
    QLabel* mh = nullptr;  // question text
    std::array<QLabel*, 6> sf{};     // choice texts
    std::array<QToolButton*, 6> o{}; // choice markers
    QLabel* ls = nullptr;  // right answers
    QLabel* lk = nullptr;  // wrong answers
    QLineEdit* td = nullptr;
    QLineEdit* tm = nullptr;
    QLineEdit* ty = nullptr;
    QPushButton* Command1 = nullptr;  // confirm the answer
    QPushButton* Command11 = nullptr; // my level
    QPushButton* Command9 = nullptr;  // change the password
    QPushButton* Command10 = nullptr; // exit

    // The choice whose marker is selected, if any.
    [[nodiscard]] std::optional<int> selectedChoice() const { return selected_; }

private:
    void buildWidgets();
    void drawQuestion();
    void showQuestion(const ShownQuestion& question);
    void selectChoice(int index);
    void confirmAnswer();
    void openLevelView();

    store::DataStore& store_;
    platform::Services& services_;
    QuizLogic logic_;
    std::optional<int> selected_;
};

} // namespace velmora::quiz
