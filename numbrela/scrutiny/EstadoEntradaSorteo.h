#pragma once
// The state of the draw-entry window: its seven fields, which buttons are enabled, the
// simulation's counters and draw counter. The window shows this state and calls these
// operations; it decides nothing itself.
#include <array>
#include <functional>
#include <string>

#include "model/ConjuntoApuestas.h"
#include "scrutiny/EntradaSorteo.h"
#include "scrutiny/Simulacion.h"

namespace numbrela {

enum class ColorContador { Normal, Verde, AmarilloSobreRojo };

class EstadoEntradaSorteo {
public:
    // The fields start with the stored draw, or "00" when there is none.
    explicit EstadoEntradaSorteo(const TSorteo& guardado);

    std::array<std::string, 7> Campos;
    bool AceptarHabilitado = true;
    bool CancelarHabilitado = true;
    bool AutomaticoHabilitado = true;
    bool ComenzarHabilitado = true;
    bool ModoAutomatico = false; // the window has grown to show the simulation
    std::array<std::string, 6> Contadores{"0", "0", "0", "0", "0", "0"}; // 6, 5C, 5, 4, 3, F
    std::string ContadorSorteos = "0";
    ColorContador Color = ColorContador::Normal;

    // The accept button: the fields' check; on success the draw to score.
    TResultadoEntrada Acepta() const { return EntradaSorteo::Valida(Campos); }

    // "Automático": the simulation part shows; accepting is no longer possible, so a
    // simulation never leads to a scrutiny.
    void Automatico();

    // "Comenzar" with the count field's text. A bad count leaves everything enabled and
    // returns false with the message. Otherwise the buttons are disabled, the counters
    // reset, the draw counter turns green; after every draw the counters are refreshed
    // and `refresca` lets the window repaint; at the end the buttons come back and the
    // draw counter shows yellow on red.
    bool Comenzar(const std::string& cuenta, const TConjuntoApuestas& conjunto,
                  TGeneradorAleatorio& generador, const Simulacion::SemillaReloj& reloj,
                  const std::function<void()>& refresca, std::string& error);
};

} // namespace numbrela
