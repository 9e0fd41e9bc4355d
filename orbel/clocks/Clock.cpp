#include "clocks/Clock.h"

#include "zones/Archive.h"
#include "zones/StringTable.h"

namespace orbel {
namespace {

// Made and destroyed on the one thread of the program.
int g_liveClocks = 0;

std::string NewClockName()
{
    // String 1023: "Local\nCity".
    return g_liveClocks == 0 ? StringItem(1023, 0)
                             : StringItem(1023, 1) + std::to_string(g_liveClocks);
}

} // namespace

DateTime CClock::InitialLastDrawn()
{
    // 1 January of the year 100, 01:01:01: earlier than any time a clock shows, so the first
    // drawing always finds a change.
    return DateTime::FromCalendar(100, 1, 1, 1, 1, 1);
}

CClock::CClock() : lastDrawn(InitialLastDrawn()), name(NewClockName())
{
    ++g_liveClocks;
}

CClock::CClock(const CClock& o)
    : area(o.area), lastDrawn(o.lastDrawn), name(o.name), flags(o.flags), supplement(o.supplement),
      zone(o.zone)
{
    ++g_liveClocks;
}

CClock::CClock(CClock&& o) noexcept
    : area(o.area), lastDrawn(o.lastDrawn), name(std::move(o.name)), flags(o.flags),
      supplement(o.supplement), zone(std::move(o.zone))
{
    ++g_liveClocks;
}

CClock::~CClock()
{
    --g_liveClocks;
}

int CClock::LiveCount()
{
    return g_liveClocks;
}

void CClock::Write(ArchiveWriter& out) const
{
    out.Text(name);
    out.U32(flags);
    out.Text("");
    out.I32(supplement);
    out.U32(0);
    out.U32(0);
    out.U32(0);
    zone.Store(out);
}

void CClock::Read(ArchiveReader& in, std::uint16_t schema)
{
    name = in.Text();
    flags = in.U32();
    in.Text();
    supplement = in.I32();
    in.Skip(12);
    zone.Load(in, schema);
}

} // namespace orbel
