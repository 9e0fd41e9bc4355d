#include "sync/ClockAdjustment.h"

#include <cmath>
#include <cstdint>

namespace orbel {
namespace {

// The date and hour of one value with the minute and second of another.
DateTime KeepHourTakeMinuteSecond(DateTime keep, DateTime take)
{
    const CalendarTime k = keep.Calendar();
    const CalendarTime t = take.Calendar();
    return DateTime::FromCalendar(k.year, k.month, k.day, k.hour, t.minute, t.second);
}

bool SameInstant(const CalendarTime& a, const CalendarTime& b)
{
    return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour &&
           a.minute == b.minute && a.second == b.second && a.millisecond == b.millisecond;
}

bool g_adjusting = false;

class AdjustingScope {
public:
    AdjustingScope() { g_adjusting = true; }
    ~AdjustingScope() { g_adjusting = false; }
    AdjustingScope(const AdjustingScope&) = delete;
    AdjustingScope& operator=(const AdjustingScope&) = delete;
};

} // namespace

bool ClockAdjustmentRunning()
{
    return g_adjusting;
}

std::string AdjustBusyText()
{
    return "The clock is already being set; this adjustment was not made.";
}

AdjustResult AdjustClock(int mode, AdjustTarget s, SystemClock& clock, AdjustOrigin origin)
{
    if (g_adjusting)
        return AdjustBusy;
    const AdjustingScope adjusting;
    SyncRecord& r = s.record;
    if (r.status != 0)
        return AdjustFailed;
    const CalendarTime nowCalendar = clock.LocalNow();
    // The target keeps the milliseconds of now, so the arithmetic runs on whole seconds.
    const DateTime now = DateTime::FromCalendar(nowCalendar);
    if (!now.valid())
        return AdjustFailed;

    // The offset in whole milliseconds: taking minutes and seconds of a double directly
    // turns an offset of exactly two minutes into 1 minute 59 seconds.
    const std::int64_t offsetMs = std::llround((r.serverLocal - r.pcLocal).days() * 86400000.0);
    DateTime target;
    int hourBefore = 0;
    int hourAfter = 0;
    if (mode == AdjustFull) {
        target = now + DateTimeSpan(static_cast<double>(offsetMs) / 86400000.0);
    } else {
        // Signed components, whole hours and days dropped (division truncates toward 0).
        const std::int64_t minutes = offsetMs / 60000 % 60;
        const std::int64_t seconds = offsetMs / 1000 % 60;
        target = now + DateTimeSpan::FromSeconds(static_cast<double>(minutes * 60 + seconds));
        const int serverHour = r.serverLocal.Calendar().hour;
        hourBefore = serverHour - r.pcLocal.Calendar().hour;
        hourAfter = serverHour - target.Calendar().hour;
    }
    CalendarTime result;
    if (mode == AdjustFull && r.ntp) {
        // A network time reading is good to the millisecond: the clock takes the offset's
        // milliseconds too.
        const std::int64_t totalMs = nowCalendar.millisecond + offsetMs;
        std::int64_t wholeSeconds = totalMs / 1000;
        std::int64_t ms = totalMs % 1000;
        if (ms < 0) {
            ms += 1000;
            --wholeSeconds;
        }
        target = now + DateTimeSpan::FromSeconds(static_cast<double>(wholeSeconds));
        if (!target.ToCalendar(result))
            return AdjustFailed;
        result.millisecond = static_cast<int>(ms);
    } else {
        if (!target.ToCalendar(result))
            return AdjustFailed;
        result.millisecond = nowCalendar.millisecond;
    }

    const DateTime nowWithMs = DateTimeFromCalendar(nowCalendar);
    if (SameInstant(result, nowCalendar)) {
        s.lastAdjusted = nowWithMs;
        s.modified = true;
        return AdjustNothingToChange;
    }
    if (!clock.SetLocalTimeWithPrivilege(result, origin == AdjustOrigin::User))
        return AdjustFailed;

    if (mode == AdjustFull) {
        r.pcUtc = r.serverUtc;
        r.pcLocal = r.serverLocal;
        r.offsetSeconds = 0.0;
    } else if (r.ntp) {
        // The clock moved by whole minutes and seconds; what is left of the offset (hours,
        // days and the fraction of a second) stays in the record.
        const DateTimeSpan moved = target - now;
        r.pcUtc += moved;
        r.pcLocal += moved;
        r.offsetSeconds -= static_cast<double>(std::llround(moved.days() * 86400.0));
    } else {
        r.pcUtc = KeepHourTakeMinuteSecond(r.pcUtc, r.serverUtc);
        r.pcLocal = KeepHourTakeMinuteSecond(r.pcLocal, r.serverLocal);
        // Follow an hour carried by the adjustment. The hours are compared around the
        // clock, so that a carry over midnight (-23 against 0) counts as one hour forward.
        int carry = ((hourBefore - hourAfter) % 24 + 24) % 24;
        if (carry > 12)
            carry -= 24;
        if (carry > 0)
            r.pcLocal += DateTimeSpan::FromDHMS(0, 1, 0, 0);
        else if (carry < 0)
            r.pcLocal -= DateTimeSpan::FromDHMS(0, 1, 0, 0);
    }
    r.status = 2;
    s.lastAdjusted = nowWithMs;
    s.modified = true;
    return AdjustChanged;
}

} // namespace orbel
