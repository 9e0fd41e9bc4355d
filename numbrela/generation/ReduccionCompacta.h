#pragma once
// Using the compact reductions: turning a delivered design into a set of simple bets on
// the chosen numbers, the table of both sizes, and checking any set of simple bets for a
// reduction's guarantee.
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "model/ConjuntoApuestas.h"

namespace numbrela {

// The chosen numbers' check shared by the compact reduction and the guarantee check:
// 7..49 distinct numbers 1..49 and a guarantee 3..5. Returns the message, or nothing.
std::optional<std::string> ErrorNumerosGarantia(const std::vector<int>& numeros, int garantia);

// Makes `conjunto` a simple set holding the compact reduction of `numeros` al `garantia`
// (the design's positions translated through the numbers in ascending order, as the
// table's systems are), with the legend LeyendaCompacta. The set is untouched on failure.
bool CreaReduccionCompacta(TConjuntoApuestas& conjunto, const std::filesystem::path& carpeta,
                           const std::vector<int>& numeros, int garantia, std::string& error);

// A draw of six of `numeros` that no simple bet of `conjunto` holds `garantia` of, or
// nothing when the set gives that guarantee. The arguments must pass ErrorNumerosGarantia.
std::optional<std::array<std::uint8_t, 6>>
SorteoNoCubierto(const TConjuntoApuestas& conjunto, const std::vector<int>& numeros, int garantia);

// The table with both sizes: a header row and one row per count of numbers with, for each
// guarantee 5, 4 and 3, the table's bets, the compact bets ("-" when there is no usable
// file) and the saving in euros at `precio` cents a bet.
std::vector<std::vector<std::string>> TablaCompacta(const std::filesystem::path& carpeta,
                                                    int precio);

// "1.234,50 €"
std::string Euros(std::int64_t centimos);

} // namespace numbrela
