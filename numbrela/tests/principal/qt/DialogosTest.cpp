// The dialogs on their own, and the commands of the main window that only open them.
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <gtest/gtest.h>

#include "../../comun/qt/Usuario.h"
#include "controles/TBloqueoEntrada.h"
#include "generation/EleccionCompacta.h"
#include "generation/qt/TDialogoInformacion.h"
#include "generation/qt/TDialogoNumerosReduccion.h"
#include "generation/qt/TDialogoTipoReduccion.h"
#include "generation/qt/TTablaReducciones.h"
#include "principal/qt/TDialogoSalir.h"
#include "principal/qt/TDialogoTipo.h"
#include "principal/qt/TPrimeraActivacion.h"
#include "principal/qt/TVentanaImagen.h"
#include "principal/qt/TVentanaPrincipal.h"

namespace numbrela::ui {
namespace {

using namespace prueba;

TEST(DialogoNumerosReduccion, ThirdClickReturnsToGreyAndLowersBothCounters)
{
    UsaCarpetaDelPrograma();
    CabeceraApuestas c;
    bool compacta = false;
    TDialogoNumerosReduccion d(nullptr, c, {}, compacta, TEST_PROGRAM_DIR);
    ASSERT_TRUE(Muestra(d));
    Pulsa(d.Boton(8));
    EXPECT_EQ(d.ContadorReducidos()->text(), "Total Reducidos:1");
    EXPECT_EQ(d.Boton(8)->font().bold(), true);
    Pulsa(d.Boton(8)); // fixed: red, underlined; the title says fixed numbers cannot be edited
    EXPECT_EQ(d.ContadorFijos()->text(), "Total Fijos:1");
    EXPECT_TRUE(d.Boton(8)->font().underline());
    EXPECT_EQ(d.Titulo()->text(), "No se pueden editar apuestas");
    EXPECT_FALSE(d.findChild<TShapeButton*>("BorrarTodos")->isEnabled());
    Pulsa(d.Boton(8));
    EXPECT_EQ(d.ContadorReducidos()->text(), "Total Reducidos:0");
    EXPECT_EQ(d.ContadorFijos()->text(), "Total Fijos:0");
    EXPECT_FALSE(d.Boton(8)->font().bold());
    EXPECT_EQ(d.Titulo()->text(), QString::fromUtf8("Escoja los números que desea reducir"));
    EXPECT_TRUE(d.findChild<TShapeButton*>("BorrarTodos")->isEnabled());
}

TEST(DialogoNumerosReduccion, SixNumbersAreRefusedAndTheDialogStays)
{
    UsaCarpetaDelPrograma();
    ServiciosDePrueba servicios;
    CabeceraApuestas c;
    bool compacta = false;
    TDialogoNumerosReduccion d(nullptr, c, {}, compacta, TEST_PROGRAM_DIR);
    int resultado = -1;
    QObject::connect(&d, &QDialog::finished, [&](int r) { resultado = r; });
    ASSERT_TRUE(Muestra(d));
    for (int n = 1; n <= 6; ++n)
        Pulsa(d.Boton(n));
    QTest::keyClick(&d, Qt::Key_Return);
    EXPECT_EQ(servicios.Ultimo(),
              QString::fromUtf8(
                  "Error: Debe escoger un mínimo de 7 números para una reducción correcta"));
    EXPECT_EQ(resultado, -1);
    Pulsa(d.Boton(7));
    QTest::keyClick(&d, Qt::Key_Return);
    EXPECT_EQ(resultado, TDialogo::kAceptado);
    EXPECT_EQ(c.ListaReducidos[6], 7);
}

TEST(DialogoTipoReduccion, SetsTheKindAndCancelLeavesZero)
{
    UsaCarpetaDelPrograma();
    std::uint8_t tipo = 2;
    bool compacta = false;
    const CabeceraApuestas sinNumeros;
    {
        TDialogoTipoReduccion d(nullptr, tipo, compacta, sinNumeros, TEST_PROGRAM_DIR);
        EXPECT_EQ(tipo, 0); // while open
        ASSERT_TRUE(Muestra(d));
        Pulsa(d.findChild<TShapeButton*>("AlCinco"));
        EXPECT_EQ(d.result(), TDialogo::kAceptado);
    }
    EXPECT_EQ(tipo, 3);
    TDialogoTipoReduccion d(nullptr, tipo, compacta, sinNumeros, TEST_PROGRAM_DIR);
    ASSERT_TRUE(Muestra(d));
    Pulsa(d.findChild<TShapeButton*>("Cancelar"));
    EXPECT_EQ(d.result(), TDialogo::kCancelado);
}

// With the numbers known ("Red&ucir"), each guarantee shows both counts; the keys choose.
TEST(DialogoTipoReduccion, ShowsBothCountsForTheNumbersAndPicksFromTheKeyboard)
{
    UsaCarpetaDelPrograma();
    CabeceraApuestas c;
    TNumerosReducida numeros(c);
    for (int n = 1; n <= 49; ++n)
        numeros.Pulsa(n);
    std::string error;
    ASSERT_TRUE(numeros.Acepta(error));
    std::uint8_t tipo = 0;
    bool compacta = false;
    TDialogoTipoReduccion d(nullptr, tipo, compacta, c, TEST_PROGRAM_DIR);
    ASSERT_TRUE(Muestra(d));
    for (int k = 3; k <= 5; ++k) {
        c.TipoReduccion = static_cast<std::uint8_t>(k - 2);
        EXPECT_EQ(d.Oferta(k)->text().toStdString(), OfertaCompacta(TEST_PROGRAM_DIR, c).Texto);
    }
    EXPECT_TRUE(d.Oferta(3)->text().startsWith(
        QString::fromUtf8("al TRES: tabla 496 apuestas, compacta ")));
    EXPECT_EQ(NombreAccesible(d.Compacta()), QString::fromUtf8("Diseño compacto"));
    // Alt+C at once followed by 4: the choice is taken before the dialog closes.
    QTest::keyClick(&d, Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(compacta);
    QTest::keyClick(&d, Qt::Key_4);
    EXPECT_EQ(d.result(), TDialogo::kAceptado);
    EXPECT_EQ(tipo, 2);
}

TEST(TablaReducciones, ShowsFortyThreeRowsFromSevenToFortyNine)
{
    UsaCarpetaDelPrograma();
    TTablaReducciones t(nullptr, TEST_PROGRAM_DIR);
    QTableWidget* r = t.Rejilla();
    EXPECT_EQ(t.windowTitle(), "Reducciones y sus precios");
    ASSERT_EQ(r->rowCount(), 43);
    EXPECT_EQ(r->horizontalHeaderItem(0)->text(), QString::fromUtf8("Total Números"));
    EXPECT_EQ(r->horizontalHeaderItem(6)->text(), QString::fromUtf8("Reducción\nal 3"));
    EXPECT_EQ(r->horizontalHeaderItem(7)->text(), QString::fromUtf8("Compacta\nal 3"));
    // The row of ten numbers: C(10, 6) = 210 direct bets, 18 al 5, 5 al 4, 2 al 3, each
    // with its compact design beside it.
    EXPECT_EQ(r->item(3, 0)->text(), "10");
    EXPECT_EQ(r->item(3, 1)->text(), "210");
    EXPECT_EQ(r->item(3, 2)->text(), "18");
    EXPECT_EQ(r->item(3, 4)->text(), "5");
    EXPECT_EQ(r->item(3, 6)->text(), "2");
    EXPECT_EQ(r->item(42, 1)->text(), "13983816");
    for (int k = 5, c = 3; k >= 3; --k, c += 2)
        EXPECT_EQ(r->item(42, c)->text().toLongLong(), *ApuestasCompacta(TEST_PROGRAM_DIR, 49, k));
}

TEST(DialogoTipo, EnterAndEscapeChooseNothing)
{
    UsaCarpetaDelPrograma();
    TDialogoTipo d(nullptr);
    ASSERT_TRUE(Muestra(d));
    QTest::keyClick(&d, Qt::Key_Return);
    EXPECT_EQ(d.result(), TDialogoTipo::kNinguno);
    TDialogoTipo e(nullptr);
    ASSERT_TRUE(Muestra(e));
    QTest::keyClick(&e, Qt::Key_Escape);
    EXPECT_EQ(e.result(), TDialogoTipo::kNinguno);
}

TEST(VentanaImagen, InformationModeIsFiveHundredByFourHundredWithItsButtonMoved)
{
    UsaCarpetaDelPrograma();
    TVentanaImagen acerca(nullptr, TVentanaImagen::Modo::AcercaDe);
    TVentanaImagen info(nullptr, TVentanaImagen::Modo::Informacion);
    EXPECT_EQ(info.size(), QSize(500, 400));
    const QPoint a = acerca.findChild<TShapeButton*>("Aceptar")->pos();
    const QPoint i = info.findChild<TShapeButton*>("Aceptar")->pos();
    EXPECT_EQ(i - a, QPoint(150, -10));
    ASSERT_TRUE(Muestra(info));
    QTest::keyClick(&info, Qt::Key_Return);
    EXPECT_EQ(info.result(), TDialogo::kAceptado);
}

TEST(BloqueoEntrada, SwallowsInputExceptForTheWindowAllowed)
{
    UsaCarpetaDelPrograma();
    QWidget ventana, permitida;
    auto* boton = new TShapeButton(&ventana);
    QImage img(30, 30, QImage::Format_RGB32);
    img.fill(Qt::blue);
    img.setPixel(1, 1, qRgb(255, 0, 255));
    boton->setPicture(img);
    auto* otro = new TShapeButton(&permitida);
    otro->setPicture(img);
    ASSERT_TRUE(Muestra(ventana));
    ASSERT_TRUE(Muestra(permitida));
    QSignalSpy clics(boton, &TShapeButton::clicked), otros(otro, &TShapeButton::clicked);
    {
        TBloqueoEntrada bloqueo(&permitida);
        Pulsa(boton);
        Pulsa(otro);
        EXPECT_GE(bloqueo.Descartados(), 2);
    }
    EXPECT_EQ(clics.count(), 0);
    EXPECT_EQ(otros.count(), 1);
    Pulsa(boton);
    EXPECT_EQ(clics.count(), 1);
}

// Shows a message box and presses Return in it through the window system; a box the key
// does not close is hidden by force, so a swallowed key fails the test instead of hanging.
bool CierraConIntro(QWidget* padre, const QString& texto)
{
    bool cerrada = false;
    QMessageBox caja(QMessageBox::Information, "Numbrela", texto, QMessageBox::Ok, padre);
    AlAbrirse<QMessageBox>([&cerrada](QMessageBox* m) {
        QTest::keyClick(m->windowHandle(), Qt::Key_Return);
        cerrada = !m->isVisible();
        if (!cerrada)
            m->hide();
    });
    caja.exec();
    return cerrada;
}

// Keys and clicks as the window system delivers them: to the native window first, then to
// the widget. A message box and a dialog opened while the blocker is up answer them.
TEST(BloqueoEntrada, LetsThroughItsOwnWindowAndWindowsOpenedAfterIt)
{
    QWidget ventana, propia;
    auto* antes = new QLineEdit(&ventana);
    auto* suya = new QLineEdit(&propia);
    ASSERT_TRUE(Muestra(ventana));
    ASSERT_TRUE(Muestra(propia));
    TBloqueoEntrada bloqueo(&propia);
    suya->setFocus();
    antes->setFocus();
    QTest::keyClick(propia.windowHandle(), Qt::Key_A);
    QTest::keyClick(ventana.windowHandle(), Qt::Key_B);
    EXPECT_EQ(suya->text(), "a");
    EXPECT_EQ(antes->text(), "");

    EXPECT_TRUE(CierraConIntro(&ventana, "Hecho"));

    QDialog dialogo(&ventana);
    auto* aceptar = new QPushButton("Aceptar", &dialogo);
    QObject::connect(aceptar, &QPushButton::clicked, &dialogo, &QDialog::accept);
    AlAbrirse<QDialog>([aceptar](QDialog* d) {
        QTest::mouseClick(aceptar, Qt::LeftButton);
        if (d->isVisible())
            d->hide();
    });
    EXPECT_EQ(dialogo.exec(), QDialog::Accepted);

    // The window that was on screen still takes nothing.
    QTest::keyClick(ventana.windowHandle(), Qt::Key_C);
    EXPECT_EQ(antes->text(), "");
    EXPECT_GE(bloqueo.Descartados(), 2);
}

TEST(PrimeraActivacion, WaitsUntilNoBlockerAndNoModalWindowIsUp)
{
    QWidget v;
    int veces = 0;
    QObject::connect(new TPrimeraActivacion(&v), &TPrimeraActivacion::Lista, &v,
                     [&veces] { ++veces; });
    {
        TBloqueoEntrada bloqueo; // a long piece of work lets pending events run
        v.show();
        v.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&v));
        QTest::qWait(120);
        EXPECT_EQ(veces, 0);
    }
    int durante = -1;
    QMessageBox caja(QMessageBox::Information, "Numbrela", "Hecho", QMessageBox::Ok, &v);
    AlAbrirse<QMessageBox>([&](QMessageBox* m) {
        QTest::qWait(120);
        durante = veces;
        m->accept();
    });
    caja.exec();
    EXPECT_EQ(durante, 0);
    QTRY_COMPARE(veces, 1);
}

class VentanaOrdenes : public ::testing::Test {
protected:
    ServiciosDePrueba servicios;
    CarpetaPrograma carpeta;
    TVentanaPrincipal ventana{carpeta.Ruta()};
    void SetUp() override
    {
        ASSERT_TRUE(Muestra(ventana));
        ventana.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&ventana));
    }
};

TEST_F(VentanaOrdenes, ExitAsksFirstAndNoKeepsTheWindow)
{
    AlAbrirse<TDialogoSalir>([](TDialogoSalir* d) {
        EXPECT_EQ(d->Titulo()->text(),
                  QString::fromUtf8("¿Está seguro de que desea salir de Numbrela?"));
        Pulsa(d->findChild<TShapeButton*>("Cancelar"));
    });
    QTest::keyClick(&ventana, Qt::Key_S);
    EXPECT_TRUE(ventana.isVisible());
    AlAbrirse<TDialogoSalir>([](TDialogoSalir* d) { QTest::keyClick(d, Qt::Key_Return); });
    // Yes: the information picture, then the window closes.
    QSize imagen;
    AlAbrirse<TVentanaImagen>([&imagen](TVentanaImagen* d) {
        imagen = d->size();
        QTest::keyClick(d, Qt::Key_Return);
    });
    Pulsa(ventana.findChild<TShapeButton*>("Salir"));
    EXPECT_EQ(imagen, QSize(500, 400));
    EXPECT_FALSE(ventana.isVisible());
}

TEST_F(VentanaOrdenes, UAndNDoNothingOutsideReducedSets)
{
    bool abierto = false;
    AlAbrirse<TDialogo>(
        [&abierto](TDialogo* d) {
            abierto = true;
            d->done(TDialogo::kCancelado);
        },
        20);
    QTest::keyClick(&ventana, Qt::Key_U);
    QTest::keyClick(&ventana, Qt::Key_N);
    QTest::qWait(150);
    EXPECT_FALSE(abierto);
}

TEST_F(VentanaOrdenes, FixedNumbersDisableReducir)
{
    // A reduced set of 7 numbers al TRES with 3 fixed: generated on the spot (one bet).
    AlAbrirse<TDialogoTipo>(
        [](TDialogoTipo* d) { Pulsa(d->findChild<TShapeButton*>("Reducida")); });
    AlAbrirse<TDialogoTipoReduccion>(
        [](TDialogoTipoReduccion* d) { Pulsa(d->findChild<TShapeButton*>("AlTres")); });
    AlAbrirse<TDialogoNumerosReduccion>([](TDialogoNumerosReduccion* d) {
        for (int n : {4, 9, 15, 25, 33, 41, 47})
            Pulsa(d->Boton(n));
        Pulsa(d->Boton(25));
        Pulsa(d->Boton(41));
        Pulsa(d->findChild<TShapeButton*>("Aceptar"));
    });
    AlAbrirse<TDialogoInformacion>(
        [](TDialogoInformacion* d) { // first notice, then accept the second
            QTest::keyClick(d, Qt::Key_Return);
            AlAbrirse<TDialogoInformacion>(
                [](TDialogoInformacion* d2) { QTest::keyClick(d2, Qt::Key_Return); });
        });
    // The success message is a real message box: the generation's blocker is gone when it
    // opens, so Return through the window system closes it.
    QStringList mensajes;
    bool cerrada = false;
    TServicios::Actuales().Avisa = [&](QWidget* padre, const QString& texto) {
        mensajes << texto;
        cerrada = CierraConIntro(padre, texto);
    };
    QTest::keyClick(&ventana, Qt::Key_T);
    ASSERT_EQ(mensajes.size(), 1);
    EXPECT_TRUE(mensajes[0].startsWith(QString::fromUtf8("Creación de reducida con éxito")));
    EXPECT_TRUE(cerrada);
    ASSERT_EQ(ventana.Conjunto().Tipo(), TipoApuesta::Reducida);
    EXPECT_TRUE(std::filesystem::exists(carpeta.Ruta() / "COM7-3-25-41.RLF"));
    EXPECT_TRUE(ventana.findChild<QLabel*>("Panel2")->text().contains(
        QString::fromUtf8("Números fijos: -25-41")));
    EXPECT_FALSE(ventana.findChild<TShapeButton*>("Reducir")->isEnabled());
    EXPECT_TRUE(ventana.findChild<TShapeButton*>("Numeros")->isEnabled());
    EXPECT_EQ(ventana.Conjunto().Cabecera.Nombre, "Sin Nombre");
}

} // namespace
} // namespace numbrela::ui
