// The meeting planner's rows and columns, worked out by hand from each zone's rule: the
// columns are the first clock's hours, a clock an odd number of minutes off reads :30 or :45,
// and a day of a clock change has 23 or 25 columns.
#include <gtest/gtest.h>

#include "planner/DayPlan.h"
#include "zones/SystemZones.h"

using namespace orbel;

namespace {

PlanClock Clock(const std::string& name, const std::string& posix)
{
    PlanClock c;
    c.name = name;
    std::string inexact, error;
    const auto rule = ParsePosixTz(posix);
    EXPECT_TRUE(rule && ZoneInformationFromPosix(*rule, 2026, c.zone, inexact, error)) << posix;
    return c;
}

const PlanClock kMadrid = Clock("Madrid", "CET-1CEST,M3.5.0,M10.5.0/3");
const PlanClock kNewYork = Clock("New York", "EST5EDT,M3.2.0,M11.1.0");
const PlanClock kKolkata = Clock("Kolkata", "IST-5:30");
const PlanClock kKathmandu = Clock("Kathmandu", "<+0545>-5:45");
const PlanClock kChatham = Clock("Chatham", "<+1245>-12:45<+1345>,M9.5.0/2:45,M4.1.0/3:45");

std::int64_t Utc(int y, int mo, int d, int h, int mi = 0)
{
    return DaysFromCivil(y, mo, d) * 86400 + h * 3600 + mi * 60;
}

std::string Reads(const PlanCell& c)
{
    return c.hourText + c.minuteText;
}

} // namespace

TEST(DayPlan, ColumnsFollowTheFirstClocksDay)
{
    struct Case {
        const char* what;
        PlanClock first;
        PlanDate date;
        std::int64_t start; // UTC instant of the first column
        std::size_t columns;
    };
    const Case cases[] = {
        {"a winter day in Madrid", kMadrid, {2026, 12, 10}, Utc(2026, 12, 9, 23), 24},
        {"Madrid springs forward", kMadrid, {2026, 3, 29}, Utc(2026, 3, 28, 23), 23},
        {"Madrid falls back", kMadrid, {2026, 10, 25}, Utc(2026, 10, 24, 22), 25},
        {"New York springs forward", kNewYork, {2026, 3, 8}, Utc(2026, 3, 8, 5), 23},
        {"Kolkata, half an hour", kKolkata, {2026, 12, 10}, Utc(2026, 12, 9, 18, 30), 24},
        {"Chatham in its summer", kChatham, {2026, 1, 15}, Utc(2026, 1, 14, 10, 15), 24},
        {"Chatham falls back at 03:45", kChatham, {2026, 4, 5}, Utc(2026, 4, 4, 10, 15), 25},
    };
    for (const Case& c : cases) {
        const DayPlan plan = MakeDayPlan({c.first}, c.date);
        ASSERT_EQ(plan.columns.size(), c.columns) << c.what;
        EXPECT_EQ(plan.columns.front(), c.start) << c.what;
        EXPECT_EQ(plan.columns.back(), c.start + 3600 * (std::int64_t(c.columns) - 1)) << c.what;
        EXPECT_EQ(plan.rows.front().cells.front().hourText, "0") << c.what;
    }
}

TEST(DayPlan, EveryRowReadsTheSameInstants)
{
    // Madrid's short day: at 23:00 UTC on the 28th New York (summer time since the 8th)
    // reads 19:00 of Saturday, Kolkata 04:30 and Kathmandu 04:45 of Sunday.
    const DayPlan plan = MakeDayPlan({kMadrid, kNewYork, kKolkata, kKathmandu}, {2026, 3, 29});
    ASSERT_EQ(plan.rows.size(), 4u);
    const std::vector<std::vector<std::string>> firstThree = {
        {"0", "1", "3"}, {"19", "20", "21"}, {"4:30", "5:30", "6:30"}, {"4:45", "5:45", "6:45"}};
    for (std::size_t r = 0; r < 4; ++r) {
        ASSERT_EQ(plan.rows[r].cells.size(), 23u);
        for (std::size_t k = 0; k < 3; ++k)
            EXPECT_EQ(Reads(plan.rows[r].cells[k]), firstThree[r][k]) << plan.rows[r].name << k;
    }
    // New York's row starts on Saturday and turns to Sunday at its midnight (column 5).
    const auto& ny = plan.rows[1].cells;
    EXPECT_EQ(ny[0].dayText, "Sat 28");
    EXPECT_TRUE(ny[5].newDay);
    EXPECT_EQ(ny[5].dayText, "Sun 29");
    EXPECT_EQ(std::count_if(ny.begin(), ny.end(), [](const PlanCell& c) { return c.newDay; }), 2);
}

TEST(DayPlan, TheRepeatedHourShowsTwiceAndWorkingHoursFollowTheLocalStart)
{
    const DayPlan back = MakeDayPlan({kMadrid}, {2026, 10, 25});
    const auto& cells = back.rows.front().cells;
    EXPECT_EQ(Reads(cells[2]), "2");
    EXPECT_EQ(Reads(cells[3]), "2");
    EXPECT_EQ(Reads(cells[24]), "23");

    // Kolkata beside Madrid in December: 09:30 .. 17:30 are working cells, 08:30 and 18:30
    // are not; Madrid's own working cells are 9 .. 17.
    const DayPlan plan = MakeDayPlan({kMadrid, kKolkata}, {2026, 12, 10});
    for (std::size_t r = 0; r < 2; ++r) {
        std::vector<std::string> work;
        for (const PlanCell& c : plan.rows[r].cells)
            if (c.work)
                work.push_back(Reads(c));
        EXPECT_EQ(work.size(), 9u);
        EXPECT_EQ(work.front(), r == 0 ? "9" : "9:30");
        EXPECT_EQ(work.back(), r == 0 ? "17" : "17:30");
    }
}

TEST(DayPlan, NightComesFromTheCitysSkyAtTheMiddleOfEachCell)
{
    PlanClock madrid = kMadrid;
    std::vector<std::int64_t> asked;
    madrid.sky = [&](std::int64_t at) {
        asked.push_back(at);
        return at < Utc(2026, 12, 10, 7) ? Sky::Night : Sky::Day;
    };
    const DayPlan plan = MakeDayPlan({madrid, kKolkata}, {2026, 12, 10});
    ASSERT_EQ(asked.size(), 24u);
    EXPECT_EQ(asked.front(), Utc(2026, 12, 9, 23, 30));
    EXPECT_EQ(plan.rows[0].cells[7].sky, Sky::Night); // 07:00 .. 08:00 local, middle 06:30 UTC
    EXPECT_EQ(plan.rows[0].cells[8].sky, Sky::Day);
    EXPECT_EQ(plan.rows[1].cells[0].sky, Sky::Unknown); // no city: no night

    // The sun over Madrid (40.4 N, 3.7 W) on 10 December: up at 13:00 UTC, down at 23:30
    // and in civil twilight at 07:30 UTC (sunrise about 07:30, the sun under 6 degrees).
    const SkyAt sky = SkyOver(GeoPoint{40.4, -3.7});
    EXPECT_EQ(sky(Utc(2026, 12, 10, 13)), Sky::Day);
    EXPECT_EQ(sky(Utc(2026, 12, 9, 23, 30)), Sky::Night);
    EXPECT_EQ(sky(Utc(2026, 12, 10, 7, 20)), Sky::Twilight);
    EXPECT_FALSE(SkyOver(std::nullopt));
}

TEST(DayPlan, TextsOfTheChosenInstant)
{
    const std::int64_t at = Utc(2026, 12, 10, 13);
    EXPECT_EQ(PlanCopyText({kMadrid, kNewYork, kKathmandu}, at),
              "Madrid: Thu 10 Dec 2026 14:00 (UTC+01:00)\n"
              "New York: Thu 10 Dec 2026 08:00 (UTC-05:00)\n"
              "Kathmandu: Thu 10 Dec 2026 18:45 (UTC+05:45)\n");
    EXPECT_EQ(PlanLine({kNewYork, kChatham}, Utc(2026, 1, 15, 11)), "06:00  00:45");
    PlanClock late = kMadrid;
    late.supplementMinutes = 90;
    EXPECT_EQ(InstantInClock(late, at), "Madrid: Thu 10 Dec 2026 15:30 (UTC+02:30)");

    const DayPlan plan = MakeDayPlan({kMadrid}, {2026, 12, 10});
    EXPECT_EQ(ColumnOf(plan, at), 14u);
    EXPECT_EQ(ColumnOf(plan, Utc(2026, 12, 9, 22, 59)), std::nullopt);
    EXPECT_EQ(ColumnOf(plan, Utc(2026, 12, 10, 23)), std::nullopt);
}

TEST(DayPlan, DatesOfThePlanner)
{
    struct Case {
        const char* text;
        bool parses;
        bool inRange;
    };
    const Case cases[] = {
        {"2026-12-10", true, true},  {"1900-01-01", true, true},   {"2100-12-31", true, true},
        {"1899-12-31", true, false}, {"2101-01-01", true, false},  {"2026-02-29", false, false},
        {"2026-2-28", false, false}, {"2026-12-1x", false, false}, {"", false, false},
    };
    for (const Case& c : cases) {
        const auto d = ParsePlanDate(c.text);
        EXPECT_EQ(d.has_value(), c.parses) << c.text;
        EXPECT_EQ(d && PlanDateInRange(*d), c.inRange) << c.text;
    }
    EXPECT_TRUE(MakeDayPlan({kMadrid}, {2101, 1, 1}).columns.empty());
    EXPECT_TRUE(MakeDayPlan({}, {2026, 1, 1}).columns.empty());
}
