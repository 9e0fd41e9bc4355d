#include <gtest/gtest.h>

#include "model/CabeceraApuestas.h"

using namespace numbrela;

namespace {

std::uint32_t Entero(const std::array<std::uint8_t, kTamCabecera>& b, std::size_t off)
{
    return b[off] | b[off + 1] << 8 | b[off + 2] << 16 |
           static_cast<std::uint32_t>(b[off + 3]) << 24;
}

CabeceraApuestas CabeceraLlena()
{
    CabeceraApuestas c;
    c.Nombre = "Peña";
    c.Tipo = 3;
    c.TipoReduccion = 2;
    c.TotalReducidos = 10;
    c.TotalFijos = 2;
    for (int n : {3, 7, 11, 12, 25, 30, 33, 41, 44, 49})
        c.Reducidos[n - 1] = static_cast<std::uint8_t>(n);
    c.Fijos[24] = 25;
    c.Fijos[40] = 41;
    const std::uint8_t lista[] = {3, 7, 11, 12, 25, 30, 33, 41, 44, 49};
    std::copy(std::begin(lista), std::end(lista), c.ListaReducidos.begin());
    c.ListaFijos[0] = 25;
    c.ListaFijos[1] = 41;
    c.TotalApuestas = 0x01020304;
    c.UltimoBoleto = 0x00204060;
    c.CodigoMultiple = 6;
    c.Sorteo.Numeros = {1, 3, 7, 12, 30, 45};
    c.Sorteo.Complementario = 9;
    c.Leyenda = "Leyenda";
    c.Juego = 2;
    return c;
}

} // namespace

TEST(CabeceraApuestas, EveryFieldSitsAtItsOffset)
{
    const auto b = EscribeCabecera(CabeceraLlena());
    ASSERT_EQ(b.size(), 532u);
    // Nombre: length 4, then "Peña" in Windows-1252 (ñ = 0xF1).
    EXPECT_EQ(b[0], 4);
    EXPECT_EQ(b[1], 'P');
    EXPECT_EQ(b[2], 'e');
    EXPECT_EQ(b[3], 0xF1);
    EXPECT_EQ(b[4], 'a');
    EXPECT_EQ(b[5], 0);
    EXPECT_EQ(b[101], 3); // Tipo
    EXPECT_EQ(b[102], 2); // TipoReduccion
    EXPECT_EQ(b[103], 0); // reserved
    EXPECT_EQ(Entero(b, 104), 10u);
    EXPECT_EQ(Entero(b, 108), 2u);
    EXPECT_EQ(b[112 + 2], 3); // Reducidos: number 3 at byte 2
    EXPECT_EQ(b[112 + 48], 49);
    EXPECT_EQ(b[112 + 3], 0);
    EXPECT_EQ(b[161 + 24], 25); // Fijos
    EXPECT_EQ(b[161 + 40], 41);
    EXPECT_EQ(b[210], 3); // ListaReducidos
    EXPECT_EQ(b[219], 49);
    EXPECT_EQ(b[220], 0);
    EXPECT_EQ(b[259], 25); // ListaFijos
    EXPECT_EQ(b[260], 41);
    // TotalApuestas 0x01020304 little-endian.
    EXPECT_EQ(b[308], 0x04);
    EXPECT_EQ(b[309], 0x03);
    EXPECT_EQ(b[310], 0x02);
    EXPECT_EQ(b[311], 0x01);
    EXPECT_EQ(b[312], 0x60);
    EXPECT_EQ(b[313], 0x40);
    EXPECT_EQ(b[314], 0x20);
    EXPECT_EQ(b[315], 0x00);
    for (std::size_t i = 316; i < 320; ++i)
        EXPECT_EQ(b[i], 0) << i;
    EXPECT_EQ(b[320], 6); // CodigoMultiple
    const std::uint8_t sorteo[] = {1, 3, 7, 12, 30, 45, 9};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(b[321 + i], sorteo[i]);
    EXPECT_EQ(b[328], 7); // Leyenda length
    EXPECT_EQ(b[329], 'L');
    EXPECT_EQ(b[335], 'a');
    EXPECT_EQ(b[529], 2); // Juego
    EXPECT_EQ(b[530], 0);
    EXPECT_EQ(b[531], 0);
}

TEST(CabeceraApuestas, ReadsBackWhatItWrote)
{
    const CabeceraApuestas c = CabeceraLlena();
    const auto b = EscribeCabecera(c);
    const CabeceraApuestas r = LeeCabecera(b);
    EXPECT_EQ(r.Nombre, "Peña");
    EXPECT_EQ(r.Tipo, 3);
    EXPECT_EQ(r.TotalApuestas, 0x01020304);
    EXPECT_EQ(r.UltimoBoleto, 0x00204060);
    EXPECT_EQ(r.Reducidos, c.Reducidos);
    EXPECT_EQ(r.ListaFijos, c.ListaFijos);
    EXPECT_EQ(r.Sorteo.Numeros, c.Sorteo.Numeros);
    EXPECT_EQ(r.Sorteo.Complementario, 9);
    EXPECT_EQ(r.Leyenda, "Leyenda");
    EXPECT_EQ(r.Juego, 2);
}

TEST(CabeceraApuestas, AccentedNameRoundTripsThroughWindows1252)
{
    CabeceraApuestas c;
    c.Nombre = "Quiniela de Begoña: «€ y Ü»";
    const auto b = EscribeCabecera(c);
    EXPECT_EQ(b[0], 27); // one byte a character
    EXPECT_EQ(LeeCabecera(b).Nombre, c.Nombre);
}

TEST(CabeceraApuestas, LongTextsAreStoredCut)
{
    CabeceraApuestas c;
    c.Nombre = std::string(99, 'a') + "ñÑÑ"; // 102 characters, 105 UTF-8 bytes
    c.Leyenda = std::string(250, 'x');
    const auto b = EscribeCabecera(c);
    EXPECT_EQ(b[0], 100);
    EXPECT_EQ(b[100], 0xF1); // the 100th character is the ñ
    EXPECT_EQ(b[101], 0);    // Tipo untouched by the name
    EXPECT_EQ(b[328], 200);
    EXPECT_EQ(b[528], 'x');
    EXPECT_EQ(b[529], 0); // Juego untouched by the legend
    const CabeceraApuestas r = LeeCabecera(b);
    EXPECT_EQ(r.Nombre, std::string(99, 'a') + "ñ");
    EXPECT_EQ(r.Leyenda.size(), 200u);
}

TEST(CabeceraApuestas, DamagedLengthBytesStayInsideTheirField)
{
    std::array<std::uint8_t, kTamCabecera> b{};
    b[0] = 255; // a name longer than its field
    b[1] = 'Z';
    b[101] = 1;
    b[328] = 255; // a legend longer than its field
    const CabeceraApuestas r = LeeCabecera(b);
    EXPECT_EQ(r.Nombre.size(), 100u); // 'Z' and 99 zero bytes, never Tipo
    EXPECT_EQ(r.Nombre[0], 'Z');
    EXPECT_EQ(r.Leyenda.size(), 200u);
    EXPECT_EQ(r.Tipo, 1);
}
