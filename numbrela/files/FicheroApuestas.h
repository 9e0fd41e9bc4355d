#pragma once
// Bet files (".apu"): the 532-byte header, then for a simple set the count and six bytes
// a bet, for a multiple its packed list of 11 numbers, for a reduced system nothing (its
// bets are read again from the reduction files).
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/ConjuntoApuestas.h"

namespace numbrela {

// Where the bytes of a saved set go. The file writer is one; tests use others to fail at
// a chosen step.
class TSalidaApuestas {
public:
    virtual ~TSalidaApuestas() = default;
    virtual bool Escribe(std::span<const std::uint8_t> bytes) = 0;
};

// What the main window shows after opening a file.
struct TResultadoApertura {
    bool Ok = false;
    std::string Error;          // the message box, when !Ok
    std::string PanelFichero;   // the file panel: the path
    bool MostrarSorteo = false; // the draw strip shows the stored draw
    TTextosConjunto Textos;     // legend and slip counter (kinds 1 to 3)
};

enum class ModoGrabacion { Grabar, GrabarComo };

namespace FicheroApuestas {

// The first simple bet that has not exactly six crosses, as the message to show;
// nothing for every other kind or when all bets are complete.
std::optional<std::string> CompruebaCruces(const TConjuntoApuestas& conjunto);

// The file name "G&rabar como..." proposes: the first 32 characters of the name.
std::string NombrePropuesto(const TConjuntoApuestas& conjunto);

// Writes the header and the bets (steps after the file is created), refreshing the
// packed lists. Returns false with the message of the step that failed.
bool EscribeApuestas(TConjuntoApuestas& conjunto, TSalidaApuestas& salida, std::string& error);

// "&Grabar" and "G&rabar como...". Checks the crosses first (nothing is touched when a
// bet is incomplete), then writes a temporary file beside `ruta` and renames it over
// `ruta`, so a failure never destroys the file that was there. Once the temporary
// file exists, "G&rabar como..." makes `ruta` the set's file, enables both save
// commands and records it in ULTIMO.DB of `carpetaPrograma`, as the set keeps after
// a later write failure.
bool Graba(TConjuntoApuestas& conjunto, const std::filesystem::path& ruta, ModoGrabacion modo,
           const std::filesystem::path& carpetaPrograma, std::string& error);

// Reads a whole bet file held in memory into the set (AbreDeUnaVez). A header that
// cannot be read or is refused leaves the set, its file and its save commands as they
// were. After a later failure the set keeps what was read up to that point, always
// consistent with its header; it is known by `ruta` but only "G&rabar como..." saves.
TResultadoApertura Lee(TConjuntoApuestas& conjunto, std::span<const std::uint8_t> bytes,
                       const std::string& ruta);

// Opens `ruta` and reads it ("&Abrir...", "A&brir de nuevo", the command line).
TResultadoApertura AbreDeUnaVez(TConjuntoApuestas& conjunto, const std::filesystem::path& ruta);

} // namespace FicheroApuestas

} // namespace numbrela
