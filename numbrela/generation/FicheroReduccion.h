#pragma once
// Reading the reduction files: ".RLV" (ranks only) and ".RLF" (ranks, then the 532-byte
// header of the set they were generated for). Every length is checked before it is
// trusted, every rank must lie in 1..C(n, 6), and a ".RLF" header must agree with itself.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "model/CabeceraApuestas.h"

namespace numbrela {

inline constexpr const char* kErrorLectura =
    "Error: Se ha producido un error leyendo el archivo o el archivo no existe";

enum class TFalloLectura { Ninguno, NoExiste, Ilegible, Memoria };

struct TReduccionLeida {
    std::vector<std::uint32_t> Rangos;
    CabeceraApuestas Cabecera; // ".RLF" only: the trailing header
};

// A ".RLV" for n positions: a whole number of ranks, at least one, each in 1..C(n, 6).
TFalloLectura LeeRlv(const std::filesystem::path& fichero, int n, TReduccionLeida& leida);

// A ".RLF": at least 532 bytes, a whole number of ranks before the trailing header, a
// header that agrees with itself (see CabeceraReducidaCoherente), and ranks valid for the
// header's n.
TFalloLectura LeeRlf(const std::filesystem::path& fichero, TReduccionLeida& leida);

// The same two readers over a file's bytes already in memory (NoExiste never comes back).
TFalloLectura LeeRlvBytes(std::string_view bytes, int n, TReduccionLeida& leida);
TFalloLectura LeeRlfBytes(std::string_view bytes, TReduccionLeida& leida);

// The header of a reduced system with fixed numbers that can be trusted: kind 3, a
// guarantee 1..4, n in 7..49 equal to the chosen flags and to the list, 1..3 fixed
// numbers each also chosen, lists ascending and equal to the flags.
bool CabeceraReducidaCoherente(const CabeceraApuestas& c);

// Reads n, the guarantee and the fixed numbers back from a name "COMn-k-f1[-f2[-f3]].RLF"
// (any letter case, any folder). False when the name does not follow that pattern.
bool AnalizaNombreRlf(const std::filesystem::path& fichero, int& n, int& garantia,
                      std::vector<std::uint8_t>& fijos);

} // namespace numbrela
