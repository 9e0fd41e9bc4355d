#pragma once
// Designs al 5 made of whole orbits of a group of positions. Six numbers share five with a
// bet exactly when the bet is those six or differs from them in one number, so a bet over
// n positions covers itself and the 6 (n - 6) combinations one swap away. The search for
// the fewest bets covering every combination is far too large to walk bet by bet at 49
// numbers (C(49, 6) = 13,983,816 combinations), but a group that permutes the positions
// keeps the covering relation: when every bet of an orbit is taken or none is, a
// combination is covered exactly when the representative of its orbit is, and the search
// works on orbits, |group| times fewer (49 numbers turned as the integers modulo 49:
// 285,384 orbits instead of 14 million combinations).
#include <cstdint>
#include <vector>

#include "generation/Azar.h"

namespace numbrela {

using TMascara = std::uint64_t;

// The group: the first `Ciclo` positions turn as the integers modulo Ciclo, x -> a x + b
// with b a multiple of `Paso` (a divisor of Ciclo) and a among the powers of
// `Multiplicador` (a unit modulo Ciclo; 1 for the shifts alone); the other n - Ciclo
// positions stay where they are.
struct TGrupoPosiciones {
    int N = 0;
    int Ciclo = 0;
    int Multiplicador = 1;
    int Paso = 1;
};

// The group's permutations of 0..N-1 (each N bytes, the identity first); empty when the
// group is not valid (Ciclo outside 1..N, N outside 7..49, a multiplier that is no unit, a
// step that does not divide Ciclo).
std::vector<std::vector<std::uint8_t>> Permutaciones(const TGrupoPosiciones& g);

struct TParametrosOrbitas {
    std::uint64_t Semilla = 1;
    std::uint64_t Movimientos = 0;
    // Of the annealing, constant, in whole orbits of draws a move leaves uncovered: a move
    // that uncovers one orbit more is taken with probability e^(-1 / Temperatura).
    double Temperatura = 0.2;
    // Chosen orbits next to the one a move takes in, weighed as the one to let go.
    std::size_t Candidatas = 4;
};

struct TResultadoOrbitas {
    std::vector<TMascara> Apuestas; // ascending
    std::size_t Orbitas = 0;        // orbits of the combinations
    std::size_t TrasVoraz = 0;      // bets of the greedy start
    std::size_t Redundantes = 0;    // bets dropped at the end, whose draws others covered
};

// A design al 5 over g.N positions: a greedy cover by orbits, then p.Movimientos moves of
// remove and repair (when everything is covered the orbit that alone covers least is
// dropped; otherwise an uncovered orbit is drawn, an orbit next to it taken in and a chosen
// orbit next to that one let go, accepted at a constant temperature); the smallest
// complete cover, as bets, less any bet whose every combination another bet covers. Same
// group and parameters, same bets. Empty when the group is not valid.
TResultadoOrbitas DisenoCincoOrbitas(const TGrupoPosiciones& g, const TParametrosOrbitas& p);

// Drops, in the order given, every bet of a design al 5 over n positions whose combinations
// (itself and those one swap away) all lie within another kept bet's reach.
std::vector<TMascara> QuitaRedundantesCinco(int n, std::vector<TMascara> apuestas);

} // namespace numbrela
