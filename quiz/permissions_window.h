#pragma once
// Form26, answer permissions: a class's pupils with their state for one subject and skill,
// set pupil by pupil or for the whole class.

#include "platform/services.h"
#include "quiz/permissions_logic.h"

#include <QDialog>

#include <array>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollBar;

namespace velmora::quiz {

class PermissionsWindow final : public QDialog {
    Q_OBJECT
public:
    PermissionsWindow(store::DataStore& store, platform::Services& services,
                      QWidget* parent = nullptr);

    static constexpr int kRows = PermissionsLogic::kRows;

    QComboBox* a = nullptr;   // grade
    QComboBox* a1 = nullptr;  // section
    QComboBox* Cox = nullptr; // subject
    QComboBox* co = nullptr;  // skill
    QLabel* xx = nullptr;     // questions of the skill
    QLabel* all = nullptr;    // class-wide state
    QLabel* nnb = nullptr;    // question of the class-wide state
    QPushButton* Command3 = nullptr;
    QScrollBar* pages = nullptr; // pupils past the 30th
    std::array<QLabel*, kRows> l1{};  // names
    std::array<QLabel*, kRows> aa1{}; // state texts
    std::array<QLabel*, kRows> d{};   // state images
    std::array<QLabel*, kRows> sc{};  // right counts
    std::array<QLabel*, kRows> kc{};  // wrong counts

private:
    void buildWidgets();
    void classChosen();
    void subjectChosen();
    void skillChosen();
    void showRows();
    void showClassState();

    platform::Services& services_;
    PermissionsLogic logic_;
};

} // namespace velmora::quiz
