#include "controles/TMiBoton.h"

#include <QMouseEvent>
#include <QPainter>

#include "controles/Accesibilidad.h"

namespace numbrela::ui {
namespace {

// A bevel of `ancho` pixels: light on top and left when raised, dark when lowered.
void Bisel(QPainter& p, QRect r, int ancho, bool elevado)
{
    const QColor luz(255, 255, 255, 170), sombra(0, 0, 0, 150);
    for (int i = 0; i < ancho; ++i) {
        const QRect q = r.adjusted(i, i, -i, -i);
        p.setPen(elevado ? luz : sombra);
        p.drawLine(q.topLeft(), q.topRight());
        p.drawLine(q.topLeft(), q.bottomLeft());
        p.setPen(elevado ? sombra : luz);
        p.drawLine(q.bottomLeft(), q.bottomRight());
        p.drawLine(q.topRight(), q.bottomRight());
    }
}

} // namespace

TMiBoton::TMiBoton(QWidget* parent) : QWidget(parent)
{
    InstalaAccesibilidad();
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TMiBoton::setCaption(const QString& caption)
{
    caption_ = caption;
    AvisaCambioDeNombre(this);
    update();
}

void TMiBoton::setColors(const QColor& fondo, const QColor& texto)
{
    fondo_ = fondo;
    texto_ = texto;
    update();
}

void TMiBoton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QRect r = rect();
    p.fillRect(r, fondo_);
    if (!down_) {
        p.setPen(Qt::black); // the single border
        p.drawRect(r.adjusted(0, 0, -1, -1));
        r.adjust(1, 1, -1, -1);
        Bisel(p, r, 2, true);
        Bisel(p, r.adjusted(3, 3, -3, -3), 1, false);
    } else {
        Bisel(p, r, 4, false);
    }
    p.setPen(isEnabled() ? texto_ : QColor(128, 128, 128));
    p.setFont(font());
    p.drawText(rect().translated(down_ ? 1 : 0, down_ ? 1 : 0),
               Qt::AlignCenter | Qt::TextShowMnemonic, caption_);
}

void TMiBoton::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    down_ = true;
    update();
}

void TMiBoton::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton || !down_)
        return;
    down_ = false;
    update();
    if (rect().contains(e->position().toPoint()))
        emit clicked();
}

} // namespace numbrela::ui
