#include "quiz/quiz_window.h"

#include "platform/widget_helpers.h"
#include "results/level_view_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace velmora::quiz {

using platform::named;

namespace {

QIcon markerIcon(bool selected) {
    return QIcon(selected ? QStringLiteral(":/velmora/choice_selected.svg")
                          : QStringLiteral(":/velmora/choice_unselected.svg"));
}

} // namespace

QuizWindow::QuizWindow(store::DataStore& store, platform::Services& services,
                       const QuizContext& context, QWidget* parent)
    : QDialog(parent), store_(store), services_(services), logic_(store, services, context) {
    platform::setUpWindow(*this, "Form19", QStringLiteral("صف رابع"));
    buildWidgets();
    platform::withoutDefaultButton(*this);

    l->setText(context.pupilName);
    aa->setText(context.gradeText);
    ll->setText(context.subjectName);
    const auto today = logic_.todayBoxes();
    td->setText(today.day);
    tm->setText(today.month);
    ty->setText(today.year);
    if (const auto skills = logic_.skillList())
        platform::fillUnchosen(*Co, *skills);

    connect(Co, &QComboBox::activated, this, &QuizWindow::drawQuestion);
    for (int i = 0; i < 6; ++i)
        connect(o[i], &QToolButton::clicked, this, [this, i] { selectChoice(i); });
    connect(Command1, &QPushButton::clicked, this, &QuizWindow::confirmAnswer);
    connect(Command9, &QPushButton::clicked, this, [this] { logic_.changePassword(); });
    connect(Command10, &QPushButton::clicked, this, [this] { logic_.exitProgram(); });
    connect(Command11, &QPushButton::clicked, this, &QuizWindow::openLevelView);
}

void QuizWindow::buildWidgets() {
    auto* root = new QVBoxLayout(this);
    root->setSpacing(10);

    // Who and what: welcome, grade, subject, beside a decorative picture.
    auto* top = new QHBoxLayout;
    auto* who = new QGridLayout;
    l = named(platform::plainLabel(this), "l");
    aa = named(new QLabel(this), "aa");
    ll = named(platform::plainLabel(this), "ll");
    QFont nameFont = l->font();
    nameFont.setPointSize(nameFont.pointSize() + 3);
    nameFont.setBold(true);
    l->setFont(nameFont);
    who->addWidget(platform::heading(QStringLiteral("اهلا بك يا"), this), 0, 0);
    who->addWidget(l, 0, 1, 1, 3);
    who->addWidget(platform::heading(QStringLiteral("الصف"), this), 1, 0);
    who->addWidget(aa, 1, 1);
    who->addWidget(platform::heading(QStringLiteral("المادة"), this), 1, 2);
    who->addWidget(ll, 1, 3);
    who->setColumnStretch(3, 1);
    top->addLayout(who, 1);
    auto* picture = named(new QLabel(this), "decoration");
    picture->setPixmap(QIcon(QStringLiteral(":/velmora/quiz_decoration.svg")).pixmap(120, 90));
    top->addWidget(picture);
    root->addLayout(top);

    // The skill and its number of questions.
    auto* skillRow = new QHBoxLayout;
    skillRow->addWidget(platform::heading(QStringLiteral("المهاره"), this));
    Co = named(new QComboBox(this), "Co");
    Co->setMinimumContentsLength(40);
    Co->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    skillRow->addWidget(Co, 1);
    skillRow->addWidget(platform::heading(QStringLiteral("عدد الاسئله"), this));
    xx = named(new QLabel(this), "xx");
    xx->setMinimumWidth(40);
    skillRow->addWidget(xx);
    root->addLayout(skillRow);

    // The question and its choices.
    mh = named(platform::plainLabel(this), "mh");
    mh->setWordWrap(true);
    // Questions often start with digits: keep them at the right edge all the same.
    mh->setAlignment(Qt::AlignAbsolute | Qt::AlignRight | Qt::AlignVCenter);
    QFont questionFont = mh->font();
    questionFont.setPointSize(questionFont.pointSize() + 4);
    questionFont.setBold(true);
    mh->setFont(questionFont);
    mh->setMinimumHeight(60);
    mh->setFrameShape(QFrame::StyledPanel);
    mh->setMargin(8);
    root->addWidget(mh);

    auto* choices = new QGridLayout;
    QFont choiceFont = font();
    choiceFont.setPointSize(choiceFont.pointSize() + 2);
    for (int i = 0; i < 6; ++i) {
        o[i] = new QToolButton(this);
        o[i]->setObjectName(platform::indexedName("o", i));
        o[i]->setIcon(markerIcon(false));
        o[i]->setIconSize(QSize(30, 30));
        o[i]->setAutoRaise(true);
        o[i]->setCheckable(true); // not exclusive: selecting is handled by the window
        o[i]->hide();
        sf[i] = platform::plainLabel(this);
        sf[i]->setObjectName(platform::indexedName("sf", i));
        sf[i]->setFont(choiceFont);
        sf[i]->setWordWrap(true);
        sf[i]->setAlignment(Qt::AlignAbsolute | Qt::AlignRight | Qt::AlignVCenter);
        sf[i]->hide();
        choices->addWidget(o[i], i, 0);
        choices->addWidget(sf[i], i, 1);
    }
    choices->setColumnStretch(1, 1);
    root->addLayout(choices);
    root->addStretch(1);

    // Counts, the answer date and the buttons.
    auto* bottom = new QHBoxLayout;
    ls = named(new QLabel(QStringLiteral("0"), this), "ls");
    lk = named(new QLabel(QStringLiteral("0"), this), "lk");
    ls->setStyleSheet(QStringLiteral("color: #1b7a2e; font-weight: bold;"));
    lk->setStyleSheet(QStringLiteral("color: #b3261e; font-weight: bold;"));
    bottom->addWidget(platform::heading(QStringLiteral("الاجابات الصحيحه"), this));
    bottom->addWidget(ls);
    bottom->addSpacing(16);
    bottom->addWidget(platform::heading(QStringLiteral("الاجابات الخطاء"), this));
    bottom->addWidget(lk);
    bottom->addStretch(1);
    td = named(new QLineEdit(this), "td");
    tm = named(new QLineEdit(this), "tm");
    ty = named(new QLineEdit(this), "ty");
    for (QLineEdit* box : {td, tm})
        box->setMaximumWidth(44);
    ty->setMaximumWidth(64);
    bottom->addWidget(platform::heading(QStringLiteral("التاريخ"), this));
    bottom->addWidget(td);
    bottom->addWidget(tm);
    bottom->addWidget(ty);
    root->addLayout(bottom);

    auto* buttons = new QHBoxLayout;
    Command1 = named(new QPushButton(QStringLiteral("اعتمد الاجابه"), this), "Command1");
    Command11 = named(new QPushButton(QStringLiteral("مستواي"), this), "Command11");
    Command9 = named(new QPushButton(QStringLiteral("تغير كلمة السر"), this), "Command9");
    Command10 = named(new QPushButton(QStringLiteral("خروج"), this), "Command10");
    for (QPushButton* button : {Command1, Command11, Command9, Command10})
        buttons->addWidget(button);
    buttons->insertStretch(1, 1);
    root->addLayout(buttons);

    resize(860, 620);
}

void QuizWindow::drawQuestion() {
    if (Co->currentIndex() < 0)
        return;
    if (const auto question = logic_.draw(Co->currentText()))
        showQuestion(*question);
}

void QuizWindow::showQuestion(const ShownQuestion& question) {
    xx->setText(QString::number(question.count));
    selected_.reset();
    for (int k = 0; k < 6; ++k) {
        sf[k]->hide();
        o[k]->hide();
        o[k]->setChecked(false);
        o[k]->setIcon(markerIcon(false));
    }
    mh->setText(question.text);
    for (int k = 0; k < question.choices.size() && k < 6; ++k) {
        sf[k]->setText(question.choices[k]);
        sf[k]->show();
        o[k]->show();
    }
    ls->setText(QString::number(question.right));
    lk->setText(QString::number(question.wrong));
}

void QuizWindow::selectChoice(int index) {
    selected_ = index;
    for (int k = 0; k < 6; ++k) {
        o[k]->setChecked(k == index);
        o[k]->setIcon(markerIcon(k == index));
    }
}

void QuizWindow::confirmAnswer() {
    const Confirmation done = logic_.confirm(selected_, td->text(), tm->text(), ty->text());
    if (!done.recorded)
        return;
    if (done.next)
        showQuestion(*done.next);
    ls->setText(QString::number(done.right));
    lk->setText(QString::number(done.wrong));
}

void QuizWindow::openLevelView() {
    const QuizContext& context = logic_.context();
    results::LevelViewWindow view(store_, this);
    view.handOver(context.subjectName, context.subject, context.grade, context.pupil,
                  context.section);
    services_.modal.openModal(view);
}

} // namespace velmora::quiz
