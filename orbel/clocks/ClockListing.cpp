#include "clocks/ClockListing.h"

#include <cstdio>

namespace orbel {

std::string FormatIsoTime(const DateTime& t)
{
    CalendarTime c;
    if (!t.ToCalendar(c))
        return "invalid";
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", c.year, c.month, c.day,
                  c.hour, c.minute, c.second);
    return text;
}

std::string ClockListing(const CClockList& clocks, const DateTime& utcNow)
{
    std::string out;
    for (std::size_t i = 0; i < clocks.Count(); ++i) {
        const CClock& c = clocks.At(i);
        // A tab or line break inside a name would break the columns.
        std::string name = c.name;
        for (char& ch : name)
            if (ch == '\t' || ch == '\n' || ch == '\r')
                ch = ' ';
        out += name + "\t" + FormatIsoTime(c.GetTime(utcNow)) + "\n";
    }
    return out;
}

} // namespace orbel
