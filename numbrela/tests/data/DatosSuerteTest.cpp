// The delivered AZARIX.DAT, BRMO.DAT and LUCKY.DAT: long enough for every place the
// planner can read, and holding what they promise.
#include <algorithm>
#include <cstdlib>
#include <set>

#include "../comun/CarpetaTemporal.h"
#include "../comun/MotorDePrueba.h"
#include "luck/Azarix.h"
#include "luck/Biorritmo.h"
#include "luck/FicheroDatos.h"
#include "luck/NumerosSuerte.h"

namespace numbrela {
namespace {

const std::filesystem::path kPrograma = TEST_PROGRAM_DIR;

std::vector<std::uint8_t> Lee(const char* nombre)
{
    auto datos = LeeFicheroEntero(kPrograma / nombre, 64u << 20);
    EXPECT_TRUE(datos) << nombre;
    return datos.value_or(std::vector<std::uint8_t>{});
}

TEST(DatosAzarix, CoverTheLastDateWithTheLargestSetOfValidRanks)
{
    const auto bytes = Lee("AZARIX.DAT");
    ASSERT_EQ(bytes.size() % 4, 0u);
    // 31 December 2026 is the farthest record: 12 × 31 × 100 + 2026 − 276.
    const std::int64_t necesarios = 12 * 31 * 100 + 2026 - 12 * 23 + kMaxApuestasSimples;
    EXPECT_GE(static_cast<std::int64_t>(bytes.size() / 4), necesarios);
    prueba::MotorDePrueba motor;
    motor.Calcular(49);
    for (std::size_t i = 0; i < bytes.size() / 4; ++i) {
        const std::uint32_t r = std::uint32_t{bytes[4 * i]} | std::uint32_t{bytes[4 * i + 1]} << 8 |
                                std::uint32_t{bytes[4 * i + 2]} << 16 |
                                std::uint32_t{bytes[4 * i + 3]} << 24;
        ASSERT_GE(r, 1u) << i;
        ASSERT_LE(r, 13983816u) << i;
        if (i > 50000)
            continue; // the shape of the draws is checked on the first records
        std::uint8_t c[6];
        motor.TomarCombinacion(r, c);
        int suma = 0, impares = 0;
        std::set<int> decenas;
        for (int k = 0; k < 6; ++k) {
            suma += c[k];
            impares += c[k] % 2;
            decenas.insert(c[k] / 10);
        }
        ASSERT_GE(suma, 110) << i;
        ASSERT_LE(suma, 190) << i;
        ASSERT_GE(impares, 2) << i;
        ASSERT_LE(impares, 4) << i;
        ASSERT_GE(decenas.size(), 3u) << i;
    }
}

TEST(DatosAzarix, FillTheLargestSetOnTheLastDate)
{
    prueba::MotorDePrueba motor;
    TConjuntoApuestas c;
    std::string error;
    TTextosConjunto textos;
    ASSERT_TRUE(c.CreaSimples(20, error, textos));
    EXPECT_FALSE(RellenaConAzarix(c, {31, 12, 2026}, kPrograma, motor));
    EXPECT_EQ(c.Apuestas[19].Cruces, 6);
    TConjuntoApuestas once;
    once.Cabecera.Tipo = static_cast<std::uint8_t>(TipoApuesta::Multiple);
    once.Cabecera.TotalApuestas = 462;
    once.CrucesPorApuesta = 11;
    ASSERT_TRUE(once.ActualizaApuestas(error));
    EXPECT_FALSE(RellenaConAzarix(once, {31, 12, 2026}, kPrograma, motor));
    EXPECT_EQ(once.Apuestas[0].Cruces, 11);
}

TEST(DatosBiorritmo, EveryOffsetOfALongNameIsInsideAndBarsAreSmooth)
{
    const auto bytes = Lee("BRMO.DAT");
    ASSERT_FALSE(bytes.empty());
    EXPECT_LE(*std::max_element(bytes.begin(), bytes.end()), 206);
    // "ÿ" is the highest code, 255; 200 of them give the largest offsets.
    std::string nombre;
    for (int i = 0; i < 200; ++i)
        nombre += "ÿ";
    for (int anio = 1998; anio <= 2010; ++anio)
        for (int mes = 1; mes <= 12; ++mes) {
            const TBiorritmo b = DesplazamientosBiorritmo(nombre, mes, anio);
            ASSERT_LT(b.Barras[static_cast<std::size_t>(b.Dias - 1)].Desplazamiento,
                      static_cast<std::int64_t>(bytes.size()))
                << mes << "/" << anio;
        }
    // Cycles, not noise: neighbouring bytes stay close, and the whole range is used.
    int mayorSalto = 0;
    for (std::size_t i = 1; i < bytes.size(); ++i)
        mayorSalto = std::max(mayorSalto, std::abs(int{bytes[i]} - int{bytes[i - 1]}));
    EXPECT_LE(mayorSalto, 60);
    EXPECT_LT(*std::min_element(bytes.begin(), bytes.end()), 30);
    EXPECT_GT(*std::max_element(bytes.begin(), bytes.end()), 176);
}

TEST(DatosSuerte, EveryBirthDateReadsThreeDistinctNumbersFrom1To49)
{
    const auto bytes = Lee("LUCKY.DAT");
    TUsuario u;
    u.Dia = 31;
    u.Mes = 12;
    u.Anio = 9999; // the largest year the four-digit field takes
    ASSERT_GE(static_cast<std::int64_t>(bytes.size()), DesplazamientoSuerte(u) + 3);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        ASSERT_GE(bytes[i], 1) << i;
        ASSERT_LE(bytes[i], 49) << i;
        if (i >= 2)
            ASSERT_TRUE(bytes[i] != bytes[i - 1] && bytes[i] != bytes[i - 2] &&
                        bytes[i - 1] != bytes[i - 2])
                << i;
    }
    const TNumerosSuerte n = CalculaNumerosSuerte(u, kPrograma);
    EXPECT_TRUE(n.Error.empty());
}

} // namespace
} // namespace numbrela
