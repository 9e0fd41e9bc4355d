#pragma once
// "Escrutar apuestas...": the draw's six winning numbers and its complementary number,
// and the simulation of random draws ("Automático"). The window shows the state of
// EstadoEntradaSorteo and calls its operations.
#include <array>
#include <cstdint>

#include "controles/TDialogo.h"
#include "scrutiny/EstadoEntradaSorteo.h"
#include "scrutiny/GeneradorAleatorio.h"
#include "scrutiny/Simulacion.h"

class QLineEdit;
class QLabel;

namespace numbrela::ui {

class TPanel;
class TShapeButton;

class TVentanaEntradaSorteo : public TDialogo {
    Q_OBJECT
public:
    static constexpr int kAlto = 230; // before "Automático" grows it

    TVentanaEntradaSorteo(QWidget* parent, const TConjuntoApuestas& conjunto);
    ~TVentanaEntradaSorteo() override;

    // The accepted draw: six winning numbers ascending, then the complementary.
    const TSorteo& Sorteo() const { return sorteo_; }

    // The simulation's generator and the clock it reseeds from after each draw; by default
    // seeded from the computer's clock.
    void FijaGenerador(std::uint32_t semilla, Simulacion::SemillaReloj reloj);
    // The longest stretch of the last simulation without running pending events, in ms.
    double EsperaMaxima() const { return esperaMaxima_; }

    QLineEdit* Campo(int i) const { return campos_[static_cast<std::size_t>(i)]; }
    QLineEdit* Cuenta() const { return cuenta_; }
    TPanel* Contador(int i) const { return contadores_[static_cast<std::size_t>(i)]; }
    TPanel* ContadorSorteos() const { return contadorSorteos_; }

protected:
    void Intro() override;

private:
    void CreaCampos();
    void CreaBotones();
    void CreaParteAutomatica();
    void Acepta();
    void Automatico();
    void Comenzar();
    // Copies the state into the controls.
    void Muestra();

    const TConjuntoApuestas& conjunto_;
    EstadoEntradaSorteo estado_;
    TSorteo sorteo_;
    TGeneradorAleatorio generador_;
    Simulacion::SemillaReloj reloj_;
    double esperaMaxima_ = 0;

    std::array<QLineEdit*, 7> campos_{};
    TShapeButton* aceptar_ = nullptr;
    TShapeButton* cancelar_ = nullptr;
    TShapeButton* automatico_ = nullptr;
    QWidget* parteAutomatica_ = nullptr;
    QLineEdit* cuenta_ = nullptr;
    TShapeButton* comenzar_ = nullptr;
    std::array<TPanel*, 6> contadores_{};
    TPanel* contadorSorteos_ = nullptr;
};

} // namespace numbrela::ui
