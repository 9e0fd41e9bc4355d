// Slip printing: where the marks fall, which slips a range prints, the calibration, and
// the printer's origin given back however a print ends.
#include <gtest/gtest.h>

#include "../comun/MotorDePrueba.h"
#include "printing/ImpresionBoletos.h"

namespace numbrela {
namespace {

struct LienzoQueGuarda : TLienzoBoleto {
    std::vector<THojaBoleto> Hojas;
    int FallaEn = -1; // job index that the printer cancels
    std::vector<TPunto> OrigenVisto;
    TGeometriaImpresion* Geometria = nullptr;
    bool Imprime(const THojaBoleto& hoja) override
    {
        if (static_cast<int>(Hojas.size()) == FallaEn)
            return false;
        Hojas.push_back(hoja);
        return true;
    }
};

TConjuntoApuestas Simples(int n)
{
    TConjuntoApuestas c;
    std::string error;
    TTextosConjunto textos;
    EXPECT_TRUE(c.CreaSimples(n, error, textos));
    return c;
}

void Marca(TApuestas& a, std::initializer_list<int> numeros)
{
    for (int n : numeros)
        a.Marca(n);
}

// Which block (0..7) and which number a mark stands for, with the default geometry, worked
// out from the slip's layout rather than from the code's cell rule.
struct Lugar {
    int Bloque;
    int Numero;
};
Lugar LugarDe(TPunto p)
{
    const int y = p.Y - 34;
    const int bloque = y / 221;
    const int fila = (y - 221 * bloque) / 45;
    const int columna = (p.X - 229) / 59; // 0 = highest number of the row
    return {bloque, 10 * fila + 9 - columna};
}

TEST(GeometriaImpresion, DefaultCellsSitWhereTheSlipHasThem)
{
    const TGeometriaImpresion g;
    const TPunto o = g.OrigenRejilla();
    EXPECT_EQ(o, (TPunto{229, 34}));
    EXPECT_EQ(g.Celda(o, 1), (TPunto{701, 34}));
    EXPECT_EQ(g.Celda(o, 49), (TPunto{229, 214}));
    EXPECT_EQ(g.Celda(o, 9), (TPunto{229, 34}));
    EXPECT_EQ(g.Celda(o, 10), (TPunto{229 + 9 * 59, 79}));
    EXPECT_EQ(g.Celda(o, 40), (TPunto{229 + 9 * 59, 214}));
    EXPECT_EQ(g.PasoBloque(), 221);
    EXPECT_FALSE(g.Celda(o, 0));
    EXPECT_FALSE(g.Celda(o, 50));
}

TEST(GeometriaImpresion, ActivarValoresStopsAtTheFirstBadField)
{
    TGeometriaImpresion g;
    EXPECT_EQ(ActivarValores(g, {"60", "4x", "300", "30"}).value_or(""), kMsgValoresGeometria);
    EXPECT_EQ(g.DistanciaA, 60);
    EXPECT_EQ(g.DistanciaB, 45);
    EXPECT_EQ(g.PosX, 209);
    EXPECT_EQ(g.PosY, 24);
    EXPECT_FALSE(ActivarValores(g, {" 61", "46 ", "300", "30"}));
    EXPECT_EQ(g.DistanciaB, 46);
    EXPECT_EQ(g.PosX, 300);
    EXPECT_EQ(g.PosY, 30);
    EXPECT_TRUE(ActivarValores(g, {"", "1", "1", "1"}));
    EXPECT_EQ(g.DistanciaA, 61);
}

TEST(GeometriaImpresion, ArrowsMoveTheOriginOneUnit)
{
    TGeometriaImpresion g;
    MueveOrigen(g, TFlecha::Arriba);
    MueveOrigen(g, TFlecha::Arriba);
    MueveOrigen(g, TFlecha::Abajo);
    MueveOrigen(g, TFlecha::Derecha);
    MueveOrigen(g, TFlecha::Izquierda);
    MueveOrigen(g, TFlecha::Izquierda);
    EXPECT_EQ(g.PosX, 210);
    EXPECT_EQ(g.PosY, 23);
}

TEST(ImpresionBoletos, SeventeenBetsMakeThreeSlips)
{
    TConjuntoApuestas c = Simples(17);
    c.FijaNombre("Quiniela de la peña");
    for (int i = 0; i < 17; ++i)
        Marca(c.Apuestas[static_cast<std::size_t>(i)], {1, 2, 3, 4, 5, 6});
    TGeometriaImpresion g;
    LienzoQueGuarda lienzo;
    const auto r = ImprimirBoletos(c, g, {TRangoImpresion::TodosLosBoletos, "1", "3"}, lienzo);
    EXPECT_TRUE(r.Error.empty());
    EXPECT_EQ(r.Trabajos, 3);
    ASSERT_EQ(lienzo.Hojas.size(), 3u);
    EXPECT_EQ(lienzo.Hojas[0].Marcas.size(), 48u);
    EXPECT_EQ(lienzo.Hojas[1].Marcas.size(), 48u);
    ASSERT_EQ(lienzo.Hojas[2].Marcas.size(), 6u);
    for (const TPunto& p : lienzo.Hojas[2].Marcas)
        EXPECT_EQ(LugarDe(p).Bloque, 0);
    EXPECT_EQ(lienzo.Hojas[0].Titulo, "Numbrela: Boleto 1");
    EXPECT_EQ(lienzo.Hojas[2].Titulo, "Numbrela: Boleto 3");
    const auto& textos = lienzo.Hojas[1].Textos;
    ASSERT_EQ(textos.size(), 2u);
    EXPECT_EQ(textos[0].Texto, "Quiniela d");
    EXPECT_EQ(textos[0].Posicion, (TPunto{209 + 631, 24}));
    EXPECT_EQ(textos[1].Texto, "2 de 3");
    EXPECT_EQ(textos[1].Posicion, (TPunto{209 + 631, 24 + 25}));
    EXPECT_EQ(lienzo.Hojas[0].GrosorPluma, 3);
    EXPECT_EQ(lienzo.Hojas[0].PuntosLetra, 6);
}

TEST(ImpresionBoletos, SixteenBetsPutBetsNineToSixteenOnTheSecondSlip)
{
    TConjuntoApuestas c = Simples(16);
    // Bet i holds its own number i and 20..24, so the mark outside 20..24 names the bet.
    for (int i = 1; i <= 16; ++i)
        Marca(c.Apuestas[static_cast<std::size_t>(i - 1)], {i, 20, 21, 22, 23, 24});
    TGeometriaImpresion g;
    LienzoQueGuarda lienzo;
    ImprimirBoletos(c, g, {TRangoImpresion::TodosLosBoletos, "", ""}, lienzo);
    ASSERT_EQ(lienzo.Hojas.size(), 2u);
    const auto& hoja = lienzo.Hojas[1];
    ASSERT_EQ(hoja.Marcas.size(), 48u);
    std::vector<int> apuestaDeBloque(8, 0);
    for (const TPunto& p : hoja.Marcas) {
        const Lugar l = LugarDe(p);
        ASSERT_GE(l.Bloque, 0);
        ASSERT_LT(l.Bloque, 8);
        if (l.Numero < 20 || l.Numero > 24)
            apuestaDeBloque[static_cast<std::size_t>(l.Bloque)] = l.Numero;
    }
    for (int b = 0; b < 8; ++b)
        EXPECT_EQ(apuestaDeBloque[static_cast<std::size_t>(b)], 9 + b) << "block " << b;
    EXPECT_EQ(hoja.Textos[1].Texto, "2 de 2");
}

TEST(ImpresionBoletos, EveryNumberOfABetLandsInItsCell)
{
    TConjuntoApuestas c = Simples(2);
    Marca(c.Apuestas[0], {1, 9, 10, 19, 40, 49});
    Marca(c.Apuestas[1], {5, 15, 25, 35, 45, 33});
    TGeometriaImpresion g;
    LienzoQueGuarda lienzo;
    ImprimirBoletos(c, g, {TRangoImpresion::BoletoEnPantalla, "", ""}, lienzo);
    ASSERT_EQ(lienzo.Hojas.size(), 1u);
    std::vector<std::pair<int, int>> vistos;
    for (const TPunto& p : lienzo.Hojas[0].Marcas)
        vistos.push_back({LugarDe(p).Bloque, LugarDe(p).Numero});
    const std::vector<std::pair<int, int>> esperados{{0, 1},  {0, 9},  {0, 10}, {0, 19},
                                                     {0, 40}, {0, 49}, {1, 5},  {1, 15},
                                                     {1, 25}, {1, 33}, {1, 35}, {1, 45}};
    EXPECT_EQ(vistos, esperados);
    EXPECT_EQ(lienzo.Hojas[0].Marcas[0], (TPunto{701, 34}));
    EXPECT_EQ(lienzo.Hojas[0].Marcas[5], (TPunto{229, 214}));
    EXPECT_EQ(lienzo.Hojas[0].Marcas[6], (TPunto{229 + 4 * 59, 34 + 221})); // 5 in block 2
    EXPECT_TRUE(lienzo.Hojas[0].Titulo.empty()); // single-slip modes set no title
}

TEST(ImpresionBoletos, ScreenSlipIsTheOneShown)
{
    TConjuntoApuestas c = Simples(17);
    c.BoletoActual = 1;
    Marca(c.Apuestas[8], {7, 8, 9, 10, 11, 12});
    TGeometriaImpresion g;
    LienzoQueGuarda lienzo;
    ImprimirBoletos(c, g, {TRangoImpresion::BoletoEnPantalla, "", ""}, lienzo);
    ASSERT_EQ(lienzo.Hojas.size(), 1u);
    EXPECT_EQ(lienzo.Hojas[0].Textos[1].Texto, "2 de 3");
    EXPECT_EQ(lienzo.Hojas[0].Marcas.size(), 6u);
}

TEST(ImpresionBoletos, RangeFieldsAreChecked)
{
    TConjuntoApuestas c = Simples(17);
    for (auto& a : c.Apuestas)
        Marca(a, {1, 2, 3, 4, 5, 6});
    TGeometriaImpresion g;
    const std::string fuera = "Valores no correctos. El rango correcto está entre 1 y 3";
    for (auto [de, a] : {std::pair{"0", "2"}, std::pair{"1", "4"}, std::pair{"-1", "1"}}) {
        LienzoQueGuarda lienzo;
        const auto r = ImprimirBoletos(c, g, {TRangoImpresion::RangoDeA, de, a}, lienzo);
        EXPECT_EQ(r.Error, fuera) << de << "-" << a;
        EXPECT_TRUE(lienzo.Hojas.empty());
    }
    {
        LienzoQueGuarda lienzo;
        const auto r = ImprimirBoletos(c, g, {TRangoImpresion::RangoDeA, "3", "2"}, lienzo);
        EXPECT_TRUE(r.Error.empty());
        EXPECT_TRUE(lienzo.Hojas.empty());
    }
    {
        LienzoQueGuarda lienzo;
        const auto r = ImprimirBoletos(c, g, {TRangoImpresion::RangoDeA, "1a", "2"}, lienzo);
        EXPECT_EQ(r.Error, "'1a' no es un valor entero válido");
        EXPECT_TRUE(lienzo.Hojas.empty());
        EXPECT_EQ(ImprimirBoletos(c, g, {TRangoImpresion::RangoDeA, "1", ""}, lienzo).Error,
                  "'' no es un valor entero válido");
    }
    {
        LienzoQueGuarda lienzo;
        ImprimirBoletos(c, g, {TRangoImpresion::RangoDeA, "2", "3"}, lienzo);
        ASSERT_EQ(lienzo.Hojas.size(), 2u);
        EXPECT_EQ(lienzo.Hojas[0].Titulo, "Numbrela: Boleto 2");
        EXPECT_EQ(lienzo.Hojas[1].Textos[1].Texto, "3 de 3");
        EXPECT_EQ(lienzo.Hojas[1].Marcas.size(), 6u);
    }
    EXPECT_EQ(PeticionInicial(c).A, "3");
    EXPECT_EQ(PeticionInicial(c).De, "1");
}

class MultipleDeOnce : public ::testing::TestWithParam<TPeticionImpresion> {};

TEST_P(MultipleDeOnce, PrintsElevenMarksInBlockOneWhateverTheRange)
{
    TConjuntoApuestas c;
    c.Cabecera.Tipo = static_cast<std::uint8_t>(TipoApuesta::Multiple);
    c.Cabecera.TotalApuestas = 462;
    c.CrucesPorApuesta = 11;
    std::string error;
    ASSERT_TRUE(c.ActualizaApuestas(error));
    Marca(c.Apuestas[0], {2, 7, 11, 18, 23, 29, 31, 36, 40, 44, 49});
    TGeometriaImpresion g;
    LienzoQueGuarda lienzo;
    const auto r = ImprimirBoletos(c, g, GetParam(), lienzo);
    EXPECT_TRUE(r.Error.empty());
    ASSERT_EQ(lienzo.Hojas.size(), 1u);
    const auto& marcas = lienzo.Hojas[0].Marcas;
    ASSERT_EQ(marcas.size(), 11u);
    std::vector<int> numeros;
    for (const TPunto& p : marcas) {
        EXPECT_EQ(LugarDe(p).Bloque, 0);
        numeros.push_back(LugarDe(p).Numero);
    }
    EXPECT_EQ(numeros, (std::vector<int>{2, 7, 11, 18, 23, 29, 31, 36, 40, 44, 49}));
    EXPECT_EQ(lienzo.Hojas[0].Textos[1].Texto, "1 de 1");
}

INSTANTIATE_TEST_SUITE_P(
    Rangos, MultipleDeOnce,
    ::testing::Values(TPeticionImpresion{TRangoImpresion::BoletoEnPantalla, "", ""},
                      TPeticionImpresion{TRangoImpresion::TodosLosBoletos, "", ""},
                      TPeticionImpresion{TRangoImpresion::RangoDeA, "0", "9"},
                      TPeticionImpresion{TRangoImpresion::RangoDeA, "x", "y"}));

TEST(ImpresionBoletos, CalibrationDrawsTheOutlineAndTheFirstLinePattern)
{
    TConjuntoApuestas c = Simples(1);
    TGeometriaImpresion g;
    LienzoQueGuarda lienzo;
    const auto r = ImprimirBoletos(c, g, {TRangoImpresion::CuadrarBoleto, "", ""}, lienzo);
    EXPECT_EQ(r.Trabajos, 1);
    ASSERT_EQ(lienzo.Hojas.size(), 1u);
    const THojaBoleto& h = lienzo.Hojas[0];
    ASSERT_TRUE(h.Marco);
    EXPECT_EQ(h.Marco->Desde, (TPunto{209, 24}));
    EXPECT_EQ(h.Marco->Hasta, (TPunto{810, 1786}));
    EXPECT_TRUE(h.Titulo.empty());
    ASSERT_EQ(h.Marcas.size(), 9u + 8 * 4);
    EXPECT_EQ(h.Marcas[0], (TPunto{229, 34}));
    EXPECT_EQ(h.Marcas[8], (TPunto{229 + 8 * 59, 34}));
    EXPECT_EQ(h.Marcas[9], (TPunto{229, 34 + 45}));
    EXPECT_EQ(h.Marcas.back(), (TPunto{229 + 3 * 59, 34 + 8 * 45}));
    EXPECT_EQ(MensajesCalibracion(3300, 2400, true),
              (std::vector<std::string>{"Page Height : 3300", "Page Width : 2400",
                                        "imprimiendo en vertical PORTRAIT"}));
    EXPECT_EQ(MensajesCalibracion(1, 2, false)[2], "Imprimiendo en LANDSCAPE");
}

TEST(ImpresionBoletos, OriginIsGivenBackAfterEveryPrint)
{
    TConjuntoApuestas c = Simples(20);
    for (auto& a : c.Apuestas)
        Marca(a, {1, 2, 3, 4, 5, 6});
    TGeometriaImpresion g;
    g.PosX = 150;
    g.PosY = 70;
    {
        LienzoQueGuarda lienzo;
        const auto r = ImprimirBoletos(c, g, {TRangoImpresion::TodosLosBoletos, "", ""}, lienzo);
        EXPECT_FALSE(r.Abortado);
        EXPECT_EQ(lienzo.Hojas.size(), 3u);
        // Each slip starts from the same origin.
        EXPECT_EQ(lienzo.Hojas[2].Textos[0].Posicion, (TPunto{150 + 631, 70}));
        EXPECT_EQ(lienzo.Hojas[2].Marcas[0].Y, 70 + 10);
    }
    EXPECT_EQ(g.PosX, 150);
    EXPECT_EQ(g.PosY, 70);
    {
        LienzoQueGuarda lienzo;
        lienzo.FallaEn = 1; // "Abortar" during the second job
        const auto r = ImprimirBoletos(c, g, {TRangoImpresion::TodosLosBoletos, "", ""}, lienzo);
        EXPECT_TRUE(r.Abortado);
        EXPECT_EQ(r.Trabajos, 1);
        EXPECT_EQ(lienzo.Hojas.size(), 1u); // no further slip after the cancelled one
    }
    EXPECT_EQ(g.PosX, 150);
    EXPECT_EQ(g.PosY, 70);
    {
        LienzoQueGuarda lienzo;
        int llamadas = 0;
        const auto r = ImprimirBoletos(c, g, {TRangoImpresion::TodosLosBoletos, "", ""}, lienzo,
                                       [&] { return ++llamadas < 3; });
        EXPECT_TRUE(r.Abortado);
        EXPECT_EQ(lienzo.Hojas.size(), 2u);
    }
    EXPECT_EQ(g.PosY, 70);
    {
        LienzoQueGuarda lienzo;
        lienzo.FallaEn = 0;
        EXPECT_TRUE(
            ImprimirBoletos(c, g, {TRangoImpresion::CuadrarBoleto, "", ""}, lienzo).Abortado);
    }
    EXPECT_EQ(g.PosX, 150);
    EXPECT_EQ(g.PosY, 70);
}

TEST(ImpresionBoletos, UnfilledPlacesAreLeftOutAndCounted)
{
    TConjuntoApuestas c = Simples(2);
    Marca(c.Apuestas[0], {3, 14, 25});
    Marca(c.Apuestas[1], {1, 2, 3, 4, 5, 6});
    TGeometriaImpresion g;
    LienzoQueGuarda lienzo;
    const auto r = ImprimirBoletos(c, g, {TRangoImpresion::TodosLosBoletos, "", ""}, lienzo);
    EXPECT_EQ(r.ApuestasIncompletas, 1);
    ASSERT_EQ(lienzo.Hojas.size(), 1u);
    EXPECT_EQ(lienzo.Hojas[0].Marcas.size(), 9u);
    // Nothing one cell beyond number 1, where a 0 would have landed.
    for (const TPunto& p : lienzo.Hojas[0].Marcas)
        EXPECT_NE(p.X, 229 + 9 * 59 + 59);
}

TEST(ImpresionBoletos, ReducedBetsPrintTheirRanksNumbers)
{
    prueba::MotorDePrueba motor;
    TConjuntoApuestas c(&motor);
    c.Cabecera.Tipo = static_cast<std::uint8_t>(TipoApuesta::Reducida);
    c.Cabecera.TotalReducidos = 9;
    const std::uint8_t elegidos[] = {3, 7, 12, 18, 22, 30, 35, 41, 47};
    std::copy(std::begin(elegidos), std::end(elegidos), c.Cabecera.ListaReducidos.begin());
    c.BufferRangos = {1, 84, 2, 0}; // the last rank is damaged
    c.Cabecera.TotalApuestas = 4;
    c.RecalculaBoletos();
    TGeometriaImpresion g;
    LienzoQueGuarda lienzo;
    const auto r = ImprimirBoletos(c, g, {TRangoImpresion::TodosLosBoletos, "", ""}, lienzo);
    ASSERT_EQ(lienzo.Hojas.size(), 1u);
    std::vector<std::vector<int>> porBloque(4);
    for (const TPunto& p : lienzo.Hojas[0].Marcas)
        porBloque[static_cast<std::size_t>(LugarDe(p).Bloque)].push_back(LugarDe(p).Numero);
    for (auto& b : porBloque)
        std::sort(b.begin(), b.end());
    EXPECT_EQ(porBloque[0], (std::vector<int>{3, 7, 12, 18, 22, 30}));   // positions 1..6
    EXPECT_EQ(porBloque[1], (std::vector<int>{18, 22, 30, 35, 41, 47})); // rank 84: 4..9
    EXPECT_EQ(porBloque[2], (std::vector<int>{3, 7, 12, 18, 22, 35}));   // rank 2: 1..5, 7
    EXPECT_TRUE(porBloque[3].empty());
    EXPECT_EQ(r.ApuestasIncompletas, 1);
}

TEST(ImpresionBoletos, ASetWithoutKindPrintsNoSlipButTheCalibration)
{
    TConjuntoApuestas c = Simples(3);
    c.Cabecera.Tipo = 0;
    TGeometriaImpresion g;
    LienzoQueGuarda lienzo;
    for (auto rango : {TRangoImpresion::BoletoEnPantalla, TRangoImpresion::TodosLosBoletos,
                       TRangoImpresion::RangoDeA})
        EXPECT_EQ(ImprimirBoletos(c, g, {rango, "1", "1"}, lienzo).Trabajos, 0);
    EXPECT_TRUE(lienzo.Hojas.empty());
    EXPECT_EQ(ImprimirBoletos(c, g, {TRangoImpresion::CuadrarBoleto, "1", "1"}, lienzo).Trabajos,
              1);
    ASSERT_EQ(lienzo.Hojas.size(), 1u);
    EXPECT_EQ(lienzo.Hojas[0].Boleto, -1);
}

} // namespace
} // namespace numbrela
