#include "zones/DateTime.h"

#include <cmath>

namespace orbel {
namespace {

// 1899-12-30 counted from 1970-01-01.
constexpr std::int64_t kEpochOffset = -25569;
constexpr double kSecondsPerDay = 86400.0;

DateTimeStatus Combine(DateTimeStatus a, DateTimeStatus b)
{
    if (a == DateTimeStatus::Valid && b == DateTimeStatus::Valid)
        return DateTimeStatus::Valid;
    return a == DateTimeStatus::Null && b == DateTimeStatus::Null ? DateTimeStatus::Null
                                                                  : DateTimeStatus::Invalid;
}

} // namespace

bool IsLeapYear(int y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

std::tm ToTm(const CalendarTime& c)
{
    std::tm tm{};
    tm.tm_year = c.year - 1900;
    tm.tm_mon = c.month - 1;
    tm.tm_mday = c.day;
    tm.tm_hour = c.hour;
    tm.tm_min = c.minute;
    tm.tm_sec = c.second;
    tm.tm_wday = c.dayOfWeek;
    tm.tm_yday = c.dayOfYear - 1;
    tm.tm_isdst = -1;
    return tm;
}

int DaysInMonth(int year, int month)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

std::int64_t DaysFromCivil(int y, int m, int d)
{
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, int& year, int& month, int& day)
{
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (month <= 2));
}

DateTimeSpan DateTimeSpan::FromDHMS(long days, int hours, int minutes, int seconds)
{
    return DateTimeSpan(days + (hours * 3600.0 + minutes * 60.0 + seconds) / kSecondsPerDay);
}

std::int64_t DateTimeSpan::TotalSeconds() const
{
    return static_cast<std::int64_t>(std::llround(days_ * kSecondsPerDay));
}

DateTimeSpan DateTimeSpan::operator+(DateTimeSpan o) const
{
    return DateTimeSpan(days_ + o.days_, Combine(status_, o.status_));
}

DateTimeSpan DateTimeSpan::operator-(DateTimeSpan o) const
{
    return DateTimeSpan(days_ - o.days_, Combine(status_, o.status_));
}

double DateTime::Linear() const
{
    if (days_ >= 0)
        return days_;
    // Before the epoch the integer part counts days back and the fraction is the time of
    // day forwards: -1.25 is 1899-12-29 06:00.
    const double whole = std::ceil(days_);
    return whole + (whole - days_);
}

DateTime DateTime::FromLinear(double linear, DateTimeStatus status)
{
    if (linear >= 0)
        return DateTime(linear, status);
    // The day before 1899-12-30 counts back in the integer part, the time of day forwards
    // in the fraction: 06:00 on 1899-12-29 is -1.25.
    const double whole = std::floor(linear);
    const double fraction = linear - whole;
    return DateTime(whole - fraction, status);
}

DateTime DateTime::FromCalendar(int year, int month, int day, int hour, int minute, int second)
{
    if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > DaysInMonth(year, month) || hour < 0 || hour > 23 || minute < 0 || minute > 59 ||
        second < 0 || second > 59)
        return Invalid();
    const double date = static_cast<double>(DaysFromCivil(year, month, day) - kEpochOffset);
    const double time = (hour * 3600.0 + minute * 60.0 + second) / kSecondsPerDay;
    return FromLinear(date + time);
}

DateTime DateTime::FromUnixSeconds(double seconds)
{
    return FromLinear(seconds / kSecondsPerDay - static_cast<double>(kEpochOffset));
}

double DateTime::ToUnixSeconds() const
{
    return (Linear() + static_cast<double>(kEpochOffset)) * kSecondsPerDay;
}

bool DateTime::ToCalendar(CalendarTime& c) const
{
    if (!valid())
        return false;
    const double linear = Linear();
    if (!std::isfinite(linear) || linear < -657434.0 || linear > 2958466.0)
        return false; // outside years 100..9999
    const std::int64_t totalSeconds = std::llround(linear * kSecondsPerDay);
    std::int64_t dayNumber = totalSeconds / 86400;
    std::int64_t secondOfDay = totalSeconds % 86400;
    if (secondOfDay < 0) {
        secondOfDay += 86400;
        --dayNumber;
    }
    const std::int64_t unixDays = dayNumber + kEpochOffset;
    CivilFromDays(unixDays, c.year, c.month, c.day);
    c.hour = static_cast<int>(secondOfDay / 3600);
    c.minute = static_cast<int>(secondOfDay / 60 % 60);
    c.second = static_cast<int>(secondOfDay % 60);
    c.millisecond = 0;
    // 1970-01-01 was a Thursday (4).
    c.dayOfWeek = static_cast<int>(((unixDays % 7) + 7 + 4) % 7);
    c.dayOfYear = static_cast<int>(unixDays - DaysFromCivil(c.year, 1, 1)) + 1;
    return true;
}

CalendarTime DateTime::Calendar() const
{
    CalendarTime c;
    if (!ToCalendar(c))
        return CalendarTime{};
    return c;
}

int DateTime::WeekdayNumber() const
{
    CalendarTime c;
    return ToCalendar(c) ? c.dayOfWeek + 1 : 0;
}

DateTime DateTime::operator+(DateTimeSpan s) const
{
    return FromLinear(Linear() + s.days(), Combine(status_, s.status()));
}

DateTime DateTime::operator-(DateTimeSpan s) const
{
    return FromLinear(Linear() - s.days(), Combine(status_, s.status()));
}

DateTimeSpan DateTime::operator-(DateTime o) const
{
    return DateTimeSpan(Linear() - o.Linear(), Combine(status_, o.status_));
}

bool DateTime::operator==(const DateTime& o) const
{
    return status_ == o.status_ && days_ == o.days_;
}

} // namespace orbel
