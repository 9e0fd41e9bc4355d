#pragma once
// The compact design as a choice beside the table's, for the numbers chosen in the
// reduction dialogs: how many bets each has (the compact count from its file's size, four
// bytes a bet, so the dialogs never read or search a design), the texts the dialogs and the
// table of reductions show, and the set the choice becomes.
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "model/ConjuntoApuestas.h"

namespace numbrela {

// Bets of the compact design of n numbers al k as its file's size says; nothing when there
// is no file or its size cannot be a design (empty, not whole bets, more than the table's).
std::optional<std::int64_t> ApuestasCompacta(const std::filesystem::path& carpeta, int n, int k);

struct TOfertaCompacta {
    bool Posible = false;      // the compact design can be chosen for these numbers
    std::int64_t Tabla = 0;    // the table's bets; 0 outside 7..49 numbers
    std::int64_t Compacta = 0; // the compact design's bets; 0 when there is none
    std::string Texto;         // the comparison, or why there is no choice
};

// For n chosen numbers, `fijos` of them fixed, al k, at the unit price of game `juego`:
// "al TRES: tabla 496 apuestas, compacta 227 (ahorro 269,00 €)".
TOfertaCompacta OfertaCompacta(const std::filesystem::path& carpeta, int n, int fijos, int k,
                               int juego);
// The offer for the numbers and the guarantee in the header (TipoReduccion 1..3).
TOfertaCompacta OfertaCompacta(const std::filesystem::path& carpeta, const CabeceraApuestas& c);

// The table of reductions with the compact sizes beside the table's: its header row and,
// for each count of numbers, n, the direct system, then for al 5, al 4 and al 3 the table's
// bets and the compact ones ("-" where there is no design).
inline constexpr std::array<const char*, 8> kColumnasTablaCompacta{
    "Total Números",  "Directa",       "Reducción al 5", "Compacta al 5",
    "Reducción al 4", "Compacta al 4", "Reducción al 3", "Compacta al 3"};
std::array<std::string, 8> CeldasFilaCompacta(const std::filesystem::path& carpeta, int n);

// After the dialogs, the compact design chosen: the header holds the chosen numbers (no
// fixed ones) and the guarantee. The set becomes the design's simple bets on those numbers
// with the compact legend, no name, no file, both save commands off, no draw, slip 0, its
// game kept. On failure (no design, a damaged file, one that fails its guarantee) nothing
// changes and `error` holds the message.
bool EligeCompacta(TConjuntoApuestas& conjunto, const std::filesystem::path& carpeta,
                   std::string& error, TTextosConjunto& textos);

// Asked when the compact design could not be used: its message and the offer of the
// table's design for the same numbers (yes plays it).
std::string PreguntaTablaTrasFallo(const std::string& error, int n, int k);

} // namespace numbrela
