#include "authoring/code_list_window.h"

#include "platform/mouse_events.h"
#include "platform/widget_helpers.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace velmora::authoring {

using platform::named;

namespace {

} // namespace

CodeListWindow::CodeListWindow(store::DataStore& store, platform::Services& services, CodeList list,
                               QWidget* parent)
    : QDialog(parent), logic_(store, services, list) {
    const bool subjects = list == CodeList::Subjects;
    platform::setUpWindow(*this, subjects ? "Form23" : "Form33",
                          subjects ? QStringLiteral("Form23") : QString());
    buildWidgets(list);
    platform::withoutDefaultButton(*this);

    // Opening: the target is the next free number; the bar's range ends one past the count
    // and stands at 1. The list is drawn by the first save, delete or move of the bar.
    showTarget();
    v->setTracking(false); // a dragged thumb counts once, when released
    v->setRange(0, logic_.count() + 1);
    v->setSingleStep(1);
    v->setPageStep(1);
    v->setValue(1);

    connect(v, &QScrollBar::valueChanged, this, [this] { refresh(); });
    connect(Command1, &QPushButton::clicked, this, [this] {
        if (!logic_.save(tx->text()))
            return;
        showTarget();
        tx->clear();
        refresh();
    });
    connect(Command2, &QPushButton::clicked, this, [this] {
        logic_.remove([this] {
            tx->clear();
            showTarget();
            {
                const QSignalBlocker blocker(v);
                v->setValue(0);
            }
            refresh();
        });
    });
    for (int i = 0; i < CodeListLogic::kRows; ++i) {
        platform::onDoubleClick(*l2[static_cast<std::size_t>(i)], [this, i] {
            if (const auto name = logic_.load(i)) {
                showTarget();
                tx->setText(*name);
            }
        });
    }
}

void CodeListWindow::showTarget() { lf->setText(QString::number(logic_.target())); }

void CodeListWindow::refresh() {
    const auto rows = logic_.page(v->value());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        l1[i]->setText(rows[i].number);
        l2[i]->setText(rows[i].name);
    }
}

void CodeListWindow::buildWidgets(CodeList list) {
    const bool subjects = list == CodeList::Subjects;
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(16, 12, 16, 12);
    root->setSpacing(10);

    // Entry line, right to left: caption, name box, target number, buttons.
    auto* entry = new QHBoxLayout;
    auto* caption = named(new QLabel(subjects ? QStringLiteral("المادة") : QStringLiteral("المخالفة"), this),
                          "Label1_1");
    entry->addWidget(caption);
    tx = named(new QLineEdit(this), "tx");
    tx->setMinimumWidth(240);
    entry->addWidget(tx, 1);
    lf = named(new QLabel(QStringLiteral("0"), this), "lf");
    lf->setFrameShape(QFrame::Panel);
    lf->setFrameShadow(QFrame::Sunken);
    lf->setAlignment(Qt::AlignCenter);
    lf->setMinimumWidth(40);
    entry->addWidget(lf);
    root->addLayout(entry);

    auto* buttons = new QHBoxLayout;
    Command1 = named(new QPushButton(QStringLiteral("حفظ"), this), "Command1");
    Command2 = named(new QPushButton(subjects ? QStringLiteral("حذف المادة") : QStringLiteral("حذف المخالفة"), this),
                     "Command2");
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    buttons->addStretch(1);
    if (!subjects) {
        auto* image = named(new QLabel(this), "Image1");
        image->setPixmap(QIcon(QStringLiteral(":/velmora/velmora.svg")).pixmap(48, 48));
        buttons->addWidget(image);
    }
    root->addLayout(buttons);

    // The list: number and name columns beside the scroll bar.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    grid->addWidget(named(new QLabel(QStringLiteral("الرمز"), this), "Label2_0"), 0, 0, Qt::AlignCenter);
    grid->addWidget(named(new QLabel(QStringLiteral("الماده"), this), "Label2_1"), 0, 1, Qt::AlignCenter);
    for (int i = 0; i < CodeListLogic::kRows; ++i) {
        const auto row = static_cast<std::size_t>(i);
        l1[row] = platform::boxedLabel(this);
        l1[row]->setObjectName(platform::indexedName("l1", i));
        l1[row]->setAlignment(Qt::AlignCenter);
        l2[row] = platform::boxedLabel(this);
        l2[row]->setObjectName(platform::indexedName("l2", i));
        grid->addWidget(l1[row], i + 1, 0);
        grid->addWidget(l2[row], i + 1, 1);
    }
    v = named(new QScrollBar(Qt::Vertical, this), "v");
    grid->addWidget(v, 1, 2, CodeListLogic::kRows, 1);
    grid->setColumnMinimumWidth(0, 50);
    grid->setColumnStretch(1, 1);
    root->addLayout(grid);
    root->addStretch(1);

    resize(460, 420);
}

} // namespace velmora::authoring
