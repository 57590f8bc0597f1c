#pragma once
// Small widget conventions shared by every window.

#include <QComboBox>
#include <QDialog>
#include <QLabel>
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

// Sets up one of the program's modal windows: design name, caption, right to left. Each
// opening builds the window anew, so nothing is kept between openings.
inline void setUpWindow(QDialog& window, const char* objectName, const QString& caption) {
    window.setObjectName(QString::fromLatin1(objectName));
    window.setWindowTitle(caption);
    window.setLayoutDirection(Qt::RightToLeft);
    window.setModal(true);
}

} // namespace velmora::platform
