#include "principal/qt/TDialogoTipo.h"

#include "controles/TShapeButton.h"
#include "principal/TextosVentanas.h"

namespace numbrela::ui {

TDialogoTipo::TDialogoTipo(QWidget* parent)
    : TDialogo(parent, QString::fromUtf8(textos::kCaptionTipo),
               QString::fromUtf8(textos::kTituloTipo), QSize(400, 320))
{
    const struct {
        const char* dibujo;
        const char* nombre;
        int codigo;
    } botones[] = {{"TipoSimple.bmp", "Simple", kSimple},
                   {"TipoMultiple.bmp", "Multiple", kMultiple},
                   {"TipoReducida.bmp", "Reducida", kReducida}};
    int y = 46;
    for (const auto& b : botones) {
        TShapeButton* boton = CreaBoton(b.dibujo, QPoint(115, y), QString(), b.nombre);
        boton->setObjectName(b.nombre);
        const int codigo = b.codigo;
        connect(boton, &TShapeButton::clicked, this, [this, codigo] { done(codigo); });
        y += 70;
    }
    BotonCancelar(QPoint(164, 262), kNinguno);
}

} // namespace numbrela::ui
