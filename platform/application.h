#pragma once
// The application object: a data file that fails inside any event handler is reported in
// Arabic and the program stops at once, before it writes anything else.

#include "platform/services.h"

#include <QApplication>

#include <functional>

namespace velmora::platform {

// Runs one event's handler; a store failure or any other exception escaping it is shown
// and ends the program. Returns the handler's result, false after a failure.
bool runGuarded(const std::function<bool()>& handler, Dialogs* dialogs, Exiter* exiter);

class GuardedApplication final : public QApplication {
public:
    GuardedApplication(int& argc, char** argv);
    // Where failures are reported; until set they end the program without a message.
    void setFailureServices(Dialogs* dialogs, Exiter* exiter);
    bool notify(QObject* receiver, QEvent* event) override;

    // Shows a failure and ends the program (through exiter when there is one).
    static void reportFatal(const QString& text, Dialogs* dialogs, Exiter* exiter);

private:
    Dialogs* dialogs_ = nullptr;
    Exiter* exiter_ = nullptr;
};

} // namespace velmora::platform
