#include "generation/qt/TDialogoInformacion.h"

#include <QPlainTextEdit>

#include "controles/TShapeButton.h"
#include "generation/TextosReducidas.h"

namespace numbrela::ui {

TDialogoInformacion::TDialogoInformacion(QWidget* parent, int conjuntoTextos,
                                         const std::vector<std::string>& lineas,
                                         std::function<bool()> abre)
    : TDialogo(parent, QString::fromUtf8(kTituloInformacion), QString::fromUtf8(kTituloInformacion),
               QSize(560, 420)),
      conjunto_(conjuntoTextos)
{
    memo_ = new QPlainTextEdit(this);
    memo_->setGeometry(12, 44, 536, 300);
    memo_->setReadOnly(true);
    QStringList texto;
    for (const std::string& l : lineas)
        texto << QString::fromStdString(l);
    memo_->setPlainText(texto.join('\n'));
    if (conjunto_ == 1) {
        // The only button closes without acceptance: the dialogue goes on to the second notice.
        BotonAceptar(QPoint(244, 360), kCancelado);
        TShapeButton* abrir = CreaBoton("BotonLargo.bmp", QPoint(340, 364), "Abrir...");
        abrir->setObjectName("Abrir");
        abrir->setTextColor(Qt::white);
        connect(abrir, &TShapeButton::clicked, this, [this, abre = std::move(abre)] {
            if (abre && abre())
                done(kAbierto);
        });
    } else {
        BotonAceptar(QPoint(190, 360));
        BotonCancelar(QPoint(298, 360));
    }
}

void TDialogoInformacion::Intro()
{
    done(conjunto_ == 1 ? kCancelado : kAceptado);
}

} // namespace numbrela::ui
