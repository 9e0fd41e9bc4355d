#include "controles/TRejillaNumeros.h"

#include <QWidget>

#include "controles/TDibujos.h"
#include "controles/TShapeButton.h"

namespace numbrela::ui {

TRejillaNumeros::TRejillaNumeros(QWidget* dialogo, QPoint origen, int columnas)
    : QObject(dialogo), dialogo_(dialogo)
{
    const QImage dibujo = TDibujos::Imagen("BotonNumero.bmp");
    for (int n = 1; n <= 49; ++n) {
        auto* b = new TShapeButton(dialogo);
        b->setPicture(dibujo);
        if (dibujo.isNull())
            b->resize(34, 28);
        b->setShapeCursor(TDibujos::Cursor1());
        b->move(origen.x() + ((n - 1) % columnas) * 41, origen.y() + ((n - 1) / columnas) * 34);
        b->setCaption(QString::number(n));
        b->setObjectName(QString("Numero%1").arg(n));
        connect(b, &TShapeButton::clicked, this, [this, n] { emit Pulsado(n); });
        botones_.push_back(b);
    }
}

void TRejillaNumeros::Pinta(int numero, bool negrita, bool subrayado, QColor color) const
{
    TShapeButton* b = Boton(numero);
    QFont f = dialogo_->font();
    f.setBold(negrita);
    f.setUnderline(subrayado);
    b->setFont(f);
    b->setTextColor(color);
}

} // namespace numbrela::ui
