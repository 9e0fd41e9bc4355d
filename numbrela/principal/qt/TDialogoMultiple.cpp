#include "principal/qt/TDialogoMultiple.h"

#include "controles/TShapeButton.h"
#include "principal/TextosVentanas.h"

namespace numbrela::ui {

TDialogoMultiple::TDialogoMultiple(QWidget* parent)
    : TDialogo(parent, QString::fromUtf8(textos::kCaptionMultiple),
               QString::fromUtf8(textos::kTituloMultiple), QSize(440, 280))
{
    // Created in code order: the n-th picture button is code n.
    const int cruces[6] = {7, 8, 5, 9, 10, 11};
    for (int i = 0; i < 6; ++i) {
        TShapeButton* b = CreaBoton(QString("Multiple%1.bmp").arg(cruces[i]),
                                    QPoint(84 + (i % 3) * 98, 44 + (i / 3) * 84), QString(),
                                    QString("%1 cruces").arg(cruces[i]));
        b->setObjectName(QString("Codigo%1").arg(i + 1));
        b->setAccessibleName(QString("%1 cruces").arg(cruces[i]));
        const int codigo = i + 1;
        connect(b, &TShapeButton::clicked, this, [this, codigo] {
            codigo_ = codigo;
            done(kAceptado);
        });
    }
    BotonCancelar(QPoint(184, 222));
}

} // namespace numbrela::ui
