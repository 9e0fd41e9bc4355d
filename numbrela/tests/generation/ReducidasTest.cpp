// Loading reduced systems into the bet set: the delivered ".RLV" files, ".RLF" files with
// their trailing header, and every damaged or disagreeing file refused with the read
// message while the previous system stays.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <chrono>

#include "generation/FicheroReduccion.h"
#include "generation/Reducidas.h"
#include "tests/comun/CarpetaTemporal.h"

namespace numbrela {
namespace {

using prueba::BytesDeRangos;
using prueba::CarpetaTemporal;
using prueba::EscribeBytes;

// Chooses `numeros` (and fixed ones) in the header, as the numbers dialog leaves it.
void Elige(CabeceraApuestas& c, std::vector<int> numeros, int tipoReduccion,
           std::vector<int> fijos = {})
{
    c.Tipo = static_cast<std::uint8_t>(TipoApuesta::Reducida);
    c.TipoReduccion = static_cast<std::uint8_t>(tipoReduccion);
    c.Reducidos.fill(0);
    c.Fijos.fill(0);
    c.ListaReducidos.fill(0);
    c.ListaFijos.fill(0);
    std::sort(numeros.begin(), numeros.end());
    for (std::size_t i = 0; i < numeros.size(); ++i) {
        c.Reducidos[numeros[i] - 1] = static_cast<std::uint8_t>(numeros[i]);
        c.ListaReducidos[i] = static_cast<std::uint8_t>(numeros[i]);
    }
    for (std::size_t i = 0; i < fijos.size(); ++i) {
        c.Fijos[fijos[i] - 1] = static_cast<std::uint8_t>(fijos[i]);
        c.ListaFijos[i] = static_cast<std::uint8_t>(fijos[i]);
    }
    c.TotalReducidos = static_cast<std::int32_t>(numeros.size());
    c.TotalFijos = static_cast<std::int32_t>(fijos.size());
}

std::vector<int> Primeros(int n, int desde = 1)
{
    std::vector<int> v;
    for (int i = 0; i < n; ++i)
        v.push_back(desde + i);
    return v;
}

std::vector<int> Marcados(const TApuestas& a)
{
    std::vector<int> v;
    for (int i = 1; i <= kNumeros; ++i)
        if (a.Marcas[i] != 0)
            v.push_back(i);
    return v;
}

TEST(Reducidas, NineNumbersAlCuatroLoadsThreeBetsThatKeepTheGuarantee)
{
    TReducidas motor(TEST_PROGRAM_DIR);
    TConjuntoApuestas conjunto(&motor);
    const std::vector<int> numeros{2, 7, 11, 19, 23, 30, 36, 42, 49};
    Elige(conjunto.Cabecera, numeros, 2);
    std::string error;
    TTextosConjunto textos;
    ASSERT_TRUE(conjunto.CambioGlobal(error, textos)) << error;
    EXPECT_EQ(conjunto.TotalApuestas(), 3);
    EXPECT_EQ(conjunto.BufferRangos.size(), 3u);
    EXPECT_EQ(conjunto.AciertosReducida, std::vector<std::uint8_t>(3, 0));
    ASSERT_EQ(conjunto.Apuestas.size(), 3u);
    EXPECT_EQ(textos.Leyenda,
              "Tipo de apuesta: Reducida de 9 números, al CUATRO, sin números fijo. Apuestas: 3");
    // Every six of the nine chosen numbers share four with one of the three bets.
    std::vector<std::uint64_t> bets;
    for (const TApuestas& a : conjunto.Apuestas) {
        const auto m = Marcados(a);
        ASSERT_EQ(m.size(), 6u);
        std::uint64_t b = 0;
        for (int x : m) {
            ASSERT_NE(std::find(numeros.begin(), numeros.end(), x), numeros.end());
            b |= std::uint64_t{1} << x;
        }
        bets.push_back(b);
    }
    for (unsigned s = 0; s < 512; ++s) {
        if (std::popcount(s) != 6)
            continue;
        std::uint64_t m = 0;
        for (int i = 0; i < 9; ++i)
            if (s >> i & 1)
                m |= std::uint64_t{1} << numeros[i];
        EXPECT_TRUE(std::any_of(bets.begin(), bets.end(),
                                [&](std::uint64_t b) { return std::popcount(b & m) >= 4; }));
    }
}

TEST(Reducidas, TenNumbersAlCuatroGivesTheLegendOfTheExample)
{
    TReducidas motor(TEST_PROGRAM_DIR);
    TConjuntoApuestas conjunto(&motor);
    Elige(conjunto.Cabecera, Primeros(10, 20), 2);
    std::string error;
    TTextosConjunto textos;
    ASSERT_TRUE(conjunto.CambioGlobal(error, textos)) << error;
    EXPECT_EQ(textos.Leyenda,
              "Tipo de apuesta: Reducida de 10 números, al CUATRO, sin números fijo. Apuestas: 5");
    EXPECT_EQ(textos.Contador, "Boleto 1 de 1");
}

TEST(Reducidas, FortyNineAlCincoKeepsOnlyRanksAndEightBets)
{
    TReducidas motor(TEST_PROGRAM_DIR);
    TConjuntoApuestas conjunto(&motor);
    Elige(conjunto.Cabecera, Primeros(49), 3);
    std::string error;
    TTextosConjunto textos;
    ASSERT_TRUE(conjunto.CambioGlobal(error, textos)) << error;
    EXPECT_EQ(conjunto.TotalApuestas(), 285397);
    EXPECT_EQ(conjunto.AciertosReducida.size(), 285397u);
    EXPECT_EQ(conjunto.Apuestas.size(), 8u);
    EXPECT_EQ(conjunto.Cabecera.UltimoBoleto, 35674); // 285397 = 8 * 35674 + 5
    EXPECT_EQ(conjunto.ApuestasUltimoBoleto, 5);
}

TEST(Reducidas, AveriguaEnDisco2FindsOnlyDeliveredFiles)
{
    TReducidas motor(TEST_PROGRAM_DIR);
    CabeceraApuestas c;
    Elige(c, Primeros(30), 3);
    EXPECT_TRUE(motor.AveriguaEnDisco2(c));
    c.TipoReduccion = 4; // "al 6" names COM30-6.RLV, which is not delivered
    EXPECT_FALSE(motor.AveriguaEnDisco2(c));
    c.TipoReduccion = 0;
    EXPECT_FALSE(motor.AveriguaEnDisco2(c));
    TReducidas vacio("/nonexistent-folder");
    c.TipoReduccion = 1;
    EXPECT_FALSE(vacio.AveriguaEnDisco2(c));
}

TEST(Reducidas, MissingRlvHasItsOwnMessage)
{
    CarpetaTemporal carpeta;
    TReducidas motor(carpeta.Ruta());
    TConjuntoApuestas conjunto(&motor);
    Elige(conjunto.Cabecera, Primeros(12), 1);
    std::string error;
    EXPECT_FALSE(motor.PrimitivaReducida(conjunto, error));
    EXPECT_EQ(error,
              "La reducción de 12 números al TRES no está disponible: falta el archivo COM12-3.RLV "
              "en la carpeta del programa");
}

// A ".RLF" for 7 numbers 3..9 al CINCO with 5 fixed, holding ranks 1 and 7.
struct Rlf {
    CabeceraApuestas cabecera;
    std::vector<std::uint32_t> rangos{1, 7};
    Rlf()
    {
        Elige(cabecera, Primeros(7, 3), 3, {5});
        cabecera.Nombre = "Guardada";
        cabecera.TotalApuestas = 2;
        cabecera.Leyenda = "otra";
        cabecera.Juego = 2;
    }
    std::vector<std::uint8_t> Bytes() const
    {
        auto b = BytesDeRangos(rangos);
        const auto h = EscribeCabecera(cabecera);
        b.insert(b.end(), h.begin(), h.end());
        return b;
    }
};

TEST(Reducidas, RlfOf532PlusFourNBytesGivesNBetsAndReplacesTheHeader)
{
    CarpetaTemporal carpeta;
    Rlf rlf;
    const auto fichero = carpeta.Ruta() / "COM7-5-5.RLF";
    EscribeBytes(fichero, rlf.Bytes());
    ASSERT_EQ(std::filesystem::file_size(fichero), 532u + 4 * 2);

    TReducidas motor(carpeta.Ruta());
    TConjuntoApuestas conjunto(&motor);
    conjunto.Cabecera.Juego = 1;
    std::string error;
    ASSERT_TRUE(motor.AbreConFijo(conjunto, fichero, error)) << error;
    EXPECT_EQ(conjunto.BufferRangos, (std::vector<std::uint32_t>{1, 7}));
    EXPECT_EQ(conjunto.TotalApuestas(), 2);
    EXPECT_EQ(conjunto.Cabecera.Nombre, "Guardada");
    EXPECT_EQ(conjunto.Cabecera.TotalReducidos, 7);
    EXPECT_EQ(conjunto.Cabecera.ListaFijos[0], 5);
    EXPECT_EQ(conjunto.Cabecera.Juego, 1); // the game stays the player's
    ASSERT_EQ(conjunto.Apuestas.size(), 2u);
    // Rank 1 = positions 1..6 = numbers 3..8; rank 7 = positions 2..7 = numbers 4..9.
    EXPECT_EQ(Marcados(conjunto.Apuestas[0]), (std::vector<int>{3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(Marcados(conjunto.Apuestas[1]), (std::vector<int>{4, 5, 6, 7, 8, 9}));
}

TEST(Reducidas, RlfIsFoundByTheSetsParameters)
{
    CarpetaTemporal carpeta;
    Rlf rlf;
    EscribeBytes(carpeta.Ruta() / "COM7-5-5.RLF", rlf.Bytes());
    TReducidas motor(carpeta.Ruta());
    TConjuntoApuestas conjunto(&motor);
    Elige(conjunto.Cabecera, Primeros(7, 3), 3, {5});
    std::string error;
    TTextosConjunto textos;
    ASSERT_TRUE(conjunto.CambioGlobal(error, textos)) << error;
    EXPECT_EQ(textos.Leyenda,
              "Tipo de apuesta: Reducida de 7 números, al CINCO, Números fijos: -5. Apuestas: 2");
}

TEST(Reducidas, StoredRlfForOtherNumbersServesWhenTheFixedKeepTheirPlace)
{
    // The stored file chose 3..9 with 5 fixed (position 3). Choosing 20, 21, 5, 30, 31,
    // 32, 33 puts 5 first: another place, so the file does not fit and the dialogue is
    // asked for. Choosing 1, 2, 5, 30..33 keeps 5 third: the ranks fit, the numbers stay.
    CarpetaTemporal carpeta;
    Rlf rlf;
    EscribeBytes(carpeta.Ruta() / "COM7-5-5.RLF", rlf.Bytes());
    TReducidas motor(carpeta.Ruta());
    int llamadas = 0;
    motor.SinFicheroConFijos = [&](TConjuntoApuestas&, std::string&) {
        ++llamadas;
        return false;
    };
    TConjuntoApuestas conjunto(&motor);
    Elige(conjunto.Cabecera, {20, 21, 5, 30, 31, 32, 33}, 3, {5});
    std::string error;
    EXPECT_FALSE(motor.PrimitivaReducida(conjunto, error));
    EXPECT_EQ(llamadas, 1);

    Elige(conjunto.Cabecera, {1, 2, 5, 30, 31, 32, 33}, 3, {5});
    conjunto.Cabecera.Nombre = "Sin Nombre";
    ASSERT_TRUE(motor.PrimitivaReducida(conjunto, error)) << error;
    EXPECT_EQ(llamadas, 1);
    EXPECT_EQ(conjunto.BufferRangos, (std::vector<std::uint32_t>{1, 7}));
    EXPECT_EQ(conjunto.Cabecera.ListaReducidos[0], 1);
    EXPECT_EQ(conjunto.Cabecera.Nombre, "Sin Nombre");
    EXPECT_EQ(Marcados(conjunto.Apuestas[0]), (std::vector<int>{1, 2, 5, 30, 31, 32}));
    EXPECT_EQ(Marcados(conjunto.Apuestas[1]), (std::vector<int>{2, 5, 30, 31, 32, 33}));
}

TEST(Reducidas, MissingRlfGoesToTheDialogue)
{
    CarpetaTemporal carpeta;
    TReducidas motor(carpeta.Ruta());
    TConjuntoApuestas conjunto(&motor);
    Elige(conjunto.Cabecera, Primeros(10), 2, {4});
    std::string error;
    EXPECT_FALSE(motor.PrimitivaReducida(conjunto, error));
    EXPECT_EQ(error, kErrorLectura);
    int llamadas = 0;
    motor.SinFicheroConFijos = [&](TConjuntoApuestas&, std::string& e) {
        ++llamadas;
        e = "cancelada";
        return false;
    };
    EXPECT_FALSE(motor.PrimitivaReducida(conjunto, error));
    EXPECT_EQ(llamadas, 1);
    EXPECT_EQ(error, "cancelada");
}

// Every bad file: the load fails with the read message and the loaded system is kept.
struct FicheroMalo {
    const char* que;
    std::string nombre;
    std::vector<std::uint8_t> bytes;
    bool conFijos;
};

std::vector<FicheroMalo> FicherosMalos()
{
    std::vector<FicheroMalo> v;
    auto rlv = [](std::vector<std::uint32_t> r) { return BytesDeRangos(r); };
    v.push_back({"size not a whole number of ranks", "COM10-4.RLV", {1, 0, 0, 0, 2, 0, 0}, false});
    v.push_back({"empty", "COM10-4.RLV", {}, false});
    v.push_back({"rank 0", "COM10-4.RLV", rlv({5, 0, 7}), false});
    v.push_back({"rank above C(10,6)", "COM10-4.RLV", rlv({5, 211}), false});
    v.push_back({"more ranks than combinations", "COM10-4.RLV",
                 rlv(std::vector<std::uint32_t>(211, 1)), false});
    auto rlf = [](auto cambia) {
        Rlf r;
        cambia(r);
        return r.Bytes();
    };
    v.push_back({"rlf shorter than 532", "COM7-5-5.RLF", std::vector<std::uint8_t>(531, 0), true});
    v.push_back(
        {"rlf of only a header", "COM7-5-5.RLF", rlf([](Rlf& r) { r.rangos.clear(); }), true});
    auto corto = rlf([](Rlf&) {});
    corto.erase(corto.begin());
    v.push_back({"rlf with a partial rank", "COM7-5-5.RLF", corto, true});
    v.push_back({"rlf rank above C(7,6)", "COM7-5-5.RLF", rlf([](Rlf& r) {
                     r.rangos = {1, 8};
                 }),
                 true});
    v.push_back({"header n against the name", "COM7-5-5.RLF",
                 rlf([](Rlf& r) { Elige(r.cabecera, Primeros(8, 3), 3, {5}); }), true});
    v.push_back({"header kind against the name", "COM7-5-5.RLF",
                 rlf([](Rlf& r) { r.cabecera.TipoReduccion = 2; }), true});
    v.push_back({"header fixed against the name", "COM7-5-5.RLF",
                 rlf([](Rlf& r) { Elige(r.cabecera, Primeros(7, 3), 3, {6}); }), true});
    v.push_back({"header count against its flags", "COM7-5-5.RLF",
                 rlf([](Rlf& r) { r.cabecera.TotalReducidos = 8; }), true});
    v.push_back({"header fixed not chosen", "COM7-5-5.RLF", rlf([](Rlf& r) {
                     r.cabecera.Fijos.fill(0);
                     r.cabecera.Fijos[19] = 20;
                     r.cabecera.ListaFijos[0] = 20;
                 }),
                 true});
    v.push_back({"header list against its flags", "COM7-5-5.RLF",
                 rlf([](Rlf& r) { r.cabecera.ListaReducidos[1] = 40; }), true});
    v.push_back({"header n outside 7..49", "COM7-5-5.RLF",
                 rlf([](Rlf& r) { Elige(r.cabecera, Primeros(6, 3), 3, {5}); }), true});
    v.push_back({"header not a reduced set", "COM7-5-5.RLF",
                 rlf([](Rlf& r) { r.cabecera.Tipo = 1; }), true});
    return v;
}

TEST(Reducidas, BadFilesFailAndKeepThePreviousSystem)
{
    for (const FicheroMalo& m : FicherosMalos()) {
        SCOPED_TRACE(m.que);
        CarpetaTemporal carpeta;
        std::filesystem::copy_file(std::filesystem::path(TEST_PROGRAM_DIR) / "COM9-4.RLV",
                                   carpeta.Ruta() / "COM9-4.RLV");
        EscribeBytes(carpeta.Ruta() / m.nombre, m.bytes);
        TReducidas motor(carpeta.Ruta());
        TConjuntoApuestas conjunto(&motor);
        Elige(conjunto.Cabecera, Primeros(9, 10), 2);
        std::string error;
        TTextosConjunto textos;
        ASSERT_TRUE(conjunto.CambioGlobal(error, textos)) << error;
        const auto antes = conjunto.BufferRangos;
        const auto cabeceraAntes = EscribeCabecera(conjunto.Cabecera);

        CabeceraApuestas pedida = conjunto.Cabecera;
        if (m.conFijos)
            Elige(pedida, Primeros(7, 3), 3, {5});
        else
            Elige(pedida, Primeros(10, 10), 2);
        if (m.conFijos) {
            EXPECT_FALSE(motor.AbreConFijo(conjunto, carpeta.Ruta() / m.nombre, error));
        } else {
            CabeceraApuestas guardada = conjunto.Cabecera;
            conjunto.Cabecera = pedida;
            EXPECT_FALSE(motor.AveriguaEnDisco(conjunto, error));
            conjunto.Cabecera = guardada;
        }
        EXPECT_EQ(error, kErrorLectura);
        EXPECT_EQ(conjunto.BufferRangos, antes);
        EXPECT_EQ(EscribeCabecera(conjunto.Cabecera), cabeceraAntes);
    }
}

TEST(Reducidas, NOutsideSevenToFortyNineIsARefusedLoad)
{
    TReducidas motor(TEST_PROGRAM_DIR);
    TConjuntoApuestas conjunto(&motor);
    for (int n : {0, 6, 50, -3}) {
        Elige(conjunto.Cabecera, Primeros(9), 2);
        conjunto.Cabecera.TotalReducidos = n;
        std::string error;
        EXPECT_FALSE(motor.PrimitivaReducida(conjunto, error)) << n;
        EXPECT_EQ(error, kErrorLectura);
        EXPECT_TRUE(conjunto.BufferRangos.empty());
    }
}

TEST(Reducidas, ReadsTheNameOfAnRlf)
{
    int n = 0, k = 0;
    std::vector<std::uint8_t> f;
    ASSERT_TRUE(AnalizaNombreRlf("/x/COM34-4-25-41.RLF", n, k, f));
    EXPECT_EQ(n, 34);
    EXPECT_EQ(k, 4);
    EXPECT_EQ(f, (std::vector<std::uint8_t>{25, 41}));
    ASSERT_TRUE(AnalizaNombreRlf("com10-5-1-2-3.rlf", n, k, f));
    EXPECT_EQ(f.size(), 3u);
    for (const char* malo : {"COM34-4.RLF", "COM34-4-1-2-3-4.RLF", "COM34--4-1.RLF", "mia.rlf",
                             "COM34-4-25.RLV", "COM3x-4-2.RLF", "COM100-4-2.RLF"})
        EXPECT_FALSE(AnalizaNombreRlf(malo, n, k, f)) << malo;
}

TEST(Reducidas, RenamedRlfStillOpensByItsHeader)
{
    CarpetaTemporal carpeta;
    Rlf rlf;
    EscribeBytes(carpeta.Ruta() / "mi sistema.rlf", rlf.Bytes());
    TReducidas motor(carpeta.Ruta());
    TConjuntoApuestas conjunto(&motor);
    std::string error;
    EXPECT_TRUE(motor.AbreConFijo(conjunto, carpeta.Ruta() / "mi sistema.rlf", error)) << error;
    EXPECT_EQ(conjunto.TotalApuestas(), 2);
}

} // namespace
} // namespace numbrela
