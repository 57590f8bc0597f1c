#pragma once
// Form23 (the subjects) and Form33 (the violation types): one window design for the two
// code lists.

#include "authoring/code_list_logic.h"

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace velmora::authoring {

class CodeListWindow final : public QDialog {
    Q_OBJECT
public:
    CodeListWindow(store::DataStore& store, platform::Services& services, CodeList list,
                   QWidget* parent = nullptr);

    QLineEdit* tx = nullptr;
    QLabel* lf = nullptr;
    QPushButton* Command1 = nullptr; // save
    QPushButton* Command2 = nullptr; // delete
    QScrollBar* v = nullptr;
    std::array<QLabel*, CodeListLogic::kRows> l1{};
    std::array<QLabel*, CodeListLogic::kRows> l2{};

private:
    void buildWidgets(CodeList list);
    void refresh();
    void showTarget();

    CodeListLogic logic_;
};

} // namespace velmora::authoring
