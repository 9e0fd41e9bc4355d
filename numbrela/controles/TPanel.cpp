#include "controles/TPanel.h"

#include <QMouseEvent>

namespace numbrela::ui {

TPanel::TPanel(QWidget* parent, const QColor& fondo, const QColor& texto) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);
    setColors(fondo, texto);
}

void TPanel::setColors(const QColor& fondo, const QColor& texto)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, fondo);
    pal.setColor(QPalette::WindowText, texto);
    pal.setColor(QPalette::Light, fondo.lighter(160));
    pal.setColor(QPalette::Dark, fondo.darker(200));
    setPalette(pal);
}

void TPanel::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit clicked();
}

} // namespace numbrela::ui
