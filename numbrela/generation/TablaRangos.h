#pragma once
// Ranks of combinations: the 1-based place of six increasing positions 1..n in the
// lexicographic order of all C(n, 6) of them, and the tables that turn a rank back into
// its positions.
#include <array>
#include <bit>
#include <cstdint>

#include "model/CabeceraApuestas.h"

namespace numbrela {

constexpr int kMinReducidos = 7;
constexpr int kMaxReducidos = kNumeros;

// C(n, k) for 0 <= k, n <= 64; 0 when k > n or either is negative.
std::uint64_t Combinaciones(int n, int k);

// C(i, k) for i = 0..49 and k = 0..6 as a table, for the loops that rank many combinations.
struct TablaBinomios {
    std::array<std::array<std::uint32_t, 7>, kNumeros + 1> c{};
    constexpr TablaBinomios()
    {
        for (int i = 0; i <= kNumeros; ++i) {
            c[i][0] = 1;
            for (int k = 1; k <= 6 && k <= i; ++k)
                c[i][k] = c[i - 1][k - 1] + (k <= i - 1 ? c[i - 1][k] : 0);
        }
    }
    constexpr std::uint32_t operator()(int n, int k) const { return c[n][k]; }
};
inline constexpr TablaBinomios kBinomio{};

// The 0-based colex index of a set of positions (0..49) held as bits: its place among the
// sets of as many positions taken in increasing order of their masks.
inline std::uint32_t IndiceColex(std::uint64_t m)
{
    std::uint32_t i = 0;
    for (int j = 1; m; m &= m - 1, ++j)
        i += kBinomio(std::countr_zero(m), j);
    return i;
}

// The next larger mask with as many bits set (Gosper's step): the next set in colex order.
inline std::uint64_t SiguienteColex(std::uint64_t m)
{
    const std::uint64_t c = m & (~m + 1), r = m + c;
    return (((r ^ m) >> 2) / c) | r;
}

// The unranking tables of one n, valid until Calcular is called with another n. Row r runs
// 1..n-5 and column t 1..6: Valor[r][t] is the position column t holds in row r, and
// Cuenta[r][t] how many combinations complete positions t+1..6 once column t holds it.
class TablaRangos {
public:
    // Builds the tables for n positions (7..49; other values are brought into that range,
    // so the tables are always safe to walk).
    void Calcular(int n);
    int N() const { return n_; }
    std::uint32_t Total() const { return total_; } // C(n, 6)

    // C(n - r - t + 1, 6 - t), worked out as the program always has: the falling product
    // divided by (6 - t)!, 1 for the last column.
    std::uint32_t CalculaValor(int r, int t) const;

    // The six positions of rank `rango` (1..C(n, 6)), ascending, into posiciones[0..5].
    // The row pointer walks down the table and is never reset between columns, so the
    // cost is at most n row steps. A rank outside 1..C(n, 6) gives some valid-looking
    // positions without reading outside the tables; callers check ranks before.
    void TomarCombinacion(std::uint32_t rango, std::uint8_t posiciones[6]) const;

    // The rank of six ascending positions 1..n (the inverse of TomarCombinacion).
    std::uint32_t Rango(const std::uint8_t posiciones[6]) const;

private:
    static constexpr int kFilas = kMaxReducidos - 5;
    int n_ = 0;
    std::uint32_t total_ = 0;
    std::array<std::array<std::uint8_t, 7>, kFilas + 1> valor_{};
    std::array<std::array<std::uint32_t, 7>, kFilas + 1> cuenta_{};
};

// Replaces each of the six positions p by ListaReducidos[p] (TraducirCombinacion).
void TraducirCombinacion(const CabeceraApuestas& cabecera, const std::uint8_t posiciones[6],
                         std::uint8_t numeros[6]);

// Rebuilds ListaReducidos from the flags Reducidos, and ListaFijos from Fijos: the chosen
// numbers in ascending order, the rest zero (FiltrarReducidos).
void FiltrarReducidos(CabeceraApuestas& cabecera);
void FiltrarFijos(CabeceraApuestas& cabecera);

} // namespace numbrela
