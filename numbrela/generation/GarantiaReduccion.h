#pragma once
// Whether a set of bets gives a reduction's guarantee: whenever the six winning numbers
// are all among the n chosen, some bet holds k of them (3..5).
//
// A draw S shares k numbers with a bet exactly when one of S's k-subsets lies inside the
// bet. The check marks, for every (k-1)-subset T of the chosen positions, the positions x
// for which T + x lies inside some bet (a 64-bit set), then walks the draws depth first,
// adding positions in increasing order and only those that complete no marked k-subset:
// every covered draw is pruned as soon as its first marked k-subset appears, so a good
// design is checked without visiting its draws one by one.
#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace numbrela {

// Bets as sets of positions 0..n-1 (bit p for position p; any number of positions, those
// at n or above are ignored). Returns the first draw (six ascending positions) that no bet
// shares k positions with, or nothing when the guarantee holds. n must be 6..49 and k
// 1..6.
std::optional<std::array<std::uint8_t, 6>> SorteoSinPremio(int n, int k,
                                                           std::span<const std::uint64_t> apuestas);

} // namespace numbrela
