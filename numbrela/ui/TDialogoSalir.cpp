#include "ui/TDialogoSalir.h"

#include "ui/TextosVentanas.h"

namespace numbrela::ui {

TDialogoSalir::TDialogoSalir(QWidget* parent)
    : TDialogo(parent, QString::fromUtf8(textos::kAtencion), QString::fromUtf8(textos::kPreguntaSalir),
               QSize(400, 130))
{
    BotonAceptar(QPoint(110, 60));
    BotonCancelar(QPoint(218, 60));
}

} // namespace numbrela::ui
