#include "quiz/permissions_window.h"

#include "platform/numbers.h"
#include "platform/mouse_events.h"
#include "platform/widget_helpers.h"
#include "store/helpers.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace velmora::quiz {

using platform::named;

namespace {

constexpr int kPerColumn = 15;

QPixmap stateImage(const PermissionRow& row) {
    const char16_t* path = u":/velmora/permission_empty.svg";
    if (row.filled)
        path = row.state.kind == PermissionState::Kind::Forbidden
                   ? u":/velmora/permission_forbidden.svg"
                   : u":/velmora/permission_allowed.svg";
    return QIcon(QString::fromUtf16(path)).pixmap(22, 22);
}

} // namespace

PermissionsWindow::PermissionsWindow(store::DataStore& store, platform::Services& services,
                                     QWidget* parent)
    : QDialog(parent), services_(services), logic_(store) {
    platform::setUpWindow(*this, "Form26", QStringLiteral("نتائج رابع"));
    buildWidgets();
    platform::withoutDefaultButton(*this);

    // Opening: the first subject and grade 3 chosen, no section, no skill, empty rows.
    platform::fillUnchosen(*Cox, logic_.subjectItems());
    if (Cox->count() > 0)
        Cox->setCurrentIndex(0);
    QStringList grades{QStringLiteral("اختر")};
    QStringList sections;
    for (int n = 1; n <= 6; ++n) {
        grades << QString::number(n);
        sections << QString::number(n);
    }
    platform::fillUnchosen(*a, grades);
    a->setCurrentIndex(3);
    platform::fillUnchosen(*a1, sections);
    logic_.classChanged(platform::numberOf(a->currentText()), platform::numberOf(a1->currentText()));
    showRows();
    showClassState();

    connect(a, &QComboBox::activated, this, &PermissionsWindow::classChosen);
    connect(a1, &QComboBox::activated, this, &PermissionsWindow::classChosen);
    connect(Cox, &QComboBox::activated, this, &PermissionsWindow::subjectChosen);
    connect(co, &QComboBox::activated, this, &PermissionsWindow::skillChosen);
    connect(pages, &QScrollBar::valueChanged, this, [this](int first) {
        logic_.showPage(first);
        showRows();
    });
    for (int k = 0; k < kRows; ++k) {
        platform::onClick(*d[k], [this, k] {
            logic_.toggleRow(k);
            showRows();
        });
        platform::onClick(*aa1[k], [this, k] {
            logic_.stepRow(k);
            showRows();
        });
    }
    platform::onClick(*all, [this] {
        logic_.stepClassState();
        showClassState();
    });
    connect(Command3, &QPushButton::clicked, this, [this] {
        logic_.applyToAll();
        showRows();
    });
}

void PermissionsWindow::buildWidgets() {
    auto* root = new QVBoxLayout(this);

    auto* choices = new QHBoxLayout;
    a = named(new QComboBox(this), "a");
    a1 = named(new QComboBox(this), "a1");
    Cox = named(new QComboBox(this), "Cox");
    co = named(new QComboBox(this), "co");
    Cox->setMinimumContentsLength(12);
    co->setMinimumContentsLength(30);
    co->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    choices->addWidget(platform::heading(QStringLiteral("الصف"), this));
    choices->addWidget(a);
    choices->addWidget(platform::heading(QStringLiteral("الفصل"), this));
    choices->addWidget(a1);
    choices->addWidget(platform::heading(QStringLiteral("الماده"), this));
    choices->addWidget(Cox);
    choices->addWidget(platform::heading(QStringLiteral("المهاره"), this));
    choices->addWidget(co, 1);
    choices->addWidget(platform::heading(QStringLiteral("عدد الاسئله"), this));
    xx = named(new QLabel(this), "xx");
    xx->setMinimumWidth(30);
    choices->addWidget(xx);
    root->addLayout(choices);

    auto* classWide = new QHBoxLayout;
    all = named(new QLabel(this), "all");
    all->setFrameShape(QFrame::StyledPanel);
    all->setMinimumWidth(70);
    all->setAlignment(Qt::AlignCenter);
    all->setCursor(Qt::PointingHandCursor);
    nnb = named(platform::plainLabel(this), "nnb");
    Command3 = named(new QPushButton(QStringLiteral("تطبيق على الجميع"), this), "Command3");
    classWide->addWidget(platform::heading(QStringLiteral("للجميع"), this));
    classWide->addWidget(all);
    classWide->addWidget(nnb, 1);
    classWide->addWidget(Command3);
    root->addLayout(classWide);

    // Two columns of fifteen rows: rows 0..14 on the right, 15..29 on the left.
    auto* body = new QHBoxLayout;
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(2);
    for (int column = 0; column < 2; ++column) {
        const int base = column * 6;
        grid->addWidget(platform::heading(QStringLiteral("اسم الطالب"), this), 0, base);
        grid->addWidget(platform::heading(QStringLiteral("الحاله"), this), 0, base + 1);
        grid->addWidget(platform::heading(QStringLiteral("تحديد السؤال"), this), 0, base + 2);
        grid->addWidget(platform::heading(QStringLiteral("لاجابات"), this), 0, base + 3, 1, 2);
        grid->setColumnStretch(base, 1);
        if (column == 0)
            grid->setColumnMinimumWidth(base + 5, 24);
    }
    for (int k = 0; k < kRows; ++k) {
        const int row = 1 + k % kPerColumn;
        const int base = (k / kPerColumn) * 6;
        l1[k] = platform::plainLabel(this);
        l1[k]->setObjectName(platform::indexedName("l1", k));
        l1[k]->setMinimumWidth(190);
        aa1[k] = new QLabel(this);
        aa1[k]->setObjectName(platform::indexedName("aa1", k));
        aa1[k]->setCursor(Qt::PointingHandCursor);
        aa1[k]->setMinimumWidth(50);
        d[k] = new QLabel(this);
        d[k]->setObjectName(platform::indexedName("d", k));
        d[k]->setCursor(Qt::PointingHandCursor);
        sc[k] = new QLabel(this);
        sc[k]->setObjectName(platform::indexedName("sc", k));
        sc[k]->setStyleSheet(QStringLiteral("color: #1b7a2e;"));
        kc[k] = new QLabel(this);
        kc[k]->setObjectName(platform::indexedName("kc", k));
        kc[k]->setStyleSheet(QStringLiteral("color: #b3261e;"));
        grid->addWidget(l1[k], row, base);
        grid->addWidget(aa1[k], row, base + 1);
        grid->addWidget(d[k], row, base + 2);
        grid->addWidget(sc[k], row, base + 3);
        grid->addWidget(kc[k], row, base + 4);
    }
    body->addLayout(grid, 1);
    pages = named(new QScrollBar(Qt::Vertical, this), "pages");
    pages->setTracking(false);
    pages->setRange(0, 0);
    pages->setPageStep(kRows);
    pages->hide();
    body->addWidget(pages);
    root->addLayout(body, 1);
    resize(1000, 560);
}

void PermissionsWindow::classChosen() {
    co->clear();
    logic_.classChanged(platform::numberOf(a->currentText()), platform::numberOf(a1->currentText()));
}

void PermissionsWindow::subjectChosen() {
    const auto skills = logic_.subjectChosen(Cox->currentIndex(), Cox->currentText());
    if (!skills) {
        services_.dialogs.message(QStringLiteral("اختر الماده"));
        return;
    }
    platform::fillUnchosen(*co, *skills);
}

void PermissionsWindow::skillChosen() {
    logic_.skillChosen(co->currentIndex(), co->currentText());
    xx->setText(QString::number(logic_.questionCount()));
    // A class of more than 30 pupils pages with the scroll bar.
    const int extra = std::max(0, logic_.pupilCount() - kRows);
    {
        const QSignalBlocker blocker(pages);
        pages->setRange(0, extra);
        pages->setValue(0);
    }
    pages->setVisible(extra > 0);
    showRows();
    showClassState();
}

void PermissionsWindow::showRows() {
    for (int k = 0; k < kRows; ++k) {
        const PermissionRow& row = logic_.rows()[static_cast<std::size_t>(k)];
        l1[k]->setText(row.name);
        l1[k]->setProperty("record", row.record ? QVariant(*row.record) : QVariant());
        aa1[k]->setText(row.filled ? row.state.text() : QString());
        d[k]->setPixmap(stateImage(row));
        d[k]->setProperty("state", row.filled ? static_cast<int>(row.state.kind) : -1);
        sc[k]->setText(row.filled ? QString::number(row.right) : QString());
        kc[k]->setText(row.filled ? QString::number(row.wrong) : QString());
    }
}

void PermissionsWindow::showClassState() {
    all->setText(logic_.classState().text());
    nnb->setText(logic_.classQuestion());
}

} // namespace velmora::quiz
