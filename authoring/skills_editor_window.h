#pragma once
// Form6, Form7, Form9, Form5, Form10 and Form11: the skills editor of grades 1 to 6, one
// window design bound to its grade's skills file.

#include "authoring/skills_editor_logic.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace velmora::authoring {

class SkillsEditorWindow final : public QDialog {
    Q_OBJECT
public:
    // grade is 1..6.
    SkillsEditorWindow(store::DataStore& store, platform::Services& services, int grade,
                       QWidget* parent = nullptr);

    // Design name and caption of a grade's editor.
    static const char* designName(int grade);
    static QString caption(int grade);

    QComboBox* c = nullptr;
    std::array<QLineEdit*, 3> nx{};
    QLineEdit* tx = nullptr;
    QCheckBox* ch = nullptr;
    QCheckBox* Check1 = nullptr;
    QLabel* lf = nullptr;
    QPushButton* Command1 = nullptr;           // save
    QPushButton* Command2 = nullptr;           // only on Form7, inert
    QScrollBar* v = nullptr;
    std::array<QLabel*, SkillsEditorLogic::kRows> l1{};
    std::array<QLabel*, SkillsEditorLogic::kRows> l2{};
    std::array<QLabel*, SkillsEditorLogic::kRows> l3{};

private:
    void buildWidgets();
    void refresh();
    void showTarget();

    SkillsEditorLogic logic_;
};

} // namespace velmora::authoring
