#include "luck/qt/TVentanaFechaSorteo.h"

#include <QComboBox>

#include "controles/TServicios.h"
#include "controles/TShapeButton.h"
#include "luck/TextosSuerte.h"

namespace numbrela::ui {
namespace {

QString U(const char* s)
{
    return QString::fromUtf8(s);
}

} // namespace

TVentanaFechaSorteo::TVentanaFechaSorteo(QWidget* parent, TSesionSuerte& sesion)
    : TDialogo(parent, U(kTituloVentanaFecha), U(kCabeceraVentanaFecha), QSize(360, 190)),
      sesion_(sesion)
{
    auto lista = [this](const char* rotulo, QRect r) {
        Rotulo(U(rotulo), QRect(r.x(), r.y() - 20, r.width(), 20), true);
        auto* c = new QComboBox(this);
        c->setGeometry(r);
        c->setAccessibleName(U(rotulo));
        return c;
    };
    dia_ = lista(kEtiquetaDia, QRect(24, 70, 64, 26));
    for (int d = 1; d <= 31; ++d)
        dia_->addItem(QString::number(d));
    mes_ = lista(kEtiquetaMes, QRect(104, 70, 140, 26));
    for (const char* m : kMeses)
        mes_->addItem(U(m));
    anio_ = lista(kEtiquetaAnio, QRect(260, 70, 76, 26));
    for (int a = kPrimerAnioSorteo; a <= kUltimoAnioSorteo; ++a)
        anio_->addItem(QString::number(a));

    const bool fijada = sesion_.FechaEstablecida;
    const TFechaSorteo& f = sesion_.FechaSorteo;
    dia_->setCurrentIndex(fijada ? f.Dia - 1 : -1);
    mes_->setCurrentIndex(fijada ? f.Mes - 1 : -1);
    anio_->setCurrentIndex(fijada ? f.Anio - kPrimerAnioSorteo : -1);

    TShapeButton* aceptar = CreaBoton("Aceptar.bmp", QPoint(98, 124), QString(), "Aceptar");
    aceptar->setObjectName("Aceptar");
    connect(aceptar, &TShapeButton::clicked, this, &TVentanaFechaSorteo::Acepta);
    BotonCancelar(QPoint(190, 124));
    dia_->setFocus();
}

void TVentanaFechaSorteo::Acepta()
{
    const int anio = anio_->currentIndex() < 0 ? 0 : kPrimerAnioSorteo + anio_->currentIndex();
    if (auto error =
            sesion_.AceptaFecha(dia_->currentIndex() + 1, mes_->currentIndex() + 1, anio)) {
        TServicios::Actuales().Avisa(this, QString::fromStdString(*error));
        return; // the window stays open
    }
    done(kAceptado);
}

} // namespace numbrela::ui
