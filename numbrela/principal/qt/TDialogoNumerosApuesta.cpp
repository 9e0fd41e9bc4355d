#include "principal/qt/TDialogoNumerosApuesta.h"

#include "controles/TDibujos.h"
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
    const QImage dibujo = TDibujos::Imagen("BotonNumero.bmp");
    for (int n = 1; n <= 49; ++n) {
        auto* b = new TShapeButton(this);
        b->setPicture(dibujo);
        if (dibujo.isNull())
            b->resize(34, 28);
        b->setShapeCursor(TDibujos::Cursor1());
        b->move(57 + ((n - 1) % 7) * 41, 46 + ((n - 1) / 7) * 34);
        b->setCaption(QString::number(n));
        b->setObjectName(QString("Numero%1").arg(n));
        connect(b, &TShapeButton::clicked, this, [this, n] {
            const QString error = alterna_(n);
            if (!error.isEmpty())
                TServicios::Actuales().Avisa(this, error);
            Pinta(n);
        });
        botones_.push_back(b);
        Pinta(n);
    }
    BotonAceptar(QPoint(164, 288));
}

void TDialogoNumerosApuesta::Pinta(int numero)
{
    TShapeButton* b = Boton(numero);
    const bool m = marcado_(numero);
    QFont f = font();
    f.setBold(m);
    b->setFont(f);
    b->setTextColor(m ? QColor(255, 0, 0) : QColor(0, 0, 0));
}

} // namespace numbrela::ui
