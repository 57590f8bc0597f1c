#pragma once
// Time of day as an Arabic desktop writes it: 12-hour "hh:mm:ss" then a space and ص
// (before noon) or م (after noon), e.g. "09:15:30 ص". It fits the 12-character fields.

#include <QString>
#include <QTime>

#include <optional>

namespace velmora::platform {

QString timeText(const QTime& time);

// Hour 0..23 of a stored time text: the Arabic 12-hour form above, a 24-hour text
// ("21:15:30") or a Latin 12-hour text ("9:15:30 PM"); nothing when it is not a time.
std::optional<int> hourOfTimeText(const QString& text);

} // namespace velmora::platform
