#pragma once
// Names of the reduction files: "COM" + n + "-" + kind digit + ".RLV" for the delivered
// systems, with "-" and each fixed number before ".RLF" for the generated ones.
#include <cstdint>
#include <span>
#include <string>

namespace numbrela {

// The guarantee of a stored TipoReduccion: 1 al TRES = 3, 2 = 4, 3 = 5, and a stored 4
// names the digit 6. 0 for anything else.
inline int GarantiaDeTipo(int tipoReduccion)
{
    return tipoReduccion >= 1 && tipoReduccion <= 4 ? tipoReduccion + 2 : 0;
}

inline std::string NombreRlv(int n, int garantia)
{
    return "COM" + std::to_string(n) + "-" + std::to_string(garantia) + ".RLV";
}

// Fixed numbers ascending, as in ListaFijos.
inline std::string NombreRlf(int n, int garantia, std::span<const std::uint8_t> fijos)
{
    std::string nombre = "COM" + std::to_string(n) + "-" + std::to_string(garantia);
    for (std::uint8_t f : fijos)
        nombre += "-" + std::to_string(f);
    return nombre + ".RLF";
}

} // namespace numbrela
