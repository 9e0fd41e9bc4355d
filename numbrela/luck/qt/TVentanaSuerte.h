#pragma once
// "Apunta tus números de la suerte": three large boxes, covered by the "Calculando...."
// panel while its bar counts down, then showing the current user's lucky numbers. The
// countdown and the lookup are the core's; the window runs them on its timer.
#include <array>
#include <filesystem>
#include <memory>

#include "controles/TDialogo.h"
#include "controles/TTemporizador.h"
#include "luck/NumerosSuerte.h"
#include "luck/SesionSuerte.h"

class QFrame;
class QProgressBar;

namespace numbrela::ui {

class TPanel;

class TVentanaSuerte : public TDialogo {
    Q_OBJECT
public:
    // Without `temporizador` the countdown runs on the window system's timer.
    TVentanaSuerte(QWidget* parent, const TSesionSuerte& sesion,
                   const std::filesystem::path& carpeta,
                   std::unique_ptr<TTemporizador> temporizador = nullptr);
    ~TVentanaSuerte() override;

    TPanel* Caja(int i) const { return cajas_[static_cast<std::size_t>(i)]; }
    QFrame* PanelCalculando() const { return calculando_; }
    QProgressBar* Barra() const { return barra_; }

protected:
    void showEvent(QShowEvent* e) override;

private:
    void Tick();
    void MuestraNumeros();

    TUsuario usuario_;
    std::filesystem::path carpeta_;
    TCuentaAtrasSuerte cuenta_;
    std::unique_ptr<TTemporizador> temporizador_;
    bool abierta_ = false;
    std::array<TPanel*, 3> cajas_{};
    QFrame* calculando_;
    QProgressBar* barra_;
};

} // namespace numbrela::ui
