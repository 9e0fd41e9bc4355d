// Whatever the user types as the server, or into the Every box, is split without reading
// past the text and gives either a usable address or an error with its sentence.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "options/AdjustTimeRules.h"
#include "sync/ServerSetting.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const orbel::ServerAddress a = orbel::ParseServerSetting(text);
    if (a.error == 0) {
        if (a.host.empty() || a.host.size() > orbel::kMaxHostNameLength || a.port == 0 ||
            a.host.find(' ') != std::string::npos)
            std::abort();
        if (a.dotted != orbel::IsDottedAddress(a.host) || a.ipv6 != orbel::IsIpv6Address(a.host) ||
            (a.dotted && a.ipv6))
            std::abort();
    } else if (a.problem.empty()) {
        std::abort();
    }
    if (const auto days = orbel::ParseIntervalDays(text))
        if (*days < orbel::kMinIntervalDays || *days > orbel::kMaxIntervalDays)
            std::abort();
    return 0;
}
