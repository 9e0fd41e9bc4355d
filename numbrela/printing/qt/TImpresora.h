#pragma once
// The printer the planner prints on while it runs: chosen with "&Establecer impresora...",
// kept with its paper and orientation until the program ends and shared by every window
// that prints, together with the slip geometry of the run.
#include <QObject>
#include <QPrinter>
#include <functional>

#include "printing/GeometriaImpresion.h"

class QWidget;

namespace numbrela {

// The platform's printer dialogs, each returning false when the user cancels. Tests
// replace them to answer without a person.
struct TDialogosImpresora {
    std::function<bool(QWidget*, QPrinter&)> Imprimir;   // before a print: which printer
    std::function<bool(QWidget*, QPrinter&)> Establecer; // printer, paper, orientation

    static TDialogosImpresora& Actuales();
};

class TImpresora : public QObject {
    Q_OBJECT
public:
    // Device units on every printer: the default geometry is the slip's own at this
    // resolution, whatever the printer's own.
    static constexpr int kPuntosPorPulgada = 300;

    explicit TImpresora(QObject* parent = nullptr);

    QPrinter& Impresora() { return impresora_; }
    TGeometriaImpresion& Geometria() { return geometria_; }

    // The part of the sheet the printer can reach, in device units: the sheet less the
    // printer's own margins. The origin of the marks stays the sheet's corner.
    QSize AreaImprimible() const;

    // "&Establecer impresora...": the choice stays for the run.
    void Establece(QWidget* padre);
    // The printer dialog shown before a print; false when cancelled.
    bool EligeParaImprimir(QWidget* padre);

    // The run's printer of a main window (created with ConectaImpresion).
    static TImpresora* De(QObject* ventana);

private:
    void FijaUnidades();

    QPrinter impresora_;
    TGeometriaImpresion geometria_;
};

} // namespace numbrela
