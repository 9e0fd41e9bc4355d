// The luck tools' windows driven as a player does: the user typed, stored, listed and
// chosen again; the biorhythm of a known user and month; the lucky numbers after their
// countdown; the draw date.
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QProgressBar>
#include <gtest/gtest.h>

#include "../../comun/CarpetaTemporal.h"
#include "../../comun/qt/TemporizadorManual.h"
#include "../../comun/qt/Usuario.h"
#include "controles/TPanel.h"
#include "luck/Biorritmo.h"
#include "luck/qt/TGraficoBiorritmo.h"
#include "luck/qt/TVentanaBiorritmo.h"
#include "luck/qt/TVentanaFechaSorteo.h"
#include "luck/qt/TVentanaSuerte.h"
#include "luck/qt/TVentanaUsuario.h"

namespace numbrela::ui {
namespace {

using namespace prueba;
using numbrela::prueba::CarpetaTemporal;

QString U(const char* s)
{
    return QString::fromUtf8(s);
}

// Picks entry `indice` of a list with the keyboard, as a player without a mouse does.
void EligeConTeclado(QComboBox* lista, int indice)
{
    lista->setFocus();
    QTest::keyClick(lista, Qt::Key_Home);
    for (int i = 0; i < indice; ++i)
        QTest::keyClick(lista, Qt::Key_Down);
}

// Types `texto` key by key; letters beyond ASCII arrive as the text of a key event, as
// a keyboard with them gives them.
void Teclea(QWidget* w, const QString& texto)
{
    for (QChar c : texto) {
        if (c.unicode() < 128)
            QTest::keyClicks(w, QString(c));
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

TSesionSuerte ConUsuario(const std::string& nombre, int dia, int mes, int anio)
{
    TSesionSuerte s;
    s.UsuarioActual = {nombre, static_cast<std::uint8_t>(dia), static_cast<std::uint8_t>(mes),
                       anio};
    s.UsuarioEstablecido = true;
    return s;
}

int UsuariosEnFichero(const CarpetaTemporal& c)
{
    const auto bytes = c.Lee("USUARIOS.DB");
    return bytes.empty() ? -1 : bytes[0];
}

TEST(VentanaUsuario, StoredUserIsListedAndChosenAgainAfterReopening)
{
    UsaCarpetaDelPrograma();
    ServiciosDePrueba servicios;
    CarpetaTemporal carpeta;
    TSesionSuerte sesion;
    {
        TVentanaUsuario v(nullptr, sesion, carpeta.Ruta());
        ASSERT_TRUE(Muestra(v));
        EXPECT_EQ(UsuariosEnFichero(carpeta), 0); // created empty at opening
        EXPECT_EQ(v.Anteriores()->count(), 0);
        Teclea(v.Nombre(), U("Ana Pérez"));
        EligeConTeclado(v.Dia(), 14);
        EligeConTeclado(v.Mes(), 5);
        EXPECT_TRUE(v.Anio()->hasFocus()); // choosing a month moves on to the year
        QTest::keyClicks(v.Anio(), "1970");
        Pulsa(BotonDe(&v, "Introducir"));
        EXPECT_TRUE(servicios.Avisos.isEmpty());
        EXPECT_EQ(UsuariosEnFichero(carpeta), 1);
        EXPECT_EQ(v.Anteriores()->count(), 0); // the list is not refreshed
        EXPECT_FALSE(sesion.UsuarioEstablecido);
        QTest::keyClick(&v, Qt::Key_Escape);
        EXPECT_EQ(v.result(), TDialogo::kCancelado);
    }
    EXPECT_EQ(sesion.UsuarioActual.NombreCompleto, ""); // cancel left the user as it was

    TVentanaUsuario v(nullptr, sesion, carpeta.Ruta());
    ASSERT_TRUE(Muestra(v));
    EXPECT_EQ(v.Nombre()->text(), "");
    ASSERT_EQ(v.Anteriores()->count(), 1);
    EXPECT_EQ(v.Anteriores()->itemText(0), U("Ana Pérez"));
    EligeConTeclado(v.Anteriores(), 0);
    EXPECT_EQ(v.Nombre()->text(), U("Ana Pérez"));
    EXPECT_EQ(v.Dia()->currentText(), "15");
    EXPECT_EQ(v.Mes()->currentText(), "Junio");
    EXPECT_EQ(v.Anio()->text(), "1970");
    EXPECT_EQ(v.Anteriores()->currentIndex(), -1); // reads "Escoja usuario anterior..." again
    QTest::keyClick(v.Nombre(), Qt::Key_Return);
    EXPECT_EQ(v.result(), TDialogo::kAceptado);
    EXPECT_TRUE(sesion.UsuarioEstablecido);
    EXPECT_EQ(sesion.UsuarioActual.NombreCompleto, "Ana Pérez");
    EXPECT_EQ(sesion.UsuarioActual.Dia, 15);
    EXPECT_EQ(sesion.UsuarioActual.Mes, 6);
    EXPECT_EQ(sesion.UsuarioActual.Anio, 1970);
}

TEST(VentanaUsuario, IncompleteOrBadFieldsKeepTheWindowOpenAndTheFileWhole)
{
    UsaCarpetaDelPrograma();
    ServiciosDePrueba servicios;
    CarpetaTemporal carpeta;
    TSesionSuerte sesion = ConUsuario("Luis", 2, 3, 1960);
    TVentanaUsuario v(nullptr, sesion, carpeta.Ruta());
    ASSERT_TRUE(Muestra(v));
    EXPECT_EQ(v.Nombre()->text(), "Luis"); // opens on the current user, selected
    EXPECT_EQ(v.Nombre()->selectedText(), "Luis");
    v.Nombre()->clear();
    QTest::keyClicks(v.Nombre(), QString(90, 'x'));
    EXPECT_EQ(v.Nombre()->text().size(), 80);
    v.Anio()->clear();
    QTest::keyClicks(v.Anio(), "19x7");
    EXPECT_EQ(v.Anio()->text(), "197"); // letters never reach the year
    v.Anio()->clear();
    QTest::keyClick(v.Nombre(), Qt::Key_Return);
    EXPECT_EQ(servicios.Ultimo(), U(kMsgUsuarioIncorrecto));
    Pulsa(BotonDe(&v, "Introducir"));
    EXPECT_EQ(servicios.Ultimo(), U(kMsgDatosIncompletos));
    EXPECT_TRUE(v.isVisible());
    EXPECT_EQ(UsuariosEnFichero(carpeta), 0);
    Pulsa(BotonDe(&v, "Cancelar"));
    EXPECT_EQ(v.result(), TDialogo::kCancelado);
    EXPECT_EQ(sesion.UsuarioActual.NombreCompleto, "Luis");
    EXPECT_TRUE(sesion.UsuarioEstablecido);
}

TEST(VentanaUsuario, DamagedOrMissingUsersFile)
{
    UsaCarpetaDelPrograma();
    ServiciosDePrueba servicios;
    {
        // A count of 2 over one whole record and half of another: one user listed, and a
        // user stored after it keeps the half record's bytes behind it.
        CarpetaTemporal carpeta;
        std::vector<std::uint8_t> bytes(1 + 208 + 100, 0);
        bytes[0] = 2;
        bytes[1] = 3;
        bytes[2] = 'E', bytes[3] = 'v', bytes[4] = 'a';
        bytes[202] = 1, bytes[203] = 1, bytes[205] = 0xB2, bytes[206] = 0x07; // 1 January 1970
        bytes[250] = 0x5A;
        carpeta.Escribe("USUARIOS.DB", bytes);
        TSesionSuerte sesion;
        TVentanaUsuario v(nullptr, sesion, carpeta.Ruta());
        ASSERT_TRUE(Muestra(v));
        ASSERT_EQ(v.Anteriores()->count(), 1);
        EXPECT_EQ(v.Anteriores()->itemText(0), "Eva");
        QTest::keyClicks(v.Nombre(), "Leo");
        EligeConTeclado(v.Dia(), 0);
        EligeConTeclado(v.Mes(), 0);
        QTest::keyClicks(v.Anio(), "1999");
        Pulsa(BotonDe(&v, "Introducir"));
        const auto despues = carpeta.Lee("USUARIOS.DB");
        ASSERT_EQ(despues.size(), bytes.size() + 208);
        EXPECT_EQ(despues[0], 2);
        EXPECT_EQ(despues[1 + 208 + 1], 'L');
        EXPECT_EQ(despues[250 + 208], 0x5A);
    }
    TSesionSuerte sesion;
    TVentanaUsuario v(nullptr, sesion, "/nonexistent/numbrela");
    ASSERT_TRUE(Muestra(v));
    QTRY_COMPARE(servicios.Ultimo(), U(kMsgErrorCreandoUsuarios));
    EXPECT_EQ(v.Anteriores()->count(), 0);
}

// A data file whose byte at offset i is i mod 251 (so a height names its offset), a zero
// at the offset of day 2 of "Ana"'s March 1999, and an end before day 28's offset.
void EscribeBiorritmo(const CarpetaTemporal& c)
{
    std::vector<std::uint8_t> v(4390);
    for (std::size_t i = 0; i < v.size(); ++i)
        v[i] = static_cast<std::uint8_t>(i % 251);
    v[4313] = 0;
    c.Escribe("BRMO.DAT", v);
}

TEST(VentanaBiorritmo, AnaInMarch1999HangsTheBarsOfHerOffsets)
{
    UsaCarpetaDelPrograma();
    ServiciosDePrueba servicios;
    CarpetaTemporal carpeta;
    EscribeBiorritmo(carpeta);
    const TSesionSuerte sesion = ConUsuario("Ana", 1, 1, 1980);
    TVentanaBiorritmo v(nullptr, sesion, carpeta.Ruta());
    ASSERT_TRUE(Muestra(v));
    EXPECT_EQ(v.PanelUsuario()->text(), "Ana");
    Pulsa(BotonDe(&v, "Calcular"));
    EXPECT_EQ(servicios.Ultimo(), U(kMsgSinMesAnio));
    EligeConTeclado(v.Mes(), 2);  // Marzo
    EligeConTeclado(v.Anio(), 1); // 1999

    int pintados = 0;
    struct Cuenta : QObject {
        int& n;
        explicit Cuenta(int& c) : n(c) {}
        bool eventFilter(QObject*, QEvent* e) override
        {
            n += e->type() == QEvent::Paint;
            return false;
        }
    } cuenta(pintados);
    v.Grafico()->installEventFilter(&cuenta);
    Pulsa(BotonDe(&v, "Calcular"));
    EXPECT_GE(pintados, 31); // the chart repaints after each bar

    TGraficoBiorritmo* g = v.Grafico();
    EXPECT_EQ(g->Biorritmo().Dias, 31);
    // Base 4307, days three bytes apart: day 1 reads 4310 (43), day 2 the zero (5 pixels),
    // day 27 reads 4388 (121); days 28 to 31 lie past the file's end and stay hidden.
    EXPECT_EQ(g->AlturaBarra(1), 4310 % 251);
    EXPECT_EQ(g->AlturaBarra(2), 5);
    EXPECT_EQ(g->AlturaBarra(27), 4388 % 251);
    EXPECT_TRUE(g->BarraVisible(27));
    EXPECT_FALSE(g->BarraVisible(28));
    EXPECT_FALSE(g->BarraVisible(31));
    // Bars hang from 42 pixels below the window's top, two into "Excelente".
    EXPECT_EQ(g->mapTo(&v, g->RectanguloBarra(1).topLeft()).y(), 42);
    EXPECT_EQ(g->RectanguloBarra(1).height(), 43);
    EXPECT_EQ(g->RectanguloBarra(2).x() - g->RectanguloBarra(1).x(), 19);

    // What is painted: day 1's bar covers its rectangle and ends there.
    const QImage imagen = g->grab().toImage();
    const QRect r = g->RectanguloBarra(1);
    const QColor dentro = imagen.pixelColor(r.center().x(), r.top() + 5);
    const QColor debajo = imagen.pixelColor(r.center().x(), r.bottom() + 6);
    EXPECT_LT(dentro.lightness(), 100);
    EXPECT_GT(debajo.lightness(), 180);
    EXPECT_TRUE(servicios.Avisos.size() == 1);
}

TEST(VentanaBiorritmo, RefusesWithoutUserAndReportsAMissingFile)
{
    UsaCarpetaDelPrograma();
    ServiciosDePrueba servicios;
    CarpetaTemporal carpeta;
    {
        TSesionSuerte sinUsuario;
        TVentanaBiorritmo v(nullptr, sinUsuario, carpeta.Ruta());
        ASSERT_TRUE(Muestra(v));
        EXPECT_EQ(v.PanelUsuario()->text(), "");
        Pulsa(BotonDe(&v, "Calcular"));
        EXPECT_EQ(servicios.Ultimo(), U(kMsgSinUsuarioBiorritmo));
        EXPECT_EQ(v.Grafico()->Biorritmo().Dias, 0);
    }
    const TSesionSuerte sesion = ConUsuario("Ana", 1, 1, 1980);
    TVentanaBiorritmo v(nullptr, sesion, carpeta.Ruta());
    ASSERT_TRUE(Muestra(v));
    EligeConTeclado(v.Mes(), 1); // February 2000: 29 day numbers
    EligeConTeclado(v.Anio(), 2);
    Pulsa(BotonDe(&v, "Calcular"));
    EXPECT_EQ(servicios.Ultimo(), U(kMsgErrorBiorritmo));
    EXPECT_EQ(v.Grafico()->Biorritmo().Dias, 29);
    for (int dia = 1; dia <= 29; ++dia)
        EXPECT_FALSE(v.Grafico()->BarraVisible(dia));
}

void EscribeSuerte(const CarpetaTemporal& c)
{
    std::vector<std::uint8_t> v(700, 1);
    v[663] = 7, v[664] = 23, v[665] = 41;
    c.Escribe("LUCKY.DAT", v);
}

TEST(VentanaSuerte, BornOn15June1970ShowsBytes663To665AfterTheCountdown)
{
    UsaCarpetaDelPrograma();
    ServiciosDePrueba servicios;
    CarpetaTemporal carpeta;
    EscribeSuerte(carpeta);
    const TSesionSuerte sesion = ConUsuario("Ana", 15, 6, 1970);
    auto temporizador = std::make_unique<TemporizadorManual>();
    TemporizadorManual* t = temporizador.get();
    TVentanaSuerte v(nullptr, sesion, carpeta.Ruta(), std::move(temporizador));
    ASSERT_TRUE(Muestra(v));
    QTRY_VERIFY(t->Activo());
    EXPECT_EQ(t->Intervalos, std::vector<int>{150});
    EXPECT_EQ(v.Barra()->value(), 100);
    for (int i = 0; i < 100; ++i)
        t->Dispara();
    EXPECT_EQ(v.Barra()->value(), 0);
    EXPECT_TRUE(v.PanelCalculando()->isVisible());
    EXPECT_EQ(v.Caja(0)->text(), "49");
    EXPECT_EQ(NombreAccesible(v.Caja(0)), QString::fromUtf8("Número 1: 49"));
    t->Dispara(); // the tick that finds the bar empty
    EXPECT_FALSE(v.PanelCalculando()->isVisible());
    EXPECT_FALSE(t->Activo());
    EXPECT_EQ(v.Caja(0)->text(), "7");
    EXPECT_EQ(v.Caja(1)->text(), "23");
    EXPECT_EQ(v.Caja(2)->text(), "41");
    // A screen reader hears each number with its place.
    EXPECT_EQ(NombreAccesible(v.Caja(0)), QString::fromUtf8("Número 1: 7"));
    EXPECT_EQ(NombreAccesible(v.Caja(2)), QString::fromUtf8("Número 3: 41"));
    EXPECT_TRUE(servicios.Avisos.isEmpty());
    QTest::keyClick(&v, Qt::Key_Return);
    EXPECT_FALSE(v.isVisible());
}

TEST(VentanaSuerte, MissingFileKeeps49AndNoUserClosesAtTheFirstTick)
{
    UsaCarpetaDelPrograma();
    ServiciosDePrueba servicios;
    CarpetaTemporal carpeta;
    {
        const TSesionSuerte sesion = ConUsuario("Ana", 15, 6, 1970);
        auto temporizador = std::make_unique<TemporizadorManual>();
        TemporizadorManual* t = temporizador.get();
        TVentanaSuerte v(nullptr, sesion, carpeta.Ruta(), std::move(temporizador));
        ASSERT_TRUE(Muestra(v));
        QTRY_VERIFY(t->Activo());
        for (int i = 0; i <= 100; ++i)
            t->Dispara();
        EXPECT_EQ(servicios.Ultimo(), U(kMsgErrorSuerte));
        EXPECT_EQ(v.Caja(2)->text(), "49");
    }
    const TSesionSuerte sinUsuario;
    auto temporizador = std::make_unique<TemporizadorManual>();
    TemporizadorManual* t = temporizador.get();
    TVentanaSuerte v(nullptr, sinUsuario, carpeta.Ruta(), std::move(temporizador));
    ASSERT_TRUE(Muestra(v));
    QTRY_VERIFY(t->Activo()); // started once the message was answered
    EXPECT_EQ(servicios.Ultimo(), U(kMsgSinUsuarioSuerte));
    EXPECT_TRUE(v.isVisible());
    t->Dispara();
    EXPECT_FALSE(v.isVisible());
}

TEST(VentanaFechaSorteo, RefusesAnEmptyListThenTakes31FebruaryAndReopensOnIt)
{
    UsaCarpetaDelPrograma();
    ServiciosDePrueba servicios;
    TSesionSuerte sesion;
    {
        TVentanaFechaSorteo v(nullptr, sesion);
        ASSERT_TRUE(Muestra(v));
        EligeConTeclado(v.Dia(), 30);
        EligeConTeclado(v.Mes(), 1);
        QTest::keyClick(&v, Qt::Key_Return); // no year chosen
        EXPECT_EQ(servicios.Ultimo(), U(kMsgFechaIncorrecta));
        EXPECT_TRUE(v.isVisible());
        EXPECT_FALSE(sesion.FechaEstablecida);
        EligeConTeclado(v.Anio(), 3);
        Pulsa(BotonDe(&v, "Aceptar"));
        EXPECT_EQ(v.result(), TDialogo::kAceptado);
    }
    ASSERT_TRUE(sesion.FechaEstablecida);
    EXPECT_EQ(sesion.FechaSorteo.Dia, 31);
    EXPECT_EQ(sesion.FechaSorteo.Mes, 2);
    EXPECT_EQ(sesion.FechaSorteo.Anio, 2001);

    TVentanaFechaSorteo v(nullptr, sesion);
    ASSERT_TRUE(Muestra(v));
    EXPECT_EQ(v.Dia()->currentText(), "31");
    EXPECT_EQ(v.Mes()->currentText(), "Febrero");
    EXPECT_EQ(v.Anio()->currentText(), "2001");
    EligeConTeclado(v.Anio(), 0);
    Pulsa(BotonDe(&v, "Cancelar"));
    EXPECT_EQ(sesion.FechaSorteo.Anio, 2001); // cancel changes nothing
}

} // namespace
} // namespace numbrela::ui
