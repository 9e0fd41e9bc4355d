// Choosing a reduced system: the numbers dialog's clicks, counters and validation, the
// backup of the parameters, and the steps after each dialog.
#include <gtest/gtest.h>

#include "generation/CreaCombFijos.h"
#include "generation/EleccionReducida.h"
#include "generation/Reducidas.h"
#include "tests/comun/CarpetaTemporal.h"

namespace numbrela {
namespace {

TEST(NumerosReducida, ClicksChooseFixAndClear)
{
    CabeceraApuestas c;
    TNumerosReducida d(c);
    using E = TNumerosReducida::Estado;
    EXPECT_EQ(d.Titulo(), "Escoja los números que desea reducir");
    EXPECT_EQ(d.Subtitulo(), "Pulse dos veces para dejar fijo");
    d.Pulsa(12);
    EXPECT_EQ(d.EstadoDe(12), E::Elegido);
    EXPECT_EQ(d.ContadorReducidos(), "Total Reducidos:1");
    d.Pulsa(12);
    EXPECT_EQ(d.EstadoDe(12), E::Fijo);
    EXPECT_EQ(d.ContadorReducidos(), "Total Reducidos:1"); // a fixed number is also chosen
    EXPECT_EQ(d.ContadorFijos(), "Total Fijos:1");
    EXPECT_EQ(d.Titulo(), "No se pueden editar apuestas");
    EXPECT_EQ(d.Subtitulo(), "Con que contienen fijos");
    EXPECT_FALSE(d.BorrarTodosHabilitado());
    d.Pulsa(12);
    EXPECT_EQ(d.EstadoDe(12), E::Libre);
    EXPECT_EQ(c.TotalReducidos, 0);
    EXPECT_EQ(c.TotalFijos, 0);
    EXPECT_EQ(c.Reducidos[11], 0);
    EXPECT_EQ(c.Fijos[11], 0);
    d.Pulsa(0);
    d.Pulsa(50);
    EXPECT_EQ(c.TotalReducidos, 0);
}

TEST(NumerosReducida, Validation)
{
    CabeceraApuestas c;
    TNumerosReducida d(c);
    std::string error;
    for (int x : {40, 3, 17, 8, 22, 31})
        d.Pulsa(x);
    EXPECT_FALSE(d.Acepta(error));
    EXPECT_EQ(error, "Error: Debe escoger un mínimo de 7 números para una reducción correcta");
    d.Pulsa(9);
    for (int x : {3, 8, 17, 22}) {
        d.Pulsa(x); // make fixed
    }
    EXPECT_FALSE(d.Acepta(error));
    EXPECT_EQ(error, "No puede escoger más de 3 números fijos");
    d.Pulsa(22); // clears 22: six chosen again
    d.Pulsa(22);
    error.clear();
    ASSERT_TRUE(d.Acepta(error)) << error;
    EXPECT_EQ((std::vector<int>(c.ListaReducidos.begin(), c.ListaReducidos.begin() + 8)),
              (std::vector<int>{3, 8, 9, 17, 22, 31, 40, 0}));
    EXPECT_EQ((std::vector<int>(c.ListaFijos.begin(), c.ListaFijos.begin() + 4)),
              (std::vector<int>{3, 8, 17, 0}));
    d.BorraTodos();
    EXPECT_EQ(c.TotalReducidos, 0);
    EXPECT_EQ(c.TotalFijos, 0);
    EXPECT_TRUE(d.BorrarTodosHabilitado());
}

TEST(GuardaReduccion, SavesClearsAndRestores)
{
    CabeceraApuestas c;
    TNumerosReducida d(c);
    for (int x = 1; x <= 8; ++x)
        d.Pulsa(x);
    d.Pulsa(4);
    std::string e;
    ASSERT_TRUE(d.Acepta(e));
    c.TipoReduccion = 2;
    c.Tipo = 3;
    const auto copia = GuardaReduccion(c);
    EXPECT_EQ(c.TotalReducidos, 0);
    EXPECT_EQ(c.TotalFijos, 0);
    EXPECT_EQ(c.Reducidos[0], 0);
    // The dialog changes everything, the lists too, and then the choice is abandoned.
    for (int x = 20; x <= 30; ++x)
        d.Pulsa(x);
    ASSERT_TRUE(d.Acepta(e));
    c.TipoReduccion = 3;
    c.Tipo = 1;
    RestauraReduccion(c, copia);
    EXPECT_EQ(c.TotalReducidos, 8);
    EXPECT_EQ(c.TotalFijos, 1);
    EXPECT_EQ(c.ListaReducidos[0], 1);
    EXPECT_EQ(c.ListaReducidos[8], 0);
    EXPECT_EQ(c.ListaFijos[0], 4);
    EXPECT_EQ(c.TipoReduccion, 2);
    EXPECT_EQ(c.Tipo, 3);
    const auto copia2 = GuardaReduccion2(c);
    EXPECT_EQ(c.TotalReducidos, 8); // saved, not cleared
    EXPECT_EQ(copia2.TotalFijos, 1);
}

void EligeNumeros(CabeceraApuestas& c, int desde, int cuantos)
{
    TNumerosReducida d(c);
    for (int x = desde; x < desde + cuantos; ++x)
        d.Pulsa(x);
    std::string e;
    ASSERT_TRUE(d.Acepta(e)) << e;
}

TEST(EleccionReducida, WholeChoiceGivesANewUnnamedSet)
{
    TReducidas motor(TEST_PROGRAM_DIR);
    TConjuntoApuestas conjunto(&motor);
    conjunto.FijaNombre("Anterior");
    conjunto.NombreFichero = "/x/a.apu";
    conjunto.GrabarHabilitado = true;
    conjunto.EscrutadoHecho = true;
    const auto copia = EmpiezaEleccionReducida(conjunto.Cabecera);
    EXPECT_EQ(conjunto.Cabecera.Tipo, 3);
    conjunto.Cabecera.TipoReduccion = 2; // al CUATRO
    EligeNumeros(conjunto.Cabecera, 5, 10);
    std::string error;
    TTextosConjunto textos;
    ASSERT_EQ(TerminaEleccionReducida(conjunto, motor, copia, error, textos),
              TResultadoEleccion::Hecha)
        << error;
    EXPECT_EQ(textos.Leyenda,
              "Tipo de apuesta: Reducida de 10 números, al CUATRO, sin números fijo. Apuestas: 5");
    EXPECT_EQ(conjunto.Cabecera.Nombre, "Sin Nombre");
    EXPECT_EQ(conjunto.NombreFichero, "NINGUNO");
    EXPECT_FALSE(conjunto.GrabarHabilitado);
    EXPECT_FALSE(conjunto.EscrutadoHecho);
    EXPECT_EQ(conjunto.Apuestas.size(), 5u);
}

TEST(EleccionReducida, NoFileForThatChoiceRestoresThePreviousSystem)
{
    prueba::CarpetaTemporal carpeta;
    std::filesystem::copy_file(std::filesystem::path(TEST_PROGRAM_DIR) / "COM9-4.RLV",
                               carpeta.Ruta() / "COM9-4.RLV");
    TReducidas motor(carpeta.Ruta());
    TConjuntoApuestas conjunto(&motor);
    auto copia = EmpiezaEleccionReducida(conjunto.Cabecera);
    conjunto.Cabecera.TipoReduccion = 2;
    EligeNumeros(conjunto.Cabecera, 1, 9);
    std::string error;
    TTextosConjunto textos;
    ASSERT_EQ(TerminaEleccionReducida(conjunto, motor, copia, error, textos),
              TResultadoEleccion::Hecha);
    const auto rangos = conjunto.BufferRangos;

    // "&Números": ten numbers, for which this folder has no file.
    copia = GuardaReduccion2(conjunto.Cabecera);
    EligeNumeros(conjunto.Cabecera, 20, 1);
    EXPECT_EQ(CambiaNumerosReducida(conjunto, motor, copia, error, textos),
              TResultadoEleccion::NoDisponible);
    EXPECT_EQ(error, "La reducción de 10 números al CUATRO no está disponible: falta el archivo "
                     "COM10-4.RLV en la "
                     "carpeta del programa");
    EXPECT_EQ(conjunto.Cabecera.TotalReducidos, 9);
    EXPECT_EQ(conjunto.Cabecera.ListaReducidos[9], 0);
    EXPECT_EQ(conjunto.BufferRangos, rangos);

    // "Red&ucir" to al TRES: no COM9-3.RLV here either.
    conjunto.Cabecera.TipoReduccion = 1;
    EXPECT_EQ(CambiaTipoReducida(conjunto, motor, 2, error, textos),
              TResultadoEleccion::NoDisponible);
    EXPECT_EQ(conjunto.Cabecera.TipoReduccion, 2);
}

TEST(EleccionReducida, ADamagedFileKeepsThePreviousSystemOnScreen)
{
    prueba::CarpetaTemporal carpeta;
    std::filesystem::copy_file(std::filesystem::path(TEST_PROGRAM_DIR) / "COM9-4.RLV",
                               carpeta.Ruta() / "COM9-4.RLV");
    prueba::EscribeBytes(carpeta.Ruta() / "COM9-3.RLV", {0, 0, 0, 0}); // rank 0
    TReducidas motor(carpeta.Ruta());
    TConjuntoApuestas conjunto(&motor);
    auto copia = EmpiezaEleccionReducida(conjunto.Cabecera);
    conjunto.Cabecera.TipoReduccion = 2;
    EligeNumeros(conjunto.Cabecera, 30, 9);
    std::string error;
    TTextosConjunto textos;
    ASSERT_EQ(TerminaEleccionReducida(conjunto, motor, copia, error, textos),
              TResultadoEleccion::Hecha);
    const auto primera = conjunto.Apuestas[0].Marcas;

    conjunto.Cabecera.TipoReduccion = 1;
    EXPECT_EQ(CambiaTipoReducida(conjunto, motor, 2, error, textos), TResultadoEleccion::Fallida);
    EXPECT_EQ(error, "Error: Se ha producido un error leyendo el archivo o el archivo no existe");
    EXPECT_EQ(conjunto.Cabecera.TipoReduccion, 2);
    EXPECT_EQ(conjunto.TotalApuestas(), 3);
    ASSERT_EQ(conjunto.Apuestas.size(), 3u);
    EXPECT_EQ(conjunto.Apuestas[0].Marcas, primera);

    // A whole new choice that fails resets the set as "Nueva", and says so: the whole
    // header goes, the game with it.
    conjunto.Cabecera.Juego = 2;
    copia = EmpiezaEleccionReducida(conjunto.Cabecera);
    EligeTipoReduccion(conjunto.Cabecera, 1);
    EligeNumeros(conjunto.Cabecera, 30, 9);
    EXPECT_EQ(TerminaEleccionReducida(conjunto, motor, copia, error, textos),
              TResultadoEleccion::Reiniciada);
    EXPECT_EQ(conjunto.Tipo(), TipoApuesta::Simple);
    EXPECT_EQ(conjunto.TotalApuestas(), 1);
    EXPECT_EQ(conjunto.Cabecera.Juego, 0);
    EXPECT_EQ(textos.Leyenda, "Tipo de Primitiva: Simple de 1 apuestas, 1 Boletos");
    EXPECT_TRUE(conjunto.BufferRangos.empty());
}

TEST(EleccionReducida, APickedRlfBecomesTheSet)
{
    prueba::CarpetaTemporal carpeta;
    TReducidas motor(carpeta.Ruta());
    TConjuntoApuestas conjunto(&motor);
    conjunto.FijaNombre("Anterior");
    conjunto.GrabarHabilitado = true;
    // Generate one (14 numbers 1..14 al CUATRO with 3 and 9 fixed) and pick it.
    TNumerosReducida d(conjunto.Cabecera);
    for (int x = 1; x <= 14; ++x)
        d.Pulsa(x);
    d.Pulsa(3);
    d.Pulsa(9);
    std::string error;
    ASSERT_TRUE(d.Acepta(error));
    conjunto.Cabecera.Tipo = 3;
    conjunto.Cabecera.TipoReduccion = 2;
    const auto g = CreaCombFijos2(carpeta.Ruta(), conjunto.Cabecera, 3, 9, nullptr);
    ASSERT_TRUE(g.Hecha) << g.Mensaje;

    // Over a scrutinised simple set with a draw, a file and a name: a new reduced set.
    TConjuntoApuestas otro(&motor);
    otro.Cabecera.Sorteo = TSorteo{{1, 2, 3, 4, 5, 6}, 7};
    otro.EscrutadoHecho = true;
    otro.NombreFichero = "/tmp/x.apu";
    otro.GrabarHabilitado = true;
    TTextosConjunto textos;
    ASSERT_TRUE(AbreReducidaElegida(otro, motor, g.Fichero, error, textos)) << error;
    EXPECT_EQ(otro.Tipo(), TipoApuesta::Reducida);
    EXPECT_EQ(otro.TotalApuestas(), g.Apuestas);
    EXPECT_EQ(otro.Cabecera.Nombre, "Sin Nombre");
    EXPECT_EQ(otro.NombreFichero, "NINGUNO");
    EXPECT_FALSE(otro.GrabarHabilitado);
    EXPECT_FALSE(otro.EscrutadoHecho);
    EXPECT_FALSE(otro.Cabecera.Sorteo.HaySorteo());
    EXPECT_EQ(otro.BoletoActual, 0);
    EXPECT_EQ(
        textos.Leyenda,
        "Tipo de apuesta: Reducida de 14 números, al CUATRO, Números fijos: -3-9. Apuestas: " +
            std::to_string(g.Apuestas));
    EXPECT_FALSE(
        AbreReducidaElegida(otro, motor, carpeta.Ruta() / "COM14-4-3-8.RLF", error, textos));
    EXPECT_EQ(error, "Error: Se ha producido un error leyendo el archivo o el archivo no existe");
    EXPECT_EQ(otro.TotalApuestas(), g.Apuestas);
}

} // namespace
} // namespace numbrela
