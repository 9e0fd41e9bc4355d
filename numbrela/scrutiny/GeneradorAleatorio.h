#pragma once
// The planner's pseudo-random generator: a 32-bit linear congruential generator
// (x' = 134775813·x + 1 mod 2^32) whose draw of 0..n-1 takes the high part of x'·n, so the
// same seed gives the same numbers with every compiler and standard library.
#include <cstdint>

namespace numbrela {

class TGeneradorAleatorio {
public:
    explicit TGeneradorAleatorio(std::uint32_t semilla = 0) : estado_(semilla) {}

    void Siembra(std::uint32_t semilla) { estado_ = semilla; }
    std::uint32_t Semilla() const { return estado_; }

    // A number uniformly from 0 to n-1 (n > 0).
    std::uint32_t Siguiente(std::uint32_t n)
    {
        estado_ = estado_ * 134775813u + 1u;
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(estado_) * n) >> 32);
    }

private:
    std::uint32_t estado_;
};

} // namespace numbrela
