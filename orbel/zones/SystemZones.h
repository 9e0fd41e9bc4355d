#pragma once
// The system's zones, read from the tz database instead of a registry: the zone names of
// zone1970.tab and zone.tab together, and for each the POSIX rule at the end of its
// compiled file, turned into the offsets and yearly rules of a zone record. The database's
// old names of zones (Europe/Kiev for Europe/Kyiv) come with the list.
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "zones/PosixTzRule.h"
#include "zones/RegTimeZoneList.h"

namespace orbel {

// Where this system keeps its tz database.
inline const std::filesystem::path kSystemZoneFolder = "/usr/share/zoneinfo";

// A remark on one zone: why it was left out, or where its rule is not exact.
struct ZoneReadNote {
    std::string zone;
    std::string text;
    bool skipped = false;
};

// Empties the list and appends one record per zone of the folder's tz database, sorted by
// key name: key name and map id = the tz name, display name "(UTC+01:00) Europe/Madrid".
// The list's oldNames take the links of tzdata.zi that lead to a listed zone.
// A zone whose file is damaged or whose rule cannot be held is left out (and noted).
// Where a rule's time moves its day (24:00, -1:00, 50:00), the yearly rule chosen is exact in
// referenceYear (the caller passes the current year from its clock), and in the year after
// where one weekday rule can be.
void ReadSystemZones(CRegTimeZoneList& list, const std::filesystem::path& folder, int referenceYear,
                     std::vector<ZoneReadNote>* notes = nullptr);

// The zone information of a POSIX rule. False with `error` set when no yearly rule can
// hold it; `inexact` names the years 2000..2099 where the yearly rule differs, if any.
bool ZoneInformationFromPosix(const PosixTzRule& rule, int referenceYear, TimeZoneInformation& info,
                              std::string& inexact, std::string& error);

// The links ("L TARGET LINK") of the folder's tzdata.zi as old name -> listed name, chains
// followed; names that are listed themselves, or lead nowhere listed, are left out.
std::map<std::string, std::string> ReadOldZoneNames(const std::filesystem::path& folder,
                                                    const std::set<std::string>& listed);

// "(UTC+01:00) Europe/Madrid" for Bias -60.
std::string ZoneDisplayName(int bias, const std::string& keyName);

} // namespace orbel
