#pragma once
// The planner's own seedable random generator. Filling, Azarix and the data generators
// take one as a parameter; the same seed gives the same numbers with every compiler and
// standard library (the standard distributions do not promise that).
#include <cstdint>

namespace numbrela {

class TAzar {
public:
    explicit TAzar(std::uint64_t semilla) : estado_(semilla) {}

    // Next 32 bits (SplitMix64, upper half).
    std::uint32_t Siguiente()
    {
        std::uint64_t z = (estado_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        z ^= z >> 31;
        return static_cast<std::uint32_t>(z >> 32);
    }

    // A whole number from `desde` to `hasta`, both included, every value equally likely:
    // draws that fall in the incomplete last block of 2^32 are thrown away.
    int Uniforme(int desde, int hasta)
    {
        if (hasta <= desde)
            return desde;
        const std::uint64_t rango =
            static_cast<std::uint64_t>(static_cast<std::int64_t>(hasta) - desde) + 1;
        const std::uint64_t limite = (std::uint64_t{1} << 32) - ((std::uint64_t{1} << 32) % rango);
        std::uint64_t x;
        do {
            x = Siguiente();
        } while (x >= limite);
        return static_cast<int>(static_cast<std::int64_t>(desde) +
                                static_cast<std::int64_t>(x % rango));
    }

private:
    std::uint64_t estado_;
};

} // namespace numbrela
