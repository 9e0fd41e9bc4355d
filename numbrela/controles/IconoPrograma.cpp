#include "controles/IconoPrograma.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace numbrela::ui {
namespace {

// Drawn on a 128-unit square, as the scalable icon is.
constexpr qreal kUnidades = 128;

} // namespace

QImage ImagenIcono(int lado)
{
    QImage im(lado, lado, QImage::Format_ARGB32_Premultiplied);
    im.fill(Qt::transparent);
    QPainter p(&im);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const qreal escala = lado / kUnidades;
    p.scale(escala, escala);
    const bool detalle = lado >= 32;
    // A line never thinner than one pixel, however small the icon.
    auto pluma = [escala](QColor color, qreal ancho) {
        QPen pen(color, std::max(ancho, 1.0 / escala));
        pen.setCapStyle(Qt::RoundCap);
        return pen;
    };
    const QColor rojo(0xb3, 0x26, 0x1e);

    // The slip, with its red head.
    p.setPen(pluma(rojo, 4));
    p.setBrush(QColor(0xfd, 0xf6, 0xe3));
    p.drawRoundedRect(QRectF(14, 10, 80, 108), 6, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(rojo);
    p.drawRoundedRect(QRectF(14, 10, 80, 18), 6, 6);

    // Nine boxes, three of them crossed.
    p.setBrush(Qt::NoBrush);
    if (detalle) {
        p.setPen(pluma(rojo, 2.5));
        for (qreal y : {38, 60, 82})
            for (qreal x : {24, 45, 66})
                p.drawRect(QRectF(x, y, 14, 14));
    }
    p.setPen(pluma(QColor(0x1d, 0x35, 0x57), detalle ? 3.5 : 6));
    for (const QPointF esquina : {QPointF(27, 41), QPointF(69, 63), QPointF(48, 85)}) {
        p.drawLine(esquina, esquina + QPointF(8, 8));
        p.drawLine(esquina + QPointF(8, 0), esquina + QPointF(0, 8));
    }

    // The drawn ball.
    p.setPen(pluma(QColor(0x7a, 0x3b, 0x0c), 3));
    p.setBrush(QColor(0xf4, 0xa2, 0x61));
    p.drawEllipse(QPointF(94, 92), 26, 26);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(94, 92), 15, 15);
    if (detalle) {
        QFont letra(QStringLiteral("DejaVu Sans"));
        letra.setPixelSize(17);
        letra.setBold(true);
        p.setFont(letra);
        p.setPen(QColor(0x1d, 0x35, 0x57));
        p.drawText(QRectF(79, 77, 30, 30), Qt::AlignCenter, QStringLiteral("49"));
    }
    return im;
}

QIcon IconoPrograma()
{
    QIcon icono;
    for (int lado : {16, 22, 24, 32, 48, 64, 128, 256})
        icono.addPixmap(QPixmap::fromImage(ImagenIcono(lado)));
    return icono;
}

} // namespace numbrela::ui
