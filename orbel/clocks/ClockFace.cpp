#include "clocks/ClockFace.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orbel {
namespace {

constexpr std::uint32_t kNameBit = 0x0100, kDateBit = 0x0200, kNameOrDateBits = 0x0F00;

// strftime text that shows `s` as it stands.
std::string Literal(const std::string& s)
{
    std::string out;
    for (char c : s) {
        out += c;
        if (c == '%')
            out += '%';
    }
    return out;
}

std::int32_t Clamp32(std::int64_t v)
{
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(v, INT32_MIN / 2, INT32_MAX / 2)); // room to add to
}

} // namespace

DisplayBits DisplayBitsFrom(std::uint32_t w)
{
    DisplayBits b;
    b.analog = (w & 0x0001) != 0;
    b.name = (w & kNameBit) != 0;
    b.date = (w & kDateBit) != 0;
    b.nameOrDate = (w & kNameOrDateBits) != 0;
    b.seconds = (w & 0x1000) != 0;
    b.dayOfYear = (w & 0x2000) != 0;
    b.hour24 = (w & 0x4000) != 0;
    return b;
}

std::uint32_t SlotColour(std::size_t slot, std::int32_t stored, const SystemColours& system)
{
    const auto u = static_cast<std::uint32_t>(stored);
    if (stored != -1 && (u & 0xFF000000u) == 0)
        return ((u & 0xFF) << 16) | (u & 0xFF00) | ((u >> 16) & 0xFF);
    switch (slot) {
    case 0:
        return system.buttonFace;
    case 2:
        return system.buttonHighlight;
    case 4:
        return system.buttonShadow;
    default:
        return system.buttonText;
    }
}

std::vector<Rect> LayoutClockAreas(std::size_t n, std::int32_t width, std::int32_t height)
{
    std::vector<Rect> areas;
    if (n == 0)
        return areas;
    width = std::max(width, 0);
    height = std::max(height, 0);
    const auto count = static_cast<std::int32_t>(std::min<std::size_t>(n, INT32_MAX));
    const std::int32_t q = width / count, r = width % count;
    Rect area{0, 0, q + r / 2, height};
    for (std::size_t i = 0; i < n; ++i) {
        areas.push_back(area);
        area.left += q;
        area.right += q;
    }
    return areas;
}

std::int32_t TimeBandHeight(std::int32_t a, const DisplayBits& b)
{
    if (!b.nameOrDate)
        return a;
    int p;
    if (b.name && b.date)
        p = b.analog ? 70 : 36;
    else if (b.name)
        p = b.analog ? 80 : 50;
    else if (b.date)
        p = b.analog ? 85 : 57;
    else // a bit of 0x0F00 other than name and date: as name and date
        p = b.analog ? 70 : 36;
    return static_cast<std::int32_t>(std::int64_t{a} * p / 100);
}

std::int32_t BandFontHeight(std::int32_t a, const DisplayBits& b)
{
    const std::int32_t n = a - TimeBandHeight(a, b);
    if (b.name && b.date)
        return static_cast<std::int32_t>(std::int64_t{n} * 57 / 100);
    if (b.name)
        return n;
    if (b.date)
        return n + static_cast<std::int32_t>(std::int64_t{n} * 25 / 100);
    if (b.nameOrDate)
        return static_cast<std::int32_t>(std::int64_t{n} * 57 / 100);
    return b.analog ? n : a;
}

DateTime SampleTime()
{
    return DateTime::FromCalendar(1997, 1, 1, 4, 7, 9);
}

std::int32_t LimitFontHeight(std::int32_t h, bool analog, std::int32_t w, std::int32_t textHeight,
                             std::int32_t sampleWidth)
{
    if (!analog && sampleWidth > 0) {
        const std::int64_t limit = std::int64_t{std::max(w, 0)} * textHeight / sampleWidth;
        h = static_cast<std::int32_t>(std::min<std::int64_t>(h, limit));
    }
    return std::max(h, 1);
}

std::int32_t TextRoom(std::int32_t w)
{
    return std::max(w - 2 * std::max(w / 24, 1), 0);
}

std::int32_t SmallFontHeight(std::int32_t h)
{
    return std::max<std::int32_t>(static_cast<std::int32_t>(std::int64_t{h} * 75 / 100), 1);
}

std::int32_t FixedLeftOffset(std::int32_t w, std::int32_t sampleWidth)
{
    return (w - sampleWidth) / 2;
}

std::string TimeFormat(const DisplayBits& b, const std::string& sep, const std::string& am,
                       const std::string& pm, int hour)
{
    std::string f = std::string("%") + (b.hour24 ? 'H' : 'I') + Literal(sep) + "%M";
    if (b.seconds)
        f += Literal(sep) + "%S";
    if (!b.hour24)
        f += " " + Literal(hour < 12 ? am : pm);
    return f;
}

std::string DateFormat(const DisplayBits& b)
{
    return b.dayOfYear ? "%j" : "%a %d";
}

std::string ClockTimeText(const DateTime& t, const DisplayBits& b, const std::string& sep,
                          const LocaleTexts& locale)
{
    return FormatDateTime(t, TimeFormat(b, sep, locale.am, locale.pm, t.Calendar().hour), locale);
}

std::string ClockDateText(const DateTime& t, const DisplayBits& b, const LocaleTexts& locale)
{
    return FormatDateTime(t, DateFormat(b), locale);
}

std::string WindowTitle(const std::string& appName, const DateTime& today,
                        const LocaleTexts& locale)
{
    return appName + " - " + FormatPicture(today, locale.longDateFormat, locale);
}

Point HandEnd(const Point& c, std::int32_t length, int position)
{
    // Unit vectors of the 60 positions, once per process.
    static const auto units = [] {
        std::array<std::array<double, 2>, 60> u{};
        for (int k = 0; k < 60; ++k) {
            const double a = (k - 15) * 6.0 * std::numbers::pi / 180.0;
            u[k] = {std::cos(a), std::sin(a)};
        }
        return u;
    }();
    const auto& u = units[((position % 60) + 60) % 60];
    return {c.x + static_cast<std::int32_t>(std::lround(u[0] * length)),
            c.y + static_cast<std::int32_t>(std::lround(u[1] * length))};
}

int HourPosition(int hour, int minute)
{
    return (hour % 12) * 5 + minute / 12;
}

Rect HandBounds(const Point& c, std::int32_t length, int position, std::int32_t pen)
{
    const Point e = HandEnd(c, length, position);
    const std::int32_t grow = pen / 2 + 2; // the pen's half width and the anti-aliased edge
    return {std::min(c.x, e.x) - grow, std::min(c.y, e.y) - grow, std::max(c.x, e.x) + grow + 1,
            std::max(c.y, e.y) + grow + 1};
}

DialGeometry AnalogDial(const Rect& band)
{
    DialGeometry d;
    const std::int64_t bw = band.Width(), bh = band.Height();
    std::int64_t s = std::min(bw, bh);
    if (s <= 0)
        return d;
    if (s % 2 == 0)
        --s;
    d.side = Clamp32(s);
    d.square.left = Clamp32(band.left + (bw - s) / 2);
    d.square.top = Clamp32(band.top + (bh - s) / 2);
    d.square.right = d.square.left + d.side;
    d.square.bottom = d.square.top + d.side;
    d.centre = {d.square.left + d.side / 2, d.square.top + d.side / 2};
    d.empty = false;

    const std::int32_t m = std::max<std::int32_t>(d.side * 5 / 100, 1);
    d.margin = m;
    d.r0 = (d.side - 2 * m) / 2;
    if (d.r0 > 31) {
        for (int k = 0; k < 60; ++k) {
            if (k % 5 == 0)
                d.marks.push_back({HandEnd(d.centre, d.r0, k), (m + 1) / 2, 3});
            else if (m > 1)
                d.marks.push_back({HandEnd(d.centre, d.r0, k), (m + 7) / 8, 4});
        }
    } else if (d.r0 > 0) {
        for (int k = 0; k < 60; k += 5)
            d.marks.push_back({HandEnd(d.centre, d.r0, k), 0, 3});
    }

    const std::int32_t shrink = 2 * m + 1;
    d.inner = {d.square.left + shrink, d.square.top + shrink, d.square.right - shrink,
               d.square.bottom - shrink};
    d.r1 = std::max<std::int32_t>((d.side - 2 * shrink) / 2, 0);
    d.hourLength = std::max(d.r1 - 4 * m, 0);
    d.minuteLength = std::max(d.r1 - m, 0);
    d.secondLength = std::max(d.r1 - (m + 1) / 2, 0);
    d.handPen = 2 * m / 3;
    const std::int32_t third = (d.inner.bottom - d.inner.top) / 3;
    d.designatorBox = {d.inner.left, d.inner.top + third, d.inner.right, d.inner.bottom};
    return d;
}

std::int32_t DesignatorHeight(std::int32_t smallHeight, const DialGeometry& dial)
{
    return std::max({smallHeight, dial.r1 / 3, 1});
}

TickDraw PlanTick(const DateTime& lastDrawn, const DateTime& now, const DisplayBits& b)
{
    if (!b.analog)
        return TickDraw::TimeBand;
    CalendarTime was, is;
    const bool ok = lastDrawn.ToCalendar(was) && now.ToCalendar(is);
    const double apart = std::fabs((now - lastDrawn).days()) * 1440.0;
    if (!ok || apart > 1.0 || was.minute != is.minute)
        return TickDraw::Hands;
    return b.seconds ? TickDraw::SecondsHand : TickDraw::Nothing;
}

bool PaintRedrawsAll(int lastPaintHour, int hourNow)
{
    return lastPaintHour != hourNow;
}

int TimerIntervalMs(std::uint32_t seconds)
{
    return static_cast<int>(std::clamp<std::uint32_t>(seconds, 1, 3600)) * 1000;
}

Rect UsableStoredRect(const Rect& stored)
{
    constexpr std::int64_t kFar = std::int64_t{1} << 24;
    const auto w = static_cast<std::int32_t>(std::clamp<std::int64_t>(stored.Width(), 16, 16384));
    const auto h = static_cast<std::int32_t>(std::clamp<std::int64_t>(stored.Height(), 16, 16384));
    const auto left = static_cast<std::int32_t>(std::clamp<std::int64_t>(stored.left, -kFar, kFar));
    const auto top = static_cast<std::int32_t>(std::clamp<std::int64_t>(stored.top, -kFar, kFar));
    return {left, top, left + w, top + h};
}

Rect CentreOnDesktop(const Rect& stored, const Rect& desktop)
{
    const auto w = static_cast<std::int32_t>(
        std::clamp<std::int64_t>(stored.Width(), 16, std::max<std::int64_t>(desktop.Width(), 16)));
    const auto h = static_cast<std::int32_t>(std::clamp<std::int64_t>(
        stored.Height(), 16, std::max<std::int64_t>(desktop.Height(), 16)));
    const auto left = static_cast<std::int32_t>(desktop.left + (desktop.Width() - w) / 2);
    const auto top = static_cast<std::int32_t>(desktop.top + (desktop.Height() - h) / 2);
    return {left, top, left + w, top + h};
}

Rect PlacementToKeep(const Rect& stored, const Rect& shown, bool compositorPlaces)
{
    if (!compositorPlaces || stored.Width() <= 0 || stored.Height() <= 0)
        return shown;
    const Rect corner = UsableStoredRect(stored);
    const auto w = static_cast<std::int32_t>(std::clamp<std::int64_t>(shown.Width(), 16, 16384));
    const auto h = static_cast<std::int32_t>(std::clamp<std::int64_t>(shown.Height(), 16, 16384));
    return {corner.left, corner.top, corner.left + w, corner.top + h};
}

Rect DefaultWindowRect(std::int32_t fontHeight, const Rect& desktop)
{
    const auto h = static_cast<std::int32_t>(
        std::clamp<std::int64_t>(std::abs(std::int64_t{fontHeight}), 1, 1000));
    const std::int32_t w = 12 * h, ht = 3 * h;
    const std::int32_t left = static_cast<std::int32_t>(desktop.left + (desktop.Width() - w) / 2);
    const std::int32_t top = static_cast<std::int32_t>(desktop.top + (desktop.Height() - ht) / 2);
    return {left, top, left + w, top + ht};
}

} // namespace orbel
