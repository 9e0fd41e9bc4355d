#pragma once
// Each bet of a set expanded once into a 64-bit set of its numbers (bit v for number v),
// so a draw is checked against every bet by counting bits, without unranking a reduced
// system's combinations again for each draw.
#include <array>
#include <cstdint>
#include <vector>

#include "model/ConjuntoApuestas.h"

namespace numbrela {

// Bets by hits h (0..6) and complementary c: entry 2h + c.
using THistogramaAciertos = std::array<std::uint64_t, 14>;

class MascarasApuestas {
public:
    // Simple set: one entry per bet from its marks; multiple: one entry with all its
    // numbers; reduced set: one entry per rank of BufferRangos, unranked through the
    // engine. Returns false (and no entries) for a reduced set without an engine.
    static bool Expande(const TConjuntoApuestas& conjunto, std::vector<std::uint64_t>& mascaras);

    static std::uint64_t Mascara(const TApuestas& apuesta);
    // The numbers of a draw as a set; numbers outside 1..49 are left out.
    static std::uint64_t MascaraGanadores(const TSorteo& sorteo);
    static std::uint64_t MascaraNumero(int numero);

    // Adds every bet to the histogram for a draw of six distinct winning numbers
    // `ganadores` and the complementary number `complementario` (one bit or none).
    static void Cuenta(const std::uint64_t* mascaras, std::size_t n, std::uint64_t ganadores,
                       std::uint64_t complementario, THistogramaAciertos& histograma);
};

} // namespace numbrela
