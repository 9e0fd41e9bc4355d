#pragma once
// Formatting of date-times with the C library's strftime codes and the platform's "#"
// (long form) flag, from locale texts the caller supplies (the window layer fills them
// from the user's locale; the defaults are English).
#include <array>
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
    // Pictures in the letters both the platform and Qt use: d dd ddd dddd, M MM MMM MMMM,
    // yy yyyy, h hh (12-hour when the picture shows a designator), H HH, m mm, s ss, AP/ap
    // or t/tt for the designator, text in single quotes.
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

} // namespace orbel
