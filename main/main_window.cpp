#include "main/main_window.h"

#include "platform/qt_services.h"
#include "quiz/quiz_window.h"
#include "platform/widget_helpers.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora::main {

using platform::named;

namespace {

QLabel* columnHeading(const QString& text, QWidget* parent) {
    QLabel* label = platform::heading(text, parent, 2);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QLabel* prompt(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QLineEdit* maskedBox(QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setEchoMode(QLineEdit::Password);
    box->setMaxLength(40);
    return box;
}

} // namespace

MainWindow::MainWindow(store::DataStore& store, platform::Services& services, QWidget* parent)
    : QWidget(parent), logic_(store, services), signIn_(store), store_(store), services_(services) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(platform::programTitle());
    setLayoutDirection(Qt::RightToLeft);
    buildWidgets();
    connectSignIn();
    connectTeacher();
}

void MainWindow::connectSignIn() {
    // A choice in the grade list runs exactly what a choice in the section list runs.
    connect(c, &QComboBox::activated, this, &MainWindow::reloadPupils);
    connect(c1, &QComboBox::activated, this, &MainWindow::reloadPupils);
    connect(Co, &QComboBox::activated, this, &MainWindow::choosePupil);
    connect(Command10, &QPushButton::clicked, this, &MainWindow::signInPupil);
}

void MainWindow::reloadPupils() {
    if (const auto items = signIn_.pupilItems(c->currentText(), c1->currentText()))
        platform::fillUnchosen(*Co, *items);
}

void MainWindow::choosePupil() {
    if (SignIn::disciplineMode(ta->text())) {
        Frq->show();
        f1->hide();
        Frq->setFocus();
    } else {
        f1->show();
        Frq->hide();
    }
}

void MainWindow::signInPupil() {
    SignInChoices choices;
    choices.gradeText = c->currentText();
    choices.gradePosition = c->currentIndex();
    choices.sectionText = c1->currentText();
    choices.sectionPosition = c1->currentIndex();
    choices.subjectPosition = c2->currentIndex();
    choices.subjectName = c2->currentText();
    choices.pupilPosition = Co->currentIndex();
    choices.pupilName = Co->currentText();
    choices.password = tt->text();
    const auto result = signIn_.signIn(choices);
    if (result.outcome == SignIn::Outcome::WrongPassword) {
        services_.dialogs.message(SignIn::wrongPasswordMessage());
    } else if (result.outcome == SignIn::Outcome::OpenQuiz) {
        quiz::QuizWindow quizWindow(store_, services_, result.context, this);
        services_.modal.openModal(quizWindow);
        // The next pupil at this computer must type a password of his own.
        tt->clear();
    }
}

void MainWindow::buildWidgets() {
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(24, 18, 24, 12);
    root->setSpacing(14);

    auto* title = columnHeading(QStringLiteral("قياس مهارات الطلاب"), this);
    QFont titleFont = title->font();
    titleFont.setPointSize(titleFont.pointSize() + 6);
    title->setFont(titleFont);
    root->addWidget(title);

    // Pupil's choices, right to left: grade, section, pupil, subject.
    auto* choices = new QGridLayout;
    choices->setHorizontalSpacing(16);
    c = named(new QComboBox(this), "c");
    c1 = named(new QComboBox(this), "c1");
    Co = named(new QComboBox(this), "Co");
    c2 = named(new QComboBox(this), "c2");
    const struct {
        const char16_t* headingText;
        const char16_t* promptText;
        QComboBox* list;
        int stretch;
    } columns[] = {
        {u"الصف", u"اختر الصف", c, 1},
        {u"الفصل", u"اختر الفصل", c1, 1},
        {u"اسم الطالب", u"اختر اسم الطالب", Co, 4},
        {u"المادة", u"اختر المادة", c2, 2},
    };
    int column = 0;
    for (const auto& col : columns) {
        choices->addWidget(columnHeading(QString::fromUtf16(col.headingText), this), 0, column);
        choices->addWidget(prompt(QString::fromUtf16(col.promptText), this), 1, column);
        choices->addWidget(col.list, 2, column);
        choices->setColumnStretch(column, col.stretch);
        ++column;
    }
    Co->setMinimumContentsLength(24);
    Co->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    c2->setMinimumContentsLength(12);
    root->addLayout(choices);

    // Sign-in panel, shown once a pupil is chosen.
    f1 = named(new QFrame(this), "f1");
    f1->setFrameShape(QFrame::StyledPanel);
    auto* signIn = new QHBoxLayout(f1);
    signIn->addWidget(prompt(QStringLiteral("ادخل الرقم السري"), f1));
    tt = named(maskedBox(f1), "tt");
    signIn->addWidget(tt, 1);
    Command10 = named(new QPushButton(QStringLiteral("دخول الطالب"), f1), "Command10");
    signIn->addWidget(Command10);
    f1->hide();
    root->addWidget(f1);

    // Violation entry panel, shown instead of the sign-in in discipline mode.
    Frq = named(new QFrame(this), "Frq");
    Frq->setFrameShape(QFrame::StyledPanel);
    Frq->hide();
    root->addWidget(Frq);

    root->addStretch(1);

    // Teacher's boxes and the question list.
    auto* teacher = new QGridLayout;
    teacher->setHorizontalSpacing(16);
    tm = named(maskedBox(this), "tm");
    ta = named(maskedBox(this), "ta");
    teacher->addWidget(columnHeading(QStringLiteral("المعلم"), this), 0, 0);
    teacher->addWidget(prompt(QStringLiteral("ادخل كلمة السر واضغط انتر"), this), 1, 0);
    teacher->addWidget(tm, 2, 0);
    teacher->addWidget(columnHeading(QStringLiteral("كلمة السر"), this), 0, 1);
    teacher->addWidget(ta, 2, 1);
    Command5 = named(new QPushButton(QStringLiteral("عرض الاسئله"), this), "Command5");
    teacher->addWidget(Command5, 2, 2);
    teacher->setColumnStretch(3, 1);
    root->addLayout(teacher);

    auto* credits = new QHBoxLayout;
    auto* author = named(new QLabel(QStringLiteral("إعداد: فريق Velmora لبرمجيات المدارس"), this),
                         "authorCredit");
    auto* contact = named(new QLabel(QStringLiteral("للتواصل: support@velmora.example"), this),
                          "contactAddress");
    for (QLabel* label : {author, contact}) {
        QFont small = label->font();
        small.setPointSize(small.pointSize() - 2);
        label->setFont(small);
        label->setEnabled(false);
    }
    credits->addWidget(author);
    credits->addStretch(1);
    credits->addWidget(contact);
    root->addLayout(credits);

    resize(820, 460);
}

bool MainWindow::startUp() {
    if (!logic_.startUp())
        return false;
    platform::fillUnchosen(*c2, logic_.subjectItems());
    platform::fillUnchosen(*c, MainLogic::classNumberItems());
    platform::fillUnchosen(*c1, MainLogic::classNumberItems());
    return true;
}

} // namespace velmora::main
