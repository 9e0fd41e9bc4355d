#pragma once
// The compact reductions delivered with the program: "COMn-k.RLC", the ranks of the bets
// of a design for n chosen numbers with guarantee k, smaller than the table's system. A
// file is used only when it is whole, every rank lies in 1..C(n, 6) with none repeated,
// it is no larger than the table's system and the check of its guarantee passes. The check
// of the delivered files is done once, by the tests: a file whose ranks hash to the value
// recorded for it in SumasCompactas.h is the delivered file and skips it, so the largest
// systems load at once; any other file is checked in full.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace numbrela {

inline std::string NombreCompacta(int n, int garantia)
{
    return "COM" + std::to_string(n) + "-" + std::to_string(garantia) + ".RLC";
}

// Reads the compact reduction of n numbers (7..49) al k (3..5) from `carpeta` into
// `rangos`. On failure `rangos` is empty and `error` says why, in the program's words.
bool LeeCompacta(const std::filesystem::path& carpeta, int n, int k,
                 std::vector<std::uint32_t>& rangos, std::string& error);

// The bets of a design of n positions as masks (bit p - 1 for position p), from their ranks
// among the combinations of six of n.
std::vector<std::uint64_t> MascarasDeRangos(int n, const std::vector<std::uint32_t>& rangos);

// FNV-1a (64 bits) of the ranks as they are stored, four little-endian bytes each.
std::uint64_t SumaRangos(const std::vector<std::uint32_t>& rangos);

// The legend of a compact set, in the window, in its file and on the command line:
// "Reducida compacta de 12 números al CUATRO: 9 apuestas".
std::string LeyendaCompacta(int n, int k, std::size_t apuestas);
// Whether a legend is that of a compact set (which claims the design's guarantee).
bool EsLeyendaCompacta(const std::string& leyenda);

} // namespace numbrela
