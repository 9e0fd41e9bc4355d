#pragma once
// What the bet set needs of the reduced-systems engine: loading a system into the set's
// rank buffer, and turning a rank back into six positions.
#include <cstdint>
#include <string>

namespace numbrela {

class TConjuntoApuestas;

class TMotorReducidas {
public:
    virtual ~TMotorReducidas() = default;

    // Loads the reduced system described by the set's header into BufferRangos and
    // AciertosReducida and expands the first slip (PrimitivaReducida). On failure returns
    // false with the message to show in `error`; the set's buffers are then untouched.
    virtual bool PrimitivaReducida(TConjuntoApuestas& conjunto, std::string& error) = 0;

    // Builds the unranking tables for n positions (Calcular).
    virtual void Calcular(int n) = 0;

    // The six positions 1..n of a 1-based rank, with the tables of the last Calcular
    // (TomarCombinacion). The rank must lie in 1..C(n, 6).
    virtual void TomarCombinacion(std::uint32_t rango, std::uint8_t posiciones[6]) const = 0;
};

} // namespace numbrela
