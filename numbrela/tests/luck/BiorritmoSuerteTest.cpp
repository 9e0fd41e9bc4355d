// The biorhythm offsets and bars, and the lucky numbers with their countdown.
#include "../comun/CarpetaTemporal.h"
#include "luck/Biorritmo.h"
#include "luck/NumerosSuerte.h"

namespace numbrela {
namespace {

using prueba::CarpetaTemporal;

TSesionSuerte ConUsuario(const std::string& nombre, int dia = 1, int mes = 1, int anio = 1980)
{
    TSesionSuerte s;
    s.UsuarioActual.NombreCompleto = nombre;
    s.UsuarioActual.Dia = static_cast<std::uint8_t>(dia);
    s.UsuarioActual.Mes = static_cast<std::uint8_t>(mes);
    s.UsuarioActual.Anio = anio;
    s.UsuarioEstablecido = true;
    return s;
}

// A data file whose byte at offset i is i mod 251, so a height names its offset.
std::vector<std::uint8_t> Rampa(std::size_t tam)
{
    std::vector<std::uint8_t> v(tam);
    for (std::size_t i = 0; i < tam; ++i)
        v[i] = static_cast<std::uint8_t>(i % 251);
    return v;
}

TEST(Calendario, MonthLengthsAndProbeDates)
{
    EXPECT_EQ(DiasDelMes(2, 1999), 28);
    EXPECT_EQ(DiasDelMes(2, 2000), 29); // divisible by 400
    EXPECT_EQ(DiasDelMes(2, 1900), 28); // divisible by 100 only
    EXPECT_EQ(DiasDelMes(2, 2004), 29);
    EXPECT_EQ(DiasDelMes(4, 2004), 30);
    EXPECT_EQ(DiasDelMes(12, 2004), 31);
    const TFecha feb99 = FechaSonda(2, 1999);
    EXPECT_EQ(feb99.Dia, 1);
    EXPECT_EQ(feb99.Mes, 3);
    const TFecha feb00 = FechaSonda(2, 2000);
    EXPECT_EQ(feb00.Dia, 29);
    EXPECT_EQ(feb00.Mes, 2);
    EXPECT_EQ(FechaSonda(4, 2001).Dia, 30);
}

TEST(Biorritmo, AnaInMarch1999ReadsOffsets4310To4400)
{
    const TBiorritmo b = DesplazamientosBiorritmo("Ana", 3, 1999);
    EXPECT_EQ(b.Dias, 31);
    EXPECT_EQ(b.Base, 4307);
    EXPECT_EQ(b.Barras[0].Desplazamiento, 4310);
    EXPECT_EQ(b.Barras[1].Desplazamiento, 4313);
    EXPECT_EQ(b.Barras[30].Desplazamiento, 4400);
}

TEST(Biorritmo, FebruarySpacingFollowsTheProbeMonth)
{
    const std::int64_t s = 65 + 110 + 97;
    const TBiorritmo b99 = DesplazamientosBiorritmo("Ana", 2, 1999);
    EXPECT_EQ(b99.Dias, 28);
    EXPECT_EQ(b99.Base, 3 + 1999 + 1 + 2 + 1999 + s);
    EXPECT_EQ(b99.Barras[1].Desplazamiento - b99.Barras[0].Desplazamiento, 3);
    EXPECT_EQ(b99.Barras[27].Desplazamiento, b99.Base + 28 * 3);
    const TBiorritmo b00 = DesplazamientosBiorritmo("Ana", 2, 2000);
    EXPECT_EQ(b00.Dias, 29);
    EXPECT_EQ(b00.Base, 2 + 2000 + 29 + 2 + 2000 + s);
    EXPECT_EQ(b00.Barras[28].Desplazamiento - b00.Barras[27].Desplazamiento, 2);
}

TEST(Biorritmo, NameCodesAreWindows1252)
{
    // "ñ" is the single byte 241 in the user file.
    EXPECT_EQ(DesplazamientosBiorritmo("ñ", 3, 1999).Base -
                  DesplazamientosBiorritmo("", 3, 1999).Base,
              241);
}

TEST(Biorritmo, BarsReadTheFileAndZeroShowsFive)
{
    CarpetaTemporal c;
    auto datos = Rampa(5000);
    datos[4310] = 0;
    c.Escribe("BRMO.DAT", datos);
    const TBiorritmo b = CalculaBiorritmo(ConUsuario("Ana"), 3, 1999, c.Ruta());
    EXPECT_TRUE(b.Error.empty());
    EXPECT_TRUE(b.Barras[0].Visible);
    EXPECT_EQ(b.Barras[0].Altura, 5);
    EXPECT_EQ(b.Barras[1].Altura, 4313 % 251);
    EXPECT_EQ(b.Barras[30].Altura, 4400 % 251);
}

TEST(Biorritmo, OffsetsAtOrPastTheEndAreNeverRead)
{
    CarpetaTemporal c;
    c.Escribe("BRMO.DAT", Rampa(4400)); // the last offset 4400 is one past the end
    const TBiorritmo b = CalculaBiorritmo(ConUsuario("Ana"), 3, 1999, c.Ruta());
    EXPECT_TRUE(b.Error.empty());
    EXPECT_TRUE(b.Barras[29].Visible);
    EXPECT_EQ(b.Barras[29].Altura, 4397 % 251);
    EXPECT_FALSE(b.Barras[30].Visible);
    c.Escribe("BRMO.DAT", Rampa(10));
    const TBiorritmo corto = CalculaBiorritmo(ConUsuario("Ana"), 3, 1999, c.Ruta());
    for (const auto& barra : corto.Barras)
        EXPECT_FALSE(barra.Visible);
}

TEST(Biorritmo, RefusesWithoutUserOrMonthAndReportsAMissingFile)
{
    CarpetaTemporal c;
    EXPECT_EQ(CalculaBiorritmo(TSesionSuerte{}, 3, 1999, c.Ruta()).Error, kMsgSinUsuarioBiorritmo);
    EXPECT_EQ(CalculaBiorritmo(ConUsuario("Ana"), 0, 1999, c.Ruta()).Error, kMsgSinMesAnio);
    EXPECT_EQ(CalculaBiorritmo(ConUsuario("Ana"), 3, 0, c.Ruta()).Error, kMsgSinMesAnio);
    const TBiorritmo sinFichero = CalculaBiorritmo(ConUsuario("Ana"), 4, 1999, c.Ruta());
    EXPECT_EQ(sinFichero.Error, kMsgErrorBiorritmo);
    EXPECT_EQ(sinFichero.Dias, 30); // the day numbers still show
    EXPECT_FALSE(sinFichero.Barras[0].Visible);
}

// Bars hang from 2 pixels into "Excelente" (window rows 42 on); the bands are rows 40-79,
// 80-119, 120-159, 160-199 and 200 down to the base line at 248.
TEST(Biorritmo, TheBandABarEndsIn)
{
    const std::pair<int, int> casos[] = {
        {5, 0},   {38, 0}, // last row 79: still "Excelente"
        {39, 1},  {78, 1}, // rows 80 to 119: "Buena"
        {79, 2},  {118, 2}, {119, 3}, {158, 3},
        {159, 4}, {206, 4}, {255, 4}, // the longest bars reach the base line under "Floja"
    };
    for (const auto& [altura, banda] : casos)
        EXPECT_EQ(BandaDeBarra(altura), banda) << altura;
}

TEST(NumerosSuerte, BornOn15June1970ReadsOffset663)
{
    TUsuario u;
    u.Dia = 15;
    u.Mes = 6;
    u.Anio = 1970;
    EXPECT_EQ(DesplazamientoSuerte(u), 663);
    CarpetaTemporal c;
    std::vector<std::uint8_t> datos(700, 1);
    datos[663] = 7;
    datos[664] = 21;
    datos[665] = 49;
    c.Escribe("LUCKY.DAT", datos);
    const TNumerosSuerte n = CalculaNumerosSuerte(u, c.Ruta());
    EXPECT_TRUE(n.Error.empty());
    EXPECT_EQ(n.Textos[0], "7");
    EXPECT_EQ(n.Textos[1], "21");
    EXPECT_EQ(n.Textos[2], "49");
}

TEST(NumerosSuerte, ShortOrMissingFileKeepsTheBoxes)
{
    TUsuario u;
    u.Dia = 15;
    u.Mes = 6;
    u.Anio = 1970;
    CarpetaTemporal c;
    EXPECT_EQ(CalculaNumerosSuerte(u, c.Ruta()).Error, kMsgErrorSuerte);
    c.Escribe("LUCKY.DAT", std::vector<std::uint8_t>(665, 3)); // byte 665 missing
    const TNumerosSuerte n = CalculaNumerosSuerte(u, c.Ruta());
    EXPECT_EQ(n.Error, kMsgErrorSuerte);
    EXPECT_EQ(n.Textos[0], "49");
    EXPECT_EQ(n.Textos[2], "49");
    u.Anio = -5000; // a damaged record
    c.Escribe("LUCKY.DAT", std::vector<std::uint8_t>(700, 3));
    EXPECT_EQ(CalculaNumerosSuerte(u, c.Ruta()).Error, kMsgErrorSuerte);
}

TEST(CuentaAtrasSuerte, ShowsAtTheTickThatFindsTheBarEmpty)
{
    TCuentaAtrasSuerte cuenta(true);
    EXPECT_FALSE(cuenta.AlAbrir());
    for (int i = 0; i < 100; ++i)
        ASSERT_EQ(cuenta.Tick(), TCuentaAtrasSuerte::Paso::Sigue) << i;
    EXPECT_EQ(cuenta.Barra(), 0);
    EXPECT_EQ(cuenta.Tick(), TCuentaAtrasSuerte::Paso::Muestra);
    EXPECT_TRUE(cuenta.Parado());
}

TEST(CuentaAtrasSuerte, WithoutUserTheFirstTickCloses)
{
    TCuentaAtrasSuerte cuenta(false);
    EXPECT_EQ(cuenta.AlAbrir().value_or(""), kMsgSinUsuarioSuerte);
    EXPECT_EQ(cuenta.Tick(), TCuentaAtrasSuerte::Paso::Cierra);
}

} // namespace
} // namespace numbrela
