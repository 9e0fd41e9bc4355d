// The main window driven as a user drives it: buttons, keys, the slip picture and the
// dialogs they open.
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>

#include "../../comun/qt/Usuario.h"
#include "controles/TDibujos.h"
#include "controles/TMiBoton.h"
#include "controles/TPanel.h"
#include "generation/EleccionCompacta.h"
#include "generation/FicheroCompacta.h"
#include "generation/qt/TDialogoNumerosReduccion.h"
#include "generation/qt/TDialogoTipoReduccion.h"
#include "model/CabeceraApuestas.h"
#include "principal/qt/AccionesVentana.h"
#include "principal/qt/TDialogoIrBoleto.h"
#include "principal/qt/TDialogoMultiple.h"
#include "principal/qt/TDialogoNumApuestas.h"
#include "principal/qt/TDialogoNumerosApuesta.h"
#include "principal/qt/TDialogoTipo.h"
#include "principal/qt/TTiraSorteo.h"
#include "principal/qt/TVentanaPrincipal.h"

namespace numbrela::ui {
namespace {

using namespace prueba;

class VentanaPrincipal : public ::testing::Test {
protected:
    ServiciosDePrueba servicios;
    CarpetaPrograma carpeta;
    std::unique_ptr<TVentanaPrincipal> ventana;

    void SetUp() override
    {
        ventana = std::make_unique<TVentanaPrincipal>(carpeta.Ruta());
        ventana->resize(1024, 700);
        ventana->show();
        ventana->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(ventana.get()));
    }

    template <class T> T* Control(const char* nombre) const
    {
        T* c = ventana->findChild<T*>(nombre);
        EXPECT_NE(c, nullptr) << nombre;
        return c;
    }
    // A key pressed in the main window, as the active window (the keys are its shortcuts).
    void Tecla(Qt::Key tecla)
    {
        ventana->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(ventana.get()));
        QTest::keyClick(ventana.get(), tecla);
    }
    TShapeButton* Boton(const char* nombre) const { return Control<TShapeButton>(nombre); }
    QString Texto(const char* panel) const { return Control<TPanel>(panel)->text(); }
    TMiBoton* Apuesta(int i) const
    {
        return Control<TMiBoton>(QString("MiBoton%1").arg(i).toLatin1().constData());
    }
    // Which of the eight bet buttons show.
    QString Visibles() const
    {
        QString s;
        for (int i = 1; i <= 8; ++i)
            s += Apuesta(i)->isVisible() ? '1' : '0';
        return s;
    }

    // "&Tipo", simple, and `n` typed into the count: "Crear".
    void CreaSimples(const QString& n)
    {
        AlAbrirse<TDialogoTipo>([](TDialogoTipo* d) { Pulsa(BotonDe(d, "Simple")); });
        AlAbrirse<TDialogoNumApuestas>([n](TDialogoNumApuestas* d) {
            QTest::keyClicks(d->Edicion(), n);
            Pulsa(BotonDe(d, "Crear"));
        });
        Pulsa(Boton("Tipo"));
    }

    // Marks `numeros` on the bet of column `columna` through its bet button.
    void Marca(int columna, std::vector<int> numeros)
    {
        AlAbrirse<TDialogoNumerosApuesta>([numeros](TDialogoNumerosApuesta* d) {
            for (int n : numeros)
                Pulsa(d->Boton(n));
            Pulsa(BotonDe(d, "Aceptar"));
        });
        QTest::mouseClick(Apuesta(columna + 1), Qt::LeftButton, {}, QPoint(10, 10));
    }

    void IrA(const QString& texto)
    {
        AlAbrirse<TDialogoIrBoleto>([texto](TDialogoIrBoleto* d) {
            QTest::keyClicks(d->Edicion(), texto);
            QTest::keyClick(d, Qt::Key_Return);
        });
        Tecla(Qt::Key_B);
    }
};

TEST_F(VentanaPrincipal, StartsWithOneEmptySimpleBet)
{
    EXPECT_EQ(ventana->windowTitle(), "Numbrela Pro 1.36");
    EXPECT_EQ(Texto("Panel2"), "Tipo de Primitiva: Simple de 1 apuestas, 1 Boletos");
    EXPECT_EQ(Texto("Panel3"), "Boleto 1 de 1");
    EXPECT_EQ(Texto("Panel4"), "100 pts");
    EXPECT_EQ(Texto("Panel31"), "Archivo: NINGUNO");
    EXPECT_EQ(Control<TMiBoton>("MiBoton9")->caption(), "Sin Nombre");
    EXPECT_EQ(Visibles(), "10000000");
    EXPECT_TRUE(Boton("Apuestas")->isEnabled());
    EXPECT_FALSE(Boton("Reducir")->isEnabled());
    EXPECT_FALSE(Boton("Numeros")->isEnabled());
    // Filling needs the run's user and draw date, which the program connects beside the
    // window; a window on its own leaves it off.
    EXPECT_FALSE(Boton("Rellenar")->isEnabled());
    EXPECT_TRUE(Boton("Imprimir")->isEnabled());
    EXPECT_TRUE(servicios.Avisos.isEmpty());
}

TEST_F(VentanaPrincipal, ReducedTenNumbersAlCuatroShowsFiveBets)
{
    AlAbrirse<TDialogoTipo>([](TDialogoTipo* d) { Pulsa(BotonDe(d, "Reducida")); });
    AlAbrirse<TDialogoTipoReduccion>(
        [](TDialogoTipoReduccion* d) { Pulsa(BotonDe(d, "AlCuatro")); });
    AlAbrirse<TDialogoNumerosReduccion>([](TDialogoNumerosReduccion* d) {
        for (int n = 1; n <= 10; ++n)
            Pulsa(d->Boton(n * 4));
        EXPECT_EQ(d->ContadorReducidos()->text(), "Total Reducidos:10");
        EXPECT_EQ(d->ContadorFijos()->text(), "Total Fijos:0");
        Pulsa(BotonDe(d, "Aceptar"));
    });
    Tecla(Qt::Key_T);
    EXPECT_TRUE(servicios.Avisos.isEmpty()) << servicios.Ultimo().toStdString();
    EXPECT_EQ(
        Texto("Panel2"),
        QString::fromUtf8(
            "Tipo de apuesta: Reducida de 10 números, al CUATRO, sin números fijo. Apuestas: 5"));
    EXPECT_EQ(Visibles(), "11111000");
    EXPECT_TRUE(Boton("Reducir")->isEnabled());
    EXPECT_TRUE(Boton("Numeros")->isEnabled());
    EXPECT_FALSE(Boton("Apuestas")->isEnabled());
    EXPECT_EQ(Texto("Panel4"), "500 pts");

    // Its bets cannot be edited, from the button or from the slip.
    QTest::mouseClick(Apuesta(2), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(servicios.Ultimo(), QString::fromUtf8("Las apuestas reducidas no pueden cambiarse ya "
                                                    "que desharía las combinaciones correctas"));
    // A is not "&Apuestas" for a reduced set: nothing opens.
    Tecla(Qt::Key_A);
    EXPECT_EQ(ventana->Conjunto().TotalApuestas(), 5);
}

TEST_F(VentanaPrincipal, ReducedChoiceCancelledKeepsTheSet)
{
    CreaSimples("3");
    AlAbrirse<TDialogoTipo>([](TDialogoTipo* d) { Pulsa(BotonDe(d, "Reducida")); });
    AlAbrirse<TDialogoTipoReduccion>([](TDialogoTipoReduccion* d) { Pulsa(BotonDe(d, "AlTres")); });
    AlAbrirse<TDialogoNumerosReduccion>([](TDialogoNumerosReduccion* d) {
        Pulsa(d->Boton(5));
        Pulsa(BotonDe(d, "Cancelar"));
    });
    Pulsa(Boton("Tipo"));
    EXPECT_EQ(ventana->Conjunto().Tipo(), TipoApuesta::Simple);
    EXPECT_EQ(ventana->Conjunto().TotalApuestas(), 3);
    EXPECT_EQ(Visibles(), "11100000");
}

// A compact design that fails its guarantee is refused with its reason and the table's
// design offered: "No" keeps the set, yes plays the table's. A sound one becomes the set.
TEST_F(VentanaPrincipal, ACompactDesignThatFailsItsGuaranteeIsNeverShown)
{
    // Twelve numbers al TRES in one bet (the table plays four), in place of the delivered one.
    const std::filesystem::path f = carpeta.Ruta() / NombreCompacta(12, 3);
    std::filesystem::remove(f);
    std::ofstream(f, std::ios::binary).write("\1\0\0\0", 4);
    auto elige = [this](const char* garantia) {
        AlAbrirse<TDialogoTipo>([](TDialogoTipo* d) { Pulsa(BotonDe(d, "Reducida")); });
        AlAbrirse<TDialogoTipoReduccion>(
            [garantia](TDialogoTipoReduccion* d) { Pulsa(BotonDe(d, garantia)); });
        AlAbrirse<TDialogoNumerosReduccion>([](TDialogoNumerosReduccion* d) {
            for (int n = 1; n <= 12; ++n)
                Pulsa(d->Boton(n * 4));
            EXPECT_TRUE(d->Compacta()->isEnabled());
            if (!d->Compacta()->isChecked())
                d->Compacta()->click();
            Pulsa(BotonDe(d, "Aceptar"));
        });
        Tecla(Qt::Key_T);
    };
    servicios.Respuesta = false;
    elige("AlTres");
    const std::string pregunta = servicios.Ultimo().toStdString();
    for (const char* parte : {"COM12-3.RLC", "no da la garantía", "de 4 apuestas?"})
        EXPECT_NE(pregunta.find(parte), std::string::npos) << pregunta;
    EXPECT_EQ(Texto("Panel2"), "Tipo de Primitiva: Simple de 1 apuestas, 1 Boletos");
    EXPECT_EQ(ventana->Conjunto().TotalApuestas(), 1);

    servicios.Respuesta = true;
    elige("AlTres");
    EXPECT_EQ(
        Texto("Panel2"),
        QString::fromUtf8(
            "Tipo de apuesta: Reducida de 12 números, al TRES, sin números fijo. Apuestas: 4"));

    const auto n = ApuestasCompacta(carpeta.Ruta(), 12, 4);
    ASSERT_TRUE(n);
    elige("AlCuatro");
    EXPECT_EQ(Texto("Panel2").toStdString(),
              "Reducida compacta de 12 números al CUATRO: " + std::to_string(*n) + " apuestas");
    EXPECT_EQ(ventana->Conjunto().Tipo(), TipoApuesta::Simple);
    EXPECT_EQ(ventana->Conjunto().TotalApuestas(), *n);
    EXPECT_TRUE(Boton("Apuestas")->isEnabled());
    EXPECT_FALSE(Boton("Reducir")->isEnabled());
}

TEST_F(VentanaPrincipal, MultipleOfElevenShowsItsBannerAndOneBet)
{
    AlAbrirse<TDialogoTipo>([](TDialogoTipo* d) { Pulsa(BotonDe(d, "Multiple")); });
    AlAbrirse<TDialogoMultiple>([](TDialogoMultiple* d) { Pulsa(BotonDe(d, "Codigo6")); });
    Pulsa(Boton("Tipo"));
    EXPECT_TRUE(Control<TPanel>("Panel14")->isVisible());
    EXPECT_EQ(Texto("Panel14"), "MULTIPLE 11 Cruces");
    EXPECT_EQ(Visibles(), "10000000");
    EXPECT_EQ(Apuesta(1)->caption(), "1");
    EXPECT_FALSE(Boton("Apuestas")->isEnabled());
    EXPECT_EQ(Texto("Panel4"), "46200 pts");
    EXPECT_EQ(Texto("Panel2"),
              QString::fromUtf8(
                  "Tipo de Primitiva: Multiple de 11 cruces, 462 Apuestas. Un sólo boleto"));

    // Its single bet takes up to eleven crosses.
    Marca(0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    EXPECT_EQ(ventana->Conjunto().Apuestas[0].Cruces, 11);
    EXPECT_FALSE(servicios.Avisos.isEmpty()); // the twelfth was refused

    // Choosing the simple kind hides the banner again.
    CreaSimples("2");
    EXPECT_FALSE(Control<TPanel>("Panel14")->isVisible());
}

TEST_F(VentanaPrincipal, NineBetsPageToASecondSlipOfOne)
{
    CreaSimples("9");
    EXPECT_EQ(Visibles(), "11111111");
    EXPECT_EQ(Texto("Panel3"), "Boleto 1 de 2");
    Pulsa(Boton("Siguiente"));
    EXPECT_EQ(Visibles(), "10000000");
    EXPECT_EQ(Apuesta(1)->caption(), "9");
    EXPECT_EQ(Texto("Panel3"), "Boleto 2 de 2");
    Pulsa(Boton("Siguiente")); // already on the last slip
    EXPECT_EQ(Texto("Panel3"), "Boleto 2 de 2");
    Tecla(Qt::Key_Up); // first slip
    EXPECT_EQ(Texto("Panel3"), "Boleto 1 de 2");
    Tecla(Qt::Key_Down); // last slip
    EXPECT_EQ(Texto("Panel3"), "Boleto 2 de 2");
    Tecla(Qt::Key_Left);
    EXPECT_EQ(Apuesta(8)->caption(), "8");
}

TEST_F(VentanaPrincipal, ClickOnTheColumnOfAHiddenBet)
{
    CreaSimples("2");
    auto* slip = Control<QLabel>("Image1");
    QTest::mouseClick(slip, Qt::LeftButton, {}, QPoint(3 * 93 + 40, 100));
    EXPECT_EQ(servicios.Ultimo(), QString::fromUtf8("-Error: No está creada esa apuesta"));
    // A right click does nothing; a middle click on bet 2 opens its numbers.
    servicios.Avisos.clear();
    QTest::mouseClick(slip, Qt::RightButton, {}, QPoint(3 * 93 + 40, 100));
    EXPECT_TRUE(servicios.Avisos.isEmpty());
    bool abierto = false;
    AlAbrirse<TDialogoNumerosApuesta>([&abierto](TDialogoNumerosApuesta* d) {
        abierto = d->Titulo()->text() == "Marque los NUMEROS de la Apuesta 2";
        QTest::keyClick(d, Qt::Key_Return);
    });
    QTest::mouseClick(slip, Qt::MiddleButton, {}, QPoint(93 + 40, 100));
    EXPECT_TRUE(abierto);
}

TEST_F(VentanaPrincipal, GoToSlipRefusesEmptyAndMissingSlips)
{
    CreaSimples("16");
    IrA("");
    EXPECT_EQ(servicios.Ultimo(), "Error al introducir BOLETO");
    IrA("3");
    EXPECT_EQ(servicios.Ultimo(), "Error: No existe ese boleto");
    IrA("0");
    EXPECT_EQ(Texto("Panel3"), "Boleto 1 de 2");
    IrA("2");
    EXPECT_EQ(Texto("Panel3"), "Boleto 2 de 2");
    EXPECT_EQ(Apuesta(1)->caption(), "9");
}

bool Negro(const QImage& img, int x, int y)
{
    return (img.pixel(x, y) & 0xFFFFFF) == 0;
}

TEST_F(VentanaPrincipal, CrossesLandOnTheirCellsOfTheWorkingCopy)
{
    CreaSimples("2");
    Marca(1, {1, 9, 10, 19, 40, 49}); // the second bet: its block starts at x = 93
    const QImage& img = ventana->CopiaDeTrabajo();
    // Lower-left corners worked out by hand: column c at 93 + 2 + 19c, 1 and 10c at the top
    // of their columns (y 39 and 18), 9 and 10c + 9 at the bottom (y 207).
    const struct {
        int x, y;
    } cruces[] = {{95, 39}, {95, 207}, {114, 18}, {114, 207}, {171, 18}, {171, 207}};
    for (const auto& c : cruces) {
        EXPECT_TRUE(Negro(img, c.x + 1, c.y - 1)) << c.x << "," << c.y;  // lower-left end
        EXPECT_TRUE(Negro(img, c.x + 12, c.y - 1)) << c.x << "," << c.y; // lower-right end
        EXPECT_TRUE(Negro(img, c.x + 1, c.y - 15)) << c.x << "," << c.y; // upper-left end
        EXPECT_TRUE(Negro(img, c.x + 6, c.y - 8) || Negro(img, c.x + 7, c.y - 8))
            << c.x << "," << c.y;
    }
    // Nothing on the first bet, nor on number 2 of the second.
    for (int x = 0; x < 93; ++x)
        for (int y = 0; y < 210; ++y)
            ASSERT_FALSE(Negro(img, x, y)) << x << "," << y;
    EXPECT_FALSE(Negro(img, 95 + 6, 60 - 8));
    // Unmarking both ends of column 0 again clears them.
    Marca(1, {1, 9});
    EXPECT_FALSE(Negro(ventana->CopiaDeTrabajo(), 95 + 6, 39 - 8));
    EXPECT_TRUE(Negro(ventana->CopiaDeTrabajo(), 114 + 1, 18 - 1));
}

TEST_F(VentanaPrincipal, ClickingAMarkedNumberTwiceLeavesTheBet)
{
    Marca(0, {5, 5, 7});
    EXPECT_FALSE(ventana->Conjunto().Apuestas[0].Marcado(5));
    EXPECT_TRUE(ventana->Conjunto().Apuestas[0].Marcado(7));
    EXPECT_EQ(ventana->Conjunto().Apuestas[0].Cruces, 1);
}

TEST_F(VentanaPrincipal, CountDialogRefusesBadEntriesAndKeepsTheSet)
{
    CreaSimples("4");
    // Empty: the message, and the dialog stays open until cancelled.
    bool sigueAbierto = false;
    AlAbrirse<TDialogoNumApuestas>([&](TDialogoNumApuestas* d) {
        Pulsa(BotonDe(d, "Crear"));
        sigueAbierto = d->isVisible();
        QTest::keyClicks(d->Edicion(), "abc"); // letters do not go in
        EXPECT_EQ(d->Edicion()->text(), "");
        Pulsa(BotonDe(d, "Cancelar"));
    });
    Pulsa(Boton("Apuestas"));
    EXPECT_TRUE(sigueAbierto);
    EXPECT_EQ(servicios.Ultimo(), QString::fromUtf8("Valor incorrecto. Inténtelo de nuevo"));
    EXPECT_EQ(ventana->Conjunto().TotalApuestas(), 4);

    // Above the planner's limit: refused, the four bets stay.
    AlAbrirse<TDialogoNumApuestas>([](TDialogoNumApuestas* d) {
        QTest::keyClicks(d->Edicion(), "99999999");
        Pulsa(BotonDe(d, "Crear"));
    });
    Tecla(Qt::Key_A);
    EXPECT_TRUE(servicios.Ultimo().startsWith("Error"));
    EXPECT_EQ(ventana->Conjunto().TotalApuestas(), 4);
    EXPECT_EQ(Texto("Panel2"), "Tipo de Primitiva: Simple de 4 apuestas, 1 Boletos");
}

TEST_F(VentanaPrincipal, AddKeepsTheMarksOfTheBetsThatWere)
{
    CreaSimples("2");
    Marca(1, {3, 13, 23, 33, 43, 44});
    AlAbrirse<TDialogoNumApuestas>([](TDialogoNumApuestas* d) {
        QTest::keyClicks(d->Edicion(), "7");
        Pulsa(BotonDe(d, "Anadir"));
    });
    Pulsa(Boton("Apuestas"));
    EXPECT_EQ(ventana->Conjunto().TotalApuestas(), 9);
    EXPECT_EQ(ventana->Conjunto().Apuestas[1].Cruces, 6);
    EXPECT_EQ(Texto("Panel3"), "Boleto 1 de 2");
}

TEST_F(VentanaPrincipal, SaveAndReopenThroughTheWindows)
{
    CreaSimples("2");
    Marca(0, {1, 2, 3, 4, 5, 6});
    Marca(1, {44, 45, 46, 47, 48, 49});
    const QString ruta = QString::fromStdString((carpeta.Ruta() / "prueba.apu").string());
    servicios.Guardar = ruta;
    ventana->GrabarComo();
    ASSERT_TRUE(servicios.Avisos.isEmpty()) << servicios.Ultimo().toStdString();
    EXPECT_EQ(Texto("Panel31"), ruta);
    EXPECT_EQ(ventana->CaptionAbrirDeNuevo(), ruta);
    EXPECT_EQ(std::filesystem::file_size(ruta.toStdString()), 536u + 12u);

    ventana->Nueva();
    EXPECT_EQ(Texto("Panel31"), "Archivo: NINGUNO");
    servicios.Abrir = ruta;
    ventana->Abrir();
    ASSERT_TRUE(servicios.Avisos.isEmpty()) << servicios.Ultimo().toStdString();
    EXPECT_EQ(ventana->Conjunto().TotalApuestas(), 2);
    EXPECT_TRUE(ventana->Conjunto().Apuestas[0].Marcado(6));
    EXPECT_TRUE(ventana->Conjunto().Apuestas[1].Marcado(44));
    EXPECT_EQ(Visibles(), "11000000");
    EXPECT_EQ(Texto("Panel31"), ruta);

    // A second window over the same folder offers the file under "A&brir de nuevo".
    TVentanaPrincipal otra(carpeta.Ruta());
    EXPECT_EQ(otra.CaptionAbrirDeNuevo(), ruta);
    otra.AbrirDeNuevo();
    EXPECT_EQ(otra.Conjunto().TotalApuestas(), 2);

    // Saving over it asks first; "No" leaves the file as it was.
    servicios.Respuesta = false;
    ventana->Nueva();
    ventana->Conjunto().Apuestas[0].Marca(1);
    for (int n = 2; n <= 6; ++n)
        ventana->Conjunto().Apuestas[0].Marca(n);
    ventana->GrabarComo();
    EXPECT_EQ(servicios.Ultimo(), "El archivo existe, Desea SOBREESCRIBIRLO?");
    EXPECT_EQ(std::filesystem::file_size(ruta.toStdString()), 548u);
}

// A damaged bet file opened from the menu over a saved set, then Ctrl+S: neither file
// changes by a byte. A file cut inside its header leaves the set, its file and "&Grabar"
// as they were; one cut inside its bets is shown as far as it was read, and only
// "G&rabar como..." saves it.
TEST_F(VentanaPrincipal, ADamagedFileOpenedFromTheMenuChangesNoByteOfEitherFile)
{
    auto bytes = [](const std::filesystem::path& p) {
        std::ifstream f(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), {});
    };
    CreaSimples("2");
    Marca(0, {1, 2, 3, 4, 5, 6});
    Marca(1, {44, 45, 46, 47, 48, 49});
    const auto mio = carpeta.Ruta() / "mio.apu";
    servicios.Guardar = QString::fromStdString(mio.string());
    ventana->GrabarComo();
    const std::string mios = bytes(mio);
    ASSERT_EQ(mios.size(), 548u);
    const struct {
        const char* que;
        std::size_t largo;
        const char* mensaje;
        bool seQueda;
    } casos[] = {
        {"cut in the header", 300, "Se ha producido un error durante la lectura de datos", true},
        {"cut in the bets", 540, "Error recobrando apuestas desde disco", false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.que);
        ventana->Nueva();
        servicios.Abrir = QString::fromStdString(mio.string());
        ventana->Abrir();
        ASSERT_EQ(ventana->Conjunto().TotalApuestas(), 2);
        const auto roto = carpeta.Ruta() / "roto.apu";
        std::ofstream(roto, std::ios::binary | std::ios::trunc) << mios.substr(0, c.largo);
        servicios.Abrir = QString::fromStdString(roto.string());
        ventana->Acciones().Abrir->trigger();
        EXPECT_EQ(servicios.Ultimo(), c.mensaje);
        EXPECT_EQ(Texto("Panel31").toStdString(), (c.seQueda ? mio : roto).string());
        EXPECT_EQ(ventana->Acciones().Grabar->isEnabled(), c.seQueda);
        EXPECT_EQ(ventana->Conjunto().TotalApuestas(), c.seQueda ? 2 : 0);
        Tecla(Qt::Key_Escape); // the window is active again
        QTest::keyClick(ventana.get(), Qt::Key_S, Qt::ControlModifier);
        EXPECT_TRUE(bytes(roto) == mios.substr(0, c.largo)) << "the damaged file was written";
        EXPECT_TRUE(bytes(mio) == mios) << "the set's own file was written";
    }
}

TEST_F(VentanaPrincipal, IncompleteBetIsNotSaved)
{
    CreaSimples("2");
    Marca(0, {1, 2, 3, 4, 5, 6});
    Marca(1, {1, 2, 3, 4, 5});
    servicios.Guardar = QString::fromStdString((carpeta.Ruta() / "no.apu").string());
    ventana->GrabarComo();
    EXPECT_EQ(servicios.Ultimo(),
              QString::fromUtf8(
                  "Error: La apuesta 2 no tiene 6 cruces. Complétela e inténtelo de nuevo"));
    EXPECT_FALSE(std::filesystem::exists(carpeta.Ruta() / "no.apu"));
}

TEST_F(VentanaPrincipal, UnreadableCommandLineFileLeavesTheResetSet)
{
    CreaSimples("5");
    EXPECT_FALSE(ventana->AbreFichero("/no/existe/apuesta.apu", true));
    EXPECT_EQ(servicios.Ultimo(),
              "Error: Se ha producido un error leyendo el archivo o el archivo no existe");
    EXPECT_EQ(ventana->Conjunto().TotalApuestas(), 1);
    EXPECT_EQ(Texto("Panel2"), "Tipo de Primitiva: Simple de 1 apuestas, 1 Boletos");
    EXPECT_EQ(Texto("Panel31"), "Archivo: NINGUNO");
}

TEST_F(VentanaPrincipal, GameCycleRenameAndInformationBoxes)
{
    auto* titulo = Control<TPanel>("Panel5");
    EXPECT_EQ(titulo->palette().color(QPalette::Window), QColor(0, 128, 0));
    QTest::mouseClick(Control<TPanel>("Panel6"), Qt::LeftButton);
    EXPECT_EQ(Texto("Panel6"), "BONOLOTO");
    EXPECT_EQ(Texto("Panel4"), "50 pts");
    EXPECT_EQ(titulo->palette().color(QPalette::Window), QColor(0, 0, 255));
    QTest::mouseClick(titulo, Qt::LeftButton, {}, QPoint(400, 10));
    EXPECT_EQ(Texto("Panel6"), "EL GORDO");
    EXPECT_EQ(titulo->palette().color(QPalette::Window), QColor(0, 0, 0));
    QTest::mouseClick(titulo, Qt::LeftButton, {}, QPoint(400, 10));
    EXPECT_EQ(Texto("Panel6"), "LOTERIA PRIMITIVA");

    AlAbrirse<TDialogo>([](TDialogo* d) {
        auto* edit = d->findChild<QLineEdit*>();
        edit->clear();
        QTest::keyClicks(edit, "Pe");
        QKeyEvent enie(QEvent::KeyPress, Qt::Key_Ntilde, Qt::NoModifier, QString::fromUtf8("ñ"));
        QApplication::sendEvent(edit, &enie);
        QTest::keyClicks(edit, "a del bar");
        QTest::keyClick(d, Qt::Key_Return);
    });
    QTest::mouseClick(Control<TMiBoton>("MiBoton9"), Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(Control<TMiBoton>("MiBoton9")->caption(), QString::fromUtf8("Peña del bar"));
    EXPECT_EQ(ventana->Conjunto().Cabecera.Nombre, "Peña del bar");

    Pulsa(Boton("Informacion"));
    for (const char* p : {"Panel3", "Panel4", "Panel31"})
        EXPECT_FALSE(Control<TPanel>(p)->isVisible()) << p;
    EXPECT_FALSE(Control<TMiBoton>("MiBoton9")->isVisible());
    Pulsa(Boton("Informacion"));
    EXPECT_TRUE(Control<TPanel>("Panel3")->isVisible());
    EXPECT_TRUE(Control<TMiBoton>("MiBoton9")->isVisible());
}

// A bet file of nothing but a header, written by hand.
QString FicheroDeCabecera(const std::filesystem::path& carpeta, const char* nombre,
                          const CabeceraApuestas& c, std::int32_t cuenta = -1)
{
    const auto ruta = carpeta / nombre;
    std::ofstream f(ruta, std::ios::binary);
    const auto bytes = EscribeCabecera(c);
    f.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
    if (cuenta >= 0)
        f.write(reinterpret_cast<const char*>(&cuenta), 4);
    return QString::fromStdString(ruta.string());
}

TEST_F(VentanaPrincipal, AFileOfNoKindShowsNoBetsAndOpensNone)
{
    CabeceraApuestas c;
    c.Tipo = 0;
    c.TotalApuestas = 5; // a count that claims bets the kind cannot hold
    c.Nombre = "Nada";
    ASSERT_TRUE(ventana->AbreFichero(FicheroDeCabecera(carpeta.Ruta(), "cero.apu", c)));
    EXPECT_EQ(Visibles(), "00000000");
    EXPECT_EQ(ventana->Conjunto().TotalApuestas(), 0);
    EXPECT_EQ(Texto("Panel4"), "0 pts");
    // Neither the picture nor a key reaches a bet that does not exist.
    QTest::mouseClick(Control<QLabel>("Image1"), Qt::LeftButton, {}, QPoint(40, 100));
    EXPECT_EQ(servicios.Ultimo(), QString::fromUtf8("-Error: No está creada esa apuesta"));
    ventana->EditaApuestaEnColumna(0);
    Tecla(Qt::Key_Right);
    Tecla(Qt::Key_Down);
    EXPECT_EQ(ventana->Conjunto().BoletoActual, 0);
    EXPECT_EQ(Visibles(), "00000000");
}

TEST_F(VentanaPrincipal, AReducedFileWithoutItsReductionFileIsAFileThatCannotBeRead)
{
    CabeceraApuestas c;
    c.Tipo = 3;
    c.TipoReduccion = 2;
    c.TotalReducidos = 9;
    for (std::uint8_t i = 0; i < 9; ++i) {
        const std::uint8_t n = static_cast<std::uint8_t>(40 + i);
        c.ListaReducidos[i] = n;
        c.Reducidos[n - 1u] = n;
    }
    c.TotalApuestas = 3;
    // COM9-4.RLV is delivered: take it away from this program folder.
    std::filesystem::remove(carpeta.Ruta() / "COM9-4.RLV");
    EXPECT_FALSE(ventana->AbreFichero(FicheroDeCabecera(carpeta.Ruta(), "sin.apu", c)));
    EXPECT_EQ(servicios.Ultimo(),
              "Error: Se ha producido un error leyendo el archivo o el archivo no existe");
    EXPECT_EQ(Visibles(), "00000000");
    QTest::mouseClick(Control<QLabel>("Image1"), Qt::LeftButton, {}, QPoint(40, 100));
    EXPECT_EQ(servicios.Ultimo(), QString::fromUtf8("-Error: No está creada esa apuesta"));
}

TEST_F(VentanaPrincipal, TheDrawStripShowsWheneverTheSetHoldsADraw)
{
    auto* tira = Control<TTiraSorteo>("Panel23");
    EXPECT_FALSE(tira->isVisible());
    // A draw stored with the file shows on opening it.
    CabeceraApuestas c;
    c.Tipo = 1;
    c.TotalApuestas = 0;
    c.Nombre = "Con sorteo";
    c.Sorteo = TSorteo{{3, 11, 19, 27, 35, 43}, 8};
    ASSERT_TRUE(ventana->AbreFichero(FicheroDeCabecera(carpeta.Ruta(), "s.apu", c, 0)));
    EXPECT_TRUE(tira->isVisible());
    EXPECT_EQ(Texto("Panel24"), "3");
    EXPECT_EQ(Texto("Panel29"), "43");
    EXPECT_EQ(Texto("Panel30"), "8");
    // Six teal boxes, the complementary navy.
    for (int i = 24; i <= 29; ++i)
        EXPECT_EQ(Control<TPanel>(QString("Panel%1").arg(i).toLatin1().constData())
                      ->palette()
                      .color(QPalette::Window),
                  QColor(0, 128, 128))
            << i;
    EXPECT_EQ(Control<TPanel>("Panel30")->palette().color(QPalette::Window), QColor(0, 0, 128));
    // A new set has no draw; a draw given to the set later shows on the next refresh.
    ventana->Nueva();
    EXPECT_FALSE(tira->isVisible());
    ventana->Conjunto().Cabecera.Sorteo = TSorteo{{1, 2, 3, 4, 5, 6}, 7};
    ventana->Refresca();
    EXPECT_TRUE(tira->isVisible());
    EXPECT_EQ(Texto("Panel30"), "7");
}

TEST_F(VentanaPrincipal, TheGameGoesWithTheWholeHeaderAndStaysOtherwise)
{
    // Each path, from EL GORDO: whether the game is still EL GORDO afterwards.
    const struct {
        const char* camino;
        std::function<void()> hacer;
        bool sigue;
    } caminos[] = {
        {"simple kind", [this] { CreaSimples("3"); }, false},
        {"count",
         [this] {
             AlAbrirse<TDialogoNumApuestas>([](TDialogoNumApuestas* d) {
                 QTest::keyClicks(d->Edicion(), "2");
                 Pulsa(BotonDe(d, "Anadir"));
             });
             Pulsa(Boton("Apuestas"));
         },
         true},
        {"Nueva", [this] { ventana->Acciones().Nueva->trigger(); }, false},
        {"multiple",
         [this] {
             AlAbrirse<TDialogoTipo>([](TDialogoTipo* d) { Pulsa(BotonDe(d, "Multiple")); });
             AlAbrirse<TDialogoMultiple>([](TDialogoMultiple* d) { Pulsa(BotonDe(d, "Codigo1")); });
             Pulsa(Boton("Tipo"));
         },
         false},
    };
    for (const auto& c : caminos) {
        ventana->Nueva();
        ventana->Conjunto().CicloJuego();
        ventana->Conjunto().CicloJuego();
        ventana->Refresca();
        ASSERT_EQ(Texto("Panel6"), "EL GORDO");
        c.hacer();
        EXPECT_EQ(Texto("Panel6"), c.sigue ? "EL GORDO" : "LOTERIA PRIMITIVA") << c.camino;
        EXPECT_EQ(ventana->Conjunto().Cabecera.Juego, c.sigue ? 2 : 0) << c.camino;
    }
}

TEST_F(VentanaPrincipal, OneActionServesMenuPopUpKeyAndButton)
{
    auto& a = ventana->Acciones();
    // Disabling the command disables its button and its key; enabling brings both back.
    a.Apuestas->setEnabled(false);
    EXPECT_FALSE(Boton("Apuestas")->isEnabled());
    bool abierto = false;
    AlAbrirse<TDialogoNumApuestas>([&abierto](TDialogoNumApuestas* d) {
        abierto = true;
        Pulsa(BotonDe(d, "Cancelar"));
    });
    Tecla(Qt::Key_A);
    QTest::qWait(100);
    EXPECT_FALSE(abierto);
    ventana->ActualizaBotones();
    EXPECT_TRUE(Boton("Apuestas")->isEnabled());
    // A command another window carries out: one connection and one switch reach the
    // button, the menu bar's items, the pop-up's and the key.
    // The listing's own window is taken off first, so each place only counts.
    QObject::disconnect(a.Listar, &QAction::triggered, ventana.get(), nullptr);
    int veces = 0;
    QObject::connect(a.Listar, &QAction::triggered, [&veces] { ++veces; });
    a.Listar->setEnabled(true);
    EXPECT_TRUE(Boton("Listar")->isEnabled());
    Pulsa(Boton("Listar"));
    Tecla(Qt::Key_L);
    int enMenus = 0;
    for (QAction* m : ventana->findChildren<QAction*>())
        if (m->text().contains("mprimir listados")) {
            EXPECT_TRUE(m->isEnabled());
            m->trigger();
            ++enMenus;
        }
    EXPECT_EQ(enMenus, 2); // the menu bar's and the pop-up's
    EXPECT_EQ(veces, 4);
}

TEST(VentanaSinDibujos, StartsWithPlainSurfacesAndNamesWhatIsMissing)
{
    ServiciosDePrueba servicios;
    const auto vacia =
        std::filesystem::temp_directory_path() / ("numbrela-vacia-" + std::to_string(::getpid()));
    std::filesystem::create_directories(vacia);
    TDibujos::OlvidaFaltan();
    {
        TVentanaPrincipal v(vacia);
        v.show();
        v.AvisaDibujosQueFaltan();
        EXPECT_TRUE(servicios.Ultimo().contains("Cuadro2.bmp"));
        EXPECT_TRUE(servicios.Ultimo().contains("fondo3.bmp"));
        EXPECT_EQ(v.CopiaDeTrabajo().size(), QSize(745, 210));
        // The buttons still show and answer, on plain faces that say what they do.
        auto* tipo = v.findChild<TShapeButton*>("Tipo");
        EXPECT_TRUE(tipo->insideShape(QPoint(tipo->width() / 2, tipo->height() / 2)));
        EXPECT_EQ(v.findChild<TShapeButton*>("Primero")->caption(), "|<");
    }
    TDibujos::OlvidaFaltan();
    TDibujos::FijaCarpeta(TEST_PROGRAM_DIR);
    std::filesystem::remove_all(vacia);
}

} // namespace
} // namespace numbrela::ui
