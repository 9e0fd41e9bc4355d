#pragma once
// Where the printer puts the marks of a bet slip, in the printer's device units (dots).
// The slip travels through the printer sideways: bet blocks follow one another along Y,
// the numbers of a decade run along X from the highest (at the grid origin) down.
#include <array>
#include <optional>
#include <string>

#include "model/Punto.h"

namespace numbrela {

constexpr int kAnchoMarca = 30; // a mark is a black box 30 units along X...
constexpr int kAltoMarca = 18;  // ...by 18 along Y, its top-left corner at the cell
constexpr int kBloquesPorBoleto = 8;
constexpr int kGrosorPluma = 3;
constexpr int kPuntosLetraCabecera = 6;
constexpr int kAnchoMarcoCalibracion = 601;
constexpr int kAltoMarcoCalibracion = 1762;

inline constexpr const char* kMsgValoresGeometria =
    "Error: Uno de los valores no es correcto para las distancias";

// The adjustable part, kept in memory while the program runs; every start restores the
// defaults, which fit a slip fed into a printer of 300 dots per inch.
struct TGeometriaImpresion {
    int PosX = 209;      // printer X of the slip origin
    int PosY = 24;       // printer Y of the slip origin
    int DistanciaA = 59; // X distance between two neighbouring cells of a row
    int DistanciaB = 45; // Y distance between two rows (decades) of a block

    // Grid origin of the first bet block.
    TPunto OrigenRejilla() const { return {PosX + 20, PosY + 10}; }
    // Y distance from one bet block to the next.
    int PasoBloque() const { return 5 * DistanciaB - 4; }
    // Cell of number 1..49 in the block whose grid origin is `origen`; nothing for any
    // other value (0 is an unfilled place, above 49 is not a number of the slip).
    std::optional<TPunto> Celda(TPunto origen, int numero) const;
};

// The arrow buttons of the print window move the slip origin one unit.
enum class TFlecha { Arriba, Abajo, Izquierda, Derecha };
void MueveOrigen(TGeometriaImpresion& geometria, TFlecha flecha);

// "Activar valores": takes the four fields in the order DistanciaA, DistanciaB, PosX,
// PosY. At the first field that does not hold a number it stops: the fields before it
// are taken, the rest keep their values, and the message is returned.
std::optional<std::string> ActivarValores(TGeometriaImpresion& geometria,
                                          const std::array<std::string, 4>& campos);

// A whole number typed in a digit field: blanks around it are ignored, an optional sign,
// then digits only.
std::optional<long long> LeeEntero(const std::string& texto);

} // namespace numbrela
