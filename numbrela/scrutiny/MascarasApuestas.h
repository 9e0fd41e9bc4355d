#pragma once
// Each bet of a set expanded once into a 64-bit set of its numbers (bit v for number v),
// so a reduced system's combinations are unranked once for a scrutiny or a simulation.
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "model/ConjuntoApuestas.h"

namespace numbrela {

class MascarasApuestas {
public:
    // Simple set: one entry per bet from its marks; multiple: one entry with all its
    // numbers; reduced set: one entry per rank of BufferRangos, unranked through the
    // engine. Returns false (and no entries) for a reduced set without an engine.
    // `cadaBloque` runs after every 16,384 combinations unranked, so a window can repaint
    // while the largest systems are expanded.
    static bool Expande(const TConjuntoApuestas& conjunto, std::vector<std::uint64_t>& mascaras,
                        const std::function<void()>& cadaBloque = {});

    static std::uint64_t Mascara(const TApuestas& apuesta);
    // The numbers of a draw as a set; numbers outside 1..49 are left out.
    static std::uint64_t MascaraGanadores(const TSorteo& sorteo);
    static std::uint64_t MascaraNumero(int numero);
};

} // namespace numbrela
