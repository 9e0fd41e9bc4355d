#pragma once
// What the daylight-saving ("TZI") page of the options shows: the database status, the
// usage modes it offers, the zones of its picker and the Windows and Orbel transition
// texts of the selected zone. The page itself only shows these.
#include <cstdint>
#include <string>
#include <vector>

#include "zones/DateTimeFormat.h"
#include "zones/ZoneDatabase.h"

namespace orbel {

struct TziTransitionTexts {
    std::string systemStart, systemEnd; // "Windows daylight saving time"
    std::string orbelStart, orbelEnd;   // "Orbel daylight saving time"
};

class TziPageModel {
public:
    // Reads the system zones (list A) and loads the database file (list B).
    void Open(const ZoneSources& sources);

    // "%1 record(s) found in %2", or the load failure's own text.
    const std::string& StatusText() const { return status_; }
    // 3 when the file holds replacement records, 2 when it loaded without, 1 when it failed.
    int OfferedModes() const { return offeredModes_; }
    // The first OfferedModes() items of the usage list, in the order Ignore, Merge, Replace.
    std::vector<std::string> UsageItems() const;

    // The zones of the picker and the filter to fill it with: B's replacement records in
    // Replace mode, else all of A.
    const CRegTimeZoneList& PickerZones(ZoneDatabaseUsage usage, std::uint32_t& filter) const;

    // The four texts for the selected record (all empty when none is selected).
    TziTransitionTexts Describe(const CRegTimeZone* selected, ZoneDatabaseUsage usage,
                                int currentLocalYear,
                                const LocaleTexts& locale = LocaleTexts{}) const;

    const CRegTimeZoneList& systemZones() const { return system_; }
    const CRegTimeZoneList& fileZones() const { return file_; }

private:
    CRegTimeZoneList system_, file_;
    std::string status_;
    int offeredModes_ = 1;
};

} // namespace orbel
