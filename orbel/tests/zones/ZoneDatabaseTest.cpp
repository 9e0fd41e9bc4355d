// The corrected zone database file, the zone list of each usage mode, the texts of the
// daylight-saving page and the transition descriptions.
#include <gtest/gtest.h>

#include "ZoneTestFiles.h"
#include "options/TziPageModel.h"
#include "zones/FileBytes.h"
#include "zones/TransitionText.h"
#include "zones/ZoneTime.h"

using namespace orbel;
using namespace orbel::test;

namespace {

// A system database of three zones: Madrid and Paris (same rules) and New York.
class Zones : public ::testing::Test {
protected:
    void SetUp() override
    {
        system_.Write("zone1970.tab", "FR\t+4852+00220\tEurope/Paris\n"
                                      "ES\t+4024-00341\tEurope/Madrid\n"
                                      "US\t+404251-0740023\tAmerica/New_York\n");
        system_.Write("Europe/Paris", Tzif("CET-1CEST,M3.5.0,M10.5.0/3"));
        system_.Write("Europe/Madrid", Tzif("CET-1CEST,M3.5.0,M10.5.0/3"));
        system_.Write("America/New_York", Tzif("EST5EDT,M3.2.0,M11.1.0"));
        sources_.systemFolder = system_.path();
        sources_.programFolder = program_.path();
        sources_.referenceYear = 2026;
    }

    static CRegTimeZone Record(std::uint32_t flags, const std::string& key,
                               const std::string& display)
    {
        CRegTimeZone z;
        z.flags = flags;
        z.keyName = key;
        z.displayName = display;
        z.mapId = key;
        z.info.Bias = -60;
        z.info.DaylightBias = -60;
        z.info.DaylightDate = {0, 4, 0, 1, 2, 0, 0, 0}; // a corrected rule: first Sunday of April
        z.info.StandardDate = {0, 9, 0, 5, 3, 0, 0, 0}; // last Sunday of September
        return z;
    }

    void WriteFile(CRegTimeZoneList& list)
    {
        std::string error;
        ASSERT_TRUE(
            SaveZoneDatabase(list, program_.path(), DateTime::FromCalendar(2026, 1, 2), error))
            << error;
    }

    CRegTimeZoneList Build(ZoneDatabaseUsage usage)
    {
        CRegTimeZoneList list;
        BuildZoneList(list, usage, sources_);
        return list;
    }

    TempFolder system_, program_;
    ZoneSources sources_;
};

} // namespace

TEST_F(Zones, TwoRecordsOneForEachUse)
{
    CRegTimeZoneList file;
    file.title = "Orbel corrections";
    file.Add(Record(CRegTimeZone::kCorrectionFlag, "Europe/Paris", "(UTC+01:00) Europe/Paris"));
    file.Add(Record(3, "Europe/Madrid", "(UTC+01:00) Europe/Madrid"));
    WriteFile(file);

    TziPageModel page;
    page.Open(sources_);
    EXPECT_EQ(page.StatusText(),
              "2 record(s) found in " + (program_.path() / "OrbelTZI.dat").string());
    EXPECT_EQ(page.OfferedModes(), 3);
    EXPECT_EQ(page.UsageItems(), (std::vector<std::string>{"Ignore (use system records)",
                                                           "Merge (correct system records)",
                                                           "Replace (use Orbel records)"}));
    EXPECT_EQ(page.fileZones().title, "Orbel corrections");
    EXPECT_EQ(page.fileZones().saveTime, DateTime::FromCalendar(2026, 1, 2));

    const CRegTimeZoneList replace = Build(ZoneDatabaseUsage::Replace);
    ASSERT_EQ(replace.size(), 1u);
    EXPECT_EQ(replace[0].keyName, "Europe/Madrid");

    // Merge: both system records take the corrected rules; New York stays.
    const CRegTimeZoneList merge = Build(ZoneDatabaseUsage::Merge);
    ASSERT_EQ(merge.size(), 3u);
    EXPECT_EQ(merge[1].keyName, "Europe/Madrid");
    EXPECT_EQ(merge[1].info.DaylightDate.wMonth, 4);
    EXPECT_EQ(merge[2].info.StandardDate.wMonth, 9);
    EXPECT_EQ(merge[0].info.DaylightDate.wMonth, 3);
    EXPECT_EQ(merge[2].flags, 0u); // the system record keeps its own flags

    // The page's picker and texts.
    std::uint32_t filter = 0;
    EXPECT_EQ(&page.PickerZones(ZoneDatabaseUsage::Replace, filter), &page.fileZones());
    EXPECT_EQ(filter, kZoneFilterReplacement);
    EXPECT_EQ(&page.PickerZones(ZoneDatabaseUsage::Merge, filter), &page.systemZones());
    EXPECT_EQ(filter, kZoneFilterAll);
    const CRegTimeZone& paris = page.systemZones()[2];
    TziTransitionTexts t = page.Describe(&paris, ZoneDatabaseUsage::Merge, 2026);
    EXPECT_EQ(t.systemStart, "Last Sunday of March at 02:00:00");
    EXPECT_EQ(t.systemEnd, "Last Sunday of October at 03:00:00");
    EXPECT_EQ(t.orbelStart, "1st Sunday of April at 02:00:00");
    EXPECT_EQ(t.orbelEnd, "Last Sunday of September at 03:00:00");
    // Paris has only the correction flag: in Replace mode the file has no record for it.
    t = page.Describe(&paris, ZoneDatabaseUsage::Replace, 2026);
    EXPECT_EQ(t.orbelStart, "Same as Windows");
    t = page.Describe(&paris, ZoneDatabaseUsage::Ignore, 2026);
    EXPECT_EQ(t.orbelEnd, "Same as Windows");
    t = page.Describe(nullptr, ZoneDatabaseUsage::Merge, 2026);
    EXPECT_EQ(t.systemStart + t.systemEnd + t.orbelStart + t.orbelEnd, "");
}

TEST_F(Zones, WithoutReplacementRecordsTwoModesAreOffered)
{
    CRegTimeZoneList file;
    file.Add(Record(CRegTimeZone::kCorrectionFlag, "Europe/Paris", "x"));
    WriteFile(file);
    TziPageModel page;
    page.Open(sources_);
    EXPECT_EQ(page.OfferedModes(), 2);
    EXPECT_EQ(page.UsageItems().size(), 2u);
    EXPECT_TRUE(Build(ZoneDatabaseUsage::Replace).empty());
}

TEST_F(Zones, MergeMatchesByDisplayNameAndKeepsTheSystemNames)
{
    CRegTimeZoneList file;
    file.Add(Record(CRegTimeZone::kCorrectionFlag, "Romance Standard Time",
                    "(UTC-05:00) America/New_York"));
    file.Add(Record(CRegTimeZone::kCorrectionFlag, "Nowhere", "Nowhere")); // matches nothing
    file.Add(Record(CRegTimeZone::kReplacementFlag, "Europe/Paris", "p")); // not a correction
    WriteFile(file);
    const CRegTimeZoneList merge = Build(ZoneDatabaseUsage::Merge);
    const CRegTimeZoneList system = Build(ZoneDatabaseUsage::Ignore);
    ASSERT_EQ(merge.size(), 3u);
    EXPECT_EQ(merge[0].keyName, "America/New_York");
    EXPECT_EQ(merge[0].displayName, "(UTC-05:00) America/New_York");
    EXPECT_EQ(merge[0].mapId, "America/New_York");
    EXPECT_EQ(merge[0].info, file[0].info);
    EXPECT_EQ(merge[1].info, system[1].info);
    EXPECT_EQ(merge[2].info, system[2].info);
}

TEST_F(Zones, Schema1RecordsAreUsedNeitherInMergeNorInReplace)
{
    // A file holding one record of the older layout, written by hand.
    ArchiveWriter w;
    w.U32(CRegTimeZoneList::kFileTag);
    w.U32(CRegTimeZoneList::kFileVersion);
    w.Text("old");
    w.U32(1);
    w.Date(DateTime::Null());
    w.U32(0);
    w.U32(0);
    w.U32(0);
    w.Text("");
    w.Text("");
    w.Count(1);
    w.BeginObject("CRegTimeZone", 1);
    w.U32(0);
    w.Text("Europe/Paris");
    w.Text("(UTC+01:00) Europe/Paris");
    std::uint8_t raw[172];
    Record(0, "", "").info.ToBytes(raw);
    w.Bytes(raw, sizeof raw);
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(ZoneDatabasePath(program_.path()), w.bytes(), error));

    CRegTimeZoneList loaded;
    ASSERT_TRUE(LoadZoneDatabase(loaded, program_.path(), error)) << error;
    ASSERT_EQ(loaded.size(), 1u);
    EXPECT_EQ(loaded[0].flags, 0u);
    EXPECT_TRUE(Build(ZoneDatabaseUsage::Replace).empty());
    const CRegTimeZoneList merge = Build(ZoneDatabaseUsage::Merge);
    EXPECT_EQ(merge[2].info.DaylightDate.wMonth, 3); // Paris uncorrected
}

TEST_F(Zones, MissingOrDamagedFileFailsSilently)
{
    // No file: Replace gives nothing, Merge the plain system zones, the page offers Ignore.
    EXPECT_TRUE(Build(ZoneDatabaseUsage::Replace).empty());
    EXPECT_EQ(Build(ZoneDatabaseUsage::Merge).size(), 3u);
    TziPageModel page;
    page.Open(sources_);
    EXPECT_EQ(page.OfferedModes(), 1);
    EXPECT_EQ(page.StatusText(), (program_.path() / "OrbelTZI.dat").string() + " was not found.");
    EXPECT_EQ(page.UsageItems(), std::vector<std::string>{"Ignore (use system records)"});

    // A file cut inside its second record: Replace keeps the first record, unfiltered;
    // Merge applies no correction at all.
    CRegTimeZoneList file;
    file.Add(Record(CRegTimeZone::kCorrectionFlag, "Europe/Paris", "a"));
    file.Add(Record(3, "Europe/Madrid", "b"));
    ArchiveWriter w;
    file.Store(w, DateTime::Null());
    std::vector<std::uint8_t> bytes = w.Take();
    bytes.resize(bytes.size() - 10);
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(ZoneDatabasePath(program_.path()), bytes, error));
    const CRegTimeZoneList replace = Build(ZoneDatabaseUsage::Replace);
    ASSERT_EQ(replace.size(), 1u);
    EXPECT_EQ(replace[0].keyName, "Europe/Paris");
    const CRegTimeZoneList merge = Build(ZoneDatabaseUsage::Merge);
    EXPECT_EQ(merge[2].info.DaylightDate.wMonth, 3);
    page.Open(sources_);
    EXPECT_EQ(page.OfferedModes(), 1);
    EXPECT_NE(page.StatusText().find("has a bad format"), std::string::npos);

    // An unknown class name is a load failure too.
    ArchiveWriter other;
    other.U32(0);
    other.U32(0);
    other.Text("");
    other.U32(0);
    other.Date(DateTime::Null());
    other.U32(0);
    other.U32(0);
    other.U32(0);
    other.Text("");
    other.Text("");
    other.Count(1);
    other.BeginObject("CClock", 2);
    ASSERT_TRUE(WriteFileAtomically(ZoneDatabasePath(program_.path()), other.bytes(), error));
    CRegTimeZoneList loaded;
    EXPECT_FALSE(LoadZoneDatabase(loaded, program_.path(), error));
}

TEST_F(Zones, UsageBitsInTheOptionWord)
{
    EXPECT_EQ(UsageFromOptions(0x5100), ZoneDatabaseUsage::Ignore);
    EXPECT_EQ(UsageFromOptions(0x00100000), ZoneDatabaseUsage::Merge);
    EXPECT_EQ(UsageFromOptions(0x00300000), ZoneDatabaseUsage::Merge);
    EXPECT_EQ(UsageFromOptions(0x00200000), ZoneDatabaseUsage::Replace);
    EXPECT_EQ(WithUsage(0x00F05100, ZoneDatabaseUsage::Replace), 0x00205100u);
    EXPECT_EQ(WithUsage(0x00305100, ZoneDatabaseUsage::Ignore), 0x00005100u);
    EXPECT_EQ(WithUsage(0x01000000, ZoneDatabaseUsage::Merge), 0x01100000u);
}

TEST(DescribeTransition, WeekdayRulesAbsoluteRulesAndNone)
{
    CRegTimeZone z;
    z.info.Bias = -60;
    z.info.DaylightBias = -60;
    z.info.DaylightDate = {0, 3, 0, 5, 2, 0, 0, 0};
    z.info.StandardDate = {0, 10, 0, 5, 3, 0, 0, 0};
    EXPECT_EQ(DescribeTransition(&z, TransitionKind::StandardStart, 2026),
              "Last Sunday of October at 03:00:00");
    z.info.DaylightDate = {0, 3, 6, 2, 23, 30, 0, 0};
    EXPECT_EQ(DescribeTransition(&z, TransitionKind::DaylightStart, 2026),
              "2nd Saturday of March at 23:30:00");
    LocaleTexts twelve;
    twelve.timeFormat = "h:mm:ss AP";
    EXPECT_EQ(DescribeTransition(&z, TransitionKind::DaylightStart, 2026, twelve),
              "2nd Saturday of March at 11:30:00 PM");

    // Absolute dates: the full date and time of the rule itself.
    z.info.DaylightDate = {2026, 4, 0, 12, 1, 0, 0, 0};
    EXPECT_EQ(DescribeTransition(&z, TransitionKind::DaylightStart, 1999),
              "Sunday, April 12, 2026, 01:00:00");

    EXPECT_EQ(DescribeTransition(nullptr, TransitionKind::DaylightStart, 2026), "None");
    z.info.DaylightDate.wMonth = 0;
    EXPECT_EQ(DescribeTransition(&z, TransitionKind::StandardStart, 2026), "None");
}
