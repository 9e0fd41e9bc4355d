#include "clocks/Conversion.h"

#include "zones/ZoneTime.h"

namespace orbel {

ConversionRows ConversionStartRows(CClockList& clocks, const TimeZoneInformation& computerZone,
                                   std::optional<PointerInClockWindow> pointer)
{
    ConversionRows rows;
    const std::size_t n = clocks.CountWithFlags(CClock::kActive);
    if (n <= 1) {
        rows.refused = true;
        return rows;
    }
    const CClockList::Found local = clocks.FindLocalZoneClock(computerZone);
    rows.row1 = local.index;

    std::size_t column = local.index == 0 ? 1 : 0;
    if (pointer && pointer->x >= 0 && pointer->y >= 0 && pointer->x < pointer->clientWidth &&
        pointer->y < pointer->clientHeight) {
        const std::size_t width = static_cast<std::size_t>(pointer->clientWidth) / n;
        // Narrower than one pixel a clock: every column is the first.
        column = width == 0 ? 0 : static_cast<std::size_t>(pointer->x) / width;
        if (column > n - 1)
            column = n - 1;
    }
    if (const CClock* shown = clocks.NthActive(column)) {
        for (std::size_t i = 0; i < clocks.Count(); ++i)
            if (&clocks.At(i) == shown)
                rows.row2 = static_cast<int>(i);
    }
    return rows;
}

int ConversionSourceRow(ConversionFocus focus)
{
    return focus == ConversionFocus::Time2 || focus == ConversionFocus::Picker1 ? 2 : 1;
}

ConversionResult ConvertTypedTime(const CClock& source, const CClock& target,
                                  std::string_view typed, const DateTime& utcNow,
                                  const LocaleTexts& locale,
                                  const std::function<std::string(const DateTime&)>& timeText)
{
    ConversionResult r;
    const std::optional<TimeOfDay> time = ParseTimeOfDay(typed, locale);
    CalendarTime today;
    if (!time || !source.GetTime(utcNow).ToCalendar(today)) {
        r.targetTime = Tr("Conversion", kUndefinedTime);
        return r;
    }
    const DateTime c = DateTime::FromCalendar(today.year, today.month, today.day, time->hour,
                                              time->minute, time->second);
    const DateTime t = target.ConvertTime(source, c, utcNow);
    if (!c.valid() || !t.valid()) {
        r.targetTime = Tr("Conversion", kUndefinedTime);
        return r;
    }
    r.defined = true;
    r.targetTime = timeText(t);
    r.sourceDay = FormatDateTime(c, "%a %d", locale);
    r.targetDay = FormatDateTime(t, "%a %d", locale);
    return r;
}

ClockChangeAction AfterClockChange(std::string_view rowText, const LocaleTexts& locale)
{
    return ParseTimeOfDay(rowText, locale) ? ClockChangeAction::Convert
                                           : ClockChangeAction::ResetRow;
}

std::optional<std::size_t> QuickTimeInitialSelection(std::optional<std::size_t> remembered,
                                                     std::size_t itemCount)
{
    if (remembered && *remembered < itemCount)
        return remembered;
    return std::nullopt;
}

QuickTimeView QuickTimeShow(const CRegTimeZone* zone, bool adjustForDaylightSaving,
                            const DateTime& utcNow, const LocaleTexts& locale)
{
    QuickTimeView v;
    if (!zone)
        return v;
    v.daylightBoxEnabled = zone->HasDaylightSaving();
    v.currentTime = FormatDateTime(
        GetCurrentTime(*zone, adjustForDaylightSaving, [&] { return utcNow; }), "%#c", locale);
    return v;
}

} // namespace orbel
