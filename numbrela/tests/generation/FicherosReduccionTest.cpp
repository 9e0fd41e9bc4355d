// The delivered reduction files COMn-k.RLV: each holds exactly the table's count of
// distinct valid ranks, and each really has its guarantee: every combination of six of
// the n positions shares at least k positions with some bet of the file.
//
// The guarantee is checked without the generator's searches: a combination S shares k or
// more positions with a bet B exactly when some k-subset of S lies inside B, so the test
// marks every k-subset of every bet and then asks, for each S, whether one of its
// k-subsets is marked. For small n it also checks the plain definition, pair by pair.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "generation/NombresReduccion.h"
#include "generation/TablaRangos.h"
#include "generation/TablaReducciones.h"

#if defined(__SANITIZE_ADDRESS__)
#define BAJO_SANITIZADORES 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define BAJO_SANITIZADORES 1
#endif
#endif

namespace numbrela {
namespace {

#ifdef BAJO_SANITIZADORES
// The full check walks 300 million combinations; under the sanitizers it covers the
// files up to n = 30 and the optimised build covers them all.
constexpr int kMaxNVerificado = 30;
#else
constexpr int kMaxNVerificado = 49;
#endif

std::vector<std::uint32_t> LeeRangos(const std::string& nombre)
{
    std::ifstream f(std::string(TEST_PROGRAM_DIR) + "/" + nombre, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes.size() % 4, 0u) << nombre;
    std::vector<std::uint32_t> r(bytes.size() / 4);
    for (std::size_t i = 0; i < r.size(); ++i)
        for (int b = 0; b < 4; ++b)
            r[i] |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[4 * i + b])) << (8 * b);
    return r;
}

// Colex index of a k-subset of 0-based positions.
std::uint32_t Indice(const int* x, int k)
{
    std::uint32_t i = 0;
    for (int j = 0; j < k; ++j)
        i += static_cast<std::uint32_t>(Combinaciones(x[j], j + 1));
    return i;
}

// Every k-subset of six 0-based positions, as index lists.
std::vector<std::vector<int>> Patrones(int k)
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
std::uint64_t SinCubrir(int n, int k, const std::vector<std::uint32_t>& rangos)
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

TEST(FicherosReduccion, TableDirectColumnIsCSixOfN)
{
    // By hand: C(7,6) = 7, C(10,6) = 210, C(20,6) = 38760, C(49,6) = 13983816.
    EXPECT_EQ(FilaReduccion(7)->Directa(), 7u);
    EXPECT_EQ(FilaReduccion(10)->Directa(), 210u);
    EXPECT_EQ(FilaReduccion(20)->Directa(), 38760u);
    EXPECT_EQ(FilaReduccion(49)->Directa(), 13983816u);
    for (int n = 7; n <= 49; ++n) {
        ASSERT_NE(FilaReduccion(n), nullptr);
        EXPECT_EQ(FilaReduccion(n)->Numeros, n);
        EXPECT_EQ(FilaReduccion(n)->Directa(), Combinaciones(n, 6));
    }
    EXPECT_EQ(FilaReduccion(6), nullptr);
    EXPECT_EQ(FilaReduccion(50), nullptr);
    EXPECT_EQ(CeldasFila(*FilaReduccion(10)),
              (std::array<std::string, 5>{"10", "210", "18", "5", "2"}));
}

class FicheroRlv : public ::testing::TestWithParam<int> {};

TEST_P(FicheroRlv, CountsDistinctRanksAndGuarantee)
{
    const int k = GetParam();
    for (int n = 7; n <= 49; ++n) {
        const std::string nombre = NombreRlv(n, k);
        const auto rangos = LeeRangos(nombre);
        ASSERT_EQ(rangos.size(), FilaReduccion(n)->Apuestas(k)) << nombre;
        auto ordenados = rangos;
        std::sort(ordenados.begin(), ordenados.end());
        ASSERT_EQ(std::adjacent_find(ordenados.begin(), ordenados.end()), ordenados.end()) << nombre;
        ASSERT_GE(ordenados.front(), 1u) << nombre;
        ASSERT_LE(ordenados.back(), Combinaciones(n, 6)) << nombre;
        if (n <= kMaxNVerificado) {
            EXPECT_EQ(SinCubrir(n, k, rangos), 0u) << nombre;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AlTresCuatroCinco, FicheroRlv, ::testing::Values(3, 4, 5));

TEST(FicherosReduccion, SmallFilesMeetTheDefinitionPairByPair)
{
    for (int k : {3, 4, 5}) {
        for (int n = 7; n <= 16; ++n) {
            TablaRangos t;
            t.Calcular(n);
            std::vector<std::uint64_t> bets;
            for (std::uint32_t r : LeeRangos(NombreRlv(n, k))) {
                std::uint8_t p[6];
                t.TomarCombinacion(r, p);
                std::uint64_t m = 0;
                for (std::uint8_t x : p)
                    m |= std::uint64_t{1} << x;
                bets.push_back(m);
            }
            for (std::uint32_t r = 1; r <= t.Total(); ++r) {
                std::uint8_t p[6];
                t.TomarCombinacion(r, p);
                std::uint64_t m = 0;
                for (std::uint8_t x : p)
                    m |= std::uint64_t{1} << x;
                ASSERT_TRUE(std::any_of(bets.begin(), bets.end(),
                                        [&](std::uint64_t b) { return std::popcount(b & m) >= k; }))
                    << NombreRlv(n, k) << " misses rank " << r;
            }
        }
    }
}

TEST(FicherosReduccion, TheCheckSeesAMissingBet)
{
    // Without one of its bets a system that had no bet to spare leaves combinations
    // uncovered: the bet itself at least.
    for (int k : {3, 4, 5}) {
        auto rangos = LeeRangos(NombreRlv(12, k));
        rangos.erase(rangos.begin());
        EXPECT_GT(SinCubrir(12, k, rangos), 0u) << k;
    }
}

} // namespace
} // namespace numbrela
