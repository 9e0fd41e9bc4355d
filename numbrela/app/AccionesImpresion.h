#pragma once
// The command line's slip printing: a bet file's slips onto a PDF printer.
//   numbrela --print-slips FICHERO.apu --pdf SALIDA.pdf [--slips all|screen|A-B|calibrate] [--dpi
//   D]
#include <optional>
#include <string>

#include "app/CommandLine.h"

namespace numbrela::app {

// Runs the action when the line asks for it and returns the exit code; nothing when the
// line holds no --print-slips.
std::optional<int> AccionImprimirBoletos(const Opciones& opciones);

// The lines the help adds for it.
std::string AyudaImprimirBoletos();

} // namespace numbrela::app
