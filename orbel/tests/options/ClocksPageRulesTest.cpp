// The Clocks page's rules that a window test cannot see: which picker entry a clock's zone
// chooses (and what that entry takes from the clock), and the lines' checks.
#include <gtest/gtest.h>

#include "options/OptionsPages.h"
#include "tests/settings/SettingsFixture.h"
#include "tests/settings/TestFolder.h"

namespace orbel {
namespace {

CRegTimeZone Zone(const char* key, const char* display, const char* map, std::int32_t bias)
{
    CRegTimeZone z;
    z.keyName = key;
    z.displayName = display;
    z.mapId = map;
    z.info.Bias = bias;
    return z;
}

TEST(ClocksPageRules, TheLastSameZoneEntryIsChosenAndTakesTheClocksZoneData)
{
    CRegTimeZone paris = Zone("Europe/Paris", "(UTC+01:00) Europe/Paris", "Europe/Paris", -60);
    paris.flags = CRegTimeZone::kCorrectionFlag;
    CRegTimeZone madrid = Zone("Europe/Madrid", "(UTC+01:00) Europe/Madrid", "Europe/Madrid", -60);
    // The same zone under an older key name, known by its display name.
    CRegTimeZone parisAgain = Zone("Romance Standard Time", "(UTC+01:00) Europe/Paris", "", -60);
    std::vector<CRegTimeZone*> entries{&paris, &madrid, &parisAgain};

    // The clock's record carries a corrected bias: the entry found takes it.
    CRegTimeZone clock = Zone("Europe/Paris", "(UTC+01:00) Europe/Paris", "Europe/Paris", -120);
    EXPECT_EQ(ChooseClockZone(entries, clock), 2u);
    EXPECT_EQ(parisAgain.keyName, "Europe/Paris");
    EXPECT_EQ(parisAgain.info.Bias, -120);
    EXPECT_EQ(paris.info.Bias, -60); // the earlier entry is left as it was
    EXPECT_EQ(paris.flags, CRegTimeZone::kCorrectionFlag);

    // No entry is the same zone: none is chosen and none changes.
    const CRegTimeZone tokyo = Zone("Asia/Tokyo", "(UTC+09:00) Asia/Tokyo", "Asia/Tokyo", -540);
    EXPECT_EQ(ChooseClockZone(entries, tokyo), std::nullopt);
    EXPECT_EQ(madrid.keyName, "Europe/Madrid");
    EXPECT_EQ(ChooseClockZone({}, tokyo), std::nullopt);
}

TEST(ClocksPageRules, TheLinesChecksShowOrHideTheirClocks)
{
    MemoryRegistryStore store;
    CAppSettings settings{store, test::FixedPlatform(test::MakeTestFolder()), "/p"};
    settings.SetDefaults();
    settings.clocks.Clear();
    for (int i = 0; i < 3; ++i)
        settings.clocks.Add();
    settings.modified = 0;
    EXPECT_FALSE(StoreClockChecks(settings, {true, true, true}));
    EXPECT_EQ(settings.modified, 0u);
    // A longer list of checks than clocks: the extra ones are ignored.
    EXPECT_TRUE(StoreClockChecks(settings, {true, false, true, false}));
    EXPECT_TRUE(settings.IsModified());
    EXPECT_TRUE(settings.clocks.At(0).IsActive());
    EXPECT_FALSE(settings.clocks.At(1).IsActive());
    EXPECT_TRUE(settings.clocks.At(1).AdjustsForDst()); // only the active flag moves
    EXPECT_EQ(settings.clocks.CountWithFlags(CClock::kActive), 2u);
}

} // namespace
} // namespace orbel
