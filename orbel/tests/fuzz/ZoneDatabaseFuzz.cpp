// Feeds arbitrary bytes to the zone database reader (the OrbelTZI.dat layout): it must
// either load or fail with ArchiveError, never crash or allocate by an unchecked count.
#include <cstddef>
#include <cstdint>

#include "zones/RegTimeZoneList.h"
#include "zones/ZoneTime.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    orbel::CRegTimeZoneList list;
    orbel::ArchiveReader in(data, size);
    try {
        list.Load(in);
    } catch (const orbel::ArchiveError&) {
    }
    // Whatever was read must be usable: convert a time with every record.
    const orbel::SystemTime utc{2026, 7, 0, 1, 12, 0, 0, 0};
    for (const auto& zone : list)
        (void)orbel::UtcToZoneTime(zone->info, utc);
    return 0;
}
