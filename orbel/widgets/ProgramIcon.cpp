#include "widgets/ProgramIcon.h"

#include <QPainter>

namespace orbel {

QPixmap ProgramIconPixmap(int side)
{
    QPixmap pm(side, side);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = side;
    const QPointF c(s / 2, s / 2);
    const qreal ring = std::max<qreal>(1.0, s / 14);
    const qreal r = s / 2 - ring / 2 - 0.25;
    // A white face in a blue ring.
    p.setPen(QPen(QColor(0x1d, 0x5f, 0xb8), ring));
    p.setBrush(QColor(0xfb, 0xfb, 0xf8));
    p.drawEllipse(c, r, r);
    // Hour marks at 12, 3, 6 and 9.
    p.setPen(
        QPen(QColor(0x30, 0x30, 0x30), std::max<qreal>(1.0, s / 20), Qt::SolidLine, Qt::FlatCap));
    for (int k = 0; k < 4; ++k) {
        p.save();
        p.translate(c);
        p.rotate(90.0 * k);
        p.drawLine(QPointF(0, -r + ring), QPointF(0, -r + ring + s / 8));
        p.restore();
    }
    // The hands at ten past ten.
    auto hand = [&](qreal degrees, qreal length, qreal width, QColor colour) {
        p.save();
        p.translate(c);
        p.rotate(degrees);
        p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(0, 0), QPointF(0, -length));
        p.restore();
    };
    hand(-55, r * 0.55, std::max<qreal>(1.5, s / 10), QColor(0x20, 0x20, 0x20));
    hand(60, r * 0.8, std::max<qreal>(1.2, s / 14), QColor(0x20, 0x20, 0x20));
    hand(180, r * 0.8, std::max<qreal>(1.0, s / 28), QColor(0xd0, 0x30, 0x30));
    return pm;
}

QIcon ProgramIcon()
{
    QIcon icon;
    for (int side : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(ProgramIconPixmap(side));
    return icon;
}

} // namespace orbel
