#pragma once
// Formatting of date-times with the C library's strftime codes and the platform's "#"
// (long form) flag, from locale texts the caller supplies (the window layer fills them
// from the user's locale with LocaleTextsFromQLocale; the defaults are English), and the
// reading of a typed time of day in the same locale.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "zones/DateTime.h"

namespace orbel {

struct LocaleTexts {
    std::array<std::string, 7> dayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                        "Thursday", "Friday", "Saturday"};
    std::array<std::string, 7> shortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    std::array<std::string, 12> monthNames{"January",   "February", "March",    "April",
                                           "May",       "June",     "July",     "August",
                                           "September", "October",  "November", "December"};
    std::array<std::string, 12> shortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::string am = "AM", pm = "PM";
    // What stands between hours, minutes and seconds.
    std::string timeSeparator = ":";
    // Pictures in Qt's letters: d dd ddd dddd, M MM MMM MMMM, yy yyyy, h hh (12-hour when
    // the picture shows a designator), H HH, m mm, s ss, AP/ap/A/a for the designator, text
    // in single quotes. t (the zone's name) is not known here and writes nothing.
    std::string shortDateFormat = "MM/dd/yy";
    std::string longDateFormat = "dddd, MMMM d, yyyy";
    std::string timeFormat = "HH:mm:ss";
};

// strftime codes: %a %A %b %B %c %d %H %I %j %m %M %p %S %w %x %X %y %Y %%, with "#" for
// the long form (%#c: long date, ", " and time; %#x: long date; %#d, %#H, ...: no leading
// zero). An invalid or null
// value formats as the empty text.
std::string FormatDateTime(const DateTime& value, std::string_view format,
                           const LocaleTexts& locale = LocaleTexts{});

// A locale picture (as in LocaleTexts) applied to a date-time.
std::string FormatPicture(const DateTime& value, std::string_view picture,
                          const LocaleTexts& locale = LocaleTexts{});

// A time of day typed by the user: hours, minutes and optionally seconds, separated by
// the locale's separator or ":", with the locale's designator (or AM/PM) before or after
// in a 12-hour reading ("8:00", "20:00:30", "8:00 PM", "p. m. 8:00"); an hour alone only
// with a designator ("8 PM"). None for anything else (letters, 25:00, 8:60, nothing).
struct TimeOfDay {
    int hour = 0, minute = 0, second = 0;
};
std::optional<TimeOfDay> ParseTimeOfDay(std::string_view text,
                                        const LocaleTexts& locale = LocaleTexts{});

} // namespace orbel
