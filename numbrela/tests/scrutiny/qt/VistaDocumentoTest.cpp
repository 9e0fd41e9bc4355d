// The preview's text area at the edges of its size: a drag in an area with no height left.
#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include "scrutiny/qt/TVistaDocumento.h"

namespace numbrela::ui {
namespace {

std::vector<TLineaDocumento> Documento(int apuestas)
{
    std::vector<TLineaDocumento> d{{"Numbrela Pro 1.36", EstiloLinea::Titulo},
                                   {"   Nombre de la Apuesta: Semana", EstiloLinea::Cursiva}};
    for (int i = 1; i <= apuestas; ++i)
        d.push_back({"Apuesta " + std::to_string(i) + "= 1-2-3-4-5-6", EstiloLinea::Apuesta});
    return d;
}

void Arrastra(QWidget* w, QEvent::Type tipo, QPoint p)
{
    const Qt::MouseButton boton = tipo == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(tipo, p, w->mapToGlobal(p), boton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

TEST(VistaDocumento, ADragInAnAreaWithNoHeightScrollsAndSelectsFromTheTop)
{
    TVistaDocumento vista;
    vista.FijaDocumento(Documento(40));
    vista.resize(400, 2 * vista.frameWidth()); // the frame alone: nothing of the text shows
    vista.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&vista));
    ASSERT_EQ(vista.viewport()->height(), 0);
    QWidget* area = vista.viewport();
    Arrastra(area, QEvent::MouseButtonPress, QPoint(5, 0));
    // Below the area: it scrolls by the distance, and the selection ends at the line now
    // at its top.
    Arrastra(area, QEvent::MouseMove, QPoint(300, 60));
    EXPECT_EQ(vista.verticalScrollBar()->value(), 60);
    const auto arriba = vista.PrimeraLineaVisible();
    EXPECT_GT(arriba, 1);
    const QString seleccion = vista.TextoSeleccionado();
    EXPECT_EQ(seleccion.count('\n'), arriba) << seleccion.toStdString();
    EXPECT_TRUE(seleccion.startsWith("Numbrela Pro 1.36\n")) << seleccion.toStdString();
    // Back above it: the selection shrinks to the line at the top again.
    Arrastra(area, QEvent::MouseMove, QPoint(300, -60));
    EXPECT_EQ(vista.verticalScrollBar()->value(), 0);
    EXPECT_EQ(vista.TextoSeleccionado().count('\n'), 0);
    Arrastra(area, QEvent::MouseButtonRelease, QPoint(300, -60));
}

} // namespace
} // namespace numbrela::ui
