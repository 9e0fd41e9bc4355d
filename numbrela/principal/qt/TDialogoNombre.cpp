#include "principal/qt/TDialogoNombre.h"

#include <QLineEdit>

#include "principal/TextosVentanas.h"

namespace numbrela::ui {

TDialogoNombre::TDialogoNombre(QWidget* parent, const QString& actual)
    : TDialogo(parent, QString::fromUtf8(textos::kCaptionNombre),
               QString::fromUtf8(textos::kTituloNombre), QSize(440, 160))
{
    edit_ = new QLineEdit(actual, this);
    edit_->setGeometry(20, 48, 400, 30);
    edit_->setMaxLength(100);
    edit_->selectAll();
    BotonAceptar(QPoint(138, 96));
    BotonCancelar(QPoint(230, 96));
    edit_->setFocus();
}

QString TDialogoNombre::Texto() const
{
    return edit_->text();
}

} // namespace numbrela::ui
