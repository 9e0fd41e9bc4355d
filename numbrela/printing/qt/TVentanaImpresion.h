#pragma once
// "Impresión de Boletos": squares the slip in the printer (arrows, geometry fields,
// calibration print) and prints the set's slips, one print job per slip, on the run's
// printer. Modal, closed with its accept button. The window composes the jobs and a thread
// of the run hands them to the printer while the window answers; "Abortar" cancels the
// run's jobs at the printer and prints no further slip.
#include <array>

#include "controles/TDialogo.h"
#include "model/ConjuntoApuestas.h"
#include "printing/ImpresionBoletos.h"

class QLineEdit;
class QRadioButton;
class QToolButton;

namespace numbrela {

class TCuadroBoleto;
class TImpresora;
class TLienzoQt;

class TVentanaImpresion : public ui::TDialogo {
    Q_OBJECT
public:
    TVentanaImpresion(QWidget* parent, const TConjuntoApuestas& conjunto, TImpresora& impresora);

    // The geometry fields in the order they are taken: DistanciaA, DistanciaB, PosX, PosY.
    const std::array<QLineEdit*, 4>& CamposGeometria() const { return geometria_; }
    bool CamposCambiados() const { return cambiados_; }
    bool Imprimiendo() const { return imprimiendo_; }

    // "Imprimir" and "Abortar", as their buttons run them.
    void Imprime();
    void Aborta();

protected:
    void Intro() override {}
    bool eventFilter(QObject* objeto, QEvent* e) override;

public slots:
    void done(int codigo) override;

private:
    void CreaCuadro();
    void CreaRango();
    void CreaGeometria();
    void Flecha(TFlecha flecha);
    void MuestraGeometria();
    void MarcaCambiados(bool cambiados);
    void ActivaValores();
    void CambiaOrientacion(bool rotulo);
    void EligeRangoDeA(QLineEdit* campo);
    void Ayuda();
    TPeticionImpresion Peticion() const;
    void EstadoDuranteImpresion();

    const TConjuntoApuestas& conjunto_;
    TImpresora& impresora_;
    TCuadroBoleto* cuadro_ = nullptr;
    std::array<QRadioButton*, 4> rango_{};
    QLineEdit* de_ = nullptr;
    QLineEdit* a_ = nullptr;
    std::array<QLineEdit*, 4> geometria_{};
    QWidget* orientacion_ = nullptr;
    QList<QWidget*> inactivosAlImprimir_;
    bool cambiados_ = false;
    bool imprimiendo_ = false;
    bool abortado_ = false;
    TLienzoQt* lienzo_ = nullptr; // the running print's canvas
};

} // namespace numbrela
