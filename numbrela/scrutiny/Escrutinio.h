#pragma once
// Scrutiny of the bet set against a draw: storing the draw, scoring every bet of the set,
// and the tally of winning bets by prize category shown by the results window, the
// listing and its printed document.
#include <array>
#include <cstdint>
#include <string>

#include "model/ConjuntoApuestas.h"

namespace numbrela {

// Winning simple bets by prize category.
struct TEscrutinio {
    std::uint32_t Seis = 0;
    std::uint32_t CincoMasC = 0;
    std::uint32_t Cinco = 0;
    std::uint32_t Cuatro = 0;
    std::uint32_t Tres = 0;

    bool operator==(const TEscrutinio&) const = default;
};

namespace Escrutinio {

// Accepting the draw: stores it in the header, scores the set by its kind (every
// simple bet; the multiple's one bet as a whole; every combination of a reduced
// system), and sets EscrutadoHecho. Fails only for a reduced set without an engine,
// with the draw stored and EscrutadoHecho left clear.
bool Escruta(TConjuntoApuestas& conjunto, const TSorteo& sorteo, std::string& error);

// EscrutarReducida: AciertosReducida[i] = hits of combination i against the stored
// draw, plus 128 when it holds the complementary number.
bool EscrutarReducida(TConjuntoApuestas& conjunto);

// The tally of the stored results. A multiple counts the winning bets among all the
// simple bets it stands for; a multiple whose crosses are not 5 or 7..11 counts
// nothing.
TEscrutinio Calcula(const TConjuntoApuestas& conjunto);

// The results window's five lines, top to bottom.
std::array<std::string, 5> LineasResultados(const TEscrutinio& e);

// The caption under a bet on the slip: "Aciertos: " + hits, and " +C".
std::string TextoAciertos(int aciertos, bool complementario);
// Hits and complementary flag of bet `indice` (0-based, of the whole set) as the slip
// shows them; for a reduced set from AciertosReducida.
std::string TextoAciertosApuesta(const TConjuntoApuestas& conjunto, std::int64_t indice);

// The prize text of the listing and the document: " ->" + hits + "+Complementario" or
// " aciertos" for 3 hits or more, empty below.
std::string TextoPremio(int aciertos, bool complementario);

} // namespace Escrutinio

} // namespace numbrela
