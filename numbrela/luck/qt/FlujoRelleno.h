#pragma once
// "&Rellenar" from start to end: the refusal without draw date and user, the fill choice,
// then the random filling or the Azarix window and its filling, each failure with its
// message. The rules are the core's (Relleno, Azarix); this only opens the windows.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>

#include "controles/TTemporizador.h"
#include "luck/SesionSuerte.h"
#include "model/ConjuntoApuestas.h"
#include "model/MotorReducidas.h"

class QWidget;

namespace numbrela::ui {

// What the filling takes from outside: the seed of its generators and the Azarix window's
// timer. The program seeds from the clock; tests fix both.
struct TEntornoRelleno {
    std::function<std::uint64_t()> Semilla;
    std::function<std::unique_ptr<TTemporizador>()> Temporizador; // the window system's when empty
};

// Seeds from the clock, runs on the window system's timer.
TEntornoRelleno EntornoDelReloj();

// Returns false when the fill was refused before its dialog (nothing changed); true when
// the dialog was shown: the set's hits no longer hold and the slip is to be redrawn.
bool Rellena(QWidget* padre, TConjuntoApuestas& conjunto, const TSesionSuerte& sesion,
             const std::filesystem::path& carpeta, TMotorReducidas& motor,
             const TEntornoRelleno& entorno = EntornoDelReloj());

} // namespace numbrela::ui
