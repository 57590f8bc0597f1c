#include "authoring/question_list_window.h"

#include "platform/widget_helpers.h"

#include <QGridLayout>
#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>

namespace velmora::authoring {

namespace {

QLabel* cell(QWidget& window, const char* group, int index) {
    auto* label = new QLabel(&window);
    label->setObjectName(platform::indexedName(group, index));
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMinimumHeight(24);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

QGridLayout* QuestionListGrid::build(QWidget& window) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);

    // Columns right to left: number, grade, subject, skill, question. The number column's
    // header reads "الصف" like the grade's.
    const struct {
        int headerIndex;
        const char16_t* caption;
        const char* group;
        std::array<QLabel*, kQuestionListRows>* cells;
        int stretch;
    } columns[] = {
        {4, u"الصف", "lx", &lx, 0},   {0, u"الصف", "l1", &l1, 1},     {3, u"المادة", "l4", &l4, 2},
        {1, u"المهاره", "l2", &l2, 4}, {2, u"السؤال", "l3", &l3, 5},
    };
    int column = 0;
    for (const auto& c : columns) {
        auto* header = new QLabel(QString::fromUtf16(c.caption), &window);
        header->setObjectName(platform::indexedName("Label2", c.headerIndex));
        header->setAlignment(Qt::AlignCenter);
        QFont bold = header->font();
        bold.setBold(true);
        header->setFont(bold);
        grid->addWidget(header, 0, column);
        for (int row = 0; row < kQuestionListRows; ++row) {
            QLabel* label = cell(window, c.group, row);
            (*c.cells)[static_cast<std::size_t>(row)] = label;
            grid->addWidget(label, row + 1, column);
        }
        grid->setColumnStretch(column, c.stretch);
        ++column;
    }
    for (QLabel* number : lx) {
        number->setMinimumWidth(48);
        number->setAlignment(Qt::AlignCenter);
    }

    v = platform::named(new QScrollBar(Qt::Vertical, &window), "v");
    v->setRange(0, 32767);
    v->setSingleStep(1);
    v->setPageStep(1);
    v->setValue(1);
    v->setTracking(false);
    grid->addWidget(v, 1, column, kQuestionListRows, 1);
    return grid;
}

void QuestionListGrid::show(const std::vector<QuestionListRow>& rows) {
    for (int i = 0; i < kQuestionListRows; ++i) {
        const auto at = static_cast<std::size_t>(i);
        for (QLabel* label : {lx[at], l1[at], l4[at], l2[at], l3[at]})
            label->clear();
    }
    std::size_t i = 0;
    for (const auto& row : rows) {
        if (i >= lx.size())
            break;
        lx[i]->setText(QString::number(row.number));
        l1[i]->setText(row.grade);
        l4[i]->setText(row.subject);
        l2[i]->setText(row.skill);
        l3[i]->setText(row.text);
        ++i;
    }
}

QuestionListWindow::QuestionListWindow(store::DataStore& store, platform::Services& services, QWidget* parent)
    : QDialog(parent), store_(store) {
    (void)services;
    platform::setUpWindow(*this, "Form28", QStringLiteral("مهارات خامس"));
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(12, 12, 12, 12);
    root->addLayout(list.build(*this));
    resize(820, sizeHint().height());

    // The list stays empty until the scroll bar is moved; a double-click does nothing.
    connect(list.v, &QScrollBar::valueChanged, this,
            [this](int value) { list.show(questionListRows(store_, value)); });
}

} // namespace velmora::authoring
