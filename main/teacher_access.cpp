#include "main/admin_menu.h"
#include "main/main_window.h"
#include "main/teacher_logic.h"

#include "authoring/question_list_window.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <functional>
#include <utility>

namespace velmora::main {

namespace {

// Catches Enter (character 13, either key) in a text box; every other key types normally.
class EnterFilter final : public QObject {
public:
    EnterFilter(QLineEdit& box, std::function<void()> onEnter) : QObject(&box), onEnter_(std::move(onEnter)) {
        box.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                onEnter_();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> onEnter_;
};

} // namespace

void MainWindow::connectTeacher() {
    // The code box keeps its text whatever the outcome.
    new EnterFilter(*tm, [this] {
        TeacherLogic logic(store_, services_);
        if (logic.enter(tm->text(), c->currentText(), c1->currentText()) == TeacherLogic::Outcome::OpenMenu)
            runAdminMenu(store_, services_, this);
    });
    connect(Command5, &QPushButton::clicked, this, [this] {
        authoring::QuestionListWindow window(store_, services_, this);
        services_.modal.openModal(window);
    });
}

} // namespace velmora::main
