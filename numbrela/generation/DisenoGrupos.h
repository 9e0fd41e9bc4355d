#pragma once
// Designs al 3 made of pieces, and designs for fewer numbers made from larger ones.
#include <vector>

#include "generation/CubreTriples.h"

namespace numbrela {

// Al 3 on two groups: positions 0..a-1 (A) and a..n-1 (B). Six numbers put at least three
// in A or at least four in B (two in A leave four). So bets over A that hold every triple
// of A (`triplesA`, over 0..a-1), together with bets over B that share three with every
// four positions of B (`cuatrosB`, over 0..n-a-1, moved up by a), give the guarantee: a
// draw with three in A holds a triple of some bet, one with four in B shares three with
// some bet. Returns the union.
std::vector<TMascara> UneDosGrupos(int a, const std::vector<TMascara>& triplesA,
                                   const std::vector<TMascara>& cuatrosB);

// A design for n - 1 numbers from one for n al k: the last position is dropped and, in each
// bet holding it, replaced by the lowest position the bet lacks (a draw of the first n - 1
// shares as much with the new bet as with the old); repeated bets go, and then every bet
// whose removal keeps the guarantee, last first. Never larger than the design given.
std::vector<TMascara> RestringeUno(int n, int k, const std::vector<TMascara>& apuestas);

} // namespace numbrela
