// The simulation: random draws, and the six counters over all of them.
#include <gtest/gtest.h>

#include <set>

#include "../comun/MotorDePrueba.h"
#include "generation/ApuestaMultiple.h"
#include "scrutiny/EstadoEntradaSorteo.h"
#include "scrutiny/Simulacion.h"

namespace numbrela {
namespace {

TEST(GeneradorAleatorio, IsTheLinearCongruentialStepOfItsSeed)
{
    TGeneradorAleatorio g(0);
    EXPECT_EQ(g.Siguiente(49), 0u); // state 1
    EXPECT_EQ(g.Semilla(), 1u);
    g.Siguiente(49);
    EXPECT_EQ(g.Semilla(), 134775814u);
    // 134775814 · 49 / 2^32 = 1.537...
    g.Siembra(134775814u - 1u);
    g.Siembra(0x7fffffffu);
    // (0x7fffffff · 134775813 + 1) mod 2^32 = 0x7b7d1b30, and 0x7b7d1b30 · 10 >> 32 = 4.
    EXPECT_EQ(g.Siguiente(10), 4u);
}

TEST(Simulacion, DrawsNeverRepeatANumber)
{
    TGeneradorAleatorio g(12345);
    std::uint32_t reloj = 0;
    auto semilla = [&] { return reloj += 7919; };
    std::set<std::array<std::uint8_t, 7>> distintos;
    for (int k = 0; k < 5000; ++k) {
        const TSorteo s = Simulacion::RealizarMatriz(g, semilla);
        std::set<int> vistos(s.Numeros.begin(), s.Numeros.end());
        EXPECT_EQ(vistos.size(), 6u);
        EXPECT_EQ(vistos.count(s.Complementario), 0u);
        EXPECT_TRUE(std::is_sorted(s.Numeros.begin(), s.Numeros.end()));
        EXPECT_GE(s.Numeros[0], 1);
        EXPECT_LE(s.Numeros[5], 49);
        EXPECT_GE(s.Complementario, 1);
        EXPECT_LE(s.Complementario, 49);
        // The draw ends by reseeding from the clock.
        EXPECT_EQ(g.Semilla(), reloj);
        distintos.insert({s.Numeros[0], s.Numeros[1], s.Numeros[2], s.Numeros[3], s.Numeros[4],
                          s.Numeros[5], s.Complementario});
    }
    EXPECT_GT(distintos.size(), 4900u);
}

TEST(Simulacion, EveryNumberComesOut)
{
    TGeneradorAleatorio g(1);
    std::uint32_t reloj = 99;
    auto semilla = [&] { return reloj = reloj * 69069u + 1u; };
    std::array<int, 50> veces{};
    for (int k = 0; k < 7000; ++k) {
        const TSorteo s = Simulacion::RealizarMatriz(g, semilla);
        for (auto v : s.Numeros)
            ++veces[v];
    }
    // 42000 winners over 49 numbers: about 857 each.
    for (int v = 1; v <= 49; ++v) {
        EXPECT_GT(veces[static_cast<std::size_t>(v)], 700) << v;
        EXPECT_LT(veces[static_cast<std::size_t>(v)], 1020) << v;
    }
}

// The counters against the straightforward count: the same draws again, each bet scored
// with PuntuarApuesta. 150 bets fill two words of 64 bets and part of a third.
TEST(Simulacion, CountersAgreeWithScoringEveryBet)
{
    TConjuntoApuestas c;
    std::string e;
    TTextosConjunto t;
    c.CreaSimples(150, e, t);
    for (int i = 0; i < 150; ++i)
        for (int k = 0; k < 6; ++k)
            c.Apuestas[static_cast<std::size_t>(i)].Marca(1 + (i * 5 + k * 7) % 49);
    c.Cabecera.Sorteo = TSorteo{{1, 2, 3, 4, 5, 6}, 7};
    c.Apuestas[0].Aciertos = 3;

    Simulacion::SemillaReloj reloj = [n = 0u]() mutable { return n += 104729u; };
    TGeneradorAleatorio g(2026);
    int pasos = 0;
    TContadoresSimulacion cont;
    ASSERT_TRUE(Simulacion::Simula(
        c, 3000, g, reloj,
        [&](std::int64_t k, const TContadoresSimulacion&) { return ++pasos == k; }, cont));
    EXPECT_EQ(pasos, 3000);

    TContadoresSimulacion esperado;
    TGeneradorAleatorio g2(2026);
    Simulacion::SemillaReloj reloj2 = [n = 0u]() mutable { return n += 104729u; };
    for (int k = 0; k < 3000; ++k) {
        const TSorteo s = Simulacion::RealizarMatriz(g2, reloj2);
        for (TApuestas a : c.Apuestas) {
            PuntuarApuesta(a, s);
            switch (a.Aciertos) {
            case 3:
                ++esperado.Tres;
                break;
            case 4:
                ++esperado.Cuatro;
                break;
            case 5:
                a.ConComplementario ? ++esperado.CincoMasC : ++esperado.Cinco;
                break;
            case 6:
                ++esperado.Seis;
                break;
            default:
                ++esperado.Fallos;
                break;
            }
        }
    }
    EXPECT_EQ(cont, esperado);
    EXPECT_GT(cont.Tres, 0u);
    // The stored draw and results are left alone.
    EXPECT_EQ(c.Cabecera.Sorteo.Complementario, 7);
    EXPECT_EQ(c.Apuestas[0].Aciertos, 3);
}

TEST(Simulacion, AMultipleCountsOnceADrawAsAWhole)
{
    TConjuntoApuestas c;
    TTextosConjunto t;
    ApuestaMultiple::Crea(c, 6, t); // 11 numbers, worth 462 bets
    for (int n = 1; n <= 11; ++n)
        c.Apuestas[0].Marca(n * 4);
    TGeneradorAleatorio g(5);
    TContadoresSimulacion cont;
    ASSERT_TRUE(Simulacion::Simula(
        c, 500, g, [] { return 77u; }, {}, cont));
    EXPECT_EQ(cont.Seis + cont.CincoMasC + cont.Cinco + cont.Cuatro + cont.Tres + cont.Fallos,
              500u);
}

TEST(Simulacion, ReducedSystemCountsEveryCombination)
{
    prueba::MotorDePrueba motor;
    motor.Sistemas[{7, 1}] = {1, 2, 3, 4, 5, 6, 7}; // all seven combinations of 1..7
    TConjuntoApuestas c(&motor);
    c.Cabecera.Tipo = 3;
    c.Cabecera.TipoReduccion = 1;
    c.Cabecera.TotalReducidos = 7;
    for (int i = 0; i < 7; ++i)
        c.Cabecera.ListaReducidos[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i + 1);
    std::string e;
    TTextosConjunto t;
    ASSERT_TRUE(c.CambioGlobal(e, t));
    TGeneradorAleatorio g(9);
    TContadoresSimulacion cont;
    ASSERT_TRUE(Simulacion::Simula(
        c, 200, g, [] { return 3u; }, {}, cont));
    EXPECT_EQ(cont.Seis + cont.CincoMasC + cont.Cinco + cont.Cuatro + cont.Tres + cont.Fallos,
              1400u);
}

TEST(Simulacion, NoDrawsLeavesEveryCounterAtZero)
{
    TConjuntoApuestas c;
    TGeneradorAleatorio g(1);
    TContadoresSimulacion cont;
    cont.Tres = 5;
    int pasos = 0;
    ASSERT_TRUE(Simulacion::Simula(
        c, 0, g, [] { return 0u; },
        [&](std::int64_t, const TContadoresSimulacion&) { return ++pasos > 0; }, cont));
    EXPECT_EQ(pasos, 0);
    EXPECT_EQ(Simulacion::Lineas(cont),
              (std::array<std::string, 6>{"6: 0", "5C: 0", "5: 0", "4: 0", "3: 0", "F: 0"}));
}

TEST(Simulacion, TheCountFieldTakesUpToSixDigits)
{
    std::string e;
    EXPECT_EQ(Simulacion::LeeCuenta("0", e), 0);
    EXPECT_EQ(Simulacion::LeeCuenta("999999", e), 999999);
    for (const char* malo : {"", "  ", "abc", "1234567", "-5", "1e3"}) {
        e.clear();
        EXPECT_FALSE(Simulacion::LeeCuenta(malo, e)) << malo;
        EXPECT_FALSE(e.empty());
    }
}

} // namespace
} // namespace numbrela

namespace numbrela {
namespace {

TEST(EstadoEntradaSorteo, AutomaticRunsWithButtonsDisabledAndNeverAccepts)
{
    TConjuntoApuestas c;
    for (int n = 1; n <= 6; ++n)
        c.Apuestas[0].Marca(n);
    EstadoEntradaSorteo estado(TSorteo{});
    EXPECT_EQ(estado.Campos[6], "00");
    estado.Automatico();
    EXPECT_FALSE(estado.AceptarHabilitado);
    EXPECT_FALSE(estado.AutomaticoHabilitado);

    TGeneradorAleatorio g(3);
    std::string e;
    EXPECT_FALSE(estado.Comenzar(
        "", c, g, [] { return 1u; }, {}, e));
    EXPECT_FALSE(e.empty());
    EXPECT_TRUE(estado.ComenzarHabilitado); // a bad count leaves the window usable
    EXPECT_TRUE(estado.CancelarHabilitado);

    int refrescos = 0;
    bool deshabilitado = true;
    ASSERT_TRUE(estado.Comenzar(
        "25", c, g, [] { return 1u; },
        [&] {
            ++refrescos;
            deshabilitado = deshabilitado && !estado.ComenzarHabilitado &&
                            !estado.CancelarHabilitado && estado.Color == ColorContador::Verde;
        },
        e));
    EXPECT_EQ(refrescos, 25);
    EXPECT_TRUE(deshabilitado);
    EXPECT_EQ(estado.ContadorSorteos, "25");
    EXPECT_EQ(estado.Color, ColorContador::AmarilloSobreRojo);
    EXPECT_TRUE(estado.ComenzarHabilitado);
    EXPECT_TRUE(estado.CancelarHabilitado);
    EXPECT_FALSE(estado.AceptarHabilitado);
    std::uint64_t suma = 0;
    for (const auto& s : estado.Contadores)
        suma += std::stoull(s);
    EXPECT_EQ(suma, 25u);

    // No draws: counters stay, buttons stay enabled.
    EstadoEntradaSorteo otro(TSorteo{{1, 3, 7, 12, 30, 45}, 9});
    EXPECT_EQ(otro.Campos[0], "01");
    otro.Automatico();
    ASSERT_TRUE(otro.Comenzar(
        "0", c, g, [] { return 1u; }, {}, e));
    EXPECT_EQ(otro.Contadores[5], "0");
    EXPECT_TRUE(otro.ComenzarHabilitado);
    EXPECT_TRUE(otro.CancelarHabilitado);
}

} // namespace
} // namespace numbrela
