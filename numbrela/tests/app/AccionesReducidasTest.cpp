// The command-line actions of compact reductions, run as the program runs them against the
// designs delivered in the program folder: a compact system saved, checked, and checked
// again with one bet less; and the bad input of --verify.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

// The actions live beside main.cpp and use nothing but the core.
#include "app/AccionesReducidas.cpp"
#include "files/FicheroApuestas.h"

namespace numbrela::app {
namespace {

namespace fs = std::filesystem;

class AccionesCompactas : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::path(TEST_BUILD_DIR) / "acciones_compactas" /
               ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }

    int Ejecuta(const std::vector<std::string>& args)
    {
        salida_.str("");
        errores_.str("");
        const auto r = EjecutaAccionesReducidas(args, TEST_PROGRAM_DIR, salida_, errores_);
        return r ? *r : -1;
    }

    fs::path dir_;
    std::ostringstream salida_, errores_;
};

TEST_F(AccionesCompactas, SavedSystemKeepsItsGuaranteeAndLosesItWithOneBetLess)
{
    const std::string numeros = "2,5,9,14,18,21,27,33,38,41,44,49";
    const fs::path f = dir_ / "c.apu";
    ASSERT_EQ(Ejecuta({"--reduce", numeros, "--al", "4", "--compact", "--save", f.string()}), 0)
        << errores_.str();
    EXPECT_NE(errores_.str().find("Reducida compacta de 12 números al CUATRO"), std::string::npos)
        << errores_.str();
    // Every printed bet "a-b-c-d-e-f" of the chosen numbers.
    std::vector<std::vector<int>> apuestas;
    std::istringstream lineas(salida_.str());
    for (std::string l; std::getline(lineas, l);) {
        std::vector<int> a;
        std::istringstream campos(l);
        for (std::string x; std::getline(campos, x, '-');)
            a.push_back(std::stoi(x));
        ASSERT_EQ(a.size(), 6u) << l;
        apuestas.push_back(a);
    }
    ASSERT_GE(apuestas.size(), 2u);

    ASSERT_EQ(Ejecuta({"--verify", f.string(), "--numbers", numeros, "--al", "4"}), 0)
        << errores_.str();
    EXPECT_EQ(salida_.str().rfind("Garantía al 4", 0), 0u) << salida_.str();

    // The same bets less the first: some draw of the twelve now has no four in any bet.
    TConjuntoApuestas menos;
    std::string e;
    TTextosConjunto t;
    ASSERT_TRUE(menos.CreaSimples(static_cast<std::int64_t>(apuestas.size() - 1), e, t)) << e;
    for (std::size_t i = 1; i < apuestas.size(); ++i)
        for (int x : apuestas[i])
            menos.Apuestas[i - 1].Marca(x);
    const fs::path g = dir_ / "menos.apu";
    ASSERT_TRUE(FicheroApuestas::Graba(menos, g, ModoGrabacion::Grabar, dir_, e)) << e;
    ASSERT_EQ(Ejecuta({"--verify", g.string(), "--numbers", numeros, "--al", "4"}), 1)
        << errores_.str();
    const std::string dicho = salida_.str();
    const auto desde = dicho.find("el sorteo ") + 10;
    ASSERT_NE(desde, std::string::npos + 10) << dicho;
    std::vector<int> sorteo;
    std::istringstream campos(dicho.substr(desde, dicho.find(' ', desde) - desde));
    for (std::string x; std::getline(campos, x, '-');)
        sorteo.push_back(std::stoi(x));
    ASSERT_EQ(sorteo.size(), 6u) << dicho;
    for (const auto& a : std::vector(apuestas.begin() + 1, apuestas.end())) {
        int aciertos = 0;
        for (int x : sorteo)
            aciertos += std::count(a.begin(), a.end(), x);
        EXPECT_LT(aciertos, 4) << dicho;
    }
    const std::vector<int> elegidos = {2, 5, 9, 14, 18, 21, 27, 33, 38, 41, 44, 49};
    for (int x : sorteo)
        EXPECT_NE(std::find(elegidos.begin(), elegidos.end(), x), elegidos.end()) << x;
}

TEST_F(AccionesCompactas, VerifyRefusesBadNumbersAndGuaranteesWithStatusTwo)
{
    const std::string f = (dir_ / "no-hace-falta.apu").string();
    const struct {
        const char* numeros;
        const char* al;
        const char* mensaje;
    } casos[] = {
        {"1,2,3,4,5,6,7,7", "3", "aparece dos veces"},
        {"1,2,3,4,5,6,50", "3", "fuera de 1..49"},
        {"0,2,3,4,5,6,7", "3", "fuera de 1..49"},
        {"1,2,3,4,5,6", "3", "al menos 7"},
        {"1,2,3,4,5,6,7", "2", "3, 4 o 5"},
        {"1,2,3,4,5,6,7", "6", "3, 4 o 5"},
        {"1,2,3,4,5,6,7", "x", "3, 4 o 5"},
        {"1,2,,4,5,6,7", "3", "separados por comas"},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(Ejecuta({"--verify", f, "--numbers", c.numeros, "--al", c.al}), 2)
            << c.numeros << " al " << c.al;
        EXPECT_NE(errores_.str().find(c.mensaje), std::string::npos)
            << c.numeros << " al " << c.al << ": " << errores_.str();
        EXPECT_TRUE(salida_.str().empty());
    }
}

} // namespace
} // namespace numbrela::app
