#pragma once
// What the pages of the options sheet store, and the checks they make first: the number
// and text ranges with their two messages, the colour pickers' choices, the Clocks page's
// enabled state, and the TZI page's change of the database usage mode. The pages only move
// values between their controls and these.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "clocks/Rect.h"
#include "options/TziPageModel.h"
#include "settings/AppSettings.h"
#include "zones/ZoneDatabase.h"

namespace orbel {

// The ranges of the options' boxes (the Adjust Time page's days are kMinIntervalDays..
// kMaxIntervalDays).
inline constexpr int kMinUpdateSeconds = 1;
inline constexpr int kMaxUpdateSeconds = 3600;
inline constexpr int kMinSupplementMinutes = -1440;
inline constexpr int kMaxSupplementMinutes = 1440;
inline constexpr int kMaxTitleCharacters = 16;

// "Please enter an integer between %1 and %2."
std::string IntegerRangeMessage(int low, int high);
// "Please enter no more than %1 characters."
std::string TooManyCharactersMessage(int most);
// A whole number (optionally signed, blanks around it allowed) within [low, high].
std::optional<int> ParseIntegerInRange(std::string_view text, int low, int high);
// Characters of a UTF-8 text (what the title box counts).
std::size_t CharacterCount(std::string_view text);

// A page's check before storing: when not ok, `message` is shown and the focus goes back to
// the box with the control id `control`; nothing has been stored.
struct PageCheck {
    bool ok = true;
    std::string message;
    int control = 0;
};

// --- The sheet.
inline constexpr std::size_t kOptionsPageCount = 5;
// The page the sheet opens on: the stored index, or the first page when it names none.
std::size_t StartPageIndex(std::uint32_t storedPage);
// Where the sheet opens, `width` x `height`: at its last rectangle of the run, moved so that
// at least 32 x 32 pixels of it stay on the desktop; centred on the desktop when there is
// none yet (or it is empty).
Rect SheetRect(const std::optional<Rect>& last, std::int32_t width, std::int32_t height,
               const Rect& desktop);
// The Cancel button's caption: "Cancel", and "&Close" once an Apply changed the settings.
std::string CancelButtonText(bool applied);

// --- Style page: the colour pickers.
// One choice: "Default" (the slot's system colour, -1), then sixteen swatches without text.
struct ColourChoice {
    std::string_view text;
    std::int32_t value; // 0x00BBGGRR, or -1
};
inline constexpr std::size_t kColourChoiceCount = 17;
const std::array<ColourChoice, kColourChoiceCount>& ColourChoices();
// What a screen reader says of a choice: "Default", "Black", "Maroon", ... "White".
std::string ColourChoiceName(std::size_t choice);
// The choice that holds a stored value; none for a value not in the list.
std::optional<std::size_t> ColourChoiceIndex(std::int32_t stored);
// The value a picker stores: its choice's value, -1 when nothing is chosen.
std::int32_t ColourOfChoice(std::optional<std::size_t> choice);

struct StylePageValues {
    // Background, title, date, time 1, time 2.
    std::array<std::optional<std::size_t>, 5> colours;
    LogFont font; // the page's copy (its height is the preview's)
};
// The slots the five pickers edit, in the order of StylePageValues::colours.
inline constexpr std::array<ColourSlot, 5> kStyleSlots{kColourBackground, kColourTitle, kColourDate,
                                                       kColourTime1, kColourTime2};
// The preview's text and its height: twice the page's own font height.
inline constexpr std::string_view kFontPreviewText = "012479 AaBbYyZz";
std::int32_t FontPreviewHeight(std::int32_t pageFontHeight);
// Stores the five colour slots and font record 0, keeping the stored font height (the
// clock window chooses the size itself). A picker without a choice (its slot holds a colour
// that is not in the list) keeps that colour. Marks the settings modified.
void StoreStylePage(CAppSettings& settings, const StylePageValues& values);

// --- View page.
struct ViewPageValues {
    bool onTop = false, borderless = false, antiTask = false;
    bool analog = false, twentyFourHour = false, seconds = false;
    bool name = false, date = false, dayOfYear = false;
    std::string interval; // "Update clocks every ... second(s)"
};
ViewPageValues LoadViewPage(const CAppSettings& settings);
struct ViewPageStore : PageCheck {
    bool onTopChanged = false, borderlessChanged = false, antiTaskChanged = false;
    // The clock timer (id 1) restarts with this period when the interval changed.
    bool restartTimer = false;
    int timerMilliseconds = 0;
};
ViewPageStore StoreViewPage(CAppSettings& settings, const ViewPageValues& values);
// Shown when the clock window is hidden.
std::string FlashNeedsVisibleWindowMessage();

// --- Clocks page.
struct ClockPageValues {
    std::string title;
    std::string supplement; // minutes
    bool adjustForDst = false;
    bool active = false;                // the line's check
    const CRegTimeZone* zone = nullptr; // the chosen zone entry, if any
};
struct ClockPageStore : PageCheck {
    bool renamed = false; // the list line takes the new name, keeping its check
};
// Stores the page into the selected clock (after both checks pass): name, supplement,
// daylight-saving flag, active flag and, when one is chosen, the zone.
ClockPageStore StoreClockPage(CAppSettings& settings, std::size_t clock,
                              const ClockPageValues& values);

// The lines' checks: clock i is shown when line i is checked. True when a flag changed (the
// settings are then modified).
bool StoreClockChecks(CAppSettings& settings, const std::vector<bool>& checked);
// Loading a clock: the picker entry of its zone, looked for from the last entry to the
// first; the entry found first takes the clock's zone data (CopyZone). None when no entry is
// the same zone.
std::optional<std::size_t> ChooseClockZone(const std::vector<CRegTimeZone*>& entries,
                                           const CRegTimeZone& clockZone);

struct ClockPageEnabled {
    bool edits = false; // title, supplement and its spin, time zone, Remove
    bool daylightBox = false;
    bool moveUp = false, moveDown = false;
};
ClockPageEnabled ClockPageEnabledState(std::optional<std::size_t> selection, std::size_t lineCount,
                                       const CRegTimeZone* chosenZone);
// The line selected after removing line `removed` (lineCount lines before): the same
// position, or the new last line when the last was removed; none when the list is empty.
std::optional<std::size_t> SelectionAfterRemove(std::size_t removed, std::size_t lineCount);

// --- Adjust Time page.
struct AdjustTimePageValues {
    std::string server; // as typed, comment included
    bool automatic = false;
    std::string everyDays;
};
AdjustTimePageValues LoadAdjustTimePage(const CAppSettings& settings);
// "Storing values": the days must be 1..365 and the server's name (before any port or
// comment) at most 255 characters; then the settings are marked modified, the
// automatic flag follows the box (the first interval starting now when there was no
// adjustment yet), the interval becomes days x 86400 and the server the typed text.
PageCheck StoreAdjustTimePage(CAppSettings& settings, const AdjustTimePageValues& values,
                              const DateTime& nowLocal);

// --- TZI page, when it stores its fields: a usage mode other than the current one takes
// effect at once. The option word gets the mode, a zone list is built for it, the clocks
// take their zones from it, and both zone pickers refill, left without a selection: the
// Clocks page's from `zones`, the TZI page's from the page's model (`page`, when given)
// with the filter of the new mode.
struct UsageModeChange {
    bool changed = false;
    bool clocksRefreshed = false; // the settings are then modified
    CRegTimeZoneList zones;       // built for the new mode
    const CRegTimeZoneList* tziPickerZones = nullptr;
    std::uint32_t tziPickerFilter = kZoneFilterAll;
};
UsageModeChange ApplyUsageMode(CAppSettings& settings, ZoneDatabaseUsage chosen,
                               const ZoneSources& sources, const TziPageModel* page = nullptr);

} // namespace orbel
