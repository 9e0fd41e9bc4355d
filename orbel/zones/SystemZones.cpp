#include "zones/SystemZones.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <set>
#include <sstream>

#include "zones/FileBytes.h"
#include "zones/TzifFile.h"
#include "zones/ZoneTime.h"

namespace orbel {
namespace {

constexpr int kFirstCheckedYear = 2000;
constexpr int kLastCheckedYear = 2099;

std::int64_t Seconds(const DateTime& d)
{
    return static_cast<std::int64_t>(std::llround(d.Linear() * 86400.0));
}

// The exact instant (local time before the change) of a Mm.w.d/time rule in a year.
std::int64_t ExactInstant(const PosixTzDate& d, int year)
{
    SystemTime midnight{0,
                        static_cast<std::uint16_t>(d.month),
                        static_cast<std::uint16_t>(d.weekday),
                        static_cast<std::uint16_t>(d.week),
                        0,
                        0,
                        0,
                        0};
    return Seconds(TransitionForYear(midnight, year)) + d.time;
}

// A Mm.w.d/time rule as a yearly rule. Times within 0..24 h map as they are. Other times
// (24:00 of a Thursday, -1:00 of a Sunday, 50:00) move the day: the yearly rule then names
// the shifted weekday, and of the weeks (and neighbouring months) that could hold it the one
// that agrees in the reference year is taken, of those the one that agrees in the next year
// too, and then in the most years; the years where it still differs are named. (Gaza's
// "Saturday after the fourth Thursday of October" is the fourth Saturday in 2026 but the
// last in 2027: no one weekday rule holds both.)
bool MapDate(const PosixTzDate& d, int referenceYear, SystemTime& out, std::string& inexact,
             std::string& error)
{
    if (d.kind != PosixTzDate::MonthWeekDay) {
        error = "day-of-year rule (J or n form) cannot be held by a weekday rule";
        return false;
    }
    long time = d.time;
    long shiftDays = 0;
    while (time < 0) {
        time += 86400;
        --shiftDays;
    }
    while (time >= 86400) {
        time -= 86400;
        ++shiftDays;
    }
    const auto weekday = static_cast<std::uint16_t>(((d.weekday + shiftDays) % 7 + 7) % 7);
    const auto h = static_cast<std::uint16_t>(time / 3600);
    const auto m = static_cast<std::uint16_t>(time / 60 % 60);
    const auto s = static_cast<std::uint16_t>(time % 60);
    if (shiftDays == 0) {
        out = SystemTime{0,       static_cast<std::uint16_t>(d.month),
                         weekday, static_cast<std::uint16_t>(d.week),
                         h,       m,
                         s,       0};
        return true;
    }
    int bestMatches = -1;
    std::vector<int> bestMisses;
    for (int monthShift : {0, -1, 1}) {
        const int month = (d.month - 1 + monthShift + 12) % 12 + 1;
        for (int week = 1; week <= 5; ++week) {
            const SystemTime candidate{0,       static_cast<std::uint16_t>(month),
                                       weekday, static_cast<std::uint16_t>(week),
                                       h,       m,
                                       s,       0};
            const int yearShift = (month < d.month && monthShift == 1 ? 1 : 0) -
                                  (month > d.month && monthShift == -1 ? 1 : 0);
            auto agrees = [&](int y) {
                return Seconds(TransitionForYear(candidate, y + yearShift)) == ExactInstant(d, y);
            };
            std::vector<int> misses;
            for (int y = kFirstCheckedYear; y <= kLastCheckedYear; ++y)
                if (!agrees(y))
                    misses.push_back(y);
            // The reference year first, then the next, then the most years overall.
            const int matches = (agrees(referenceYear) ? 2000 : 0) +
                                (agrees(referenceYear + 1) ? 1000 : 0) +
                                (kLastCheckedYear - kFirstCheckedYear + 1) - int(misses.size());
            if (matches > bestMatches) {
                bestMatches = matches;
                bestMisses = misses;
                out = candidate;
            }
        }
    }
    if (bestMatches <= 0) {
        error = "no yearly rule agrees in any year";
        return false;
    }
    if (!bestMisses.empty()) {
        std::ostringstream text;
        text << "differs in " << bestMisses.size() << " of the years " << kFirstCheckedYear << "-"
             << kLastCheckedYear << ":";
        for (std::size_t i = 0; i < bestMisses.size() && i < 6; ++i)
            text << ' ' << bestMisses[i];
        if (bestMisses.size() > 6)
            text << " ...";
        inexact = text.str();
    }
    return true;
}

bool ValidZoneName(const std::string& name)
{
    if (name.empty() || name.front() == '/' || name.find("..") != std::string::npos)
        return false;
    return std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
               c == '/' || c == '_' || c == '-' || c == '+';
    });
}

// The zone names of one zone table (third column), or nothing when it cannot be read.
void ReadZoneTable(const std::filesystem::path& file, std::set<std::string>& names)
{
    std::vector<std::uint8_t> bytes;
    std::string error;
    if (!ReadWholeFile(file, 1 << 20, bytes, error))
        return;
    std::istringstream in(std::string(bytes.begin(), bytes.end()));
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::string codes, coordinates, name;
        if (std::getline(fields, codes, '\t') && std::getline(fields, coordinates, '\t') &&
            std::getline(fields, name, '\t')) {
            if (!name.empty() && name.back() == '\r')
                name.pop_back();
            if (ValidZoneName(name))
                names.insert(name);
        }
    }
}

// Every zone a user may live in: zone1970.tab merges the zones that agree since 1970
// (Oslo into Berlin), zone.tab keeps one per country and city, so both are read.
std::vector<std::string> ZoneNames(const std::filesystem::path& folder)
{
    std::set<std::string> names;
    ReadZoneTable(folder / "zone1970.tab", names);
    ReadZoneTable(folder / "zone.tab", names);
    return {names.begin(), names.end()};
}

} // namespace

std::map<std::string, std::string> ReadOldZoneNames(const std::filesystem::path& folder,
                                                    const std::set<std::string>& listed)
{
    std::map<std::string, std::string> links;
    std::vector<std::uint8_t> bytes;
    std::string error;
    if (!ReadWholeFile(folder / "tzdata.zi", 4 << 20, bytes, error))
        return {};
    std::istringstream in(std::string(bytes.begin(), bytes.end()));
    std::string line;
    while (std::getline(in, line)) {
        // "L TARGET LINK": LINK is another name of TARGET.
        if (line.size() < 2 || line[0] != 'L' || line[1] != ' ')
            continue;
        std::istringstream fields(line.substr(2));
        std::string target, link;
        if (fields >> target >> link && ValidZoneName(target) && ValidZoneName(link))
            links[link] = target;
    }
    std::map<std::string, std::string> out;
    for (const auto& [link, first] : links) {
        if (listed.count(link))
            continue; // a listed zone is found under its own name
        // Follow a chain of links (a few steps at most) to a listed zone.
        std::string target = first;
        for (int step = 0; step < 8 && !listed.count(target); ++step) {
            const auto next = links.find(target);
            if (next == links.end())
                break;
            target = next->second;
        }
        if (listed.count(target))
            out[link] = target;
    }
    return out;
}

std::string ZoneDisplayName(int bias, const std::string& keyName)
{
    const int east = -bias;
    const int a = east < 0 ? -east : east;
    char text[32];
    std::snprintf(text, sizeof text, "(UTC%c%02d:%02d) ", east < 0 ? '-' : '+', a / 60 % 100,
                  a % 60);
    return text + keyName;
}

bool ZoneInformationFromPosix(const PosixTzRule& rule, int referenceYear, TimeZoneInformation& info,
                              std::string& inexact, std::string& error)
{
    info = TimeZoneInformation{};
    inexact.clear();
    if (rule.standardOffset % 60 != 0) {
        error = "offset is not a whole number of minutes";
        return false;
    }
    info.Bias = static_cast<std::int32_t>(rule.standardOffset / 60);
    if (!rule.hasDaylight)
        return true;
    if (!rule.hasRules) {
        error = "daylight time without rules";
        return false;
    }
    // Daylight time all year round, as the tz database writes it: from day 0 at 0:00 to
    // 31 December at 25:00 or later. That is a plain zone at the daylight offset.
    if (rule.start.kind == PosixTzDate::Julian0 && rule.start.day == 0 && rule.start.time == 0 &&
        rule.end.kind == PosixTzDate::Julian1 && rule.end.day == 365 &&
        rule.end.time >= 86400 + (rule.standardOffset - rule.daylightOffset)) {
        if (rule.daylightOffset % 60 != 0) {
            error = "offset is not a whole number of minutes";
            return false;
        }
        info.Bias = static_cast<std::int32_t>(rule.daylightOffset / 60);
        return true;
    }
    if ((rule.daylightOffset - rule.standardOffset) % 60 != 0) {
        error = "daylight saving is not a whole number of minutes";
        return false;
    }
    std::string startInexact, endInexact;
    if (!MapDate(rule.start, referenceYear, info.DaylightDate, startInexact, error) ||
        !MapDate(rule.end, referenceYear, info.StandardDate, endInexact, error))
        return false;
    info.DaylightBias = static_cast<std::int32_t>((rule.daylightOffset - rule.standardOffset) / 60);
    if (info.DaylightBias > 0) {
        // "Negative" daylight saving (Irish winter time): the smaller offset is the standard
        // one. Each rule's time stays in the local time in force before its change.
        info.Bias += info.DaylightBias;
        info.DaylightBias = -info.DaylightBias;
        std::swap(info.DaylightDate, info.StandardDate);
        std::swap(startInexact, endInexact);
    }
    if (!startInexact.empty())
        inexact = "daylight start " + startInexact;
    if (!endInexact.empty())
        inexact += (inexact.empty() ? "" : "; ") + std::string("standard start ") + endInexact;
    return true;
}

void ReadSystemZones(CRegTimeZoneList& list, const std::filesystem::path& folder, int referenceYear,
                     std::vector<ZoneReadNote>* notes)
{
    list.Clear();
    auto note = [notes](const std::string& zone, const std::string& text, bool skipped) {
        if (notes)
            notes->push_back(ZoneReadNote{zone, text, skipped});
    };
    for (const std::string& name : ZoneNames(folder)) {
        std::vector<std::uint8_t> bytes;
        std::string error, footer, inexact;
        if (!ReadWholeFile(folder / name, 4 << 20, bytes, error)) {
            note(name, error, true);
            continue;
        }
        if (!ReadTzifFooter(bytes, footer, error)) {
            note(name, "damaged zone file: " + error, true);
            continue;
        }
        const auto rule = ParsePosixTz(footer);
        if (!rule) {
            note(name, "rule \"" + footer + "\" not understood", true);
            continue;
        }
        CRegTimeZone zone;
        if (!ZoneInformationFromPosix(*rule, referenceYear, zone.info, inexact, error)) {
            note(name, "rule \"" + footer + "\": " + error, true);
            continue;
        }
        if (!inexact.empty())
            note(name, "rule \"" + footer + "\": " + inexact, false);
        zone.keyName = name;
        zone.displayName = ZoneDisplayName(zone.info.Bias, name);
        zone.mapId = name; // unique, so no two zones pass IsSameZone's bias/map-id test
        list.Add(std::move(zone));
    }
    std::set<std::string> listed;
    for (const auto& z : list)
        listed.insert(z->keyName);
    list.oldNames = ReadOldZoneNames(folder, listed);
}

} // namespace orbel
