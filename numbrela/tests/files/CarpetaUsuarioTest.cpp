// The folder the planner works in: its own folder in the build tree; installed, the user's
// data folder with links to the delivered files, or the delivered files alone (with the
// reason) when the user's folder cannot be made.
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "files/CarpetaUsuario.h"
#include "tests/comun/CarpetaTemporal.h"

namespace numbrela {
namespace {

namespace fs = std::filesystem;

class CarpetaUsuario : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(bin_);
        fs::create_directories(compartida_);
        std::ofstream(compartida_ / "COM9-4.RLV") << "rangos";
        std::ofstream(compartida_ / "fondo3.bmp") << "dibujo";
    }
    prueba::CarpetaTemporal tmp_;
    fs::path bin_ = tmp_.Ruta() / "usr" / "bin";
    fs::path compartida_ = tmp_.Ruta() / "usr" / "share" / "numbrela";
};

TEST_F(CarpetaUsuario, BuildTreeAndLooseFoldersKeepTheProgramFolder)
{
    const fs::path arbol = tmp_.Ruta() / "build" / "numbrela-bin";
    EXPECT_EQ(CarpetaDeDatos(arbol, "/x", "/y").Carpeta, arbol);
    // A "bin" without share/numbrela beside it is not an installation.
    fs::remove_all(compartida_);
    const TCarpetaDatos d = CarpetaDeDatos(bin_, (tmp_.Ruta() / "xdg").c_str(), "/y");
    EXPECT_EQ(d.Carpeta, bin_);
    EXPECT_TRUE(d.Aviso.empty());
    EXPECT_FALSE(fs::exists(tmp_.Ruta() / "xdg"));
}

TEST_F(CarpetaUsuario, InstalledLinksTheDeliveredFilesAndKeepsTheUsersOwn)
{
    const fs::path usuario = tmp_.Ruta() / "xdg" / "numbrela";
    fs::create_directories(usuario);
    std::ofstream(usuario / "fondo3.bmp") << "mio"; // the user's own
    fs::create_symlink(tmp_.Ruta() / "old" / "COM9-4.RLV", usuario / "COM9-4.RLV"); // stale

    const TCarpetaDatos d = CarpetaDeDatos(bin_, (tmp_.Ruta() / "xdg").c_str(), "/nadie");
    EXPECT_EQ(d.Carpeta, usuario);
    EXPECT_TRUE(d.Aviso.empty()) << d.Aviso;
    EXPECT_EQ(fs::read_symlink(usuario / "COM9-4.RLV"), compartida_ / "COM9-4.RLV");
    EXPECT_FALSE(fs::is_symlink(usuario / "fondo3.bmp"));
    std::string contenido;
    std::ifstream(usuario / "fondo3.bmp") >> contenido;
    EXPECT_EQ(contenido, "mio");
    // A second start changes nothing.
    EXPECT_EQ(CarpetaDeDatos(bin_, (tmp_.Ruta() / "xdg").c_str(), "/nadie").Carpeta, usuario);
}

TEST_F(CarpetaUsuario, WithoutXdgDataHomeTheHomeFolderIsUsed)
{
    const fs::path home = tmp_.Ruta() / "home";
    for (const char* xdg : {static_cast<const char*>(nullptr), "", "relativa/no"}) {
        const TCarpetaDatos d = CarpetaDeDatos(bin_, xdg, home.c_str());
        EXPECT_EQ(d.Carpeta, home / ".local" / "share" / "numbrela");
        EXPECT_TRUE(fs::is_symlink(d.Carpeta / "fondo3.bmp"));
    }
}

TEST_F(CarpetaUsuario, AFolderThatCannotBeMadeFallsBackToTheDeliveredFiles)
{
    std::ofstream(tmp_.Ruta() / "fichero") << "x";
    const fs::path imposible = tmp_.Ruta() / "fichero";
    const TCarpetaDatos d = CarpetaDeDatos(bin_, imposible.c_str(), nullptr);
    EXPECT_EQ(d.Carpeta, compartida_);
    EXPECT_NE(d.Aviso.find((imposible / "numbrela").string()), std::string::npos) << d.Aviso;
    EXPECT_NE(d.Aviso.find(compartida_.string()), std::string::npos) << d.Aviso;

    const TCarpetaDatos sinCasa = CarpetaDeDatos(bin_, nullptr, nullptr);
    EXPECT_EQ(sinCasa.Carpeta, compartida_);
    EXPECT_FALSE(sinCasa.Aviso.empty());
}

} // namespace
} // namespace numbrela
