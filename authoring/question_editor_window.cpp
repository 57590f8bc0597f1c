#include "authoring/question_editor_window.h"

#include "platform/mouse_events.h"
#include "platform/widget_helpers.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace velmora::authoring {

using platform::named;

namespace {

QLabel* caption(QWidget& window, const QString& text, const char* group, int index) {
    auto* label = new QLabel(text, &window);
    label->setObjectName(index < 0 ? QString::fromLatin1(group) : platform::indexedName(group, index));
    return label;
}

// Number labels of the choices 0..5: Label1(2), (3), (5), (6), (7), (8).
constexpr std::array<int, kChoiceCount> kChoiceNumberLabel{2, 3, 5, 6, 7, 8};

} // namespace

QuestionEditorWindow::QuestionEditorWindow(store::DataStore& store, platform::Services& services, QWidget* parent)
    : QDialog(parent), logic_(store, services), store_(store) {
    platform::setUpWindow(*this, "Form25", QStringLiteral("مهارات خامس"));
    buildWidgets();
    platform::withoutDefaultButton(*this);

    platform::fillUnchosen(*c1, QuestionEditorLogic::gradeItems());
    platform::fillUnchosen(*c, logic_.subjectItems());
    // The skill list stays empty until a subject is chosen.
    platform::fillUnchosen(*Co, {});
    showMarkers();
    lf->setText(QString::number(logic_.nextNumber()));

    connectWidgets();
}

void QuestionEditorWindow::buildWidgets() {
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(16, 12, 16, 12);
    root->setSpacing(10);

    // Grade, subject and skill, right to left.
    auto* picks = new QGridLayout;
    picks->setHorizontalSpacing(16);
    c1 = named(new QComboBox(this), "c1");
    c = named(new QComboBox(this), "c");
    Co = named(new QComboBox(this), "Co");
    c->setMinimumContentsLength(14);
    Co->setMinimumContentsLength(32);
    Co->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    picks->addWidget(caption(*this, QStringLiteral("الصف"), "Label1", 9), 0, 0);
    picks->addWidget(c1, 1, 0);
    picks->addWidget(caption(*this, QStringLiteral("الماده"), "Label1", 4), 0, 1);
    picks->addWidget(c, 1, 1);
    picks->addWidget(caption(*this, QStringLiteral("المهاره"), "Label4", -1), 0, 2);
    picks->addWidget(Co, 1, 2);
    picks->setColumnStretch(2, 1);
    root->addLayout(picks);

    auto* question = new QHBoxLayout;
    question->addWidget(caption(*this, QStringLiteral("السؤال"), "Label1", 1));
    tx = named(new QLineEdit(this), "tx");
    question->addWidget(tx, 1);
    root->addLayout(question);

    // The choices in two columns: right 0, 2, 4; left 1, 3, 5.
    root->addWidget(caption(*this, QStringLiteral("الخيار ات"), "Label1", 0));
    auto* choices = new QGridLayout;
    choices->setHorizontalSpacing(24);
    for (int i = 0; i < kChoiceCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        auto* cellLayout = new QHBoxLayout;
        cellLayout->addWidget(
            caption(*this, QString::number(i + 1), "Label1", kChoiceNumberLabel[at]));
        auto* marker = new QToolButton(this);
        marker->setObjectName(platform::indexedName("o", i));
        marker->setCheckable(true);
        marker->setIconSize(QSize(22, 22));
        o[at] = marker;
        cellLayout->addWidget(marker);
        Text1[at] = new QLineEdit(this);
        Text1[at]->setObjectName(platform::indexedName("Text1", i));
        cellLayout->addWidget(Text1[at], 1);
        choices->addLayout(cellLayout, i / 2, i % 2);
    }
    root->addLayout(choices);

    // Hidden holders of the two marker pictures.
    for (int i = kChoiceCount; i < kChoiceCount + 2; ++i) {
        auto* holder = new QToolButton(this);
        holder->setObjectName(platform::indexedName("o", i));
        holder->setIcon(QIcon(i == kChoiceCount ? QStringLiteral(":/velmora/question_tick.svg")
                                                : QStringLiteral(":/velmora/question_cross.svg")));
        holder->hide();
        o[static_cast<std::size_t>(i)] = holder;
    }

    auto* controls = new QHBoxLayout;
    controls->addWidget(caption(*this, QStringLiteral("ادخل رقم السؤال للتغيير"), "Label1", 10));
    te = named(new QLineEdit(this), "te");
    te->setMaximumWidth(90);
    controls->addWidget(te);
    controls->addStretch(1);
    lf = named(new QLabel(QStringLiteral("0"), this), "lf");
    lf->setFrameShape(QFrame::Panel);
    lf->setFrameShadow(QFrame::Sunken);
    lf->setMinimumWidth(60);
    lf->setAlignment(Qt::AlignCenter);
    controls->addWidget(lf);
    Command1 = named(new QPushButton(QStringLiteral("حفظ"), this), "Command1");
    // Enter in te calls a question up; it must not press the save button as well.
    controls->addWidget(Command1);
    root->addLayout(controls);

    root->addLayout(list.build(*this));
    resize(880, sizeHint().height());
}

void QuestionEditorWindow::connectWidgets() {
    connect(c1, &QComboBox::activated, this, [this](int index) { logic_.chooseGrade(index); });
    connect(c, &QComboBox::activated, this, [this](int index) {
        logic_.chooseSubject(index, [this] { Co->clear(); });
        platform::fillUnchosen(*Co, logic_.skillItems());
    });
    connect(Co, &QComboBox::activated, this, [this](int index) { logic_.chooseSkill(index); });
    for (int i = 0; i < kChoiceCount; ++i)
        connect(o[static_cast<std::size_t>(i)], &QToolButton::clicked, this, [this, i] {
            logic_.markChoice(i);
            showMarkers();
        });
    connect(te, &QLineEdit::returnPressed, this, [this] { callUp(); });
    connect(Command1, &QPushButton::clicked, this, [this] { save(); });
    connect(list.v, &QScrollBar::valueChanged, this, [this] { refreshList(); });
    for (QLabel* row : list.l2)
        platform::onDoubleClick(*row, [this] { logic_.rowDoubleClicked(); });
}

void QuestionEditorWindow::showMarkers() {
    const QIcon tick = o[kChoiceCount]->icon();
    const QIcon cross = o[kChoiceCount + 1]->icon();
    for (int i = 0; i < kChoiceCount; ++i) {
        QToolButton* marker = o[static_cast<std::size_t>(i)];
        const bool marked = i == logic_.marked();
        marker->setChecked(marked);
        marker->setIcon(marked ? tick : cross);
    }
}

void QuestionEditorWindow::showSelections() {
    {
        const QSignalBlocker gradeBlocker(c1);
        const QSignalBlocker subjectBlocker(c);
        c1->setCurrentIndex(logic_.grade());
        c->setCurrentIndex(logic_.subject());
    }
    platform::fillUnchosen(*Co, logic_.skillItems());
    const QSignalBlocker skillBlocker(Co);
    Co->setCurrentIndex(logic_.skill());
}

void QuestionEditorWindow::showTexts(const QuestionTexts& texts) {
    tx->setText(texts.text);
    for (std::size_t i = 0; i < Text1.size(); ++i)
        Text1[i]->setText(texts.choices[i]);
}

void QuestionEditorWindow::refreshList() { list.show(questionListRows(store_, list.v->value())); }

void QuestionEditorWindow::callUp() {
    const auto texts = logic_.callUp(te->text());
    if (!texts)
        return;
    showSelections();
    showMarkers();
    showTexts(*texts);
    lf->setText(QString::number(logic_.nextNumber()));
}

void QuestionEditorWindow::save() {
    QuestionTexts texts;
    texts.text = tx->text();
    for (std::size_t i = 0; i < Text1.size(); ++i)
        texts.choices[i] = Text1[i]->text();
    if (!logic_.save(texts))
        return;
    lf->setText(QString::number(logic_.nextNumber()));
    showTexts({});
    showMarkers();
    refreshList();
}

} // namespace velmora::authoring
