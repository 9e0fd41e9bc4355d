#include "zones/RegTimeZoneList.h"

#include <algorithm>
#include <utility>

namespace orbel {

bool PassesZoneFilter(const CRegTimeZone& zone, std::uint32_t filter)
{
    if ((filter & 0xFFFF) == 0xFFFF)
        return true;
    // Record flag 1 answers filter bit 2, record flag 2 answers filter bit 4.
    return ((zone.flags << 1) & filter & (kZoneFilterCorrection | kZoneFilterReplacement)) != 0;
}

CRegTimeZone& CRegTimeZoneList::Add(CRegTimeZone zone)
{
    zones_.push_back(std::make_unique<CRegTimeZone>(std::move(zone)));
    return *zones_.back();
}

void CRegTimeZoneList::KeepOnly(std::uint32_t filter)
{
    std::erase_if(zones_, [filter](const auto& z) { return !PassesZoneFilter(*z, filter); });
}

const CRegTimeZone* CRegTimeZoneList::FindZone(const CRegTimeZone& zone, std::uint32_t filter) const
{
    const bool keyOnly = (filter & kZoneFilterKeyOnly) != 0;
    for (const auto& z : zones_)
        if (PassesZoneFilter(*z, filter) && IsSameZone(zone, z.get(), keyOnly))
            return z.get();
    const auto renamed = oldNames.find(zone.keyName);
    if (renamed == oldNames.end())
        return nullptr;
    for (const auto& z : zones_)
        if (PassesZoneFilter(*z, filter) && z->keyName == renamed->second)
            return z.get();
    return nullptr;
}

CRegTimeZone* CRegTimeZoneList::FindZone(const CRegTimeZone& zone, std::uint32_t filter)
{
    return const_cast<CRegTimeZone*>(std::as_const(*this).FindZone(zone, filter));
}

std::vector<const CRegTimeZone*> CRegTimeZoneList::PickerOrder(std::uint32_t filter) const
{
    std::vector<const CRegTimeZone*> out;
    for (const auto& z : zones_)
        if (PassesZoneFilter(*z, filter))
            out.push_back(z.get());
    // West first: the larger the Bias (UTC = local + Bias), the further west.
    std::stable_sort(out.begin(), out.end(), [](const CRegTimeZone* a, const CRegTimeZone* b) {
        if (a->info.Bias != b->info.Bias)
            return a->info.Bias > b->info.Bias;
        return a->displayName < b->displayName;
    });
    return out;
}

void CRegTimeZoneList::Store(ArchiveWriter& out, const DateTime& utcNow)
{
    const bool anyReplacement = std::any_of(zones_.begin(), zones_.end(), [](const auto& z) {
        return (z->flags & CRegTimeZone::kReplacementFlag) != 0;
    });
    headerFlags = anyReplacement ? headerFlags | kHasReplacementRecords
                                 : headerFlags & ~kHasReplacementRecords;
    saveTime = utcNow;
    out.U32(kFileTag);
    out.U32(kFileVersion);
    out.Text(title);
    out.U32(headerFlags);
    out.Date(saveTime);
    out.U32(0);
    out.U32(0);
    out.U32(0);
    out.Text("");
    out.Text("");
    out.Count(zones_.size());
    for (const auto& z : zones_) {
        out.BeginObject(CRegTimeZone::kClassName, CRegTimeZone::kSchema);
        z->Store(out);
    }
}

void CRegTimeZoneList::Load(ArchiveReader& in)
{
    in.Skip(8); // tag and version are not checked
    title = in.Text();
    headerFlags = in.U32();
    saveTime = in.Date();
    in.Skip(12);
    in.Text();
    in.Text();
    // Records are appended one by one so that what was read before a failure stays.
    const std::uint32_t count = in.Count();
    for (std::uint32_t i = 0; i < count; ++i) {
        ObjectTag tag = in.ReadObject();
        if (tag.kind == ObjectTag::None)
            continue;
        if (tag.kind == ObjectTag::Reference)
            throw ArchiveError("a zone record is listed twice");
        if (tag.className != CRegTimeZone::kClassName)
            throw ArchiveError("unknown class " + tag.className);
        CRegTimeZone zone;
        zone.Load(in, tag.schema);
        Add(std::move(zone));
    }
}

} // namespace orbel
