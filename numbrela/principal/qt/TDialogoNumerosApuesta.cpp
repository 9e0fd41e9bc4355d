#include "principal/qt/TDialogoNumerosApuesta.h"

#include "controles/TRejillaNumeros.h"
#include "controles/TServicios.h"
#include "controles/TShapeButton.h"
#include "principal/TextosVentanas.h"

namespace numbrela::ui {

TDialogoNumerosApuesta::TDialogoNumerosApuesta(QWidget* parent, long long numeroApuesta,
                                               std::function<bool(int)> marcado,
                                               std::function<QString(int)> alterna)
    : TDialogo(parent, QString::fromUtf8(textos::kCaptionNumerosApuesta),
               QString::fromUtf8(textos::kTituloNumerosApuesta) + QString::number(numeroApuesta),
               QSize(400, 340)),
      marcado_(std::move(marcado)), alterna_(std::move(alterna))
{
    rejilla_ = new TRejillaNumeros(this, QPoint(57, 46), 7);
    connect(rejilla_, &TRejillaNumeros::Pulsado, this, [this](int n) {
        const QString error = alterna_(n);
        if (!error.isEmpty())
            TServicios::Actuales().Avisa(this, error);
        Pinta(n);
    });
    for (int n = 1; n <= 49; ++n)
        Pinta(n);
    BotonAceptar(QPoint(164, 288));
}

void TDialogoNumerosApuesta::Pinta(int numero)
{
    const bool m = marcado_(numero);
    rejilla_->Pinta(numero, m, false, m ? QColor(255, 0, 0) : QColor(0, 0, 0));
}

} // namespace numbrela::ui
