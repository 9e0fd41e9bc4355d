// Reading zones from a tz database folder: the POSIX rule of each zone file as offsets and
// yearly rules, names and display names, and damaged files left out.
#include <gtest/gtest.h>

#include "ZoneTestFiles.h"
#include "clocks/ClockList.h"
#include "zones/FileBytes.h"
#include "zones/SystemZones.h"
#include "zones/TzifFile.h"
#include "zones/ZoneTime.h"

using namespace orbel;
using namespace orbel::test;

namespace {

PosixTzRule Parse(const std::string& text)
{
    auto r = ParsePosixTz(text);
    EXPECT_TRUE(r.has_value()) << text;
    return r.value_or(PosixTzRule{});
}

TimeZoneInformation Info(const std::string& text, int year = 2026)
{
    TimeZoneInformation info;
    std::string inexact, error;
    EXPECT_TRUE(ZoneInformationFromPosix(Parse(text), year, info, inexact, error)) << error;
    return info;
}

} // namespace

TEST(PosixTz, FormsOfTheRule)
{
    PosixTzRule r = Parse("CET-1CEST,M3.5.0,M10.5.0/3");
    EXPECT_EQ(r.standardName, "CET");
    EXPECT_EQ(r.standardOffset, -3600);
    EXPECT_EQ(r.daylightOffset, -7200); // one hour ahead of standard when not given
    EXPECT_EQ(r.start.month, 3);
    EXPECT_EQ(r.start.week, 5);
    EXPECT_EQ(r.start.time, 7200); // 02:00 when not given
    EXPECT_EQ(r.end.time, 3 * 3600);

    r = Parse("<+0545>-5:45");
    EXPECT_EQ(r.standardName, "+0545");
    EXPECT_EQ(r.standardOffset, -(5 * 3600 + 45 * 60));
    EXPECT_FALSE(r.hasDaylight);

    r = Parse("<-02>2<-01>,M3.5.0/-1,M10.5.0/0");
    EXPECT_EQ(r.start.time, -3600);
    r = Parse("<+1030>-10:30<+11>-11,M10.1.0,M4.1.0");
    EXPECT_EQ(r.daylightOffset, -11 * 3600);
    r = Parse("EST5EDT,J60/2,300/167");
    EXPECT_EQ(r.start.kind, PosixTzDate::Julian1);
    EXPECT_EQ(r.end.kind, PosixTzDate::Julian0);
    EXPECT_EQ(r.end.time, 167 * 3600);

    for (const char* bad :
         {"", "C-1", "CET", "CET-1CEST,M13.1.0,M10.5.0", "CET-1CEST,M3.6.0,M10.5.0",
          "CET-1CEST,M3.5.7,M10.5.0", "CET-1CEST,M3.5.0", "<+01-1", "CET-1CEST,J0,J1",
          "CET-1CEST,M3.5.0/168,M10.5.0", "CET-1CEST,M3.5.0,M10.5.0x"})
        EXPECT_FALSE(ParsePosixTz(bad).has_value()) << bad;
}

TEST(PosixTz, PlainRulesMapFieldForField)
{
    const TimeZoneInformation paris = Info("CET-1CEST,M3.5.0,M10.5.0/3");
    EXPECT_EQ(paris.Bias, -60);
    EXPECT_EQ(paris.DaylightBias, -60);
    EXPECT_EQ(paris.StandardBias, 0);
    EXPECT_EQ(paris.DaylightDate, (SystemTime{0, 3, 0, 5, 2, 0, 0, 0}));
    EXPECT_EQ(paris.StandardDate, (SystemTime{0, 10, 0, 5, 3, 0, 0, 0}));

    const TimeZoneInformation newYork = Info("EST5EDT,M3.2.0,M11.1.0");
    EXPECT_EQ(newYork.Bias, 300);
    EXPECT_EQ(newYork.DaylightDate, (SystemTime{0, 3, 0, 2, 2, 0, 0, 0}));

    // Lord Howe: half an hour of daylight saving.
    const TimeZoneInformation lordHowe = Info("<+1030>-10:30<+11>-11,M10.1.0,M4.1.0");
    EXPECT_EQ(lordHowe.Bias, -630);
    EXPECT_EQ(lordHowe.DaylightBias, -30);

    const TimeZoneInformation kathmandu = Info("<+0545>-5:45");
    EXPECT_EQ(kathmandu.Bias, -345);
    EXPECT_FALSE(kathmandu.HasDaylightSaving());
}

TEST(PosixTz, NegativeDaylightSavingBecomesWinterStandardTime)
{
    // Dublin: "standard" IST (+1) in summer, GMT in winter. Held as GMT standard time with
    // summer daylight time from the last Sunday of March 01:00 GMT to the last Sunday of
    // October 02:00 IST.
    const TimeZoneInformation dublin = Info("IST-1GMT0,M10.5.0,M3.5.0/1");
    EXPECT_EQ(dublin.Bias, 0);
    EXPECT_EQ(dublin.DaylightBias, -60);
    EXPECT_EQ(dublin.DaylightDate, (SystemTime{0, 3, 0, 5, 1, 0, 0, 0}));
    EXPECT_EQ(dublin.StandardDate, (SystemTime{0, 10, 0, 5, 2, 0, 0, 0}));
    EXPECT_EQ(ZoneDisplayName(dublin.Bias, "Europe/Dublin"), "(UTC+00:00) Europe/Dublin");
}

TEST(PosixTz, RuleTimesOutsideTheDayMoveTheWeekday)
{
    // Cairo ends daylight time at 24:00 of the last Thursday of October, i.e. 00:00 of
    // the following Friday: the last Friday of October unless 31 October is a Thursday.
    TimeZoneInformation cairo = Info("EET-2EEST,M4.5.5/0,M10.5.4/24");
    EXPECT_EQ(cairo.StandardDate, (SystemTime{0, 10, 5, 5, 0, 0, 0, 0}));
    // Nuuk begins daylight time at -1:00 of the last Sunday of March: Saturday 23:00.
    TimeZoneInformation nuuk = Info("<-02>2<-01>,M3.5.0/-1,M10.5.0/0");
    EXPECT_EQ(nuuk.DaylightDate, (SystemTime{0, 3, 6, 5, 23, 0, 0, 0}));
    // Jerusalem: 26:00 of the Thursday of the fourth week = Friday 02:00 (27 March 2026,
    // the fourth Friday; 26 March 2027, the fourth Friday).
    TimeZoneInformation jerusalem = Info("IST-2IDT,M3.4.4/26,M10.5.0");
    EXPECT_EQ(jerusalem.DaylightDate, (SystemTime{0, 3, 5, 4, 2, 0, 0, 0}));

    // Gaza ends daylight time on the Saturday after the fourth Thursday of October:
    // 24 October 2026 (the fourth Saturday), 30 October 2027 (the last). The rule follows
    // the reference year.
    EXPECT_EQ(Info("EET-2EEST,M3.4.4/50,M10.4.4/50", 2026).StandardDate,
              (SystemTime{0, 10, 6, 4, 2, 0, 0, 0}));
    EXPECT_EQ(Info("EET-2EEST,M3.4.4/50,M10.4.4/50", 2027).StandardDate,
              (SystemTime{0, 10, 6, 5, 2, 0, 0, 0}));

    // The years where the moved rule is not exact are named: Cairo in 2030 (31 October
    // 2030 is a Thursday, so the change falls on 1 November).
    std::string inexact, error;
    TimeZoneInformation info;
    ASSERT_TRUE(ZoneInformationFromPosix(Parse("EET-2EEST,M4.5.5/0,M10.5.4/24"), 2026, info,
                                         inexact, error));
    EXPECT_NE(inexact.find("2030"), std::string::npos) << inexact;
}

TEST(PosixTz, RulesNoYearlyRuleCanHold)
{
    TimeZoneInformation info;
    std::string inexact, error;
    EXPECT_FALSE(
        ZoneInformationFromPosix(Parse("EST5EDT,J60/2,J300/2"), 2026, info, inexact, error));
    EXPECT_FALSE(error.empty());
    // Daylight time all year is a plain zone at the daylight offset.
    ASSERT_TRUE(ZoneInformationFromPosix(Parse("EST5EDT,0/0,J365/25"), 2026, info, inexact, error));
    EXPECT_EQ(info.Bias, 240);
    EXPECT_FALSE(info.HasDaylightSaving());
}

TEST(SystemZones, ReadsTheFolderSortedAndSkipsDamagedFiles)
{
    TempFolder folder;
    folder.Write("zone1970.tab", "# comment\n"
                                 "FR,MC\t+4852+00220\tEurope/Paris\n"
                                 "ES,AD\t+4024-00341\tEurope/Madrid\tSpain (mainland)\n"
                                 "XX\t+0000+00000\tEtc/Broken\n"
                                 "XY\t+0000+00000\tEtc/Old\n"
                                 "XZ\t+0000+00000\tEtc/Missing\n"
                                 "XW\t+0000+00000\t../escape\n"
                                 "NP\t+2743+08519\tAsia/Kathmandu\n");
    folder.Write("Europe/Paris", Tzif("CET-1CEST,M3.5.0,M10.5.0/3"));
    folder.Write("Europe/Madrid", Tzif("CET-1CEST,M3.5.0,M10.5.0/3"));
    folder.Write("Asia/Kathmandu", Tzif("<+0545>-5:45"));
    auto broken = Tzif("CET-1CEST,M3.5.0,M10.5.0/3");
    broken.resize(broken.size() - 40); // cut inside the second data block
    folder.Write("Etc/Broken", broken);
    folder.Write("Etc/Old", Tzif("", '\0')); // version 1: no rule

    CRegTimeZoneList list;
    std::vector<ZoneReadNote> notes;
    ReadSystemZones(list, folder.path(), 2026, &notes);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].keyName, "Asia/Kathmandu");
    EXPECT_EQ(list[0].displayName, "(UTC+05:45) Asia/Kathmandu");
    EXPECT_EQ(list[1].keyName, "Europe/Madrid");
    EXPECT_EQ(list[1].displayName, "(UTC+01:00) Europe/Madrid");
    EXPECT_EQ(list[2].keyName, "Europe/Paris");
    EXPECT_EQ(list[2].flags, 0u);
    EXPECT_EQ(notes.size(), 3u); // broken, old, missing; the escaping name is never opened

    // Paris and Madrid share bias and rules: the map ids keep them apart.
    EXPECT_FALSE(IsSameZone(list[1], &list[2]));
    EXPECT_EQ(list.FindZone(list[2], kZoneFilterAll), &list[2]);

    // Reading again empties the list first; a folder without zone tables gives nothing.
    ReadSystemZones(list, folder.path() / "nowhere", 2026);
    EXPECT_TRUE(list.empty());
}

// zone.tab adds the zones zone1970.tab merges (Oslo); the links of tzdata.zi give the old
// names a lookup still accepts; pickers run from west to east.
TEST(SystemZones, BothZoneTablesOldNamesAndPickerOrder)
{
    TempFolder folder;
    folder.Write("zone1970.tab", "DE,DK,NO,SE,SJ\t+5230+01322\tEurope/Berlin\n"
                                 "US\t+404251-0740023\tAmerica/New_York\tEastern (most areas)\n"
                                 "CA\t+4734-05243\tAmerica/St_Johns\n"
                                 "NP\t+2743+08519\tAsia/Kathmandu\n"
                                 "UA\t+5026+03031\tEurope/Kyiv\n");
    folder.Write("zone.tab", "NO\t+5955+01045\tEurope/Oslo\n"
                             "DE\t+5230+01322\tEurope/Berlin\n"
                             "UA\t+5026+03031\tEurope/Kyiv\n");
    folder.Write("tzdata.zi", "Z Europe/Kyiv 2:2:4 - LMT 1880\n"
                              "L Europe/Kyiv Europe/Kiev\n"
                              "L America/New_York US/Eastern\n"
                              "L US/Eastern Old/Chain\n"
                              "L Europe/Berlin Europe/Oslo\n"
                              "L Nowhere/Listed Old/Lost\n");
    const std::string central = "CET-1CEST,M3.5.0,M10.5.0/3";
    folder.Write("Europe/Berlin", Tzif(central));
    folder.Write("Europe/Oslo", Tzif(central));
    folder.Write("Europe/Kyiv", Tzif("EET-2EEST,M3.5.0/3,M10.5.0/4"));
    folder.Write("America/New_York", Tzif("EST5EDT,M3.2.0,M11.1.0"));
    folder.Write("America/St_Johns", Tzif("NST3:30NDT,M3.2.0,M11.1.0"));
    folder.Write("Asia/Kathmandu", Tzif("<+0545>-5:45"));

    CRegTimeZoneList list;
    ReadSystemZones(list, folder.path(), 2026);
    ASSERT_EQ(list.size(), 6u);
    // Oslo is a zone of its own, so it is no old name of Berlin.
    EXPECT_EQ(list.oldNames.count("Europe/Oslo"), 0u);
    EXPECT_EQ(list.oldNames.at("Old/Chain"), "America/New_York");
    EXPECT_EQ(list.oldNames.count("Old/Lost"), 0u);

    CRegTimeZone probe;
    probe.keyName = "Europe/Kiev";
    const CRegTimeZone* kyiv = list.FindZone(probe, kZoneFilterAll | kZoneFilterKeyOnly);
    ASSERT_NE(kyiv, nullptr);
    EXPECT_EQ(kyiv->keyName, "Europe/Kyiv");
    probe.keyName = "Europe/Oslo";
    EXPECT_EQ(list.FindZone(probe, kZoneFilterAll | kZoneFilterKeyOnly)->keyName, "Europe/Oslo");

    // UTC-05:00, UTC-03:30, then the two at UTC+01:00 by name, UTC+02:00, UTC+05:45.
    std::vector<std::string> shown;
    for (const CRegTimeZone* z : list.PickerOrder(kZoneFilterAll))
        shown.push_back(z->keyName);
    EXPECT_EQ(shown,
              (std::vector<std::string>{"America/New_York", "America/St_Johns", "Europe/Berlin",
                                        "Europe/Oslo", "Europe/Kyiv", "Asia/Kathmandu"}));

    // A clock stored under the old name finds its zone and takes the current record; a
    // clock whose zone is gone keeps its own zone information and nothing is reported.
    CClockList clocks;
    CClock& old = clocks.Add();
    old.zone.keyName = old.zone.mapId = "Europe/Kiev";
    old.zone.displayName = "(UTC+02:00) Europe/Kiev";
    old.zone.info.Bias = -120; // stored before daylight saving rules were known
    CClock& gone = clocks.Add();
    gone.zone.keyName = gone.zone.mapId = "Atlantis/Capital";
    gone.zone.info.Bias = 300;
    EXPECT_TRUE(clocks.RefreshZones(list));
    EXPECT_EQ(clocks.At(0).zone.keyName, "Europe/Kyiv");
    EXPECT_TRUE(clocks.At(0).zone.HasDaylightSaving());
    EXPECT_EQ(clocks.At(1).zone.keyName, "Atlantis/Capital");
    EXPECT_EQ(clocks.At(1).zone.info.Bias, 300);
    EXPECT_FALSE(clocks.At(1).zone.HasDaylightSaving());
}

TEST(SystemZones, DisplayNames)
{
    EXPECT_EQ(ZoneDisplayName(-60, "Europe/Madrid"), "(UTC+01:00) Europe/Madrid");
    EXPECT_EQ(ZoneDisplayName(0, "UTC"), "(UTC+00:00) UTC");
    EXPECT_EQ(ZoneDisplayName(210, "America/St_Johns"), "(UTC-03:30) America/St_Johns");
}

TEST(TzifFile, DamagedFilesAreRefused)
{
    const auto good = Tzif("CET-1CEST,M3.5.0,M10.5.0/3");
    std::string footer, error;
    ASSERT_TRUE(ReadTzifFooter(good, footer, error)) << error;
    EXPECT_EQ(footer, "CET-1CEST,M3.5.0,M10.5.0/3");
    for (std::size_t cut = 0; cut < good.size(); ++cut) {
        std::vector<std::uint8_t> part(good.begin(), good.begin() + cut);
        EXPECT_FALSE(ReadTzifFooter(part, footer, error)) << cut;
    }
    auto huge = good;
    huge[32] = 0x7F; // timecnt of two billion in the first header
    EXPECT_FALSE(ReadTzifFooter(huge, footer, error));
    auto badType = good;
    badType[44 + 5] = 4; // abbreviation index beyond the four characters
    EXPECT_FALSE(ReadTzifFooter(badType, footer, error));
}
