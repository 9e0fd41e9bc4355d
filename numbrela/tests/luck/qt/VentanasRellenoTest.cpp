// "&Rellenar" through its windows: refused without draw date and user, a random fill with a
// fixed seed, the Azarix show stepped by hand and the bets it leaves, and the reduced set
// refused with each message; then the planner's first activation.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <gtest/gtest.h>

#include "../../comun/qt/TemporizadorManual.h"
#include "../../comun/qt/Usuario.h"
#include "controles/TMiBoton.h"
#include "generation/Reducidas.h"
#include "luck/Azarix.h"
#include "luck/Relleno.h"
#include "luck/qt/FlujoRelleno.h"
#include "luck/qt/TDialogoRelleno.h"
#include "luck/qt/TVentanaAzarix.h"
#include "luck/qt/TVentanaFechaSorteo.h"
#include "luck/qt/TVentanaUsuario.h"
#include "principal/qt/OrdenesSuerte.h"
#include "principal/qt/TPrimeraActivacion.h"
#include "principal/qt/TVentanaImagen.h"
#include "principal/qt/TVentanaPrincipal.h"

namespace numbrela::ui {
namespace {

using namespace prueba;

TConjuntoApuestas Simples(int n, TMotorReducidas* motor)
{
    TConjuntoApuestas c(motor);
    std::string error;
    TTextosConjunto textos;
    EXPECT_TRUE(c.CreaSimples(n, error, textos));
    return c;
}

TSesionSuerte Preparada()
{
    TSesionSuerte s;
    s.UsuarioActual = {"Ana", 15, 6, 1970};
    s.UsuarioEstablecido = true;
    s.FechaSorteo = {15, 3, 1999};
    s.FechaEstablecida = true;
    return s;
}

std::vector<std::array<std::uint8_t, 50>> Marcas(const TConjuntoApuestas& c)
{
    std::vector<std::array<std::uint8_t, 50>> v;
    for (const TApuestas& a : c.Apuestas)
        v.push_back(a.Marcas);
    return v;
}

TEntornoRelleno Fijo(std::uint64_t semilla, TemporizadorManual** temporizador = nullptr)
{
    TEntornoRelleno e;
    e.Semilla = [semilla] { return semilla; };
    e.Temporizador = [temporizador]() -> std::unique_ptr<TTemporizador> {
        auto t = std::make_unique<TemporizadorManual>();
        if (temporizador)
            *temporizador = t.get();
        return t;
    };
    return e;
}

TEST(Rellenar, RefusedWithoutDateAndUserThenARandomFillWithASeed)
{
    UsaCarpetaDelPrograma();
    ServiciosDePrueba servicios;
    TReducidas motor(TEST_PROGRAM_DIR);
    TConjuntoApuestas c = Simples(10, &motor);
    c.EscrutadoHecho = true;
    TSesionSuerte sesion = Preparada();
    sesion.FechaEstablecida = false;
    bool abierto = false;
    AlAbrirse<TDialogoRelleno>([&abierto](TDialogoRelleno* d) {
        abierto = true;
        d->reject();
    });
    EXPECT_FALSE(Rellena(nullptr, c, sesion, TEST_PROGRAM_DIR, motor, Fijo(7)));
    EXPECT_EQ(servicios.Ultimo(), QString::fromUtf8(kMsgFaltanFechaYUsuario));
    EXPECT_TRUE(c.EscrutadoHecho);
    QTest::qWait(30);
    EXPECT_FALSE(abierto);
    ++Epoca();

    sesion = Preparada();
    AlAbrirse<TDialogoRelleno>([](TDialogoRelleno* d) {
        EXPECT_EQ(d->windowTitle(), QString::fromUtf8("Rellenado de apuestas...."));
        auto* alAzar = d->findChild<TMiBoton*>("AlAzar");
        QTest::mouseClick(alAzar, Qt::LeftButton, {}, alAzar->rect().center());
    });
    EXPECT_TRUE(Rellena(nullptr, c, sesion, TEST_PROGRAM_DIR, motor, Fijo(7)));
    EXPECT_FALSE(c.EscrutadoHecho);
    TConjuntoApuestas esperado = Simples(10, &motor);
    TAzar azar(7);
    ASSERT_FALSE(RellenaAlAzar(esperado, azar));
    EXPECT_EQ(Marcas(c), Marcas(esperado));
    for (const TApuestas& a : c.Apuestas)
        EXPECT_EQ(a.Cruces, 6);

    // Enter closes the choice and fills nothing.
    const auto antes = Marcas(c);
    AlAbrirse<TDialogoRelleno>([](TDialogoRelleno* d) { QTest::keyClick(d, Qt::Key_Return); });
    EXPECT_TRUE(Rellena(nullptr, c, sesion, TEST_PROGRAM_DIR, motor, Fijo(8)));
    EXPECT_EQ(Marcas(c), antes);
}

TEST(Rellenar, AzarixShowSteppedByHandThenTheCoresBets)
{
    UsaCarpetaDelPrograma();
    ServiciosDePrueba servicios;
    TReducidas motor(TEST_PROGRAM_DIR);
    TConjuntoApuestas c = Simples(9, &motor);
    const TSesionSuerte sesion = Preparada();
    TemporizadorManual* t = nullptr;
    QStringList estados;
    std::vector<int> intervalos;
    bool cerrada = false;
    AlAbrirse<TDialogoRelleno>([](TDialogoRelleno* d) { Pulsa(BotonDe(d, "Azarix")); });
    AlAbrirse<TVentanaAzarix>([&](TVentanaAzarix* v) {
        estados << v->Estado()->text();
        // It refuses to close before it is done.
        QTest::keyClick(v, Qt::Key_Escape);
        QTest::keyClick(v, Qt::Key_Return);
        v->close();
        EXPECT_TRUE(v->isVisible());
        ASSERT_NE(t, nullptr);
        for (int i = 0; i < 6; ++i) {
            t->Dispara();
            estados << v->Estado()->text();
        }
        EXPECT_TRUE(v->isVisible());
        t->Dispara();
        cerrada = !v->isVisible() && v->result() == TDialogo::kAceptado;
        intervalos = t->Intervalos; // the timer goes with the window
    });
    EXPECT_TRUE(Rellena(nullptr, c, sesion, TEST_PROGRAM_DIR, motor, Fijo(11, &t)));
    EXPECT_TRUE(cerrada);
    EXPECT_EQ(estados, (QStringList{"Inicializando maquinaria Azarix",
                                    "1) - Procesando datos, por favor espere...",
                                    "2) - Reorganizando criterios de filtro...",
                                    "3) - Eliminando apuestas segun criterios de filtro...",
                                    "4) - Comparando apuestas con estadisticas anteriores...",
                                    "5) - Eliminando apuestas segun estadisticas anteriores...",
                                    "6) - Creando apuestas actuales especificas ..."}));
    // 1000 ms first, then the core's random intervals from 1000 to 9499 ms.
    ASSERT_EQ(intervalos.size(), 7u);
    EXPECT_EQ(intervalos[0], 1000);
    for (int ms : intervalos) {
        EXPECT_GE(ms, 1000);
        EXPECT_LE(ms, 9499);
    }
    EXPECT_TRUE(servicios.Avisos.isEmpty());
    TConjuntoApuestas esperado = Simples(9, &motor);
    ASSERT_FALSE(RellenaConAzarix(esperado, sesion.FechaSorteo, TEST_PROGRAM_DIR, motor));
    EXPECT_EQ(Marcas(c), Marcas(esperado));
    EXPECT_EQ(c.Apuestas[8].Cruces, 6);
}

TEST(Rellenar, AzarixWithoutItsFileLeavesTheBetsAndReducedSetsAreRefused)
{
    UsaCarpetaDelPrograma();
    ServiciosDePrueba servicios;
    CarpetaPrograma carpeta;
    std::filesystem::remove(carpeta.Ruta() / "AZARIX.DAT");
    TReducidas motor(carpeta.Ruta());
    TConjuntoApuestas c = Simples(3, &motor);
    c.Apuestas[1].Marca(17);
    const auto antes = Marcas(c);
    const TSesionSuerte sesion = Preparada();
    TemporizadorManual* t = nullptr;
    AlAbrirse<TDialogoRelleno>([](TDialogoRelleno* d) { Pulsa(BotonDe(d, "Azarix")); });
    AlAbrirse<TVentanaAzarix>([&t](TVentanaAzarix*) {
        for (int i = 0; i < 7; ++i)
            t->Dispara();
    });
    EXPECT_TRUE(Rellena(nullptr, c, sesion, carpeta.Ruta(), motor, Fijo(3, &t)));
    EXPECT_EQ(servicios.Ultimo(), QString::fromUtf8(kMsgErrorAzarix));
    EXPECT_EQ(Marcas(c), antes);

    ++Epoca();
    c.Cabecera.Tipo = static_cast<std::uint8_t>(TipoApuesta::Reducida);
    bool azarixAbierta = false;
    AlAbrirse<TDialogoRelleno>([](TDialogoRelleno* d) { Pulsa(BotonDe(d, "Azarix")); });
    AlAbrirse<TVentanaAzarix>([&azarixAbierta](TVentanaAzarix*) { azarixAbierta = true; });
    EXPECT_TRUE(Rellena(nullptr, c, sesion, carpeta.Ruta(), motor, Fijo(3, &t)));
    EXPECT_EQ(servicios.Ultimo(), QString::fromUtf8(kMsgReducidaAzarix));
    AlAbrirse<TDialogoRelleno>([](TDialogoRelleno* d) {
        auto* alAzar = d->findChild<TMiBoton*>("AlAzar");
        QTest::mouseClick(alAzar, Qt::LeftButton, {}, alAzar->rect().center());
    });
    EXPECT_TRUE(Rellena(nullptr, c, sesion, carpeta.Ruta(), motor, Fijo(3, &t)));
    EXPECT_EQ(servicios.Ultimo(), QString::fromUtf8(kMsgReducidaAlAzar));
    EXPECT_FALSE(azarixAbierta);
    EXPECT_EQ(Marcas(c), antes);
}

QAction* Accion(QWidget* ventana, const char* texto)
{
    for (QAction* a : ventana->findChildren<QAction*>())
        if (a->text() == QString::fromUtf8(texto))
            return a;
    return nullptr;
}

TEST(Rellenar, FromTheMainWindowByItsMenusAndTheKeyR)
{
    ServiciosDePrueba servicios;
    CarpetaPrograma carpeta;
    TVentanaPrincipal v(carpeta.Ruta());
    auto* suerte = new TOrdenesSuerte(v, Fijo(5));
    ASSERT_TRUE(Muestra(v));
    for (const char* texto : {"&Fecha de Sorteo...", "&Datos del usuario...", "&Rellenar",
                              "&Biorritmo...", "&Tus 3 números"}) {
        ASSERT_NE(Accion(&v, texto), nullptr) << texto;
        EXPECT_TRUE(Accion(&v, texto)->isEnabled()) << texto;
    }
    EXPECT_TRUE(BotonDe(&v, "Rellenar")->isEnabled());
    QTest::keyClick(&v, Qt::Key_R);
    EXPECT_EQ(servicios.Ultimo(), QString::fromUtf8(kMsgFaltanFechaYUsuario));

    AlAbrirse<TVentanaFechaSorteo>([](TVentanaFechaSorteo* d) {
        d->Dia()->setCurrentIndex(14);
        d->Mes()->setCurrentIndex(2);
        d->Anio()->setCurrentIndex(1);
        QTest::keyClick(d, Qt::Key_Return);
    });
    Accion(&v, "&Fecha de Sorteo...")->trigger();
    AlAbrirse<TVentanaUsuario>([](TVentanaUsuario* d) {
        QTest::keyClicks(d->Nombre(), "Ana");
        d->Dia()->setCurrentIndex(0);
        d->Mes()->setCurrentIndex(0);
        QTest::keyClicks(d->Anio(), "1980");
        QTest::keyClick(d, Qt::Key_Return);
    });
    Accion(&v, "&Datos del usuario...")->trigger();
    EXPECT_TRUE(suerte->Sesion().FechaEstablecida);
    EXPECT_TRUE(suerte->Sesion().UsuarioEstablecido);

    AlAbrirse<TDialogoRelleno>([](TDialogoRelleno* d) {
        auto* alAzar = d->findChild<TMiBoton*>("AlAzar");
        QTest::mouseClick(alAzar, Qt::LeftButton, {}, alAzar->rect().center());
    });
    const QImage antes = v.CopiaDeTrabajo();
    Pulsa(BotonDe(&v, "Rellenar"));
    TReducidas motor(carpeta.Ruta());
    TConjuntoApuestas esperado = Simples(1, &motor);
    TAzar azar(5);
    ASSERT_FALSE(RellenaAlAzar(esperado, azar));
    EXPECT_EQ(Marcas(v.Conjunto()), Marcas(esperado));
    EXPECT_NE(v.CopiaDeTrabajo(), antes); // the slip was redrawn with its crosses
}

TEST(PrimeraActivacion, AboutPictureThenTheUserWindowOnceARun)
{
    ServiciosDePrueba servicios;
    CarpetaPrograma carpeta;
    TVentanaPrincipal v(carpeta.Ruta());
    QStringList orden;
    AlAbrirse<TVentanaImagen>([&orden](TVentanaImagen* d) {
        orden << "imagen";
        AlAbrirse<TVentanaUsuario>([&orden](TVentanaUsuario* u) {
            orden << "usuario";
            QTest::keyClick(u, Qt::Key_Escape);
        });
        QTest::keyClick(d, Qt::Key_Return);
    });
    auto* suerte = new TOrdenesSuerte(v);
    auto* primera = new TPrimeraActivacion(&v);
    QObject::connect(primera, &TPrimeraActivacion::Lista, suerte,
                     [suerte] { suerte->PrimeraActivacion(); });
    v.show();
    v.activateWindow();
    QTRY_COMPARE(orden, (QStringList{"imagen", "usuario"}));
    EXPECT_TRUE(primera->Hecha());
    // Later activations open nothing.
    QEvent otra(QEvent::WindowActivate);
    QApplication::sendEvent(&v, &otra);
    QTest::qWait(30);
    EXPECT_EQ(orden.size(), 2);
}

} // namespace
} // namespace numbrela::ui
