#pragma once
// Every four of v positions sharing three with a bet, with one bet fewer than a design that
// already does it: a tabu search over single-position swaps. Where the annealing of
// CubreTriples stalls a few fours short, this search, which at each step takes the best swap
// that reaches an unreached four, goes on to reach them all: on the fours of 27 it takes the
// group's 87 bets down to 86.
#include <cstdint>
#include <vector>

#include "generation/Azar.h"

namespace numbrela {

using TMascara = std::uint64_t;

// Drops one bet of `diseno` (a complete design over 0..v-1, v = 7..40) drawn from `azar`, then
// searches for at most `pasos` steps. A step looks at the unreached fours (four of them drawn
// at random when there are more) and at every swap that reaches one of them: a position of a
// bet holding two of the four gives way to one of the other two. It takes the swap that leaves
// the fewest fours unreached (ties drawn at random), save that a position that left a bet may
// not come back for `tenencia` to twice that many steps, nor one that came in leave for about
// as long, unless the swap gives a new best. After a million steps with no new best it goes
// back to the best design seen. Returns the complete design, sorted, with one bet fewer (a bet
// the swaps made equal to another comes out once), or nothing when the steps run out first.
std::vector<TMascara> CuatrosTabu(int v, const std::vector<TMascara>& diseno, std::uint64_t pasos,
                                  int tenencia, TAzar& azar);

} // namespace numbrela
