#pragma once
// One time zone record: flags, key name (the zone's identity), display name, map id and
// the zone information. Stored inside the zone database file's object list and inside
// every stored clock.
#include <cstdint>
#include <string>

#include "zones/Archive.h"
#include "zones/TimeZoneInformation.h"

namespace orbel {

class CRegTimeZone {
public:
    static constexpr const char* kClassName = "CRegTimeZone";
    static constexpr std::uint16_t kSchema = 2;
    static constexpr std::uint32_t kCorrectionFlag = 1;     // corrects a system record (Merge)
    static constexpr std::uint32_t kReplacementFlag = 2;    // belongs to the Replace set
    static constexpr std::uint32_t kStoredTag = 0x54455A54; // "TZET"
    static constexpr std::uint32_t kStoredVersion = 0x00020000;

    std::uint32_t flags = 0;
    std::string keyName;
    std::string displayName;
    std::string mapId;
    TimeZoneInformation info;

    bool HasDaylightSaving() const { return info.HasDaylightSaving(); }

    // The record's own fields (the caller writes the object tag, if any).
    void Store(ArchiveWriter& out) const;
    // Reads the fields in the layout of the schema the stream announced: schema 1 is the
    // older record without flags and map id. Tag and version are not checked.
    void Load(ArchiveReader& in, std::uint16_t schema);
};

// Same key name; else, unless only the key counts, same display name; else both or
// neither with daylight saving, equal Bias and equal map id. False when b is absent.
bool IsSameZone(const CRegTimeZone& a, const CRegTimeZone* b, bool keyOnly = false);

// Copies key name, display name, map id and zone information; the flags of `to` stay.
void CopyZone(CRegTimeZone& to, const CRegTimeZone& from);

} // namespace orbel
