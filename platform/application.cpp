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
    if (exiter)
        exiter->exitNow(3);
    std::fflush(nullptr);
    std::_Exit(3);
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const store::StoreError& error) {
        reportFatal(QString::fromUtf8(error.what()), dialogs_, exiter_);
    } catch (const std::exception& error) {
        reportFatal(QStringLiteral("حدث خطأ غير متوقع، وسيتوقف البرنامج:\n") +
                        QString::fromUtf8(error.what()),
                    dialogs_, exiter_);
    }
    return false;
}

} // namespace velmora::platform
