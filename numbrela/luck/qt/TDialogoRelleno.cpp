#include "luck/qt/TDialogoRelleno.h"

#include "controles/TMiBoton.h"
#include "controles/TShapeButton.h"
#include "luck/SecuenciaAzarix.h"

namespace numbrela::ui {

TDialogoRelleno::TDialogoRelleno(QWidget* parent)
    : TDialogo(parent, QString::fromUtf8(kTituloRelleno), QString::fromUtf8(kTituloRelleno),
               QSize(380, 190))
{
    auto* alAzar = new TMiBoton(this);
    alAzar->setObjectName("AlAzar");
    alAzar->setCaption(QString::fromUtf8(kTextoAlAzar));
    alAzar->setColors(QColor(128, 0, 0), QColor(255, 255, 0));
    alAzar->setGeometry(24, 56, 200, 40);
    QFont f = alAzar->font();
    f.setBold(true);
    alAzar->setFont(f);
    alAzar->setAccessibleName(QString::fromUtf8(kTextoAlAzar));
    connect(alAzar, &TMiBoton::clicked, this,
            [this] { done(static_cast<int>(TEleccionRelleno::AlAzar)); });

    TShapeButton* azarix =
        CreaBoton("BotonOrden.bmp", QPoint(250, 58),
                  QString::fromUtf8(kCabeceraAzarix) + QString::fromUtf8(kMarcaAzarix));
    azarix->setObjectName("Azarix");
    azarix->setTextColor(Qt::white);
    connect(azarix, &TShapeButton::clicked, this,
            [this] { done(static_cast<int>(TEleccionRelleno::Azarix)); });

    BotonCancelar(QPoint(154, 122));
}

} // namespace numbrela::ui
