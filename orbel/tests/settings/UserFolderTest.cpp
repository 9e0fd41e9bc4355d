// The world clock's data folder: its own folder in the build tree; installed, the user's
// configuration folder, or the share folder with the reason when that cannot be made.
#include <filesystem>
#include <fstream>
#include <random>

#include <gtest/gtest.h>

#include "settings/UserFolder.h"

namespace orbel {
namespace {

namespace fs = std::filesystem;

TEST(UserFolder, BuildTreeInstalledAndUnwritable)
{
    const fs::path root =
        fs::temp_directory_path() / ("orbel_user_folder_" + std::to_string(std::random_device{}()));
    const fs::path bin = root / "usr" / "bin";
    const fs::path shared = root / "usr" / "share" / "orbel";
    fs::create_directories(bin);

    // Not installed yet: no share/orbel beside bin.
    EXPECT_EQ(ResolveDataFolder(bin, (root / "cfg").c_str(), "/h").folder, bin);
    EXPECT_EQ(ResolveDataFolder(root / "orbel-bin", "/x", "/h").folder, root / "orbel-bin");

    fs::create_directories(shared);
    DataFolder d = ResolveDataFolder(bin, (root / "cfg").c_str(), "/h");
    EXPECT_EQ(d.folder, root / "cfg" / "orbel");
    EXPECT_TRUE(fs::is_directory(d.folder));
    d = ResolveDataFolder(bin, "", (root / "home").c_str());
    EXPECT_EQ(d.folder, root / "home" / ".config" / "orbel");

    std::ofstream(root / "file") << "x";
    d = ResolveDataFolder(bin, (root / "file").c_str(), nullptr);
    EXPECT_EQ(d.folder, shared);
    EXPECT_NE(d.warning.find((root / "file" / "orbel").string()), std::string::npos) << d.warning;
    fs::remove_all(root);
}

} // namespace
} // namespace orbel
