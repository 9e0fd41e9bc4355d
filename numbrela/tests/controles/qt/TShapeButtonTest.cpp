// The shaped glass button and the panel button, driven with the mouse as a user does.
#include <QMouseEvent>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include "../../comun/qt/Usuario.h"
#include "controles/TMiBoton.h"
#include "controles/TShapeButton.h"

namespace numbrela::ui {
namespace {

const QRgb kMagenta = qRgb(255, 0, 255);
const QRgb kAzul = qRgb(0, 0, 200);

// 40 x 30, magenta all round a blue block from (10, 8) to (29, 21).
QImage Dibujo()
{
    QImage img(40, 30, QImage::Format_RGB32);
    img.fill(kMagenta);
    for (int y = 8; y < 22; ++y)
        for (int x = 10; x < 30; ++x)
            img.setPixel(x, y, kAzul);
    return img;
}

// What lies behind the button: counts the presses that reach it.
class Fondo : public QWidget {
public:
    int Pulsaciones = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++Pulsaciones; }
};

struct Montaje {
    Fondo fondo;
    TShapeButton* boton;
    Montaje()
    {
        fondo.resize(200, 100);
        boton = new TShapeButton(&fondo);
        boton->setPicture(Dibujo());
        boton->move(50, 20);
        fondo.show();
        fondo.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&fondo));
    }
};

void Envia(QWidget* w, QEvent::Type tipo, QPoint p, Qt::MouseButtons botones)
{
    QMouseEvent e(tipo, QPointF(p), w->mapToGlobal(QPointF(p)), Qt::LeftButton, botones,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

TEST(TShapeButton, KeyColourComesFromPixelOneOne)
{
    TShapeButton b;
    b.setPicture(Dibujo());
    EXPECT_EQ(b.keyColor().rgb(), kMagenta);
    EXPECT_EQ(b.size(), QSize(40, 30));
    // Every magenta pixel of the picture is see-through: only the block and its bevel
    // answer. Inside the block and on its edge:
    EXPECT_TRUE(b.insideShape(QPoint(20, 15)));
    EXPECT_TRUE(b.insideShape(QPoint(10, 8)));
    // Far from the block, and the control's own border.
    EXPECT_FALSE(b.insideShape(QPoint(2, 2)));
    EXPECT_FALSE(b.insideShape(QPoint(35, 27)));
    EXPECT_FALSE(b.insideShape(QPoint(0, 15)));
    EXPECT_FALSE(b.insideShape(QPoint(39, 15)));
}

TEST(TShapeButton, ClicksOnMagentaReachWhatLiesBehind)
{
    Montaje m;
    QSignalSpy clics(m.boton, &TShapeButton::clicked);
    // Through the window, as a real click: the see-through corner belongs to the ground.
    QTest::mouseClick(m.fondo.windowHandle(), Qt::LeftButton, {}, QPoint(50 + 3, 20 + 3));
    EXPECT_EQ(clics.count(), 0);
    EXPECT_EQ(m.fondo.Pulsaciones, 1);
    QTest::mouseClick(m.fondo.windowHandle(), Qt::LeftButton, {}, QPoint(50 + 20, 20 + 15));
    EXPECT_EQ(clics.count(), 1);
    EXPECT_EQ(m.fondo.Pulsaciones, 1);
}

TEST(TShapeButton, OnlyALeftReleaseInsideAfterAPressClicks)
{
    Montaje m;
    QSignalSpy clics(m.boton, &TShapeButton::clicked);
    QTest::mouseClick(m.boton, Qt::RightButton, {}, QPoint(20, 15));
    EXPECT_EQ(clics.count(), 0);
    // A release without a press on the button does nothing.
    QTest::mouseRelease(m.boton, Qt::LeftButton, {}, QPoint(20, 15));
    EXPECT_EQ(clics.count(), 0);
    QTest::mouseClick(m.boton, Qt::LeftButton, {}, QPoint(20, 15));
    EXPECT_EQ(clics.count(), 1);
}

TEST(TShapeButton, DraggingOutRaisesAndBackInPressesAgain)
{
    Montaje m;
    QSignalSpy clics(m.boton, &TShapeButton::clicked);
    Envia(m.boton, QEvent::MouseButtonPress, QPoint(20, 15), Qt::LeftButton);
    EXPECT_TRUE(m.boton->isPressed());
    Envia(m.boton, QEvent::MouseMove, QPoint(3, 3), Qt::LeftButton); // magenta corner
    EXPECT_FALSE(m.boton->isPressed());
    Envia(m.boton, QEvent::MouseMove, QPoint(60, 50), Qt::LeftButton); // out of the control
    EXPECT_FALSE(m.boton->isPressed());
    Envia(m.boton, QEvent::MouseMove, QPoint(22, 12), Qt::LeftButton); // back on the shape
    EXPECT_TRUE(m.boton->isPressed());
    Envia(m.boton, QEvent::MouseMove, QPoint(60, 50), Qt::LeftButton);
    Envia(m.boton, QEvent::MouseButtonRelease, QPoint(60, 50), Qt::NoButton);
    EXPECT_EQ(clics.count(), 0); // released outside the control's rectangle

    // Dragged out and back in, then released on the shape: one click.
    Envia(m.boton, QEvent::MouseButtonPress, QPoint(20, 15), Qt::LeftButton);
    Envia(m.boton, QEvent::MouseMove, QPoint(3, 3), Qt::LeftButton);
    Envia(m.boton, QEvent::MouseMove, QPoint(20, 15), Qt::LeftButton);
    Envia(m.boton, QEvent::MouseButtonRelease, QPoint(20, 15), Qt::NoButton);
    EXPECT_EQ(clics.count(), 1);
    EXPECT_FALSE(m.boton->isPressed());
}

TEST(TShapeButton, FacesFollowTheBevelPasses)
{
    TShapeButton b;
    b.setPicture(Dibujo());
    // Up face: white above and left of the block, two passes deep, then a black outline.
    EXPECT_EQ(b.pictureUp().pixel(20, 7), qRgb(255, 255, 255));
    EXPECT_EQ(b.pictureUp().pixel(20, 6), qRgb(255, 255, 255));
    EXPECT_EQ(b.pictureUp().pixel(20, 5), qRgb(0, 0, 0));
    EXPECT_EQ(b.pictureUp().pixel(20, 22), qRgb(128, 128, 128));
    EXPECT_EQ(b.pictureUp().pixel(20, 24), qRgb(0, 0, 0));
    EXPECT_EQ(b.pictureUp().pixel(20, 25), kMagenta);
    // Down face: grey above, white below, black only on the upper left.
    EXPECT_EQ(b.pictureDown().pixel(20, 7), qRgb(128, 128, 128));
    EXPECT_EQ(b.pictureDown().pixel(20, 22), qRgb(255, 255, 255));
    EXPECT_EQ(b.pictureDown().pixel(20, 5), qRgb(0, 0, 0));
    EXPECT_EQ(b.pictureDown().pixel(20, 24), kMagenta);
    // Disabled face: on the checkerboard the right neighbour of a shape pixel turns white.
    EXPECT_EQ(b.pictureDisabled().pixel(13, 10), qRgb(255, 255, 255)); // x = 12 + 0, y even
    EXPECT_EQ(b.pictureDisabled().pixel(12, 10), kAzul);

    b.setBevelWidth(0);
    EXPECT_EQ(b.pictureUp(), b.picture());
    EXPECT_EQ(b.pictureDown(), b.picture());
    b.setBevelWidth(7); // out of range becomes 2
    EXPECT_EQ(b.bevelWidth(), 2);
}

TEST(TShapeButton, GlassShowsEveryOtherPixelTinted)
{
    QImage img = Dibujo();
    for (int x = 14; x < 26; ++x)
        img.setPixel(x, 12, qRgb(0, 255, 0));
    TShapeButton b;
    b.setPicture(img);
    b.setSemiTransparentColor(QColor(0, 255, 0));
    b.setGlassColor(QColor(200, 220, 255));
    b.setSemiTransparent(true);
    // Row 12 is even: pairs start at x = 2k + 2, so 14 goes see-through and 15 is tinted.
    EXPECT_EQ(b.pictureUp().pixel(14, 12), kMagenta);
    EXPECT_EQ(b.pictureUp().pixel(15, 12), qRgb(200, 220, 255));
    EXPECT_EQ(b.pictureUp().pixel(24, 12), kMagenta);
    EXPECT_EQ(b.pictureUp().pixel(25, 12), qRgb(200, 220, 255));
}

TEST(TShapeButton, DisabledIgnoresClicksAndItsAccelerator)
{
    Montaje m;
    m.boton->setCaption("&Tipo");
    QSignalSpy clics(m.boton, &TShapeButton::clicked);
    QTest::keyClick(&m.fondo, Qt::Key_T, Qt::AltModifier);
    EXPECT_EQ(clics.count(), 1);
    m.boton->setEnabled(false);
    QTest::keyClick(&m.fondo, Qt::Key_T, Qt::AltModifier);
    QTest::mouseClick(m.boton, Qt::LeftButton, {}, QPoint(20, 15));
    EXPECT_EQ(clics.count(), 1);
}

TEST(TShapeButton, WithoutBevelThePressedFaceDoesNotMove)
{
    Montaje m;
    m.boton->setBevelWidth(0);
    m.boton->setCaption("X");
    Envia(m.boton, QEvent::MouseButtonPress, QPoint(20, 15), Qt::LeftButton);
    ASSERT_TRUE(m.boton->isPressed());
    const QImage pulsado = m.boton->grab().toImage();
    Envia(m.boton, QEvent::MouseMove, QPoint(3, 3), Qt::LeftButton);
    ASSERT_FALSE(m.boton->isPressed());
    const QImage suelto = m.boton->grab().toImage();
    EXPECT_EQ(pulsado, suelto);
    Envia(m.boton, QEvent::MouseButtonRelease, QPoint(60, 60), Qt::NoButton);
}

TEST(TMiBoton, SinksWhileHeldAndClicksOnRelease)
{
    TMiBoton b;
    b.resize(80, 24);
    QSignalSpy clics(&b, &TMiBoton::clicked);
    QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(b.isDown());
    QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_FALSE(b.isDown());
    EXPECT_EQ(clics.count(), 1);
}

} // namespace
} // namespace numbrela::ui
