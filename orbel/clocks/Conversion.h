#pragma once
// The rules of the two small question windows: the conversion window ("Convert"), which
// converts a time typed for one clock into another clock's time, and the quick time window
// ("Time in Zone"), which shows the current time of any zone. The windows only show what
// these return.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "clocks/ClockList.h"
#include "zones/DateTimeFormat.h"
#include "zones/TimeZoneInformation.h"
#include "zones/Translation.h"

namespace orbel {

class CRegTimeZone;

// The target time when the typed time cannot be read.
inline constexpr const char* kUndefinedTime = ORBEL_TEXT("Conversion", "Undefined");
// The warning instead of the window when fewer than two clocks are shown.
inline constexpr const char* kTwoClocksMessage =
    ORBEL_TEXT("Conversion", "It takes 2 clocks to tango.");

// Where the conversion window opens from: the mouse position in the clock window's client
// coordinates and that area's size (none when the clock window does not exist).
struct PointerInClockWindow {
    int x = 0, y = 0;
    int clientWidth = 0, clientHeight = 0;
};

// The clocks of the two rows when the window opens, as indices into the whole clock list
// (-1: none). Row 1 is the clock of the computer's own zone; row 2 the shown clock under
// the pointer (its column: x div (width div n), at most n - 1; the first column when the
// window is narrower than n pixels); with the pointer outside the window (or no window)
// the second shown clock when row 1 is the first clock of the list, else the first.
struct ConversionRows {
    int row1 = -1;
    int row2 = -1;
    bool refused = false; // fewer than two shown clocks: show kTwoClocksMessage instead
};
ConversionRows ConversionStartRows(CClockList& clocks, const TimeZoneInformation& computerZone,
                                   std::optional<PointerInClockWindow> pointer);

// Where the keyboard focus is when a time text changes.
enum class ConversionFocus { Time1, Time2, Picker1, Picker2, Elsewhere };

// The row converted from: row 2 when the focus is in time 2 or in picker 1 (choosing a
// clock in a row recomputes that row from the other one), else row 1.
int ConversionSourceRow(ConversionFocus focus);

// What the window shows after a conversion.
struct ConversionResult {
    std::string targetTime; // the clock window's time text, or "Undefined"
    std::string sourceDay;  // "%a %d" of the source instant; empty when undefined
    std::string targetDay;
    bool defined = false;
};

// Reads `typed` as a time of day in the locale and converts it from the source clock to
// the target clock: the source clock's current date at that time, plus the present
// difference between the two clocks. `timeText` is the clock window's time format.
ConversionResult ConvertTypedTime(const CClock& source, const CClock& target,
                                  std::string_view typed, const DateTime& utcNow,
                                  const LocaleTexts& locale,
                                  const std::function<std::string(const DateTime&)>& timeText);

// After the clock of a row changed: convert when the row's own text still reads as a
// time, else reset the row (its clock's current time, which also converts).
enum class ClockChangeAction { Convert, ResetRow };
ClockChangeAction AfterClockChange(std::string_view rowText, const LocaleTexts& locale);

// The quick time window: the item selected on opening (the one remembered from the last
// use of the process, if the picker still holds that many items).
std::optional<std::size_t> QuickTimeInitialSelection(std::optional<std::size_t> remembered,
                                                     std::size_t itemCount);

struct QuickTimeView {
    std::string currentTime;         // "%#c" of the zone's current time; empty with no zone
    bool daylightBoxEnabled = false; // only for a zone with daylight saving
};
QuickTimeView QuickTimeShow(const CRegTimeZone* zone, bool adjustForDaylightSaving,
                            const DateTime& utcNow, const LocaleTexts& locale);

} // namespace orbel
