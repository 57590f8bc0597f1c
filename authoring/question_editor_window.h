#pragma once
// Form25, the question bank editor: grade, subject and skill, the question with six choices
// and the correct one marked, a question called up by its number, and the bank's list.

#include "authoring/question_editor_logic.h"
#include "authoring/question_list_window.h"
#include "platform/services.h"
#include "store/data_store.h"

#include <QDialog>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace velmora::authoring {

class QuestionEditorWindow final : public QDialog {
    Q_OBJECT
public:
    QuestionEditorWindow(store::DataStore& store, platform::Services& services, QWidget* parent = nullptr);

    QComboBox* c1 = nullptr; // grade
    QComboBox* c = nullptr;  // subject
    QComboBox* Co = nullptr; // skill
    QLineEdit* tx = nullptr; // question
    std::array<QLineEdit*, kChoiceCount> Text1{};
    // o(0..5) mark the correct choice; the hidden o(6) and o(7) hold the tick and cross.
    std::array<QToolButton*, kChoiceCount + 2> o{};
    QLabel* lf = nullptr;
    QLineEdit* te = nullptr;
    QPushButton* Command1 = nullptr;
    QuestionListGrid list;

private:
    void buildWidgets();
    void connectWidgets();
    // Shows the logic's marked choice: a tick beside it, crosses elsewhere.
    void showMarkers();
    void showSelections();
    void showTexts(const QuestionTexts& texts);
    void refreshList();
    void callUp();
    void save();

    QuestionEditorLogic logic_;
    store::DataStore& store_;
};

} // namespace velmora::authoring
