#include "generation/CoberturaVoraz.h"

#include <array>
#include <bit>
#include <vector>

#include "generation/TablaRangos.h"

namespace numbrela {
namespace {

// The subsets of size `tam` of the indices 0..s-1, as lists of indices.
std::vector<std::array<std::uint8_t, 6>> Subconjuntos(int s, int tam)
{
    std::vector<std::array<std::uint8_t, 6>> todos;
    for (unsigned mascara = 0; mascara < (1u << s); ++mascara) {
        if (std::popcount(mascara) != tam)
            continue;
        std::array<std::uint8_t, 6> idx{};
        int j = 0;
        for (int i = 0; i < s; ++i)
            if (mascara & (1u << i))
                idx[j++] = static_cast<std::uint8_t>(i);
        todos.push_back(idx);
    }
    return todos;
}

} // namespace

bool CoberturaVoraz(int n, int k, std::span<const std::uint8_t> fijos, const TElegida& elegida)
{
    const int f = static_cast<int>(fijos.size());
    if (n < kMinReducidos || n > kMaxReducidos || k < 1 || k > 6 || f > 3)
        return false;
    std::array<bool, kNumeros + 1> esFijo{};
    for (int i = 0; i < f; ++i) {
        if (fijos[i] < 1 || fijos[i] > n || (i > 0 && fijos[i] <= fijos[i - 1]))
            return false;
        esFijo[fijos[i]] = true;
    }
    // Free positions, ascending: libre[i] is the position of free index i (0-based).
    std::vector<std::uint8_t> libre;
    for (int p = 1; p <= n; ++p)
        if (!esFijo[p])
            libre.push_back(static_cast<std::uint8_t>(p));
    const int m = static_cast<int>(libre.size());
    const int s = 6 - f; // free positions of a candidate
    const int u = k - f; // free positions it must share with a kept one

    TablaRangos tabla;
    tabla.Calcular(n);
    auto rangoDe = [&](const std::array<int, 6>& q) {
        // Merge the fixed positions into the free ones, both ascending.
        std::uint8_t p[6];
        int a = 0, b = 0;
        for (int t = 0; t < 6; ++t) {
            if (b >= f || (a < s && libre[q[a]] < fijos[b]))
                p[t] = libre[q[a++]];
            else
                p[t] = fijos[b++];
        }
        return tabla.Rango(p);
    };

    std::array<int, 6> q{}; // free indices 0..m-1 of the candidate, ascending
    for (int i = 0; i < s; ++i)
        q[i] = i;
    if (u <= 0) {
        // Every candidate shares the fixed positions, enough on their own: one bet.
        elegida(rangoDe(q));
        return true;
    }

    const auto subconjuntos = Subconjuntos(s, u);
    // Colex index of a u-subset of free indices: sum of C(q_j, j + 1).
    std::vector<std::uint64_t> marcas((Combinaciones(m, u) + 63) / 64, 0);
    auto indice = [&](const std::array<std::uint8_t, 6>& idx) {
        std::uint32_t x = 0;
        for (int j = 0; j < u; ++j)
            x += kBinomio(q[idx[j]], j + 1);
        return x;
    };
    for (;;) {
        bool cubierta = false;
        for (const auto& idx : subconjuntos) {
            const std::uint32_t x = indice(idx);
            if (marcas[x >> 6] >> (x & 63) & 1) {
                cubierta = true;
                break;
            }
        }
        if (!cubierta) {
            for (const auto& idx : subconjuntos) {
                const std::uint32_t x = indice(idx);
                marcas[x >> 6] |= std::uint64_t{1} << (x & 63);
            }
            if (!elegida(rangoDe(q)))
                return false;
        }
        // Next candidate in lexicographic order, which is rank order once the fixed
        // positions are put back.
        int i = s - 1;
        while (i >= 0 && q[i] == m - s + i)
            --i;
        if (i < 0)
            return true;
        ++q[i];
        for (int j = i + 1; j < s; ++j)
            q[j] = q[j - 1] + 1;
    }
}

} // namespace numbrela
