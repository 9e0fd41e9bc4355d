// The compact design as a choice in the reduction dialogs: the counts and texts the
// dialogs show (from the files' sizes alone), and the set the choice becomes, saved, opened
// again and changed by hand. (A design that cannot be used: the main window's test.)
#include <gtest/gtest.h>

#include <filesystem>

#include "files/FicheroApuestas.h"
#include "generation/ApuestaMultiple.h"
#include "generation/EleccionCompacta.h"
#include "generation/EleccionReducida.h"
#include "generation/FicheroCompacta.h"
#include "generation/ReduccionCompacta.h"
#include "tests/comun/CarpetaTemporal.h"

namespace numbrela {
namespace {

namespace fs = std::filesystem;
const fs::path kPrograma = TEST_PROGRAM_DIR;

// The header as the numbers dialog leaves it: `numeros` chosen, the first `fijos` of them
// fixed, guarantee k.
CabeceraApuestas Elegidos(const std::vector<int>& numeros, int k, int fijos = 0)
{
    CabeceraApuestas c;
    c.Tipo = static_cast<std::uint8_t>(TipoApuesta::Reducida);
    c.TipoReduccion = static_cast<std::uint8_t>(k - 2);
    TNumerosReducida dialogo(c);
    for (int x : numeros)
        dialogo.Pulsa(x);
    for (int i = 0; i < fijos; ++i)
        dialogo.Pulsa(numeros[static_cast<std::size_t>(i)]);
    std::string error;
    EXPECT_TRUE(dialogo.Acepta(error)) << error;
    return c;
}

std::vector<int> Primeros(int n)
{
    std::vector<int> v;
    for (int x = 1; x <= n; ++x)
        v.push_back(x);
    return v;
}

TEST(OfertaCompacta, CountsComeFromTheFileSizesAndEveryRefusalSaysWhy)
{
    prueba::CarpetaTemporal carpeta;
    const fs::path& d = carpeta.Ruta();
    prueba::EscribeRangos(d / NombreCompacta(12, 3), {1, 900});  // 2 of the table's 4
    prueba::EscribeRangos(d / NombreCompacta(14, 3), {1, 2}, 1); // 7 bytes
    prueba::EscribeRangos(d / NombreCompacta(15, 3), {});        // empty
    prueba::EscribeRangos(d / NombreCompacta(16, 3), std::vector<std::uint32_t>(10, 1)); // table: 9
    struct Caso {
        int n, fijos, k, juego;
        bool posible;
        std::int64_t tabla, compacta;
        const char* texto;
    };
    const Caso casos[] = {
        {12, 0, 3, 0, true, 4, 2, "al TRES: tabla 4 apuestas, compacta 2 (ahorro 2,00 €)"},
        {12, 0, 3, 2, true, 4, 2, "al TRES: tabla 4 apuestas, compacta 2 (ahorro 5,00 €)"},
        {12, 1, 3, 0, false, 0, 0, "al TRES: con números fijos sólo hay los diseños de la tabla"},
        {13, 0, 3, 0, false, 4, 0, "al TRES: tabla 4 apuestas, sin diseño compacto"},
        {14, 0, 3, 0, false, 7, 0, "al TRES: tabla 7 apuestas, sin diseño compacto"},
        {15, 0, 3, 0, false, 7, 0, "al TRES: tabla 7 apuestas, sin diseño compacto"},
        {16, 0, 3, 0, false, 9, 0, "al TRES: tabla 9 apuestas, sin diseño compacto"},
        {7, 0, 4, 0, false, 1, 0, "al CUATRO: tabla 1 apuesta, sin diseño compacto"},
        {6, 0, 3, 0, false, 0, 0, "Diseño compacto: escoja al menos 7 números y la garantía"},
    };
    for (const Caso& c : casos) {
        const TOfertaCompacta o = OfertaCompacta(d, c.n, c.fijos, c.k, c.juego);
        EXPECT_EQ(o.Posible, c.posible) << c.texto;
        EXPECT_EQ(o.Tabla, c.tabla) << c.texto;
        EXPECT_EQ(o.Compacta, c.compacta) << c.texto;
        EXPECT_EQ(o.Texto, c.texto);
    }
    // The header's flags give the same offer: a stored kind 4 names no guarantee here.
    EXPECT_EQ(OfertaCompacta(d, Elegidos(Primeros(12), 3)).Texto, casos[0].texto);
    EXPECT_EQ(OfertaCompacta(d, Elegidos(Primeros(12), 3, 1)).Texto, casos[2].texto);
    // The table of reductions' row: C(12, 6) = 924 direct bets; only al 3 has a design.
    EXPECT_EQ(CeldasFilaCompacta(d, 12),
              (std::array<std::string, 8>{"12", "924", "68", "-", "10", "-", "4", "2"}));
    // What the player is asked when a design cannot be used.
    EXPECT_EQ(PreguntaTablaTrasFallo("Error: el archivo COM12-3.RLC está dañado", 12, 3),
              "Error: el archivo COM12-3.RLC está dañado.\n\n¿Desea jugar la reducción de la "
              "tabla, de 4 apuestas?");
}

TEST(EligeCompacta, FortyNineNumbersAlTresBecomeTheDesignSavedAndOpenedAgain)
{
    prueba::CarpetaTemporal carpeta;
    TConjuntoApuestas conjunto;
    std::string error;
    TTextosConjunto textos;
    ASSERT_TRUE(conjunto.CreaSimples(3, error, textos));
    conjunto.Cabecera = Elegidos(Primeros(49), 3);
    conjunto.Cabecera.Juego = 1; // BONOLOTO stays
    conjunto.FijaNombre("Semana");
    const auto n = ApuestasCompacta(kPrograma, 49, 3);
    ASSERT_TRUE(n);
    EXPECT_LT(*n, 496);

    // Fixed numbers keep the table's designs: refused, the set as it was.
    conjunto.Cabecera.TotalFijos = 1;
    EXPECT_FALSE(EligeCompacta(conjunto, kPrograma, error, textos));
    EXPECT_NE(error.find("fijos"), std::string::npos) << error;
    EXPECT_EQ(conjunto.Apuestas.size(), 3u);
    conjunto.Cabecera.TotalFijos = 0;

    ASSERT_TRUE(EligeCompacta(conjunto, kPrograma, error, textos)) << error;
    const std::string leyenda =
        "Reducida compacta de 49 números al TRES: " + std::to_string(*n) + " apuestas";
    EXPECT_EQ(textos.Leyenda, leyenda);
    EXPECT_EQ(conjunto.Cabecera.Leyenda, leyenda);
    EXPECT_EQ(textos.Contador, "Boleto 1 de " + std::to_string((*n + 7) / 8));
    EXPECT_EQ(conjunto.Tipo(), TipoApuesta::Simple);
    EXPECT_EQ(conjunto.TotalApuestas(), *n);
    EXPECT_EQ(conjunto.Precio(), *n * 50);
    EXPECT_EQ(conjunto.Cabecera.Nombre, kSinNombre);
    EXPECT_EQ(conjunto.NombreFichero, kSinFichero);
    EXPECT_FALSE(conjunto.GrabarHabilitado);
    EXPECT_FALSE(SorteoNoCubierto(conjunto, Primeros(49), 3));

    // Saved as simple bets and opened again: the same bets and the same legend.
    const fs::path ruta = carpeta.Ruta() / "compacta.apu";
    ASSERT_TRUE(
        FicheroApuestas::Graba(conjunto, ruta, ModoGrabacion::GrabarComo, carpeta.Ruta(), error))
        << error;
    EXPECT_EQ(fs::file_size(ruta), static_cast<std::uintmax_t>(536 + 6 * *n));
    TConjuntoApuestas abierto;
    const TResultadoApertura r = FicheroApuestas::AbreDeUnaVez(abierto, ruta);
    ASSERT_TRUE(r.Ok) << r.Error;
    EXPECT_EQ(r.Textos.Leyenda, leyenda);
    EXPECT_EQ(abierto.Cabecera.Juego, 1);
    ASSERT_EQ(abierto.Apuestas.size(), conjunto.Apuestas.size());
    for (std::size_t i = 0; i < abierto.Apuestas.size(); ++i)
        EXPECT_EQ(abierto.Apuestas[i].Marcas, conjunto.Apuestas[i].Marcas) << i;

    // A bet changed by hand: the set no longer claims the design's guarantee.
    int numero = 1;
    while (!abierto.Apuestas[0].Marcado(numero))
        ++numero;
    ASSERT_TRUE(ApuestaMultiple::AlternaMarca(abierto, 0, numero, error));
    EXPECT_EQ(abierto.Cabecera.Leyenda, "Tipo de Primitiva: Simple de " + std::to_string(*n) +
                                            " apuestas, " + std::to_string((*n + 7) / 8) +
                                            " Boletos");
}

} // namespace
} // namespace numbrela
