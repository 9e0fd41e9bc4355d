// Storing the options pages: the checks that refuse a value (and change nothing), what each
// page stores, and a change of the zone database usage taking effect at once.
#include <gtest/gtest.h>

#include "../zones/ZoneTestFiles.h"
#include "options/OptionsPages.h"
#include "tests/settings/SettingsFixture.h"
#include "tests/settings/TestFolder.h"

namespace orbel {
namespace {

struct OptionsPages : ::testing::Test {
    std::filesystem::path folder = test::MakeTestFolder();
    MemoryRegistryStore store;
    CAppSettings settings{store, test::FixedPlatform(folder), "/p"};
    void SetUp() override
    {
        settings.SetDefaults();
        settings.clocks.AddDefaultClocks(test::ParisInformation());
        settings.modified = 0;
    }
};

TEST_F(OptionsPages, AdjustTimeStoresDaysServerAndTheFirstIntervalStart)
{
    const DateTime now = DateTime::FromCalendar(2026, 12, 8, 22, 0, 0);
    AdjustTimePageValues v = LoadAdjustTimePage(settings);
    EXPECT_EQ(v.everyDays, "7");
    EXPECT_EQ(v.server, "time.example.org Somewhere");
    v.server = "127.0.0.1:3737 the test's own";
    v.automatic = true;
    for (const char* refused : {"0", "366", "", "7 days", "-3"}) {
        v.everyDays = refused;
        const PageCheck c = StoreAdjustTimePage(settings, v, now);
        EXPECT_FALSE(c.ok) << refused;
        EXPECT_EQ(c.message, "Please enter an integer between 1 and 365.");
        EXPECT_EQ(c.control, 3093);
    }
    EXPECT_EQ(settings.modified, 0u);
    EXPECT_EQ(settings.server, "time.example.org Somewhere");
    // A name the name service cannot take is refused; a long comment after it is not.
    v.everyDays = "365";
    const std::string saved = v.server;
    v.server = std::string(256, 'a');
    PageCheck c = StoreAdjustTimePage(settings, v, now);
    EXPECT_EQ(c.message, "Please enter no more than 255 characters.");
    EXPECT_EQ(c.control, 3081);
    EXPECT_EQ(settings.modified, 0u);
    v.server = std::string(255, 'a') + ":37 " + std::string(300, 'c');
    EXPECT_TRUE(StoreAdjustTimePage(settings, v, now).ok);
    v.server = saved;

    ASSERT_TRUE(StoreAdjustTimePage(settings, v, now).ok);
    EXPECT_EQ(settings.adjustmentInterval, 31536000u);
    EXPECT_EQ(settings.server, "127.0.0.1:3737 the test's own");
    EXPECT_EQ(settings.displayFlags & kOptionAutoAdjust, kOptionAutoAdjust);
    EXPECT_EQ(settings.lastAdjusted, now); // the first interval starts now
    EXPECT_TRUE(settings.IsModified());
    // Switching off keeps the time of the last adjustment.
    v.automatic = false;
    ASSERT_TRUE(StoreAdjustTimePage(settings, v, now + DateTimeSpan(3)).ok);
    EXPECT_EQ(settings.displayFlags & kOptionAutoAdjust, 0u);
    EXPECT_EQ(settings.lastAdjusted, now);
}

TEST_F(OptionsPages, ViewStoresTheFlagsAndRestartsTheTimerOnlyWhenTheIntervalChanged)
{
    settings.displayFlags |= kOptionMerge;
    ViewPageValues v = LoadViewPage(settings);
    EXPECT_EQ(v.interval, "1");
    for (const char* refused : {"0", "3601", "abc"}) {
        v.interval = refused;
        const ViewPageStore s = StoreViewPage(settings, v);
        EXPECT_FALSE(s.ok);
        EXPECT_EQ(s.message, "Please enter an integer between 1 and 3600.");
    }
    EXPECT_EQ(settings.modified, 0u);

    // Analog with the date, seconds off, on top.
    v.analog = true;
    v.date = true;
    v.seconds = false;
    v.onTop = true;
    v.interval = " 3600 ";
    ViewPageStore s = StoreViewPage(settings, v);
    ASSERT_TRUE(s.ok);
    EXPECT_EQ(settings.displayFlags, 0x00104301u); // merge, 24-hour, date, name, analog
    EXPECT_TRUE(s.onTopChanged);
    EXPECT_FALSE(s.borderlessChanged);
    EXPECT_TRUE(s.restartTimer);
    EXPECT_EQ(s.timerMilliseconds, 3600000);
    s = StoreViewPage(settings, v);
    EXPECT_FALSE(s.restartTimer);
    EXPECT_FALSE(s.onTopChanged);
}

TEST_F(OptionsPages, ClocksPageChecksTitleAndSupplementBeforeStoring)
{
    CRegTimeZone mexico;
    mexico.keyName = mexico.mapId = "America/Mexico_City";
    mexico.displayName = "(UTC-06:00) America/Mexico_City";
    mexico.info.Bias = 360;
    mexico.flags = CRegTimeZone::kCorrectionFlag;
    const std::string before = settings.clocks.At(1).name;
    ClockPageValues v{"Ciudad de Mexico!", "0", false, true, &mexico};
    ClockPageStore s = StoreClockPage(settings, 1, v);
    EXPECT_FALSE(s.ok);
    EXPECT_EQ(s.message, "Please enter no more than 16 characters.");
    v.title = "Ciudad de México"; // 16 characters in 17 bytes
    v.supplement = "1441";
    s = StoreClockPage(settings, 1, v);
    EXPECT_EQ(s.message, "Please enter an integer between -1440 and 1440.");
    EXPECT_EQ(s.control, 3017);
    EXPECT_EQ(settings.clocks.At(1).name, before);
    EXPECT_EQ(settings.modified, 0u);

    v.supplement = "-1440";
    s = StoreClockPage(settings, 1, v);
    ASSERT_TRUE(s.ok);
    EXPECT_TRUE(s.renamed);
    const CClock& c = settings.clocks.At(1);
    EXPECT_EQ(c.name, "Ciudad de México");
    EXPECT_EQ(c.supplement, -1440);
    EXPECT_EQ(c.flags, CClock::kActive); // daylight saving off
    EXPECT_EQ(c.zone.keyName, "America/Mexico_City");
    EXPECT_EQ(c.zone.info.Bias, 360);
    EXPECT_EQ(c.zone.flags, 0u); // a copied zone keeps the clock's own flags
    EXPECT_TRUE(settings.IsModified());

    // Enabled state and the selection after a removal.
    EXPECT_FALSE(ClockPageEnabledState(std::nullopt, 2, nullptr).edits);
    ClockPageEnabled e = ClockPageEnabledState(0, 2, &mexico);
    EXPECT_TRUE(e.edits);
    EXPECT_FALSE(e.daylightBox); // Mexico City keeps no daylight saving
    EXPECT_FALSE(e.moveUp);
    EXPECT_TRUE(e.moveDown);
    e = ClockPageEnabledState(1, 2, nullptr);
    EXPECT_TRUE(e.moveUp);
    EXPECT_FALSE(e.moveDown);
    EXPECT_EQ(SelectionAfterRemove(2, 3), 1u); // the last: the one before it
    EXPECT_EQ(SelectionAfterRemove(0, 3), 0u); // else the same place
    EXPECT_EQ(SelectionAfterRemove(0, 1), std::nullopt);
}

TEST_F(OptionsPages, StyleStoresColoursAndFaceButNeverTheHeight)
{
    settings.colours[kColourTitle] = 0x123456; // not one of the choices
    EXPECT_EQ(ColourChoiceIndex(settings.colours[kColourTitle]), std::nullopt);
    EXPECT_EQ(ColourChoiceIndex(kSystemColour), 0u);
    const std::optional<std::size_t> red = ColourChoiceIndex(0x0000FF);
    ASSERT_TRUE(red);
    EXPECT_EQ(ColourChoices()[*red].text, ""); // a swatch, drawn without text

    StylePageValues v;
    v.colours = {std::nullopt, red, 0, std::nullopt, red};
    v.font = settings.Font(0);
    v.font.SetFace("Serif");
    v.font.height = 32; // the preview's height
    const std::int32_t storedHeight = settings.Font(0).height;
    StoreStylePage(settings, v);
    EXPECT_EQ(settings.colours[kColourBackground], -1);
    EXPECT_EQ(settings.colours[kColourTitle], 0x0000FF);
    EXPECT_EQ(settings.colours[kColourDate], -1);
    EXPECT_EQ(settings.colours[kColourTime2], 0x0000FF);
    EXPECT_EQ(settings.Font(0).Face(), "Serif");
    EXPECT_EQ(settings.Font(0).height, storedHeight);
    EXPECT_TRUE(settings.IsModified());
}

TEST_F(OptionsPages, ChangingTheUsageModeRefreshesTheClocksAtOnce)
{
    // A tz folder of one zone; the program folder has no database file.
    test::TempFolder tz;
    tz.Write("zone1970.tab", "UA\t+5026+03031\tEurope/Kyiv\n");
    tz.Write("tzdata.zi", "L Europe/Kyiv Europe/Kiev\n");
    tz.Write("Europe/Kyiv", test::Tzif("EET-2EEST,M3.5.0/3,M10.5.0/4"));
    ZoneSources sources;
    sources.systemFolder = tz.path();
    sources.programFolder = folder;
    CClock& kiev = settings.clocks.At(1);
    kiev.zone.keyName = kiev.zone.mapId = "Europe/Kiev";
    kiev.zone.info.Bias = -120;

    // Ignore is the mode in force: nothing to do.
    EXPECT_FALSE(ApplyUsageMode(settings, ZoneDatabaseUsage::Ignore, sources).changed);
    EXPECT_EQ(settings.modified, 0u);

    // Merge without a file: the system zones, and the clock finds its zone by its old name.
    TziPageModel page;
    page.Open(sources);
    UsageModeChange m = ApplyUsageMode(settings, ZoneDatabaseUsage::Merge, sources, &page);
    EXPECT_TRUE(m.changed);
    EXPECT_TRUE(m.clocksRefreshed);
    EXPECT_EQ(settings.displayFlags & kOptionUsageMask, kOptionMerge);
    ASSERT_EQ(m.zones.size(), 1u);
    EXPECT_EQ(settings.clocks.At(1).zone.keyName, "Europe/Kyiv");
    EXPECT_TRUE(settings.clocks.At(1).zone.HasDaylightSaving());
    // The TZI page's picker: all the system zones.
    EXPECT_EQ(m.tziPickerZones, &page.systemZones());
    EXPECT_EQ(m.tziPickerFilter, kZoneFilterAll);

    // Replace without a file: no zones; the clocks keep their zone information.
    m = ApplyUsageMode(settings, ZoneDatabaseUsage::Replace, sources, &page);
    EXPECT_EQ(m.tziPickerZones, &page.fileZones()); // its replacement records
    EXPECT_EQ(m.tziPickerFilter, kZoneFilterReplacement);
    EXPECT_TRUE(m.changed);
    EXPECT_FALSE(m.clocksRefreshed);
    EXPECT_TRUE(m.zones.empty());
    EXPECT_EQ(settings.displayFlags & kOptionUsageMask, kOptionReplace);
    EXPECT_EQ(settings.clocks.At(1).zone.keyName, "Europe/Kyiv");
    EXPECT_TRUE(settings.IsModified());
}

} // namespace
} // namespace orbel
