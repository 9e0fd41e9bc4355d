#pragma once
// An owning list of zone records in insertion order, with the header the zone database
// file keeps (title, header flags, save time). Each user of a zone list builds its own.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "zones/Archive.h"
#include "zones/DateTime.h"
#include "zones/RegTimeZone.h"

namespace orbel {

// Filters of FindZone and of the zone pickers.
inline constexpr std::uint32_t kZoneFilterAll = 0xFFFF;
inline constexpr std::uint32_t kZoneFilterCorrection = 2;  // records with the correction flag
inline constexpr std::uint32_t kZoneFilterReplacement = 4; // records with the replacement flag
inline constexpr std::uint32_t kZoneFilterKeyOnly = 0x10000;

// Whether a record passes a filter (the low 16 bits of it).
bool PassesZoneFilter(const CRegTimeZone& zone, std::uint32_t filter);

class CRegTimeZoneList {
public:
    static constexpr std::uint32_t kFileTag = 0x42445A54; // "TZDB"
    static constexpr std::uint32_t kFileVersion = 0x00010000;
    static constexpr std::uint32_t kHasReplacementRecords = 1; // header flag bit 0

    std::string title;
    std::uint32_t headerFlags = 0;
    DateTime saveTime = DateTime::Null();
    // Old key names of zones, each with the key name the list holds it under (the tz
    // database's links: Europe/Kiev -> Europe/Kyiv). Not stored.
    std::map<std::string, std::string> oldNames;

    CRegTimeZoneList() = default;
    CRegTimeZoneList(const CRegTimeZoneList&) = delete;
    CRegTimeZoneList& operator=(const CRegTimeZoneList&) = delete;
    CRegTimeZoneList(CRegTimeZoneList&&) = default;
    CRegTimeZoneList& operator=(CRegTimeZoneList&&) = default;

    std::size_t size() const { return zones_.size(); }
    bool empty() const { return zones_.empty(); }
    CRegTimeZone& operator[](std::size_t i) { return *zones_[i]; }
    const CRegTimeZone& operator[](std::size_t i) const { return *zones_[i]; }
    auto begin() const { return zones_.begin(); }
    auto end() const { return zones_.end(); }

    CRegTimeZone& Add(CRegTimeZone zone);
    void Clear()
    {
        zones_.clear();
        oldNames.clear();
    }
    // Removes every record that does not pass the filter.
    void KeepOnly(std::uint32_t filter);

    // The first record in list order that passes the filter and IsSameZone as `zone`
    // (only the key name when kZoneFilterKeyOnly is set); when none is, the record held
    // under the zone's new name if its key name is an old one; nullptr when none.
    const CRegTimeZone* FindZone(const CRegTimeZone& zone, std::uint32_t filter) const;
    CRegTimeZone* FindZone(const CRegTimeZone& zone, std::uint32_t filter);

    // What a zone picker shows: the records that pass the filter, by offset from west to
    // east (standard time, the Bias of the display name), then by display name, ties in
    // list order.
    std::vector<const CRegTimeZone*> PickerOrder(std::uint32_t filter) const;

    // The stored form of the zone database file. Store recomputes header bit 0 from the
    // records and records `utcNow` as the save time. Load appends the records in file
    // order (and sets the header) and throws ArchiveError on a damaged stream; the
    // records read before the failure stay in the list.
    void Store(ArchiveWriter& out, const DateTime& utcNow);
    void Load(ArchiveReader& in);

private:
    std::vector<std::unique_ptr<CRegTimeZone>> zones_;
};

} // namespace orbel
