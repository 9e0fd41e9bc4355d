// The reduction readers over a file and over the same bytes in memory: each input gives
// the same verdict both ways, worked out by hand from the files' layout.
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "generation/FicheroReduccion.h"
#include "tests/comun/CarpetaTemporal.h"

namespace numbrela {
namespace {

std::vector<std::uint8_t> Rangos(std::initializer_list<std::uint32_t> rangos)
{
    std::vector<std::uint8_t> b;
    for (std::uint32_t r : rangos)
        for (int k = 0; k < 4; ++k)
            b.push_back(static_cast<std::uint8_t>(r >> (8 * k)));
    return b;
}

// Seven chosen numbers 2..8 with 5 fixed, al CUATRO: C(7, 6) = 7 ranks at most.
std::vector<std::uint8_t> FicheroRlf(std::vector<std::uint8_t> rangos, int fijoExtra = 0)
{
    CabeceraApuestas c;
    c.Tipo = static_cast<std::uint8_t>(TipoApuesta::Reducida);
    c.TipoReduccion = 2;
    c.TotalReducidos = 7;
    for (int i = 0; i < 7; ++i) {
        c.Reducidos[i + 1] = static_cast<std::uint8_t>(i + 2);
        c.ListaReducidos[i] = static_cast<std::uint8_t>(i + 2);
    }
    c.TotalFijos = fijoExtra ? 2 : 1;
    c.Fijos[4] = 5;
    c.ListaFijos[0] = 5;
    if (fijoExtra) { // a fixed number that is not among the chosen ones
        c.Fijos[fijoExtra - 1] = static_cast<std::uint8_t>(fijoExtra);
        c.ListaFijos[1] = static_cast<std::uint8_t>(fijoExtra);
    }
    const auto cab = EscribeCabecera(c);
    rangos.insert(rangos.end(), cab.begin(), cab.end());
    return rangos;
}

struct Caso {
    const char* que;
    std::vector<std::uint8_t> bytes;
    int n; // 0: read as ".RLF"
    TFalloLectura esperado;
    std::size_t apuestas;
};

TEST(LecturaReduccion, FileAndMemoryGiveTheSameVerdict)
{
    const std::vector<Caso> casos = {
        {"one rank", Rangos({1}), 7, TFalloLectura::Ninguno, 1},
        {"every rank of n = 7", Rangos({1, 2, 3, 4, 5, 6, 7}), 7, TFalloLectura::Ninguno, 7},
        {"empty", {}, 7, TFalloLectura::Ilegible, 0},
        {"a rank cut short", {1, 0, 0}, 7, TFalloLectura::Ilegible, 0},
        {"rank zero", Rangos({1, 0}), 7, TFalloLectura::Ilegible, 0},
        {"rank past C(7, 6)", Rangos({8}), 7, TFalloLectura::Ilegible, 0},
        {"more ranks than combinations", Rangos({1, 1, 1, 1, 1, 1, 1, 1}), 7,
         TFalloLectura::Ilegible, 0},
        {"n below seven", Rangos({1}), 6, TFalloLectura::Ilegible, 0},
        {"n of 49, its last rank", Rangos({13983816}), 49, TFalloLectura::Ninguno, 1},
        {"fixed-number file", FicheroRlf(Rangos({1, 7})), 0, TFalloLectura::Ninguno, 2},
        {"header alone", FicheroRlf({}), 0, TFalloLectura::Ilegible, 0},
        {"header behind a cut rank", FicheroRlf({1, 0}), 0, TFalloLectura::Ilegible, 0},
        {"rank past the header's n", FicheroRlf(Rangos({8})), 0, TFalloLectura::Ilegible, 0},
        {"fixed number not chosen", FicheroRlf(Rangos({1}), 20), 0, TFalloLectura::Ilegible, 0},
    };
    prueba::CarpetaTemporal carpeta;
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.que);
        carpeta.Escribe("f", c.bytes);
        const std::string_view bytes(reinterpret_cast<const char*>(c.bytes.data()), c.bytes.size());
        TReduccionLeida deFichero, deMemoria;
        const auto f = c.n ? LeeRlv(carpeta.Ruta() / "f", c.n, deFichero)
                           : LeeRlf(carpeta.Ruta() / "f", deFichero);
        const auto m = c.n ? LeeRlvBytes(bytes, c.n, deMemoria) : LeeRlfBytes(bytes, deMemoria);
        EXPECT_EQ(f, c.esperado);
        EXPECT_EQ(m, c.esperado);
        if (c.esperado == TFalloLectura::Ninguno) {
            EXPECT_EQ(deFichero.Rangos.size(), c.apuestas);
            EXPECT_EQ(deMemoria.Rangos, deFichero.Rangos);
            EXPECT_EQ(deMemoria.Cabecera.ListaReducidos, deFichero.Cabecera.ListaReducidos);
        }
    }
    TReduccionLeida nada;
    EXPECT_EQ(LeeRlv(carpeta.Ruta() / "no-existe", 7, nada), TFalloLectura::NoExiste);
}

} // namespace
} // namespace numbrela
