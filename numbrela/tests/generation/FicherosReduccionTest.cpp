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
#include "tests/generation/CoberturaIndependiente.h"

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
    return prueba::LeeRangos(std::filesystem::path(TEST_PROGRAM_DIR) / nombre);
}

using prueba::SinCubrir;

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
        ASSERT_EQ(std::adjacent_find(ordenados.begin(), ordenados.end()), ordenados.end())
            << nombre;
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
