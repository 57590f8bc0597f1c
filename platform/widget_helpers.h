#pragma once
// Small widget conventions shared by every window.

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStringList>

namespace velmora::platform {

// Refills a pick list with nothing chosen: a filled QComboBox would choose item 0 itself,
// while the program's lists start with no choice until the user makes one. No handler runs.
inline void fillUnchosen(QComboBox& list, const QStringList& items) {
    const QSignalBlocker blocker(&list);
    list.clear();
    list.addItems(items);
    list.setCurrentIndex(-1);
}

// A widget with its design name as objectName.
template <class W> W* named(W* widget, const char* objectName) {
    widget->setObjectName(QString::fromLatin1(objectName));
    return widget;
}

// The objectName of member i of a group of like widgets: "l1_0" ... "l1_11".
inline QString indexedName(const char* group, int index) {
    return QString::fromLatin1(group) + QLatin1Char('_') + QString::number(index);
}

// A bold heading; sizeDelta points larger than the window's font.
inline QLabel* heading(const QString& text, QWidget* parent, int sizeDelta = 0) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSize(font.pointSize() + sizeDelta);
    label->setFont(font);
    return label;
}

// A label for stored text: shown as typed, never read as markup.
inline QLabel* plainLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// A sunken label for one row of a listing window.
inline QLabel* boxedLabel(QWidget* parent) {
    QLabel* label = plainLabel(parent);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMinimumHeight(22);
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    return label;
}

// Sets up one of the program's modal windows: design name, caption, right to left. Each
// opening builds the window anew, so nothing is kept between openings.
inline void setUpWindow(QDialog& window, const char* objectName, const QString& caption) {
    window.setObjectName(QString::fromLatin1(objectName));
    window.setWindowTitle(caption);
    window.setLayoutDirection(Qt::RightToLeft);
    window.setModal(true);
}

// Enter in a window's text boxes types nothing and presses no button: a QDialog would
// otherwise press its first button (a save) for it. Call once the buttons exist.
inline void withoutDefaultButton(QDialog& window) {
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
}

} // namespace velmora::platform
