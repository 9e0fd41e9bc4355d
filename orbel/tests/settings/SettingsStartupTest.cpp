// Loading at start: an unreadable settings file ends the start with the closing message and
// is moved aside, so the next start begins from defaults.
#include <fstream>

#include <gtest/gtest.h>

#include "SettingsFixture.h"
#include "TestFolder.h"
#include "settings/SettingsStartup.h"

namespace orbel {
namespace {

TEST(SettingsStartup, UnreadableFileIsMovedAsideAndTheNextStartIsFresh)
{
    const auto folder = test::MakeTestFolder();
    MemoryRegistryStore store;
    store.Set(RegRoot::LocalMachine, "Software\\Quillon\\Orbel\\CurrentVersion", "Version",
              RegValue::Dword(0x00030000));
    // The first four bytes say 0x00020000, a format this release does not know.
    std::ofstream(folder / "Orbel.dat", std::ios::binary).write("\x00\x00\x02\x00xyz", 7);

    // An action that only reads (its store read-only too) reports the damage and leaves the
    // file where it is.
    store.SetReadOnly(true);
    CAppSettings reader(store, test::FixedPlatform(folder), "/p");
    const StartupLoad reported = LoadSettingsAtStart(reader, BadSettingsFile::LeaveInPlace);
    EXPECT_FALSE(reported.ok);
    EXPECT_EQ(reported.message, (folder / "Orbel.dat").string() + " has a bad format.");
    EXPECT_TRUE(reported.movedTo.empty());
    EXPECT_TRUE(std::filesystem::exists(folder / "Orbel.dat"));
    EXPECT_FALSE(std::filesystem::exists(folder / "Orbel.dat.3.0.bak"));
    store.SetReadOnly(false);

    CAppSettings first(store, test::FixedPlatform(folder), "/p");
    const StartupLoad bad = LoadSettingsAtStart(first);
    EXPECT_FALSE(bad.ok);
    EXPECT_EQ(bad.message, (folder / "Orbel.dat").string() +
                               " has a bad format.\n\nOrbel will now close.\n\nPlease run the "
                               "program again and it will start fresh with default settings.");
    EXPECT_EQ(bad.movedTo, folder / "Orbel.dat.3.0.bak");
    EXPECT_TRUE(std::filesystem::exists(folder / "Orbel.dat.3.0.bak"));
    EXPECT_FALSE(std::filesystem::exists(folder / "Orbel.dat"));

    CAppSettings second(store, test::FixedPlatform(folder), "/p");
    const StartupLoad good = LoadSettingsAtStart(second);
    EXPECT_TRUE(good.ok);
    EXPECT_EQ(second.clocks.Count(), 2u);
    EXPECT_EQ(second.displayFlags, 0x5100u);
}

} // namespace
} // namespace orbel

namespace orbel {
namespace {

TEST(SettingsStartup, MergeModeGivesTheClocksTheCorrectedZoneAtStart)
{
    if (!std::filesystem::exists(kSystemZoneFolder / "Europe/Paris"))
        GTEST_SKIP() << "no tz database on this system";
    const auto folder = test::MakeTestFolder();
    // The database file corrects Paris: daylight time from 01:00 instead of 02:00.
    CRegTimeZoneList file;
    CRegTimeZone corrected;
    corrected.flags = CRegTimeZone::kCorrectionFlag;
    corrected.keyName = "Europe/Paris";
    corrected.info = test::ParisInformation();
    corrected.info.DaylightDate.wHour = 1;
    file.Add(corrected);
    std::string error;
    ASSERT_TRUE(SaveZoneDatabase(file, folder, DateTime::FromCalendar(2026, 1, 1), error));

    MemoryRegistryStore store;
    CAppSettings s(store, test::FixedPlatform(folder), "/p");
    ASSERT_TRUE(LoadSettingsAtStart(s).ok);
    CClock& paris = s.clocks.At(1);
    paris.zone.keyName = "Europe/Paris";
    ZoneSources sources;
    sources.programFolder = folder;
    sources.referenceYear = 2026;

    // Ignore mode: nothing is refreshed at start.
    EXPECT_FALSE(RefreshZonesAtStart(s, sources));
    EXPECT_EQ(paris.zone.info.DaylightDate.wHour, 2);

    s.SetUsageBits(kOptionMerge);
    s.modified = 0;
    EXPECT_TRUE(RefreshZonesAtStart(s, sources));
    EXPECT_TRUE(s.IsModified());
    EXPECT_EQ(paris.zone.info.DaylightDate.wHour, 1);
    EXPECT_EQ(paris.zone.info.Bias, -60);
    // The display name now comes from the system record.
    EXPECT_NE(paris.zone.displayName.find("Europe/Paris"), std::string::npos);
}

} // namespace
} // namespace orbel
