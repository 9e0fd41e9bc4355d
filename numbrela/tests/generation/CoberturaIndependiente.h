#pragma once
// The independent check of a reduction's guarantee, shared by the tests of the table's
// files and of the compact ones: every combination of six of the n positions must share
// at least k positions with some bet.
//
// It uses none of the program's searches or checks: a combination S shares k or more
// positions with a bet B exactly when some k-subset of S lies inside B, so it marks every
// k-subset of every bet and then asks, for each S in turn, whether one of its k-subsets is
// marked.
#include <gtest/gtest.h>

#include <bit>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "generation/TablaRangos.h"

// The full walk over large n takes minutes under the sanitizers, so their build checks the
// guarantee of the smaller systems only.
#if defined(__SANITIZE_ADDRESS__)
#define BAJO_SANITIZADORES 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define BAJO_SANITIZADORES 1
#endif
#endif

namespace numbrela::prueba {

inline std::vector<std::uint32_t> LeeRangos(const std::filesystem::path& fichero)
{
    const std::string nombre = fichero.filename().string();
    std::ifstream f(fichero, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes.size() % 4, 0u) << nombre;
    std::vector<std::uint32_t> r(bytes.size() / 4);
    for (std::size_t i = 0; i < r.size(); ++i)
        for (int b = 0; b < 4; ++b)
            r[i] |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[4 * i + b]))
                    << (8 * b);
    return r;
}

// Colex index of a k-subset of 0-based positions.
inline std::uint32_t Indice(const int* x, int k)
{
    std::uint32_t i = 0;
    for (int j = 0; j < k; ++j)
        i += static_cast<std::uint32_t>(Combinaciones(x[j], j + 1));
    return i;
}

// Every k-subset of six 0-based positions, as index lists.
inline std::vector<std::vector<int>> Patrones(int k)
{
    std::vector<std::vector<int>> r;
    for (unsigned m = 0; m < 64; ++m)
        if (std::popcount(m) == k) {
            std::vector<int> v;
            for (int i = 0; i < 6; ++i)
                if (m >> i & 1)
                    v.push_back(i);
            r.push_back(v);
        }
    return r;
}

// Number of combinations of six out of n that share fewer than k positions with every bet.
inline std::uint64_t SinCubrir(int n, int k, const std::vector<std::uint32_t>& rangos)
{
    const auto patrones = Patrones(k);
    // Colex index tables: c[j][x] = C(x, j + 1).
    std::vector<std::vector<std::uint32_t>> c(6, std::vector<std::uint32_t>(n));
    for (int j = 0; j < 6; ++j)
        for (int x = 0; x < n; ++x)
            c[j][x] = static_cast<std::uint32_t>(Combinaciones(x, j + 1));
    std::vector<bool> marcado(Combinaciones(n, k), false);
    TablaRangos t;
    t.Calcular(n);
    for (std::uint32_t r : rangos) {
        std::uint8_t p[6];
        t.TomarCombinacion(r, p);
        int x[6];
        for (int i = 0; i < 6; ++i)
            x[i] = p[i] - 1;
        for (const auto& pat : patrones) {
            int y[6];
            for (int j = 0; j < k; ++j)
                y[j] = x[pat[j]];
            marcado[Indice(y, k)] = true;
        }
    }
    std::uint64_t faltan = 0;
    int s[6];
    for (s[0] = 0; s[0] < n; ++s[0])
        for (s[1] = s[0] + 1; s[1] < n; ++s[1])
            for (s[2] = s[1] + 1; s[2] < n; ++s[2])
                for (s[3] = s[2] + 1; s[3] < n; ++s[3])
                    for (s[4] = s[3] + 1; s[4] < n; ++s[4])
                        for (s[5] = s[4] + 1; s[5] < n; ++s[5]) {
                            bool cubierta = false;
                            for (const auto& pat : patrones) {
                                std::uint32_t i = 0;
                                for (int j = 0; j < k; ++j)
                                    i += c[j][s[pat[j]]];
                                if (marcado[i]) {
                                    cubierta = true;
                                    break;
                                }
                            }
                            faltan += cubierta ? 0 : 1;
                        }
    return faltan;
}

} // namespace numbrela::prueba
