#pragma once
// The world clock's calendar value: days since 1899-12-30 00:00 as a double, the time of day
// in the fraction, with a status. A span is a difference of two values in days.
#include <compare>
#include <cstdint>
#include <ctime>

namespace orbel {

enum class DateTimeStatus : std::int32_t { Valid = 0, Invalid = 1, Null = 2 };

// A broken-down date and time. dayOfWeek counts 0 = Sunday .. 6 = Saturday (as the
// system-time record does); dayOfYear counts from 1.
struct CalendarTime {
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0, second = 0, millisecond = 0;
    int dayOfWeek = 0;
    int dayOfYear = 0;
};

class DateTimeSpan {
public:
    constexpr DateTimeSpan() = default;
    constexpr explicit DateTimeSpan(double days, DateTimeStatus status = DateTimeStatus::Valid)
        : days_(days), status_(status)
    {
    }
    static DateTimeSpan FromDHMS(long days, int hours, int minutes, int seconds);
    static DateTimeSpan FromMinutes(long minutes) { return DateTimeSpan(minutes / 1440.0); }
    static DateTimeSpan FromSeconds(double seconds) { return DateTimeSpan(seconds / 86400.0); }

    double days() const { return days_; }
    DateTimeStatus status() const { return status_; }
    bool valid() const { return status_ == DateTimeStatus::Valid; }
    // Whole seconds of the span, rounded to the nearest.
    std::int64_t TotalSeconds() const;

    DateTimeSpan operator+(DateTimeSpan o) const;
    DateTimeSpan operator-(DateTimeSpan o) const;
    DateTimeSpan operator-() const { return DateTimeSpan(-days_, status_); }

private:
    double days_ = 0.0;
    DateTimeStatus status_ = DateTimeStatus::Valid;
};

class DateTime {
public:
    constexpr DateTime() = default; // valid, 1899-12-30 00:00
    constexpr explicit DateTime(double days, DateTimeStatus status = DateTimeStatus::Valid)
        : days_(days), status_(status)
    {
    }

    // A calendar date and time; Invalid when a field is out of range (year 100..9999).
    static DateTime FromCalendar(int year, int month, int day, int hour = 0, int minute = 0,
                                 int second = 0);
    static DateTime FromCalendar(const CalendarTime& c)
    {
        return FromCalendar(c.year, c.month, c.day, c.hour, c.minute, c.second);
    }
    static constexpr DateTime Null() { return DateTime(0.0, DateTimeStatus::Null); }
    static constexpr DateTime Invalid() { return DateTime(0.0, DateTimeStatus::Invalid); }
    // Seconds since 1970-01-01 00:00 (no leap seconds).
    static DateTime FromUnixSeconds(double seconds);

    double days() const { return days_; }
    DateTimeStatus status() const { return status_; }
    bool valid() const { return status_ == DateTimeStatus::Valid; }
    bool null() const { return status_ == DateTimeStatus::Null; }
    void SetStatus(DateTimeStatus s) { status_ = s; }

    // The value broken down, rounded to the nearest second. False when not valid.
    bool ToCalendar(CalendarTime& out) const;
    CalendarTime Calendar() const; // zeroes when not valid
    // Day of week counted 1 = Sunday .. 7 = Saturday.
    int WeekdayNumber() const;
    double ToUnixSeconds() const;

    // Arithmetic works on the time line, so it stays right before 1899-12-30 too, where
    // the stored value counts the days backwards but the time of day forwards.
    DateTime operator+(DateTimeSpan s) const;
    DateTime operator-(DateTimeSpan s) const;
    DateTimeSpan operator-(DateTime o) const;
    DateTime& operator+=(DateTimeSpan s) { return *this = *this + s; }
    DateTime& operator-=(DateTimeSpan s) { return *this = *this - s; }

    // Order of instants; the status is compared only by equality.
    bool operator==(const DateTime& o) const;
    bool operator<(const DateTime& o) const { return Linear() < o.Linear(); }
    bool operator>(const DateTime& o) const { return o < *this; }
    bool operator<=(const DateTime& o) const { return !(o < *this); }
    bool operator>=(const DateTime& o) const { return !(*this < o); }

    // Days on a continuous time line (equal to days() from 1899-12-30 on).
    double Linear() const;
    static DateTime FromLinear(double linear, DateTimeStatus status = DateTimeStatus::Valid);

private:
    double days_ = 0.0;
    DateTimeStatus status_ = DateTimeStatus::Valid;
};

// A calendar time as the C library's broken-down time, for mktime; whether
// daylight saving is in force is left to the local rules (tm_isdst = -1).
std::tm ToTm(const CalendarTime& c);

// Days from 1970-01-01 to a civil date, and back (proleptic Gregorian calendar).
std::int64_t DaysFromCivil(int year, int month, int day);
void CivilFromDays(std::int64_t days, int& year, int& month, int& day);
int DaysInMonth(int year, int month);
bool IsLeapYear(int year);

} // namespace orbel
