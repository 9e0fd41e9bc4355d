// Azarix and slip printing with the planner's own reduced-systems engine and delivered
// files, checked against the counting unranker of the tests.
#include <gtest/gtest.h>

#include "../comun/MotorDePrueba.h"
#include "generation/Reducidas.h"
#include "luck/Azarix.h"
#include "printing/ImpresionBoletos.h"

namespace numbrela {
namespace {

const std::filesystem::path kPrograma = TEST_PROGRAM_DIR;

std::vector<std::vector<int>> Numeros(const TConjuntoApuestas& c)
{
    std::vector<std::vector<int>> v;
    for (const TApuestas& a : c.Apuestas) {
        v.emplace_back();
        for (int n = 1; n <= 49; ++n)
            if (a.Marcas[n] != 0)
                v.back().push_back(n);
    }
    return v;
}

TEST(AzarixMotorReal, SameDateSameBetsAsTheCountingUnranker)
{
    TReducidas motor(kPrograma);
    prueba::MotorDePrueba lento;
    std::string error;
    TTextosConjunto textos;
    TConjuntoApuestas a(&motor), b, otra(&motor);
    ASSERT_TRUE(a.CreaSimples(40, error, textos));
    ASSERT_TRUE(b.CreaSimples(40, error, textos));
    ASSERT_TRUE(otra.CreaSimples(40, error, textos));
    ASSERT_FALSE(RellenaConAzarix(a, {15, 3, 1999}, kPrograma, motor));
    ASSERT_FALSE(RellenaConAzarix(b, {15, 3, 1999}, kPrograma, lento));
    ASSERT_FALSE(RellenaConAzarix(otra, {16, 3, 1999}, kPrograma, motor));
    EXPECT_EQ(Numeros(a), Numeros(b));
    EXPECT_NE(Numeros(a), Numeros(otra));
    for (const auto& v : Numeros(a))
        EXPECT_EQ(v.size(), 6u);
}

TEST(ImpresionReducidaMotorReal, PrintsTheNumbersOfTheLoadedSystem)
{
    TReducidas motor(kPrograma);
    TConjuntoApuestas c(&motor);
    c.Cabecera.Tipo = static_cast<std::uint8_t>(TipoApuesta::Reducida);
    c.Cabecera.TipoReduccion = 2; // al CUATRO
    c.Cabecera.TotalReducidos = 9;
    const std::uint8_t elegidos[] = {4, 8, 15, 16, 23, 29, 34, 42, 48};
    for (int i = 0; i < 9; ++i) {
        c.Cabecera.ListaReducidos[static_cast<std::size_t>(i)] = elegidos[i];
        c.Cabecera.Reducidos[static_cast<std::size_t>(elegidos[i] - 1)] = elegidos[i];
    }
    std::string error;
    ASSERT_TRUE(c.ActualizaApuestas(error)) << error;
    ASSERT_EQ(c.Cabecera.TotalApuestas, 3); // 9 numbers al CUATRO: three bets

    struct Lienzo : TLienzoBoleto {
        std::vector<THojaBoleto> Hojas;
        bool Imprime(const THojaBoleto& h) override
        {
            Hojas.push_back(h);
            return true;
        }
    } lienzo;
    TGeometriaImpresion g;
    ImprimirBoletos(c, g, {TRangoImpresion::TodosLosBoletos, "", ""}, lienzo);
    ASSERT_EQ(lienzo.Hojas.size(), 1u);
    // Expected: each rank unranked by counting, positions turned into the chosen numbers.
    prueba::MotorDePrueba lento;
    lento.Calcular(9);
    std::vector<TPunto> esperadas;
    for (int b = 0; b < 3; ++b) {
        std::uint8_t pos[6];
        lento.TomarCombinacion(c.BufferRangos[static_cast<std::size_t>(b)], pos);
        std::vector<int> numeros;
        for (std::uint8_t p : pos)
            numeros.push_back(elegidos[p - 1]);
        std::sort(numeros.begin(), numeros.end());
        for (int n : numeros) {
            const int fila = n / 10;
            esperadas.push_back({229 + (10 * fila + 9 - n) * 59, 34 + 221 * b + 45 * fila});
        }
    }
    EXPECT_EQ(lienzo.Hojas[0].Marcas, esperadas);
}

} // namespace
} // namespace numbrela
