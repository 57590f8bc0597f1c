#include "platform/application.h"

#include "store/data_store.h"

#include <cstdio>
#include <cstdlib>

namespace velmora::platform {

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

void GuardedApplication::setFailureServices(Dialogs* dialogs, Exiter* exiter) {
    dialogs_ = dialogs;
    exiter_ = exiter;
}

void GuardedApplication::reportFatal(const QString& text, Dialogs* dialogs, Exiter* exiter) {
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
    if (dialogs)
        dialogs->message(text);
    if (exiter) {
        exiter->exitNow(3);
        return;
    }
    std::fflush(nullptr);
    std::_Exit(3);
}

bool runGuarded(const std::function<bool()>& handler, Dialogs* dialogs, Exiter* exiter) {
    try {
        return handler();
    } catch (const store::StoreError& error) {
        GuardedApplication::reportFatal(QString::fromUtf8(error.what()), dialogs, exiter);
    } catch (const std::exception& error) {
        GuardedApplication::reportFatal(QStringLiteral("حدث خطأ غير متوقع، وسيتوقف البرنامج:\n") +
                                            QString::fromUtf8(error.what()),
                                        dialogs, exiter);
    }
    return false;
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    return runGuarded([&] { return QApplication::notify(receiver, event); }, dialogs_, exiter_);
}

} // namespace velmora::platform
