#pragma once
// The date of the draw the user prepares bets for; Azarix places its reading by it.
#include <cstdint>
#include <optional>
#include <string>

namespace numbrela {

constexpr int kPrimerAnioSorteo = 1998; // the year list of the draw-date window
constexpr int kUltimoAnioSorteo = 2026;
inline constexpr const char* kMsgFechaIncorrecta = "Error: La fecha introducida no es correcta";

struct TFechaSorteo {
    std::uint8_t Dia = 0;   // 1..31
    std::uint8_t Mes = 0;   // 1..12
    std::uint16_t Anio = 0; // 1998..2026
};

// Accepting the draw-date window with the chosen day, month and year (0 = none chosen).
// A day past the month's length is taken as chosen (31 February is a date here).
// Returns the date, or nothing when a list has no choice.
std::optional<TFechaSorteo> FechaDeLasListas(int dia, int mes, int anio);

} // namespace numbrela
