#include "app/PlanActions.h"

#include <algorithm>
#include <chrono>
#include <ostream>

#include "planner/DayPlan.h"
#include "zones/StringTable.h"
#include "zones/Translation.h"
#include "zones/ZoneDatabase.h"

namespace orbel::app {
namespace {

std::vector<std::string> SplitZones(const std::string& list)
{
    std::vector<std::string> out;
    std::size_t at = 0;
    while (at <= list.size()) {
        const std::size_t comma = std::min(list.find(',', at), list.size());
        out.push_back(list.substr(at, comma - at));
        at = comma + 1;
    }
    return out;
}

std::int64_t UnixNow()
{
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

} // namespace

std::string PlanActionsHelp()
{
    // The lines of a plan are read by scripts: they stay the same in every language.
    return Tr("CommandLine",
              "  --plan ZONE1,ZONE2[,...] [--date YYYY-MM-DD]\n"
              "                     one line per hour of ZONE1's day (default today there,\n"
              "                     1900 to 2100): the local HH:MM of every zone\n");
}

std::optional<int> RunPlanAction(const Options& options, std::ostream& out, std::ostream& err)
{
    const auto& rest = options.rest;
    if (std::find(rest.begin(), rest.end(), "--plan") == rest.end())
        return std::nullopt;
    const auto usage = [&](const std::string& why) {
        err << why << "\n\n" << HelpText() << PlanActionsHelp();
        return 2;
    };
    std::string zoneList;
    std::optional<PlanDate> date;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        const bool hasValue = i + 1 < rest.size();
        if (rest[i] == "--plan" && hasValue && zoneList.empty()) {
            zoneList = rest[++i];
        } else if (rest[i] == "--date" && hasValue && !date) {
            date = ParsePlanDate(rest[++i]);
            if (!date || !PlanDateInRange(*date))
                return usage(Tr("CommandLine",
                                "--date takes a day from 1900-01-01 to 2100-12-31 as YYYY-MM-DD"));
        } else {
            return usage(FormatMessage(Tr("CommandLine", "Unexpected argument: %1"), {rest[i]}));
        }
    }
    const std::vector<std::string> keys = SplitZones(zoneList);
    if (zoneList.empty() || std::find(keys.begin(), keys.end(), "") != keys.end())
        return usage(
            Tr("CommandLine", "--plan needs zones separated by commas (key names from --zones)"));

    ZoneSources sources;
    sources.programFolder = options.dataDir;
    const std::int64_t now = UnixNow();
    sources.referenceYear =
        date ? date->year : DateTime::FromUnixSeconds(double(now)).Calendar().year;
    CRegTimeZoneList list;
    BuildZoneList(list, ZoneDatabaseUsage::Ignore, sources);
    std::vector<PlanClock> clocks;
    for (const std::string& key : keys) {
        CRegTimeZone probe;
        probe.keyName = key;
        const CRegTimeZone* zone = list.FindZone(probe, kZoneFilterAll | kZoneFilterKeyOnly);
        if (!zone) {
            err << FormatMessage(Tr("CommandLine", "No zone named %1 (see --zones)"), {key})
                << "\n";
            return 1;
        }
        PlanClock clock;
        clock.name = key;
        clock.zone = zone->info;
        clocks.push_back(std::move(clock));
    }
    if (!date) {
        // Today in the first zone.
        const std::int64_t local = now + 60 * PlanOffsetMinutes(clocks.front(), now);
        const CalendarTime c = DateTime::FromUnixSeconds(double(local)).Calendar();
        date = PlanDate{c.year, c.month, c.day};
    }
    const DayPlan plan = MakeDayPlan(clocks, *date);
    for (const std::int64_t column : plan.columns)
        out << PlanLine(clocks, column) << '\n';
    return 0;
}

} // namespace orbel::app
