#pragma once
// The computer's clock as a seed for the pseudo-random generator.
#include <chrono>
#include <cstdint>

namespace numbrela::app {

// Nanoseconds of the steady clock, folded to 32 bits. Each call gives another value even
// in a tight loop, so reseeding after every simulated draw never repeats a draw by
// reusing the same seed.
inline std::uint32_t SemillaDelReloj()
{
    static std::uint64_t llamadas = 0;
    const auto t =
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    std::uint64_t x = t + 0x9e3779b97f4a7c15ull * ++llamadas;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ull;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebull;
    return static_cast<std::uint32_t>(x ^ (x >> 31));
}

} // namespace numbrela::app
