// Feeds arbitrary bytes to the compiled zone file reader and the POSIX rule parser: a
// damaged file is refused, a strange rule is refused or held, the next clock change of
// whatever was read is found or not, never a crash.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "zones/ClockChange.h"
#include "zones/SystemZones.h"
#include "zones/TzifFile.h"
#include "zones/ZoneTime.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::uint8_t> bytes(data, data + size);
    std::string footer, error, inexact;
    orbel::TzifZone zone;
    if (orbel::ReadTzifZone(bytes, zone, error))
        (void)orbel::NextClockChange(zone, 1774746000);
    if (!orbel::ReadTzifFooter(bytes, footer, error))
        footer.assign(reinterpret_cast<const char*>(data), size); // try the bytes as a rule
    const auto rule = orbel::ParsePosixTz(footer);
    if (!rule)
        return 0;
    orbel::TimeZoneInformation info;
    if (orbel::ZoneInformationFromPosix(*rule, 2026, info, inexact, error)) {
        const orbel::SystemTime utc{2026, 3, 0, 29, 1, 0, 0, 0};
        (void)orbel::UtcToZoneTime(info, utc);
        (void)orbel::ZoneDisplayName(info.Bias, "Fuzz/Zone");
    }
    return 0;
}
