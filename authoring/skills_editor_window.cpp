#include "authoring/skills_editor_window.h"

#include "platform/mouse_events.h"
#include "platform/widget_helpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace velmora::authoring {

using platform::named;

namespace {

struct GradeDesign {
    const char* name;
    const char16_t* caption;
};

// Grades 1..6.
constexpr GradeDesign kGrades[] = {
    {"Form6", u"مهارات اولى"},  {"Form7", u"مهارات ثاني"},    {"Form9", u"مهارات ثالث"},
    {"Form5", u"مهارات رابع"}, {"Form10", u"مهارات خامسaa"}, {"Form11", u"مهارات سادس"},
};

const GradeDesign& designOf(int grade) { return kGrades[static_cast<std::size_t>(grade - 1)]; }

} // namespace

const char* SkillsEditorWindow::designName(int grade) { return designOf(grade).name; }

QString SkillsEditorWindow::caption(int grade) { return QString::fromUtf16(designOf(grade).caption); }

SkillsEditorWindow::SkillsEditorWindow(store::DataStore& store, platform::Services& services, int grade,
                                       QWidget* parent)
    : QDialog(parent), logic_(store, services, grade) {
    platform::setUpWindow(*this, designName(grade), caption(grade));
    buildWidgets();
    platform::withoutDefaultButton(*this);

    // Opening: the subjects with none chosen, the target from the editor's count, the bar
    // at 1; the grid stays empty until a subject is chosen or the bar moves.
    platform::fillUnchosen(*c, logic_.subjectItems());
    showTarget();
    v->setTracking(false); // a dragged thumb counts once, when released
    v->setRange(0, 32767);
    v->setSingleStep(1);
    v->setPageStep(1);
    v->setValue(1);

    connect(c, &QComboBox::activated, this, [this] {
        if (logic_.chooseSubject(c->currentIndex())) {
            showTarget();
            refresh();
        }
    });
    connect(v, &QScrollBar::valueChanged, this, [this] { refresh(); });
    for (int i = 0; i < SkillsEditorLogic::kRows; ++i) {
        platform::onDoubleClick(*l2[static_cast<std::size_t>(i)], [this, i] {
            if (const auto skill = logic_.load(c->currentIndex(), i)) {
                showTarget();
                tx->setText(*skill);
            }
        });
    }
    connect(Command1, &QPushButton::clicked, this, [this] {
        const SkillsEditorLogic::SkillInput input{
            {nx[0]->text(), nx[1]->text(), nx[2]->text()}, tx->text(), c->currentText()};
        if (!logic_.save(c->currentIndex(), input))
            return;
        showTarget();
        for (QLineEdit* box : nx)
            box->clear();
        tx->clear();
        refresh();
    });
}

void SkillsEditorWindow::showTarget() { lf->setText(QString::number(logic_.target())); }

// Captions of all three columns are emptied; only the skill column is filled.
void SkillsEditorWindow::refresh() {
    const auto rows = logic_.page(c->currentIndex(), v->value());
    if (!rows)
        return;
    for (std::size_t i = 0; i < rows->size(); ++i) {
        l1[i]->clear();
        l2[i]->setText((*rows)[i]);
        l3[i]->clear();
    }
}

void SkillsEditorWindow::buildWidgets() {
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(16, 12, 16, 12);
    root->setSpacing(10);

    // Subject.
    auto* subjectLine = new QHBoxLayout;
    subjectLine->addWidget(named(new QLabel(QStringLiteral("الماده"), this), "Label1_4"));
    c = named(new QComboBox(this), "c");
    c->setMinimumContentsLength(20);
    subjectLine->addWidget(c);
    subjectLine->addStretch(1);
    if (logic_.grade() == 2) {
        Command2 = named(new QPushButton(QStringLiteral("Command2"), this), "Command2");
        subjectLine->addWidget(Command2);
    }
    root->addLayout(subjectLine);

    // Entry: code boxes, skill text, the two tick boxes, target number and save.
    auto* entry = new QGridLayout;
    entry->setHorizontalSpacing(8);
    entry->addWidget(named(new QLabel(QStringLiteral("الرمز"), this), "Label1_0"), 0, 0, Qt::AlignCenter);
    auto* codes = new QHBoxLayout;
    for (int k = 0; k < 3; ++k) {
        auto* box = new QLineEdit(this);
        box->setObjectName(platform::indexedName("nx", k));
        box->setFixedWidth(44);
        box->setAlignment(Qt::AlignCenter);
        nx[static_cast<std::size_t>(k)] = box;
        codes->addWidget(box); // right to left: nx(0) rightmost
    }
    entry->addLayout(codes, 1, 0);
    entry->addWidget(named(new QLabel(QStringLiteral("المهاره"), this), "Label1_1"), 0, 1, Qt::AlignCenter);
    tx = named(new QLineEdit(this), "tx");
    tx->setMinimumWidth(320);
    entry->addWidget(tx, 1, 1);
    entry->addWidget(named(new QLabel(QStringLiteral("اساسيه"), this), "Label1_2"), 0, 2, Qt::AlignCenter);
    ch = named(new QCheckBox(this), "ch");
    entry->addWidget(ch, 1, 2, Qt::AlignCenter);
    entry->addWidget(named(new QLabel(QStringLiteral("مطلوبه حاليا"), this), "Label1_3"), 0, 3, Qt::AlignCenter);
    Check1 = named(new QCheckBox(this), "Check1");
    entry->addWidget(Check1, 1, 3, Qt::AlignCenter);
    lf = named(new QLabel(QStringLiteral("0"), this), "lf");
    lf->setFrameShape(QFrame::Panel);
    lf->setFrameShadow(QFrame::Sunken);
    lf->setAlignment(Qt::AlignCenter);
    lf->setMinimumWidth(40);
    entry->addWidget(lf, 1, 4);
    Command1 = named(new QPushButton(QStringLiteral("حفظ"), this), "Command1");
    entry->addWidget(Command1, 1, 5);
    entry->setColumnStretch(1, 1);
    root->addLayout(entry);

    // The grid: code, skill and status columns beside the scroll bar.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    const char16_t* headers[] = {u"الرمز", u"المهاره", u"الحاله"};
    for (int col = 0; col < 3; ++col) {
        auto* header = new QLabel(QString::fromUtf16(headers[col]), this);
        header->setObjectName(platform::indexedName("Label2", col));
        grid->addWidget(header, 0, col, Qt::AlignCenter);
    }
    for (int i = 0; i < SkillsEditorLogic::kRows; ++i) {
        const auto row = static_cast<std::size_t>(i);
        l1[row] = platform::boxedLabel(this);
        l1[row]->setObjectName(platform::indexedName("l1", i));
        l2[row] = platform::boxedLabel(this);
        l2[row]->setObjectName(platform::indexedName("l2", i));
        l3[row] = platform::boxedLabel(this);
        l3[row]->setObjectName(platform::indexedName("l3", i));
        grid->addWidget(l1[row], i + 1, 0);
        grid->addWidget(l2[row], i + 1, 1);
        grid->addWidget(l3[row], i + 1, 2);
    }
    v = named(new QScrollBar(Qt::Vertical, this), "v");
    grid->addWidget(v, 1, 3, SkillsEditorLogic::kRows, 1);
    grid->setColumnMinimumWidth(0, 80);
    grid->setColumnMinimumWidth(2, 70);
    grid->setColumnStretch(1, 1);
    root->addLayout(grid);
    root->addStretch(1);

    resize(760, 430);
}

} // namespace velmora::authoring
