#pragma once
// Command-line actions of the reduced systems:
//   --reduce N1,N2,...,Nn --al K [--fixed F1[,F2[,F3]]]   load (or generate and store) the
//        system in the data folder and print its bets, one a line, "1-5-12-30-41-49";
//   --reduce N1,...,Nn --al K --compact [--save FILE.apu]   print the compact reduction's
//        bets (and store them as a simple set);
//   --table [--compact]   print the table of reductions, one row a line, fields separated
//        by tabs; with --compact the compact sizes and the saving beside the table's;
//   --verify FILE.apu --numbers N1,...,Nn --al K   whether the file's simple bets give
//        that guarantee (exit 0) or a draw none of them holds K of (exit 1).
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace numbrela::app {

// Runs the action named in `argumentos`, if any. Returns the exit code, or nullopt when
// none of these actions was asked for. Bets and the table go to `salida`; messages,
// progress and errors to `errores`.
std::optional<int> EjecutaAccionesReducidas(const std::vector<std::string>& argumentos,
                                            const std::filesystem::path& carpeta,
                                            std::ostream& salida, std::ostream& errores);

std::string TextoAyudaReducidas();

} // namespace numbrela::app
