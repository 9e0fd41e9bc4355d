#pragma once
// The corrected zone database file "OrbelTZI.dat" beside the program, the three ways of
// using it (Ignore, Merge, Replace) and the zone list each of them builds.
#include <cstdint>
#include <filesystem>
#include <string>

#include "zones/RegTimeZoneList.h"
#include "zones/SystemZones.h"

namespace orbel {

enum class ZoneDatabaseUsage { Ignore = 0, Merge = 1, Replace = 2 };

// The usage mode lives in the option word.
inline constexpr std::uint32_t kUsageMergeBit = 0x00100000;
inline constexpr std::uint32_t kUsageReplaceBit = 0x00200000;
inline constexpr std::uint32_t kUsageBits = 0x00F00000;

// Merge if its bit is set, else Replace if its bit is set, else Ignore.
ZoneDatabaseUsage UsageFromOptions(std::uint32_t options);
// Clears all four usage bits and sets the mode's own.
std::uint32_t WithUsage(std::uint32_t options, ZoneDatabaseUsage usage);

// Where the zones come from: the system's tz database, the program folder (which holds
// the database file) and the current year (see ReadSystemZones).
struct ZoneSources {
    std::filesystem::path systemFolder = kSystemZoneFolder;
    std::filesystem::path programFolder;
    int referenceYear = 2026;
};

std::filesystem::path ZoneDatabasePath(const std::filesystem::path& programFolder);

// Appends the file's records (and takes its header). False with `error` (at most 255
// characters) when the file is missing, unreadable or damaged; the records read before
// the damage stay in the list.
bool LoadZoneDatabase(CRegTimeZoneList& list, const std::filesystem::path& programFolder,
                      std::string& error);
// Writes the list as the database file (temporary file, then rename); `utcNow` becomes its
// save time.
bool SaveZoneDatabase(CRegTimeZoneList& list, const std::filesystem::path& programFolder,
                      const DateTime& utcNow, std::string& error);

// Fills `list` (emptied first) for a usage mode. Ignore: the system zones. Merge: the system
// zones, each corrected by the zone information of the first file record with the
// correction flag that is the same zone. Replace: the file's records with the replacement
// flag. A file that cannot be loaded ends the step silently: Merge keeps the uncorrected
// system zones; Replace keeps the records read before the failure, unfiltered.
void BuildZoneList(CRegTimeZoneList& list, ZoneDatabaseUsage usage, const ZoneSources& sources);

} // namespace orbel
