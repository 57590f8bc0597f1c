#include "main/main_logic.h"

#include "platform/hijri.h"

namespace velmora::main {

MainLogic::MainLogic(store::DataStore& store, platform::Services& services)
    : store_(store), services_(services) {}

const QString& MainLogic::runningMessage() {
    static const QString text = QStringLiteral("البرنامج شغال");
    return text;
}

bool MainLogic::startUp() {
    if (!services_.instance.acquire(store_.folder())) {
        services_.dialogs.message(runningMessage());
        services_.exiter.exitNow(0);
        return false;
    }
    store_.today = platform::hijriDateText(services_.clock.now().date()).toStdString();
    store_.openDataFiles();

    subjects_.clear();
    const std::int32_t count = store_.count(store::files::kSubjects);
    store_.forEachRecord(store::files::kSubjects, 1, count,
                         [this](std::int32_t, std::span<const std::uint8_t> bytes) {
                             const auto subject = store::decode<store::CodeRecord>(bytes);
                             subjects_ << QString::fromStdString(subject.name.trimmed());
                         });
    return true;
}

QStringList MainLogic::classNumberItems() {
    QStringList items{QStringLiteral("اختر")};
    for (int n = 1; n <= 6; ++n)
        items << QString::number(n);
    return items;
}

} // namespace velmora::main
