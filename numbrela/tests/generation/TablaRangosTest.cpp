// Ranks of six positions out of n: the unranking tables, their inverse and the translation
// into numbers, checked against the lexicographic order walked by hand.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "generation/TablaRangos.h"

namespace numbrela {
namespace {

using Seis = std::array<std::uint8_t, 6>;

Seis Unrank(const TablaRangos& t, std::uint32_t rango)
{
    Seis p{};
    t.TomarCombinacion(rango, p.data());
    return p;
}

// The next combination in lexicographic order; false after the last one.
bool Siguiente(Seis& p, int n)
{
    int i = 5;
    while (i >= 0 && p[i] == n - 5 + i)
        --i;
    if (i < 0)
        return false;
    ++p[i];
    for (int j = i + 1; j < 6; ++j)
        p[j] = static_cast<std::uint8_t>(p[j - 1] + 1);
    return true;
}

TEST(TablaRangos, TotalIsTheNumberOfSixSubsets)
{
    // Worked out by hand: C(7,6) = 7, C(10,6) = 210, C(49,6) = 13,983,816.
    TablaRangos t;
    t.Calcular(7);
    EXPECT_EQ(t.Total(), 7u);
    t.Calcular(10);
    EXPECT_EQ(t.Total(), 210u);
    t.Calcular(49);
    EXPECT_EQ(t.Total(), 13983816u);
    EXPECT_EQ(Combinaciones(49, 6), 13983816u);
    EXPECT_EQ(Combinaciones(5, 6), 0u);
    EXPECT_EQ(kBinomio(49, 6), 13983816u);
    EXPECT_EQ(kBinomio(43, 3), 12341u);
}

TEST(TablaRangos, CountTableHoldsTheCompletions)
{
    // For n = 10, row 1: a first position of 1 leaves C(9,5) = 126 completions, the second
    // column C(8,4) = 70, ... the last column always 1; row 5 (the last) is all ones.
    TablaRangos t;
    t.Calcular(10);
    const std::uint32_t fila1[] = {126, 70, 35, 15, 5, 1};
    for (int c = 1; c <= 6; ++c) {
        EXPECT_EQ(t.CalculaValor(1, c), fila1[c - 1]) << c;
        EXPECT_EQ(t.CalculaValor(5, c), 1u) << c;
    }
    EXPECT_EQ(t.CalculaValor(2, 1), 56u); // C(8, 5)
}

TEST(TablaRangos, SevenNumbers)
{
    TablaRangos t;
    t.Calcular(7);
    EXPECT_EQ(Unrank(t, 1), (Seis{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(Unrank(t, 2), (Seis{1, 2, 3, 4, 5, 7}));
    EXPECT_EQ(Unrank(t, 6), (Seis{1, 3, 4, 5, 6, 7}));
    EXPECT_EQ(Unrank(t, 7), (Seis{2, 3, 4, 5, 6, 7}));
}

TEST(TablaRangos, FirstAndLastRankForEveryN)
{
    TablaRangos t;
    for (int n = 7; n <= 49; ++n) {
        t.Calcular(n);
        const auto u = static_cast<std::uint8_t>(n);
        const Seis primera{1, 2, 3, 4, 5, 6};
        const Seis ultima{static_cast<std::uint8_t>(u - 5), static_cast<std::uint8_t>(u - 4),
                          static_cast<std::uint8_t>(u - 3), static_cast<std::uint8_t>(u - 2),
                          static_cast<std::uint8_t>(u - 1), u};
        EXPECT_EQ(Unrank(t, 1), primera) << n;
        EXPECT_EQ(Unrank(t, t.Total()), ultima) << n;
        EXPECT_EQ(t.Rango(primera.data()), 1u) << n;
        EXPECT_EQ(t.Rango(ultima.data()), t.Total()) << n;
        // The last combination that starts with 1 closes the first block of C(n-1, 5).
        const Seis finUno{1,
                          static_cast<std::uint8_t>(u - 4),
                          static_cast<std::uint8_t>(u - 3),
                          static_cast<std::uint8_t>(u - 2),
                          static_cast<std::uint8_t>(u - 1),
                          u};
        EXPECT_EQ(Unrank(t, static_cast<std::uint32_t>(Combinaciones(n - 1, 5))), finUno) << n;
    }
}

// Every rank in order gives every combination once, in lexicographic order, and the
// inverse gives the rank back.
class TodosLosRangos : public ::testing::TestWithParam<int> {};

TEST_P(TodosLosRangos, FollowTheLexicographicOrder)
{
    const int n = GetParam();
    TablaRangos t;
    t.Calcular(n);
    Seis esperada{1, 2, 3, 4, 5, 6};
    std::uint32_t rango = 1;
    bool hay = true;
    for (; hay; ++rango) {
        ASSERT_LE(rango, t.Total());
        const Seis p = Unrank(t, rango);
        ASSERT_EQ(p, esperada) << "n=" << n << " rank " << rango;
        ASSERT_EQ(t.Rango(p.data()), rango);
        hay = Siguiente(esperada, n);
    }
    EXPECT_EQ(rango - 1, t.Total());
}

INSTANTIATE_TEST_SUITE_P(SeveralN, TodosLosRangos, ::testing::Values(7, 8, 9, 12, 16, 21, 26));

TEST(TablaRangos, TablesFollowTheLastCalcular)
{
    TablaRangos t;
    t.Calcular(49);
    const Seis p{7, 13, 21, 30, 44, 49};
    const std::uint32_t r49 = t.Rango(p.data());
    t.Calcular(9);
    EXPECT_EQ(Unrank(t, 84), (Seis{4, 5, 6, 7, 8, 9}));
    t.Calcular(49);
    EXPECT_EQ(Unrank(t, r49), p);
}

TEST(TablaRangos, RanksOutsideTheRangeStayWithinTheTables)
{
    // A damaged rank must never walk off the tables: the positions stay within 1..n.
    TablaRangos t;
    t.Calcular(10);
    for (std::uint32_t r : {0u, 211u, 0xFFFFFFFFu}) {
        const Seis p = Unrank(t, r);
        for (std::uint8_t x : p) {
            EXPECT_GE(x, 1);
            EXPECT_LE(x, 10);
        }
    }
}

TEST(TablaRangos, TranslationAndFilter)
{
    CabeceraApuestas c;
    for (int x : {3, 17, 25, 41, 9, 12, 33, 48})
        c.Reducidos[x - 1] = static_cast<std::uint8_t>(x);
    c.Fijos[25 - 1] = 25;
    c.Fijos[41 - 1] = 41;
    c.ListaReducidos.fill(99);
    FiltrarReducidos(c);
    FiltrarFijos(c);
    const std::vector<std::uint8_t> lista(c.ListaReducidos.begin(), c.ListaReducidos.begin() + 9);
    EXPECT_EQ(lista, (std::vector<std::uint8_t>{3, 9, 12, 17, 25, 33, 41, 48, 0}));
    EXPECT_EQ(c.ListaFijos[0], 25);
    EXPECT_EQ(c.ListaFijos[1], 41);
    EXPECT_EQ(c.ListaFijos[2], 0);
    const std::uint8_t pos[6] = {1, 2, 4, 5, 7, 8};
    std::uint8_t num[6];
    TraducirCombinacion(c, pos, num);
    EXPECT_EQ(std::vector<std::uint8_t>(num, num + 6),
              (std::vector<std::uint8_t>{3, 9, 17, 25, 41, 48}));
}

} // namespace
} // namespace numbrela
