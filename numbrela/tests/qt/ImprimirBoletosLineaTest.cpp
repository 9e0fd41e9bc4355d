// "numbrela --print-slips": a bet file's slips in a PDF, one page a slip, read back with
// Ghostscript so that every black box is checked at its place.
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "files/FicheroApuestas.h"
#include "model/ConjuntoApuestas.h"

namespace numbrela {
namespace {

struct Salida {
    int Codigo = -1;
    QString Texto;
    QString Errores;
};

Salida Ejecuta(const QStringList& argumentos)
{
    QProcess proceso;
    proceso.start(QString(TEST_PROGRAM_DIR) + "/numbrela", argumentos);
    proceso.waitForFinished(60000);
    return {proceso.exitCode(), QString::fromUtf8(proceso.readAllStandardOutput()),
            QString::fromUtf8(proceso.readAllStandardError())};
}

int Paginas(const QString& pdf)
{
    QFile f(pdf);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QString texto = QString::fromLatin1(f.readAll());
    return static_cast<int>(texto.count(QRegularExpression("/Type\\s*/Page(?!s)")));
}

QImage Renderiza(const QString& pdf, int pagina, int ppp, const QString& carpeta)
{
    const QString png = carpeta + QString("/p%1-%2.png").arg(pagina).arg(ppp);
    QProcess gs;
    gs.start(QStandardPaths::findExecutable("gs"),
             {"-q", "-dSAFER", "-dBATCH", "-dNOPAUSE", "-sDEVICE=pnggray", QString("-r%1").arg(ppp),
              QString("-dFirstPage=%1").arg(pagina), QString("-dLastPage=%1").arg(pagina), "-dTextAlphaBits=1",
              "-dGraphicsAlphaBits=1", "-o", png, pdf});
    gs.waitForFinished(60000);
    QImageReader::setAllocationLimit(256);  // a Letter page at 600 dots per inch
    return QImage(png);
}

// Bet i (1-based) holds 1 + (i mod 40) and five more, so each slip differs from the next.
std::vector<std::array<int, 6>> Apuestas(int n)
{
    std::vector<std::array<int, 6>> v;
    for (int i = 1; i <= n; ++i) {
        const int a = 1 + i % 40;
        v.push_back({a, a + 1, a + 3, a + 5, a + 7, a + 9});
    }
    return v;
}

QString GrabaFichero(const QString& carpeta, const std::vector<std::array<int, 6>>& apuestas)
{
    TConjuntoApuestas c;
    std::string error;
    TTextosConjunto textos;
    EXPECT_TRUE(c.CreaSimples(static_cast<std::int64_t>(apuestas.size()), error, textos));
    for (std::size_t i = 0; i < apuestas.size(); ++i)
        for (int n : apuestas[i])
            c.Apuestas[i].Marca(n);
    c.FijaNombre("Prueba de impresión");
    const QString ruta = carpeta + "/prueba.apu";
    EXPECT_TRUE(FicheroApuestas::Graba(c, ruta.toStdString(), ModoGrabacion::GrabarComo, carpeta.toStdString(),
                                       error))
        << error;
    return ruta;
}

// Black exactly inside the boxes of the given bets, block by block, left of the header.
void CompruebaBoleto(const QImage& imagen, const std::vector<std::array<int, 6>>& apuestas)
{
    ASSERT_FALSE(imagen.isNull());
    ASSERT_GE(imagen.height(), 1800);
    ASSERT_EQ(imagen.format(), QImage::Format_Grayscale8);
    std::vector<QRect> cajas;
    for (std::size_t b = 0; b < apuestas.size(); ++b)
        for (int n : apuestas[b]) {
            const int fila = n / 10;
            cajas.push_back(QRect(229 + (10 * fila + 9 - n) * 59, 34 + 221 * static_cast<int>(b) + 45 * fila, 30, 18));
        }
    std::vector<bool> dentro(1800 * 830, false);
    for (const QRect& c : cajas)
        for (int y = c.top(); y <= c.bottom(); ++y)
            for (int x = c.left(); x <= c.right(); ++x)
                dentro[static_cast<std::size_t>(y * 830 + x)] = true;
    int errores = 0;
    for (int y = 0; y < 1800; ++y) {
        const uchar* fila = imagen.constScanLine(y);  // Ghostscript's grey: one byte a pixel
        for (int x = 0; x < 830; ++x)
            if ((fila[x] < 128) != dentro[static_cast<std::size_t>(y * 830 + x)] && ++errores < 4)
                ADD_FAILURE() << "pixel " << x << ", " << y;
    }
    EXPECT_EQ(errores, 0);
}

class ImprimirBoletosLinea : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable("gs").isEmpty())
            GTEST_SKIP() << "Ghostscript is needed to read the PDF back";
        ASSERT_TRUE(carpeta.isValid());
    }
    QTemporaryDir carpeta;
};

TEST_F(ImprimirBoletosLinea, EverySlipIsAPageWithItsBoxesInPlace)
{
    const auto apuestas = Apuestas(17);
    const QString apu = GrabaFichero(carpeta.path(), apuestas);
    const QString pdf = carpeta.path() + "/todos.pdf";
    const Salida s = Ejecuta({"--print-slips", apu, "--pdf", pdf});
    ASSERT_EQ(s.Codigo, 0) << s.Errores.toStdString();
    EXPECT_EQ(Paginas(pdf), 3);
    CompruebaBoleto(Renderiza(pdf, 1, 300, carpeta.path()), {apuestas.begin(), apuestas.begin() + 8});
    CompruebaBoleto(Renderiza(pdf, 3, 300, carpeta.path()), {apuestas[16]});
}

TEST_F(ImprimirBoletosLinea, RangeAndScreenSlipAndAnotherResolution)
{
    const auto apuestas = Apuestas(17);
    const QString apu = GrabaFichero(carpeta.path(), apuestas);
    const QString pdf = carpeta.path() + "/rango.pdf";
    ASSERT_EQ(Ejecuta({"--print-slips", apu, "--pdf", pdf, "--slips", "2-3"}).Codigo, 0);
    EXPECT_EQ(Paginas(pdf), 2);
    CompruebaBoleto(Renderiza(pdf, 1, 300, carpeta.path()), {apuestas.begin() + 8, apuestas.begin() + 16});

    const QString pantalla = carpeta.path() + "/pantalla.pdf";
    ASSERT_EQ(Ejecuta({"--print-slips", apu, "--pdf", pantalla, "--slips", "screen", "--dpi", "600"}).Codigo, 0);
    EXPECT_EQ(Paginas(pantalla), 1);
    // At 600 dots per inch a device unit is 1/600 inch: rendered at 600 the boxes keep
    // their numbers, rendered at 300 every unit is half a pixel.
    CompruebaBoleto(Renderiza(pantalla, 1, 600, carpeta.path()), {apuestas.begin(), apuestas.begin() + 8});
    const QImage mitad = Renderiza(pantalla, 1, 300, carpeta.path());
    ASSERT_FALSE(mitad.isNull());
    // Bet 1 holds 2, whose box is at (642, 34): half that at 300, and nothing at 300's place.
    EXPECT_LT(qGray(mitad.pixel((642 + 15) / 2, (34 + 9) / 2)), 128);
    EXPECT_GT(qGray(mitad.pixel(642 + 15, 34 + 9)), 128);
}

TEST_F(ImprimirBoletosLinea, AWrongRangeOrFileWritesNoPdf)
{
    const QString apu = GrabaFichero(carpeta.path(), Apuestas(17));
    const QString pdf = carpeta.path() + "/nada.pdf";
    for (const QString& rango : {QString("0-2"), QString("1-4")}) {
        const Salida s = Ejecuta({"--print-slips", apu, "--pdf", pdf, "--slips", rango});
        EXPECT_EQ(s.Codigo, 1);
        EXPECT_TRUE(s.Errores.contains("Valores no correctos. El rango correcto está entre 1 y 3")) << s.Errores.toStdString();
        EXPECT_FALSE(QFile::exists(pdf));
    }
    const Salida letras = Ejecuta({"--print-slips", apu, "--pdf", pdf, "--slips", "a-2"});
    EXPECT_EQ(letras.Codigo, 1);
    EXPECT_TRUE(letras.Errores.contains("'a' no es un valor entero válido"));
    const Salida sinFichero = Ejecuta({"--print-slips", carpeta.path() + "/no.apu", "--pdf", pdf});
    EXPECT_EQ(sinFichero.Codigo, 1);
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(Ejecuta({"--print-slips", apu}).Codigo, 2);
    EXPECT_EQ(Ejecuta({"--print-slips", apu, "--pdf", pdf, "--dpi", "x"}).Codigo, 2);
}

TEST_F(ImprimirBoletosLinea, CalibrationPrintsTheMessagesAndThePattern)
{
    const QString apu = GrabaFichero(carpeta.path(), Apuestas(3));
    const QString pdf = carpeta.path() + "/cuadrar.pdf";
    const Salida s = Ejecuta({"--print-slips", apu, "--pdf", pdf, "--slips", "calibrate"});
    ASSERT_EQ(s.Codigo, 0) << s.Errores.toStdString();
    EXPECT_TRUE(s.Texto.contains("Page Height : 3300"));
    EXPECT_TRUE(s.Texto.contains("Page Width : 2550"));
    EXPECT_TRUE(s.Texto.contains("imprimiendo en vertical PORTRAIT"));
    const QImage img = Renderiza(pdf, 1, 300, carpeta.path());
    ASSERT_FALSE(img.isNull());
    EXPECT_LT(qGray(img.pixel(229 + 8 * 59 + 15, 34 + 9)), 128);   // ninth box of the first row
    EXPECT_GT(qGray(img.pixel(229 + 4 * 59 + 15, 34 + 45 + 9)), 128);  // only four on the next
    EXPECT_LT(qGray(img.pixel(210, 900)), 128);                     // the outline's left edge
}

} // namespace
} // namespace numbrela

namespace numbrela {
namespace {

TEST_F(ImprimirBoletosLinea, AMultipleAndAReducedSystemFromTheirFiles)
{
    // A multiple of 11: its one slip, 11 boxes in block 1, whatever the range.
    TConjuntoApuestas m;
    m.Cabecera.Tipo = static_cast<std::uint8_t>(TipoApuesta::Multiple);
    m.Cabecera.CodigoMultiple = 6;
    m.Cabecera.TotalApuestas = 462;
    m.CrucesPorApuesta = 11;
    std::string error;
    ASSERT_TRUE(m.ActualizaApuestas(error));
    const std::array<int, 11> once{2, 7, 11, 18, 23, 29, 31, 36, 40, 44, 49};
    for (int n : once)
        m.Apuestas[0].Marca(n);
    const QString apu = carpeta.path() + "/multiple.apu";
    ASSERT_TRUE(FicheroApuestas::Graba(m, apu.toStdString(), ModoGrabacion::GrabarComo,
                                       carpeta.path().toStdString(), error))
        << error;
    const QString pdf = carpeta.path() + "/multiple.pdf";
    ASSERT_EQ(Ejecuta({"--print-slips", apu, "--pdf", pdf, "--slips", "5-9"}).Codigo, 0);
    EXPECT_EQ(Paginas(pdf), 1);
    const QImage img = Renderiza(pdf, 1, 300, carpeta.path());
    ASSERT_FALSE(img.isNull());
    int negras = 0;
    for (int n = 1; n <= 49; ++n) {
        const int fila = n / 10;
        const bool negra = qGray(img.pixel(229 + (10 * fila + 9 - n) * 59 + 15, 34 + 45 * fila + 9)) < 128;
        EXPECT_EQ(negra, std::find(once.begin(), once.end(), n) != once.end()) << n;
        negras += negra;
    }
    EXPECT_EQ(negras, 11);
    EXPECT_GT(qGray(img.pixel(229 + 15, 34 + 221 + 9)), 128);  // block 2 is empty

    // A reduced system of 9 numbers al CUATRO is read again from COM9-4.RLV: three bets.
    TConjuntoApuestas r;
    r.Cabecera.Tipo = static_cast<std::uint8_t>(TipoApuesta::Reducida);
    r.Cabecera.TipoReduccion = 2;
    r.Cabecera.TotalReducidos = 9;
    const int elegidos[9] = {4, 8, 15, 16, 23, 29, 34, 42, 48};
    for (int i = 0; i < 9; ++i) {
        r.Cabecera.ListaReducidos[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(elegidos[i]);
        r.Cabecera.Reducidos[static_cast<std::size_t>(elegidos[i] - 1)] = static_cast<std::uint8_t>(elegidos[i]);
    }
    r.Cabecera.TotalApuestas = 3;
    r.RecalculaBoletos();
    const QString red = carpeta.path() + "/reducida.apu";
    ASSERT_TRUE(FicheroApuestas::Graba(r, red.toStdString(), ModoGrabacion::GrabarComo,
                                       carpeta.path().toStdString(), error))
        << error;
    const QString pdfRed = carpeta.path() + "/reducida.pdf";
    const Salida s = Ejecuta({"--print-slips", red, "--pdf", pdfRed});
    ASSERT_EQ(s.Codigo, 0) << s.Errores.toStdString();
    EXPECT_EQ(Paginas(pdfRed), 1);
    const QImage imgRed = Renderiza(pdfRed, 1, 300, carpeta.path());
    ASSERT_FALSE(imgRed.isNull());
    for (int b = 0; b < 4; ++b) {
        int cajas = 0;
        for (int n = 1; n <= 49; ++n) {
            const int fila = n / 10;
            const bool negra =
                qGray(imgRed.pixel(229 + (10 * fila + 9 - n) * 59 + 15, 34 + 221 * b + 45 * fila + 9)) < 128;
            cajas += negra;
            if (negra)
                EXPECT_NE(std::find(std::begin(elegidos), std::end(elegidos), n), std::end(elegidos)) << n;
        }
        EXPECT_EQ(cajas, b < 3 ? 6 : 0) << "block " << b;
    }
}

} // namespace
} // namespace numbrela
