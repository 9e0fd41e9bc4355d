#pragma once
// The bets of a set laid out for counting many draws: one plane of bits per number, bit i
// of plane v set when bet i holds v. A draw's hits for 64 bets at once are the sum of its
// six winning numbers' planes, added bit by bit, so no bet is unranked or visited one by
// one per draw.
#include <cstdint>
#include <vector>

#include "model/Apuestas.h"

namespace numbrela {

// Bets of one draw (or several) by prize category, and those that win nothing.
struct TCuentaPremios {
    std::uint64_t Seis = 0, CincoMasC = 0, Cinco = 0, Cuatro = 0, Tres = 0, Fallos = 0;
};

class PlanosApuestas {
public:
    // From each bet's numbers as a 64-bit set (bit v for number v).
    explicit PlanosApuestas(const std::vector<std::uint64_t>& mascaras);

    std::size_t Apuestas() const { return apuestas_; }

    // Adds the bets of the draw to `cuenta`: its six winning numbers must be distinct.
    void Cuenta(const TSorteo& sorteo, TCuentaPremios& cuenta) const;

private:
    const std::uint64_t* Plano(int numero) const
    {
        return planos_.data() + static_cast<std::size_t>(numero) * palabras_;
    }

    std::size_t apuestas_ = 0;
    std::size_t palabras_ = 0;
    std::vector<std::uint64_t> planos_; // planes 0..49, plane 0 all zero
};

} // namespace numbrela
