// The velmora executable: builds the seams and the store on the program's own folder and
// starts the main window.

#include "main/main_window.h"
#include "platform/application.h"
#include "platform/fonts.h"
#include "platform/qt_services.h"
#include "platform/single_instance.h"
#include "resources/resources.h"
#include "store/data_store.h"

#include <QFile>
#include <QIcon>

using namespace velmora;

int main(int argc, char** argv) {
    platform::GuardedApplication app(argc, argv);
    resources::initialise();
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setLayoutDirection(Qt::RightToLeft);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/velmora/velmora.svg")));
    platform::installFontSubstitutions();
    QApplication::setFont(platform::windowFont());

    platform::QtDialogs dialogs;
    platform::QtModalOpener modal;
    platform::SystemClock clock;
    platform::TimeSeededRandom random;
    platform::SystemPrinter printer(dialogs);
    platform::ImmediateExiter exiter;
    platform::FileLockInstanceGuard instance;
    platform::Services services{dialogs, modal, clock, random, printer, exiter, instance};
    app.setFailureServices(&dialogs, &exiter);

    // The data folder is the folder of the executable.
    store::DataStore store(QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString());

    main::MainWindow window(store, services);
    try {
        if (!window.startUp())
            return 0;
    } catch (const store::StoreError& error) {
        platform::GuardedApplication::reportFatal(QString::fromUtf8(error.what()), &dialogs,
                                                  &exiter);
    }
    window.show();
    return QApplication::exec();
}
