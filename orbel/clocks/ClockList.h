#pragma once
// The program's clocks in display order. The list owns its clocks: removing or clearing
// deletes them.
#include <cstdint>
#include <memory>
#include <vector>

#include "clocks/Clock.h"

namespace orbel {

class CRegTimeZoneList;

class CClockList {
public:
    CClockList() = default;
    CClockList(const CClockList& other);
    CClockList& operator=(const CClockList& other);
    CClockList(CClockList&&) noexcept = default;
    CClockList& operator=(CClockList&&) noexcept = default;

    std::size_t Count() const { return clocks_.size(); }
    bool Empty() const { return clocks_.empty(); }
    CClock& At(std::size_t i) { return *clocks_.at(i); }
    const CClock& At(std::size_t i) const { return *clocks_.at(i); }

    // Appends a new clock (named by the live-clock count) and returns it.
    CClock& Add();
    CClock& Add(CClock clock);
    // False when the index is outside the list.
    bool Remove(std::size_t i);
    // Moves a clock one place towards the front or the back; false when it cannot move.
    bool MoveUp(std::size_t i);
    bool MoveDown(std::size_t i);
    void Clear() { clocks_.clear(); }

    // Clocks whose flags hold every bit of `mask` (CClock::kActive counts the shown ones).
    std::size_t CountWithFlags(std::uint32_t mask) const;
    // The n-th active clock counting from 0 in list order, or null.
    CClock* NthActive(std::size_t n);
    const CClock* NthActive(std::size_t n) const;

    struct Found {
        CClock* clock = nullptr;
        int index = -1; // index in the whole list
    };
    // The first clock whose zone has the same zone information as `local` (the computer's
    // own zone), or none with index -1.
    Found FindLocalZoneClock(const TimeZoneInformation& local);

    // Copies into every clock the first record of `zones` that is the same zone as the
    // clock's (key name, display name, or bias, daylight saving and map id). True when at
    // least one clock was refreshed: the caller marks the settings modified.
    bool RefreshZones(const CRegTimeZoneList& zones);

    // Copies into every clock with a key name the record of `zones` with that key (or the
    // key it was renamed to), unless `kept` holds a record with the key: those clocks keep
    // their zone. True when a clock's zone changed.
    bool RefreshZonesByKey(const CRegTimeZoneList& zones, const CRegTimeZoneList* kept = nullptr);

    // When the list is empty: two new clocks ("Local" and the next city) on the computer's
    // own zone information, with empty key name, display name and map id.
    void AddDefaultClocks(const TimeZoneInformation& local);

    // The stored form: an object list of clock objects. Read replaces the list only when
    // the whole list was read; it throws ArchiveError otherwise.
    void Write(ArchiveWriter& out) const;
    void Read(ArchiveReader& in);

private:
    std::vector<std::unique_ptr<CClock>> clocks_;
};

} // namespace orbel
