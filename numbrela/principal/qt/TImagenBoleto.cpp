#include "principal/qt/TImagenBoleto.h"

#include <QMouseEvent>

namespace numbrela::ui {

TImagenBoleto::TImagenBoleto(QWidget* parent) : QLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TImagenBoleto::mousePressEvent(QMouseEvent* e)
{
    emit pulsado(e->position().toPoint(), e->button());
}

} // namespace numbrela::ui
