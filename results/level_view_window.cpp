#include "results/level_view_window.h"

#include "platform/numbers.h"
#include "platform/widget_helpers.h"
#include "results/mark_pictures.h"
#include "store/helpers.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>

namespace velmora::results {

using platform::named;

namespace {

constexpr int kMinPupils = 50;
constexpr int kCellWidth = 112;

} // namespace

LevelViewWindow::LevelViewWindow(store::DataStore& store, QWidget* parent)
    : QDialog(parent), logic_(store) {
    platform::setUpWindow(*this, "Form13", QStringLiteral("Form13"));
    buildWidgets();
    v1->setMaximum(store::kMaxSubject);
    connect(v1, &QScrollBar::valueChanged, this, &LevelViewWindow::changeSubject);
    connect(v, &QScrollBar::valueChanged, this, &LevelViewWindow::refresh);
}

void LevelViewWindow::buildWidgets() {
    auto* root = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    Label2 = named(new QLabel(QStringLiteral("المادة"), this), "Label2");
    ll = named(platform::plainLabel(this), "ll");
    QFont big = ll->font();
    big.setBold(true);
    big.setPointSize(big.pointSize() + 3);
    ll->setFont(big);
    l1 = named(platform::plainLabel(this), "l1");
    l1->setFont(big);
    top->addWidget(Label2);
    top->addWidget(ll);
    top->addStretch(1);
    top->addWidget(l1);
    root->addLayout(top);

    auto* middle = new QHBoxLayout;
    auto* grid = new QGridLayout;
    grid->setSpacing(6);
    QFont small = font();
    small.setPointSize(small.pointSize() - 2);
    for (int i = 0; i < LevelLogic::kCells; ++i) {
        auto* cell = new QVBoxLayout;
        m[i] = platform::plainLabel(this);
        m[i]->setObjectName(platform::indexedName("m", i));
        m[i]->setWordWrap(true);
        m[i]->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        m[i]->setFont(small);
        m[i]->setFixedWidth(kCellWidth);
        m[i]->setMinimumHeight(44);
        auto* marks = new QHBoxLayout;
        aa1[i] = new QLabel(this);
        aa1[i]->setObjectName(platform::indexedName("aa1", i));
        aa1[i]->setStyleSheet(QStringLiteral("color: #1b7a2e;"));
        p[i] = new QLabel(this);
        p[i]->setObjectName(platform::indexedName("p", i));
        p[i]->setFixedSize(32, 32);
        p[i]->setFrameShape(QFrame::StyledPanel);
        p[i]->setAlignment(Qt::AlignCenter);
        ab1[i] = new QLabel(this);
        ab1[i]->setObjectName(platform::indexedName("ab1", i));
        ab1[i]->setStyleSheet(QStringLiteral("color: #b3261e;"));
        // Right to left: the right count stands right of the picture, the wrong count left.
        marks->addWidget(aa1[i], 1, Qt::AlignRight);
        marks->addWidget(p[i]);
        marks->addWidget(ab1[i], 1, Qt::AlignLeft);
        cell->addWidget(m[i]);
        cell->addLayout(marks);
        grid->addLayout(cell, i / 10, i % 10);
    }
    middle->addLayout(grid, 1);
    v1 = named(new QScrollBar(Qt::Vertical, this), "v1");
    v1->setTracking(false);
    v1->setSingleStep(1);
    v1->setPageStep(1);
    middle->addWidget(v1);
    root->addLayout(middle, 1);

    v = named(new QScrollBar(Qt::Horizontal, this), "v");
    v->setTracking(false);
    v->setRange(1, kMinPupils);
    v->setSingleStep(1);
    v->setPageStep(1);
    root->addWidget(v);

    cm = named(new QLabel(QStringLiteral("0"), this), "cm");
    c = named(new QLabel(QStringLiteral("0"), this), "c");
    c1 = named(new QLabel(QStringLiteral("Label6"), this), "c1");
    for (QLabel* hidden : {cm, c, c1})
        hidden->hide();
}

void LevelViewWindow::setInput(QLabel* label, const QString& value) {
    if (label->text() == value)
        return;
    label->setText(value);
    refresh();
}

void LevelViewWindow::handOver(const QString& subjectTitle, int subject, int grade, int pupil,
                               int section) {
    ll->setText(subjectTitle);
    v1->setValue(subject);
    setInput(cm, QString::number(grade));
    setInput(c, QString::number(pupil));
    // Every pupil of the class can be reached, also past the 50th.
    v->setMaximum(std::max(kMinPupils, logic_.pupilCount(grade, section)));
    v->setValue(pupil);
    setInput(c1, QString::number(section));
}

void LevelViewWindow::changeSubject() {
    ll->setText(logic_.subjectTitle(v1->value()));
    refresh();
}

void LevelViewWindow::refresh() {
    if (platform::numberOf(c->text()) < 1 || platform::numberOf(c1->text()) < 1)
        return;
    const LevelPage page = logic_.page(platform::numberOf(cm->text()), platform::numberOf(c1->text()), v->value(), v1->value());
    l1->setText(page.pupilName);
    for (int i = 0; i < LevelLogic::kCells; ++i) {
        const LevelCell& cell = page.cells[static_cast<std::size_t>(i)];
        m[i]->setText(cell.filled ? cell.title : QString());
        aa1[i]->setText(cell.filled ? QString::number(cell.right) : QString());
        ab1[i]->setText(cell.filled ? QString::number(cell.wrong) : QString());
        p[i]->setPixmap(cell.filled ? markPicture(cell.mark) : QPixmap());
        p[i]->setProperty("mark", cell.filled ? static_cast<int>(cell.mark) : -1);
    }
}

} // namespace velmora::results
