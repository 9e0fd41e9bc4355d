// Filling at random and with Azarix, the refusal before the dialog, and the Azarix show.
#include <algorithm>
#include <set>

#include "../comun/CarpetaTemporal.h"
#include "../comun/MotorDePrueba.h"
#include "luck/Azarix.h"
#include "luck/Relleno.h"
#include "luck/SecuenciaAzarix.h"

namespace numbrela {
namespace {

using prueba::CarpetaTemporal;

TConjuntoApuestas Simples(int n)
{
    TConjuntoApuestas c;
    std::string error;
    TTextosConjunto textos;
    EXPECT_TRUE(c.CreaSimples(n, error, textos));
    return c;
}

TConjuntoApuestas Multiple(int cruces, int valor)
{
    TConjuntoApuestas c;
    c.Cabecera.Tipo = static_cast<std::uint8_t>(TipoApuesta::Multiple);
    c.Cabecera.TotalApuestas = valor;
    c.CrucesPorApuesta = cruces;
    std::string error;
    EXPECT_TRUE(c.ActualizaApuestas(error));
    return c;
}

std::vector<int> Numeros(const TApuestas& a)
{
    std::vector<int> v;
    for (int n = 1; n <= 49; ++n) {
        if (a.Marcas[n] != 0) {
            EXPECT_EQ(a.Marcas[n], n); // a mark holds its number
            v.push_back(n);
        }
    }
    return v;
}

TEST(Azar, UniformStaysInItsBoundsAndReachesThem)
{
    TAzar azar(7);
    std::set<int> vistos;
    for (int i = 0; i < 2000; ++i) {
        const int x = azar.Uniforme(1000, 1009);
        ASSERT_GE(x, 1000);
        ASSERT_LE(x, 1009);
        vistos.insert(x);
    }
    EXPECT_EQ(vistos.size(), 10u);
    EXPECT_EQ(azar.Uniforme(5, 5), 5);
    TAzar a(42), b(42), c(43);
    std::vector<std::uint32_t> va, vb, vc;
    for (int i = 0; i < 5; ++i) {
        va.push_back(a.Siguiente());
        vb.push_back(b.Siguiente());
        vc.push_back(c.Siguiente());
    }
    EXPECT_EQ(va, vb);
    EXPECT_NE(va, vc);
}

TEST(Relleno, RefusedBeforeTheDialogWithoutDateOrUser)
{
    TConjuntoApuestas c = Simples(2);
    c.EscrutadoHecho = true;
    TSesionSuerte s;
    EXPECT_EQ(PreparaRelleno(c, s).value_or(""), kMsgFaltanFechaYUsuario);
    s.UsuarioEstablecido = true;
    EXPECT_EQ(PreparaRelleno(c, s).value_or(""), kMsgFaltanFechaYUsuario);
    s.UsuarioEstablecido = false;
    s.FechaEstablecida = true;
    EXPECT_EQ(PreparaRelleno(c, s).value_or(""), kMsgFaltanFechaYUsuario);
    EXPECT_TRUE(c.EscrutadoHecho);
    s.UsuarioEstablecido = true;
    EXPECT_FALSE(PreparaRelleno(c, s));
    EXPECT_FALSE(c.EscrutadoHecho);
}

TEST(Relleno, TenRandomBetsHoldSixDistinctNumbersEach)
{
    TConjuntoApuestas c = Simples(10);
    c.Apuestas[3].Marca(2); // old marks are overwritten
    TAzar azar(2026);
    EXPECT_FALSE(RellenaAlAzar(c, azar));
    for (const TApuestas& a : c.Apuestas) {
        const auto v = Numeros(a);
        EXPECT_EQ(v.size(), 6u);
        EXPECT_EQ(a.Cruces, 6);
    }
}

TEST(Relleno, EveryNumberIsReachableAndAboutEquallyLikely)
{
    TConjuntoApuestas c = Simples(2000);
    TAzar azar(99);
    ASSERT_FALSE(RellenaAlAzar(c, azar));
    std::array<int, 50> veces{};
    for (const TApuestas& a : c.Apuestas)
        for (int n : Numeros(a))
            ++veces[static_cast<std::size_t>(n)];
    // 12000 numbers: about 245 each; a fair draw stays well inside 150..350.
    for (int n = 1; n <= 49; ++n) {
        EXPECT_GT(veces[static_cast<std::size_t>(n)], 150) << n;
        EXPECT_LT(veces[static_cast<std::size_t>(n)], 350) << n;
    }
}

TEST(Relleno, SameSeedSameBetsOtherSeedOtherBets)
{
    TConjuntoApuestas a = Simples(5), b = Simples(5), c = Simples(5);
    TAzar za(1), zb(1), zc(2);
    RellenaAlAzar(a, za);
    RellenaAlAzar(b, zb);
    RellenaAlAzar(c, zc);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(Numeros(a.Apuestas[i]), Numeros(b.Apuestas[i]));
    bool distinta = false;
    for (int i = 0; i < 5; ++i)
        distinta = distinta || Numeros(a.Apuestas[i]) != Numeros(c.Apuestas[i]);
    EXPECT_TRUE(distinta);
}

TEST(Relleno, AMultipleOfEightGetsEightNumbersAndReducedIsRefused)
{
    TConjuntoApuestas m = Multiple(8, 28);
    TAzar azar(5);
    EXPECT_FALSE(RellenaAlAzar(m, azar));
    ASSERT_EQ(m.Apuestas.size(), 1u);
    EXPECT_EQ(Numeros(m.Apuestas[0]).size(), 8u);
    EXPECT_EQ(m.Apuestas[0].Cruces, 8);

    TConjuntoApuestas r = Simples(1);
    r.Cabecera.Tipo = static_cast<std::uint8_t>(TipoApuesta::Reducida);
    EXPECT_EQ(RellenaAlAzar(r, azar).value_or(""), kMsgReducidaAlAzar);
    prueba::MotorDePrueba motor;
    CarpetaTemporal carpeta;
    EXPECT_EQ(RellenaConAzarix(r, {15, 3, 1999}, carpeta.Ruta(), motor).value_or(""),
              kMsgReducidaAzarix);
}

// A data file whose records from `desde` on hold the given combinations, the rest rank 1.
void EscribeAzarix(const CarpetaTemporal& c, std::size_t registros, std::size_t desde,
                   const std::vector<std::array<int, 6>>& combinaciones)
{
    std::vector<std::uint8_t> bytes(registros * 4, 0);
    for (std::size_t i = 0; i < registros; ++i)
        bytes[4 * i] = 1;
    for (std::size_t i = 0; i < combinaciones.size(); ++i) {
        const std::uint32_t r = prueba::Rango(49, combinaciones[i].data());
        for (int k = 0; k < 4; ++k)
            bytes[4 * (desde + i) + static_cast<std::size_t>(k)] =
                static_cast<std::uint8_t>(r >> (8 * k));
    }
    c.Escribe("AZARIX.DAT", bytes);
}

TEST(Azarix, RecordNumberFromTheDrawDate)
{
    EXPECT_EQ(RegistroAzarix({15, 3, 1999}), 6430);
    EXPECT_EQ(RegistroAzarix({1, 1, 1998}), 100 + 1998 - 23);
    EXPECT_EQ(MaximoRegistroAzarix(), 12 * 31 * 100 + 2026 - 12 * 23);
}

TEST(Azarix, FillsTheBetsWithTheCombinationsAtTheDatesRecord)
{
    CarpetaTemporal carpeta;
    const std::vector<std::array<int, 6>> combis{
        {1, 2, 3, 4, 5, 6}, {44, 45, 46, 47, 48, 49}, {3, 11, 19, 27, 35, 43}};
    EscribeAzarix(carpeta, 7000, 6430, combis);
    prueba::MotorDePrueba motor;
    TConjuntoApuestas c = Simples(3);
    EXPECT_FALSE(RellenaConAzarix(c, {15, 3, 1999}, carpeta.Ruta(), motor));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Numeros(c.Apuestas[i]), std::vector<int>(combis[i].begin(), combis[i].end()));
        EXPECT_EQ(c.Apuestas[i].Cruces, 6);
    }
    EXPECT_EQ(c.Cabecera.TotalReducidos, 49);
    // Same date, same bets; another date (16 March: record 6730) other bets.
    TConjuntoApuestas otra = Simples(3);
    EXPECT_FALSE(RellenaConAzarix(otra, {15, 3, 1999}, carpeta.Ruta(), motor));
    EXPECT_EQ(Numeros(otra.Apuestas[1]), Numeros(c.Apuestas[1]));
    EXPECT_FALSE(RellenaConAzarix(otra, {16, 3, 1999}, carpeta.Ruta(), motor));
    EXPECT_EQ(Numeros(otra.Apuestas[0]), (std::vector<int>{1, 2, 3, 4, 5, 6})); // rank 1 there
    EXPECT_NE(Numeros(otra.Apuestas[1]), Numeros(c.Apuestas[1]));
}

TEST(Azarix, AShortMissingOrDamagedFileLeavesTheBets)
{
    CarpetaTemporal carpeta;
    prueba::MotorDePrueba motor;
    TConjuntoApuestas c = Simples(3);
    c.Apuestas[0].Marca(17);
    EXPECT_EQ(RellenaConAzarix(c, {15, 3, 1999}, carpeta.Ruta(), motor).value_or(""),
              kMsgErrorAzarix);
    EscribeAzarix(carpeta, 6432, 6430,
                  {{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 7}}); // one record short
    EXPECT_EQ(RellenaConAzarix(c, {15, 3, 1999}, carpeta.Ruta(), motor).value_or(""),
              kMsgErrorAzarix);
    EXPECT_EQ(Numeros(c.Apuestas[0]), std::vector<int>{17});
    EXPECT_EQ(c.Cabecera.TotalReducidos, 0);
    // A rank of 0 is no combination.
    std::vector<std::uint8_t> bytes(7000 * 4, 1);
    bytes[4 * 6431] = bytes[4 * 6431 + 1] = bytes[4 * 6431 + 2] = bytes[4 * 6431 + 3] = 0;
    carpeta.Escribe("AZARIX.DAT", bytes);
    EXPECT_EQ(RellenaConAzarix(c, {15, 3, 1999}, carpeta.Ruta(), motor).value_or(""),
              kMsgErrorAzarix);
    EXPECT_EQ(Numeros(c.Apuestas[0]), std::vector<int>{17});
}

TEST(Azarix, AMultipleTakesItsSizeFromConsecutiveCombinations)
{
    CarpetaTemporal carpeta;
    EscribeAzarix(carpeta, 7000, 6430,
                  {{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 7}, {10, 20, 30, 40, 41, 42}});
    prueba::MotorDePrueba motor;
    TConjuntoApuestas m = Multiple(9, 84);
    EXPECT_FALSE(RellenaConAzarix(m, {15, 3, 1999}, carpeta.Ruta(), motor));
    EXPECT_EQ(Numeros(m.Apuestas[0]), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 10, 20}));
    EXPECT_EQ(m.Apuestas[0].Cruces, 9);
    TConjuntoApuestas cinco = Multiple(5, 44);
    EXPECT_FALSE(RellenaConAzarix(cinco, {15, 3, 1999}, carpeta.Ruta(), motor));
    EXPECT_EQ(Numeros(cinco.Apuestas[0]), (std::vector<int>{1, 2, 3, 4, 5}));
}

TEST(SecuenciaAzarix, StepsThroughItsStatusLinesAtRandomIntervals)
{
    TSecuenciaAzarix s;
    TAzar azar(3);
    EXPECT_EQ(s.Estado(), "Inicializando maquinaria Azarix");
    EXPECT_EQ(s.Intervalo(), 1000);
    const std::vector<std::string> esperados{
        "1) - Procesando datos, por favor espere...",
        "2) - Reorganizando criterios de filtro...",
        "3) - Eliminando apuestas segun criterios de filtro...",
        "4) - Comparando apuestas con estadisticas anteriores...",
        "5) - Eliminando apuestas segun estadisticas anteriores...",
        "6) - Creando apuestas actuales especificas ...",
    };
    std::set<int> intervalos;
    for (const std::string& e : esperados) {
        EXPECT_FALSE(s.PuedeCerrar());
        s.Tick(azar);
        EXPECT_EQ(s.Estado(), e);
        EXPECT_GE(s.Intervalo(), 1000);
        EXPECT_LE(s.Intervalo(), 9499);
        intervalos.insert(s.Intervalo());
    }
    EXPECT_GT(intervalos.size(), 1u);
    EXPECT_FALSE(s.Terminada());
    s.Tick(azar);
    EXPECT_TRUE(s.Terminada());
    EXPECT_TRUE(s.PuedeCerrar());
}

} // namespace
} // namespace numbrela
