#pragma once
// Every four of 27 positions sharing three with a bet, built on a group: the 27 positions are
// the elements (a, b, c) of Z3³ (position a + 3b + 9c) with the product
// (a, b, c)(a', b', c') = (a + a', b + b', c + c' + a b'), a group of order 27 that is not
// commutative (the Heisenberg group over Z3). A bet and its 27 products by the group's elements (an
// orbit) share three with exactly the fours of the orbits of fours it reaches, so the search picks
// three orbits of bets (81 bets) among 10,946 orbits, with 650 orbits of fours to reach, a far
// smaller problem than 81 bets among all the bets of 27. The orbits it leaves unreached are then
// covered by the fewest bets more, found by an exhaustive search.
#include <cstdint>
#include <vector>

namespace numbrela {

using TMascara = std::uint64_t;

// The position of the product g·x of two positions.
int ProductoHeisenberg(int g, int x);

// The design: three orbits chosen by annealing (at most `movimientos` moves, drawn from the
// standard 64-bit Mersenne twister seeded with `semilla`, so the same bets come out again;
// a move puts another orbit in place of one, accepted at a temperature that falls from 1 to a
// twentieth and starts again), then the fewest extra bets that reach what is left. Always a
// complete design.
std::vector<TMascara> CuatrosHeisenberg(std::uint64_t semilla, std::uint64_t movimientos);

} // namespace numbrela
