// "Impresión de Boletos" driven as a user drives it: arrows and geometry fields, ranges,
// calibration, whole runs printed to PDF files (one a job) and read back, "Abortar" in the
// middle of a long run, and the main window's entries that open it.
#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

#include <set>
#include <thread>

#include "../../comun/qt/PdfBoletos.h"
#include "../../comun/qt/Usuario.h"
#include "principal/qt/AccionesVentana.h"
#include "principal/qt/TVentanaPrincipal.h"
#include "printing/qt/TCuadroBoleto.h"
#include "printing/qt/TImpresora.h"
#include "printing/qt/TVentanaImpresion.h"
#include "tests/comun/MotorDePrueba.h"

namespace numbrela {
namespace {

using namespace ui::prueba;
using namespace prueba_pdf;

// The printer dialog answered by the test: printing goes to `Fichero` as PDF.
struct DialogosDePrueba {
    QString Fichero;
    bool Acepta = true;
    int Veces = 0;
    TDialogosImpresora anteriores = TDialogosImpresora::Actuales();

    DialogosDePrueba()
    {
        auto responde = [this](QWidget*, QPrinter& p) {
            ++Veces;
            if (Acepta) {
                p.setOutputFormat(QPrinter::PdfFormat);
                p.setOutputFileName(Fichero);
                p.setPageSize(QPageSize(QPageSize::Letter));
            }
            return Acepta;
        };
        TDialogosImpresora::Actuales() = {responde, responde};
    }
    ~DialogosDePrueba() { TDialogosImpresora::Actuales() = anteriores; }
};

TConjuntoApuestas Simples(const std::vector<std::array<int, 6>>& apuestas)
{
    TConjuntoApuestas c;
    std::string error;
    TTextosConjunto textos;
    EXPECT_TRUE(c.CreaSimples(static_cast<std::int64_t>(apuestas.size()), error, textos)) << error;
    for (std::size_t i = 0; i < apuestas.size(); ++i)
        for (int n : apuestas[i])
            c.Apuestas[i].Marca(n);
    c.FijaNombre("Prueba de impresión");
    return c;
}

// The PDF's title as Qt writes it: UTF-16 big-endian in a literal string.
QString TituloPdf(const QString& pdf)
{
    QFile f(pdf);
    if (!f.open(QIODevice::ReadOnly))
        return "(no file)";
    const QByteArray datos = f.readAll();
    const qsizetype i = datos.indexOf("/Title (");
    if (i < 0)
        return "(no title)";
    QByteArray bytes;
    for (qsizetype k = i + 8; k < datos.size() && datos[k] != ')'; ++k) {
        if (datos[k] == '\\' && k + 1 < datos.size()) {
            const char c = datos[++k];
            if (c >= '0' && c <= '7') {
                int v = 0;
                for (int n = 0; n < 3 && k < datos.size() && datos[k] >= '0' && datos[k] <= '7';
                     ++n, ++k)
                    v = v * 8 + (datos[k] - '0');
                --k;
                bytes.append(static_cast<char>(v));
            } else {
                bytes.append(c);
            }
        } else {
            bytes.append(datos[k]);
        }
    }
    if (bytes.startsWith("\xFE\xFF")) {
        QString s;
        for (qsizetype k = 2; k + 1 < bytes.size(); k += 2)
            s.append(QChar((static_cast<uchar>(bytes[k]) << 8) | static_cast<uchar>(bytes[k + 1])));
        return s;
    }
    return QString::fromLatin1(bytes);
}

class VentanaImpresion : public ::testing::Test {
protected:
    void SetUp() override
    {
        UsaCarpetaDelPrograma();
        ASSERT_TRUE(carpeta.isValid());
        dialogos.Fichero = carpeta.path() + "/boletos.pdf";
    }

    // Opens the window on `conjunto`, shown and ready for clicks.
    TVentanaImpresion& Abre(const TConjuntoApuestas& conjunto)
    {
        ventana = std::make_unique<TVentanaImpresion>(nullptr, conjunto, impresora);
        EXPECT_TRUE(Muestra(*ventana));
        return *ventana;
    }
    // The window keeps a reference to its set: a temporary would be gone before a click.
    TVentanaImpresion& Abre(TConjuntoApuestas&&) = delete;
    template <class T> T* Control(const char* nombre) const
    {
        T* c = ventana->findChild<T*>(nombre);
        EXPECT_NE(c, nullptr) << nombre;
        return c;
    }
    ui::TShapeButton* Boton(const char* nombre) const { return Control<ui::TShapeButton>(nombre); }
    QLineEdit* Campo(const char* nombre) const { return Control<QLineEdit>(nombre); }
    QStringList Campos() const
    {
        QStringList s;
        for (QLineEdit* e : ventana->CamposGeometria())
            s << e->text();
        return s;
    }
    // Yellow on red while changed, blue on white once taken.
    bool Cambiados() const
    {
        bool todos = true, ninguno = true;
        for (QLineEdit* e : ventana->CamposGeometria()) {
            const bool rojo = e->palette().color(QPalette::Base) == QColor(255, 0, 0) &&
                              e->palette().color(QPalette::Text) == QColor(255, 255, 0);
            const bool blanco = e->palette().color(QPalette::Base) == QColor(Qt::white) &&
                                e->palette().color(QPalette::Text) == QColor(0, 0, 255);
            todos &= rojo;
            ninguno &= blanco;
        }
        EXPECT_TRUE(todos || ninguno);
        return todos;
    }
    void EligeRango(const char* item)
    {
        QTest::mouseClick(Control<QRadioButton>(item), Qt::LeftButton);
    }
    QStringList Impresos() const
    {
        return QDir(carpeta.path()).entryList({"*.pdf"}, QDir::Files, QDir::Name);
    }

    ServiciosDePrueba servicios;
    DialogosDePrueba dialogos;
    QTemporaryDir carpeta;
    TImpresora impresora;
    std::unique_ptr<TVentanaImpresion> ventana;
};

TEST_F(VentanaImpresion, ArrowsMoveTheOriginAndTheFrameAndActivarValoresTakesTheFields)
{
    const TConjuntoApuestas c = Simples(Apuestas(3));
    Abre(c);
    EXPECT_EQ(Campos(), QStringList({"59", "45", "209", "24"}));
    EXPECT_FALSE(Cambiados());
    EXPECT_TRUE(Control<QRadioButton>("CuadrarBoleto")->isChecked());
    EXPECT_EQ(Campo("A")->text(), "1");
    auto* cuadro = ventana->findChild<TCuadroBoleto*>();
    const QRect marco = cuadro->Marco();

    QTest::mouseClick(Control<QToolButton>("FlechaArriba"), Qt::LeftButton);
    QTest::mouseClick(Control<QToolButton>("FlechaArriba"), Qt::LeftButton);
    QTest::mouseClick(Control<QToolButton>("FlechaIzquierda"), Qt::LeftButton);
    EXPECT_EQ(impresora.Geometria().PosX, 211); // at once, before "Activar valores"
    EXPECT_EQ(impresora.Geometria().PosY, 23);
    EXPECT_EQ(Campos(), QStringList({"59", "45", "211", "23"}));
    EXPECT_EQ(cuadro->Marco().topLeft(), marco.topLeft() + QPoint(-1, -2));
    EXPECT_TRUE(Cambiados());
    QTest::mouseClick(Control<QToolButton>("FlechaAbajo"), Qt::LeftButton);
    QTest::mouseClick(Control<QToolButton>("FlechaDerecha"), Qt::LeftButton);
    EXPECT_EQ(cuadro->Marco().topLeft(), marco.topLeft() + QPoint(0, -1));

    Pulsa(Boton("ActivarValores"));
    EXPECT_FALSE(Cambiados());
    // Typing alone turns the fields changed; nothing is taken before "Activar valores".
    QTest::keyClicks(Campo("DistanciaA"), "0");
    EXPECT_TRUE(Cambiados());
    EXPECT_EQ(impresora.Geometria().DistanciaA, 59);
    Campo("DistanciaA")->setText("61");
    Pulsa(Boton("ActivarValores"));
    EXPECT_EQ(impresora.Geometria().DistanciaA, 61);
    EXPECT_TRUE(servicios.Avisos.isEmpty());

    // The geometry lasts for the run: the next window shows it.
    ventana.reset();
    Abre(c);
    EXPECT_EQ(Campos(), QStringList({"61", "45", "210", "24"}));
    EXPECT_EQ(ventana->findChild<TCuadroBoleto*>()->Marco().topLeft(),
              marco.topLeft() + QPoint(0, -1));
}

TEST_F(VentanaImpresion, ABadGeometryFieldKeepsItAndTheFieldsAfterIt)
{
    const TConjuntoApuestas abierto = Simples(Apuestas(3));
    Abre(abierto);
    // Digits only, three at most: letters and signs never reach the field.
    QLineEdit* a = Campo("DistanciaA");
    a->clear();
    QTest::keyClicks(a, "-6x12345");
    EXPECT_EQ(a->text(), "612");
    QLineEdit* b = Campo("DistanciaB");
    b->clear(); // empty: not a number
    Campo("PosX")->setText("300");
    Pulsa(Boton("ActivarValores"));
    EXPECT_EQ(servicios.Avisos, QStringList({kMsgValoresGeometria}));
    const TGeometriaImpresion& g = impresora.Geometria();
    EXPECT_EQ(g.DistanciaA, 612);
    EXPECT_EQ(g.DistanciaB, 45);
    EXPECT_EQ(g.PosX, 209);
    EXPECT_EQ(Campos(), QStringList({"612", "45", "209", "24"})); // the values in force
    EXPECT_FALSE(Cambiados());
    EXPECT_TRUE(a->hasFocus());
}

TEST_F(VentanaImpresion, ThePrinterDialogComesFirstThenTheRangeIsChecked)
{
    const TConjuntoApuestas abierto = Simples(Apuestas(17));
    Abre(abierto);
    EXPECT_EQ(Campo("A")->text(), "3");
    // Clicking into a field chooses "Rango de-a" and selects the field's text.
    QTest::mouseClick(Campo("A"), Qt::LeftButton);
    QTest::qWait(10);
    EXPECT_TRUE(Control<QRadioButton>("RangoDeA")->isChecked());
    EXPECT_EQ(Campo("A")->selectedText(), "3");
    const QString fuera =
        QString::fromUtf8("Valores no correctos. El rango correcto está entre 1 y 3");
    const struct {
        const char *De, *A;
        QString Mensaje;
    } casos[] = {
        {"2", "1", QString()}, // reversed: nothing printed, nothing said
        {"0", "2", fuera},
        {"1", "4", fuera},
        {"", "2", QString::fromUtf8("'' no es un valor entero válido")},
        {"1", "", QString::fromUtf8("'' no es un valor entero válido")},
    };
    for (const bool acepta : {false, true}) {
        dialogos.Acepta = acepta;
        dialogos.Veces = 0;
        for (const auto& caso : casos) {
            servicios.Avisos.clear();
            Campo("De")->setText(caso.De);
            Campo("A")->setText(caso.A);
            Pulsa(Boton("Imprimir"));
            // Cancelling the printer dialog ends the command before the range is read.
            EXPECT_EQ(servicios.Ultimo(), acepta ? caso.Mensaje : QString())
                << caso.De << "-" << caso.A;
        }
        EXPECT_EQ(dialogos.Veces, 5);
    }
    EXPECT_TRUE(Impresos().isEmpty());
}

TEST_F(VentanaImpresion, TheCalibrationNeedsNoBetsAndASetWithoutKindPrintsNoSlip)
{
    TConjuntoApuestas vacio;
    vacio.Cabecera.Tipo = 0; // no kind: no bets
    vacio.Cabecera.TotalApuestas = 0;
    Abre(vacio);
    Pulsa(Boton("Imprimir")); // "Cuadrar boleto" is chosen at opening
    EXPECT_EQ(dialogos.Veces, 1);
    EXPECT_EQ(servicios.Avisos.size(), 3) << servicios.Avisos.join("\n").toStdString();
    EXPECT_EQ(Impresos(), QStringList({"boletos.pdf"}));
    QFile::remove(dialogos.Fichero);
    servicios.Avisos.clear();
    for (const char* rango : {"BoletoEnPantalla", "TodosLosBoletos", "RangoDeA"}) {
        EligeRango(rango);
        Pulsa(Boton("Imprimir"));
    }
    EXPECT_EQ(dialogos.Veces, 4);
    EXPECT_TRUE(Impresos().isEmpty());
    EXPECT_EQ(servicios.Avisos.size(), 3);
    EXPECT_TRUE(servicios.Ultimo().startsWith("No hay apuestas que imprimir"));
}

TEST_F(VentanaImpresion, EverySlipIsItsOwnJobWithItsTitleAndItsBoxesInPlace)
{
    if (QStandardPaths::findExecutable("gs").isEmpty())
        GTEST_SKIP() << "Ghostscript is needed to read the PDF back";
    const auto apuestas = Apuestas(17);
    TConjuntoApuestas c = Simples(apuestas);
    c.BoletoActual = 1;
    Abre(c);
    // The printer dialog cancelled: nothing at all.
    dialogos.Acepta = false;
    EligeRango("TodosLosBoletos");
    Pulsa(Boton("Imprimir"));
    EXPECT_TRUE(Impresos().isEmpty());
    dialogos.Acepta = true;
    Pulsa(Boton("Imprimir"));
    ASSERT_EQ(Impresos(), QStringList({"boletos-1.pdf", "boletos-2.pdf", "boletos-3.pdf"}));
    for (int k = 1; k <= 3; ++k) {
        const QString pdf = carpeta.filePath(QString("boletos-%1.pdf").arg(k));
        EXPECT_EQ(Paginas(pdf), 1);
        EXPECT_EQ(TituloPdf(pdf), QString("Numbrela: Boleto %1").arg(k));
    }
    CompruebaBoleto(Renderiza(carpeta.filePath("boletos-1.pdf"), 1, 300, carpeta.path()),
                    {apuestas.begin(), apuestas.begin() + 8});
    CompruebaBoleto(Renderiza(carpeta.filePath("boletos-3.pdf"), 1, 300, carpeta.path()),
                    {apuestas[16]});
    EXPECT_TRUE(servicios.Avisos.isEmpty());

    // The slip on screen is one job under the chosen name, with no title of its own.
    QDir(carpeta.path()).removeRecursively();
    QDir().mkpath(carpeta.path());
    EligeRango("BoletoEnPantalla");
    Pulsa(Boton("Imprimir"));
    ASSERT_EQ(Impresos(), QStringList({"boletos.pdf"}));
    EXPECT_NE(TituloPdf(dialogos.Fichero), "Numbrela: Boleto 2");
    CompruebaBoleto(Renderiza(dialogos.Fichero, 1, 300, carpeta.path()),
                    {apuestas.begin() + 8, apuestas.begin() + 16});
    EXPECT_EQ(impresora.Geometria().PosY, 24);
}

TEST_F(VentanaImpresion, CalibrationSaysThePageAndItsOrientationAndPrintsThePattern)
{
    const TConjuntoApuestas abierto = Simples(Apuestas(3));
    Abre(abierto);
    Pulsa(Boton("Imprimir")); // "Cuadrar boleto" is chosen at opening
    EXPECT_EQ(servicios.Avisos, QStringList({"Page Height : 3300", "Page Width : 2550",
                                             "imprimiendo en vertical PORTRAIT"}));
    ASSERT_EQ(Impresos(), QStringList({"boletos.pdf"}));
    // The button switches and says so; the picture switches and leaves the caption.
    Pulsa(Boton("Orientacion"));
    EXPECT_EQ(Boton("Orientacion")->caption(), "Horizontal");
    EXPECT_EQ(impresora.Impresora().pageLayout().orientation(), QPageLayout::Landscape);
    QTest::mouseClick(ventana->findChild<TCuadroBoleto*>(), Qt::LeftButton);
    EXPECT_EQ(Boton("Orientacion")->caption(), "Horizontal");
    EXPECT_EQ(impresora.Impresora().pageLayout().orientation(), QPageLayout::Portrait);
    QTest::mouseClick(ventana->findChild<TCuadroBoleto*>(), Qt::LeftButton);
    servicios.Avisos.clear();
    Pulsa(Boton("Imprimir"));
    EXPECT_EQ(servicios.Avisos,
              QStringList({"Page Height : 2550", "Page Width : 3300", "Imprimiendo en LANDSCAPE"}));
    if (QStandardPaths::findExecutable("gs").isEmpty())
        return;
    const QImage img = Renderiza(dialogos.Fichero, 1, 300, carpeta.path());
    ASSERT_FALSE(img.isNull());
    EXPECT_LT(qGray(img.pixel(229 + 8 * 59 + 15, 34 + 9)), 128);      // ninth box of the first row
    EXPECT_GT(qGray(img.pixel(229 + 4 * 59 + 15, 34 + 45 + 9)), 128); // only four on the next
    EXPECT_LT(qGray(img.pixel(210, 900)), 128);                       // the outline's left edge
}

TEST_F(VentanaImpresion, TheCalibrationSaysThePrintableAreaNotTheWholeSheet)
{
    const TConjuntoApuestas abierto = Simples(Apuestas(3));
    Abre(abierto);
    // A printer that cannot reach a quarter of an inch at the sides and a sixth at the top
    // and bottom of a Letter sheet: 75 and 50 dots at 300 per inch.
    TDialogosImpresora::Actuales().Imprimir = [this](QWidget*, QPrinter& p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(dialogos.Fichero);
        const QMarginsF bordes(18, 12, 18, 12);
        p.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, bordes,
                                    QPageLayout::Point, bordes));
        return true;
    };
    Pulsa(Boton("Imprimir"));
    EXPECT_EQ(servicios.Avisos, QStringList({"Page Height : 3200", "Page Width : 2400",
                                             "imprimiendo en vertical PORTRAIT"}));
    // The marks still fall where the geometry says, from the sheet's corner.
    if (QStandardPaths::findExecutable("gs").isEmpty())
        return;
    const QImage img = Renderiza(dialogos.Fichero, 1, 300, carpeta.path());
    ASSERT_FALSE(img.isNull());
    EXPECT_LT(qGray(img.pixel(229 + 15, 34 + 9)), 128); // first box of the first row
    EXPECT_GT(qGray(img.pixel(229 - 15, 34 + 9)), 128);
}

// An engine that notes every thread that asks it for a combination.
class MotorQueAnotaHilos : public numbrela::prueba::MotorDePrueba {
public:
    void Calcular(int n) override
    {
        Hilos.insert(std::this_thread::get_id());
        MotorDePrueba::Calcular(n);
    }
    std::set<std::thread::id> Hilos;
};

TEST_F(VentanaImpresion, AReducedSetIsReadOnTheWindowsOwnThread)
{
    MotorQueAnotaHilos motor;
    TConjuntoApuestas c(&motor);
    c.Cabecera.Tipo = static_cast<std::uint8_t>(TipoApuesta::Reducida);
    c.Cabecera.TotalReducidos = 9;
    const std::uint8_t elegidos[] = {3, 7, 12, 18, 22, 30, 35, 41, 47};
    std::copy(std::begin(elegidos), std::end(elegidos), c.Cabecera.ListaReducidos.begin());
    for (std::uint32_t r = 1; r <= 20; ++r)
        c.BufferRangos.push_back(r);
    c.Cabecera.TotalApuestas = 20;
    c.RecalculaBoletos();
    Abre(c);
    EligeRango("TodosLosBoletos");
    motor.Hilos.clear();
    Pulsa(Boton("Imprimir"));
    EXPECT_EQ(Impresos().size(), 3);
    // The set, its engine and the geometry belong to the window's thread: nothing else
    // reads them while the window answers.
    EXPECT_EQ(motor.Hilos, std::set<std::thread::id>({std::this_thread::get_id()}));
    EXPECT_TRUE(servicios.Avisos.isEmpty()) << servicios.Avisos.join("\n").toStdString();
}

TEST_F(VentanaImpresion, AbortarStopsALongRunAtOnceAndRestoresTheOrigin)
{
    const TConjuntoApuestas c = Simples(Apuestas(1000)); // 125 slips
    Abre(c);
    QTest::mouseClick(Control<QToolButton>("FlechaDerecha"), Qt::LeftButton);
    EligeRango("TodosLosBoletos");
    QElapsedTimer reloj;
    qint64 pulsado = -1;
    int hechos = -1;
    // Once the fifth slip is out, "Abortar" is pressed while the run goes on.
    QTimer sondeo;
    sondeo.setInterval(1);
    QObject::connect(&sondeo, &QTimer::timeout, [&] {
        if (pulsado < 0 && QFile::exists(carpeta.filePath("boletos-5.pdf"))) {
            EXPECT_TRUE(ventana->Imprimiendo());
            hechos = static_cast<int>(Impresos().size());
            pulsado = reloj.elapsed();
            Pulsa(Boton("Abortar"));
        }
    });
    sondeo.start();
    reloj.start();
    Pulsa(Boton("Imprimir"));
    const qint64 fin = reloj.elapsed();
    sondeo.stop();
    ASSERT_GE(pulsado, 0) << "the run never let the window answer";
    EXPECT_LT(fin - pulsado, 500);
    EXPECT_EQ(static_cast<int>(Impresos().size()), hechos); // no job after "Abortar"
    EXPECT_LT(hechos, 125);
    EXPECT_FALSE(ventana->Imprimiendo());
    EXPECT_EQ(impresora.Geometria().PosX, 209);
    EXPECT_EQ(impresora.Geometria().PosY, 25);
    EXPECT_TRUE(servicios.Avisos.isEmpty());
}

TEST_F(VentanaImpresion, APrinterThatFailsInTheMiddleStopsTheRunAndSaysSo)
{
    const TConjuntoApuestas c = Simples(Apuestas(80));
    Abre(c);
    EligeRango("TodosLosBoletos");
    // A folder stands where the second of the ten slips goes, so the run stops there
    // however fast the thread that draws the slips is.
    const QString sub = carpeta.filePath("sub");
    QDir().mkpath(sub + "/boletos-2.pdf");
    dialogos.Fichero = sub + "/boletos.pdf";
    Pulsa(Boton("Imprimir"));
    EXPECT_EQ(servicios.Ultimo(),
              QString::fromUtf8("La impresora no ha aceptado el trabajo; 1 de 10 boletos impresos, "
                                "los demás no se han enviado."));
    EXPECT_TRUE(QFile::exists(sub + "/boletos-1.pdf"));
    EXPECT_FALSE(QFile::exists(sub + "/boletos-3.pdf"));
    EXPECT_EQ(impresora.Geometria().PosY, 24);
}

TEST_F(VentanaImpresion, TheMainWindowsEntriesOpenItAndTheSetUpIsKeptForTheRun)
{
    ui::prueba::CarpetaPrograma programa;
    ui::TVentanaPrincipal principal(programa.Ruta());
    ASSERT_TRUE(Muestra(principal));
    ui::TAccionesVentana& a = principal.Acciones();
    ASSERT_TRUE(a.ImprimirBoletos->isEnabled());
    ASSERT_TRUE(a.EstablecerImpresora->isEnabled());
    auto* suya = TImpresora::De(&principal);
    ASSERT_NE(suya, nullptr);
    // The set-up chooses a file and landscape; the print window then prints there.
    TDialogosImpresora::Actuales().Establecer = [this](QWidget*, QPrinter& p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(carpeta.filePath("elegida.pdf"));
        p.setPageOrientation(QPageLayout::Landscape);
        return true;
    };
    a.EstablecerImpresora->trigger();
    TDialogosImpresora::Actuales().Imprimir = [](QWidget*, QPrinter&) { return true; };
    bool abierta = false;
    AlAbrirse<TVentanaImpresion>([&](TVentanaImpresion* v) {
        abierta = true;
        Pulsa(v->findChild<ui::TShapeButton*>("Imprimir"));
        Pulsa(v->findChild<ui::TShapeButton*>("Aceptar"));
    });
    Pulsa(principal.findChild<ui::TShapeButton*>("Imprimir"));
    EXPECT_TRUE(abierta);
    EXPECT_EQ(Impresos(), QStringList({"elegida.pdf"}));
    EXPECT_EQ(servicios.Avisos.value(2), "Imprimiendo en LANDSCAPE");
    EXPECT_EQ(suya->Impresora().resolution(), TImpresora::kPuntosPorPulgada);
}

} // namespace
} // namespace numbrela
