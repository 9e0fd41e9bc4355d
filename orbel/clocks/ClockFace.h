#pragma once
// The clock window's rules: what the option word shows, the colours, where each clock goes,
// how large its text is, what its texts and the dial look like, and what a tick redraws.
// The window only paints what these return.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "clocks/Rect.h"
#include "zones/DateTime.h"
#include "zones/DateTimeFormat.h"

namespace orbel {

// The display bits of the option word.
struct DisplayBits {
    bool analog = false;
    bool name = false;       // the clock's name is shown
    bool date = false;       // the date is shown
    bool nameOrDate = false; // any bit of 0x0F00
    bool seconds = false;
    bool dayOfYear = false;
    bool hour24 = false;
};
DisplayBits DisplayBitsFrom(std::uint32_t optionWord);

// The system colours a slot of -1 stands for, as 0xRRGGBB.
struct SystemColours {
    std::uint32_t buttonFace = 0xF0F0F0;
    std::uint32_t buttonText = 0x000000;
    std::uint32_t buttonHighlight = 0xFFFFFF;
    std::uint32_t buttonShadow = 0xA0A0A0;
};
// The colour a slot paints with: the stored colour (0x00BBGGRR, as stored) as 0xRRGGBB, or
// the slot's system colour when the stored value is -1 or not a colour at all.
std::uint32_t SlotColour(std::size_t slot, std::int32_t stored, const SystemColours& system);

// The areas of `activeCount` clocks side by side in a client area; empty for none.
std::vector<Rect> LayoutClockAreas(std::size_t activeCount, std::int32_t clientWidth,
                                   std::int32_t clientHeight);
// Height of the time band of an area `areaHeight` high.
std::int32_t TimeBandHeight(std::int32_t areaHeight, const DisplayBits& bits);
// The font height before the width limit, from the first clock's area height.
std::int32_t BandFontHeight(std::int32_t areaHeight, const DisplayBits& bits);
// The time all widths are measured with: 1 January 1997 04:07:09.
DateTime SampleTime();
// The height a digital clock's text may take in an area `areaWidth` wide, given the probe
// font's text height and the sample time's width in it; the smaller of that and
// `bandHeight`, at least 1. Analog clocks take the band height (at least 1).
std::int32_t LimitFontHeight(std::int32_t bandHeight, bool analog, std::int32_t areaWidth,
                             std::int32_t probeTextHeight, std::int32_t probeSampleWidth);
// The width a digital clock's text may take in an area: a little room is kept at each side
// so the times of neighbouring clocks never touch.
std::int32_t TextRoom(std::int32_t areaWidth);
// The small font's height.
std::int32_t SmallFontHeight(std::int32_t mainHeight);
// Where digital times with seconds start inside an area, so that they do not wobble.
std::int32_t FixedLeftOffset(std::int32_t areaWidth, std::int32_t sampleWidth);

// The strftime codes of the time and date texts.
std::string TimeFormat(const DisplayBits& bits, const std::string& separator, const std::string& am,
                       const std::string& pm, int hour);
std::string DateFormat(const DisplayBits& bits);
// The texts a clock showing `t` draws.
std::string ClockTimeText(const DateTime& t, const DisplayBits& bits, const std::string& separator,
                          const LocaleTexts& locale);
std::string ClockDateText(const DateTime& t, const DisplayBits& bits, const LocaleTexts& locale);

// "Orbel - date" for the local date of `today`; the window sets it only when it differs.
std::string WindowTitle(const std::string& appName, const DateTime& today,
                        const LocaleTexts& locale);

// Pixel coordinates for the dial.
struct Point {
    std::int32_t x = 0, y = 0;
    bool operator==(const Point&) const = default;
};
struct DialMark {
    Point centre;
    std::int32_t radius = 0; // 0: a single pixel
    int slot = 3;            // colour slot
};
struct DialGeometry {
    bool empty = true; // nothing is drawn
    std::int32_t side = 0, margin = 0;
    Rect square; // the dial's square, odd side, centred in the band
    Point centre;
    std::int32_t r0 = 0, r1 = 0;
    Rect inner; // the square after the second shrink: the interior to clear
    std::vector<DialMark> marks;
    std::int32_t hourLength = 0, minuteLength = 0, secondLength = 0;
    std::int32_t handPen = 0; // hour and minute hands; the seconds hand is 1 wide
    Rect designatorBox;       // lower two thirds of the inner square
};
DialGeometry AnalogDial(const Rect& band);
// The height of the AM/PM text on a dial: the small font's, but never less than a third of
// the hands' radius, so a dial without name and date (whose font height is 1) still reads.
std::int32_t DesignatorHeight(std::int32_t smallHeight, const DialGeometry& dial);
// The 60 positions: 0 at the top, clockwise.
Point HandEnd(const Point& centre, std::int32_t length, int position);
int HourPosition(int hour, int minute);
// A rectangle holding a line from the centre to a position, widened by the pen.
Rect HandBounds(const Point& centre, std::int32_t length, int position, std::int32_t pen);

// What a tick of the timer redraws on a clock.
enum class TickDraw {
    Nothing,     // analog without seconds in the same minute
    SecondsHand, // analog: only the seconds hand moves
    Hands,       // analog: a new minute (or a jump of more than a minute): hands again
    TimeBand,    // digital: the time band
};
TickDraw PlanTick(const DateTime& lastDrawn, const DateTime& now, const DisplayBits& bits);
// A paint in a new hour redraws the whole window with its background.
bool PaintRedrawsAll(int lastPaintHour, int hourNow);

// The update interval in milliseconds: at least one second, at most an hour.
int TimerIntervalMs(std::uint32_t storedSeconds);

// A stored placement made usable before it is tried on the screens: width and height
// within 16 .. 16384 pixels, the corner within 2^24 pixels of the origin (where windows can
// be), so that no edge of a damaged rectangle overflows.
Rect UsableStoredRect(const Rect& stored);
// A stored placement that no screen shows any more: the same size (at most the desktop's),
// centred on the desktop.
Rect CentreOnDesktop(const Rect& stored, const Rect& desktop);
// The default window size from the font height (12 x 3 heights), centred on a desktop.
Rect DefaultWindowRect(std::int32_t fontHeight, const Rect& desktop);
// The placement kept at the end of a run from the rectangle the window has now. Where the
// compositor alone places windows (Wayland), a program neither chooses where its window is
// nor learns it: the stored corner stays, with the size the window has now.
Rect PlacementToKeep(const Rect& stored, const Rect& shown, bool compositorPlaces);

// "Flash Clocks": ten steps 100 ms apart; an outline is drawn on odd steps and erased on
// even ones, so none is left after the last.
inline constexpr int kFlashSteps = 10;
inline constexpr int kFlashStepMilliseconds = 100;
inline constexpr bool FlashOutlineShown(int step)
{
    return step % 2 == 1;
}

} // namespace orbel
