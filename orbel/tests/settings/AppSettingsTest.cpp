// The settings object: defaults, the settings file and the registry values it loads and
// saves, version backups and the handling of a file that cannot be read.
#include <fstream>

#include <gtest/gtest.h>

#include "SettingsFixture.h"
#include "TestFolder.h"
#include "settings/AppSettings.h"
#include "settings/SettingsFile.h"
#include "zones/Archive.h"

namespace orbel {
namespace {

constexpr const char* kKey = "Software\\Quillon\\Orbel\\";
const std::string kProgram = "/opt/orbel/orbel";

std::optional<RegValue> Get(const MemoryRegistryStore& s, const std::string& sub,
                            const std::string& name)
{
    return s.Query(RegRoot::LocalMachine, kKey + sub, name);
}

void Put(MemoryRegistryStore& s, const std::string& sub, const std::string& name, RegValue v)
{
    s.Set(RegRoot::LocalMachine, kKey + sub, name, v);
}

void WriteBytes(const std::filesystem::path& p, const std::vector<std::uint8_t>& b)
{
    std::ofstream(p, std::ios::binary)
        .write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

std::string ReadText(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

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

// A settings file of format `format` with one font, two colours and no clock.
Bytes HandBuiltFile(std::uint32_t format, std::uint32_t adjustment = 86400)
{
    Bytes f;
    f.u32(format).u32(0x01004301).u32(12345).u32(adjustment).text("ntp.example.net Lab");
    f.u32(5).u32(0).u32(0);
    f.u32(1).u32(static_cast<std::uint32_t>(-13)).u32(0).u32(0).u32(0).u32(700);
    f.u8(1).u8(0).u8(0).u8(0).u8(3).u8(2).u8(1).u8(0x22);
    f.b.insert(f.b.end(), {'C', 'o', 'u', 'r', 'i', 'e', 'r'});
    f.zeros(32 - 7);
    f.u32(2).u32(0x00FF0000).u32(0xFFFFFFFF);
    f.u16(0); // no clocks
    return f;
}

class AppSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { folder = test::MakeTestFolder(); }
    CAppSettings Make() { return CAppSettings(store, test::FixedPlatform(folder), kProgram); }
    std::filesystem::path DatFile() const { return folder / "Orbel.dat"; }

    std::filesystem::path folder;
    MemoryRegistryStore store;
};

TEST_F(AppSettingsTest, DefaultsAreTheDocumentedOnes)
{
    CAppSettings s = Make();
    s.visible = 0;
    s.displayFlags = 0;
    s.SetDefaults();
    EXPECT_EQ(s.visible, 1u);
    EXPECT_EQ(s.page, 0u);
    EXPECT_EQ(s.antiTask, 0u);
    EXPECT_EQ(s.borderless, 0u);
    EXPECT_EQ(s.displayFlags, 0x5100u);
    EXPECT_EQ(s.displayFlags, kOption24Hour | kOptionSeconds | kOptionShowName);
    EXPECT_EQ(s.updateInterval, 1u);
    EXPECT_EQ(s.adjustmentInterval, 604800u);
    EXPECT_EQ(s.server, "time.example.org Somewhere");
    EXPECT_TRUE(s.lastAdjusted.null());
    ASSERT_EQ(s.fonts.size(), 3u);
    for (const LogFont& f : s.fonts) {
        EXPECT_EQ(f.height, 16);
        EXPECT_EQ(f.Face(), "DejaVu Sans");
    }
    EXPECT_EQ(s.colours, std::vector<std::int32_t>(6, -1));
    EXPECT_EQ(s.timeSeparator, ".");
    EXPECT_EQ(s.amDesignator, "a.m.");
    EXPECT_EQ(s.syncRecord.status, 1);
    EXPECT_EQ(s.onTop, 0u);
    EXPECT_TRUE(s.bounds.Empty());
    EXPECT_EQ(s.showState, 1);
    // Slots and records that are not held read as the system colour and the default font.
    EXPECT_EQ(s.Colour(6), -1);
    s.fonts.clear();
    EXPECT_EQ(s.Font(0).height, 16);
}

TEST_F(AppSettingsTest, FirstStartWritesVersionMakesTwoClocksAndSavesEverything)
{
    CAppSettings s = Make();
    s.SetDefaults();
    EXPECT_EQ(Get(store, "CurrentVersion", "Path")->text, kProgram);
    EXPECT_EQ(Get(store, "CurrentVersion", "Version")->dword, 0x00030001u);
    const LoadResult r = s.Load();
    EXPECT_EQ(r.status, LoadResult::Status::NoFile);
    ASSERT_EQ(s.clocks.Count(), 2u);
    EXPECT_EQ(s.clocks.At(0).name, "Local");
    EXPECT_EQ(s.clocks.At(1).name, "City1");
    EXPECT_EQ(s.clocks.At(0).zone.info, test::ParisInformation());
    EXPECT_TRUE(s.clocks.At(0).zone.keyName.empty());

    s.SetModified();
    const SaveResult w = s.Save();
    EXPECT_TRUE(w.ok) << w.error;
    EXPECT_FALSE(s.IsModified());
    EXPECT_TRUE(std::filesystem::exists(DatFile()));
    EXPECT_EQ(Get(store, "Window", "Visible")->dword, 1u);
    EXPECT_EQ(Get(store, "Window", "State")->dword, 1u);
    EXPECT_EQ(Get(store, "General", "Auto updated")->dword, 0u);
    EXPECT_FALSE(Get(store, "Window", "Bounds.left")); // empty rectangle not written
}

TEST_F(AppSettingsTest, SaveThenLoadGivesBackEveryStoredValue)
{
    CAppSettings s = Make();
    s.SetDefaults();
    s.Load();
    s.visible = 0;
    s.page = 3;
    s.antiTask = 1;
    s.borderless = 1;
    s.displayFlags = kOptionAnalog | kOptionShowDate | kOptionReplace | kOptionAutoAdjust;
    s.updateInterval = 5;
    s.adjustmentInterval = 86400;
    s.server = "192.0.2.1 caf\xC3\xA9";
    s.lastAdjusted = DateTime::FromCalendar(2026, 3, 1, 12, 0, 0);
    s.fonts[0].SetFace("Courier");
    s.fonts[0].italic = 1;
    s.colours = {0x000000FF, -1, 0x00FFFFFF, -1, -1, -1, 0x123456};
    s.clocks.At(1).supplement = 90;
    s.clocks.At(1).flags = 0;
    s.clocks.At(1).zone.keyName = "Europe/Paris";
    s.clocks.Add().name = "Third";
    s.bounds = {10, 20, 330, 140};
    s.onTop = 1;
    s.showState = kShowMaximized;
    ASSERT_TRUE(s.Save().ok);
    EXPECT_EQ(Get(store, "General", "Auto updated")->dword, 1772362800u);
    EXPECT_EQ(Get(store, "Window", "Bounds.right")->dword, 330u);

    CAppSettings t = Make();
    t.SetDefaults();
    ASSERT_EQ(t.Load().status, LoadResult::Status::Loaded);
    EXPECT_EQ(t.visible, 0u);
    EXPECT_EQ(t.page, 3u);
    EXPECT_EQ(t.antiTask, 1u);
    EXPECT_EQ(t.borderless, 1u);
    EXPECT_EQ(t.displayFlags, s.displayFlags);
    EXPECT_EQ(t.updateInterval, 5u);
    EXPECT_EQ(t.adjustmentInterval, 86400u);
    EXPECT_EQ(t.server, "192.0.2.1 caf\xC3\xA9");
    EXPECT_EQ(t.lastAdjusted, DateTime::FromCalendar(2026, 3, 1, 12, 0, 0));
    EXPECT_EQ(t.fonts, s.fonts);
    EXPECT_EQ(t.colours, s.colours);
    ASSERT_EQ(t.clocks.Count(), 3u);
    EXPECT_EQ(t.clocks.At(1).supplement, 90);
    EXPECT_EQ(t.clocks.At(1).flags, 0u);
    EXPECT_EQ(t.clocks.At(1).zone.keyName, "Europe/Paris");
    EXPECT_EQ(t.clocks.At(2).name, "Third");
    EXPECT_EQ(t.bounds, (Rect{10, 20, 330, 140}));
    EXPECT_EQ(t.onTop, 1u);
    EXPECT_EQ(t.showState, kShowMaximized);
}

TEST_F(AppSettingsTest, FileLayoutByteByByte)
{
    CAppSettings s = Make();
    s.SetDefaults();
    s.clocks.Clear();
    s.fonts.clear();
    s.colours = {-1};
    s.server = "abc";
    s.Save();
    const std::string bytes = ReadText(DatFile());
    Bytes expected;
    // 2026-12-08 21:00:00 read as a local time one hour ahead of UTC: 20:00 UTC.
    expected.u32(0x00010000).u32(0x5100).u32(1796760000).u32(604800).text("abc");
    expected.u32(1).u32(0).u32(0).u32(0).u32(1).u32(0xFFFFFFFF).u16(0);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), expected.b);
}

TEST_F(AppSettingsTest, HandBuiltFileIsReadAndAZeroAdjustmentIntervalKeepsTheCurrentOne)
{
    WriteBytes(DatFile(), HandBuiltFile(0x00010000).b);
    CAppSettings s = Make();
    s.SetDefaults();
    ASSERT_EQ(s.Load().status, LoadResult::Status::Loaded);
    EXPECT_EQ(s.displayFlags, 0x01004301u);
    EXPECT_EQ(s.adjustmentInterval, 86400u);
    EXPECT_EQ(s.server, "ntp.example.net Lab");
    EXPECT_EQ(s.updateInterval, 5u);
    ASSERT_EQ(s.fonts.size(), 1u);
    EXPECT_EQ(s.fonts[0].height, -13);
    EXPECT_EQ(s.fonts[0].weight, 700);
    EXPECT_EQ(s.fonts[0].italic, 1);
    EXPECT_EQ(s.fonts[0].pitchAndFamily, 0x22);
    EXPECT_EQ(s.fonts[0].Face(), "Courier");
    EXPECT_EQ(s.colours, (std::vector<std::int32_t>{0x00FF0000, -1}));
    EXPECT_EQ(s.Colour(2), -1);
    EXPECT_EQ(s.Font(2).Face(), "DejaVu Sans");
    // No clock in the file: the two default clocks.
    EXPECT_EQ(s.clocks.Count(), 2u);

    WriteBytes(DatFile(), HandBuiltFile(0x00010000, 0).b);
    CAppSettings t = Make();
    t.SetDefaults();
    t.adjustmentInterval = 777;
    ASSERT_EQ(t.Load().status, LoadResult::Status::Loaded);
    EXPECT_EQ(t.adjustmentInterval, 777u);
}

TEST_F(AppSettingsTest, EarlyFormatIsReadAsTheReleasedOne)
{
    WriteBytes(DatFile(), HandBuiltFile(0x80000001).b);
    CAppSettings s = Make();
    s.SetDefaults();
    EXPECT_EQ(s.Load().status, LoadResult::Status::Loaded);
    EXPECT_EQ(s.server, "ntp.example.net Lab");
}

TEST_F(AppSettingsTest, NewerFormatIsRefusedWithTheClosingMessageAndTheFileMovedAside)
{
    Put(store, "CurrentVersion", "Version", RegValue::Dword(0x00030001));
    WriteBytes(DatFile(), HandBuiltFile(0x00020000).b);
    CAppSettings s = Make();
    s.SetDefaults();
    const LoadResult r = s.Load();
    ASSERT_EQ(r.status, LoadResult::Status::Failed);
    EXPECT_EQ(r.error, DatFile().string() + " has a bad format.");
    EXPECT_EQ(s.server, "time.example.org Somewhere"); // nothing of the file was taken
    EXPECT_EQ(BadSettingsMessage(r.error, "Orbel"),
              DatFile().string() +
                  " has a bad format.\n\nOrbel will now close.\n\nPlease run the program "
                  "again and it will start fresh with default settings.");

    const auto moved = RetireBadSettingsFile(DatFile(), s.storedVersion);
    EXPECT_EQ(moved, folder / "Orbel.dat.3.1.bak");
    EXPECT_FALSE(std::filesystem::exists(DatFile()));
    EXPECT_EQ(ReadText(moved).size(), HandBuiltFile(0x00020000).b.size());

    // The next start begins from defaults.
    CAppSettings t = Make();
    t.SetDefaults();
    EXPECT_EQ(t.Load().status, LoadResult::Status::NoFile);

    // A second bad file never replaces the first backup.
    WriteBytes(DatFile(), {1, 2, 3});
    EXPECT_EQ(RetireBadSettingsFile(DatFile(), s.storedVersion), folder / "Orbel.dat.3.1.bak1");
    EXPECT_EQ(ReadText(moved).size(), HandBuiltFile(0x00020000).b.size());
}

TEST_F(AppSettingsTest, DamagedFilesFailToLoadWherevereTheyEnd)
{
    CAppSettings s = Make();
    s.SetDefaults();
    s.Load();
    s.Save();
    const std::string whole = ReadText(DatFile());
    ASSERT_FALSE(whole.empty());
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        SettingsFileContent content;
        const auto r =
            ReadSettingsBytes(reinterpret_cast<const std::uint8_t*>(whole.data()), cut, content);
        EXPECT_EQ(r.status, SettingsReadResult::Status::Damaged) << cut;
    }
    // Through Load as well.
    WriteBytes(DatFile(), std::vector<std::uint8_t>(whole.begin(), whole.end() - 1));
    CAppSettings t = Make();
    t.SetDefaults();
    EXPECT_EQ(t.Load().status, LoadResult::Status::Failed);
}

TEST_F(AppSettingsTest, CountsAndLengthsThatRunPastTheEndAreRefused)
{
    auto status = [](const Bytes& f) {
        SettingsFileContent c;
        return ReadSettingsBytes(f.b.data(), f.b.size(), c).status;
    };
    Bytes header;
    header.u32(0x00010000).u32(0).u32(0).u32(0);
    // A text of four gigabytes announced in a small file.
    Bytes hugeText = header;
    hugeText.u8(0xFF).u16(0xFFFF).u32(0xFFFFFFF0).zeros(16);
    EXPECT_EQ(status(hugeText), SettingsReadResult::Status::Damaged);
    // Font and colour counts beyond the bytes left.
    Bytes fonts = header;
    fonts.text("").u32(1).u32(0).u32(0).u32(0x04000000).zeros(100);
    EXPECT_EQ(status(fonts), SettingsReadResult::Status::Damaged);
    Bytes colours = header;
    colours.text("").u32(1).u32(0).u32(0).u32(0).u32(0xFFFFFFFF).zeros(100);
    EXPECT_EQ(status(colours), SettingsReadResult::Status::Damaged);
    // An unknown class in the clock list.
    Bytes unknown = header;
    unknown.text("").u32(1).u32(0).u32(0).u32(0).u32(0).u16(1).u16(0xFFFF).u16(2).u16(6);
    unknown.b.insert(unknown.b.end(), {'C', 'T', 'i', 'm', 'e', 'r'});
    unknown.zeros(300);
    EXPECT_EQ(status(unknown), SettingsReadResult::Status::Damaged);
    // A reference to an object not yet given.
    Bytes ahead = header;
    ahead.text("").u32(1).u32(0).u32(0).u32(0).u32(0).u16(1).u16(0x0005).zeros(300);
    EXPECT_EQ(status(ahead), SettingsReadResult::Status::Damaged);
    // A clock count far beyond the bytes left.
    Bytes clocks = header;
    clocks.text("").u32(1).u32(0).u32(0).u32(0).u32(0).u16(0xFFFF).u32(0x7FFFFFFF).zeros(8);
    EXPECT_EQ(status(clocks), SettingsReadResult::Status::Damaged);
}

TEST_F(AppSettingsTest, VersionChangeCopiesTheFileToABackupOfTheOldVersion)
{
    {
        CAppSettings s = Make();
        s.SetDefaults();
        s.Load();
        s.Save();
    }
    const std::string original = ReadText(DatFile());
    Put(store, "CurrentVersion", "Version", RegValue::Dword(0x00030000));
    // A backup of an earlier change already exists: the counter moves on.
    WriteBytes(folder / "Orbel.dat.3.0.bak", {9});
    CAppSettings s = Make();
    s.SetDefaults();
    EXPECT_EQ(s.storedVersion, 0x00030000u);
    EXPECT_EQ(Get(store, "CurrentVersion", "Version")->dword, 0x00030001u);
    ASSERT_EQ(s.Load().status, LoadResult::Status::Loaded);
    EXPECT_EQ(ReadText(folder / "Orbel.dat.3.0.bak1"), original);
    EXPECT_EQ(ReadText(folder / "Orbel.dat.3.0.bak"), "\x09");
    EXPECT_EQ(ReadText(DatFile()), original); // the file itself stays

    // Same version on the next start: no further copy.
    CAppSettings t = Make();
    t.SetDefaults();
    t.Load();
    EXPECT_FALSE(std::filesystem::exists(folder / "Orbel.dat.3.0.bak2"));
    EXPECT_FALSE(std::filesystem::exists(folder / "Orbel.dat.3.1.bak"));
}

TEST(SettingsBackup, NamesCarryMajorAndMinorAndACounter)
{
    const auto folder = test::MakeTestFolder();
    const auto file = folder / "Orbel.dat";
    EXPECT_EQ(BackupName(file, 0x00030000), folder / "Orbel.dat.3.0.bak");
    EXPECT_EQ(BackupName(file, 0x000A0102), folder / "Orbel.dat.10.258.bak");
    EXPECT_EQ(BackupName(file, 0xFFFF0000), folder / "Orbel.dat.65535.0.bak");
    // No file, version 0 or 0xFFFFFFFF: no backup.
    EXPECT_TRUE(MakeVersionBackup(file, 0x00030000).empty());
    WriteBytes(file, {1, 2});
    EXPECT_TRUE(MakeVersionBackup(file, 0).empty());
    EXPECT_TRUE(MakeVersionBackup(file, 0xFFFFFFFF).empty());
    EXPECT_EQ(MakeVersionBackup(file, 0x00030000), folder / "Orbel.dat.3.0.bak");
    EXPECT_EQ(MakeVersionBackup(file, 0x00030000), folder / "Orbel.dat.3.0.bak1");
    EXPECT_EQ(MakeVersionBackup(file, 0x00030000), folder / "Orbel.dat.3.0.bak2");
    EXPECT_EQ(ReadText(folder / "Orbel.dat.3.0.bak2"), "\x01\x02");
    // Only the file and its three backups: no temporary left behind.
    int files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder))
        ++files;
    EXPECT_EQ(files, 4);
}

TEST_F(AppSettingsTest, AFailedSaveReportsTheErrorAndKeepsWhatWasThere)
{
    CAppSettings s = Make();
    s.SetDefaults();
    s.Load();
    // A folder in the file's place: the rename over it fails.
    std::filesystem::create_directories(DatFile() / "inside");
    s.SetModified();
    const SaveResult r = s.Save();
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("Orbel.dat"), std::string::npos);
    EXPECT_FALSE(s.IsModified()); // the registry part still clears the mark
    EXPECT_TRUE(std::filesystem::is_directory(DatFile() / "inside"));
    int files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder))
        ++files;
    EXPECT_EQ(files, 1);
}

TEST_F(AppSettingsTest, AutoUpdatedOfZeroIsNeverAndRegistryWrongTypesReadAsDefaults)
{
    Put(store, "General", "Auto updated", RegValue::Dword(1772362800));
    Put(store, "Window", "Visible", RegValue::String("0"));
    Put(store, "Window", "Page", RegValue::Dword(2));
    CAppSettings s = Make();
    s.SetDefaults();
    s.Load();
    EXPECT_EQ(s.lastAdjusted, DateTime::FromCalendar(2026, 3, 1, 12, 0, 0));
    EXPECT_EQ(s.visible, 1u);
    EXPECT_EQ(s.page, 2u);
    Put(store, "General", "Auto updated", RegValue::Dword(0));
    s.Load();
    EXPECT_TRUE(s.lastAdjusted.null());
}

TEST_F(AppSettingsTest, UsageModeBitsReplaceEachOther)
{
    CAppSettings s = Make();
    s.SetDefaults();
    s.SetUsageBits(kOptionMerge);
    EXPECT_EQ(s.displayFlags, 0x5100u | kOptionMerge);
    EXPECT_TRUE(s.IsModified());
    s.SetUsageBits(kOptionReplace);
    EXPECT_EQ(s.displayFlags, 0x5100u | kOptionReplace);
    s.SetUsageBits(0);
    EXPECT_EQ(s.displayFlags, 0x5100u);
}

TEST_F(AppSettingsTest, ChangesMarkTheSettingsModifiedOnlyWhenSomethingChanged)
{
    CAppSettings s = Make();
    s.SetDefaults();
    s.Load();
    EXPECT_FALSE(s.IsModified());
    EXPECT_FALSE(s.SetBorderless(false));
    EXPECT_FALSE(s.SetAntiTask(false));
    EXPECT_FALSE(s.IsModified());
    EXPECT_TRUE(s.SetBorderless(true));
    EXPECT_TRUE(s.IsModified());
    s.Save();
    EXPECT_TRUE(s.SetAntiTask(true));
    EXPECT_TRUE(s.IsModified());
    s.Save();

    // The default clocks have empty names and map id; a zone list without their zone
    // changes nothing, one holding a record with their bias, daylight saving and (empty)
    // map id does.
    CRegTimeZoneList zones;
    CRegTimeZone tokyo;
    tokyo.keyName = "Asia/Tokyo";
    tokyo.displayName = "(UTC+09:00) Asia/Tokyo";
    tokyo.info.Bias = -540;
    zones.Add(tokyo);
    EXPECT_FALSE(s.RefreshZones(zones));
    EXPECT_FALSE(s.IsModified());
    CRegTimeZone paris;
    paris.keyName = "Europe/Paris";
    paris.displayName = "(UTC+01:00) Europe/Paris";
    paris.info = test::ParisInformation();
    zones.Add(paris);
    EXPECT_TRUE(s.RefreshZones(zones));
    EXPECT_TRUE(s.IsModified());
    EXPECT_EQ(s.clocks.At(0).zone.keyName, "Europe/Paris");
}

} // namespace
} // namespace orbel
