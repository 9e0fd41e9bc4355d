#pragma once
// The pieces of designs built on groups of numbers: bets over v positions such that every
// set of t positions (t = 3 or 4) holds three positions that some bet holds. With t = 3
// every triple lies in a bet; with t = 4 every four positions share three with a bet.
#include <cstdint>
#include <vector>

#include "generation/Azar.h"

namespace numbrela {

using TMascara = std::uint64_t;

// The 77 bets of 22 positions in which every triple lies in exactly one bet: the words of
// weight eight of the extended binary Golay code that hold its last two coordinates, less
// those two. Built from the code's generator polynomial, so nothing is copied.
std::vector<TMascara> SteinerVeintidos();

// Every four of 22 + `extra` positions (extra 2..5) sharing three with a bet: the Steiner
// system on the first 22, and bets holding all the extra positions E with 6 - extra of the
// first 21 each, until those 21 are used. Four positions with three among the 22 hold a
// triple of the system; with three in E they hold a triple of E, which every other bet
// holds; with two in E and two among the 22, one of those two is among the 21, and the bet
// holding it holds E as well. So 77 + ceil(21 / (6 - extra)) bets.
std::vector<TMascara> CuatrosSobreSteiner(int extra);

// Annealing at a fixed number of bets (Nurmela and Östergård's method): the cost is the
// number of t-sets that share no triple with a bet; a move draws one of them and a bet
// holding two of its positions, and puts a third in place of another of the bet's, accepted
// at a temperature that falls from `temperatura` to a hundredth of it over `movimientos`
// moves. When the cost reaches zero a bet is dropped and the search starts again, hot,
// with one fewer; it ends when a size is not covered within its moves. Starts from `inicio` (any
// bets over 0..v-1, or none: then from a greedy cover). Returns the smallest complete design found.
// v is 6..40. With `grupos` (3 for four positions, 5 for six), the bets hold instead every triple
// that TripleDeGrupos keeps, which gives the same guarantee with fewer triples.
std::vector<TMascara> CubreTriples(int v, int t, int grupos, std::vector<TMascara> inicio,
                                   std::uint64_t movimientos, double temperatura, TAzar& azar,
                                   int muestras = 1);

// The positions 0..v-1 cut into `grupos` runs as equal as possible: whether the triple lies
// in one run, or has two in a run and one in the next (cyclically). Any four positions in
// three runs hold such a triple: a run holding three holds one; otherwise some run holds
// two, and when the run after it is empty the third run holds the other two and is
// followed by the first. Likewise any six positions in five runs (see CincoGrupos).
bool TripleDeGrupos(int v, int grupos, TMascara triple);

// The t-sets of 0..v-1 (in colex order) that share three positions with no bet.
std::vector<TMascara> SinCubrir(int v, int t, const std::vector<TMascara>& apuestas);

// Whether every t-set of 0..v-1 shares three positions with some bet (counted directly).
bool CubreTodos(int v, int t, const std::vector<TMascara>& apuestas);

} // namespace numbrela
