#pragma once
// "Reducciones y sus precios": for each count of chosen numbers, the bets of the direct
// system and of the reductions al 5, al 4 and al 3. The reduction columns are the bet
// counts of the reduction files delivered with the program, which must match them.
#include <array>
#include <cstdint>
#include <string>

#include "generation/TablaRangos.h"

namespace numbrela {

struct TFilaReduccion {
    int Numeros;
    std::uint32_t Al5, Al4, Al3;

    std::uint32_t Directa() const { return kBinomio(Numeros, 6); }
    // Bets of the reduction with guarantee k (3, 4 or 5); 0 for any other k.
    std::uint32_t Apuestas(int k) const { return k == 5 ? Al5 : k == 4 ? Al4 : k == 3 ? Al3 : 0; }
};

inline constexpr std::array<TFilaReduccion, 43> kTablaReducciones{{
    {7, 1, 1, 1},
    {8, 4, 1, 1},
    {9, 8, 3, 1},
    {10, 18, 5, 2},
    {11, 34, 11, 2},
    {12, 68, 10, 4},
    {13, 116, 23, 4},
    {14, 203, 23, 7},
    {15, 315, 31, 7},
    {16, 504, 53, 9},
    {17, 588, 75, 14},
    {18, 756, 104, 20},
    {19, 988, 125, 28},
    {20, 1336, 154, 30},
    {21, 1800, 196, 26},
    {22, 2437, 248, 77},
    {23, 3249, 299, 77},
    {24, 4316, 367, 74},
    {25, 5632, 434, 78},
    {26, 7318, 520, 80},
    {27, 9350, 623, 86},
    {28, 11900, 734, 91},
    {29, 14924, 853, 94},
    {30, 18655, 1005, 115},
    {31, 22759, 1163, 125},
    {32, 27267, 1331, 131},
    {33, 30576, 1528, 139},
    {34, 35380, 1737, 152},
    {35, 41202, 1973, 164},
    {36, 48196, 2240, 184},
    {37, 56128, 2539, 199},
    {38, 65967, 2836, 221},
    {39, 77528, 3165, 244},
    {40, 90045, 3533, 275},
    {41, 104128, 3964, 285},
    {42, 121171, 4385, 307},
    {43, 140061, 4858, 330},
    {44, 159744, 5368, 355},
    {45, 181797, 5933, 380},
    {46, 203629, 6509, 411},
    {47, 222685, 7160, 440},
    {48, 253775, 7835, 477},
    {49, 285397, 8563, 496},
}};

// The row of n chosen numbers, or nullptr outside 7..49.
inline const TFilaReduccion* FilaReduccion(int n)
{
    if (n < kMinReducidos || n > kMaxReducidos)
        return nullptr;
    return &kTablaReducciones[static_cast<std::size_t>(n - kMinReducidos)];
}

// What the grid shows: its caption, its header row, and each row's five cells.
inline constexpr const char* kTituloTablaReducciones = "Tabla de reducciones directas, al 5, 4 y 3";
inline constexpr std::array<const char*, 5> kColumnasTablaReducciones{
    "Total Números", "Directa", "Reducción al 5", "Reducción al 4", "Reducción al 3"};
inline std::array<std::string, 5> CeldasFila(const TFilaReduccion& f)
{
    return {std::to_string(f.Numeros), std::to_string(f.Directa()), std::to_string(f.Al5),
            std::to_string(f.Al4), std::to_string(f.Al3)};
}

} // namespace numbrela
