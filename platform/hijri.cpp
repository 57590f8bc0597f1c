#include "platform/hijri.h"

#include <QTimeZone>

#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <memory>

namespace velmora::platform {

std::optional<HijriDate> toHijri(const QDate& gregorian) {
    if (!gregorian.isValid())
        return std::nullopt;
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Calendar> calendar(icu::Calendar::createInstance(
        icu::TimeZone::getGMT()->clone(), icu::Locale("ar_SA@calendar=islamic-umalqura"),
        status));
    if (U_FAILURE(status) || !calendar)
        return std::nullopt;
    // Noon UTC of that day, so no time zone can move it to a neighbouring day.
    const QDateTime noon(gregorian, QTime(12, 0), Qt::UTC);
    calendar->setTime(static_cast<UDate>(noon.toMSecsSinceEpoch()), status);
    HijriDate date;
    date.year = calendar->get(UCAL_EXTENDED_YEAR, status);
    date.month = calendar->get(UCAL_MONTH, status) + 1;
    date.day = calendar->get(UCAL_DATE, status);
    if (U_FAILURE(status))
        return std::nullopt;
    return date;
}

QString hijriDateText(const QDate& gregorian) {
    const auto date = toHijri(gregorian);
    if (!date)
        return QString(14, QLatin1Char(' '));
    // QString::arg always writes Latin digits, whatever the locale.
    return QStringLiteral("%1/%2/%3")
        .arg(date->year, 4, 10, QLatin1Char('0'))
        .arg(date->month, 2, 10, QLatin1Char('0'))
        .arg(date->day, 2, 10, QLatin1Char('0'))
        .leftJustified(14, QLatin1Char(' '), true);
}

} // namespace velmora::platform
