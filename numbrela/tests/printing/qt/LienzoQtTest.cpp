// The printing engine draws the black boxes exactly where the geometry puts them: slips
// printed onto an image and into a PDF, read back pixel by pixel.
#include <QDir>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "printing/ImpresionBoletos.h"
#include "printing/qt/LienzoQt.h"

namespace numbrela {
namespace {

constexpr int kPuntosPorMetro300 = 11811; // 300 dots per inch

QImage Blanca(int ancho, int alto)
{
    QImage imagen(ancho, alto, QImage::Format_RGB32);
    imagen.setDotsPerMeterX(kPuntosPorMetro300);
    imagen.setDotsPerMeterY(kPuntosPorMetro300);
    imagen.fill(Qt::white);
    return imagen;
}

bool Negro(const QImage& imagen, int x, int y)
{
    return qGray(imagen.pixel(x, y)) < 128;
}

// Every pixel left of the header text is black exactly when it lies inside one of the
// expected 30 x 18 boxes.
void CompruebaCajas(const QImage& imagen, const std::vector<TPunto>& cajas, int hastaX)
{
    std::vector<std::vector<bool>> dentro(
        static_cast<std::size_t>(imagen.height()),
        std::vector<bool>(static_cast<std::size_t>(hastaX), false));
    for (const TPunto& c : cajas)
        for (int y = c.Y; y < c.Y + 18; ++y)
            for (int x = c.X; x < c.X + 30; ++x)
                dentro[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = true;
    int errores = 0;
    for (int y = 0; y < imagen.height(); ++y)
        for (int x = 0; x < hastaX; ++x)
            if (Negro(imagen, x, y) !=
                    dentro[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] &&
                ++errores < 5)
                ADD_FAILURE() << "pixel (" << x << ", " << y << ") should be "
                              << (dentro[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]
                                      ? "black"
                                      : "white");
    EXPECT_EQ(errores, 0);
}

TConjuntoApuestas Simples(std::initializer_list<std::initializer_list<int>> apuestas)
{
    TConjuntoApuestas c;
    std::string error;
    TTextosConjunto textos;
    EXPECT_TRUE(c.CreaSimples(static_cast<std::int64_t>(apuestas.size()), error, textos));
    std::size_t i = 0;
    for (const auto& numeros : apuestas) {
        for (int n : numeros)
            c.Apuestas[i].Marca(n);
        ++i;
    }
    c.FijaNombre("Peña del bar");
    return c;
}

// Boxes of the default geometry, worked out by hand: block b starts 221·b below block 1,
// number n sits in row n div 10, (9 + 10·row − n) cells of 59 from X = 229.
TPunto CajaA_Mano(int bloque, int n)
{
    const int fila = n / 10;
    return {229 + (10 * fila + 9 - n) * 59, 34 + 221 * bloque + 45 * fila};
}

TEST(LienzoQt, SlipOnAnImageHasItsBoxesWhereTheGeometrySays)
{
    TConjuntoApuestas c =
        Simples({{1, 9, 10, 25, 40, 49}, {3, 14, 22, 31, 38, 47}, {5, 6, 7, 8, 11, 12}});
    TGeometriaImpresion g;
    QImage imagen = Blanca(1000, 900);
    TLienzoQt lienzo(imagen, TLienzoQt::Modo::TrabajoPorBoleto);
    const auto r = ImprimirBoletos(c, g, {TRangoImpresion::BoletoEnPantalla, "", ""}, lienzo);
    EXPECT_EQ(r.Trabajos, 1);
    std::vector<TPunto> esperadas;
    const int apuestas[3][6] = {
        {1, 9, 10, 25, 40, 49}, {3, 14, 22, 31, 38, 47}, {5, 6, 7, 8, 11, 12}};
    for (int b = 0; b < 3; ++b)
        for (int n : apuestas[b])
            esperadas.push_back(CajaA_Mano(b, n));
    EXPECT_EQ(esperadas[0], (TPunto{701, 34}));
    EXPECT_EQ(esperadas[5], (TPunto{229, 214}));
    CompruebaCajas(imagen, esperadas, 209 + 631 - 1);
    // The header is printed right of the grid, from (840, 24) on.
    bool texto = false;
    for (int y = 24; y < 80 && !texto; ++y)
        for (int x = 840; x < 990 && !texto; ++x)
            texto = Negro(imagen, x, y);
    EXPECT_TRUE(texto);
}

TEST(LienzoQt, CalibrationOutlineAndPatternOnAnImage)
{
    TConjuntoApuestas c = Simples({{1, 2, 3, 4, 5, 6}});
    TGeometriaImpresion g;
    g.PosX = 100;
    g.PosY = 50;
    QImage imagen = Blanca(800, 1900);
    TLienzoQt lienzo(imagen, TLienzoQt::Modo::TrabajoPorBoleto);
    ImprimirBoletos(c, g, {TRangoImpresion::CuadrarBoleto, "", ""}, lienzo);
    // The outline's edges, three units wide, run along (100, 50)-(701, 1812).
    EXPECT_TRUE(Negro(imagen, 100, 900));
    EXPECT_TRUE(Negro(imagen, 701, 900));
    EXPECT_TRUE(Negro(imagen, 400, 50));
    EXPECT_TRUE(Negro(imagen, 400, 1812));
    EXPECT_FALSE(Negro(imagen, 104, 900));
    EXPECT_FALSE(Negro(imagen, 400, 1000));
    // The first row's nine boxes, then four on the next eight rows.
    for (int i = 0; i < 9; ++i) {
        EXPECT_TRUE(Negro(imagen, 120 + i * 59 + 15, 60 + 9));
        EXPECT_FALSE(Negro(imagen, 120 + i * 59 + 40, 60 + 9));
    }
    for (int r = 1; r <= 8; ++r) {
        EXPECT_TRUE(Negro(imagen, 120 + 3 * 59 + 15, 60 + 45 * r + 9)) << r;
        EXPECT_FALSE(Negro(imagen, 120 + 4 * 59 + 15, 60 + 45 * r + 9)) << r;
    }
}

// Renders a PDF page with Ghostscript at 300 dots per inch, so a pixel is a device unit.
QImage RenderizaPdf(const QString& pdf, int pagina, const QString& carpeta)
{
    const QString gs = QStandardPaths::findExecutable("gs");
    if (gs.isEmpty())
        return {};
    const QString png = carpeta + QString("/pagina%1.png").arg(pagina);
    QProcess proceso;
    proceso.start(gs, {"-q", "-dSAFER", "-dBATCH", "-dNOPAUSE", "-sDEVICE=pnggray", "-r300",
                       QString("-dFirstPage=%1").arg(pagina), QString("-dLastPage=%1").arg(pagina),
                       "-dTextAlphaBits=1", "-dGraphicsAlphaBits=1", "-o", png, pdf});
    proceso.waitForFinished(60000);
    return QImage(png);
}

TEST(LienzoQt, PdfPagesCarryEachSlipsBoxesAtTheirPlace)
{
    if (QStandardPaths::findExecutable("gs").isEmpty())
        GTEST_SKIP() << "Ghostscript is needed to read the PDF back";
    QTemporaryDir carpeta;
    ASSERT_TRUE(carpeta.isValid());
    // Nine bets: the second slip holds bet 9 alone, in block 1.
    TConjuntoApuestas c = Simples({{1, 2, 3, 4, 5, 6},
                                   {7, 8, 9, 10, 11, 12},
                                   {13, 14, 15, 16, 17, 18},
                                   {19, 20, 21, 22, 23, 24},
                                   {25, 26, 27, 28, 29, 30},
                                   {31, 32, 33, 34, 35, 36},
                                   {37, 38, 39, 40, 41, 42},
                                   {43, 44, 45, 46, 47, 48},
                                   {1, 12, 23, 34, 45, 49}});
    const QString pdf = carpeta.path() + "/boletos.pdf";
    {
        QPrinter impresora(QPrinter::HighResolution);
        impresora.setOutputFormat(QPrinter::PdfFormat);
        impresora.setOutputFileName(pdf);
        impresora.setResolution(300);
        impresora.setFullPage(true);
        // Letter is a whole number of dots at 300 per inch (A4 is not), so pixels match units.
        impresora.setPageSize(QPageSize(QPageSize::Letter));
        TLienzoQt lienzo(impresora, TLienzoQt::Modo::PaginaPorBoleto);
        TGeometriaImpresion g;
        const auto r = ImprimirBoletos(c, g, {TRangoImpresion::TodosLosBoletos, "", ""}, lienzo);
        EXPECT_EQ(r.Trabajos, 2);
        ASSERT_TRUE(lienzo.Termina());
    }
    const QImage pagina2 = RenderizaPdf(pdf, 2, carpeta.path());
    ASSERT_FALSE(pagina2.isNull());
    EXPECT_EQ(pagina2.width(), 2550); // 8.5 inches at 300 dots per inch
    std::vector<TPunto> esperadas;
    for (int n : {1, 12, 23, 34, 45, 49})
        esperadas.push_back(CajaA_Mano(0, n));
    CompruebaCajas(pagina2, esperadas, 209 + 631 - 1);
    const QImage pagina1 = RenderizaPdf(pdf, 1, carpeta.path());
    ASSERT_FALSE(pagina1.isNull());
    esperadas.clear();
    for (int b = 0; b < 8; ++b)
        for (int k = 1; k <= 6; ++k)
            esperadas.push_back(CajaA_Mano(b, 6 * b + k));
    CompruebaCajas(pagina1, esperadas, 209 + 631 - 1);
}

TEST(LienzoQt, AnAbortedJobEndsThePrintAndKeepsTheOrigin)
{
    TConjuntoApuestas c = Simples({{1, 2, 3, 4, 5, 6},
                                   {1, 2, 3, 4, 5, 6},
                                   {1, 2, 3, 4, 5, 6},
                                   {1, 2, 3, 4, 5, 6},
                                   {1, 2, 3, 4, 5, 6},
                                   {1, 2, 3, 4, 5, 6},
                                   {1, 2, 3, 4, 5, 6},
                                   {1, 2, 3, 4, 5, 6},
                                   {1, 2, 3, 4, 5, 6}});
    QImage imagen = Blanca(1000, 900);
    TLienzoQt lienzo(imagen, TLienzoQt::Modo::TrabajoPorBoleto);
    TGeometriaImpresion g;
    int trabajos = 0;
    const auto r = ImprimirBoletos(c, g, {TRangoImpresion::TodosLosBoletos, "", ""}, lienzo, [&] {
        if (++trabajos == 2)
            lienzo.Aborta(); // "Abortar" pressed while the first job spooled
        return true;
    });
    EXPECT_TRUE(r.Abortado);
    EXPECT_EQ(r.Trabajos, 1);
    EXPECT_EQ(g.PosX, 209);
    EXPECT_EQ(g.PosY, 24);
}

} // namespace
} // namespace numbrela
