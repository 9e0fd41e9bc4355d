// The scrutiny, simulation, results, listing and print-preview windows, typed into and
// clicked as a player does.
#include <QApplication>
#include <QClipboard>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTableWidget>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "../../comun/qt/Usuario.h"
#include "controles/TPanel.h"
#include "files/FicheroApuestas.h"
#include "generation/ApuestaMultiple.h"
#include "principal/qt/OrdenesEscrutinio.h"
#include "principal/qt/TVentanaPrincipal.h"
#include "scrutiny/qt/TVentanaEntradaSorteo.h"
#include "scrutiny/qt/TVentanaListado.h"
#include "scrutiny/qt/TVentanaPrevisualizacion.h"
#include "scrutiny/qt/TVentanaResultados.h"
#include "scrutiny/qt/TVistaDocumento.h"
#include "tests/comun/MotorDePrueba.h"

namespace numbrela::ui {
namespace {

using namespace prueba;

void Marca(TApuestas& a, std::initializer_list<int> numeros)
{
    for (int n : numeros)
        a.Marca(n);
}

// `n` simple bets, bet i holding i+1 .. i+6 (wrapping past 49).
void Simples(TConjuntoApuestas& c, int n)
{
    std::string e;
    TTextosConjunto t;
    ASSERT_TRUE(c.CreaSimples(n, e, t)) << e;
    for (int i = 0; i < n; ++i)
        for (int k = 0; k < 6; ++k)
            c.Apuestas[static_cast<std::size_t>(i)].Marca(1 + (i + k) % 49);
}

// Types the seven fields and presses accept.
void Teclea(TVentanaEntradaSorteo* v, const std::array<QString, 7>& campos)
{
    for (int i = 0; i < 7; ++i) {
        v->Campo(i)->clear();
        QTest::keyClicks(v->Campo(i), campos[static_cast<std::size_t>(i)]);
    }
    Pulsa(BotonDe(v, "Aceptar"));
}

class Escrutinio_ : public ::testing::Test {
protected:
    ServiciosDePrueba servicios;
    void SetUp() override { UsaCarpetaDelPrograma(); }
};

using VentanaEscrutinio = Escrutinio_;

TEST_F(VentanaEscrutinio, TheDrawTypedIsStoredSortedAndTheHitsAndTallyShow)
{
    TConjuntoApuestas c;
    Simples(c, 3);
    c.Apuestas[0] = TApuestas{};
    Marca(c.Apuestas[0], {1, 3, 7, 12, 30, 9}); // five and the complementary
    c.Apuestas[1] = TApuestas{};
    Marca(c.Apuestas[1], {1, 3, 7, 12, 30, 44}); // five
    c.Apuestas[2] = TApuestas{};
    Marca(c.Apuestas[2], {1, 3, 20, 21, 22, 23}); // two
    QStringList entrada;
    AlAbrirse<TVentanaEntradaSorteo>([&](TVentanaEntradaSorteo* v) {
        EXPECT_EQ(v->windowTitle(), "Escrutar apuestas...");
        for (int i = 0; i < 7; ++i)
            entrada << v->Campo(i)->text();
        Teclea(v, {"7", "3", "45", "12", "30", "1", "9"});
    });
    QStringList resultados;
    AlAbrirse<TVentanaResultados>([&](TVentanaResultados* r) {
        EXPECT_EQ(r->windowTitle(), "Resultados del escrutinio");
        for (int i = 0; i < 5; ++i)
            resultados << r->Linea(i);
        QTest::keyClick(r, Qt::Key_Return); // Enter closes it
    });
    int refrescos = 0;
    EXPECT_TRUE(EscrutarApuestas(nullptr, c, [&] { ++refrescos; }));
    EXPECT_EQ(entrada, QStringList(7, "00"));
    const TSorteo& s = c.Cabecera.Sorteo;
    EXPECT_EQ(std::vector<int>(s.Numeros.begin(), s.Numeros.end()),
              (std::vector<int>{1, 3, 7, 12, 30, 45}));
    EXPECT_EQ(s.Complementario, 9);
    EXPECT_TRUE(c.EscrutadoHecho);
    EXPECT_EQ(refrescos, 1);
    EXPECT_EQ(Escrutinio::TextoAciertosApuesta(c, 0), "Aciertos: 5 +C");
    EXPECT_EQ(Escrutinio::TextoAciertosApuesta(c, 2), "Aciertos: 2");
    EXPECT_EQ(resultados, (QStringList{"6 Aciertos: 0", "5 Aciertos+C: 1", "5 Aciertos: 1",
                                       "4 Aciertos: 0", "3 Aciertos: 0"}));
    EXPECT_TRUE(servicios.Avisos.isEmpty()) << servicios.Ultimo().toStdString();

    // Reopened, the fields show the stored draw; cancel changes nothing.
    AlAbrirse<TVentanaEntradaSorteo>([&](TVentanaEntradaSorteo* v) {
        EXPECT_EQ(v->Campo(0)->text(), "01");
        EXPECT_EQ(v->Campo(5)->text(), "45");
        EXPECT_EQ(v->Campo(6)->text(), "09");
        Teclea(v, {"2", "4", "6", "8", "10", "11", "13"});
    });
    AlAbrirse<TVentanaResultados>([](TVentanaResultados* r) { Pulsa(BotonDe(r, "Aceptar")); });
    EXPECT_TRUE(EscrutarApuestas(nullptr, c, {}));
    AlAbrirse<TVentanaEntradaSorteo>([](TVentanaEntradaSorteo* v) {
        v->Campo(0)->setText("33");
        Pulsa(BotonDe(v, "Cancelar"));
    });
    EXPECT_FALSE(EscrutarApuestas(nullptr, c, [&] { ++refrescos; }));
    EXPECT_EQ(c.Cabecera.Sorteo.Numeros[0], 2);
    EXPECT_EQ(refrescos, 1);
}

TEST_F(VentanaEscrutinio, BadFieldsGiveTheirMessageAndKeepTheWindowAsTyped)
{
    struct Caso {
        std::array<QString, 7> campos;
        const char* mensaje;
        bool focoPrimero;
    };
    const Caso casos[] = {
        {{"1", "2", "3", "", "5", "6", "7"},
         "ERROR: Algún número introducido no es correcto",
         true},
        {{"1", "2", "x", "4", "5", "6", "7"},
         "ERROR: Algún número introducido no es correcto",
         true},
        {{"1", "2", "3", "4", "50", "6", "7"},
         "ERROR: Introdujo el número 50 que es mayor que 49",
         false},
        {{"1", "2", "3", "4", "5", "6", "0"},
         "ERROR: Introdujo valores igual a cero. Corríjalo e inténtelo de nuevo",
         false},
    };
    TConjuntoApuestas c;
    Simples(c, 1);
    for (const Caso& caso : casos) {
        TVentanaEntradaSorteo v(nullptr, c);
        ASSERT_TRUE(Muestra(v));
        v.Campo(3)->setFocus();
        Teclea(&v, caso.campos);
        EXPECT_EQ(servicios.Ultimo(), QString::fromUtf8(caso.mensaje));
        EXPECT_TRUE(v.isVisible());
        EXPECT_EQ(v.result(), 0);
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(v.Campo(i)->text(), caso.campos[static_cast<std::size_t>(i)]);
        if (caso.focoPrimero) {
            EXPECT_TRUE(v.Campo(0)->hasFocus());
        }
    }
    EXPECT_FALSE(c.Cabecera.Sorteo.HaySorteo());
    EXPECT_FALSE(c.EscrutadoHecho);

    // A repeated number is stored as typed; blanks around a number are allowed.
    TVentanaEntradaSorteo v(nullptr, c);
    ASSERT_TRUE(Muestra(v));
    Teclea(&v, {"5", "5", "9", " 1", "2", "3", "5"});
    EXPECT_EQ(v.result(), TDialogo::kAceptado);
    EXPECT_EQ(v.Sorteo().Numeros, (std::array<std::uint8_t, 6>{1, 2, 3, 5, 5, 9}));
    EXPECT_EQ(v.Sorteo().Complementario, 5);
}

TEST_F(VentanaEscrutinio, AMultipleOfElevenShowsItsTwoTallies)
{
    struct Caso {
        int complementario;
        QStringList lineas;
    };
    const Caso casos[] = {
        {10,
         {"6 Aciertos: 1", "5 Aciertos+C: 6", "5 Aciertos: 24", "4 Aciertos: 150",
          "3 Aciertos: 200"}},
        {40,
         {"6 Aciertos: 1", "5 Aciertos+C: 0", "5 Aciertos: 30", "4 Aciertos: 150",
          "3 Aciertos: 200"}},
    };
    for (const Caso& caso : casos) {
        TConjuntoApuestas c;
        TTextosConjunto t;
        ASSERT_TRUE(ApuestaMultiple::Crea(c, 6, t));
        Marca(c.Apuestas[0], {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
        AlAbrirse<TVentanaEntradaSorteo>([&](TVentanaEntradaSorteo* v) {
            Teclea(v, {"1", "2", "3", "4", "5", "6", QString::number(caso.complementario)});
        });
        QStringList lineas;
        AlAbrirse<TVentanaResultados>([&](TVentanaResultados* r) {
            for (int i = 0; i < 5; ++i)
                lineas << r->Linea(i);
            Pulsa(BotonDe(r, "Aceptar"));
        });
        EXPECT_TRUE(EscrutarApuestas(nullptr, c, {}));
        EXPECT_EQ(lineas, caso.lineas);
    }
}

// The bet file `ruta` simulated by the program's own command line with `semilla`.
QStringList SimulacionDelPrograma(const std::string& ruta, int sorteos, int semilla)
{
    QProcess p;
    p.start(QString(TEST_PROGRAM_DIR) + "/numbrela",
            {"--simulate", QString::fromStdString(ruta), "--draws", QString::number(sorteos),
             "--seed", QString::number(semilla)});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {"failed: " + QString::fromUtf8(p.readAllStandardError())};
    return QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

TEST_F(VentanaEscrutinio, AutomaticDrawsCountAsTheCommandLineWithTheSameSeed)
{
    CarpetaPrograma carpeta;
    TConjuntoApuestas c;
    Simples(c, 40);
    const std::string ruta = (carpeta.Ruta() / "cuarenta.apu").string();
    std::string error;
    ASSERT_TRUE(FicheroApuestas::Graba(c, ruta, ModoGrabacion::GrabarComo, carpeta.Ruta(), error))
        << error;
    const int sorteos = 300, semilla = 1234;

    TVentanaEntradaSorteo v(nullptr, c);
    // The command line's --seed: the generator from the seed, the clock's reseeding from a
    // second sequence of the same seed.
    auto relojFijo = std::make_shared<TGeneradorAleatorio>(semilla ^ 0x5eed5eedu);
    v.FijaGenerador(semilla, [relojFijo] { return relojFijo->Siguiente(0xffffffffu); });
    ASSERT_TRUE(Muestra(v));
    const QPoint antes = v.pos();
    EXPECT_FALSE(v.Cuenta()->isVisible());
    Pulsa(BotonDe(&v, "Automatico"));
    EXPECT_EQ(v.height(), 518);
    EXPECT_EQ(v.pos().y(), antes.y() - 200);
    EXPECT_TRUE(v.Cuenta()->isVisible());
    EXPECT_FALSE(BotonDe(&v, "Automatico")->isEnabled());
    EXPECT_FALSE(BotonDe(&v, "Aceptar")->isEnabled());

    // Bad counts: the message, and the window as it was.
    for (const char* cuenta : {"", "-5", "12a", " "}) {
        v.Cuenta()->clear();
        QTest::keyClicks(v.Cuenta(), cuenta);
        Pulsa(BotonDe(&v, "Comenzar"));
        EXPECT_EQ(
            servicios.Ultimo(),
            QString::fromUtf8("ERROR: Indique cuántos sorteos desea realizar (de 0 a 999999)"))
            << cuenta;
        EXPECT_TRUE(BotonDe(&v, "Comenzar")->isEnabled());
        EXPECT_EQ(v.ContadorSorteos()->text(), "0");
    }
    servicios.Avisos.clear();
    // The field takes six digits at most.
    v.Cuenta()->clear();
    QTest::keyClicks(v.Cuenta(), "1234567");
    EXPECT_EQ(v.Cuenta()->text(), "123456");

    // During the run the counters grow after each draw with both buttons off, and a click
    // on cancel does nothing.
    QStringList vistos;
    bool botonesApagados = true;
    QTimer espia;
    QObject::connect(&espia, &QTimer::timeout, [&] {
        vistos << v.ContadorSorteos()->text();
        botonesApagados = botonesApagados && !BotonDe(&v, "Comenzar")->isEnabled() &&
                          !BotonDe(&v, "Cancelar")->isEnabled();
        Pulsa(BotonDe(&v, "Cancelar"));
    });
    espia.start(0);
    v.Cuenta()->clear();
    QTest::keyClicks(v.Cuenta(), QString::number(sorteos));
    Pulsa(BotonDe(&v, "Comenzar"));
    espia.stop();
    EXPECT_TRUE(v.isVisible());
    EXPECT_GT(vistos.size(), 2);
    EXPECT_TRUE(botonesApagados);
    EXPECT_EQ(v.ContadorSorteos()->text(), QString::number(sorteos));
    EXPECT_EQ(v.ContadorSorteos()->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_EQ(v.ContadorSorteos()->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    EXPECT_TRUE(BotonDe(&v, "Comenzar")->isEnabled());
    EXPECT_TRUE(BotonDe(&v, "Cancelar")->isEnabled());
    EXPECT_FALSE(BotonDe(&v, "Aceptar")->isEnabled());

    QStringList ventana;
    const char* etiquetas[6] = {"6", "5C", "5", "4", "3", "F"};
    for (int i = 0; i < 6; ++i)
        ventana << QString("%1: %2").arg(etiquetas[i], v.Contador(i)->text());
    EXPECT_EQ(ventana, SimulacionDelPrograma(ruta, sorteos, semilla));
    // The simulation touches neither the draw nor the results, and cancel leaves.
    EXPECT_FALSE(c.Cabecera.Sorteo.HaySorteo());
    EXPECT_FALSE(c.EscrutadoHecho);
    Pulsa(BotonDe(&v, "Cancelar"));
    EXPECT_EQ(v.result(), TDialogo::kCancelado);
    EXPECT_TRUE(servicios.Avisos.isEmpty());
}

TEST_F(VentanaEscrutinio, NoDrawsLeaveTheCountersAndButtonsAsTheyWere)
{
    TConjuntoApuestas c;
    Simples(c, 2);
    TVentanaEntradaSorteo v(nullptr, c);
    ASSERT_TRUE(Muestra(v));
    Pulsa(BotonDe(&v, "Automatico"));
    QTest::keyClicks(v.Cuenta(), "0");
    Pulsa(BotonDe(&v, "Comenzar"));
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(v.Contador(i)->text(), "0");
    EXPECT_TRUE(BotonDe(&v, "Comenzar")->isEnabled());
    EXPECT_TRUE(BotonDe(&v, "Cancelar")->isEnabled());
    EXPECT_EQ(v.ContadorSorteos()->text(), "0");
    // With accepting off, Enter starts the draws.
    v.Cuenta()->clear();
    QTest::keyClicks(v.Cuenta(), "3");
    QTest::keyClick(v.Cuenta(), Qt::Key_Return);
    EXPECT_EQ(v.ContadorSorteos()->text(), "3");
    EXPECT_TRUE(v.isVisible());
    EXPECT_TRUE(servicios.Avisos.isEmpty());
}

// ---------------------------------------------------------------- listing

using VentanaListado = Escrutinio_;

QStringList Columna(QTableWidget* t, int columna)
{
    QStringList s;
    for (int f = 0; f < t->rowCount(); ++f)
        s << (t->item(f, columna) ? t->item(f, columna)->text() : QString());
    return s;
}

TEST_F(VentanaListado, PagesThroughSeventeenAndThirtyTwoBets)
{
    TConjuntoApuestas c;
    Simples(c, 17);
    {
        TVentanaListado v(nullptr, c);
        ASSERT_TRUE(Muestra(v));
        EXPECT_EQ(v.windowTitle(), "Listado de apuestas y escrutinio");
        QTableWidget* t = v.Tabla();
        EXPECT_EQ(t->horizontalHeaderItem(7)->text(), "Premio Escrutado");
        EXPECT_EQ(t->rowCount(), 16);
        EXPECT_EQ(Columna(t, 0).front(), "1");
        EXPECT_EQ(Columna(t, 0).back(), "16");
        EXPECT_EQ(t->item(0, 1)->text(), "1");
        EXPECT_EQ(t->item(0, 6)->text(), "6");
        EXPECT_EQ(t->item(0, 7)->text(), ""); // no scrutiny yet
        Pulsa(BotonDe(&v, "PaginaSiguiente"));
        EXPECT_EQ(Columna(t, 0), QStringList{"17"});
        Pulsa(BotonDe(&v, "PaginaSiguiente")); // nothing past the last bet
        EXPECT_EQ(Columna(t, 0), QStringList{"17"});
        Pulsa(BotonDe(&v, "PaginaAnterior"));
        EXPECT_EQ(v.Listado().PrimeraFila(), 1);
        Pulsa(BotonDe(&v, "PaginaAnterior")); // nothing before the first
        EXPECT_EQ(v.Listado().PrimeraFila(), 1);
        Pulsa(BotonDe(&v, "UltimaPagina"));
        EXPECT_EQ(Columna(t, 0), QStringList{"17"});
        Pulsa(BotonDe(&v, "PrimeraPagina"));
        EXPECT_EQ(t->rowCount(), 16);
    }
    TConjuntoApuestas c32;
    Simples(c32, 32);
    TVentanaListado v(nullptr, c32);
    ASSERT_TRUE(Muestra(v));
    Pulsa(BotonDe(&v, "UltimaPagina"));
    EXPECT_EQ(Columna(v.Tabla(), 0).front(), "17");
    EXPECT_EQ(Columna(v.Tabla(), 0).back(), "32");
    Pulsa(BotonDe(&v, "Aceptar"));
    EXPECT_FALSE(v.isVisible());
}

TEST_F(VentanaListado, PrizesAfterAScrutinyAndAMultiplesTally)
{
    TConjuntoApuestas c;
    Simples(c, 2);
    c.Apuestas[0] = TApuestas{};
    Marca(c.Apuestas[0], {1, 3, 7, 12, 9, 20}); // four and the complementary
    std::string e;
    TSorteo s;
    s.Numeros = {1, 3, 7, 12, 30, 45};
    s.Complementario = 9;
    ASSERT_TRUE(Escrutinio::Escruta(c, s, e));
    {
        TVentanaListado v(nullptr, c);
        ASSERT_TRUE(Muestra(v));
        EXPECT_EQ(Columna(v.Tabla(), 7), (QStringList{" ->4+Complementario", ""}));
    }
    TConjuntoApuestas m;
    TTextosConjunto t;
    ASSERT_TRUE(ApuestaMultiple::Crea(m, 1, t)); // five numbers
    Marca(m.Apuestas[0], {30, 3, 12, 40, 41});
    {
        TVentanaListado v(nullptr, m);
        ASSERT_TRUE(Muestra(v));
        EXPECT_EQ(v.Tabla()->rowCount(), 2); // the multiple and an empty row
        EXPECT_EQ(v.Tabla()->item(0, 1)->text(), "3");
        EXPECT_EQ(v.Tabla()->item(0, 6)->text(), "0");
    }
    ASSERT_TRUE(Escrutinio::Escruta(m, s, e));
    TVentanaListado v(nullptr, m);
    ASSERT_TRUE(Muestra(v));
    EXPECT_EQ(v.Tabla()->rowCount(), 7);
    EXPECT_EQ(Columna(v.Tabla(), 7).mid(2),
              (QStringList{"6:   0", "5+C: 0", "5  : 0", "4  : 3", "3  : 41"}));
}

TEST_F(VentanaListado, AnEmptySetShowsTheHeaderRowOnly)
{
    TConjuntoApuestas c;
    std::string e;
    TTextosConjunto t;
    c.Nueva();
    c.Apuestas.clear();
    c.Cabecera.Tipo = 0;
    c.Cabecera.TotalApuestas = 0;
    TVentanaListado v(nullptr, c);
    ASSERT_TRUE(Muestra(v));
    EXPECT_EQ(v.Tabla()->rowCount(), 0);
    EXPECT_TRUE(v.Tabla()->horizontalHeader()->isVisible());
    Pulsa(BotonDe(&v, "UltimaPagina"));
    EXPECT_EQ(v.Listado().PrimeraFila(), 1);
    EXPECT_EQ(v.Tabla()->rowCount(), 0);
}

// ---------------------------------------------------------------- print preview

using Previsualizacion = Escrutinio_;

QString TextoDelDocumento(const TConjuntoApuestas& c)
{
    QStringList s;
    for (const TLineaDocumento& l : DocumentoListado::Construye(c, DocumentoListado::Clase(c)))
        s << QString::fromStdString(l.Texto);
    return s.join('\n');
}

TEST_F(Previsualizacion, ImprimirInTheListingShowsTheDocumentWithItsProgress)
{
    TConjuntoApuestas c;
    Simples(c, 120);
    c.FijaNombre("Semana 12");
    TVentanaListado v(nullptr, c);
    ASSERT_TRUE(Muestra(v));
    bool panelVisto = false, todoApagado = false;
    QString texto, titulo, copiado, apuestaEnCurso;
    AlAbrirse<TVentanaPrevisualizacion>([&](TVentanaPrevisualizacion* p) {
        panelVisto = v.PanelProgreso()->isVisible();
        apuestaEnCurso = v.ApuestaEnCurso()->text();
        todoApagado = !v.Tabla()->isEnabled() && !BotonDe(&v, "Imprimir")->isEnabled() &&
                      !BotonDe(&v, "PaginaSiguiente")->isEnabled() &&
                      !BotonDe(&v, "Aceptar")->isEnabled();
        titulo = p->windowTitle();
        texto = p->Vista()->Texto();
        QTest::keyClick(p->Vista(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(p->Vista(), Qt::Key_C, Qt::ControlModifier);
        copiado = QApplication::clipboard()->text();
        Pulsa(BotonDe(p, "Cerrar"));
    });
    Pulsa(BotonDe(&v, "Imprimir"));
    EXPECT_TRUE(panelVisto);
    EXPECT_EQ(apuestaEnCurso, "100");
    EXPECT_TRUE(todoApagado);
    EXPECT_EQ(titulo, QString::fromUtf8("Formulario de Previsualización de impresión "));
    EXPECT_EQ(texto, TextoDelDocumento(c));
    EXPECT_TRUE(texto.startsWith("Numbrela Pro 1.36\n   Nombre de la Apuesta: Semana 12\n"));
    EXPECT_EQ(copiado, texto);
    // Back in the listing: the panel gone, everything usable again.
    EXPECT_FALSE(v.PanelProgreso()->isVisible());
    EXPECT_TRUE(v.Tabla()->isEnabled());
    EXPECT_TRUE(BotonDe(&v, "Imprimir")->isEnabled());
    EXPECT_TRUE(v.isVisible());
}

TEST_F(Previsualizacion, AReducedSystemAfterAScrutinyShowsWhatTheCoreWrites)
{
    numbrela::prueba::MotorDePrueba motor;
    motor.Sistemas[{7, 1}] = {1, 2, 3, 4, 5, 6, 7};
    TConjuntoApuestas c(&motor);
    c.Cabecera.Tipo = 3;
    c.Cabecera.TipoReduccion = 1;
    c.Cabecera.TotalReducidos = 7;
    for (int i = 0; i < 7; ++i)
        c.Cabecera.ListaReducidos[static_cast<std::size_t>(i)] =
            static_cast<std::uint8_t>(3 * i + 1);
    std::string e;
    TTextosConjunto t;
    ASSERT_TRUE(c.CambioGlobal(e, t)) << e;
    TSorteo s;
    s.Numeros = {1, 4, 7, 10, 30, 45};
    s.Complementario = 13;
    ASSERT_TRUE(Escrutinio::Escruta(c, s, e));
    TVentanaPrevisualizacion p(nullptr, c, ClaseDocumento::Reducida);
    ASSERT_TRUE(Muestra(p));
    EXPECT_EQ(p.Vista()->Texto(), TextoDelDocumento(c));
    EXPECT_TRUE(p.Vista()->Texto().contains("       Numeros escrutados: 1-4-7-10-30-45-C:13"));
    // Dragging over the first bet line selects it.
    const std::vector<TLineaDocumento>& lineas = p.Vista()->Lineas();
    ASSERT_EQ(lineas[lineas.size() - 7].Estilo, EstiloLinea::Apuesta);
}

bool HayPdftotext()
{
    return !QStandardPaths::findExecutable("pdftotext").isEmpty();
}

TEST_F(Previsualizacion, PrintsToAPdfThatHoldsEveryLine)
{
    if (!HayPdftotext())
        GTEST_SKIP() << "pdftotext (Debian poppler-utils) is not installed: the printed PDF "
                        "cannot be read back";
    CarpetaPrograma carpeta;
    TConjuntoApuestas c;
    Simples(c, 300);
    c.FijaNombre("Lista larga");
    TVentanaPrevisualizacion p(nullptr, c, ClaseDocumento::Simples);
    ASSERT_TRUE(Muestra(p));
    const QString pdf = QString::fromStdString((carpeta.Ruta() / "listado.pdf").string());
    TVentanaPrevisualizacion::EligeImpresora() = [&](QWidget*, QPrinter& impresora) {
        EXPECT_EQ(impresora.docName(), "Lista larga");
        impresora.setOutputFormat(QPrinter::PdfFormat);
        impresora.setOutputFileName(pdf);
        return true;
    };
    Pulsa(BotonDe(&p, "Imprimir"));
    TVentanaPrevisualizacion::EligeImpresora() = {};
    EXPECT_TRUE(servicios.Avisos.isEmpty()) << servicios.Ultimo().toStdString();
    EXPECT_TRUE(BotonDe(&p, "Cerrar")->isEnabled());

    QProcess leer;
    leer.start("pdftotext", {"-layout", pdf, "-"});
    ASSERT_TRUE(leer.waitForFinished(60000));
    const QString texto = QString::fromUtf8(leer.readAllStandardOutput());
    EXPECT_GE(texto.count('\f'), 4) << "300 bet lines take several pages";
    QStringList faltan;
    for (const TLineaDocumento& l : p.Vista()->Lineas()) {
        const QString linea = QString::fromStdString(l.Texto).simplified();
        if (!linea.isEmpty() && !texto.simplified().contains(linea))
            faltan << linea;
    }
    EXPECT_TRUE(faltan.isEmpty()) << faltan.join(" | ").left(400).toStdString();
}

TEST_F(Previsualizacion, AFolderThatCannotBeWrittenGivesTheMessage)
{
    CarpetaPrograma carpeta;
    // A folder without write permission; for root, which writes anywhere, a "folder" that
    // is a file.
    const auto cerrada = carpeta.Ruta() / "cerrada";
    if (::geteuid() == 0) {
        std::ofstream(cerrada) << "x";
    } else {
        std::filesystem::create_directory(cerrada);
        std::filesystem::permissions(cerrada, std::filesystem::perms::owner_read |
                                                  std::filesystem::perms::owner_exec);
    }
    TConjuntoApuestas c;
    Simples(c, 5);
    TVentanaPrevisualizacion p(nullptr, c, ClaseDocumento::Simples);
    ASSERT_TRUE(Muestra(p));
    const QString antes = p.Vista()->Texto();
    QPrinter impresora;
    impresora.setOutputFormat(QPrinter::PdfFormat);
    impresora.setOutputFileName(QString::fromStdString((cerrada / "listado.pdf").string()));
    EXPECT_FALSE(p.ImprimeEn(impresora));
    EXPECT_EQ(servicios.Ultimo(), QString::fromUtf8("Error: No se ha podido imprimir el listado. "
                                                    "Compruebe la impresora o el archivo elegido"));
    EXPECT_TRUE(p.isVisible());
    EXPECT_EQ(p.Vista()->Texto(), antes);
    EXPECT_TRUE(BotonDe(&p, "Imprimir")->isEnabled());
    EXPECT_FALSE(std::filesystem::exists(cerrada / "listado.pdf"));
    std::error_code ec;
    std::filesystem::permissions(cerrada, std::filesystem::perms::owner_all, ec);
}

// ---------------------------------------------------------------- the main window's entries

using VentanaPrincipalEscrutinio = Escrutinio_;

// The item `texto` of a menu bar or a menu, looked for in its submenus too.
QAction* Elemento(QWidget* menu, const QString& texto)
{
    for (QAction* a : menu->actions()) {
        if (a->text() == texto)
            return a;
        if (a->menu() != nullptr)
            if (QAction* b = Elemento(a->menu(), texto))
                return b;
    }
    return nullptr;
}

TEST_F(VentanaPrincipalEscrutinio, KeysButtonsAndMenusOpenTheScrutinyAndTheListing)
{
    CarpetaPrograma carpeta;
    TVentanaPrincipal v(carpeta.Ruta());
    v.resize(1024, 700);
    v.show();
    v.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&v));
    std::string e;
    TTextosConjunto t;
    ASSERT_TRUE(v.Conjunto().CreaSimples(2, e, t));
    Marca(v.Conjunto().Apuestas[0], {1, 3, 7, 12, 30, 9});
    Marca(v.Conjunto().Apuestas[1], {1, 3, 20, 21, 22, 23});
    v.Refresca();
    for (const char* item : {"&Listar...", "&Imprimir listados...", "&Escrutar..."})
        ASSERT_NE(Elemento(v.menuBar(), item), nullptr) << item;
    auto* tira = v.findChild<QWidget*>("Panel23");
    ASSERT_NE(tira, nullptr);
    EXPECT_FALSE(tira->isVisible());

    // E: the entry, then the results; the draw strip and the hits show on the slip.
    AlAbrirse<TVentanaEntradaSorteo>([](TVentanaEntradaSorteo* d) {
        Teclea(d, {"7", "3", "45", "12", "30", "1", "9"});
    });
    bool resultados = false;
    AlAbrirse<TVentanaResultados>([&](TVentanaResultados* r) {
        resultados = r->Linea(1) == "5 Aciertos+C: 1";
        QTest::keyClick(r, Qt::Key_Return);
    });
    QTest::keyClick(&v, Qt::Key_E);
    EXPECT_TRUE(resultados);
    EXPECT_TRUE(tira->isVisible());
    EXPECT_EQ(v.findChild<TPanel*>("Panel24")->text(), "1");
    EXPECT_EQ(v.findChild<TPanel*>("Panel30")->text(), "9");
    EXPECT_EQ(v.findChild<TPanel*>("Panel15")->text(), "Aciertos: 5 +C");
    EXPECT_EQ(v.findChild<TPanel*>("Panel16")->text(), "Aciertos: 2");

    // The "&Escrutar" button opens the same entry; cancel there changes nothing.
    AlAbrirse<TVentanaEntradaSorteo>(
        [](TVentanaEntradaSorteo* d) { Pulsa(BotonDe(d, "Cancelar")); });
    auto* escrutar = v.findChild<TShapeButton*>("Escrutar");
    ASSERT_TRUE(escrutar->isEnabled());
    Pulsa(escrutar);
    EXPECT_EQ(v.findChild<TPanel*>("Panel15")->text(), "Aciertos: 5 +C");
    bool abierta = false;
    AlAbrirse<TVentanaEntradaSorteo>([&](TVentanaEntradaSorteo* d) {
        abierta = d->Campo(6)->text() == "09";
        Pulsa(BotonDe(d, "Cancelar"));
    });
    Elemento(v.menuBar(), "&Escrutar...")->trigger();
    EXPECT_TRUE(abierta);

    // L, the "&Listar" button, "&Listar...", "&Imprimir listados..." and the pop-up's
    // "I&mprimir listados..." all open the listing, with the prizes.
    QMenu* popup = nullptr;
    for (QMenu* m : v.findChildren<QMenu*>())
        if (Elemento(m, "I&mprimir listados...") != nullptr)
            popup = m;
    ASSERT_NE(popup, nullptr);
    const std::function<void()> entradas[] = {
        [&] { QTest::keyClick(&v, Qt::Key_L); },
        [&] { Pulsa(v.findChild<TShapeButton*>("Listar")); },
        [&] { Elemento(v.menuBar(), "&Listar...")->trigger(); },
        [&] { Elemento(v.menuBar(), "&Imprimir listados...")->trigger(); },
        [&] { Elemento(popup, "I&mprimir listados...")->trigger(); },
    };
    int entrada = 0;
    for (const auto& abre : entradas) {
        SCOPED_TRACE(entrada++);
        // A key reaches the window's actions only once it is active again after the
        // last modal window closed.
        v.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&v));
        QString premio;
        AlAbrirse<TVentanaListado>([&](TVentanaListado* l) {
            premio = l->Tabla()->item(0, 7)->text();
            Pulsa(BotonDe(l, "Aceptar"));
        });
        abre();
        EXPECT_EQ(premio, " ->5+Complementario");
    }
    EXPECT_TRUE(servicios.Avisos.isEmpty()) << servicios.Ultimo().toStdString();
}

} // namespace
} // namespace numbrela::ui
