#include "zones/DateTimeFormat.h"

#include <cstdio>

namespace orbel {
namespace {

std::string Number(int value, int width)
{
    char text[16];
    std::snprintf(text, sizeof text, "%0*d", width, value);
    return text;
}

int Hour12(int hour)
{
    return hour % 12 == 0 ? 12 : hour % 12;
}

bool HasDesignator(std::string_view picture)
{
    bool quoted = false;
    for (char c : picture) {
        if (c == '\'')
            quoted = !quoted;
        else if (!quoted && (c == 'A' || c == 'a' || c == 't'))
            return true;
    }
    return false;
}

std::string Picture(const CalendarTime& c, std::string_view p, const LocaleTexts& l)
{
    const bool twelveHour = HasDesignator(p);
    const std::string& designator = c.hour < 12 ? l.am : l.pm;
    std::string out;
    for (std::size_t i = 0; i < p.size();) {
        const char ch = p[i];
        if (ch == '\'') {
            // Quoted text; '' stands for a quote, inside or outside the quotes.
            if (i + 1 < p.size() && p[i + 1] == '\'') {
                out += '\'';
                i += 2;
                continue;
            }
            for (++i; i < p.size(); ++i) {
                if (p[i] == '\'') {
                    if (i + 1 < p.size() && p[i + 1] == '\'') {
                        out += '\'';
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                out += p[i];
            }
            continue;
        }
        std::size_t run = 1;
        while (i + run < p.size() && p[i + run] == ch)
            ++run;
        switch (ch) {
        case 'd':
            out += run == 1   ? std::to_string(c.day)
                   : run == 2 ? Number(c.day, 2)
                   : run == 3 ? l.shortDayNames[c.dayOfWeek]
                              : l.dayNames[c.dayOfWeek];
            break;
        case 'M':
            out += run == 1   ? std::to_string(c.month)
                   : run == 2 ? Number(c.month, 2)
                   : run == 3 ? l.shortMonthNames[c.month - 1]
                              : l.monthNames[c.month - 1];
            break;
        case 'y':
            out += run <= 2 ? Number(c.year % 100, 2) : Number(c.year, 4);
            break;
        case 'h':
        case 'H': {
            const int h = ch == 'h' && twelveHour ? Hour12(c.hour) : c.hour;
            out += run == 1 ? std::to_string(h) : Number(h, 2);
            break;
        }
        case 'm':
            out += run == 1 ? std::to_string(c.minute) : Number(c.minute, 2);
            break;
        case 's':
            out += run == 1 ? std::to_string(c.second) : Number(c.second, 2);
            break;
        case 't':
            out += run == 1 ? designator.substr(0, 1) : designator;
            break;
        case 'A':
        case 'a': {
            std::string d = designator;
            if (ch == 'a')
                for (char& x : d)
                    x = static_cast<char>(x >= 'A' && x <= 'Z' ? x - 'A' + 'a' : x);
            out += d;
            // "AP" / "ap": the P is part of the designator.
            if (run == 1 && i + 1 < p.size() && (p[i + 1] == 'P' || p[i + 1] == 'p'))
                ++i;
            run = 1;
            break;
        }
        default:
            out.append(run, ch);
            break;
        }
        i += run;
    }
    return out;
}

} // namespace

std::string FormatPicture(const DateTime& value, std::string_view picture, const LocaleTexts& l)
{
    CalendarTime c;
    if (!value.ToCalendar(c))
        return {};
    return Picture(c, picture, l);
}

std::string FormatDateTime(const DateTime& value, std::string_view f, const LocaleTexts& l)
{
    CalendarTime c;
    if (!value.ToCalendar(c))
        return {};
    std::string out;
    for (std::size_t i = 0; i < f.size(); ++i) {
        if (f[i] != '%' || i + 1 >= f.size()) {
            out += f[i];
            continue;
        }
        bool alt = false;
        std::size_t j = i + 1;
        if (f[j] == '#' && j + 1 < f.size()) {
            alt = true;
            ++j;
        }
        const int width = alt ? 1 : 2;
        switch (f[j]) {
        case 'a':
            out += l.shortDayNames[c.dayOfWeek];
            break;
        case 'A':
            out += l.dayNames[c.dayOfWeek];
            break;
        case 'b':
            out += l.shortMonthNames[c.month - 1];
            break;
        case 'B':
            out += l.monthNames[c.month - 1];
            break;
        case 'c':
            out += alt ? Picture(c, l.longDateFormat, l) + ", " + Picture(c, l.timeFormat, l)
                       : Picture(c, l.shortDateFormat, l) + " " + Picture(c, l.timeFormat, l);
            break;
        case 'd':
            out += Number(c.day, width);
            break;
        case 'H':
            out += Number(c.hour, width);
            break;
        case 'I':
            out += Number(Hour12(c.hour), width);
            break;
        case 'j':
            out += Number(c.dayOfYear, alt ? 1 : 3);
            break;
        case 'm':
            out += Number(c.month, width);
            break;
        case 'M':
            out += Number(c.minute, width);
            break;
        case 'p':
            out += c.hour < 12 ? l.am : l.pm;
            break;
        case 'S':
            out += Number(c.second, width);
            break;
        case 'w':
            out += std::to_string(c.dayOfWeek);
            break;
        case 'x':
            out += Picture(c, alt ? l.longDateFormat : l.shortDateFormat, l);
            break;
        case 'X':
            out += Picture(c, l.timeFormat, l);
            break;
        case 'y':
            out += Number(c.year % 100, width);
            break;
        case 'Y':
            out += std::to_string(c.year);
            break;
        case '%':
            out += '%';
            break;
        case 'z':
        case 'Z':
            break; // no zone name is known here
        default:
            out.append(f.substr(i, j - i + 1));
            break;
        }
        i = j;
    }
    return out;
}

} // namespace orbel
