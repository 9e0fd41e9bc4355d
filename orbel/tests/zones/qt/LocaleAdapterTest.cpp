// The user's locale as the program's date and time texts: English, Spanish, a 12-hour
// locale with the designator first, and one with a dot between hours and minutes.
#include <QLocale>

#include <gtest/gtest.h>

#include "zones/TransitionText.h"
#include "zones/qt/LocaleAdapter.h"

namespace orbel {
namespace {

// Sunday 29 March 2026, 15:04:05.
const DateTime kAfternoon = DateTime::FromCalendar(2026, 3, 29, 15, 4, 5);

TEST(LocaleAdapter, EnglishTwelveHourTextsWithoutTheZoneName)
{
    const LocaleTexts us = LocaleTextsFromQLocale(QLocale("en_US"));
    // Qt's picture ends with the zone name (t); it is dropped, not read as a designator.
    EXPECT_EQ(us.timeFormat.find('t'), std::string::npos);
    EXPECT_EQ(FormatDateTime(kAfternoon, "%X", us), "3:04:05 PM");
    EXPECT_EQ(FormatDateTime(kAfternoon, "%#c", us), "Sunday, March 29, 2026, 3:04:05 PM");
    EXPECT_EQ(FormatDateTime(kAfternoon, "%x", us), "3/29/26");
    EXPECT_EQ(FormatDateTime(kAfternoon, "%a %d", us), "Sun 29");
    // AP writes the designator in capitals, as Qt does, whatever the locale's own case.
    const LocaleTexts hi = LocaleTextsFromQLocale(QLocale("hi_IN"));
    EXPECT_EQ(FormatDateTime(kAfternoon, "%X", hi), "3:04:05 PM");
    EXPECT_EQ(us.timeSeparator, ":");
    // The same texts read a typed time back.
    const auto t = ParseTimeOfDay("8:30 pm", us);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->hour, 20);
    EXPECT_EQ(t->minute, 30);
}

TEST(LocaleAdapter, SpanishNamesPicturesAndDesignators)
{
    const LocaleTexts es = LocaleTextsFromQLocale(QLocale("es_ES"));
    // "H:mm:ss (t)": the zone goes with its brackets.
    EXPECT_EQ(FormatDateTime(kAfternoon, "%X", es), "15:04:05");
    EXPECT_EQ(FormatDateTime(kAfternoon, "%#c", es), "domingo, 29 de marzo de 2026, 15:04:05");
    EXPECT_EQ(FormatDateTime(kAfternoon, "%#x", es), "domingo, 29 de marzo de 2026");
    // A daylight-saving rule described in the user's words.
    CRegTimeZone madrid;
    madrid.info.Bias = -60;
    madrid.info.DaylightBias = -60;
    madrid.info.DaylightDate = {0, 3, 0, 5, 2, 0, 0, 0};
    madrid.info.StandardDate = {0, 10, 0, 5, 3, 0, 0, 0};
    EXPECT_EQ(DescribeTransition(&madrid, TransitionKind::DaylightStart, 2026, es),
              "Last domingo of marzo at 2:00:00");
    const auto t = ParseTimeOfDay("8:05 p. m.", es);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->hour, 20);
    EXPECT_EQ(t->minute, 5);
}

TEST(LocaleAdapter, DesignatorFirstAndDotSeparator)
{
    // Korean writes the designator before the hour, with words between the numbers.
    const LocaleTexts ko = LocaleTextsFromQLocale(QLocale("ko_KR"));
    EXPECT_EQ(FormatDateTime(kAfternoon, "%X", ko), "오후 3시 4분 5초");
    EXPECT_EQ(FormatDateTime(DateTime::FromCalendar(2026, 3, 29, 0, 4, 5), "%X", ko),
              "오전 12시 4분 5초");
    EXPECT_EQ(ko.timeSeparator, ":");
    const auto morning = ParseTimeOfDay("오전 12:15", ko);
    ASSERT_TRUE(morning);
    EXPECT_EQ(morning->hour, 0);
    // Finnish writes 15.04.05.
    const LocaleTexts fi = LocaleTextsFromQLocale(QLocale("fi_FI"));
    EXPECT_EQ(fi.timeSeparator, ".");
    EXPECT_EQ(FormatDateTime(kAfternoon, "%X", fi), "15.04.05");
    const auto dotted = ParseTimeOfDay("8.30", fi);
    ASSERT_TRUE(dotted);
    EXPECT_EQ(dotted->hour, 8);
    EXPECT_EQ(dotted->minute, 30);
    // Chinese puts the zone first.
    EXPECT_EQ(PictureWithoutZone("t HH:mm:ss"), "HH:mm:ss");
    EXPECT_EQ(PictureWithoutZone("HH:mm:ss 'at' t"), "HH:mm:ss 'at'");
}

} // namespace
} // namespace orbel
