#pragma once
// The multiple bet: one bet of 5 or 7..11 crosses standing for every simple bet that can be
// formed from its numbers. Its size is chosen by a code 1..6, the same in the size dialog
// and in the bet file.
#include <cstdint>
#include <optional>
#include <string>

#include "model/ConjuntoApuestas.h"

namespace numbrela {

// One size of multiple: its code, crosses and worth in simple bets.
struct TTamanoMultiple {
    int Codigo = 0;
    int Cruces = 0;
    std::int32_t Apuestas = 0;
};

namespace ApuestaMultiple {

// The size of code 1..6 (7, 8, 5, 9, 10 and 11 crosses); nothing for any other code.
std::optional<TTamanoMultiple> Tamano(int codigo);

// "Crear" after choosing the multiple kind in the size dialog: the set is reset (no
// name, no file, no draw shown, no reduced buffers) and holds one empty bet of the
// chosen size. Returns false, the set untouched, for a code outside 1..6.
bool Crea(TConjuntoApuestas& conjunto, int codigo, TTextosConjunto& textos);

// The banner of the main window: "MULTIPLE " + crosses + " Cruces".
std::string TextoBanner(const TConjuntoApuestas& conjunto);

// Marks or unmarks `numero` on bet `indice` (0-based) as the number dialog does. A
// bet never holds more crosses than its kind allows (six for a simple bet, the size
// for a multiple): a further mark is refused on the spot and `error` says why.
// Returns whether the bet changed. Reduced bets cannot be edited. After a scrutiny a
// changed bet is scored again against the stored draw.
bool AlternaMarca(TConjuntoApuestas& conjunto, std::size_t indice, int numero, std::string& error);

// Rebuilds the multiple's bet from its stored packed list: for positions 1..crosses
// every non-zero entry v marks v; Cruces counts them. Returns false when an entry
// lies outside 1..49 or repeats a number (the bet then holds no mark).
bool CargaDeLista(TApuestas& apuesta, int cruces, const std::uint8_t lista[kMaxCruces]);

} // namespace ApuestaMultiple

} // namespace numbrela
