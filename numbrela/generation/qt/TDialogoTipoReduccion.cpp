#include "generation/qt/TDialogoTipoReduccion.h"

#include <QCheckBox>
#include <QLabel>
#include <QShortcut>

#include "controles/TCasilla.h"
#include "controles/TShapeButton.h"
#include "generation/EleccionCompacta.h"
#include "generation/TextosDialogosReduccion.h"
#include "generation/qt/TTablaReducciones.h"

namespace numbrela::ui {

TDialogoTipoReduccion::TDialogoTipoReduccion(QWidget* parent, std::uint8_t& tipoReduccion,
                                             bool& compacta, const CabeceraApuestas& cabecera,
                                             const std::filesystem::path& carpeta)
    : TDialogo(parent, QString::fromUtf8(textos::kCaptionTipoReduccion),
               QString::fromUtf8(textos::kTituloTipoReduccion), QSize(560, 340)),
      tipo_(tipoReduccion)
{
    tipo_ = 0;
    const struct {
        const char* dibujo;
        const char* nombre;
    } botones[] = {{"ReduccionTres.bmp", "AlTres"},
                   {"ReduccionCuatro.bmp", "AlCuatro"},
                   {"ReduccionCinco.bmp", "AlCinco"}};
    // The counts are for the numbers chosen; a new choice has none yet.
    const bool hayNumeros = cabecera.TotalReducidos > 0;
    for (int i = 0; i < 3; ++i) {
        static const char* const kRotulos[] = {"al TRES", "al CUATRO", "al CINCO"};
        TShapeButton* b =
            CreaBoton(botones[i].dibujo, QPoint(24, 44 + 52 * i), QString(), kRotulos[i]);
        b->setObjectName(botones[i].nombre);
        b->setAccessibleName(QString::fromUtf8("Reducción ") + kRotulos[i]);
        const std::uint8_t tipo = static_cast<std::uint8_t>(i + 1);
        auto elige = [this, tipo] {
            tipo_ = tipo;
            done(kAceptado);
        };
        connect(b, &TShapeButton::clicked, this, elige);
        auto* tecla = new QShortcut(QKeySequence(Qt::Key_3 + i), this);
        connect(tecla, &QShortcut::activated, this, elige);
        CabeceraApuestas c = cabecera;
        c.TipoReduccion = tipo;
        ofertas_[i] = Rotulo(hayNumeros ? QString::fromStdString(OfertaCompacta(carpeta, c).Texto)
                                        : QString(),
                             QRect(180, 52 + 52 * i, 372, 32), true);
        ofertas_[i]->setWordWrap(true);
    }
    if (!hayNumeros)
        ofertas_[0]->setText(QString::fromUtf8(textos::kCompactaSinNumeros));
    compacta_ = new TCasilla(QString::fromUtf8(textos::kDisenoCompacto), this);
    compacta_->setGeometry(24, 206, 520, 24);
    compacta_->setAccessibleName(QString::fromUtf8(textos::kNombreDisenoCompacto));
    compacta_->setChecked(compacta);
    connect(compacta_, &QCheckBox::toggled, this, [&compacta](bool si) { compacta = si; });
    TShapeButton* tabla =
        CreaBoton("BotonLargo.bmp", QPoint(175, 240), QString::fromUtf8(textos::kVerTabla));
    tabla->setObjectName("VerTabla");
    tabla->setTextColor(Qt::white);
    connect(tabla, &TShapeButton::clicked, this,
            [this, carpeta] { TTablaReducciones(this, carpeta).exec(); });
    BotonCancelar(QPoint(244, 284));
}

} // namespace numbrela::ui
