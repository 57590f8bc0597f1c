#include "platform/fonts.h"
#include "platform/hijri.h"
#include "platform/time_text.h"
#include "store/cp1256.h"

#include <QLocale>
#include <gtest/gtest.h>

using namespace velmora::platform;

namespace {

struct KnownDay {
    QDate gregorian;
    const char* hijri;
};

// Days whose Umm al-Qura date is published: month starts and the start of 1430.
const KnownDay kKnownDays[] = {
    {QDate(2008, 12, 29), "1430/01/01    "},
    {QDate(2025, 3, 1), "1446/09/01    "},
    {QDate(2025, 6, 26), "1447/01/01    "},
    {QDate(2024, 3, 11), "1445/09/01    "},
};

} // namespace

TEST(HijriDate, MatchesPublishedUmmAlQuraDays) {
    for (const auto& day : kKnownDays)
        EXPECT_EQ(hijriDateText(day.gregorian).toStdString(), day.hijri)
            << day.gregorian.toString(Qt::ISODate).toStdString();
}

TEST(HijriDate, FifthOfRabiAlAwwal1430IsPaddedToFourteen) {
    // 1 Muharram 1430 = 29 Dec 2008; Muharram and Safar 1430 have 30 and 29 days here,
    // so the fifth of the third month falls on 2 March 2009.
    const QString text = hijriDateText(QDate(2009, 3, 2));
    EXPECT_EQ(text, QStringLiteral("1430/03/05    "));
    EXPECT_EQ(text.size(), 14);
}

TEST(HijriDate, WritesLatinDigitsUnderAnArabicLocale) {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::SaudiArabia));
    const QString text = hijriDateText(QDate(2026, 12, 9));
    const QString time = timeText(QTime(21, 5, 7));
    QLocale::setDefault(previous);
    for (QChar ch : text + time)
        EXPECT_FALSE(ch.unicode() >= 0x0660 && ch.unicode() <= 0x0669) << text.toStdString();
    EXPECT_TRUE(text.startsWith(QStringLiteral("14")));
}

TEST(TimeText, TwelveHourWithArabicMarker) {
    const struct {
        QTime time;
        const char* text;
    } rows[] = {
        {QTime(9, 15, 30), "09:15:30 ص"}, {QTime(0, 5, 0), "12:05:00 ص"},
        {QTime(11, 59, 59), "11:59:59 ص"}, {QTime(12, 0, 0), "12:00:00 م"},
        {QTime(13, 1, 2), "01:01:02 م"},  {QTime(23, 59, 59), "11:59:59 م"},
    };
    for (const auto& row : rows) {
        const QString text = timeText(row.time);
        EXPECT_EQ(text.toStdString(), row.text);
        // One CP1256 byte per character: it fits the 12-character time fields.
        EXPECT_LE(velmora::store::encodeCp1256(text.toStdString()).size(), 12u);
        EXPECT_TRUE(velmora::store::representableInCp1256(text.toStdString()));
    }
}

TEST(TimeText, HourReadsBackFromEveryForm) {
    const struct {
        const char* text;
        std::optional<int> hour;
    } rows[] = {
        {"09:15:30 ص", 9},  {"12:05:00 ص", 0},  {"12:00:00 م", 12}, {"01:01:02 م", 13},
        {"11:59:59 م", 23}, {"21:15:30", 21},   {"00:10:00", 0},    {"9:15:30 PM", 21},
        {"12:30:00 AM", 0}, {"7:00:00 am", 7},  {"  08:00:00 ص  ", 8}, {"", std::nullopt},
        {"abc", std::nullopt}, {"25:00:00", std::nullopt}, {"13:00:00 م", std::nullopt},
    };
    for (const auto& row : rows)
        EXPECT_EQ(hourOfTimeText(QString::fromUtf8(row.text)), row.hour) << row.text;
    for (int h = 0; h < 24; ++h)
        EXPECT_EQ(hourOfTimeText(timeText(QTime(h, 30, 0))), h);
}

TEST(Fonts, ArabicTransparentResolvesToAnInstalledArabicFont) {
    EXPECT_TRUE(resolvedArabicFamily().contains(QStringLiteral("Arabic")))
        << resolvedArabicFamily().toStdString();
    EXPECT_EQ(printFont().pointSize(), 12);
}
