#pragma once
// Working windows in tests the way a user does: widgets found by their design names, list
// items chosen so that the list's "activated" handler runs.

#include <QComboBox>
#include <QString>
#include <QWidget>
#include <gtest/gtest.h>

namespace velmora::platform::testing {

// The window's widget with that objectName; a test failure when there is none.
template <class W> W* child(QWidget& window, const QString& name) {
    auto* widget = window.findChild<W*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
}
template <class W> W* child(QWidget& window, const char* name) {
    return child<W>(window, QString::fromLatin1(name));
}

inline void choose(QComboBox& list, int index) {
    list.setCurrentIndex(index);
    Q_EMIT list.activated(index);
}
inline void choose(QComboBox* list, int index) { choose(*list, index); }

// Chooses the item with that text; a test failure when the list has none.
inline void choose(QComboBox* list, const QString& text) {
    const int index = list->findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    choose(*list, index);
}

} // namespace velmora::platform::testing
