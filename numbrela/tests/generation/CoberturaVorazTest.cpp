// The fast greedy search keeps exactly the ranks the position-by-position search keeps, in
// the same order, and what it keeps really covers every candidate.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "generation/CoberturaVoraz.h"
#include "generation/TablaRangos.h"
#include "tests/generation/ReferenciaVoraz.h"

namespace numbrela {
namespace {

std::vector<std::uint32_t> Rapido(int n, int k, const std::vector<std::uint8_t>& fijos)
{
    std::vector<std::uint32_t> r;
    EXPECT_TRUE(CoberturaVoraz(n, k, fijos, [&](std::uint32_t x) {
        r.push_back(x);
        return true;
    }));
    return r;
}

// Fixed positions at the start, the end and the middle of the n positions.
std::vector<std::vector<std::uint8_t>> FijosDePrueba(int n)
{
    const auto u = static_cast<std::uint8_t>(n);
    const auto m = static_cast<std::uint8_t>(n / 2);
    return {{1},
            {u},
            {m},
            {1, u},
            {m, static_cast<std::uint8_t>(m + 1)},
            {2, m},
            {1, 2, 3},
            {static_cast<std::uint8_t>(u - 2), static_cast<std::uint8_t>(u - 1), u},
            {1, m, u},
            {3, static_cast<std::uint8_t>(m + 1), static_cast<std::uint8_t>(u - 1)}};
}

class IgualQueLaReferencia : public ::testing::TestWithParam<std::tuple<int, int>> {};

TEST_P(IgualQueLaReferencia, SameRanksInTheSameOrder)
{
    const auto [n, k] = GetParam();
    for (const auto& fijos : FijosDePrueba(n))
        ASSERT_EQ(Rapido(n, k, fijos), referencia::CreaCombFijosLento(n, k, fijos))
            << "n=" << n << " k=" << k << " fixed " << fijos.size() << " first " << int(fijos[0]);
}

INSTANTIATE_TEST_SUITE_P(NFrom7To16, IgualQueLaReferencia,
                         ::testing::Combine(::testing::Range(7, 17), ::testing::Values(3, 4, 5)));

TEST(CoberturaVoraz, WithoutFixedNumbersItIsTheReferenceToo)
{
    for (int n : {7, 9, 12, 15})
        for (int k : {3, 4, 5})
            EXPECT_EQ(Rapido(n, k, {}), referencia::CreaCombFijosLento(n, k, {})) << n << " " << k;
}

TEST(CoberturaVoraz, HandWorkedSmallCases)
{
    // n = 7: the combinations are the seven sets "all but one"; any two share five
    // positions, so one bet covers al 3, 4 and 5. Fixed 7: rank 2 (1,2,3,4,5,7) is the
    // first that holds position 7.
    EXPECT_EQ(Rapido(7, 5, {}), (std::vector<std::uint32_t>{1}));
    EXPECT_EQ(Rapido(7, 5, {7}), (std::vector<std::uint32_t>{2}));
    EXPECT_EQ(Rapido(7, 3, {1}), (std::vector<std::uint32_t>{1}));
    // Guarantee 6 keeps everything that holds the fixed position: C(6, 5) = 6 of the 7.
    EXPECT_EQ(Rapido(7, 6, {7}).size(), 6u);
    // Three fixed numbers al 3: the first candidate already holds all three.
    EXPECT_EQ(Rapido(20, 3, {4, 9, 17}).size(), 1u);
}

TEST(CoberturaVoraz, StopsWhenAsked)
{
    int llamadas = 0;
    EXPECT_FALSE(CoberturaVoraz(20, 5, std::vector<std::uint8_t>{3},
                                [&](std::uint32_t) { return ++llamadas < 4; }));
    EXPECT_EQ(llamadas, 4);
}

TEST(CoberturaVoraz, RefusesArgumentsOutOfRange)
{
    auto nada = [](std::uint32_t) { return true; };
    EXPECT_FALSE(CoberturaVoraz(6, 3, {}, nada));
    EXPECT_FALSE(CoberturaVoraz(50, 3, {}, nada));
    EXPECT_FALSE(CoberturaVoraz(10, 3, std::vector<std::uint8_t>{11}, nada));
    EXPECT_FALSE(CoberturaVoraz(10, 3, std::vector<std::uint8_t>{4, 4}, nada));
    EXPECT_FALSE(CoberturaVoraz(10, 3, std::vector<std::uint8_t>{1, 2, 3, 4}, nada));
}

// For larger n the reference takes too long; check the guarantee directly: every
// combination with the fixed positions shares k or more with some kept one, and no two
// kept ones share k.
TEST(CoberturaVoraz, LargerNKeepsItsGuarantee)
{
    struct Caso {
        int n, k;
        std::vector<std::uint8_t> fijos;
    };
    const Caso casos[] = {{25, 5, {1}}, {30, 4, {25, 30}}, {32, 3, {32}}, {28, 5, {5, 14, 27}}};
    for (const Caso& c : casos) {
        const auto elegidas = Rapido(c.n, c.k, c.fijos);
        TablaRangos t;
        t.Calcular(c.n);
        std::vector<std::uint64_t> bets; // position masks
        for (std::uint32_t r : elegidas) {
            std::uint8_t p[6];
            t.TomarCombinacion(r, p);
            std::uint64_t mk = 0;
            for (std::uint8_t x : p)
                mk |= std::uint64_t{1} << x;
            for (std::uint64_t b : bets)
                ASSERT_LT(std::popcount(b & mk), c.k);
            bets.push_back(mk);
        }
        std::uint64_t fijo = 0;
        for (std::uint8_t f : c.fijos)
            fijo |= std::uint64_t{1} << f;
        for (std::uint32_t r = 1; r <= t.Total(); ++r) {
            std::uint8_t p[6];
            t.TomarCombinacion(r, p);
            std::uint64_t mk = 0;
            for (std::uint8_t x : p)
                mk |= std::uint64_t{1} << x;
            if ((mk & fijo) != fijo)
                continue;
            ASSERT_TRUE(std::any_of(bets.begin(), bets.end(),
                                    [&](std::uint64_t b) { return std::popcount(b & mk) >= c.k; }))
                << "n=" << c.n << " rank " << r;
        }
    }
}

} // namespace
} // namespace numbrela
