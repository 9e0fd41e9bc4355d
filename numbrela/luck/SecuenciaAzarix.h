#pragma once
// The Azarix window's show: a status line that moves through its steps at random
// intervals, after which the window closes by itself.
#include <string>

#include "generation/Azar.h"

namespace numbrela {

inline constexpr const char* kTituloVentanaAzarix = "Generar apuestas con Azarix";
inline constexpr const char* kCabeceraAzarix = "Azarix";
inline constexpr const char* kMarcaAzarix = "®";
constexpr int kPrimerIntervaloAzarix = 1000; // ms
constexpr int kMinIntervaloAzarix = 1000;
constexpr int kMaxIntervaloAzarix = 9499;

class TSecuenciaAzarix {
public:
    // The status line, "Inicializando maquinaria Azarix" at first.
    const std::string& Estado() const { return estado_; }
    // The timer's interval until the next tick.
    int Intervalo() const { return intervalo_; }
    // Done: the window closes with acceptance. Before that it refuses to close.
    bool Terminada() const { return terminada_; }
    bool PuedeCerrar() const { return terminada_; }

    // One timer tick: the next interval is drawn from 1000 to 9499 ms and the status line
    // moves on by its first character; the tick that finds step 6 ends the show.
    void Tick(TAzar& azar);

private:
    std::string estado_ = "Inicializando maquinaria Azarix";
    int intervalo_ = kPrimerIntervaloAzarix;
    bool terminada_ = false;
};

} // namespace numbrela
