#pragma once
// Small widget conventions shared by every window.

#include <QComboBox>
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

} // namespace velmora::platform
