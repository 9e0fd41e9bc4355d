// Formatting with the strftime codes and the locale's pictures.
#include <gtest/gtest.h>

#include "zones/DateTimeFormat.h"

using namespace orbel;

TEST(DateTimeFormat, CodesOfTheZoneTexts)
{
    const DateTime t = DateTime::FromCalendar(2026, 2, 1, 13, 5, 9); // a Sunday
    EXPECT_EQ(FormatDateTime(t, "%#c"), "Sunday, February 1, 2026, 13:05:09");
    EXPECT_EQ(FormatDateTime(t, "%c"), "02/01/26 13:05:09");
    EXPECT_EQ(FormatDateTime(t, "%A|%B|%X|%a|%b"), "Sunday|February|13:05:09|Sun|Feb");
    EXPECT_EQ(FormatDateTime(t, "%d %j %H %I %M %S %p %y %Y %m %w"),
              "01 032 13 01 05 09 PM 26 2026 02 0");
    EXPECT_EQ(FormatDateTime(t, "%#d %#j %#H %#I %#M %#S %#m"), "1 32 13 1 5 9 2");
    EXPECT_EQ(FormatDateTime(t, "%x|%#x|100%%|%q|%"),
              "02/01/26|Sunday, February 1, 2026|100%|%q|%");
    EXPECT_EQ(FormatDateTime(DateTime::FromCalendar(2026, 1, 1, 0, 30), "%I %p"), "12 AM");
    EXPECT_EQ(FormatDateTime(DateTime::Null(), "%#c"), "");
}

TEST(DateTimeFormat, LocalePictures)
{
    LocaleTexts es;
    es.dayNames = {"domingo", "lunes", "martes", "miércoles", "jueves", "viernes", "sábado"};
    es.monthNames = {"enero", "febrero", "marzo",      "abril",   "mayo",      "junio",
                     "julio", "agosto",  "septiembre", "octubre", "noviembre", "diciembre"};
    es.longDateFormat = "dddd, d 'de' MMMM 'de' yyyy";
    es.timeFormat = "H:mm:ss";
    const DateTime t = DateTime::FromCalendar(2026, 3, 29, 3, 0, 0);
    EXPECT_EQ(FormatDateTime(t, "%#c", es), "domingo, 29 de marzo de 2026, 3:00:00");
    // Twelve-hour pictures (with the designator).
    LocaleTexts us;
    us.timeFormat = "h:mm:ss AP";
    EXPECT_EQ(FormatDateTime(DateTime::FromCalendar(2026, 3, 29, 15, 4, 5), "%X", us),
              "3:04:05 PM");
    // t is the zone's name in Qt's pictures, never the designator.
    us.timeFormat = "hh:mm AP t";
    EXPECT_EQ(FormatDateTime(DateTime::FromCalendar(2026, 3, 29, 0, 4, 5), "%X", us), "12:04 AM ");
    us.timeFormat = "HH:mm t";
    EXPECT_EQ(FormatDateTime(DateTime::FromCalendar(2026, 3, 29, 15, 4, 5), "%X", us), "15:04 ");
    us.timeFormat = "h:mm ap";
    EXPECT_EQ(FormatDateTime(DateTime::FromCalendar(2026, 3, 29, 12, 0), "%X", us), "12:00 pm");
    EXPECT_EQ(FormatPicture(t, "dd/MM/yyyy 'o''clock' ddd MMM"), "29/03/2026 o'clock Sun Mar");
}
