#pragma once
// The numbers of one bet of a set as the listing and the printed document show them.
#include <array>
#include <cstdint>

#include "model/ConjuntoApuestas.h"

namespace numbrela {

namespace SeisNumeros {

// Bet `indice` (0-based): for a simple set the first six entries of its packed list
// (0 where the bet has fewer crosses), for a reduced set the numbers of its rank, and
// with them its hits and complementary flag of the last scrutiny. The engine's tables
// must already be built for the set (Calcular) for a reduced set. Returns false when
// the bet is not there.
bool DeApuesta(const TConjuntoApuestas& conjunto, std::int64_t indice,
               std::array<std::uint8_t, 6>& numeros, int& aciertos, bool& complementario);

// The first `cuantos` marked numbers of a bet, ascending, 0 after the last.
void Empaquetados(const TApuestas& apuesta, std::uint8_t* numeros, int cuantos);

} // namespace SeisNumeros

} // namespace numbrela
