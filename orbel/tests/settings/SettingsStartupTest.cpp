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

// A clock name in the wide form whose UTF-16 units are no text (a lone surrogate) is valid
// in neither form: the file is damaged, goes aside whole, and the registry keeps its values.
TEST(SettingsStartup, AWideNameThatIsNoTextIsADamagedFile)
{
    const auto folder = test::MakeTestFolder();
    MemoryRegistryStore store;
    CAppSettings s(store, test::FixedPlatform(folder), "/p");
    ASSERT_TRUE(LoadSettingsAtStart(s).ok);
    s.clocks.At(0).name = "Mxyz";
    s.visible = 0;
    s.bounds = {100, 200, 400, 260};
    ASSERT_TRUE(s.Save().ok);
    std::string bytes;
    {
        std::ifstream in(folder / "Orbel.dat", std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    // The name becomes wide: its first unit U+D800, the first half of a pair without its
    // second half, then x, y, z.
    const auto at = bytes.find("\x04Mxyz");
    ASSERT_NE(at, std::string::npos);
    bytes.replace(at, 5, std::string("\xFF\xFE\xFF\x04\x00\xD8x\0y\0z\0", 12));
    std::ofstream(folder / "Orbel.dat", std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));

    CAppSettings next(store, test::FixedPlatform(folder), "/p");
    const StartupLoad load = LoadSettingsAtStart(next);
    EXPECT_FALSE(load.ok);
    EXPECT_EQ(load.message, (folder / "Orbel.dat").string() +
                                " has a bad format.\n\nOrbel will now close.\n\nPlease run the "
                                "program again and it will start fresh with default settings.");
    ASSERT_FALSE(load.movedTo.empty());
    std::ifstream kept(load.movedTo, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), bytes);
    EXPECT_FALSE(std::filesystem::exists(folder / "Orbel.dat"));
    const auto visible =
        store.Query(RegRoot::LocalMachine, "Software\\Quillon\\Orbel\\Window", "Visible");
    ASSERT_TRUE(visible);
    EXPECT_EQ(visible->dword, 0u);
    EXPECT_EQ(
        store.Query(RegRoot::LocalMachine, "Software\\Quillon\\Orbel\\Window", "Bounds.right")
            ->dword,
        400u);
}

// A damaged file that cannot be moved aside would stop every later start the same way: the
// message says so instead of promising a fresh start. The backup's name is made too long
// for the system (the folder's path leaves room for Orbel.dat but not for its backup).
TEST(SettingsStartup, ADamagedFileThatCannotBeMovedAsideIsNamedInTheMessage)
{
    const std::filesystem::path root = test::MakeTestFolder();
    std::filesystem::path folder = root;
    while (folder.string().size() + 200 < 4078)
        folder /= std::string(199, 'd');
    folder /= std::string(4078 - folder.string().size() - 1, 'e');
    ASSERT_EQ(folder.string().size(), 4078u);
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "Orbel.dat", std::ios::binary).write("\x00\x00\x02\x00xyz", 7);
    MemoryRegistryStore store;
    CAppSettings s(store, test::FixedPlatform(folder), "/p");
    const StartupLoad load = LoadSettingsAtStart(s);
    EXPECT_FALSE(load.ok);
    EXPECT_TRUE(load.movedTo.empty());
    EXPECT_TRUE(std::filesystem::exists(folder / "Orbel.dat"));
    const std::string file = (folder / "Orbel.dat").string();
    const std::string expected = file + " has a bad format.\n\nOrbel will now close.\n\n" + file +
                                 " could not be moved aside, so Orbel cannot start fresh. Move or "
                                 "delete that file and run the program again.";
    EXPECT_TRUE(load.message == expected) << load.message.substr(2 * 4000);
    std::filesystem::remove_all(root);
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

    // Ignore mode: the system's record, uncorrected.
    EXPECT_TRUE(RefreshZonesAtStart(s, sources));
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

namespace orbel {
namespace {

TimeZoneInformation OldSaoPaulo()
{
    // Summer time from the first Sunday of November, as Brazil had it until 2019.
    TimeZoneInformation z;
    z.Bias = 180;
    z.DaylightBias = -60;
    z.StandardDate = {0, 2, 0, 3, 0, 0, 0, 0};
    z.DaylightDate = {0, 11, 0, 1, 0, 0, 0, 0};
    return z;
}

// At start every clock takes its zone's rules from today's system database by its key, in
// every mode: a country that dropped daylight saving reaches the clocks that show it. In
// Replace mode the clocks on the user's own records keep them, and when those records
// cannot be read no clock is touched.
TEST(SettingsStartup, ClocksTakeTodaysSystemRulesByKeyAndReplaceKeepsTheUsersOwn)
{
    for (const char* zone : {"Europe/Paris", "America/Sao_Paulo"})
        if (!std::filesystem::exists(kSystemZoneFolder / zone))
            GTEST_SKIP() << "no tz database on this system";
    const auto folder = test::MakeTestFolder();
    MemoryRegistryStore store;
    CAppSettings s(store, test::FixedPlatform(folder), "/p");
    ASSERT_TRUE(LoadSettingsAtStart(s).ok);
    TimeZoneInformation ownParis = test::ParisInformation();
    ownParis.DaylightDate.wHour = 1;
    TimeZoneInformation atlantis;
    atlantis.Bias = 150;
    auto stale = [&] {
        s.clocks.Clear();
        const struct {
            const char* key;
            TimeZoneInformation info;
        } clocks[] = {
            {"Europe/Paris", ownParis},
            {"America/Sao_Paulo", OldSaoPaulo()},
            {"Atlantis/Nowhere", atlantis}, // no such zone: keeps its own
            {"", test::ParisInformation()}, // a default clock: no key
        };
        for (const auto& c : clocks) {
            CClock& clock = s.clocks.Add();
            clock.zone.keyName = c.key;
            clock.zone.info = c.info;
        }
        s.modified = 0;
    };
    ZoneSources sources;
    sources.programFolder = folder;
    sources.referenceYear = 2026;

    stale();
    EXPECT_TRUE(RefreshZonesAtStart(s, sources));
    EXPECT_TRUE(s.IsModified());
    EXPECT_EQ(s.clocks.At(0).zone.info.DaylightDate.wHour, 2);
    EXPECT_NE(s.clocks.At(0).zone.displayName.find("Europe/Paris"), std::string::npos);
    EXPECT_EQ(s.clocks.At(1).zone.info.Bias, 180);
    EXPECT_FALSE(s.clocks.At(1).zone.HasDaylightSaving());
    EXPECT_EQ(s.clocks.At(2).zone.info, atlantis);
    EXPECT_EQ(s.clocks.At(3).zone.keyName, "");
    // A second start finds nothing to change and leaves the settings unmodified.
    s.modified = 0;
    EXPECT_FALSE(RefreshZonesAtStart(s, sources));
    EXPECT_FALSE(s.IsModified());

    // Replace mode: Paris is the user's own record; São Paulo is not among them.
    CRegTimeZoneList file;
    CRegTimeZone own;
    own.flags = CRegTimeZone::kReplacementFlag;
    own.keyName = "Europe/Paris";
    own.info = ownParis;
    file.Add(own);
    std::string error;
    ASSERT_TRUE(SaveZoneDatabase(file, folder, DateTime::FromCalendar(2026, 1, 1), error));
    s.SetUsageBits(kOptionReplace);
    stale();
    EXPECT_TRUE(RefreshZonesAtStart(s, sources));
    EXPECT_EQ(s.clocks.At(0).zone.info, ownParis);
    EXPECT_FALSE(s.clocks.At(1).zone.HasDaylightSaving());

    // Replace mode without the user's file: nothing tells which clocks are the user's own.
    std::filesystem::remove(ZoneDatabasePath(folder));
    stale();
    EXPECT_FALSE(RefreshZonesAtStart(s, sources));
    EXPECT_EQ(s.clocks.At(0).zone.info, ownParis);
    EXPECT_EQ(s.clocks.At(1).zone.info, OldSaoPaulo());
    EXPECT_FALSE(s.IsModified());
}

} // namespace
} // namespace orbel
