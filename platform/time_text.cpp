#include "platform/time_text.h"

namespace velmora::platform {
namespace {
const QString kMorning = QStringLiteral("ص");
const QString kEvening = QStringLiteral("م");
} // namespace

QString timeText(const QTime& time) {
    int hour = time.hour() % 12;
    if (hour == 0)
        hour = 12;
    return QStringLiteral("%1:%2:%3 %4")
        .arg(hour, 2, 10, QLatin1Char('0'))
        .arg(time.minute(), 2, 10, QLatin1Char('0'))
        .arg(time.second(), 2, 10, QLatin1Char('0'))
        .arg(time.hour() < 12 ? kMorning : kEvening);
}

std::optional<int> hourOfTimeText(const QString& text) {
    const QString trimmed = text.trimmed();
    const qsizetype colon = trimmed.indexOf(QLatin1Char(':'));
    if (colon < 1 || colon > 2)
        return std::nullopt;
    bool ok = false;
    const int hour = trimmed.left(colon).toInt(&ok);
    if (!ok || hour < 0 || hour > 23)
        return std::nullopt;
    const QString rest = trimmed.mid(colon + 1).toUpper();
    const bool morning = rest.contains(kMorning) || rest.contains(QStringLiteral("AM"));
    const bool evening = rest.contains(kEvening) || rest.contains(QStringLiteral("PM"));
    if (!morning && !evening)
        return hour;
    if (hour < 1 || hour > 12)
        return std::nullopt;
    if (morning)
        return hour == 12 ? 0 : hour;
    return hour == 12 ? 12 : hour + 12;
}

} // namespace velmora::platform
