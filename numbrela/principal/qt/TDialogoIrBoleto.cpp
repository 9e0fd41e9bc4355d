#include "principal/qt/TDialogoIrBoleto.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "model/TextosPrograma.h"
#include "principal/TextosVentanas.h"

namespace numbrela::ui {

TDialogoIrBoleto::TDialogoIrBoleto(QWidget* parent)
    : TDialogo(parent, QString::fromUtf8(textos::kAtencion),
               QString::fromUtf8(textos::kTituloIrBoleto), QSize(320, 160))
{
    edit_ = new QLineEdit(this);
    edit_->setGeometry(110, 48, 100, 30);
    edit_->setMaxLength(5);
    edit_->setAlignment(Qt::AlignCenter);
    edit_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,5}"), edit_));
    QFont f = edit_->font();
    f.setPointSize(13);
    f.setBold(true);
    edit_->setFont(f);
    BotonAceptar(QPoint(78, 96));
    BotonCancelar(QPoint(170, 96));
    edit_->setFocus();
}

QString TDialogoIrBoleto::Texto() const
{
    return edit_->text();
}

} // namespace numbrela::ui
