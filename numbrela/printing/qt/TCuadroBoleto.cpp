#include "printing/qt/TCuadroBoleto.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "controles/TDibujos.h"

namespace numbrela {
namespace {

const QRect kBoleto(8, 8, 196, 144);         // the slip in the picture
const QRect kMarcoInicial(24, 18, 156, 124); // the print area at the default origin

} // namespace

TCuadroBoleto::TCuadroBoleto(QWidget* parent) : QWidget(parent)
{
    setFixedSize(kAncho, kAlto);
    boleto_ = ui::TDibujos::Imagen("Cuadro2.bmp");
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(QString::fromUtf8("Boleto"));
    setAccessibleDescription(
        QString::fromUtf8("Pulse para cambiar la orientación de la impresora"));
}

void TCuadroBoleto::FijaDesplazamiento(QPoint desplazamiento)
{
    desplazamiento_ = desplazamiento;
    update();
}

QRect TCuadroBoleto::Marco() const
{
    // Kept inside the picture however far the origin was moved.
    QRect r = kMarcoInicial.translated(desplazamiento_);
    r.moveLeft(std::clamp(r.left(), 0, kAncho - r.width()));
    r.moveTop(std::clamp(r.top(), 0, kAlto - r.height()));
    return r;
}

void TCuadroBoleto::paintEvent(QPaintEvent*)
{
    QImage lienzo(size(), QImage::Format_RGB32);
    lienzo.fill(QColor(235, 235, 225));
    {
        QPainter p(&lienzo);
        if (boleto_.isNull()) {
            p.fillRect(kBoleto, QColor(250, 240, 200));
            p.setPen(QColor(200, 60, 40));
            for (int y = kBoleto.top() + 12; y < kBoleto.bottom(); y += 12)
                p.drawLine(kBoleto.left() + 10, y, kBoleto.right() - 10, y);
        } else {
            p.drawImage(kBoleto, boleto_);
        }
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(kBoleto.adjusted(0, 0, -1, -1));
        // The slip goes into the printer along the arrow, its short side first.
        const int x = kBoleto.right() + 26;
        p.setPen(QPen(QColor(0, 0, 128), 3));
        p.drawLine(x, 30, x, 130);
        QPainterPath punta;
        punta.moveTo(x - 9, 40);
        punta.lineTo(x, 24);
        punta.lineTo(x + 9, 40);
        punta.closeSubpath();
        p.fillPath(punta, QColor(0, 0, 128));
        QFont f = font();
        f.setPointSize(7);
        f.setBold(true);
        p.setFont(f);
        p.setPen(QColor(0, 0, 128));
        p.drawText(QRect(x + 12, 20, kAncho - x - 14, 120),
                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                   QString::fromUtf8("Introduzca el boleto en este sentido"));
        // The frame inverts what lies under it, so it shows on any picture.
        p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        QPen teal(QColor(255, 127, 127), 3); // XOR with white gives teal
        teal.setJoinStyle(Qt::MiterJoin);
        p.setPen(teal);
        p.drawRect(Marco().adjusted(1, 1, -2, -2));
    }
    QPainter(this).drawImage(0, 0, lienzo);
}

void TCuadroBoleto::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        emit pulsado();
}

} // namespace numbrela
