#pragma once
// Form1, the main window: the pupil's pick lists and sign-in panel, the teacher's code
// boxes and the question-list button.

#include "main/main_logic.h"
#include "main/sign_in.h"

#include <QWidget>

class QComboBox;
class QFrame;
class QLineEdit;
class QPushButton;

namespace velmora::main {

class MainWindow final : public QWidget {
    Q_OBJECT
public:
    MainWindow(store::DataStore& store, platform::Services& services, QWidget* parent = nullptr);

    // Runs the start-up and fills the lists; false when the program must end.
    bool startUp();

    QComboBox* c = nullptr;   // grade
    QComboBox* c1 = nullptr;  // section
    QComboBox* Co = nullptr;  // pupil of the chosen class
    QComboBox* c2 = nullptr;  // subject
    QFrame* f1 = nullptr;     // sign-in panel
    QLineEdit* tt = nullptr;  // pupil's password
    QPushButton* Command10 = nullptr;
    QFrame* Frq = nullptr;    // violation entry panel
    QLineEdit* tm = nullptr;  // teacher's code
    QLineEdit* ta = nullptr;  // mode box
    QPushButton* Command5 = nullptr;

private:
    void buildWidgets();
    // Pupil sign-in: the class lists, the pupil list and the entry button.
    void connectSignIn();
    // Teacher's code box and the question-list button (teacher_access.cpp).
    void connectTeacher();

    void reloadPupils();
    void choosePupil();
    void signInPupil();

    MainLogic logic_;
    SignIn signIn_;
    store::DataStore& store_;
    platform::Services& services_;
};

} // namespace velmora::main
