#pragma once
// "Generar apuestas con Azarix": the status line moves through its steps on the core's
// randomised timer, then the window closes by itself with acceptance. Until then it
// refuses to close: no button, and close and Escape are ignored.
#include <memory>

#include "controles/TDialogo.h"
#include "controles/TTemporizador.h"
#include "generation/Azar.h"
#include "luck/SecuenciaAzarix.h"

class QLabel;

namespace numbrela::ui {

class TVentanaAzarix : public TDialogo {
    Q_OBJECT
public:
    // `azar` draws the intervals; without `temporizador` the window system's timer runs.
    TVentanaAzarix(QWidget* parent, TAzar azar,
                   std::unique_ptr<TTemporizador> temporizador = nullptr);
    ~TVentanaAzarix() override;

    QLabel* Estado() const { return estado_; }
    const TSecuenciaAzarix& Secuencia() const { return secuencia_; }

public slots:
    void reject() override;

protected:
    void Intro() override {}
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void Tick();

    TAzar azar_;
    TSecuenciaAzarix secuencia_;
    std::unique_ptr<TTemporizador> temporizador_;
    QLabel* estado_;
};

} // namespace numbrela::ui
