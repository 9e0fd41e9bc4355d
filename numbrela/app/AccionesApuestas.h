#pragma once
// The command-line actions on a bet file: --list, --check and --simulate.
#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "app/CommandLine.h"

namespace numbrela::app {

// Runs the action named in the remaining arguments, printing to `salida` and the
// program's Spanish messages to `errores`. Returns the exit code, or nothing when no such
// action was asked for. `reloj` stands for the clock the simulation reseeds from when no
// --seed is given.
std::optional<int> EjecutaAccionApuestas(const Opciones& opciones, std::ostream& salida,
                                         std::ostream& errores,
                                         const std::function<std::uint32_t()>& reloj);

// The lines of --help for these actions.
std::string TextoAyudaApuestas();

} // namespace numbrela::app
