#include "clocks/ClockList.h"

#include <utility>

#include "zones/Archive.h"
#include "zones/RegTimeZoneList.h"

namespace orbel {

CClockList::CClockList(const CClockList& other)
{
    for (const auto& c : other.clocks_)
        clocks_.push_back(std::make_unique<CClock>(*c));
}

CClockList& CClockList::operator=(const CClockList& other)
{
    if (this != &other) {
        CClockList copy(other);
        clocks_ = std::move(copy.clocks_);
    }
    return *this;
}

CClock& CClockList::Add()
{
    clocks_.push_back(std::make_unique<CClock>());
    return *clocks_.back();
}

CClock& CClockList::Add(CClock clock)
{
    clocks_.push_back(std::make_unique<CClock>(std::move(clock)));
    return *clocks_.back();
}

bool CClockList::Remove(std::size_t i)
{
    if (i >= clocks_.size())
        return false;
    clocks_.erase(clocks_.begin() + static_cast<std::ptrdiff_t>(i));
    return true;
}

bool CClockList::MoveUp(std::size_t i)
{
    if (i == 0 || i >= clocks_.size())
        return false;
    std::swap(clocks_[i - 1], clocks_[i]);
    return true;
}

bool CClockList::MoveDown(std::size_t i)
{
    if (i + 1 >= clocks_.size())
        return false;
    std::swap(clocks_[i], clocks_[i + 1]);
    return true;
}

std::size_t CClockList::CountWithFlags(std::uint32_t mask) const
{
    std::size_t n = 0;
    for (const auto& c : clocks_)
        if ((c->flags & mask) == mask)
            ++n;
    return n;
}

CClock* CClockList::NthActive(std::size_t n)
{
    for (auto& c : clocks_)
        if (c->IsActive() && n-- == 0)
            return c.get();
    return nullptr;
}

const CClock* CClockList::NthActive(std::size_t n) const
{
    return const_cast<CClockList*>(this)->NthActive(n);
}

CClockList::Found CClockList::FindLocalZoneClock(const TimeZoneInformation& local)
{
    for (std::size_t i = 0; i < clocks_.size(); ++i)
        if (IsSameZoneInformation(clocks_[i]->zone.info, local))
            return {clocks_[i].get(), static_cast<int>(i)};
    return {};
}

bool CClockList::RefreshZones(const CRegTimeZoneList& zones)
{
    bool refreshed = false;
    for (auto& c : clocks_) {
        if (const CRegTimeZone* z = zones.FindZone(c->zone, kZoneFilterAll)) {
            CopyZone(c->zone, *z);
            refreshed = true;
        }
    }
    return refreshed;
}

bool CClockList::RefreshZonesByKey(const CRegTimeZoneList& zones, const CRegTimeZoneList* kept)
{
    const std::uint32_t byKey = kZoneFilterAll | kZoneFilterKeyOnly;
    bool changed = false;
    for (auto& c : clocks_) {
        if (c->zone.keyName.empty() || (kept && kept->FindZone(c->zone, byKey)))
            continue;
        const CRegTimeZone* z = zones.FindZone(c->zone, byKey);
        if (!z || (z->keyName == c->zone.keyName && z->displayName == c->zone.displayName &&
                   z->mapId == c->zone.mapId && z->info == c->zone.info))
            continue;
        CopyZone(c->zone, *z);
        changed = true;
    }
    return changed;
}

void CClockList::AddDefaultClocks(const TimeZoneInformation& local)
{
    if (!clocks_.empty())
        return;
    for (int i = 0; i < 2; ++i)
        Add().zone.info = local;
}

void CClockList::Write(ArchiveWriter& out) const
{
    out.Count(clocks_.size());
    for (const auto& c : clocks_) {
        out.BeginObject(CClock::kClassName, CClock::kSchema);
        c->Write(out);
    }
}

void CClockList::Read(ArchiveReader& in)
{
    auto read = ReadObjectList<CClock>(
        in, CClock::kClassName,
        [](ArchiveReader& r, CClock& c, std::uint16_t schema) { c.Read(r, schema); });
    std::vector<std::unique_ptr<CClock>> clocks;
    clocks.reserve(read.size());
    for (auto& c : read)
        clocks.push_back(std::make_unique<CClock>(std::move(c)));
    read.clear();
    clocks_ = std::move(clocks);
}

} // namespace orbel
