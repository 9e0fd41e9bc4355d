#pragma once
// Numbers, a bet, a small bet and a draw of the 6-of-49 game.
#include <array>
#include <cstdint>

namespace numbrela {

constexpr int kNumeros = 49;          // numbers run 1..49
constexpr int kNumerosPorApuesta = 6; // a simple bet has six crosses
constexpr int kMaxCruces = 11;        // the largest multiple

// One bet. Arrays keep a spare slot 0 so that the program's 1-based indices read as they
// are written ("Marcas[i]" is the mark of number i). 65 bytes, so a million bets fit.
struct TApuestas {
    std::array<std::uint8_t, kNumeros + 1> Marcas{};             // 0, or the number itself
    std::array<std::uint8_t, kMaxCruces + 1> NumerosOrdenados{}; // packed ascending, rest 0
    std::uint8_t Cruces = 0;
    std::uint8_t Aciertos = 0;
    std::uint8_t ConComplementario = 0;

    bool Marcado(int numero) const { return Marcas[numero] != 0; }
    // Marks or unmarks a number, keeping Cruces up to date. Returns whether it changed.
    bool Marca(int numero);
    bool Desmarca(int numero);
    // Clears all 49 marks and the cross count.
    void BorraMarcas();
    // Rebuilds NumerosOrdenados from Marcas (before saving, and for every reader of the
    // packed list).
    void EmpaquetaNumeros();
};

// Six positions 1..n of a combination into the chosen numbers of a reduced system.
struct TApuestitas {
    std::array<std::uint8_t, kNumerosPorApuesta + 1> Posiciones{};
};

// A draw: six winning numbers ascending and the complementary. Numeros[0] == 0 = no draw.
struct TSorteo {
    std::array<std::uint8_t, 6> Numeros{};
    std::uint8_t Complementario = 0;

    bool HaySorteo() const { return Numeros[0] != 0; }
};

// Sets the marks of the six numbers after clearing all 49 (MeterNumeros).
void MeterNumeros(TApuestas& apuesta, const std::uint8_t numeros[kNumerosPorApuesta]);

// Scores a bet against a draw: hits among the six winning numbers, and the complementary.
void PuntuarApuesta(TApuestas& apuesta, const TSorteo& sorteo);

} // namespace numbrela
