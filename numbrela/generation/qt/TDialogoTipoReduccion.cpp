#include "generation/qt/TDialogoTipoReduccion.h"

#include "controles/TShapeButton.h"
#include "generation/TextosDialogosReduccion.h"
#include "generation/qt/TTablaReducciones.h"

namespace numbrela::ui {

TDialogoTipoReduccion::TDialogoTipoReduccion(QWidget* parent, std::uint8_t& tipoReduccion)
    : TDialogo(parent, QString::fromUtf8(textos::kCaptionTipoReduccion),
               QString::fromUtf8(textos::kTituloTipoReduccion), QSize(360, 300)),
      tipo_(tipoReduccion)
{
    tipo_ = 0;
    const struct {
        const char* dibujo;
        const char* nombre;
    } botones[] = {{"ReduccionTres.bmp", "AlTres"},
                   {"ReduccionCuatro.bmp", "AlCuatro"},
                   {"ReduccionCinco.bmp", "AlCinco"}};
    for (int i = 0; i < 3; ++i) {
        static const char* const kRotulos[] = {"al TRES", "al CUATRO", "al CINCO"};
        TShapeButton* b =
            CreaBoton(botones[i].dibujo, QPoint(110, 44 + 52 * i), QString(), kRotulos[i]);
        b->setObjectName(botones[i].nombre);
        b->setAccessibleName(QString::fromUtf8("Reducción ") + kRotulos[i]);
        const std::uint8_t tipo = static_cast<std::uint8_t>(i + 1);
        connect(b, &TShapeButton::clicked, this, [this, tipo] {
            tipo_ = tipo;
            done(kAceptado);
        });
    }
    TShapeButton* tabla =
        CreaBoton("BotonLargo.bmp", QPoint(75, 202), QString::fromUtf8(textos::kVerTabla));
    tabla->setObjectName("VerTabla");
    tabla->setTextColor(Qt::white);
    connect(tabla, &TShapeButton::clicked, this, [this] { TTablaReducciones(this).exec(); });
    BotonCancelar(QPoint(144, 246));
}

} // namespace numbrela::ui
