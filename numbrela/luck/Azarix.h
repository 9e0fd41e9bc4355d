#pragma once
// Azarix: filling the bets with ready-made combinations of "AZARIX.DAT", read at a place
// chosen by the draw date.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "luck/FechaSorteo.h"
#include "model/ConjuntoApuestas.h"
#include "model/MotorReducidas.h"

namespace numbrela {

inline constexpr const char* kFicheroAzarix = "AZARIX.DAT";
inline constexpr const char* kMsgReducidaAzarix = "No se puede rellenar una REDUCIDA con Azarix";
inline constexpr const char* kMsgErrorAzarix = "Error: Leyendo datos desde AZARIX.DAT";
constexpr std::uint32_t kCombinaciones49 = 13983816; // C(49, 6), the highest rank

// The first record read: month × day × 100 + year − month × 23 (15 March 1999: 6430).
std::int64_t RegistroAzarix(const TFechaSorteo& fecha);

// The highest first record any date of the draw-date window gives.
std::int64_t MaximoRegistroAzarix();

// Before the Azarix window opens: a reduced set cannot be filled with Azarix (the
// message is returned).
std::optional<std::string> AntesDeAzarix(const TConjuntoApuestas& conjunto);

// Fills the set from the file in `carpeta`, unranking with `motor` (n = 49). Simple bets:
// N consecutive ranks from the date's record, one per bet. A multiple: its worth in
// ranks is read, and its single bet takes the distinct numbers of those combinations in
// the order met until it has its size. The whole reading is checked before any bet is
// touched: a missing or short file, or a rank that is no combination, leaves every bet
// as it was and returns the message. A reduced set is refused.
std::optional<std::string> RellenaConAzarix(TConjuntoApuestas& conjunto, const TFechaSorteo& fecha,
                                            const std::filesystem::path& carpeta,
                                            TMotorReducidas& motor);

} // namespace numbrela
