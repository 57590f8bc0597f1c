#pragma once
// Form28, the question list opened from the main window, and the six-row list it shares
// with Form25.

#include "authoring/question_list_logic.h"
#include "platform/services.h"
#include "store/data_store.h"

#include <QDialog>

#include <array>

class QGridLayout;
class QLabel;
class QScrollBar;

namespace velmora::authoring {

// The list columns lx, l1, l4, l2, l3 (rows 0..5) under their headers, with the scroll
// bar v standing at 1 and not yet connected.
class QuestionListGrid {
public:
    // Builds the widgets as children of window and returns the layout holding them.
    QGridLayout* build(QWidget& window);
    // Empties every row, then shows the rows given from the first one.
    void show(const std::vector<QuestionListRow>& rows);

    std::array<QLabel*, kQuestionListRows> lx{};
    std::array<QLabel*, kQuestionListRows> l1{};
    std::array<QLabel*, kQuestionListRows> l4{};
    std::array<QLabel*, kQuestionListRows> l2{};
    std::array<QLabel*, kQuestionListRows> l3{};
    QScrollBar* v = nullptr;
};

class QuestionListWindow final : public QDialog {
    Q_OBJECT
public:
    QuestionListWindow(store::DataStore& store, platform::Services& services, QWidget* parent = nullptr);

    QuestionListGrid list;

private:
    store::DataStore& store_;
};

} // namespace velmora::authoring
