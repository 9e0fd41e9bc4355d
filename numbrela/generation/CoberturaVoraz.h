#pragma once
// The first-fit greedy covering in rank order that builds reduced systems: walk the
// combinations of six positions out of n that hold every fixed position, in rank order,
// and keep each one that shares fewer than k positions with every one kept before.
#include <cstdint>
#include <functional>
#include <span>

namespace numbrela {

// Called with the rank of each kept combination, in order; returning false stops the
// search.
using TElegida = std::function<bool(std::uint32_t rango)>;

// Runs the greedy for n positions (7..49), guarantee k (3..6) and the fixed positions
// `fijos` (ascending, distinct, 1..n, at most three). Returns false when `elegida` stopped
// it, or when the arguments are out of range.
//
// It keeps exactly what comparing each candidate with every kept combination keeps, but
// without the comparisons: once the fixed positions are set aside, a candidate shares k
// or more positions with a kept combination exactly when one of its (k - fixed)-subsets of
// free positions lies inside that combination. So each kept combination marks its
// subsets of that size in a bit set, and a candidate is looked up with at most 20 probes.
bool CoberturaVoraz(int n, int k, std::span<const std::uint8_t> fijos, const TElegida& elegida);

} // namespace numbrela
