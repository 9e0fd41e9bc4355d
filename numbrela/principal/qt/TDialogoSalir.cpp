#include "principal/qt/TDialogoSalir.h"

#include "model/TextosPrograma.h"
#include "principal/TextosVentanas.h"

namespace numbrela::ui {

TDialogoSalir::TDialogoSalir(QWidget* parent)
    : TDialogo(parent, QString::fromUtf8(textos::kAtencion),
               QString::fromUtf8(textos::kPreguntaSalir), QSize(460, 130))
{
    BotonAceptar(QPoint(140, 60));
    BotonCancelar(QPoint(248, 60));
}

} // namespace numbrela::ui
