#pragma once
// "Formulario de Previsualización de impresión ": the printed listing, built when the
// window is created, shown read-only on yellow, printed through the printer dialog under
// the set's name; closing discards it.
#include <QDialog>
#include <QString>
#include <functional>

#include "scrutiny/DocumentoListado.h"

class QLabel;
class QPrinter;

namespace numbrela::ui {

class TShapeButton;
class TVistaDocumento;

class TVentanaPrevisualizacion : public QDialog {
    Q_OBJECT
public:
    TVentanaPrevisualizacion(QWidget* parent, const TConjuntoApuestas& conjunto,
                             ClaseDocumento clase, const DocumentoListado::Progreso& progreso = {});
    ~TVentanaPrevisualizacion() override;

    TVistaDocumento* Vista() const { return vista_; }
    const QString& TituloTrabajo() const { return tituloTrabajo_; }

    // "Imprimir": the printer dialog, then the whole document.
    void Imprimir();
    // Prints on a printer already chosen, with the page counter shown and the windows
    // repainting; the program's message when it cannot be written. True when printed.
    bool ImprimeEn(QPrinter& impresora);
    // The longest stretch of the last printing without running pending events, in ms.
    double EsperaMaxima() const { return esperaMaxima_; }

    // The printer dialog: true when accepted. Tests answer it themselves.
    using EleccionImpresora = std::function<bool(QWidget*, QPrinter&)>;
    static EleccionImpresora& EligeImpresora();

private:
    TVistaDocumento* vista_ = nullptr;
    TShapeButton* imprimir_ = nullptr;
    TShapeButton* cerrar_ = nullptr;
    QLabel* estado_ = nullptr;
    QString tituloTrabajo_;
    double esperaMaxima_ = 0;
};

} // namespace numbrela::ui
