// The multiple bet: sizes, creation resetting the set, the bound on crosses, reload.
#include <gtest/gtest.h>

#include "generation/ApuestaMultiple.h"

namespace numbrela {
namespace {

TEST(ApuestaMultiple, CodesGiveCrossesAndWorthOfTheSizeDialog)
{
    const int cruces[] = {7, 8, 5, 9, 10, 11};
    const int valor[] = {7, 28, 44, 84, 210, 462};
    for (int codigo = 1; codigo <= 6; ++codigo) {
        const auto t = ApuestaMultiple::Tamano(codigo);
        ASSERT_TRUE(t);
        EXPECT_EQ(t->Cruces, cruces[codigo - 1]);
        EXPECT_EQ(t->Apuestas, valor[codigo - 1]);
    }
    EXPECT_FALSE(ApuestaMultiple::Tamano(0));
    EXPECT_FALSE(ApuestaMultiple::Tamano(7));
}

TEST(ApuestaMultiple, CreatingResetsTheSetToOneEmptyBetOnOneSlip)
{
    TConjuntoApuestas c;
    std::string e;
    TTextosConjunto t;
    ASSERT_TRUE(c.CreaSimples(20, e, t));
    c.FijaNombre("Mis apuestas");
    c.NombreFichero = "/tmp/x.apu";
    c.GrabarHabilitado = c.GrabarComoHabilitado = true;
    c.EscrutadoHecho = true;
    c.Cabecera.Sorteo.Numeros = {1, 2, 3, 4, 5, 6};
    c.CicloJuego(); // BONOLOTO

    ASSERT_TRUE(ApuestaMultiple::Crea(c, 3, t));
    EXPECT_EQ(c.Cabecera.Nombre, "Sin Nombre");
    EXPECT_EQ(c.NombreFichero, "NINGUNO");
    EXPECT_FALSE(c.GrabarHabilitado);
    EXPECT_FALSE(c.GrabarComoHabilitado);
    EXPECT_FALSE(c.EscrutadoHecho);
    EXPECT_FALSE(c.Cabecera.Sorteo.HaySorteo());
    EXPECT_EQ(c.Tipo(), TipoApuesta::Multiple);
    EXPECT_EQ(c.Cabecera.CodigoMultiple, 3);
    EXPECT_EQ(c.TotalApuestas(), 44);
    EXPECT_EQ(c.CrucesPorApuesta, 5);
    ASSERT_EQ(c.Apuestas.size(), 1u);
    EXPECT_EQ(c.Apuestas[0].Cruces, 0);
    EXPECT_EQ(c.Cabecera.UltimoBoleto, 0);
    EXPECT_EQ(t.Contador, "Boleto 1 de 1");
    // The zeroed header takes the game back to LOTERIA PRIMITIVA: 44 bets at 100.
    EXPECT_EQ(c.Cabecera.Juego, 0);
    EXPECT_EQ(c.TextoPrecio(), "4400 pts");
    EXPECT_EQ(ApuestaMultiple::TextoBanner(c), "MULTIPLE 5 Cruces");
}

TEST(ApuestaMultiple, ElevenCrossLegend)
{
    TConjuntoApuestas c;
    TTextosConjunto t;
    ASSERT_TRUE(ApuestaMultiple::Crea(c, 6, t));
    EXPECT_EQ(t.Leyenda, "Tipo de Primitiva: Multiple de 11 cruces, 462 Apuestas. Un sólo boleto");
    EXPECT_EQ(c.TextoPrecio(), "46200 pts");
}

TEST(ApuestaMultiple, AnUnknownCodeKeepsTheSet)
{
    TConjuntoApuestas c;
    c.FijaNombre("Sigue");
    TTextosConjunto t;
    EXPECT_FALSE(ApuestaMultiple::Crea(c, 0, t));
    EXPECT_EQ(c.Cabecera.Nombre, "Sigue");
    EXPECT_EQ(c.Tipo(), TipoApuesta::Simple);
}

TEST(ApuestaMultiple, MarksStopAtTheSizeOfTheBet)
{
    TConjuntoApuestas c;
    TTextosConjunto t;
    ASSERT_TRUE(ApuestaMultiple::Crea(c, 1, t)); // 7 crosses
    std::string e;
    for (int n = 1; n <= 7; ++n)
        EXPECT_TRUE(ApuestaMultiple::AlternaMarca(c, 0, n * 3, e));
    EXPECT_FALSE(ApuestaMultiple::AlternaMarca(c, 0, 40, e));
    EXPECT_FALSE(e.empty());
    EXPECT_EQ(c.Apuestas[0].Cruces, 7);
    EXPECT_FALSE(c.Apuestas[0].Marcado(40));
    // Unmarking is always allowed, and frees a place.
    EXPECT_TRUE(ApuestaMultiple::AlternaMarca(c, 0, 3, e));
    EXPECT_TRUE(ApuestaMultiple::AlternaMarca(c, 0, 40, e));
    EXPECT_EQ(c.Apuestas[0].Cruces, 7);
}

TEST(ApuestaMultiple, SimpleBetsStopAtSixAndReducedBetsCannotChange)
{
    TConjuntoApuestas c;
    std::string e;
    for (int n = 1; n <= 6; ++n)
        EXPECT_TRUE(ApuestaMultiple::AlternaMarca(c, 0, n, e));
    EXPECT_FALSE(ApuestaMultiple::AlternaMarca(c, 0, 7, e));
    EXPECT_EQ(c.Apuestas[0].Cruces, 6);

    c.Cabecera.Tipo = static_cast<std::uint8_t>(TipoApuesta::Reducida);
    e.clear();
    EXPECT_FALSE(ApuestaMultiple::AlternaMarca(c, 0, 1, e));
    EXPECT_EQ(
        e,
        "Las apuestas reducidas no pueden cambiarse ya que desharía las combinaciones correctas");
}

TEST(ApuestaMultiple, ReloadTakesOnlyTheSizesPositionsOfThePackedList)
{
    const std::uint8_t lista[kMaxCruces] = {2, 9, 14, 23, 31, 40, 48, 49, 0, 0, 0};
    TApuestas a;
    ASSERT_TRUE(ApuestaMultiple::CargaDeLista(a, 7, lista));
    EXPECT_EQ(a.Cruces, 7);
    EXPECT_TRUE(a.Marcado(48));
    EXPECT_FALSE(a.Marcado(49)); // position 8 lies beyond a size of 7
    EXPECT_EQ(a.Marcas[14], 14);

    // A bet saved with fewer crosses than its size reloads with what it had.
    const std::uint8_t corta[kMaxCruces] = {5, 6, 7, 0, 0, 0, 0, 0, 0, 0, 0};
    ASSERT_TRUE(ApuestaMultiple::CargaDeLista(a, 9, corta));
    EXPECT_EQ(a.Cruces, 3);

    const std::uint8_t mala[kMaxCruces] = {5, 50, 7, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_FALSE(ApuestaMultiple::CargaDeLista(a, 9, mala));
    EXPECT_EQ(a.Cruces, 0);
    const std::uint8_t repetida[kMaxCruces] = {5, 7, 7, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_FALSE(ApuestaMultiple::CargaDeLista(a, 9, repetida));
}

} // namespace
} // namespace numbrela
