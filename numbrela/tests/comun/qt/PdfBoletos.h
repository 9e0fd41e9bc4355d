#pragma once
// Printed slips read back: a PDF's pages rendered by Ghostscript into grey pixels, and
// every black box of a slip checked at its place at 300 dots per inch.
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace numbrela::prueba_pdf {

inline int Paginas(const QString& pdf)
{
    QFile f(pdf);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QString texto = QString::fromLatin1(f.readAll());
    return static_cast<int>(texto.count(QRegularExpression("/Type\\s*/Page(?!s)")));
}

inline QImage Renderiza(const QString& pdf, int pagina, int ppp, const QString& carpeta)
{
    const QString png = carpeta + QString("/p%1-%2.png").arg(pagina).arg(ppp);
    QProcess gs;
    gs.start(QStandardPaths::findExecutable("gs"),
             {"-q", "-dSAFER", "-dBATCH", "-dNOPAUSE", "-sDEVICE=pnggray", QString("-r%1").arg(ppp),
              QString("-dFirstPage=%1").arg(pagina), QString("-dLastPage=%1").arg(pagina),
              "-dTextAlphaBits=1", "-dGraphicsAlphaBits=1", "-o", png, pdf});
    gs.waitForFinished(60000);
    QImageReader::setAllocationLimit(256); // a Letter page at 600 dots per inch
    return QImage(png);
}

// Bet i (1-based) holds 1 + (i mod 40) and five more, so each slip differs from the next.
inline std::vector<std::array<int, 6>> Apuestas(int n)
{
    std::vector<std::array<int, 6>> v;
    for (int i = 1; i <= n; ++i) {
        const int a = 1 + i % 40;
        v.push_back({a, a + 1, a + 3, a + 5, a + 7, a + 9});
    }
    return v;
}

// Black exactly inside the boxes of the given bets, block by block, left of the header.
inline void CompruebaBoleto(const QImage& imagen, const std::vector<std::array<int, 6>>& apuestas)
{
    ASSERT_FALSE(imagen.isNull());
    ASSERT_GE(imagen.height(), 1800);
    ASSERT_EQ(imagen.format(), QImage::Format_Grayscale8);
    std::vector<QRect> cajas;
    for (std::size_t b = 0; b < apuestas.size(); ++b)
        for (int n : apuestas[b]) {
            const int fila = n / 10;
            cajas.push_back(QRect(229 + (10 * fila + 9 - n) * 59,
                                  34 + 221 * static_cast<int>(b) + 45 * fila, 30, 18));
        }
    std::vector<bool> dentro(1800 * 830, false);
    for (const QRect& c : cajas)
        for (int y = c.top(); y <= c.bottom(); ++y)
            for (int x = c.left(); x <= c.right(); ++x)
                dentro[static_cast<std::size_t>(y * 830 + x)] = true;
    int errores = 0;
    for (int y = 0; y < 1800; ++y) {
        const uchar* fila = imagen.constScanLine(y); // Ghostscript's grey: one byte a pixel
        for (int x = 0; x < 830; ++x)
            if ((fila[x] < 128) != dentro[static_cast<std::size_t>(y * 830 + x)] && ++errores < 4)
                ADD_FAILURE() << "pixel " << x << ", " << y;
    }
    EXPECT_EQ(errores, 0);
}

} // namespace numbrela::prueba_pdf
