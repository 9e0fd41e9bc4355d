// The registry stand-in: typed values, names without letter case, the file that keeps them
// and survives damage.
#include <fstream>

#include <gtest/gtest.h>

#include "TestFolder.h"
#include "settings/FileRegistryStore.h"
#include "settings/RegProfile.h"

namespace orbel {
namespace {

TEST(RegistryStore, KeyAndValueNamesIgnoreLetterCaseAndStraySeparators)
{
    MemoryRegistryStore s;
    ASSERT_TRUE(s.Set(RegRoot::LocalMachine, "Software\\Quillon\\Orbel\\Window", "Visible",
                      RegValue::Dword(1)));
    const auto v =
        s.Query(RegRoot::LocalMachine, "software\\\\QUILLON\\orbel\\window\\", "VISIBLE");
    ASSERT_TRUE(v);
    EXPECT_EQ(*v, RegValue::Dword(1));
    // The other root is another tree.
    EXPECT_FALSE(s.Query(RegRoot::CurrentUser, "Software\\Quillon\\Orbel\\Window", "Visible"));
}

TEST(RegistryStore, TextFormSurvivesEveryCharacterAndSkipsDamagedLines)
{
    MemoryRegistryStore s;
    std::string odd = "C:\\Program Files\\\"Orbel\"\n\t\x01 caf\xC3\xA9";
    s.Set(RegRoot::LocalMachine, "Software\\A", "Path", RegValue::String(odd));
    s.Set(RegRoot::LocalMachine, "Software\\A", "Max", RegValue::Dword(0xFFFFFFFF));
    s.Set(RegRoot::CurrentUser, "Software\\B", "Zero", RegValue::Dword(0));

    MemoryRegistryStore back;
    back.Parse(s.Serialize());
    EXPECT_EQ(back.Count(), 3u);
    EXPECT_EQ(back.Query(RegRoot::LocalMachine, "Software\\A", "Path")->text, odd);
    EXPECT_EQ(back.Query(RegRoot::LocalMachine, "Software\\A", "Max")->dword, 0xFFFFFFFFu);

    // Damage: a bad section swallows its values, bad lines drop only themselves.
    back.Parse("[HKEY_LOCAL_MACHINE\\Software\\A]\n"
               "\"Good\"=dword:0000002a\r\n"
               "\"TooLong\"=dword:123456789\n"
               "\"Unclosed\"=\"abc\n"
               "\"BadEscape\"=\"a\\q\"\n"
               "garbage\n"
               "[NOWHERE\\Software\\A]\n"
               "\"Lost\"=dword:00000001\n"
               "[HKEY_LOCAL_MACHINE\\Software\\A\n"
               "\"AlsoLost\"=dword:00000001\n"
               "[HKEY_CURRENT_USER\\Software\\C]\n"
               "\"Text\"=\"x\\x41y\"\n");
    EXPECT_EQ(back.Count(), 2u);
    EXPECT_EQ(back.Query(RegRoot::LocalMachine, "Software\\A", "Good")->dword, 42u);
    EXPECT_EQ(back.Query(RegRoot::CurrentUser, "Software\\C", "Text")->text, "xAy");
}

TEST(FileRegistryStore, FolderComesFromXdgConfigHomeThenHome)
{
    EXPECT_EQ(FileRegistryStore::FolderFrom("/x/cfg", "/home/u"), "/x/cfg/orbel");
    EXPECT_EQ(FileRegistryStore::FolderFrom("relative", "/home/u"), "/home/u/.config/orbel");
    EXPECT_EQ(FileRegistryStore::FolderFrom("", "/home/u"), "/home/u/.config/orbel");
    EXPECT_EQ(FileRegistryStore::FolderFrom(nullptr, nullptr), "");
}

TEST(FileRegistryStore, WritesReachTheFileAndANewStoreReadsThem)
{
    const auto folder = test::MakeTestFolder() / "cfg" / "orbel";
    {
        FileRegistryStore s(folder);
        EXPECT_TRUE(s.Set(RegRoot::LocalMachine, "Software\\Quillon\\Orbel\\General",
                          "Auto updated", RegValue::Dword(1767225600)));
        EXPECT_TRUE(s.Set(RegRoot::LocalMachine, "Software\\Quillon\\Orbel\\CurrentVersion", "Path",
                          RegValue::String("/opt/orbel/orbel")));
    }
    FileRegistryStore again(folder);
    EXPECT_EQ(
        again.Query(RegRoot::LocalMachine, "Software\\Quillon\\Orbel\\General", "Auto updated")
            ->dword,
        1767225600u);
    EXPECT_EQ(
        again.Query(RegRoot::LocalMachine, "Software\\Quillon\\Orbel\\CurrentVersion", "Path")
            ->text,
        "/opt/orbel/orbel");
    // Only the store's file is left in the folder: no temporary files.
    int files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder))
        ++files;
    EXPECT_EQ(files, 1);
}

TEST(FileRegistryStore, AFailedWriteKeepsTheOldFileAndTheOldValue)
{
    const auto root = test::MakeTestFolder();
    const auto folder = root / "orbel";
    FileRegistryStore s(folder);
    ASSERT_TRUE(s.Set(RegRoot::LocalMachine, "K", "V", RegValue::Dword(1)));
    ASSERT_TRUE(std::filesystem::is_regular_file(s.FilePath()));

    // A folder standing where the temporary file goes makes the write fail.
    auto temp = s.FilePath();
    temp += ".tmp";
    std::filesystem::create_directories(temp / "inside");
    EXPECT_FALSE(s.Set(RegRoot::LocalMachine, "K", "V", RegValue::Dword(2)));
    EXPECT_FALSE(s.LastError().empty());
    const auto v = s.Query(RegRoot::LocalMachine, "K", "V");
    ASSERT_TRUE(v);
    EXPECT_EQ(v->dword, 1u);
    FileRegistryStore again(folder);
    ASSERT_TRUE(again.Query(RegRoot::LocalMachine, "K", "V"));
    EXPECT_EQ(again.Query(RegRoot::LocalMachine, "K", "V")->dword, 1u);
}

TEST(RegProfile, WrongTypeOrMissingValueReadsAsTheDefault)
{
    MemoryRegistryStore s;
    CRegProfile p(s);
    EXPECT_EQ(p.KeyPath(), "Software\\Quillon\\Orbel\\");
    s.Set(RegRoot::LocalMachine, "Software\\Quillon\\Orbel\\Window", "Visible",
          RegValue::String("1"));
    s.Set(RegRoot::LocalMachine, "Software\\Quillon\\Orbel\\CurrentVersion", "Path",
          RegValue::Dword(7));
    EXPECT_EQ(p.GetDword("Window", "Visible", 5), 5u);
    EXPECT_EQ(p.GetString("CurrentVersion", "Path", "def"), "def");
    EXPECT_EQ(p.GetDword("Window", "Missing", 9), 9u);
    EXPECT_EQ(p.GetDword("NoSuchKey", "Visible", 3), 3u);

    EXPECT_TRUE(p.SetDword("Window", "Visible", 0));
    EXPECT_EQ(p.GetDword("Window", "Visible", 5), 0u);
    EXPECT_TRUE(p.SetString("Window", "Title", "x"));
    EXPECT_EQ(p.GetString("Window", "Title", ""), "x");
}

TEST(RegProfile, AMissingNameLeavesNoKeyToReadOrWrite)
{
    MemoryRegistryStore s;
    CRegProfile p(s, "Quillon", "");
    EXPECT_EQ(p.KeyPath(), "");
    EXPECT_FALSE(p.SetDword("Window", "Visible", 1));
    EXPECT_EQ(s.Count(), 0u);
    EXPECT_EQ(p.GetDword("Window", "Visible", 4), 4u);
    p.SetNames("Quillon", "Orbel");
    EXPECT_TRUE(p.SetDword("Window", "Visible", 1));
    EXPECT_TRUE(s.Query(RegRoot::LocalMachine, "Software\\Quillon\\Orbel\\Window", "Visible"));
}

TEST(FileRegistryStore, TwoProgramsSharingTheStoreSeeEachOthersValues)
{
    const auto folder = test::MakeTestFolder() / "orbel";
    FileRegistryStore window(folder);
    FileRegistryStore adjust(folder); // opened before anything was written
    ASSERT_TRUE(window.Set(RegRoot::LocalMachine, "W", "Visible", RegValue::Dword(1)));
    ASSERT_TRUE(adjust.Set(RegRoot::LocalMachine, "G", "Auto updated", RegValue::Dword(99)));
    // The window's next write keeps the other program's value.
    ASSERT_TRUE(window.Set(RegRoot::LocalMachine, "W", "Page", RegValue::Dword(2)));
    EXPECT_EQ(window.Query(RegRoot::LocalMachine, "G", "Auto updated")->dword, 99u);
    EXPECT_EQ(adjust.Query(RegRoot::LocalMachine, "W", "Page")->dword, 2u);
    FileRegistryStore later(folder);
    EXPECT_EQ(later.Count(), 3u);
    // A store removed from under the program reads as empty.
    std::filesystem::remove(later.FilePath());
    EXPECT_FALSE(later.Query(RegRoot::LocalMachine, "W", "Visible"));
}

// A write re-reads the file first; when that read fails (here the file is beyond the size a
// store can be), the write is refused rather than replacing the file with the one value.
TEST(FileRegistryStore, AWriteAfterAFailedReadLeavesTheFileAsItWas)
{
    const auto folder = test::MakeTestFolder() / "orbel";
    FileRegistryStore s(folder);
    ASSERT_TRUE(s.Set(RegRoot::LocalMachine, "W", "Visible", RegValue::Dword(0)));
    ASSERT_TRUE(s.Set(RegRoot::LocalMachine, "W", "Page", RegValue::Dword(3)));
    {
        std::ofstream grow(s.FilePath(), std::ios::app);
        for (int i = 0; i < 40000; ++i)
            grow << "; a line the store does not understand\n";
    }
    auto whole = [&] {
        std::ifstream in(s.FilePath(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const std::string before = whole();
    ASSERT_GT(before.size(), 1u << 20);
    EXPECT_FALSE(s.Set(RegRoot::LocalMachine, "W", "On top", RegValue::Dword(1)));
    EXPECT_FALSE(s.LastError().empty());
    EXPECT_TRUE(whole() == before);
    EXPECT_EQ(s.Query(RegRoot::LocalMachine, "W", "On top"), std::nullopt);
}

} // namespace
} // namespace orbel
