// The user record, the user file and the fields of the user window.
#include <unistd.h>

#include <algorithm>

#include "../comun/CarpetaTemporal.h"
#include "luck/FicheroUsuarios.h"
#include "luck/SesionSuerte.h"

namespace numbrela {
namespace {

using prueba::CarpetaTemporal;

TUsuario Usuario(const std::string& nombre, int dia, int mes, int anio)
{
    TUsuario u;
    u.NombreCompleto = nombre;
    u.Dia = static_cast<std::uint8_t>(dia);
    u.Mes = static_cast<std::uint8_t>(mes);
    u.Anio = anio;
    return u;
}

TEST(RegistroUsuario, PutsEachFieldAtItsOffset)
{
    const auto b = EscribeUsuario(Usuario("Íñigo", 15, 6, 1970));
    ASSERT_EQ(b.size(), 208u);
    EXPECT_EQ(b[0], 5);    // five Windows-1252 characters
    EXPECT_EQ(b[1], 0xCD); // Í
    EXPECT_EQ(b[2], 0xF1); // ñ
    EXPECT_EQ(b[5], 'o');
    EXPECT_EQ(b[6], 0); // nothing past the name
    EXPECT_EQ(b[201], 15);
    EXPECT_EQ(b[202], 6);
    EXPECT_EQ(b[203], 0);
    EXPECT_EQ(b[204], 1970 & 0xFF);
    EXPECT_EQ(b[205], 1970 >> 8);
    EXPECT_EQ(b[206], 0);
    EXPECT_EQ(b[207], 0);
    const TUsuario u = LeeUsuario(b);
    EXPECT_EQ(u.NombreCompleto, "Íñigo");
    EXPECT_EQ(u.Anio, 1970);
}

TEST(RegistroUsuario, CutsLongNamesAndDamagedLengths)
{
    const auto b = EscribeUsuario(Usuario(std::string(250, 'x'), 1, 1, 2000));
    EXPECT_EQ(b[0], 200);
    EXPECT_EQ(b[200], 'x');
    EXPECT_EQ(b[201], 1); // the day is not overwritten by the name

    std::array<std::uint8_t, 208> roto{};
    roto.fill('a');
    roto[0] = 255; // longer than the field
    EXPECT_EQ(LeeUsuario(roto).NombreCompleto.size(), 200u);
}

TEST(RegistroUsuario, NegativeYearsSurviveTheRecord)
{
    EXPECT_EQ(LeeUsuario(EscribeUsuario(Usuario("A", 1, 1, -5))).Anio, -5);
}

TEST(FicheroUsuarios, IsCreatedEmptyWhenMissing)
{
    CarpetaTemporal c;
    TFicheroUsuarios f(c.Ruta());
    EXPECT_FALSE(f.AbreOCrea());
    EXPECT_EQ(c.Lee("USUARIOS.DB"), std::vector<std::uint8_t>{0});
    EXPECT_TRUE(f.Usuarios().empty());
    // Opening again leaves a file with users alone.
    ASSERT_FALSE(f.Anade(Usuario("Ana", 1, 2, 1980)));
    EXPECT_FALSE(f.AbreOCrea());
    EXPECT_EQ(f.Usuarios().size(), 1u);
}

TEST(FicheroUsuarios, CreationFailureIsReported)
{
    CarpetaTemporal c;
    TFicheroUsuarios f(c.Ruta() / "no-existe");
    EXPECT_EQ(f.AbreOCrea().value_or(""), kMsgErrorCreandoUsuarios);
}

TEST(FicheroUsuarios, TwoUsersAddedInARowAreRecordsZeroAndOne)
{
    CarpetaTemporal c;
    TFicheroUsuarios f(c.Ruta());
    ASSERT_FALSE(f.AbreOCrea());
    ASSERT_FALSE(f.Anade(Usuario("Ana", 3, 4, 1975)));
    ASSERT_FALSE(f.Anade(Usuario("Luis", 15, 6, 1970)));
    const auto bytes = c.Lee("USUARIOS.DB");
    ASSERT_EQ(bytes.size(), 1u + 2 * 208);
    EXPECT_EQ(bytes[0], 2);
    EXPECT_EQ(bytes[1], 3); // record 0: "Ana"
    EXPECT_EQ(bytes[2], 'A');
    EXPECT_EQ(bytes[1 + 208], 4); // record 1: "Luis"
    EXPECT_EQ(bytes[1 + 208 + 1], 'L');
    EXPECT_EQ(bytes[1 + 208 + 202], 6);
    const auto lista = f.Usuarios();
    ASSERT_EQ(lista.size(), 2u);
    EXPECT_EQ(lista[1].NombreCompleto, "Luis");
    EXPECT_EQ(f.Lee(0)->NombreCompleto, "Ana");
    EXPECT_EQ(f.Lee(1)->Anio, 1970);
    EXPECT_FALSE(f.Lee(2));
    EXPECT_FALSE(f.Lee(-1));
    EXPECT_FALSE(std::filesystem::exists(c.Ruta() / "USUARIOS.DB.tmp~"));
}

TEST(FicheroUsuarios, CountLargerThanTheRecordsIsLoweredToThem)
{
    CarpetaTemporal c;
    std::vector<std::uint8_t> bytes{5};
    const auto r = EscribeUsuario(Usuario("Ana", 3, 4, 1975));
    bytes.insert(bytes.end(), r.begin(), r.end());
    bytes.insert(bytes.end(), r.begin(), r.begin() + 100); // a second record cut short
    c.Escribe("USUARIOS.DB", bytes);
    TFicheroUsuarios f(c.Ruta());
    EXPECT_EQ(f.Usuarios().size(), 1u);
    EXPECT_FALSE(f.Lee(1));
    // A new user goes after the whole record, the count says two, and the cut bytes
    // follow it untouched.
    ASSERT_FALSE(f.Anade(Usuario("Eva", 9, 9, 1999)));
    const auto despues = c.Lee("USUARIOS.DB");
    ASSERT_EQ(despues.size(), 1u + 2 * 208 + 100);
    EXPECT_EQ(despues[0], 2);
    EXPECT_TRUE(std::equal(r.begin(), r.begin() + 100, despues.begin() + 1 + 2 * 208));
    EXPECT_EQ(f.Lee(0)->NombreCompleto, "Ana");
    EXPECT_EQ(f.Lee(1)->NombreCompleto, "Eva");
}

TEST(FicheroUsuarios, EmptyOrHeaderlessFilesHoldNoUser)
{
    CarpetaTemporal c;
    c.Escribe("USUARIOS.DB", {});
    TFicheroUsuarios f(c.Ruta());
    EXPECT_TRUE(f.Usuarios().empty());
    ASSERT_FALSE(f.Anade(Usuario("Ana", 3, 4, 1975)));
    EXPECT_EQ(c.Lee("USUARIOS.DB").size(), 209u);
    EXPECT_EQ(f.Usuarios().size(), 1u);
}

TEST(FicheroUsuarios, RecordsTheCountLeavesOutAreKeptAfterTheNewOne)
{
    CarpetaTemporal c;
    std::vector<std::uint8_t> bytes{1};
    for (const char* nombre : {"Ana", "Oculto"}) {
        const auto r = EscribeUsuario(Usuario(nombre, 1, 1, 1990));
        bytes.insert(bytes.end(), r.begin(), r.end());
    }
    c.Escribe("USUARIOS.DB", bytes);
    TFicheroUsuarios f(c.Ruta());
    ASSERT_EQ(f.Usuarios().size(), 1u);
    ASSERT_FALSE(f.Anade(Usuario("Eva", 9, 9, 1999)));
    const auto lista = f.Usuarios();
    ASSERT_EQ(lista.size(), 2u);
    EXPECT_EQ(lista[1].NombreCompleto, "Eva");
    const auto despues = c.Lee("USUARIOS.DB");
    ASSERT_EQ(despues.size(), 1u + 3 * 208);
    EXPECT_EQ(LeeUsuario(std::span<const std::uint8_t, 208>(despues.data() + 1 + 2 * 208, 208))
                  .NombreCompleto,
              "Oculto");
}

TEST(FicheroUsuarios, BytesPastTheLastPossibleRecordAreKeptWhenAUserIsAdded)
{
    CarpetaTemporal c;
    std::vector<std::uint8_t> bytes{1};
    const auto r = EscribeUsuario(Usuario("Ana", 3, 4, 1975));
    bytes.insert(bytes.end(), r.begin(), r.end());
    // Far more than 255 records could hold: nothing of it is a user, all of it stays.
    for (int i = 0; i < 255 * 208 + 500; ++i)
        bytes.push_back(static_cast<std::uint8_t>(i * 7));
    c.Escribe("USUARIOS.DB", bytes);
    TFicheroUsuarios f(c.Ruta());
    ASSERT_FALSE(f.Anade(Usuario("Eva", 9, 9, 1999)));
    const auto despues = c.Lee("USUARIOS.DB");
    ASSERT_EQ(despues.size(), bytes.size() + 208);
    EXPECT_EQ(despues[0], 2);
    EXPECT_TRUE(std::equal(bytes.begin() + 209, bytes.end(), despues.begin() + 1 + 2 * 208));
    EXPECT_EQ(f.Lee(1)->NombreCompleto, "Eva");
}

TEST(FicheroUsuarios, The256thUserIsRefusedAndTheFileKept)
{
    CarpetaTemporal c;
    std::vector<std::uint8_t> bytes{255};
    for (int i = 0; i < 255; ++i) {
        const auto r = EscribeUsuario(Usuario("U" + std::to_string(i), 1, 1, 1990));
        bytes.insert(bytes.end(), r.begin(), r.end());
    }
    c.Escribe("USUARIOS.DB", bytes);
    TFicheroUsuarios f(c.Ruta());
    EXPECT_EQ(f.Anade(Usuario("Otro", 1, 1, 1990)).value_or(""), kMsgDemasiadosUsuarios);
    EXPECT_EQ(c.Lee("USUARIOS.DB"), bytes);
    EXPECT_EQ(f.Usuarios().size(), 255u);
    EXPECT_EQ(f.Lee(254)->NombreCompleto, "U254");
}

TEST(FicheroUsuarios, AFailedWriteLeavesTheOldFile)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    CarpetaTemporal c;
    TFicheroUsuarios f(c.Ruta());
    ASSERT_FALSE(f.Anade(Usuario("Ana", 3, 4, 1975)));
    const auto antes = c.Lee("USUARIOS.DB");
    std::filesystem::permissions(c.Ruta(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    EXPECT_EQ(f.Anade(Usuario("Eva", 1, 1, 1990)).value_or(""), kMsgErrorGrabandoUsuario);
    std::filesystem::permissions(c.Ruta(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    EXPECT_EQ(c.Lee("USUARIOS.DB"), antes);
}

TEST(FicheroUsuarios, ATemporaryFileThatCannotBeWrittenLeavesTheOldFile)
{
    CarpetaTemporal c;
    TFicheroUsuarios f(c.Ruta());
    ASSERT_FALSE(f.Anade(Usuario("Ana", 3, 4, 1975)));
    const auto antes = c.Lee("USUARIOS.DB");
    // A folder where the temporary file should go: the write fails even for root.
    std::filesystem::create_directory(c.Ruta() / "USUARIOS.DB.tmp~");
    EXPECT_EQ(f.Anade(Usuario("Eva", 1, 1, 1990)).value_or(""), kMsgErrorGrabandoUsuario);
    EXPECT_EQ(c.Lee("USUARIOS.DB"), antes);
    EXPECT_EQ(f.Usuarios().size(), 1u);
}

TEST(FormularioUsuario, NeedsEveryFieldAndANumericYear)
{
    TFormularioUsuario bien{"Ana", 3, 4, "1975"};
    ASSERT_TRUE(UsuarioDelFormulario(bien));
    EXPECT_EQ(UsuarioDelFormulario(bien)->Anio, 1975);
    for (TFormularioUsuario mal :
         {TFormularioUsuario{"", 3, 4, "1975"}, TFormularioUsuario{"Ana", 0, 4, "1975"},
          TFormularioUsuario{"Ana", 3, 0, "1975"}, TFormularioUsuario{"Ana", 3, 4, ""},
          TFormularioUsuario{"Ana", 3, 4, "    "}, TFormularioUsuario{"Ana", 3, 4, "19x5"},
          TFormularioUsuario{"Ana", 3, 4, "-197"}, TFormularioUsuario{"Ana", 3, 4, "19755"}})
        EXPECT_FALSE(UsuarioDelFormulario(mal))
            << mal.Nombre << "/" << mal.Dia << "/" << mal.Mes << "/" << mal.Anio;
    EXPECT_EQ(UsuarioDelFormulario({"Ana", 3, 4, "75  "})->Anio, 75);
}

TEST(SesionSuerte, AcceptingTheUserWindowSetsTheCurrentUser)
{
    TSesionSuerte s;
    EXPECT_FALSE(s.UsuarioEstablecido);
    EXPECT_EQ(s.AceptaUsuario({"Ana", 3, 4, "abcd"}).value_or(""), kMsgUsuarioIncorrecto);
    EXPECT_FALSE(s.UsuarioEstablecido);
    EXPECT_FALSE(s.AceptaUsuario({"Ana", 3, 4, "1975"}));
    EXPECT_TRUE(s.UsuarioEstablecido);
    EXPECT_EQ(s.UsuarioActual.NombreCompleto, "Ana");
}

TEST(SesionSuerte, DrawDateTakesWhatTheListsSay)
{
    TSesionSuerte s;
    EXPECT_FALSE(s.AceptaFecha(31, 2, 2001)); // 31 "Febrero" is accepted as chosen
    EXPECT_TRUE(s.FechaEstablecida);
    EXPECT_EQ(s.FechaSorteo.Dia, 31);
    EXPECT_EQ(s.FechaSorteo.Mes, 2);
    EXPECT_EQ(s.FechaSorteo.Anio, 2001);
    EXPECT_EQ(s.AceptaFecha(0, 2, 2001).value_or(""), kMsgFechaIncorrecta);
    EXPECT_FALSE(s.FechaEstablecida);
    EXPECT_TRUE(s.AceptaFecha(1, 13, 2001));
    EXPECT_TRUE(s.AceptaFecha(1, 1, 1997));
    EXPECT_TRUE(s.AceptaFecha(1, 1, 2027));
    EXPECT_FALSE(s.AceptaFecha(1, 1, 1998));
    EXPECT_FALSE(s.AceptaFecha(31, 12, 2026));
}

} // namespace
} // namespace numbrela

namespace numbrela {
namespace {

TEST(VentanaUsuario, IntroducingStoresTheUserWithoutSettingIt)
{
    prueba::CarpetaTemporal c;
    TFicheroUsuarios f(c.Ruta());
    ASSERT_FALSE(f.AbreOCrea());
    TSesionSuerte s;
    EXPECT_EQ(s.IntroduceUsuario({"Ana", 3, 0, "1975"}, f).value_or(""), kMsgDatosIncompletos);
    EXPECT_TRUE(f.Usuarios().empty());
    EXPECT_FALSE(s.IntroduceUsuario({"Ana", 3, 4, "1975"}, f));
    EXPECT_FALSE(s.IntroduceUsuario({"Luis", 15, 6, "1970"}, f));
    EXPECT_FALSE(s.UsuarioEstablecido);
    EXPECT_EQ(s.UsuarioActual.NombreCompleto, "Luis");
    EXPECT_EQ(c.Lee("USUARIOS.DB")[0], 2);
    // Choosing entry 0 of the list makes Ana current, still without setting the flag.
    EXPECT_FALSE(s.EligeUsuario(0, f));
    EXPECT_EQ(s.UsuarioActual.NombreCompleto, "Ana");
    EXPECT_FALSE(s.UsuarioEstablecido);
    EXPECT_EQ(s.EligeUsuario(2, f).value_or(""), kMsgErrorLeyendoUsuario);
    EXPECT_EQ(s.UsuarioActual.NombreCompleto, "Ana");
}

TEST(VentanaUsuario, OpensOnTheCurrentUserCutTo100Characters)
{
    TSesionSuerte s;
    EXPECT_TRUE(s.FormularioInicial().Nombre.empty());
    ASSERT_FALSE(s.AceptaUsuario({std::string(150, 'n'), 9, 12, "2001"}));
    const TFormularioUsuario f = s.FormularioInicial();
    EXPECT_EQ(f.Nombre.size(), 100u);
    EXPECT_EQ(f.Dia, 9);
    EXPECT_EQ(f.Mes, 12);
    EXPECT_EQ(f.Anio, "2001");
}

} // namespace
} // namespace numbrela
