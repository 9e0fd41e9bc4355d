// Version bookkeeping and window placement kept in the registry store.
#include <gtest/gtest.h>

#include "settings/WindowProfile.h"

namespace orbel {
namespace {

constexpr const char* kKey = "Software\\Quillon\\Orbel\\";

std::optional<RegValue> Get(const MemoryRegistryStore& s, const std::string& sub,
                            const std::string& name)
{
    return s.Query(RegRoot::LocalMachine, kKey + sub, name);
}

TEST(WindowProfile, FirstStartWritesPathAndVersion)
{
    MemoryRegistryStore s;
    CWindowProfile p(s, "/opt/orbel/orbel", 0x00030001);
    p.SetDefaults();
    EXPECT_EQ(Get(s, "CurrentVersion", "Path")->text, "/opt/orbel/orbel");
    EXPECT_EQ(Get(s, "CurrentVersion", "Version")->dword, 0x00030001u);
    EXPECT_EQ(p.storedVersion, 0u); // nothing was there before
}

TEST(WindowProfile, OlderVersionIsKeptAsStoredAndTheRegistryUpdated)
{
    MemoryRegistryStore s;
    s.Set(RegRoot::LocalMachine, std::string(kKey) + "CurrentVersion", "Version",
          RegValue::Dword(0x00030000));
    s.Set(RegRoot::LocalMachine, std::string(kKey) + "CurrentVersion", "Path",
          RegValue::String("/OPT/Orbel/ORBEL"));
    CWindowProfile p(s, "/opt/orbel/orbel", 0x00030001);
    p.SetDefaults();
    EXPECT_EQ(p.storedVersion, 0x00030000u);
    EXPECT_EQ(Get(s, "CurrentVersion", "Version")->dword, 0x00030001u);
    // Same path but for letter case: left as it was.
    EXPECT_EQ(Get(s, "CurrentVersion", "Path")->text, "/OPT/Orbel/ORBEL");
}

TEST(WindowProfile, StateOutsideOneToThreeReadsAsNormal)
{
    for (std::uint32_t stored : {0u, 1u, 2u, 3u, 4u, 7u, 0xFFFFFFFFu}) {
        MemoryRegistryStore s;
        s.Set(RegRoot::LocalMachine, std::string(kKey) + "Window", "State",
              RegValue::Dword(stored));
        CWindowProfile p(s, "/p", 0x00030001);
        p.Load();
        EXPECT_EQ(p.showState, stored >= 1 && stored <= 3 ? static_cast<int>(stored) : 1) << stored;
    }
}

TEST(WindowProfile, EmptyBoundsAreNotWrittenSoEarlierOnesStay)
{
    MemoryRegistryStore s;
    CWindowProfile p(s, "/p", 0x00030001);
    p.bounds = {10, 20, 310, 120};
    p.onTop = 1;
    p.showState = kShowMaximized;
    p.SetModified();
    p.Save();
    EXPECT_FALSE(p.IsModified());

    CWindowProfile q(s, "/p", 0x00030001);
    q.bounds = {50, 50, 50, 90}; // zero width
    q.Save();
    CWindowProfile r(s, "/p", 0x00030001);
    r.Load();
    EXPECT_EQ(r.bounds, (Rect{10, 20, 310, 120}));
    EXPECT_EQ(r.onTop, 0u); // q wrote its own flag
    EXPECT_EQ(r.showState, kShowNormal);
    // Negative coordinates (a monitor left of the main one) come back as they were.
    q.bounds = {-1600, -10, -1000, 300};
    q.Save();
    r.Load();
    EXPECT_EQ(r.bounds, (Rect{-1600, -10, -1000, 300}));
}

TEST(WindowProfile, PlacementCapturesTheStateFirstThenTheRectangle)
{
    MemoryRegistryStore s;
    CWindowProfile p(s, "/p", 0x00030001);
    p.bounds = {0, 0, 100, 100};
    EXPECT_TRUE(p.CapturePlacement({kShowMinimized, {5, 5, 105, 105}}));
    EXPECT_EQ(p.showState, kShowMinimized);
    EXPECT_EQ(p.bounds, (Rect{0, 0, 100, 100})); // only the state changed
    p.modified = 0;
    EXPECT_FALSE(p.CapturePlacement({kShowMinimized, {0, 0, 100, 100}}));
    EXPECT_FALSE(p.IsModified());
    EXPECT_TRUE(p.CapturePlacement({kShowMinimized, {5, 5, 105, 105}}));
    EXPECT_EQ(p.bounds, (Rect{5, 5, 105, 105}));
    EXPECT_TRUE(p.IsModified());
}

TEST(WindowProfile, WindowIsPulledBackUntilSixteenPixelsShow)
{
    const Rect desktop{0, 0, 1920, 1080};
    // Entirely off to the right and below.
    EXPECT_EQ(KeepOnDesktop({3000, 2000, 3200, 2100}, desktop, 16, 16),
              (Rect{1904, 1064, 2104, 1164}));
    // Off to the left and above.
    EXPECT_EQ(KeepOnDesktop({-500, -300, -400, -200}, desktop, 16, 16), (Rect{-84, -84, 16, 16}));
    // Already showing enough: unchanged.
    EXPECT_EQ(KeepOnDesktop({-84, 10, 16, 110}, desktop, 16, 16), (Rect{-84, 10, 16, 110}));
}

} // namespace
} // namespace orbel
