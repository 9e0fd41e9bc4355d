// Generating a reduced system with fixed numbers: the file holds exactly the ranks the
// position-by-position search keeps, then the header; an interrupted or failed run leaves
// nothing that loads; the result reopens as the same bets.
#include <gtest/gtest.h>

#include <algorithm>

#include "generation/CreaCombFijos.h"
#include "generation/FicheroReduccion.h"
#include "generation/Reducidas.h"
#include "generation/TextosReducidas.h"
#include "model/ConjuntoApuestas.h"
#include "tests/comun/CarpetaTemporal.h"
#include "tests/generation/ReferenciaVoraz.h"

namespace numbrela {
namespace {

using prueba::CarpetaTemporal;
using prueba::LeeBytes;

// A header with `n` chosen numbers 11, 13, 15, ... (odd numbers from 11 while they last,
// then the even ones) and the given fixed numbers, al k.
CabeceraApuestas Cabecera(int n, int k, const std::vector<std::uint8_t>& fijos)
{
    CabeceraApuestas c;
    c.Tipo = 3;
    c.TipoReduccion = static_cast<std::uint8_t>(k - 2);
    c.Nombre = "Mi sistema";
    c.Leyenda = "leyenda anterior";
    c.TotalApuestas = 99;
    c.Sorteo.Numeros = {1, 2, 3, 4, 5, 6};
    c.Sorteo.Complementario = 7;
    std::vector<int> numeros;
    for (int x = 11; x <= 49 && static_cast<int>(numeros.size()) < n; x += 2)
        numeros.push_back(x);
    for (int x = 2; x <= 49 && static_cast<int>(numeros.size()) < n; x += 2)
        numeros.push_back(x);
    std::sort(numeros.begin(), numeros.end());
    for (std::size_t i = 0; i < numeros.size(); ++i) {
        c.Reducidos[numeros[i] - 1] = static_cast<std::uint8_t>(numeros[i]);
        c.ListaReducidos[i] = static_cast<std::uint8_t>(numeros[i]);
    }
    for (std::size_t i = 0; i < fijos.size(); ++i) {
        c.Fijos[fijos[i] - 1] = fijos[i];
        c.ListaFijos[i] = fijos[i];
    }
    c.TotalReducidos = n;
    c.TotalFijos = static_cast<std::int32_t>(fijos.size());
    return c;
}

// The file the planner has always written: the reference's ranks, then the live header
// with an empty name, no draw and the count.
std::vector<std::uint8_t> FicheroDeReferencia(const CabeceraApuestas& c,
                                              const std::vector<std::uint8_t>& fijos)
{
    std::vector<std::uint8_t> posiciones;
    for (std::uint8_t f : fijos)
        for (int j = 0; j < c.TotalReducidos; ++j)
            if (c.ListaReducidos[j] == f)
                posiciones.push_back(static_cast<std::uint8_t>(j + 1));
    const auto rangos =
        referencia::CreaCombFijosLento(c.TotalReducidos, c.TipoReduccion + 2, posiciones);
    auto bytes = prueba::BytesDeRangos(rangos);
    CabeceraApuestas h = c;
    h.Nombre.clear();
    h.Sorteo = TSorteo{};
    h.TotalApuestas = static_cast<std::int32_t>(rangos.size());
    const auto b = EscribeCabecera(h);
    bytes.insert(bytes.end(), b.begin(), b.end());
    return bytes;
}

TEST(CreaCombFijos, ByteIdenticalToTheReferenceForSmallN)
{
    CarpetaTemporal carpeta;
    for (int n = 7; n <= 16; ++n)
        for (int k = 3; k <= 5; ++k) {
            const auto base = Cabecera(n, k, {});
            const std::uint8_t primero = base.ListaReducidos[0];
            const std::uint8_t ultimo = base.ListaReducidos[n - 1];
            const std::uint8_t medio = base.ListaReducidos[n / 2];
            const std::uint8_t otro = base.ListaReducidos[n / 2 + 1];
            const std::vector<std::vector<std::uint8_t>> casos{
                {primero},
                {ultimo},
                {medio},
                {primero, ultimo},
                {medio, otro},
                {primero, medio, ultimo},
                {base.ListaReducidos[n - 3], base.ListaReducidos[n - 2], ultimo}};
            for (const auto& fijos : casos) {
                const auto c = Cabecera(n, k, fijos);
                TGeneracion g;
                if (fijos.size() == 1)
                    g = CreaCombFijos(carpeta.Ruta(), c, fijos[0], nullptr);
                else if (fijos.size() == 2)
                    g = CreaCombFijos2(carpeta.Ruta(), c, fijos[0], fijos[1], nullptr);
                else
                    g = CreaCombFijos3(carpeta.Ruta(), c, fijos[0], fijos[1], fijos[2], nullptr);
                ASSERT_TRUE(g.Hecha) << g.Mensaje;
                ASSERT_EQ(LeeBytes(g.Fichero), FicheroDeReferencia(c, fijos))
                    << "n=" << n << " k=" << k << " " << g.Nombre;
            }
        }
}

TEST(CreaCombFijos, NameMessageAndSize)
{
    CarpetaTemporal carpeta;
    auto c = Cabecera(20, 4, {25, 41});
    int pasos = 0;
    const auto g = CreaCombFijos2(carpeta.Ruta(), c, 25, 41, [&](std::int64_t n) {
        EXPECT_EQ(n, ++pasos);
        return true;
    });
    ASSERT_TRUE(g.Hecha);
    EXPECT_EQ(g.Nombre, "COM20-4-25-41.RLF");
    EXPECT_EQ(pasos, g.Apuestas);
    EXPECT_EQ(g.Mensaje, "Creación de reducida con éxito: Generadas " + std::to_string(g.Apuestas) +
                             " apuestas en archivo COM20-4-25-41.RLF");
    EXPECT_EQ(std::filesystem::file_size(g.Fichero),
              4u * static_cast<std::uint64_t>(g.Apuestas) + 532u);
    EXPECT_FALSE(std::filesystem::exists(carpeta.Ruta() / "COM20-4-25-41.RLF.tmp~"));
}

TEST(CreaCombFijos, SevenNumbersWithOneFixed)
{
    // n = 7, one fixed among the first six chosen: the first bet is rank 1, and it covers
    // every other candidate (any two combinations of 7 share five positions).
    CarpetaTemporal carpeta;
    auto c = Cabecera(7, 5, {13});
    auto g = CreaCombFijos(carpeta.Ruta(), c, 13, nullptr);
    ASSERT_TRUE(g.Hecha);
    EXPECT_EQ(LeeBytes(g.Fichero).size(), 536u);
    EXPECT_EQ(LeeBytes(g.Fichero)[0], 1);
    // Fixed the largest chosen number (position 7): the first rank holding position 7 is 2.
    c = Cabecera(7, 5, {23});
    g = CreaCombFijos(carpeta.Ruta(), c, 23, nullptr);
    ASSERT_TRUE(g.Hecha);
    EXPECT_EQ(LeeBytes(g.Fichero)[0], 2);
}

TEST(CreaCombFijos, InterruptedGenerationLeavesNoFile)
{
    CarpetaTemporal carpeta;
    const auto c = Cabecera(25, 5, {15});
    const auto g = CreaCombFijos(carpeta.Ruta(), c, 15, [](std::int64_t n) { return n < 10; });
    EXPECT_FALSE(g.Hecha);
    EXPECT_FALSE(std::filesystem::exists(g.Fichero));
    EXPECT_TRUE(std::filesystem::is_empty(carpeta.Ruta()));
    EXPECT_NE(g.Mensaje.find("interrumpida"), std::string::npos);
}

TEST(CreaCombFijos, AnInterruptedRunDoesNotTouchAnEarlierFile)
{
    CarpetaTemporal carpeta;
    const auto c = Cabecera(12, 4, {13});
    const auto primera = CreaCombFijos(carpeta.Ruta(), c, 13, nullptr);
    ASSERT_TRUE(primera.Hecha);
    const auto antes = LeeBytes(primera.Fichero);
    const auto g = CreaCombFijos(carpeta.Ruta(), c, 13, [](std::int64_t) { return false; });
    EXPECT_FALSE(g.Hecha);
    EXPECT_EQ(LeeBytes(primera.Fichero), antes);
}

TEST(CreaCombFijos, UnwritableFolderAndBadArguments)
{
    auto c = Cabecera(12, 4, {13});
    auto g = CreaCombFijos("/nonexistent-folder/x", c, 13, nullptr);
    EXPECT_FALSE(g.Hecha);
    EXPECT_EQ(g.Mensaje, "Error creando el archivo COM12-4-13.RLF");
    CarpetaTemporal carpeta;
    g = CreaCombFijos(carpeta.Ruta(), c, 14, nullptr); // 14 is not among the chosen
    EXPECT_FALSE(g.Hecha);
    EXPECT_EQ(g.Mensaje, "Error creando el archivo COM12-4-14.RLF");
    EXPECT_TRUE(std::filesystem::is_empty(carpeta.Ruta()));
}

TEST(CreaCombFijos, GeneratedFileReopensAsTheSameBets)
{
    CarpetaTemporal carpeta;
    TReducidas motor(carpeta.Ruta());
    TConjuntoApuestas conjunto(&motor);
    conjunto.Cabecera = Cabecera(14, 4, {15, 21});
    std::string mensaje, error;
    ASSERT_TRUE(GeneraYAbreConFijos(motor, conjunto, nullptr, mensaje, error)) << error;
    const auto bytes = LeeBytes(carpeta.Ruta() / "COM14-4-15-21.RLF");
    const std::size_t n = (bytes.size() - 532) / 4;
    ASSERT_EQ(conjunto.BufferRangos.size(), n);
    for (std::size_t i = 0; i < n; ++i)
        EXPECT_EQ(conjunto.BufferRangos[i],
                  bytes[4 * i] | bytes[4 * i + 1] << 8 | bytes[4 * i + 2] << 16);
    // The trailing header has an empty name; everything else is the live header.
    EXPECT_EQ(conjunto.Cabecera.Nombre, "");
    EXPECT_FALSE(conjunto.Cabecera.Sorteo.HaySorteo());
    EXPECT_EQ(conjunto.Cabecera.TotalApuestas, static_cast<std::int32_t>(n));
    // Every bet holds both fixed numbers.
    for (const TApuestas& a : conjunto.Apuestas) {
        EXPECT_TRUE(a.Marcado(15));
        EXPECT_TRUE(a.Marcado(21));
    }
}

TEST(CreaCombFijos, DialogueTexts)
{
    const auto uno = TextosInformacion(1, 34, 4, "COM34-4-25-41.RLF");
    ASSERT_EQ(uno.size(), 11u);
    EXPECT_EQ(uno[0], "Atención lea detenidamente estas instrucciones");
    EXPECT_EQ(uno[1], std::string(75, '-'));
    const auto dos = TextosInformacion(2, 34, 4, "COM34-4-25-41.RLF");
    EXPECT_EQ(dos[dos.size() - 2],
              "La reducción con números fijos que va a realizar es de 34 números al 4");
    EXPECT_EQ(dos.back(), "Se guardará en el archivo:COM34-4-25-41.RLF");
    const std::uint8_t f[] = {25, 41};
    const auto p = TextosProgreso(34, f, "COM34-4-25-41.RLF");
    EXPECT_EQ(p.Fijos, "Número(s) Fijo(s):25-41");
    EXPECT_EQ(p.Numeros, "Números reducidos: 34");
}

} // namespace
} // namespace numbrela
