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
        else if (!quoted && (c == 'A' || c == 'a'))
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
            break; // the zone's name: not known to a date-time
        case 'A':
        case 'a': {
            // As Qt writes it: A and AP in capitals, a and ap in small letters.
            std::string d = designator;
            for (char& x : d) {
                if (ch == 'a' && x >= 'A' && x <= 'Z')
                    x = static_cast<char>(x - 'A' + 'a');
                else if (ch == 'A' && x >= 'a' && x <= 'z')
                    x = static_cast<char>(x - 'a' + 'A');
            }
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

namespace orbel {
namespace {

// Blanks around a typed time, the no-break spaces that locales put before a designator
// included.
std::string_view TrimBlanks(std::string_view s)
{
    auto blankAt = [&](std::size_t i, bool back) -> std::size_t {
        static constexpr std::string_view kBlanks[] = {" ", "\t", "\xC2\xA0", "\xE2\x80\xAF"};
        for (std::string_view b : kBlanks)
            if (s.size() >= b.size() &&
                (back ? s.substr(s.size() - b.size()) : s.substr(i, b.size())) == b)
                return b.size();
        return 0;
    };
    for (std::size_t n; !s.empty() && (n = blankAt(0, false)) != 0;)
        s.remove_prefix(n);
    for (std::size_t n; !s.empty() && (n = blankAt(0, true)) != 0;)
        s.remove_suffix(n);
    return s;
}

// A designator as typed or as the locale writes it, without blanks and dots and in lower
// case, so that "p. m.", "P.M." and "pm" compare equal.
std::string DesignatorKey(std::string_view s)
{
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c == ' ' || c == '.' || c == '\t')
            continue;
        if (c == '\xC2' && i + 1 < s.size() && s[i + 1] == '\xA0') {
            ++i;
            continue;
        }
        if (c == '\xE2' && i + 2 < s.size() && s[i + 1] == '\x80' && s[i + 2] == '\xAF') {
            i += 2;
            continue;
        }
        out += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return out;
}

// 0 for a morning designator, 12 for an afternoon one, -1 for anything else.
int DesignatorHours(std::string_view typed, const LocaleTexts& l)
{
    const std::string key = DesignatorKey(typed);
    if (key.empty())
        return -1;
    if (key == DesignatorKey(l.am) || key == "am" || key == "a")
        return 0;
    if (key == DesignatorKey(l.pm) || key == "pm" || key == "p")
        return 12;
    return -1;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<TimeOfDay> ParseTimeOfDay(std::string_view text, const LocaleTexts& l)
{
    text = TrimBlanks(text);
    const std::size_t first = text.find_first_of("0123456789");
    const std::size_t last = text.find_last_of("0123456789");
    if (first == std::string_view::npos)
        return std::nullopt;
    const std::string_view before = TrimBlanks(text.substr(0, first));
    const std::string_view after = TrimBlanks(text.substr(last + 1));
    if (!before.empty() && !after.empty())
        return std::nullopt;
    int designator = -1;
    if (!before.empty() || !after.empty()) {
        designator = DesignatorHours(before.empty() ? after : before, l);
        if (designator < 0)
            return std::nullopt;
    }
    // The numbers: one or two digits each, between them the locale's separator or ":".
    std::string_view numbers = text.substr(first, last - first + 1);
    int fields[3] = {0, 0, 0};
    int count = 0;
    while (true) {
        std::size_t digits = 0;
        while (digits < numbers.size() && IsDigit(numbers[digits]))
            ++digits;
        if (digits == 0 || digits > 2 || count == 3)
            return std::nullopt;
        fields[count++] = std::stoi(std::string(numbers.substr(0, digits)));
        numbers.remove_prefix(digits);
        if (numbers.empty())
            break;
        if (!l.timeSeparator.empty() &&
            numbers.substr(0, l.timeSeparator.size()) == l.timeSeparator)
            numbers.remove_prefix(l.timeSeparator.size());
        else if (numbers.front() == ':')
            numbers.remove_prefix(1);
        else
            return std::nullopt;
    }
    if (count == 1 && designator < 0)
        return std::nullopt;
    TimeOfDay t{fields[0], fields[1], fields[2]};
    if (t.minute > 59 || t.second > 59)
        return std::nullopt;
    if (designator >= 0) {
        if (t.hour < 1 || t.hour > 12)
            return std::nullopt;
        t.hour = t.hour % 12 + designator;
    } else if (t.hour > 23) {
        return std::nullopt;
    }
    return t;
}

} // namespace orbel
