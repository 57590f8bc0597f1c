#pragma once
// Dates in the Hijri calendar of the schools' region (Umm al-Qura).

#include <QDate>
#include <QString>

#include <optional>

namespace velmora::platform {

struct HijriDate {
    int year = 0;
    int month = 0;
    int day = 0;
};

// The Umm al-Qura date of a Gregorian day, or nothing if the calendar cannot be used.
std::optional<HijriDate> toHijri(const QDate& gregorian);

// "yyyy/mm/dd" with Latin digits, padded with spaces to the 14 characters of a date field.
QString hijriDateText(const QDate& gregorian);

} // namespace velmora::platform
