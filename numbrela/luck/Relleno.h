#pragma once
// "&Rellenar": filling the bets of a simple set or a multiple without marking them, at
// random or with Azarix. Both overwrite every mark of the bets they fill.
#include <optional>
#include <string>

#include "generation/Azar.h"
#include "luck/SesionSuerte.h"
#include "model/ConjuntoApuestas.h"

namespace numbrela {

inline constexpr const char* kMsgFaltanFechaYUsuario =
    "Antes debes introducir la Fecha del Sorteo y el usuario en el menú AZARIX";
inline constexpr const char* kMsgReducidaAlAzar =
    "No se puede rellenar una apuesta REDUCIDA al azar!!!";
inline constexpr const char* kTituloRelleno = "Rellenado de apuestas....";
inline constexpr const char* kTextoAlAzar = "Completamente al azar";
inline constexpr const char* kTextoAzarix = "Azarix";

// What the fill dialog hands back.
enum class TEleccionRelleno { Ninguna = 1, Cancelar = 2, AlAzar = 100, Azarix = 200 };

// Before the fill dialog: without the draw date or the user given since the start the
// fill is refused (the message is returned and nothing changes); otherwise the set's
// scrutiny no longer holds.
std::optional<std::string> PreparaRelleno(TConjuntoApuestas& conjunto, const TSesionSuerte& sesion);

// "Completamente al azar": each simple bet gets six distinct numbers, a multiple's single
// bet its size, every number 1..49 equally likely, drawn from `azar` (seeded by the
// caller, from the clock in the program). A reduced set is refused with the message.
std::optional<std::string> RellenaAlAzar(TConjuntoApuestas& conjunto, TAzar& azar);

// Draws `cuantos` distinct numbers 1..49 into the bet's marks (all others cleared) and
// sets its cross count.
void RellenaApuestaAlAzar(TApuestas& apuesta, int cuantos, TAzar& azar);

} // namespace numbrela
