#include "principal/qt/TDialogoNumApuestas.h"

#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "controles/TServicios.h"
#include "controles/TShapeButton.h"
#include "principal/ReglasVentana.h"
#include "principal/TextosVentanas.h"

namespace numbrela::ui {

TDialogoNumApuestas::TDialogoNumApuestas(QWidget* parent, bool conAnadir)
    : TDialogo(parent, QString::fromUtf8(textos::kCaptionNumApuestas),
               QString::fromUtf8(textos::kTituloNumApuestas), QSize(380, 200))
{
    edit_ = new QLineEdit(this);
    edit_->setGeometry(110, 50, 160, 30);
    edit_->setMaxLength(8);
    edit_->setAlignment(Qt::AlignCenter);
    edit_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,8}"), edit_));
    QFont f = edit_->font();
    f.setPointSize(13);
    f.setBold(true);
    edit_->setFont(f);

    TShapeButton* crear = CreaBoton("Aceptar.bmp", QPoint(60, 100), QString(), "Crear");
    crear->setObjectName("Crear");
    connect(crear, &TShapeButton::clicked, this, [this] { Cierra(kCrear); });
    Rotulo(QString::fromUtf8(textos::kCrear), QRect(60, 146, 72, 20), true)
        ->setAlignment(Qt::AlignCenter);

    TShapeButton* anadir = CreaBoton("Anadir.bmp", QPoint(154, 100), QString(), "+");
    anadir->setObjectName("Anadir");
    anadir->setEnabled(conAnadir);
    connect(anadir, &TShapeButton::clicked, this, [this] { Cierra(kAnadir); });
    Rotulo(QString::fromUtf8(textos::kAnadir), QRect(154, 146, 72, 20), true)
        ->setAlignment(Qt::AlignCenter);

    BotonCancelar(QPoint(248, 100));
    edit_->setFocus();
}

QString TDialogoNumApuestas::Texto() const
{
    return edit_->text();
}

void TDialogoNumApuestas::Cierra(int codigo)
{
    const TLectura lectura = LeeNumeroApuestas(edit_->text().toStdString());
    if (!lectura.Valor) {
        TServicios::Actuales().Avisa(this, QString::fromStdString(lectura.Error));
        return; // the dialog stays open
    }
    done(codigo);
}

} // namespace numbrela::ui
