#include "options/OptionsPages.h"

#include <algorithm>
#include <climits>

#include "clocks/ClockFace.h"
#include "options/AdjustTimeRules.h"
#include "settings/WindowProfile.h"
#include "sync/ServerSetting.h"
#include "sync/SocketErrors.h"
#include "zones/StringTable.h"
#include "zones/Translation.h"

namespace orbel {
namespace {

// The boxes the focus returns to.
constexpr int kEveryBox = 3093;
constexpr int kServerBox = 3081;
constexpr int kUpdateBox = 3010;
constexpr int kTitleBox = 3016;
constexpr int kSupplementBox = 3017;

constexpr std::array<ColourChoice, kColourChoiceCount> kColourChoices{{
    {"Default", kSystemColour},
    {"", 0x000000},
    {"", 0x000080},
    {"", 0x008000},
    {"", 0x008080},
    {"", 0x800000},
    {"", 0x800080},
    {"", 0x808000},
    {"", 0x808080},
    {"", 0xC0C0C0},
    {"", 0x0000FF},
    {"", 0x00FF00},
    {"", 0x00FFFF},
    {"", 0xFF0000},
    {"", 0xFF00FF},
    {"", 0xFFFF00},
    {"", 0xFFFFFF},
}};

void SetFlag(std::uint32_t& word, std::uint32_t bit, bool on)
{
    word = on ? word | bit : word & ~bit;
}

PageCheck Refused(std::string message, int control)
{
    PageCheck c;
    c.ok = false;
    c.message = std::move(message);
    c.control = control;
    return c;
}

} // namespace

std::string IntegerRangeMessage(int low, int high)
{
    return FormatMessage(Tr("Options", "Please enter an integer between %1 and %2."),
                         {std::to_string(low), std::to_string(high)});
}

std::string TooManyCharactersMessage(int most)
{
    return FormatMessage(Tr("Options", "Please enter no more than %1 characters."),
                         {std::to_string(most)});
}

std::optional<int> ParseIntegerInRange(std::string_view text, int low, int high)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 9)
        return std::nullopt;
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (negative)
        value = -value;
    if (value < low || value > high)
        return std::nullopt;
    return static_cast<int>(value);
}

std::size_t CharacterCount(std::string_view text)
{
    std::size_t n = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80)
            ++n;
    return n;
}

std::size_t StartPageIndex(std::uint32_t storedPage)
{
    return storedPage < kOptionsPageCount ? storedPage : 0;
}

Rect SheetRect(const std::optional<Rect>& last, std::int32_t width, std::int32_t height,
               const Rect& desktop)
{
    if (last && last->left != last->right && last->top != last->bottom)
        return KeepOnDesktop(*last, desktop, 32, 32);
    return CentreOnDesktop({0, 0, width, height}, desktop);
}

std::string CancelButtonText(bool applied)
{
    return applied ? Tr("Options", "&Close") : Tr("Options", "Cancel");
}

const std::array<ColourChoice, kColourChoiceCount>& ColourChoices()
{
    return kColourChoices;
}

std::string ColourChoiceName(std::size_t choice)
{
    static constexpr std::array<const char*, kColourChoiceCount> kNames{
        ORBEL_TEXT("Colours", "Default"), ORBEL_TEXT("Colours", "Black"),
        ORBEL_TEXT("Colours", "Maroon"),  ORBEL_TEXT("Colours", "Green"),
        ORBEL_TEXT("Colours", "Olive"),   ORBEL_TEXT("Colours", "Navy"),
        ORBEL_TEXT("Colours", "Purple"),  ORBEL_TEXT("Colours", "Teal"),
        ORBEL_TEXT("Colours", "Gray"),    ORBEL_TEXT("Colours", "Silver"),
        ORBEL_TEXT("Colours", "Red"),     ORBEL_TEXT("Colours", "Lime"),
        ORBEL_TEXT("Colours", "Yellow"),  ORBEL_TEXT("Colours", "Blue"),
        ORBEL_TEXT("Colours", "Fuchsia"), ORBEL_TEXT("Colours", "Aqua"),
        ORBEL_TEXT("Colours", "White")};
    return choice < kNames.size() ? Tr("Colours", kNames[choice]) : std::string();
}

std::int32_t FontPreviewHeight(std::int32_t pageFontHeight)
{
    return 2 * std::max<std::int32_t>(pageFontHeight, 1);
}

std::string FlashNeedsVisibleWindowMessage()
{
    return Tr("Options", "The clocks window must be visible in order to perform this "
                         "operation.\n\nPlease show the window from the Orbel menu then try "
                         "again.");
}

std::optional<std::size_t> ColourChoiceIndex(std::int32_t stored)
{
    for (std::size_t i = 0; i < kColourChoices.size(); ++i)
        if (kColourChoices[i].value == stored)
            return i;
    return std::nullopt;
}

std::int32_t ColourOfChoice(std::optional<std::size_t> choice)
{
    if (!choice || *choice >= kColourChoices.size())
        return kSystemColour;
    return kColourChoices[*choice].value;
}

void StoreStylePage(CAppSettings& settings, const StylePageValues& values)
{
    settings.SetModified();
    if (settings.colours.size() < values.colours.size())
        settings.colours.resize(values.colours.size(), kSystemColour);
    for (std::size_t slot = 0; slot < values.colours.size(); ++slot)
        if (values.colours[slot]) // else the slot keeps a colour the list does not hold
            settings.colours[slot] = ColourOfChoice(values.colours[slot]);
    if (settings.fonts.empty())
        settings.fonts.push_back(settings.Font(0));
    const std::int32_t storedHeight = settings.fonts[0].height;
    settings.fonts[0] = values.font;
    settings.fonts[0].height = storedHeight;
}

ViewPageValues LoadViewPage(const CAppSettings& s)
{
    ViewPageValues v;
    v.onTop = s.onTop != 0;
    v.borderless = s.borderless != 0;
    v.antiTask = s.antiTask != 0;
    v.analog = (s.displayFlags & kOptionAnalog) != 0;
    v.twentyFourHour = (s.displayFlags & kOption24Hour) != 0;
    v.seconds = (s.displayFlags & kOptionSeconds) != 0;
    v.name = (s.displayFlags & kOptionShowName) != 0;
    v.date = (s.displayFlags & kOptionShowDate) != 0;
    v.dayOfYear = (s.displayFlags & kOptionDayOfYear) != 0;
    v.interval = std::to_string(s.updateInterval);
    return v;
}

ViewPageStore StoreViewPage(CAppSettings& s, const ViewPageValues& v)
{
    ViewPageStore out;
    const std::optional<int> interval =
        ParseIntegerInRange(v.interval, kMinUpdateSeconds, kMaxUpdateSeconds);
    if (!interval) {
        static_cast<PageCheck&>(out) =
            Refused(IntegerRangeMessage(kMinUpdateSeconds, kMaxUpdateSeconds), kUpdateBox);
        return out;
    }
    s.SetModified();
    out.onTopChanged = s.SetOnTop(v.onTop);
    out.antiTaskChanged = s.SetAntiTask(v.antiTask);
    out.borderlessChanged = s.SetBorderless(v.borderless);
    SetFlag(s.displayFlags, kOptionAnalog, v.analog);
    SetFlag(s.displayFlags, kOption24Hour, v.twentyFourHour);
    SetFlag(s.displayFlags, kOptionSeconds, v.seconds);
    SetFlag(s.displayFlags, kOptionShowName, v.name);
    SetFlag(s.displayFlags, kOptionShowDate, v.date);
    SetFlag(s.displayFlags, kOptionDayOfYear, v.dayOfYear);
    if (static_cast<std::uint32_t>(*interval) != s.updateInterval) {
        s.updateInterval = static_cast<std::uint32_t>(*interval);
        out.restartTimer = true;
    }
    out.timerMilliseconds = static_cast<int>(s.updateInterval < 1 ? 1 : s.updateInterval) * 1000;
    return out;
}

ClockPageStore StoreClockPage(CAppSettings& s, std::size_t index, const ClockPageValues& v)
{
    ClockPageStore out;
    if (index >= s.clocks.Count())
        return out;
    if (CharacterCount(v.title) > static_cast<std::size_t>(kMaxTitleCharacters)) {
        static_cast<PageCheck&>(out) =
            Refused(TooManyCharactersMessage(kMaxTitleCharacters), kTitleBox);
        return out;
    }
    const std::optional<int> supplement =
        ParseIntegerInRange(v.supplement, kMinSupplementMinutes, kMaxSupplementMinutes);
    if (!supplement) {
        static_cast<PageCheck&>(out) = Refused(
            IntegerRangeMessage(kMinSupplementMinutes, kMaxSupplementMinutes), kSupplementBox);
        return out;
    }
    s.SetModified();
    CClock& clock = s.clocks.At(index);
    if (v.title != clock.name) {
        clock.name = v.title;
        out.renamed = true;
    }
    clock.supplement = *supplement;
    SetFlag(clock.flags, CClock::kAdjustForDst, v.adjustForDst);
    SetFlag(clock.flags, CClock::kActive, v.active);
    if (v.zone)
        CopyZone(clock.zone, *v.zone);
    return out;
}

bool StoreClockChecks(CAppSettings& s, const std::vector<bool>& checked)
{
    bool changed = false;
    for (std::size_t i = 0; i < checked.size() && i < s.clocks.Count(); ++i) {
        CClock& c = s.clocks.At(i);
        if (c.IsActive() != checked[i]) {
            SetFlag(c.flags, CClock::kActive, checked[i]);
            changed = true;
        }
    }
    if (changed)
        s.SetModified();
    return changed;
}

std::optional<std::size_t> ChooseClockZone(const std::vector<CRegTimeZone*>& entries,
                                           const CRegTimeZone& clockZone)
{
    for (std::size_t i = entries.size(); i-- > 0;)
        if (entries[i] && IsSameZone(*entries[i], &clockZone)) {
            CopyZone(*entries[i], clockZone);
            return i;
        }
    return std::nullopt;
}

ClockPageEnabled ClockPageEnabledState(std::optional<std::size_t> selection, std::size_t lineCount,
                                       const CRegTimeZone* chosenZone)
{
    ClockPageEnabled e;
    if (!selection || *selection >= lineCount)
        return e;
    e.edits = true;
    e.daylightBox = chosenZone && chosenZone->HasDaylightSaving();
    e.moveUp = *selection > 0;
    e.moveDown = *selection + 1 < lineCount;
    return e;
}

std::optional<std::size_t> SelectionAfterRemove(std::size_t removed, std::size_t lineCount)
{
    if (lineCount <= 1)
        return std::nullopt;
    return removed + 1 >= lineCount ? lineCount - 2 : removed;
}

AdjustTimePageValues LoadAdjustTimePage(const CAppSettings& s)
{
    AdjustTimePageValues v;
    v.server = s.server;
    v.automatic = (s.displayFlags & kOptionAutoAdjust) != 0;
    v.everyDays = std::to_string(s.adjustmentInterval / 86400);
    return v;
}

PageCheck StoreAdjustTimePage(CAppSettings& s, const AdjustTimePageValues& v,
                              const DateTime& nowLocal)
{
    const std::optional<int> days = ParseIntervalDays(v.everyDays);
    if (!days)
        return Refused(IntervalDaysRangeMessage(), kEveryBox);
    // A name longer than the name service takes can never be asked: it is not stored, so
    // the automatic adjustment does not fail on it hour after hour.
    if (ParseServerSetting(v.server).error == SocketError::NameTooLong)
        return Refused(TooManyCharactersMessage(static_cast<int>(kMaxHostNameLength)), kServerBox);
    s.SetModified();
    const bool automatic = (s.displayFlags & kOptionAutoAdjust) != 0;
    if (v.automatic != automatic) {
        SetFlag(s.displayFlags, kOptionAutoAdjust, v.automatic);
        if (!s.lastAdjusted.valid())
            s.lastAdjusted = nowLocal;
    }
    s.adjustmentInterval = static_cast<std::uint32_t>(*days) * 86400u;
    s.server = v.server;
    return {};
}

UsageModeChange ApplyUsageMode(CAppSettings& s, ZoneDatabaseUsage chosen,
                               const ZoneSources& sources, const TziPageModel* page)
{
    UsageModeChange out;
    if (chosen == UsageFromOptions(s.displayFlags))
        return out;
    out.changed = true;
    s.displayFlags = WithUsage(s.displayFlags, chosen);
    s.SetModified();
    BuildZoneList(out.zones, chosen, sources);
    out.clocksRefreshed = s.RefreshZones(out.zones);
    if (page)
        out.tziPickerZones = &page->PickerZones(chosen, out.tziPickerFilter);
    return out;
}

} // namespace orbel
