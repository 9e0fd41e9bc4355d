#include "zones/RegTimeZone.h"

namespace orbel {

void CRegTimeZone::Store(ArchiveWriter& out) const
{
    out.U32(kStoredTag);
    out.U32(kStoredVersion);
    out.U32(flags);
    out.U32(0);
    out.Text(keyName);
    out.Text(displayName);
    out.Text(mapId);
    out.U32(0);
    std::uint8_t raw[TimeZoneInformation::kSize];
    info.ToBytes(raw);
    out.Bytes(raw, sizeof raw);
}

void CRegTimeZone::Load(ArchiveReader& in, std::uint16_t schema)
{
    if (schema == 1) {
        in.Skip(4);
        keyName = in.Text();
        displayName = in.Text();
        flags = 0;
        mapId.clear();
    } else {
        in.Skip(8); // tag and version
        flags = in.U32();
        in.Skip(4);
        keyName = in.Text();
        displayName = in.Text();
        mapId = in.Text();
        in.Skip(4);
    }
    std::uint8_t raw[TimeZoneInformation::kSize];
    in.Bytes(raw, sizeof raw);
    info = TimeZoneInformation::FromBytes(raw);
}

bool IsSameZone(const CRegTimeZone& a, const CRegTimeZone* b, bool keyOnly)
{
    if (!b)
        return false;
    if (a.keyName == b->keyName)
        return true;
    if (keyOnly)
        return false;
    if (a.displayName == b->displayName)
        return true;
    return a.HasDaylightSaving() == b->HasDaylightSaving() && a.info.Bias == b->info.Bias &&
           a.mapId == b->mapId;
}

void CopyZone(CRegTimeZone& to, const CRegTimeZone& from)
{
    if (&to == &from)
        return;
    to.keyName = from.keyName;
    to.displayName = from.displayName;
    to.mapId = from.mapId;
    to.info = from.info;
}

} // namespace orbel
