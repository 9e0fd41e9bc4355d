// Checking a set against a draw: the entry's validation, scoring of the three kinds, and
// the tally of the results window.
#include <gtest/gtest.h>

#include "../comun/MotorDePrueba.h"
#include "generation/ApuestaMultiple.h"
#include "scrutiny/EntradaSorteo.h"
#include "scrutiny/Escrutinio.h"

namespace numbrela {
namespace {

TEST(EntradaSorteo, WinningNumbersAreSortedAndTheComplementaryKept)
{
    const auto r = EntradaSorteo::Valida({"7", "3", "45", "12", "30", "1", "9"});
    ASSERT_TRUE(r.Ok) << r.Error;
    EXPECT_EQ(r.Sorteo.Numeros, (std::array<std::uint8_t, 6>{1, 3, 7, 12, 30, 45}));
    EXPECT_EQ(r.Sorteo.Complementario, 9);
    // The fields as the window shows them, and a repeated number stored as typed.
    const auto dos = EntradaSorteo::Valida({"05", "5", "45", "12", "30", "1", "5"});
    ASSERT_TRUE(dos.Ok);
    EXPECT_EQ(dos.Sorteo.Numeros, (std::array<std::uint8_t, 6>{1, 5, 5, 12, 30, 45}));
}

TEST(EntradaSorteo, MessagesAndTheirOrder)
{
    struct Caso {
        std::array<std::string, 7> campos;
        const char* error;
        bool foco;
    };
    const char* mayor50 = "ERROR: Introdujo el número 50 que es mayor que 49";
    const char* cero = "ERROR: Introdujo valores igual a cero. Corríjalo e inténtelo de nuevo";
    const char* generico = "ERROR: Algún número introducido no es correcto";
    const Caso casos[] = {
        {{"1", "2", "50", "4", "5", "6", "7"}, mayor50, false},
        {{"1", "2", "3", "4", "5", "6", "0"}, cero, false},
        {{"1", "", "3", "4", "5", "6", "7"}, generico, true},
        {{"1", "2", "3", "4", "5", "6", ""}, generico, true},
        // The first pass runs over every field before zeros are looked at.
        {{"0", "2", "3", "4", "5", "6", "50"}, mayor50, false},
        {{"0", "x", "50", "4", "5", "6", "7"}, generico, true},
        {{"1", "2", "3", "4", "5", "6", "-3"}, generico, true},
        {{"1", "2", "3", "4", "5", "6", "99999999999999"}, generico, true},
        {{"1", "2", "3", "4", "5", "6", "050"},
         "ERROR: Introdujo el número 050 que es mayor que 49",
         false},
    };
    for (const auto& c : casos) {
        const auto r = EntradaSorteo::Valida(c.campos);
        EXPECT_FALSE(r.Ok);
        EXPECT_EQ(r.Error, c.error);
        EXPECT_EQ(r.FocoPrimerCampo, c.foco);
    }
}

TEST(EntradaSorteo, FieldsFromTextAndFromTheStoredDraw)
{
    EXPECT_EQ(EntradaSorteo::CamposDeTexto("1,3,7,12,30,45+9"),
              (std::array<std::string, 7>{"1", "3", "7", "12", "30", "45", "9"}));
    EXPECT_EQ(EntradaSorteo::CamposDeTexto("1,3,7+9"),
              (std::array<std::string, 7>{"1", "3", "7", "", "", "", "9"}));
    EXPECT_FALSE(EntradaSorteo::Valida(EntradaSorteo::CamposDeTexto("1,3,7,12,30,45,46+9")).Ok);
    EXPECT_FALSE(EntradaSorteo::Valida(EntradaSorteo::CamposDeTexto("1,3,7,12,30,45")).Ok);

    EXPECT_EQ(EntradaSorteo::Campos(TSorteo{}),
              (std::array<std::string, 7>{"00", "00", "00", "00", "00", "00", "00"}));
    TSorteo s{{1, 3, 7, 12, 30, 45}, 9};
    EXPECT_EQ(EntradaSorteo::Campos(s),
              (std::array<std::string, 7>{"01", "03", "07", "12", "30", "45", "09"}));
}

TSorteo Sorteo(std::array<std::uint8_t, 6> n, std::uint8_t c)
{
    return TSorteo{n, c};
}

void Rellena(TApuestas& a, std::initializer_list<int> numeros)
{
    a.BorraMarcas();
    for (int n : numeros)
        a.Marca(n);
}

TEST(Escrutinio, SimpleBetsByCategory)
{
    TConjuntoApuestas c;
    std::string e;
    TTextosConjunto t;
    c.CreaSimples(6, e, t);
    Rellena(c.Apuestas[0], {1, 3, 20, 21, 22, 23}); // 2 hits
    Rellena(c.Apuestas[1], {1, 3, 7, 12, 30, 9});   // 5 + C
    Rellena(c.Apuestas[2], {1, 3, 7, 12, 30, 10});  // 5
    Rellena(c.Apuestas[3], {1, 3, 7, 12, 9, 10});   // 4 (+C does not matter)
    Rellena(c.Apuestas[4], {1, 3, 7, 12, 30, 45});  // 6
    Rellena(c.Apuestas[5], {1, 3, 7, 9, 10, 11});   // 3
    ASSERT_TRUE(Escrutinio::Escruta(c, Sorteo({1, 3, 7, 12, 30, 45}, 9), e));
    EXPECT_TRUE(c.EscrutadoHecho);
    EXPECT_EQ(c.Cabecera.Sorteo.Complementario, 9);
    EXPECT_EQ(Escrutinio::TextoAciertosApuesta(c, 0), "Aciertos: 2");
    EXPECT_EQ(Escrutinio::TextoAciertosApuesta(c, 1), "Aciertos: 5 +C");
    const TEscrutinio r = Escrutinio::Calcula(c);
    EXPECT_EQ(r, (TEscrutinio{1, 1, 1, 1, 1}));
    EXPECT_EQ(Escrutinio::LineasResultados(r),
              (std::array<std::string, 5>{"6 Aciertos: 1", "5 Aciertos+C: 1", "5 Aciertos: 1",
                                          "4 Aciertos: 1", "3 Aciertos: 1"}));
}

// One row of the table of a multiple's winning bets: its size, hits h, whether the
// complementary number is among its numbers, and the five counts.
struct FilaMultiple {
    int cruces, h;
    bool c;
    TEscrutinio esperado;
};

class TablaMultiple : public ::testing::TestWithParam<FilaMultiple> {};

// Draw 1..6 + 7. The multiple holds h winners, the complementary when asked, and numbers
// from 20 up for the rest.
TEST_P(TablaMultiple, CountsOverTheBetsItStandsFor)
{
    const FilaMultiple f = GetParam();
    const int codigos[12] = {0, 0, 0, 0, 0, 3, 0, 1, 2, 4, 5, 6};
    TConjuntoApuestas c;
    TTextosConjunto t;
    ASSERT_TRUE(ApuestaMultiple::Crea(c, codigos[f.cruces], t));
    TApuestas& a = c.Apuestas[0];
    for (int n = 1; n <= f.h; ++n)
        a.Marca(n);
    if (f.c)
        a.Marca(7);
    for (int n = 20; a.Cruces < f.cruces; ++n)
        a.Marca(n);
    std::string e;
    ASSERT_TRUE(Escrutinio::Escruta(c, Sorteo({1, 2, 3, 4, 5, 6}, 7), e));
    EXPECT_EQ(a.Aciertos, f.h);
    EXPECT_EQ(a.ConComplementario, f.c ? 1 : 0);
    const TEscrutinio r = Escrutinio::Calcula(c);
    EXPECT_EQ(r.Seis, f.esperado.Seis);
    EXPECT_EQ(r.CincoMasC, f.esperado.CincoMasC);
    EXPECT_EQ(r.Cinco, f.esperado.Cinco);
    EXPECT_EQ(r.Cuatro, f.esperado.Cuatro);
    EXPECT_EQ(r.Tres, f.esperado.Tres);
}

// The rows marked "any" appear once with and once without the complementary number.
INSTANTIATE_TEST_SUITE_P(
    Filas, TablaMultiple,
    ::testing::Values(
        FilaMultiple{7, 6, true, {1, 6, 0, 0, 0}}, FilaMultiple{7, 6, false, {1, 0, 6, 0, 0}},
        FilaMultiple{7, 5, true, {0, 1, 1, 5, 0}}, FilaMultiple{7, 5, false, {0, 0, 2, 5, 0}},
        FilaMultiple{7, 4, true, {0, 0, 0, 3, 4}}, FilaMultiple{7, 4, false, {0, 0, 0, 3, 4}},
        FilaMultiple{7, 3, true, {0, 0, 0, 0, 4}}, FilaMultiple{7, 3, false, {0, 0, 0, 0, 4}},
        FilaMultiple{8, 6, true, {1, 6, 6, 15, 0}}, FilaMultiple{8, 6, false, {1, 0, 12, 15, 0}},
        FilaMultiple{8, 5, true, {0, 1, 2, 15, 10}}, FilaMultiple{8, 5, false, {0, 0, 3, 15, 10}},
        FilaMultiple{8, 4, true, {0, 0, 0, 6, 16}}, FilaMultiple{8, 4, false, {0, 0, 0, 6, 16}},
        FilaMultiple{8, 3, false, {0, 0, 0, 0, 10}}, FilaMultiple{5, 5, false, {1, 1, 42, 0, 0}},
        FilaMultiple{5, 4, true, {0, 2, 0, 42, 0}}, FilaMultiple{5, 4, false, {0, 0, 2, 42, 0}},
        FilaMultiple{5, 3, true, {0, 0, 0, 3, 41}}, FilaMultiple{5, 3, false, {0, 0, 0, 3, 41}},
        FilaMultiple{5, 2, false, {0, 0, 0, 0, 4}}, FilaMultiple{5, 2, true, {0, 0, 0, 0, 4}},
        FilaMultiple{9, 6, true, {1, 6, 12, 45, 20}}, FilaMultiple{9, 6, false, {1, 0, 18, 45, 20}},
        FilaMultiple{9, 5, true, {0, 1, 3, 30, 40}}, FilaMultiple{9, 5, false, {0, 0, 4, 30, 40}},
        FilaMultiple{9, 4, true, {0, 0, 0, 10, 40}}, FilaMultiple{9, 3, false, {0, 0, 0, 0, 20}},
        FilaMultiple{10, 6, true, {1, 6, 18, 90, 80}},
        FilaMultiple{10, 6, false, {1, 0, 24, 90, 80}},
        FilaMultiple{10, 5, true, {0, 1, 4, 50, 100}},
        FilaMultiple{10, 5, false, {0, 0, 5, 50, 100}},
        FilaMultiple{10, 4, false, {0, 0, 0, 15, 80}}, FilaMultiple{10, 3, true, {0, 0, 0, 0, 35}},
        FilaMultiple{11, 6, true, {1, 6, 24, 150, 200}},
        FilaMultiple{11, 6, false, {1, 0, 30, 150, 200}},
        FilaMultiple{11, 5, true, {0, 1, 5, 75, 200}},
        FilaMultiple{11, 5, false, {0, 0, 6, 75, 200}},
        FilaMultiple{11, 4, true, {0, 0, 0, 21, 140}},
        FilaMultiple{11, 4, false, {0, 0, 0, 21, 140}},
        FilaMultiple{11, 3, false, {0, 0, 0, 0, 56}},
        // Fewer hits than the table lists win nothing.
        FilaMultiple{11, 2, true, {0, 0, 0, 0, 0}}, FilaMultiple{7, 2, false, {0, 0, 0, 0, 0}},
        FilaMultiple{5, 1, true, {0, 0, 0, 0, 0}}));

TEST(Escrutinio, AMultipleNotOfItsSizeCountsNothing)
{
    TConjuntoApuestas c;
    TTextosConjunto t;
    ApuestaMultiple::Crea(c, 1, t); // seven crosses, only six marked
    Rellena(c.Apuestas[0], {1, 2, 3, 4, 5, 6});
    std::string e;
    Escrutinio::Escruta(c, Sorteo({1, 2, 3, 4, 5, 6}, 7), e);
    EXPECT_EQ(Escrutinio::Calcula(c), TEscrutinio{});
}

// Seven numbers chosen; ranks 1 and 7 of C(7, 6) are positions 1..6 and 2..7.
TEST(Escrutinio, ReducedSystemScoresEachCombination)
{
    prueba::MotorDePrueba motor;
    motor.Sistemas[{7, 1}] = {1, 7};
    TConjuntoApuestas c(&motor);
    c.Cabecera.Tipo = 3;
    c.Cabecera.TipoReduccion = 1;
    c.Cabecera.TotalReducidos = 7;
    const std::uint8_t elegidos[] = {3, 8, 15, 22, 29, 36, 43};
    std::copy(std::begin(elegidos), std::end(elegidos), c.Cabecera.ListaReducidos.begin());
    std::string e;
    TTextosConjunto t;
    ASSERT_TRUE(c.CambioGlobal(e, t)) << e;
    c.AciertosReducida = {99, 99};
    ASSERT_TRUE(Escrutinio::Escruta(c, Sorteo({3, 8, 15, 22, 29, 40}, 43), e));
    // {3,8,15,22,29,36}: 5 hits; {8,15,22,29,36,43}: 4 hits and the complementary.
    EXPECT_EQ(c.AciertosReducida, (std::vector<std::uint8_t>{5, 4 + 128}));
    EXPECT_EQ(Escrutinio::TextoAciertosApuesta(c, 1), "Aciertos: 4 +C");
    EXPECT_EQ(Escrutinio::Calcula(c), (TEscrutinio{0, 0, 1, 1, 0}));
    // The bytes decide the tally: 5 hits with the complementary is 133.
    c.AciertosReducida = {133, 128 + 3, 6, 2 + 128};
    EXPECT_EQ(Escrutinio::Calcula(c), (TEscrutinio{1, 1, 0, 0, 1}));
}

TEST(Escrutinio, ReducedSystemWithoutEngineFails)
{
    TConjuntoApuestas c;
    c.Cabecera.Tipo = 3;
    c.Cabecera.TotalReducidos = 7;
    c.BufferRangos = {1};
    std::string e;
    EXPECT_FALSE(Escrutinio::Escruta(c, Sorteo({1, 2, 3, 4, 5, 6}, 7), e));
    EXPECT_FALSE(c.EscrutadoHecho);
}

TEST(Escrutinio, PrizeTexts)
{
    EXPECT_EQ(Escrutinio::TextoPremio(4, true), " ->4+Complementario");
    EXPECT_EQ(Escrutinio::TextoPremio(4, false), " ->4 aciertos");
    EXPECT_EQ(Escrutinio::TextoPremio(2, true), "");
    EXPECT_EQ(Escrutinio::TextoAciertos(2, false), "Aciertos: 2");
}

} // namespace
} // namespace numbrela
