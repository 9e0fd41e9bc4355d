// The next clock change of a zone: yearly rules worked out by hand, a zone's own table of
// transitions, and every zone of this computer's tz database against zdump.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "ZoneTestFiles.h"
#include "zones/ClockChange.h"
#include "zones/DateTime.h"
#include "zones/FileBytes.h"
#include "zones/SystemZones.h"
#include "zones/TzifFile.h"

using namespace orbel;

namespace {

constexpr std::int64_t kJan15 = 1768435200; // 2026-01-15 00:00 UTC
constexpr std::int64_t kJun15 = 1781481600; // 2026-06-15
constexpr std::int64_t kNov15 = 1794700800; // 2026-11-15

TzifZone RuleOnly(const std::string& footer)
{
    TzifZone zone;
    std::string error;
    EXPECT_TRUE(ReadTzifZone(test::Tzif(footer), zone, error)) << error;
    return zone;
}

std::string Next(const TzifZone& zone, std::int64_t after)
{
    const auto change = NextClockChange(zone, after);
    return change ? ClockChangeLine(*change) : "none";
}

TEST(ClockChangeTest, YearlyRulesNorthSouthNegativeAndPermanent)
{
    struct Case {
        const char* rule;
        std::int64_t after;
        const char* expected;
    } cases[] = {
        // Madrid: the last Sundays of March and October, at 01:00 UTC.
        {"CET-1CEST,M3.5.0,M10.5.0/3", kJan15, "2026-03-29T01:00:00Z +01:00 -> +02:00"},
        {"CET-1CEST,M3.5.0,M10.5.0/3", kJun15, "2026-10-25T01:00:00Z +02:00 -> +01:00"},
        {"CET-1CEST,M3.5.0,M10.5.0/3", kNov15, "2027-03-28T01:00:00Z +01:00 -> +02:00"},
        // The change itself is not "after" its own second.
        {"CET-1CEST,M3.5.0,M10.5.0/3", 1774746000, "2026-10-25T01:00:00Z +02:00 -> +01:00"},
        {"CET-1CEST,M3.5.0,M10.5.0/3", 1774745999, "2026-03-29T01:00:00Z +01:00 -> +02:00"},
        // Sydney: summer time from the first Sunday of October to the first of April.
        {"AEST-10AEDT,M10.1.0,M4.1.0/3", kJan15, "2026-04-04T16:00:00Z +11:00 -> +10:00"},
        {"AEST-10AEDT,M10.1.0,M4.1.0/3", kJun15, "2026-10-03T16:00:00Z +10:00 -> +11:00"},
        // Dublin: winter is the "daylight" time, one hour behind.
        {"IST-1GMT0,M10.5.0,M3.5.0/1", kJun15, "2026-10-25T01:00:00Z +01:00 -> +00:00"},
        // Half-hour zones, and a rule of day numbers (Jn skips 29 February, n counts it).
        {"<+1030>-10:30<+11>-11,M10.1.0,M4.1.0", kJun15, "2026-10-03T15:30:00Z +10:30 -> +11:00"},
        {"XST3XDT,J60/0,J300/0", kJan15, "2026-03-01T03:00:00Z -03:00 -> -02:00"},
        {"XST3XDT,59/0,300/0", kJan15, "2026-03-01T03:00:00Z -03:00 -> -02:00"},
        // Daylight time all year round, and no daylight time: no change ever.
        {"EST5EDT,0/0,J365/25", kJun15, "none"},
        {"EST5EDT,0/0,J365/25", kNov15, "none"},
        {"JST-9", kJun15, "none"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Next(RuleOnly(c.rule), c.after), c.expected) << c.rule << " after " << c.after;
}

TEST(ClockChangeTest, TableBeforeRuleAndRenamesPassedOver)
{
    // +01:00, summer time from 1000 to 2000, then a new name for the same +01:00 at 3000, and
    // a rule without changes.
    TzifZone zone;
    zone.types = {{3600, false}, {7200, true}, {3600, false}};
    zone.transitions = {{1000, 1}, {2000, 0}, {3000, 2}};
    zone.footer = "CET-1";
    EXPECT_EQ(Next(zone, -100), "1970-01-01T00:16:40Z +01:00 -> +02:00");
    EXPECT_EQ(Next(zone, 1000), "1970-01-01T00:33:20Z +02:00 -> +01:00");
    EXPECT_EQ(Next(zone, 2000), "none");

    // The table ends in 2020; the rule takes over from there, also years later.
    zone.transitions = {{1000, 1}, {1603587600, 0}}; // 2020-10-25T01:00Z
    zone.footer = "CET-1CEST,M3.5.0,M10.5.0/3";
    EXPECT_EQ(Next(zone, 1603587600 - 10), "2020-10-25T01:00:00Z +02:00 -> +01:00");
    EXPECT_EQ(Next(zone, 1603587600), "2021-03-28T01:00:00Z +01:00 -> +02:00");
    EXPECT_EQ(Next(zone, kJun15), "2026-10-25T01:00:00Z +02:00 -> +01:00");

    EXPECT_EQ(UtcOffsetText(-75), "-00:01:15");
    EXPECT_EQ(UtcOffsetText(20700), "+05:45");
}

TEST(ClockChangeTest, DamagedFilesAndNamesAreRefused)
{
    test::TempFolder folder;
    auto bytes = test::Tzif("CET-1CEST,M3.5.0,M10.5.0/3");
    folder.Write("Good/Zone", bytes);
    bytes.resize(bytes.size() - 8);
    folder.Write("Cut/Zone", bytes);
    TzifZone zone;
    std::string error;
    EXPECT_TRUE(ReadZoneFile(folder.path(), "Good/Zone", zone, error)) << error;
    for (const char* key : {"Cut/Zone", "Missing/Zone", "../Good/Zone", "/etc/passwd", ""}) {
        error.clear();
        EXPECT_FALSE(ReadZoneFile(folder.path(), key, zone, error)) << key;
        EXPECT_FALSE(error.empty()) << key;
    }
}

// One line of `zdump -v`: "Europe/Madrid  Sun Mar 29 01:00:00 2026 UT = ... gmtoff=7200".
struct ZdumpLine {
    std::int64_t ut;
    std::int32_t offset;
};

bool ParseZdumpLine(const std::string& line, std::string& zone, ZdumpLine& out)
{
    std::istringstream in(line);
    std::string weekday, month, time, ut;
    int day = 0, year = 0;
    if (!(in >> zone >> weekday >> month >> day >> time >> year >> ut) || ut != "UT")
        return false;
    static const std::string kMonths = "JanFebMarAprMayJunJulAugSepOctNovDec";
    const auto m = kMonths.find(month);
    const auto gmtoff = line.rfind("gmtoff=");
    int h = 0, mi = 0, s = 0;
    if (m == std::string::npos || gmtoff == std::string::npos ||
        std::sscanf(time.c_str(), "%d:%d:%d", &h, &mi, &s) != 3)
        return false;
    out.ut = DaysFromCivil(year, int(m / 3) + 1, day) * 86400 + h * 3600 + mi * 60 + s;
    out.offset = std::stoi(line.substr(gmtoff + 7));
    return true;
}

TEST(ClockChangeTest, EveryZoneAgreesWithZdumpAtThreeInstantsOf2026)
{
    const auto started = std::chrono::steady_clock::now();
    std::vector<std::uint8_t> table;
    std::string error;
    if (!ReadWholeFile(kSystemZoneFolder / "zone.tab", 1 << 20, table, error))
        GTEST_SKIP() << error;
    std::vector<std::string> zones;
    std::istringstream tableText(std::string(table.begin(), table.end()));
    std::string line, command = "zdump -v -c 2026,2031";
    while (std::getline(tableText, line)) {
        std::istringstream fields(line);
        std::string code, where, zone;
        if (line.empty() || line[0] == '#' || !(fields >> code >> where >> zone))
            continue;
        zones.push_back(zone);
        command += " " + zone;
    }
    ASSERT_GT(zones.size(), 300u);
    FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::map<std::string, std::vector<ZdumpLine>> dumped;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe)) {
        std::string zone;
        ZdumpLine parsed{};
        if (ParseZdumpLine(buffer, zone, parsed))
            dumped[zone].push_back(parsed);
    }
    if (pclose(pipe) != 0 || dumped.empty())
        GTEST_SKIP() << "zdump is not available";

    constexpr std::int64_t kEndOfDump = 1924992000; // 2031-01-01, where zdump stopped
    int compared = 0;
    for (const auto& zoneKey : zones) {
        TzifZone zone;
        ASSERT_TRUE(ReadZoneFile(kSystemZoneFolder, zoneKey, zone, error)) << error;
        const auto& lines = dumped[zoneKey];
        for (std::int64_t after : {kJan15, kJun15, kNov15}) {
            // zdump prints the second before and the second of each change.
            std::string expected = "none";
            for (std::size_t i = 1; i < lines.size(); ++i)
                if (lines[i].ut > after && lines[i].ut == lines[i - 1].ut + 1 &&
                    lines[i].offset != lines[i - 1].offset) {
                    expected = ClockChangeLine({lines[i].ut, lines[i - 1].offset, lines[i].offset});
                    break;
                }
            const auto change = NextClockChange(zone, after);
            const std::string actual =
                change && change->when < kEndOfDump ? ClockChangeLine(*change) : "none";
            EXPECT_EQ(actual, expected) << zoneKey << " after " << after;
            ++compared;
        }
    }
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - started)
                        .count();
    std::cout << compared << " next changes compared with zdump in " << ms << " ms\n";
}

} // namespace
