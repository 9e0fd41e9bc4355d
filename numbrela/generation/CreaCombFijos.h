#pragma once
// Generating a reduced system with fixed numbers and storing it as a ".RLF": the ranks
// the greedy search keeps, in order, then the set's header with an empty name, no draw
// and the count of bets. The file is written under a temporary name and renamed when it
// is complete, so an interrupted or failed generation never leaves a file that loads.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>

#include "model/CabeceraApuestas.h"

namespace numbrela {

class TConjuntoApuestas;
class TReducidas;

// Called after each bet kept, with the count so far; returning false stops the search.
using TPasoGeneracion = std::function<bool(std::int64_t apuestas)>;

struct TGeneracion {
    bool Hecha = false;
    std::int64_t Apuestas = 0;
    std::string Nombre;            // "COM34-4-25-41.RLF"
    std::filesystem::path Fichero; // in the folder given
    std::string Mensaje;           // success, interruption or "Error creando el archivo ..."
};

// The system for the header's chosen numbers (n = TotalReducidos, ListaReducidos), the
// guarantee of its TipoReduccion and the fixed numbers given (ascending, each among the
// chosen ones), written into `carpeta`.
TGeneracion GeneraReducidaConFijos(const std::filesystem::path& carpeta,
                                   const CabeceraApuestas& cabecera,
                                   std::span<const std::uint8_t> fijos,
                                   const TPasoGeneracion& paso);

// With one, two or three fixed numbers.
TGeneracion CreaCombFijos(const std::filesystem::path& carpeta, const CabeceraApuestas& cabecera,
                          std::uint8_t fijo1, const TPasoGeneracion& paso);
TGeneracion CreaCombFijos2(const std::filesystem::path& carpeta, const CabeceraApuestas& cabecera,
                           std::uint8_t fijo1, std::uint8_t fijo2, const TPasoGeneracion& paso);
TGeneracion CreaCombFijos3(const std::filesystem::path& carpeta, const CabeceraApuestas& cabecera,
                           std::uint8_t fijo1, std::uint8_t fijo2, std::uint8_t fijo3,
                           const TPasoGeneracion& paso);

// Generates the system for the set's parameters (CreaCombFijos, 2 or 3 by its count of
// fixed numbers) into the engine's folder and opens it (AbreConFijo). `mensaje` receives
// the generation's message; on failure `error` holds what to show.
bool GeneraYAbreConFijos(TReducidas& motor, TConjuntoApuestas& conjunto,
                         const TPasoGeneracion& paso, std::string& mensaje, std::string& error);

} // namespace numbrela
