// Bet files: the bytes written for each kind, reopening, and every failure with the state
// the set keeps afterwards.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "../comun/MotorDePrueba.h"
#include "files/FicheroApuestas.h"
#include "files/UltimoFichero.h"
#include "generation/ApuestaMultiple.h"

namespace numbrela {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> LeeBytes(const fs::path& p)
{
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

void EscribeBytes(const fs::path& p, const std::vector<std::uint8_t>& b)
{
    std::ofstream f(p, std::ios::binary);
    f.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

class Carpeta : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::path(TEST_BUILD_DIR) / "ficheros" /
               ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    fs::path dir_;
};

void Rellena(TApuestas& a, std::initializer_list<int> numeros)
{
    a.BorraMarcas();
    for (int n : numeros)
        a.Marca(n);
}

TConjuntoApuestas TresSimples()
{
    TConjuntoApuestas c;
    std::string e;
    TTextosConjunto t;
    c.CreaSimples(3, e, t);
    Rellena(c.Apuestas[0], {49, 1, 2, 3, 4, 5});
    Rellena(c.Apuestas[1], {7, 14, 21, 28, 35, 42});
    Rellena(c.Apuestas[2], {10, 20, 30, 40, 41, 11});
    c.FijaNombre("Semana");
    return c;
}

TEST_F(Carpeta, ThreeSimpleBetsWrite554Bytes)
{
    TConjuntoApuestas c = TresSimples();
    std::string e;
    ASSERT_TRUE(FicheroApuestas::Graba(c, dir_ / "a.apu", ModoGrabacion::GrabarComo, dir_, e)) << e;
    const auto b = LeeBytes(dir_ / "a.apu");
    ASSERT_EQ(b.size(), 554u);
    const auto cab = EscribeCabecera(c.Cabecera);
    EXPECT_TRUE(std::equal(cab.begin(), cab.end(), b.begin()));
    EXPECT_EQ(b[101], 1); // Tipo
    const std::vector<std::uint8_t> resto(b.begin() + 532, b.end());
    const std::vector<std::uint8_t> esperado = {3,  0,  0,  0,  1,  2,  3,  4,  5,  49, 7,
                                                14, 21, 28, 35, 42, 10, 11, 20, 30, 40, 41};
    EXPECT_EQ(resto, esperado);
    // "G&rabar como..." makes the file the set's own and records it.
    EXPECT_EQ(c.NombreFichero, (dir_ / "a.apu").string());
    EXPECT_TRUE(c.GrabarHabilitado);
    EXPECT_EQ(UltimoFichero::MeteCadena(dir_), (dir_ / "a.apu").string());
    EXPECT_FALSE(fs::exists(dir_ / "a.apu.tmp~"));
}

TEST_F(Carpeta, AnIncompleteBetIsNamedAndNoFileIsTouched)
{
    TConjuntoApuestas c = TresSimples();
    c.Apuestas[1].Desmarca(42);
    EscribeBytes(dir_ / "a.apu", {1, 2, 3});
    std::string e;
    EXPECT_FALSE(FicheroApuestas::Graba(c, dir_ / "a.apu", ModoGrabacion::GrabarComo, dir_, e));
    EXPECT_EQ(e, "Error: La apuesta 2 no tiene 6 cruces. Complétela e inténtelo de nuevo");
    EXPECT_EQ(LeeBytes(dir_ / "a.apu"), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(c.NombreFichero, "NINGUNO");
    EXPECT_FALSE(fs::exists(dir_ / kNombreUltimo));
    EXPECT_FALSE(fs::exists(dir_ / "b.apu"));
}

TEST_F(Carpeta, SimpleSetRoundTripsByteForByte)
{
    TConjuntoApuestas c = TresSimples();
    c.Cabecera.Sorteo.Numeros = {1, 3, 7, 12, 30, 45};
    c.Cabecera.Sorteo.Complementario = 9;
    c.CicloJuego();
    std::string e;
    ASSERT_TRUE(FicheroApuestas::Graba(c, dir_ / "a.apu", ModoGrabacion::GrabarComo, dir_, e));

    TConjuntoApuestas d;
    const auto r = FicheroApuestas::AbreDeUnaVez(d, dir_ / "a.apu");
    ASSERT_TRUE(r.Ok) << r.Error;
    EXPECT_TRUE(r.MostrarSorteo);
    EXPECT_EQ(r.PanelFichero, (dir_ / "a.apu").string());
    EXPECT_EQ(r.Textos.Leyenda, "Tipo de Primitiva: Simple de 3 apuestas, 1 Boletos");
    EXPECT_EQ(r.Textos.Contador, "Boleto 1 de 1");
    EXPECT_EQ(d.Cabecera.Nombre, "Semana");
    EXPECT_EQ(d.Cabecera.Juego, 1);
    ASSERT_EQ(d.Apuestas.size(), 3u);
    EXPECT_TRUE(d.Apuestas[0].Marcado(49));
    EXPECT_EQ(d.Apuestas[2].Cruces, 6);
    ASSERT_TRUE(FicheroApuestas::Graba(d, dir_ / "b.apu", ModoGrabacion::Grabar, dir_, e));
    EXPECT_EQ(LeeBytes(dir_ / "a.apu"), LeeBytes(dir_ / "b.apu"));
    // "&Grabar" does not touch the last-file record.
    EXPECT_EQ(UltimoFichero::MeteCadena(dir_), (dir_ / "a.apu").string());
}

TEST_F(Carpeta, MultipleOfNineReopensWithNineMarks)
{
    TConjuntoApuestas c;
    TTextosConjunto t;
    ASSERT_TRUE(ApuestaMultiple::Crea(c, 4, t));
    Rellena(c.Apuestas[0], {3, 8, 15, 16, 23, 42, 44, 47, 49});
    std::string e;
    ASSERT_TRUE(FicheroApuestas::Graba(c, dir_ / "m.apu", ModoGrabacion::GrabarComo, dir_, e));
    const auto b = LeeBytes(dir_ / "m.apu");
    ASSERT_EQ(b.size(), 543u);
    EXPECT_EQ(b[320], 4);
    EXPECT_EQ(std::vector<std::uint8_t>(b.begin() + 532, b.end()),
              (std::vector<std::uint8_t>{3, 8, 15, 16, 23, 42, 44, 47, 49, 0, 0}));

    TConjuntoApuestas d;
    const auto r = FicheroApuestas::AbreDeUnaVez(d, dir_ / "m.apu");
    ASSERT_TRUE(r.Ok) << r.Error;
    EXPECT_EQ(d.Tipo(), TipoApuesta::Multiple);
    ASSERT_EQ(d.Apuestas.size(), 1u);
    EXPECT_EQ(d.Apuestas[0].Cruces, 9);
    EXPECT_EQ(d.CrucesPorApuesta, 9);
    EXPECT_TRUE(d.Apuestas[0].Marcado(47));
    EXPECT_EQ(d.TotalApuestas(), 84);
}

TEST_F(Carpeta, ReducedSetReopensWithItsOwnNameAndDraw)
{
    prueba::MotorDePrueba motor;
    motor.Sistemas[{9, 2}] = {1, 40, 84};
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
    c.FijaNombre("Reducida de la semana");
    c.Cabecera.Sorteo.Numeros = {2, 5, 11, 17, 30, 45};
    c.Cabecera.Sorteo.Complementario = 23;
    ASSERT_TRUE(FicheroApuestas::Graba(c, dir_ / "r.apu", ModoGrabacion::GrabarComo, dir_, e));
    EXPECT_EQ(LeeBytes(dir_ / "r.apu").size(), 532u);

    TConjuntoApuestas d(&motor);
    const auto r = FicheroApuestas::AbreDeUnaVez(d, dir_ / "r.apu");
    ASSERT_TRUE(r.Ok) << r.Error;
    EXPECT_EQ(d.Cabecera.Nombre, "Reducida de la semana");
    EXPECT_EQ(d.Cabecera.Sorteo.Complementario, 23);
    EXPECT_TRUE(r.MostrarSorteo);
    EXPECT_EQ(d.BufferRangos, (std::vector<std::uint32_t>{1, 40, 84}));
    EXPECT_EQ(r.Textos.Leyenda,
              "Tipo de apuesta: Reducida de 9 números, al CUATRO, sin números fijo. Apuestas: 3");
    ASSERT_EQ(d.Apuestas.size(), 3u);
    EXPECT_TRUE(d.Apuestas[2].Marcado(41)); // rank 84 of 9 is positions 4..9
    EXPECT_TRUE(d.Apuestas[2].Marcado(17));

    // Without its reduction file the set holds no bet at all.
    motor.Sistemas.clear();
    TConjuntoApuestas sin(&motor);
    const auto r2 = FicheroApuestas::AbreDeUnaVez(sin, dir_ / "r.apu");
    EXPECT_FALSE(r2.Ok);
    EXPECT_EQ(r2.Error,
              "Error: Se ha producido un error leyendo el archivo o el archivo no existe");
    EXPECT_EQ(sin.TotalApuestas(), 0);
    EXPECT_TRUE(sin.BufferRangos.empty());
    EXPECT_TRUE(sin.Apuestas.empty());
    EXPECT_EQ(sin.Cabecera.Nombre, "Reducida de la semana");
}

TEST(FicheroApuestas, ProposedNameIsTheFirst32Characters)
{
    TConjuntoApuestas c;
    c.FijaNombre("Apuestas del mes de diciembre de dos mil"); // 40 characters
    EXPECT_EQ(FicheroApuestas::NombrePropuesto(c), "Apuestas del mes de diciembre de");
    c.FijaNombre("Año");
    EXPECT_EQ(FicheroApuestas::NombrePropuesto(c), "Año");
}

// A sink that fails on its k-th write (0-based).
class SalidaQueFalla : public TSalidaApuestas {
public:
    explicit SalidaQueFalla(int falla) : falla_(falla) {}
    bool Escribe(std::span<const std::uint8_t>) override { return n_++ != falla_; }

private:
    int falla_;
    int n_ = 0;
};

TEST(FicheroApuestas, EachWriteStepHasItsMessage)
{
    TConjuntoApuestas c = TresSimples();
    std::string e;
    SalidaQueFalla cabecera(0);
    EXPECT_FALSE(FicheroApuestas::EscribeApuestas(c, cabecera, e));
    EXPECT_EQ(e, "Error: Se ha producido un error durante la grabación de datos");
    SalidaQueFalla total(1);
    EXPECT_FALSE(FicheroApuestas::EscribeApuestas(c, total, e));
    EXPECT_EQ(e, "Error grabando tamaño en apuestas");

    TTextosConjunto t;
    ApuestaMultiple::Crea(c, 1, t);
    SalidaQueFalla lista(1);
    EXPECT_FALSE(FicheroApuestas::EscribeApuestas(c, lista, e));
    EXPECT_EQ(e, "Error grabando apuesta de multiple");
}

TEST_F(Carpeta, AFileThatCannotBeCreatedKeepsTheSetsFile)
{
    TConjuntoApuestas c = TresSimples();
    std::string e;
    EXPECT_FALSE(
        FicheroApuestas::Graba(c, dir_ / "no" / "a.apu", ModoGrabacion::GrabarComo, dir_, e));
    EXPECT_EQ(e, "Error: No es posible crear el archivo");
    EXPECT_EQ(c.NombreFichero, "NINGUNO");
    EXPECT_FALSE(fs::exists(dir_ / kNombreUltimo));
    EXPECT_FALSE(FicheroApuestas::Graba(c, dir_ / "no" / "a.apu", ModoGrabacion::Grabar, dir_, e));
    EXPECT_EQ(e, "Error: No es posible grabar este archivo");
}

TEST_F(Carpeta, AFailedSaveLeavesThePreviousFileWhole)
{
    TConjuntoApuestas c = TresSimples();
    std::string e;
    ASSERT_TRUE(FicheroApuestas::Graba(c, dir_ / "a.apu", ModoGrabacion::GrabarComo, dir_, e));
    const auto antes = LeeBytes(dir_ / "a.apu");
    // Something that cannot be replaced stands where the temporary file would go.
    fs::create_directories(dir_ / "a.apu.tmp~");
    c.FijaNombre("Otra cosa");
    EXPECT_FALSE(FicheroApuestas::Graba(c, dir_ / "a.apu", ModoGrabacion::Grabar, dir_, e));
    EXPECT_EQ(e, "Error: No es posible grabar este archivo");
    EXPECT_EQ(LeeBytes(dir_ / "a.apu"), antes);
    EXPECT_TRUE(fs::is_directory(dir_ / "a.apu.tmp~")); // not ours: left alone
}

TEST_F(Carpeta, AMissingFileCannotBeOpened)
{
    TConjuntoApuestas c = TresSimples();
    const auto r = FicheroApuestas::AbreDeUnaVez(c, dir_ / "nada.apu");
    EXPECT_FALSE(r.Ok);
    EXPECT_EQ(r.Error, "Error: Se ha producido un error leyendo el archivo o el archivo no existe");
    EXPECT_EQ(c.Cabecera.Nombre, "Semana");
    EXPECT_EQ(c.NombreFichero, "NINGUNO");
}

// The bytes of a saved set, built by hand: header, count, records.
std::vector<std::uint8_t> BytesSimples(std::int32_t total, std::int32_t cuenta,
                                       const std::vector<std::array<std::uint8_t, 6>>& apuestas)
{
    CabeceraApuestas c;
    c.Nombre = "Leida";
    c.Tipo = 1;
    c.TotalApuestas = total;
    c.Leyenda = "Tipo de Primitiva: Simple de 2 apuestas, 1 Boletos";
    const auto cab = EscribeCabecera(c);
    std::vector<std::uint8_t> b(cab.begin(), cab.end());
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(cuenta) >> (8 * i)));
    for (const auto& a : apuestas)
        b.insert(b.end(), a.begin(), a.end());
    return b;
}

TEST(FicheroApuestas, TruncatedAnywhereGivesTheMessageOfWhatWasBeingRead)
{
    const auto entero = BytesSimples(2, 2, {{1, 2, 3, 4, 5, 6}, {10, 20, 30, 40, 45, 49}});
    ASSERT_EQ(entero.size(), 548u);
    for (std::size_t largo = 0; largo < entero.size(); ++largo) {
        // The set on screen came from a file of its own and can be saved to it.
        TConjuntoApuestas c = TresSimples();
        c.NombreFichero = "mio.apu";
        c.GrabarHabilitado = c.GrabarComoHabilitado = true;
        const auto r = FicheroApuestas::Lee(c, std::span(entero.data(), largo), "x.apu");
        ASSERT_FALSE(r.Ok) << largo;
        // Until a header is accepted the set keeps its file and "&Grabar"; after a partial
        // read only "G&rabar como..." saves, so the damaged file is never written over.
        const bool cabecera = largo >= 532;
        EXPECT_EQ(c.NombreFichero, cabecera ? "x.apu" : "mio.apu") << largo;
        EXPECT_EQ(c.GrabarHabilitado, !cabecera) << largo;
        EXPECT_TRUE(c.GrabarComoHabilitado);
        if (largo < 532) {
            EXPECT_EQ(r.Error, "Se ha producido un error durante la lectura de datos");
            EXPECT_EQ(c.Cabecera.Nombre, "Semana"); // the header was not read
            EXPECT_EQ(c.Apuestas.size(), 3u);
        } else if (largo < 536) {
            EXPECT_EQ(r.Error, "Error en la lectura del total de apuestas a crear");
            EXPECT_EQ(c.Cabecera.Nombre, "Leida");
            EXPECT_EQ(c.TotalApuestas(), 0);
            EXPECT_TRUE(c.Apuestas.empty());
        } else {
            EXPECT_EQ(r.Error, "Error recobrando apuestas desde disco");
            // The set keeps the bets read before the failure.
            const std::size_t leidas = largo >= 542 ? 1 : 0;
            ASSERT_EQ(c.Apuestas.size(), leidas);
            EXPECT_EQ(c.TotalApuestas(), static_cast<std::int64_t>(leidas));
            if (leidas == 1) {
                EXPECT_TRUE(c.Apuestas[0].Marcado(6));
            }
            // With no bet left the set has no slip ("Boleto 1 de 0").
            EXPECT_EQ(r.Textos.Leyenda, "Tipo de Primitiva: Simple de " + std::to_string(leidas) +
                                            " apuestas, " + std::to_string(leidas) + " Boletos");
        }
    }
}

TEST(FicheroApuestas, BadContentIsRefused)
{
    struct Caso {
        const char* que;
        std::vector<std::uint8_t> bytes;
        const char* error;
    };
    auto cambia = [](std::vector<std::uint8_t> b, std::size_t pos, std::uint8_t v) {
        b[pos] = v;
        return b;
    };
    const auto bueno = BytesSimples(2, 2, {{1, 2, 3, 4, 5, 6}, {10, 20, 30, 40, 45, 49}});
    const std::vector<Caso> casos = {
        {"kind 4", cambia(bueno, 101, 4), "Se ha producido un error durante la lectura de datos"},
        {"kind 255", cambia(bueno, 101, 255),
         "Se ha producido un error durante la lectura de datos"},
        {"count differs", BytesSimples(2, 3, {{1, 2, 3, 4, 5, 6}, {10, 20, 30, 40, 45, 49}}),
         "Error en la lectura del total de apuestas a crear"},
        {"negative count", BytesSimples(-1, -1, {}),
         "Error en la lectura del total de apuestas a crear"},
        {"huge count", BytesSimples(0x7fffffff, 0x7fffffff, {}),
         "Error en la lectura del total de apuestas a crear"},
        {"count beyond the file", BytesSimples(1000, 1000, {{1, 2, 3, 4, 5, 6}}),
         "Error recobrando apuestas desde disco"},
        {"number 0", cambia(bueno, 536 + 6 + 2, 0), "Error recobrando apuestas desde disco"},
        {"number 50", cambia(bueno, 536 + 6 + 5, 50), "Error recobrando apuestas desde disco"},
        {"repeated", cambia(bueno, 536 + 6 + 1, 10), "Error recobrando apuestas desde disco"},
    };
    for (const auto& caso : casos) {
        TConjuntoApuestas c = TresSimples();
        c.NombreFichero = "mio.apu";
        c.GrabarHabilitado = true;
        const auto r = FicheroApuestas::Lee(c, caso.bytes, "x.apu");
        EXPECT_FALSE(r.Ok) << caso.que;
        EXPECT_EQ(r.Error, caso.error) << caso.que;
        // A refused header leaves the set, its file and "&Grabar" as they were.
        const bool refusada = r.Error == "Se ha producido un error durante la lectura de datos";
        EXPECT_EQ(c.NombreFichero, refusada ? "mio.apu" : "x.apu") << caso.que;
        EXPECT_EQ(c.GrabarHabilitado, refusada) << caso.que;
        EXPECT_EQ(c.Cabecera.Nombre, refusada ? "Semana" : "Leida") << caso.que;
        // Whatever failed, the bets agree with the header.
        if (c.Tipo() == TipoApuesta::Simple) {
            EXPECT_EQ(c.Apuestas.size(), static_cast<std::size_t>(c.TotalApuestas())) << caso.que;
        }
    }
    // The first bet of the "number 0" file was read before the second failed.
    TConjuntoApuestas c;
    FicheroApuestas::Lee(c, cambia(bueno, 536 + 6 + 2, 0), "x.apu");
    ASSERT_EQ(c.Apuestas.size(), 1u);
    EXPECT_EQ(c.Apuestas[0].Cruces, 6);
}

TEST(FicheroApuestas, MultipleWithABadCodeOrListIsRefused)
{
    CabeceraApuestas cab;
    cab.Tipo = 2;
    cab.CodigoMultiple = 1;
    cab.TotalApuestas = 7;
    const auto h = EscribeCabecera(cab);
    std::vector<std::uint8_t> b(h.begin(), h.end());
    const std::uint8_t lista[] = {1, 2, 3, 4, 5, 6, 60, 0, 0, 0, 0};
    b.insert(b.end(), std::begin(lista), std::end(lista));
    TConjuntoApuestas c;
    auto r = FicheroApuestas::Lee(c, b, "m.apu");
    EXPECT_EQ(r.Error, "Error recobrando apuestas desde disco");
    ASSERT_EQ(c.Apuestas.size(), 1u);
    EXPECT_EQ(c.Apuestas[0].Cruces, 0);

    for (std::uint8_t codigo : {0, 7, 200}) {
        b[320] = codigo;
        TConjuntoApuestas d;
        r = FicheroApuestas::Lee(d, b, "m.apu");
        EXPECT_EQ(r.Error, "Se ha producido un error durante la lectura de datos");
        EXPECT_EQ(d.Tipo(), TipoApuesta::Simple); // the header was not taken
    }
    b[320] = 1;
    b.resize(540);
    TConjuntoApuestas e;
    r = FicheroApuestas::Lee(e, b, "m.apu");
    EXPECT_EQ(r.Error, "Error recobrando apuestas desde disco");
}

TEST_F(Carpeta, LastFileRecord)
{
    EXPECT_FALSE(UltimoFichero::MeteCadena(dir_));
    EscribeBytes(dir_ / kNombreUltimo, {});
    EXPECT_FALSE(UltimoFichero::MeteCadena(dir_));

    const std::string veinte = "C:\\Apuestas\\abc.apu"; // 19, plus one below
    ASSERT_TRUE(UltimoFichero::GrabaUltimo(dir_, veinte + "x"));
    const auto b = LeeBytes(dir_ / kNombreUltimo);
    ASSERT_EQ(b.size(), 21u);
    EXPECT_EQ(b[0], 20);
    EXPECT_EQ(UltimoFichero::MeteCadena(dir_), veinte + "x");

    // Windows-1252 on disk, UTF-8 in memory.
    ASSERT_TRUE(UltimoFichero::GrabaUltimo(dir_, "/home/año.apu"));
    EXPECT_EQ(LeeBytes(dir_ / kNombreUltimo).size(), 14u);
    EXPECT_EQ(UltimoFichero::MeteCadena(dir_), "/home/año.apu");

    // A long path keeps every character; the length byte says 255.
    const std::string largo = "/" + std::string(300, 'a') + ".apu";
    ASSERT_TRUE(UltimoFichero::GrabaUltimo(dir_, largo));
    const auto bl = LeeBytes(dir_ / kNombreUltimo);
    EXPECT_EQ(bl.size(), largo.size() + 1);
    EXPECT_EQ(bl[0], 255);
    EXPECT_EQ(UltimoFichero::MeteCadena(dir_), largo);

    // A path Windows-1252 cannot spell is not recorded; the previous one stays.
    EXPECT_FALSE(UltimoFichero::GrabaUltimo(dir_, "/home/日本.apu"));
    EXPECT_EQ(UltimoFichero::MeteCadena(dir_), largo);
    // Readers ignore the length byte.
    EscribeBytes(dir_ / kNombreUltimo, {3, 'a', '.', 'a', 'p', 'u'});
    EXPECT_EQ(UltimoFichero::MeteCadena(dir_), "a.apu");
}

} // namespace
} // namespace numbrela
