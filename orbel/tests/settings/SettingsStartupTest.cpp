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
