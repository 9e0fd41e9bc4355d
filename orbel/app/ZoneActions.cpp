#include "app/ZoneActions.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>

#include "zones/StringTable.h"
#include "zones/TransitionText.h"
#include "zones/Translation.h"
#include "zones/ZoneDatabase.h"
#include "zones/ZoneTime.h"
#include "zones/qt/LocaleAdapter.h"

namespace orbel::app {
namespace {

DateTime SystemUtcNow()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return DateTime::FromUnixSeconds(std::chrono::duration<double>(now).count());
}

int CurrentLocalYear()
{
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return local.tm_year + 1900;
}

// YYYY-MM-DDTHH:MM:SS, every field checked.
std::optional<DateTime> ParseInstant(const std::string& text)
{
    int y, mo, d, h, mi, s;
    char tail;
    if (text.size() != 19 || text[4] != '-' || text[7] != '-' || text[10] != 'T' ||
        text[13] != ':' || text[16] != ':' ||
        std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d%c", &y, &mo, &d, &h, &mi, &s, &tail) !=
            6)
        return std::nullopt;
    const DateTime value = DateTime::FromCalendar(y, mo, d, h, mi, s);
    if (!value.valid())
        return std::nullopt;
    return value;
}

} // namespace

std::string ZoneActionsHelp()
{
    return Tr("CommandLine",
              "  --zones [--mode M] list the zones of usage mode M (ignore, merge or replace;\n"
              "                     default ignore): key, name, daylight start, standard start\n"
              "  --time ZONE [--at YYYY-MM-DDTHH:MM:SS] [--no-dst] [--mode M]\n"
              "                     the local time of ZONE (a key name from --zones) at that\n"
              "                     UTC instant (default now); --no-dst ignores daylight saving\n");
}

std::optional<int> RunZoneAction(const Options& options, std::ostream& out, std::ostream& err)
{
    const auto& rest = options.rest;
    const bool zones = std::find(rest.begin(), rest.end(), "--zones") != rest.end();
    const bool time = std::find(rest.begin(), rest.end(), "--time") != rest.end();
    if (!zones && !time)
        return std::nullopt;
    if (zones && time) {
        err << Tr("CommandLine", "--zones and --time cannot be combined") << "\n";
        return 2;
    }

    ZoneDatabaseUsage usage = ZoneDatabaseUsage::Ignore;
    std::string zoneName;
    std::optional<DateTime> at;
    bool noDst = false;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        const std::string& a = rest[i];
        const bool hasValue = i + 1 < rest.size();
        if (a == "--zones") {
            continue;
        } else if (a == "--mode" && hasValue) {
            const std::string& m = rest[++i];
            if (m == "ignore")
                usage = ZoneDatabaseUsage::Ignore;
            else if (m == "merge")
                usage = ZoneDatabaseUsage::Merge;
            else if (m == "replace")
                usage = ZoneDatabaseUsage::Replace;
            else {
                err << Tr("CommandLine", "--mode takes ignore, merge or replace") << "\n";
                return 2;
            }
        } else if (a == "--time" && hasValue && time) {
            zoneName = rest[++i];
        } else if (a == "--at" && hasValue && time) {
            at = ParseInstant(rest[++i]);
            if (!at) {
                err << Tr("CommandLine", "--at takes a UTC date and time as YYYY-MM-DDTHH:MM:SS")
                    << "\n";
                return 2;
            }
        } else if (a == "--no-dst" && time) {
            noDst = true;
        } else {
            err << FormatMessage(Tr("CommandLine", "Unexpected argument: %1"), {a}) << "\n";
            return 2;
        }
    }
    if (time && zoneName.empty()) {
        err << Tr("CommandLine", "--time needs a zone (a key name as --zones lists it)") << "\n";
        return 2;
    }

    ZoneSources sources;
    sources.programFolder = options.dataDir;
    const int year = CurrentLocalYear();
    sources.referenceYear = at ? at->Calendar().year : year;
    CRegTimeZoneList list;
    BuildZoneList(list, usage, sources);

    if (zones) {
        const LocaleTexts locale = UserLocaleTexts();
        for (const auto& z : list)
            out << z->keyName << '\t' << z->displayName << '\t'
                << DescribeTransition(z.get(), TransitionKind::DaylightStart, year, locale) << '\t'
                << DescribeTransition(z.get(), TransitionKind::StandardStart, year, locale) << '\n';
        return 0;
    }
    CRegTimeZone probe;
    probe.keyName = zoneName;
    const CRegTimeZone* zone = list.FindZone(probe, kZoneFilterAll | kZoneFilterKeyOnly);
    if (!zone) {
        err << FormatMessage(Tr("CommandLine", "No zone named %1 (see --zones)"), {zoneName})
            << "\n";
        return 1;
    }
    const DateTime instant = at ? *at : SystemUtcNow();
    const DateTime local = GetCurrentTime(*zone, !noDst, [&] { return instant; });
    CalendarTime c;
    if (!local.ToCalendar(c)) {
        err << Tr("CommandLine", "The time lies outside the years 100 to 9999") << "\n";
        return 1;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", c.year, c.month, c.day,
                  c.hour, c.minute, c.second);
    out << text << '\n';
    return 0;
}

} // namespace orbel::app
