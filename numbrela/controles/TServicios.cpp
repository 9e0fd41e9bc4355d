#include "controles/TServicios.h"

#include <QFileDialog>
#include <QMessageBox>

#include "model/TextosPrograma.h"

namespace numbrela::ui {

TServicios& TServicios::Actuales()
{
    static TServicios s{
        [](QWidget* w, const QString& texto) {
            QMessageBox::warning(w, QString::fromUtf8(textos::kTituloPrograma), texto);
        },
        [](QWidget* w, const QString& texto) {
            return QMessageBox::question(w, QString::fromUtf8(textos::kTituloPrograma), texto,
                                         QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
        },
        [](QWidget* w, const QString& titulo, const QString& filtro) {
            return QFileDialog::getOpenFileName(w, titulo, QString(), filtro);
        },
        [](QWidget* w, const QString& titulo, const QString& filtro, const QString& propuesto) {
            // The overwrite question is the planner's own, asked after the choice.
            return QFileDialog::getSaveFileName(w, titulo, propuesto, filtro, nullptr,
                                                QFileDialog::DontConfirmOverwrite);
        },
    };
    return s;
}

} // namespace numbrela::ui
