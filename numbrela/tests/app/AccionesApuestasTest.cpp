// The command-line actions on a bet file, run as the program runs them, against the
// reduction files delivered in the program folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

// The actions live beside main.cpp and use nothing but the core.
#include "app/AccionesApuestas.cpp"
#include "files/FicheroApuestas.h"
#include "generation/ApuestaMultiple.h"

namespace numbrela::app {
namespace {

namespace fs = std::filesystem;

class Acciones : public ::testing::Test {
protected:
    void SetUp() override
    {
        // One folder a test: CTest runs them side by side.
        dir_ = fs::path(TEST_BUILD_DIR) / "acciones" /
               ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        opciones_.CarpetaDatos = TEST_PROGRAM_DIR;
    }

    int Ejecuta(std::vector<std::string> args)
    {
        opciones_.Resto = std::move(args);
        salida_.str("");
        errores_.str("");
        const auto r = EjecutaAccionApuestas(opciones_, salida_, errores_, [] { return 1234u; });
        return r ? *r : -1;
    }

    std::string Simples()
    {
        TConjuntoApuestas c;
        std::string e;
        TTextosConjunto t;
        c.CreaSimples(2, e, t);
        for (int n : {1, 5, 7, 12, 30, 45})
            c.Apuestas[0].Marca(n);
        for (int n : {2, 4, 6, 8, 10, 12})
            c.Apuestas[1].Marca(n);
        c.FijaNombre("Semana");
        const fs::path p = dir_ / "s.apu";
        EXPECT_TRUE(FicheroApuestas::Graba(c, p, ModoGrabacion::Grabar, dir_, e)) << e;
        return p.string();
    }

    fs::path dir_;
    Opciones opciones_;
    std::ostringstream salida_, errores_;
};

TEST_F(Acciones, OtherArgumentsAreNotOurs)
{
    EXPECT_EQ(Ejecuta({"fichero.apu"}), -1);
    EXPECT_EQ(Ejecuta({}), -1);
}

TEST_F(Acciones, ListPrintsTheDocument)
{
    const std::string f = Simples();
    ASSERT_EQ(Ejecuta({"--list", f}), 0) << errores_.str();
    EXPECT_EQ(salida_.str(), "Numbrela Pro 1.36\n"
                             "   Nombre de la Apuesta: Semana\n"
                             "     Tipo de Primitiva: Simple de 2 apuestas, 1 Boletos\n"
                             "\n"
                             "\n"
                             "Apuesta 1= 1-5-7-12-30-45\n"
                             "Apuesta 2= 2-4-6-8-10-12\n");
}

TEST_F(Acciones, CheckPrintsTheResultsThenTheDocumentAndSaveStoresTheDraw)
{
    const std::string f = Simples();
    ASSERT_EQ(Ejecuta({"--check", f, "--draw", "7,3,45,12,30,1+9"}), 0) << errores_.str();
    EXPECT_EQ(salida_.str(), "6 Aciertos: 0\n"
                             "5 Aciertos+C: 0\n"
                             "5 Aciertos: 1\n"
                             "4 Aciertos: 0\n"
                             "3 Aciertos: 0\n"
                             "Numbrela Pro 1.36\n"
                             "   Nombre de la Apuesta: Semana\n"
                             "     Tipo de Primitiva: Simple de 2 apuestas, 1 Boletos\n"
                             "       Numeros escrutados: 1-3-7-12-30-45-C:9\n"
                             "       Premios: 6=0 /5=1 /5+C=0 /4=0 /3=0\n"
                             "\n"
                             "\n"
                             "Apuesta 1= 1-5-7-12-30-45 ->5 aciertos\n"
                             "Apuesta 2= 2-4-6-8-10-12\n");
    TConjuntoApuestas sin;
    ASSERT_TRUE(FicheroApuestas::AbreDeUnaVez(sin, f).Ok);
    EXPECT_FALSE(sin.Cabecera.Sorteo.HaySorteo()); // without --save the file is untouched

    ASSERT_EQ(Ejecuta({"--check", f, "--draw", "7,3,45,12,30,1+9", "--save"}), 0);
    TConjuntoApuestas con;
    ASSERT_TRUE(FicheroApuestas::AbreDeUnaVez(con, f).Ok);
    EXPECT_EQ(con.Cabecera.Sorteo.Numeros, (std::array<std::uint8_t, 6>{1, 3, 7, 12, 30, 45}));
    EXPECT_EQ(con.Cabecera.Sorteo.Complementario, 9);
    EXPECT_EQ(fs::file_size(f), 548u);
}

TEST_F(Acciones, FailuresPrintTheMessageAndExitNonZero)
{
    const std::string f = Simples();
    EXPECT_EQ(Ejecuta({"--check", f, "--draw", "1,2,3,4,5,50+6"}), 1);
    EXPECT_EQ(errores_.str(), "ERROR: Introdujo el número 50 que es mayor que 49\n");
    EXPECT_TRUE(salida_.str().empty());
    EXPECT_EQ(Ejecuta({"--check", f, "--draw", "1,2,3,4,5,0+6"}), 1);
    EXPECT_EQ(errores_.str(),
              "ERROR: Introdujo valores igual a cero. Corríjalo e inténtelo de nuevo\n");
    EXPECT_EQ(Ejecuta({"--check", f, "--draw", "1,2,3,4,5,6"}), 1);
    EXPECT_EQ(errores_.str(), "ERROR: Algún número introducido no es correcto\n");
    EXPECT_EQ(Ejecuta({"--list", (dir_ / "nada.apu").string()}), 1);
    EXPECT_EQ(errores_.str(),
              "Error: Se ha producido un error leyendo el archivo o el archivo no existe\n");
    EXPECT_NE(Ejecuta({"--check", f}), 0);
    EXPECT_NE(Ejecuta({"--simulate", f}), 0);
    EXPECT_NE(Ejecuta({"--list"}), 0);
    EXPECT_NE(Ejecuta({"--simulate", f, "--draws", "x"}), 0);
    EXPECT_NE(Ejecuta({"--simulate", f, "--draws", "5", "--seed", "-1"}), 0);
}

TEST_F(Acciones, SimulateWithASeedRepeats)
{
    const std::string f = Simples();
    ASSERT_EQ(Ejecuta({"--simulate", f, "--draws", "500", "--seed", "42"}), 0) << errores_.str();
    const std::string primera = salida_.str();
    ASSERT_EQ(Ejecuta({"--simulate", f, "--draws", "500", "--seed", "42"}), 0);
    EXPECT_EQ(salida_.str(), primera);
    // Six lines in order; 2 bets over 500 draws are 1000 evaluations.
    std::istringstream in(primera);
    const char* etiquetas[] = {"6: ", "5C: ", "5: ", "4: ", "3: ", "F: "};
    std::uint64_t suma = 0;
    std::string linea;
    for (const char* e : etiquetas) {
        ASSERT_TRUE(std::getline(in, linea));
        ASSERT_EQ(linea.rfind(e, 0), 0u) << linea;
        suma += std::stoull(linea.substr(std::string(e).size()));
    }
    EXPECT_EQ(suma, 1000u);
    ASSERT_EQ(Ejecuta({"--simulate", f, "--draws", "500", "--seed", "43"}), 0);
}

TEST_F(Acciones, AReducedSetIsListedFromItsReductionFile)
{
    // 9 numbers al CUATRO: three bets in COM9-4.RLV.
    TReducidas motor(TEST_PROGRAM_DIR);
    TConjuntoApuestas c(&motor);
    c.Cabecera.Tipo = 3;
    c.Cabecera.TipoReduccion = 2;
    c.Cabecera.TotalReducidos = 9;
    const std::uint8_t elegidos[] = {2, 5, 11, 17, 23, 29, 31, 37, 41};
    for (int i = 0; i < 9; ++i) {
        c.Cabecera.ListaReducidos[static_cast<std::size_t>(i)] = elegidos[i];
        c.Cabecera.Reducidos[elegidos[i] - 1u] = elegidos[i];
    }
    std::string e;
    TTextosConjunto t;
    ASSERT_TRUE(c.CambioGlobal(e, t)) << e;
    c.FijaNombre("Nueve");
    ASSERT_TRUE(FicheroApuestas::Graba(c, dir_ / "r.apu", ModoGrabacion::Grabar, dir_, e));
    ASSERT_EQ(Ejecuta({"--list", (dir_ / "r.apu").string()}), 0) << errores_.str();
    std::istringstream in(salida_.str());
    std::vector<std::string> lineas;
    for (std::string l; std::getline(in, l);)
        lineas.push_back(l);
    ASSERT_EQ(lineas.size(), 9u);
    EXPECT_EQ(lineas[1], "   Nombre de la Apuesta: Nueve");
    EXPECT_EQ(lineas[3], "       Numeros escogidos para reducción: 2-5-11-17-23-29-31-37-41-");
    EXPECT_EQ(lineas[6].rfind("Apuesta 1= ", 0), 0u);
    EXPECT_EQ(lineas[8].rfind("Apuesta 3= ", 0), 0u);
}

} // namespace
} // namespace numbrela::app
