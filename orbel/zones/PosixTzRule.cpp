#include "zones/PosixTzRule.h"

#include <cctype>

namespace orbel {
namespace {

class Cursor {
public:
    explicit Cursor(std::string_view s) : s_(s) {}
    bool End() const { return i_ >= s_.size(); }
    char Peek() const { return End() ? '\0' : s_[i_]; }
    bool Take(char c)
    {
        if (Peek() != c)
            return false;
        ++i_;
        return true;
    }

    bool Name(std::string& out)
    {
        if (Take('<')) {
            const std::size_t close = s_.find('>', i_);
            if (close == std::string_view::npos || close - i_ < 3)
                return false;
            out = std::string(s_.substr(i_, close - i_));
            i_ = close + 1;
            return true;
        }
        const std::size_t from = i_;
        while (!End() && std::isalpha(static_cast<unsigned char>(Peek())))
            ++i_;
        if (i_ - from < 3)
            return false;
        out = std::string(s_.substr(from, i_ - from));
        return true;
    }

    bool Number(long& out, int maxDigits)
    {
        int digits = 0;
        out = 0;
        while (!End() && std::isdigit(static_cast<unsigned char>(Peek())) && digits < maxDigits) {
            out = out * 10 + (Peek() - '0');
            ++i_;
            ++digits;
        }
        return digits > 0;
    }

    // [+-]hh[:mm[:ss]] in seconds, hours up to maxHours.
    bool Time(long& out, long maxHours)
    {
        long sign = 1;
        if (Take('-'))
            sign = -1;
        else
            Take('+');
        long h = 0, m = 0, sec = 0;
        if (!Number(h, 3) || h > maxHours)
            return false;
        if (Take(':')) {
            if (!Number(m, 2) || m > 59)
                return false;
            if (Take(':') && (!Number(sec, 2) || sec > 59))
                return false;
        }
        out = sign * (h * 3600 + m * 60 + sec);
        return true;
    }

    bool Date(PosixTzDate& d)
    {
        long a = 0, b = 0, c = 0;
        if (Take('M')) {
            if (!Number(a, 2) || !Take('.') || !Number(b, 1) || !Take('.') || !Number(c, 1))
                return false;
            if (a < 1 || a > 12 || b < 1 || b > 5 || c > 6)
                return false;
            d.kind = PosixTzDate::MonthWeekDay;
            d.month = static_cast<int>(a);
            d.week = static_cast<int>(b);
            d.weekday = static_cast<int>(c);
        } else if (Take('J')) {
            if (!Number(a, 3) || a < 1 || a > 365)
                return false;
            d.kind = PosixTzDate::Julian1;
            d.day = static_cast<int>(a);
        } else {
            if (!Number(a, 3) || a > 365)
                return false;
            d.kind = PosixTzDate::Julian0;
            d.day = static_cast<int>(a);
        }
        d.time = 7200;
        if (Take('/'))
            return Time(d.time, 167);
        return true;
    }

private:
    std::string_view s_;
    std::size_t i_ = 0;
};

} // namespace

std::optional<PosixTzRule> ParsePosixTz(std::string_view text)
{
    Cursor c(text);
    PosixTzRule r;
    if (!c.Name(r.standardName) || !c.Time(r.standardOffset, 24))
        return std::nullopt;
    if (c.End())
        return r;
    if (!c.Name(r.daylightName))
        return std::nullopt;
    r.hasDaylight = true;
    r.daylightOffset = r.standardOffset - 3600;
    if (c.Peek() != ',' && !c.End() && !c.Time(r.daylightOffset, 24))
        return std::nullopt;
    if (c.End())
        return r; // a daylight name without rules: the rules are unknown
    if (!c.Take(',') || !c.Date(r.start) || !c.Take(',') || !c.Date(r.end) || !c.End())
        return std::nullopt;
    r.hasRules = true;
    return r;
}

} // namespace orbel
