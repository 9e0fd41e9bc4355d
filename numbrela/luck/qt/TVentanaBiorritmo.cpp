#include "luck/qt/TVentanaBiorritmo.h"

#include <QComboBox>

#include "controles/TPanel.h"
#include "controles/TServicios.h"
#include "controles/TShapeButton.h"
#include "luck/Biorritmo.h"
#include "luck/TextosSuerte.h"
#include "luck/qt/TGraficoBiorritmo.h"

namespace numbrela::ui {
namespace {

QString U(const char* s)
{
    return QString::fromUtf8(s);
}

constexpr int kYControles = 300;

} // namespace

TVentanaBiorritmo::TVentanaBiorritmo(QWidget* parent, const TSesionSuerte& sesion,
                                     const std::filesystem::path& carpeta)
    : TDialogo(parent, U(kTituloVentanaBiorritmo), U(kCabeceraVentanaBiorritmo),
               QSize(TGraficoBiorritmo::kAncho + 24, 364)),
      sesion_(sesion), carpeta_(carpeta)
{
    grafico_ = new TGraficoBiorritmo(this);
    // The chart's top is the first band's top, 40 pixels down; its bars hang from 42.
    grafico_->move(12, kArribaBarras - 2);

    Rotulo(U(kEtiquetaMes), QRect(12, kYControles - 20, 60, 20), true);
    mes_ = new QComboBox(this);
    mes_->setGeometry(12, kYControles, 130, 26);
    for (const char* m : kMeses)
        mes_->addItem(U(m));
    mes_->setCurrentIndex(-1);
    mes_->setAccessibleName(U(kEtiquetaMes));

    Rotulo(U(kEtiquetaAnio), QRect(154, kYControles - 20, 60, 20), true);
    anio_ = new QComboBox(this);
    anio_->setGeometry(154, kYControles, 80, 26);
    for (int a = kPrimerAnioBiorritmo; a <= kUltimoAnioBiorritmo; ++a)
        anio_->addItem(QString::number(a));
    anio_->setCurrentIndex(-1);
    anio_->setAccessibleName(U(kEtiquetaAnio));

    TShapeButton* calcular =
        CreaBoton("BotonOrden.bmp", QPoint(248, kYControles - 5), U(kBotonCalcular));
    calcular->setObjectName("Calcular");
    calcular->setTextColor(Qt::white);
    connect(calcular, &TShapeButton::clicked, this, &TVentanaBiorritmo::Calcula);

    usuario_ = new TPanel(this, QColor(0, 0, 128), Qt::white);
    usuario_->setObjectName("Usuario");
    usuario_->setGeometry(352, kYControles, 240, 26);
    QFont f = usuario_->font();
    f.setBold(true);
    usuario_->setFont(f);
    if (sesion_.UsuarioEstablecido)
        usuario_->setText(QString::fromStdString(sesion_.UsuarioActual.NombreCompleto));
    usuario_->setAccessibleName(usuario_->text());

    BotonAceptar(QPoint(width() - 84, kYControles - 8));
    mes_->setFocus();
}

void TVentanaBiorritmo::Calcula()
{
    const int mes = mes_->currentIndex() + 1;
    const int anio = anio_->currentIndex() < 0 ? 0 : kPrimerAnioBiorritmo + anio_->currentIndex();
    const TBiorritmo b = CalculaBiorritmo(sesion_, mes, anio, carpeta_);
    if (b.Dias == 0) { // no user, or no month and year: nothing on the chart changes
        TServicios::Actuales().Avisa(this, QString::fromStdString(b.Error));
        return;
    }
    grafico_->Muestra(b, 0); // every bar hidden, the month's day numbers shown
    if (!b.Error.empty()) {
        grafico_->repaint();
        TServicios::Actuales().Avisa(this, QString::fromStdString(b.Error));
        return;
    }
    for (int dia = 1; dia <= b.Dias; ++dia) {
        grafico_->Muestra(b, dia);
        grafico_->repaint();
    }
}

} // namespace numbrela::ui
