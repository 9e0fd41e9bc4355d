// The pictures the build draws: their sizes, the slip's cells under the crosses, the key
// colour of the button pictures, and the cursor.
#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

#include "../../comun/qt/Usuario.h"
#include "principal/ReglasVentana.h"

namespace numbrela::ui {
namespace {

QImage Lee(const char* nombre)
{
    return QImage(QString(TEST_PROGRAM_DIR) + "/" + nombre, "BMP");
}

TEST(Dibujos, SizesTheWindowsRelyOn)
{
    EXPECT_EQ(Lee("Cuadro2.bmp").size(), QSize(745, 210));
    EXPECT_EQ(Lee("fondo3.bmp").size(), QSize(135, 117));
    EXPECT_EQ(Lee("granito2.bmp").size(), QSize(85, 101));
    EXPECT_EQ(Lee("informacion.bmp").size(), QSize(500, 400));
    EXPECT_FALSE(Lee("Sextina.Bmp").isNull());
    EXPECT_FALSE(Lee("Comprar.Bmp").isNull());
}

// Every cross of every bet falls inside a cell of the slip: its four ends lie on the cell's
// pale fill or its digit, never on the paper around the cells or on another cell's border.
TEST(Dibujos, EveryCrossFallsInsideItsCell)
{
    const QImage slip = Lee("Cuadro2.bmp");
    ASSERT_FALSE(slip.isNull());
    const QRgb papel = slip.pixel(744, 100); // right of the last block: paper
    const QRgb borde = slip.pixel(EsquinaCruz(0, 12).X - 2, EsquinaCruz(0, 12).Y - 8);
    EXPECT_NE(papel, borde);
    for (int j = 0; j < 8; ++j)
        for (int a = 1; a <= 49; ++a) {
            const TPunto p = EsquinaCruz(j, a);
            for (QPoint q :
                 {QPoint(p.X, p.Y), QPoint(p.X + kAnchoCruz, p.Y), QPoint(p.X, p.Y - kAltoCruz),
                  QPoint(p.X + kAnchoCruz, p.Y - kAltoCruz), QPoint(p.X + 6, p.Y - 8)}) {
                const QRgb c = slip.pixel(q);
                ASSERT_NE(c, papel) << j << "/" << a;
                ASSERT_NE(c, borde) << j << "/" << a;
            }
        }
}

TEST(Dibujos, ButtonPicturesHaveAKeyColourAtOneOne)
{
    const QStringList botones = QDir(TEST_PROGRAM_DIR)
                                    .entryList({"Boton*.bmp", "Tipo*.bmp", "Multiple*.bmp",
                                                "Reduccion*.bmp", "Aceptar.bmp", "Cancelar.bmp"});
    EXPECT_GE(botones.size(), 20);
    for (const QString& b : botones) {
        const QImage img(QString(TEST_PROGRAM_DIR) + "/" + b, "BMP");
        EXPECT_EQ(img.pixel(1, 1) & 0xFFFFFF, 0xFF00FFu) << b.toStdString();
    }
}

TEST(Dibujos, TheHandCursorLoadsWithItsHotSpot)
{
    QFile f(QString(TEST_PROGRAM_DIR) + "/handpnt.cur");
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray d = f.readAll();
    ASSERT_GE(d.size(), 22);
    EXPECT_EQ(d[2], 2); // a cursor, not an icon
    QImage img;
    EXPECT_TRUE(img.loadFromData(d, "ICO"));
    EXPECT_EQ(img.size(), QSize(32, 32));
}

} // namespace
} // namespace numbrela::ui
