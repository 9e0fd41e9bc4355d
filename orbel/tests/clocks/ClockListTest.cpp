// The clock list: naming of new clocks, order, counts and searches, the zone refresh, the
// default clocks and the stored form.
#include <gtest/gtest.h>

#include "clocks/ClockList.h"
#include "zones/Archive.h"
#include "zones/RegTimeZoneList.h"

namespace orbel {
namespace {

TimeZoneInformation Paris()
{
    TimeZoneInformation z;
    z.Bias = -60;
    z.DaylightBias = -60;
    z.StandardDate = {0, 10, 0, 5, 3, 0, 0, 0};
    z.DaylightDate = {0, 3, 0, 5, 2, 0, 0, 0};
    return z;
}

CRegTimeZone Zone(std::string key, std::string display, std::string mapId, TimeZoneInformation info)
{
    CRegTimeZone z;
    z.keyName = std::move(key);
    z.displayName = std::move(display);
    z.mapId = std::move(mapId);
    z.info = info;
    return z;
}

TEST(Clock, NewClocksAreNamedLocalThenCityAndTheLiveCount)
{
    ASSERT_EQ(CClock::LiveCount(), 0);
    CClockList list;
    EXPECT_EQ(list.Add().name, "Local");
    EXPECT_EQ(list.Add().name, "City1");
    EXPECT_EQ(list.Add().name, "City2");
    EXPECT_EQ(CClock::LiveCount(), 3);
    list.Remove(0);
    EXPECT_EQ(CClock::LiveCount(), 2);
    // The name follows the count of live clocks, so names can repeat after a removal.
    EXPECT_EQ(list.Add().name, "City2");
    {
        CClockList copy(list); // copies are clocks too
        EXPECT_EQ(CClock::LiveCount(), 6);
    }
    list.Clear();
    EXPECT_EQ(CClock::LiveCount(), 0);
    EXPECT_EQ(CClock().name, "Local");
}

TEST(Clock, NewClockAdjustsForDaylightSavingIsActiveAndOnUtc)
{
    CClock c;
    EXPECT_EQ(c.flags, 0x00010001u);
    EXPECT_EQ(c.supplement, 0);
    EXPECT_EQ(c.zone.info, TimeZoneInformation{});
    EXPECT_TRUE(c.zone.keyName.empty());
    EXPECT_TRUE(c.area.Empty());
    CalendarTime t = c.lastDrawn.Calendar();
    EXPECT_EQ(t.year, 100);
    EXPECT_EQ(t.hour, 1);
    EXPECT_EQ(t.second, 1);
}

TEST(ClockList, MovesRemovalsAndActiveSearch)
{
    CClockList list;
    for (const char* n : {"A", "B", "C", "D"})
        list.Add().name = n;
    list.At(1).flags = CClock::kAdjustForDst; // B hidden
    list.At(3).flags = 0;                     // D hidden
    EXPECT_EQ(list.CountWithFlags(CClock::kActive), 2u);
    EXPECT_EQ(list.CountWithFlags(CClock::kActive | CClock::kAdjustForDst), 2u);
    EXPECT_EQ(list.CountWithFlags(CClock::kAdjustForDst), 3u);
    EXPECT_EQ(list.NthActive(0)->name, "A");
    EXPECT_EQ(list.NthActive(1)->name, "C");
    EXPECT_EQ(list.NthActive(2), nullptr);

    EXPECT_FALSE(list.MoveUp(0));
    EXPECT_FALSE(list.MoveDown(3));
    EXPECT_FALSE(list.MoveUp(9));
    EXPECT_TRUE(list.MoveUp(2));   // A C B D
    EXPECT_TRUE(list.MoveDown(0)); // C A B D
    std::string order;
    for (std::size_t i = 0; i < list.Count(); ++i)
        order += list.At(i).name;
    EXPECT_EQ(order, "CABD");
    EXPECT_FALSE(list.Remove(4));
    EXPECT_TRUE(list.Remove(3));
    EXPECT_EQ(list.Count(), 3u);
}

TEST(ClockList, DefaultClocksMatchTheComputersZoneByInformationOnly)
{
    CClockList list;
    list.AddDefaultClocks(Paris());
    ASSERT_EQ(list.Count(), 2u);
    EXPECT_EQ(list.At(0).name, "Local");
    EXPECT_EQ(list.At(1).name, "City1");
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_TRUE(list.At(i).zone.keyName.empty());
        EXPECT_TRUE(list.At(i).zone.displayName.empty());
        EXPECT_EQ(list.At(i).flags, 0x00010001u);
    }
    // Found as the computer's clock although the key names are empty.
    list.At(0).zone.info.Bias = 0;
    const auto found = list.FindLocalZoneClock(Paris());
    EXPECT_EQ(found.index, 1);
    EXPECT_EQ(found.clock, &list.At(1));
    TimeZoneInformation atUtc = Paris();
    atUtc.Bias = 0;
    EXPECT_EQ(list.FindLocalZoneClock(atUtc).index, 0);
    TimeZoneInformation other = Paris();
    other.DaylightDate.wHour = 1;
    EXPECT_EQ(list.FindLocalZoneClock(other).index, -1);
    EXPECT_EQ(list.FindLocalZoneClock(other).clock, nullptr);

    // A list that already has clocks gets none.
    list.AddDefaultClocks(Paris());
    EXPECT_EQ(list.Count(), 2u);
}

TEST(ClockList, RefreshZonesCopiesCorrectionsIntoMatchingClocksOnly)
{
    TimeZoneInformation old = Paris();
    old.StandardDate.wDay = 4; // a rule the database has since corrected
    TimeZoneInformation tokyo;
    tokyo.Bias = -540;

    CClockList list;
    CClock& paris = list.Add();
    paris.zone = Zone("Romance Standard Time", "(GMT+01:00) Paris", "", old);
    paris.zone.flags = 2;
    CClock& lost = list.Add();
    lost.zone = Zone("Nowhere", "(GMT+13:00) Nowhere", "x", TimeZoneInformation{});
    lost.zone.info.Bias = -780;

    CRegTimeZoneList zones;
    zones.Add(Zone("Tokyo Standard Time", "(GMT+09:00) Tokyo", "", tokyo));
    zones.Add(Zone("Romance Standard Time", "(GMT+01:00) Brussels, Paris", "", Paris()));
    zones.Add(Zone("Romance Standard Time", "second match, never used", "", tokyo));

    EXPECT_TRUE(list.RefreshZones(zones));
    EXPECT_EQ(list.At(0).zone.info, Paris());
    EXPECT_EQ(list.At(0).zone.displayName, "(GMT+01:00) Brussels, Paris");
    EXPECT_EQ(list.At(0).zone.flags, 2u); // the clock's own flags stay
    EXPECT_EQ(list.At(1).zone.info.Bias, -780);
    EXPECT_EQ(list.At(1).zone.keyName, "Nowhere");

    // Nothing matches: nothing to mark modified.
    CClockList alone;
    alone.Add().zone = lost.zone;
    EXPECT_FALSE(alone.RefreshZones(zones));
    CRegTimeZoneList empty;
    EXPECT_FALSE(list.RefreshZones(empty));
}

TEST(ClockList, RefreshZonesFindsAZoneByBiasDaylightSavingAndMapId)
{
    CClockList list;
    list.Add().zone = Zone("Old key name", "Old display", "3,2", Paris());
    TimeZoneInformation corrected = Paris();
    corrected.DaylightDate.wHour = 1;
    CRegTimeZoneList zones;
    zones.Add(Zone("New key name", "New display", "3,2", corrected));
    EXPECT_TRUE(list.RefreshZones(zones));
    EXPECT_EQ(list.At(0).zone.keyName, "New key name");
    EXPECT_EQ(list.At(0).zone.info.DaylightDate.wHour, 1);
}

// A stored clock, byte by byte as the settings file holds it.
struct Bytes {
    std::vector<std::uint8_t> b;
    Bytes& u8(std::uint8_t v)
    {
        b.push_back(v);
        return *this;
    }
    Bytes& u16(std::uint16_t v) { return u8(v & 0xFF).u8(v >> 8); }
    Bytes& u32(std::uint32_t v) { return u16(v & 0xFFFF).u16(v >> 16); }
    Bytes& text(std::string_view s)
    {
        u8(static_cast<std::uint8_t>(s.size()));
        for (char c : s)
            u8(static_cast<std::uint8_t>(c));
        return *this;
    }
    Bytes& zeros(std::size_t n)
    {
        b.insert(b.end(), n, 0);
        return *this;
    }
};

TEST(ClockList, StoredFormReadsAHandBuiltClock)
{
    Bytes f;
    f.u16(1).u16(0xFFFF).u16(2).u16(6).b.insert(f.b.end(), {'C', 'C', 'l', 'o', 'c', 'k'});
    f.text("Tokyo").u32(0x00000001).text("").u32(static_cast<std::uint32_t>(-90)).zeros(12);
    // The zone record: "TZET", version, flags, reserved, three texts, reserved, 172 bytes.
    f.u32(0x54455A54).u32(0x00020000).u32(2).u32(0);
    f.text("Tokyo Standard Time").text("(GMT+09:00) Tokyo").text("7");
    f.u32(0);
    f.u32(static_cast<std::uint32_t>(-540)).zeros(168);

    ArchiveReader in(f.b);
    CClockList list;
    list.Add(); // replaced by what is read
    list.Read(in);
    EXPECT_TRUE(in.AtEnd());
    ASSERT_EQ(list.Count(), 1u);
    const CClock& c = list.At(0);
    EXPECT_EQ(c.name, "Tokyo");
    EXPECT_EQ(c.flags, 1u);
    EXPECT_FALSE(c.IsActive());
    EXPECT_EQ(c.supplement, -90);
    EXPECT_EQ(c.zone.flags, 2u);
    EXPECT_EQ(c.zone.keyName, "Tokyo Standard Time");
    EXPECT_EQ(c.zone.mapId, "7");
    EXPECT_EQ(c.zone.info.Bias, -540);

    // Written back, the same bytes.
    ArchiveWriter out;
    list.Write(out);
    EXPECT_EQ(out.bytes(), f.b);
}

TEST(ClockList, SchemaOneClockCarriesTheOlderZoneRecord)
{
    Bytes f;
    f.u16(1).u16(0xFFFF).u16(1).u16(6).b.insert(f.b.end(), {'C', 'C', 'l', 'o', 'c', 'k'});
    f.text("Old").u32(0x00010001).text("").u32(0).zeros(12);
    f.u32(0).text("Key").text("Display").u32(static_cast<std::uint32_t>(-60)).zeros(168);
    ArchiveReader in(f.b);
    CClockList list;
    list.Read(in);
    ASSERT_EQ(list.Count(), 1u);
    EXPECT_EQ(list.At(0).zone.keyName, "Key");
    EXPECT_EQ(list.At(0).zone.flags, 0u);
    EXPECT_TRUE(list.At(0).zone.mapId.empty());
    EXPECT_EQ(list.At(0).zone.info.Bias, -60);
}

TEST(ClockList, DamagedListLeavesTheClocksAsTheyWere)
{
    CClockList list;
    list.Add().name = "Kept";
    ArchiveWriter out;
    CClockList two;
    two.Add();
    two.Add();
    two.Write(out);
    const auto whole = out.bytes();
    const int before = CClock::LiveCount();
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        std::vector<std::uint8_t> part(whole.begin(), whole.begin() + cut);
        ArchiveReader in(part);
        EXPECT_THROW(list.Read(in), ArchiveError) << cut;
        ASSERT_EQ(list.Count(), 1u);
        EXPECT_EQ(list.At(0).name, "Kept");
    }
    EXPECT_EQ(CClock::LiveCount(), before); // nothing leaked

    // A back-reference to an object already read would list one clock twice.
    ArchiveWriter one;
    CClockList single;
    single.Add();
    single.Write(one);
    std::vector<std::uint8_t> bad = one.bytes();
    bad[0] = 2; // count 2: the clock, then a reference to index 2 (the clock itself)
    bad.push_back(0x02);
    bad.push_back(0x00);
    ArchiveReader in(bad);
    EXPECT_THROW(list.Read(in), ArchiveError);
    EXPECT_EQ(list.At(0).name, "Kept");
}

} // namespace
} // namespace orbel
