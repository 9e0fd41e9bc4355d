#include "generation/GarantiaReduccion.h"

#include <bit>
#include <vector>

#include "generation/TablaRangos.h"

namespace numbrela {
namespace {

struct TComprobacion {
    int n, k;
    std::vector<std::uint64_t> completan; // per (k-1)-subset: the x that complete a marked k-subset
    int s[6];

    std::uint32_t Indice(std::uint64_t m) const
    {
        std::uint32_t i = 0;
        for (int j = 1; m; m &= m - 1, ++j)
            i += kBinomio(std::countr_zero(m), j);
        return i;
    }

    // True when a draw extending s[0..m-1] avoids every marked k-subset; it is left in s.
    // Positions are added in increasing order, so x is the largest of every (k-1)-subset it
    // makes with k-2 positions already taken: its index is theirs plus C(x, k-1), and
    // theirs is worked out once per node.
    bool Busca(int m, std::uint64_t prohibidos, std::uint64_t candidatos)
    {
        if (m == 6)
            return true;
        if (m == 5) { // the last position completes nothing further: any candidate will do
            const std::uint64_t c = candidatos & ~prohibidos;
            if (c)
                s[5] = std::countr_zero(c);
            return c != 0;
        }
        std::uint32_t previos[20];
        int cuantos = 0;
        if (k >= 2 && m >= k - 2)
            for (unsigned sub = 0; sub < (1u << m); ++sub) {
                if (std::popcount(sub) != k - 2)
                    continue;
                std::uint64_t t = 0;
                for (int i = 0; i < m; ++i)
                    if (sub >> i & 1)
                        t |= std::uint64_t{1} << s[i];
                previos[cuantos++] = Indice(t);
            }
        std::uint64_t c = candidatos & ~prohibidos;
        while (std::popcount(c) >= 6 - m) {
            const int x = std::countr_zero(c);
            c &= c - 1;
            std::uint64_t p = prohibidos;
            const std::uint32_t propio = kBinomio(x, k - 1);
            for (int i = 0; i < cuantos; ++i)
                p |= completan[previos[i] + propio];
            s[m] = x;
            if (Busca(m + 1, p, c))
                return true;
        }
        return false;
    }
};

} // namespace

std::optional<std::array<std::uint8_t, 6>> SorteoSinPremio(int n, int k,
                                                           std::span<const std::uint64_t> apuestas)
{
    if (n < 6 || n > kNumeros || k < 1 || k > 6)
        return std::nullopt;
    const std::uint64_t todas = (std::uint64_t{1} << n) - 1;
    TComprobacion c{
        n, k, std::vector<std::uint64_t>(static_cast<std::size_t>(Combinaciones(n, k - 1)), 0), {}};
    for (std::uint64_t a : apuestas) {
        a &= todas;
        int e[kNumeros];
        int m = 0;
        for (std::uint64_t r = a; r; r &= r - 1)
            e[m++] = std::countr_zero(r);
        if (m < k || m > 6)
            continue; // a simple bet holds six numbers; fewer than k among the chosen cover nothing
        for (unsigned sub = 0; sub < (1u << m); ++sub) {
            if (std::popcount(sub) != k)
                continue;
            std::uint64_t ksub = 0;
            for (int i = 0; i < m; ++i)
                if (sub >> i & 1)
                    ksub |= std::uint64_t{1} << e[i];
            for (std::uint64_t r = ksub; r; r &= r - 1)
                c.completan[c.Indice(ksub & ~(r & -r))] |= r & -r;
        }
    }
    // With k = 1 the empty set is the one (k-1)-subset: its mark forbids every position.
    const std::uint64_t inicial = k == 1 ? c.completan[0] : 0;
    if (!c.Busca(0, inicial, todas))
        return std::nullopt;
    std::array<std::uint8_t, 6> sorteo{};
    for (int i = 0; i < 6; ++i)
        sorteo[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(c.s[i]);
    return sorteo;
}

} // namespace numbrela
