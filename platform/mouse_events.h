#pragma once
// Clicks and double-clicks on widgets that have no such signal of their own (labels,
// pictures).

#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

#include <functional>
#include <utility>

namespace velmora::platform {

// Runs fn when the widget gets the given mouse event with the left button. The filter is a
// child of the widget and goes with it.
class MouseFilter final : public QObject {
public:
    MouseFilter(QWidget& widget, QEvent::Type type, std::function<void()> fn)
        : QObject(&widget), type_(type), fn_(std::move(fn)) {
        widget.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == type_ && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            fn_();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QEvent::Type type_;
    std::function<void()> fn_;
};

inline void onClick(QWidget& widget, std::function<void()> fn) {
    new MouseFilter(widget, QEvent::MouseButtonRelease, std::move(fn));
}

inline void onDoubleClick(QWidget& widget, std::function<void()> fn) {
    new MouseFilter(widget, QEvent::MouseButtonDblClick, std::move(fn));
}

} // namespace velmora::platform
