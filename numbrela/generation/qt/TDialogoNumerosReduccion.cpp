#include "generation/qt/TDialogoNumerosReduccion.h"

#include <QCheckBox>
#include <QLabel>
#include <QSignalBlocker>

#include "controles/TCasilla.h"
#include "controles/TRejillaNumeros.h"
#include "controles/TServicios.h"
#include "controles/TShapeButton.h"
#include "generation/EleccionCompacta.h"
#include "generation/TextosDialogosReduccion.h"
#include "generation/TextosReducidas.h"
#include "model/TextosPrograma.h"

namespace numbrela::ui {

TDialogoNumerosReduccion::TDialogoNumerosReduccion(QWidget* parent, CabeceraApuestas& cabecera,
                                                   std::function<bool()> abreRlf, bool& compacta,
                                                   std::filesystem::path carpeta)
    : TDialogo(parent, QString::fromUtf8(textos::kAtencion), QString(), QSize(460, 440)),
      numeros_(cabecera), cabecera_(cabecera), eligeCompacta_(compacta),
      carpeta_(std::move(carpeta)), abreRlf_(std::move(abreRlf))
{
    subtitulo_ = Rotulo(QString(), QRect(8, 38, 444, 20), true);
    subtitulo_->setAlignment(Qt::AlignCenter);
    rejilla_ = new TRejillaNumeros(this, QPoint(24, 64), 10);
    connect(rejilla_, &TRejillaNumeros::Pulsado, this, [this](int n) {
        numeros_.Pulsa(n);
        Refresca();
    });
    reducidos_ = Rotulo(QString(), QRect(24, 240, 200, 22), true);
    fijos_ = Rotulo(QString(), QRect(24, 264, 200, 22), true);
    borrar_ =
        CreaBoton("BotonLargo.bmp", QPoint(236, 244), QString::fromUtf8(textos::kBorrarTodos));
    borrar_->setObjectName("BorrarTodos");
    borrar_->setTextColor(Qt::white);
    connect(borrar_, &TShapeButton::clicked, this, [this] {
        numeros_.BorraTodos();
        Refresca();
    });
    oferta_ = Rotulo(QString(), QRect(24, 292, 420, 20), true);
    compacta_ = new TCasilla(QString::fromUtf8(textos::kDisenoCompacto), this);
    compacta_->setGeometry(24, 316, 420, 24);
    compacta_->setAccessibleName(QString::fromUtf8(textos::kNombreDisenoCompacto));
    connect(compacta_, &QCheckBox::toggled, this, [this](bool si) { eligeCompacta_ = si; });
    TShapeButton* rlf = CreaBoton("AbrirRLF.bmp", QPoint(30, 360), QString(), ".RLF...");
    rlf->setObjectName("AbrirRLF");
    rlf->setToolTip(QString::fromUtf8(kTituloAbrirRlf));
    connect(rlf, &TShapeButton::clicked, this, [this] {
        if (abreRlf_ && abreRlf_()) {
            abrioRlf_ = true;
            done(kAceptado);
        }
    });
    TShapeButton* aceptar = CreaBoton("Aceptar.bmp", QPoint(270, 370), QString(), "Aceptar");
    aceptar->setObjectName("Aceptar");
    connect(aceptar, &TShapeButton::clicked, this, [this] { Acepta(); });
    BotonCancelar(QPoint(360, 370));
    Refresca();
}

void TDialogoNumerosReduccion::showEvent(QShowEvent* e)
{
    abrioRlf_ = false;
    Refresca();
    TDialogo::showEvent(e);
}

void TDialogoNumerosReduccion::Refresca()
{
    Titulo()->setText(QString::fromStdString(numeros_.Titulo()));
    subtitulo_->setText(QString::fromStdString(numeros_.Subtitulo()));
    reducidos_->setText(QString::fromStdString(numeros_.ContadorReducidos()));
    fijos_->setText(QString::fromStdString(numeros_.ContadorFijos()));
    borrar_->setEnabled(numeros_.BorrarTodosHabilitado());
    const TOfertaCompacta oferta = OfertaCompacta(carpeta_, cabecera_);
    oferta_->setText(QString::fromStdString(oferta.Texto));
    // The choice is kept while it cannot apply (fixed numbers, no design), shown off.
    const QSignalBlocker sinAviso(compacta_);
    compacta_->setEnabled(oferta.Posible);
    compacta_->setChecked(eligeCompacta_ && oferta.Posible);
    for (int n = 1; n <= 49; ++n) {
        const auto estado = numeros_.EstadoDe(n);
        rejilla_->Pinta(n, estado != TNumerosReducida::Estado::Libre,
                        estado == TNumerosReducida::Estado::Fijo,
                        estado == TNumerosReducida::Estado::Fijo      ? QColor(255, 0, 0)
                        : estado == TNumerosReducida::Estado::Elegido ? QColor(0, 0, 255)
                                                                      : QColor(90, 90, 90));
    }
}

void TDialogoNumerosReduccion::Acepta()
{
    std::string error;
    if (!numeros_.Acepta(error)) {
        TServicios::Actuales().Avisa(this, QString::fromStdString(error));
        return;
    }
    done(kAceptado);
}

} // namespace numbrela::ui
