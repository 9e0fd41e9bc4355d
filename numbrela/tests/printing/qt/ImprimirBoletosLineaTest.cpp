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

#include "../../comun/qt/PdfBoletos.h"
#include "files/FicheroApuestas.h"
#include "model/ConjuntoApuestas.h"

namespace numbrela {
namespace {

using namespace prueba_pdf;

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
    EXPECT_TRUE(FicheroApuestas::Graba(c, ruta.toStdString(), ModoGrabacion::GrabarComo,
                                       carpeta.toStdString(), error))
        << error;
    return ruta;
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
    CompruebaBoleto(Renderiza(pdf, 1, 300, carpeta.path()),
                    {apuestas.begin(), apuestas.begin() + 8});
    CompruebaBoleto(Renderiza(pdf, 3, 300, carpeta.path()), {apuestas[16]});
}

TEST_F(ImprimirBoletosLinea, RangeAndScreenSlipAndAnotherResolution)
{
    const auto apuestas = Apuestas(17);
    const QString apu = GrabaFichero(carpeta.path(), apuestas);
    const QString pdf = carpeta.path() + "/rango.pdf";
    ASSERT_EQ(Ejecuta({"--print-slips", apu, "--pdf", pdf, "--slips", "2-3"}).Codigo, 0);
    EXPECT_EQ(Paginas(pdf), 2);
    CompruebaBoleto(Renderiza(pdf, 1, 300, carpeta.path()),
                    {apuestas.begin() + 8, apuestas.begin() + 16});

    const QString pantalla = carpeta.path() + "/pantalla.pdf";
    ASSERT_EQ(
        Ejecuta({"--print-slips", apu, "--pdf", pantalla, "--slips", "screen", "--dpi", "600"})
            .Codigo,
        0);
    EXPECT_EQ(Paginas(pantalla), 1);
    // At 600 dots per inch a device unit is 1/600 inch: rendered at 600 the boxes keep
    // their numbers, rendered at 300 every unit is half a pixel.
    CompruebaBoleto(Renderiza(pantalla, 1, 600, carpeta.path()),
                    {apuestas.begin(), apuestas.begin() + 8});
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
        EXPECT_TRUE(s.Errores.contains("Valores no correctos. El rango correcto está entre 1 y 3"))
            << s.Errores.toStdString();
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
    EXPECT_LT(qGray(img.pixel(229 + 8 * 59 + 15, 34 + 9)), 128);      // ninth box of the first row
    EXPECT_GT(qGray(img.pixel(229 + 4 * 59 + 15, 34 + 45 + 9)), 128); // only four on the next
    EXPECT_LT(qGray(img.pixel(210, 900)), 128);                       // the outline's left edge
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
        const bool negra =
            qGray(img.pixel(229 + (10 * fila + 9 - n) * 59 + 15, 34 + 45 * fila + 9)) < 128;
        EXPECT_EQ(negra, std::find(once.begin(), once.end(), n) != once.end()) << n;
        negras += negra;
    }
    EXPECT_EQ(negras, 11);
    EXPECT_GT(qGray(img.pixel(229 + 15, 34 + 221 + 9)), 128); // block 2 is empty

    // A reduced system of 9 numbers al CUATRO is read again from COM9-4.RLV: three bets.
    TConjuntoApuestas r;
    r.Cabecera.Tipo = static_cast<std::uint8_t>(TipoApuesta::Reducida);
    r.Cabecera.TipoReduccion = 2;
    r.Cabecera.TotalReducidos = 9;
    const int elegidos[9] = {4, 8, 15, 16, 23, 29, 34, 42, 48};
    for (int i = 0; i < 9; ++i) {
        r.Cabecera.ListaReducidos[static_cast<std::size_t>(i)] =
            static_cast<std::uint8_t>(elegidos[i]);
        r.Cabecera.Reducidos[static_cast<std::size_t>(elegidos[i] - 1)] =
            static_cast<std::uint8_t>(elegidos[i]);
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
            const bool negra = qGray(imgRed.pixel(229 + (10 * fila + 9 - n) * 59 + 15,
                                                  34 + 221 * b + 45 * fila + 9)) < 128;
            cajas += negra;
            if (negra)
                EXPECT_NE(std::find(std::begin(elegidos), std::end(elegidos), n),
                          std::end(elegidos))
                    << n;
        }
        EXPECT_EQ(cajas, b < 3 ? 6 : 0) << "block " << b;
    }
}

} // namespace
} // namespace numbrela
