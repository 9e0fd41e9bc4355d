#pragma once
// Choosing a reduced system: the backup of the reduction parameters, the numbers dialog's
// rules and texts, and the steps that follow each dialog of the choice. The windows only
// show the dialogs and call these.
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "model/ConjuntoApuestas.h"

namespace numbrela {

class TReducidas;

// The reduction parameters as they were before a dialog: flags, counts, the two lists
// (so that a failed load never leaves lists that disagree with the flags), the kind of
// reduction and the kind of set.
struct TCopiaReduccion {
    std::array<std::uint8_t, kNumeros> Reducidos{}, Fijos{}, ListaReducidos{}, ListaFijos{};
    std::int32_t TotalReducidos = 0, TotalFijos = 0;
    std::uint8_t TipoReduccion = 0, Tipo = 0;
};

// Saves the parameters and clears the flags and counts (GuardaReduccion), or only saves
// them (GuardaReduccion2); RestauraReduccion copies them back.
TCopiaReduccion GuardaReduccion(CabeceraApuestas& cabecera);
TCopiaReduccion GuardaReduccion2(const CabeceraApuestas& cabecera);
void RestauraReduccion(CabeceraApuestas& cabecera, const TCopiaReduccion& copia);

// ActualizaApuestas; on success slip 0 and the legend composed into `textos`.
bool CambioGlobalParaReducidas(TConjuntoApuestas& conjunto, std::string& error,
                               TTextosConjunto& textos);

enum class TResultadoEleccion {
    Hecha,        // the set holds the new system; `textos` tells what to show
    NoDisponible, // no ".RLV" for that n and kind: parameters restored, `error` says so
    Fallida,      // the load failed, the previous system is back: `error` holds the message
    Reiniciada,   // the load failed and the set was reset as "Nueva": `error` holds the message
};

// The reduction kind chosen in "Escoja el tipo de Reducción que desea": 1 al TRES, 2 al
// CUATRO, 3 al CINCO; any other value is ignored.
void EligeTipoReduccion(CabeceraApuestas& cabecera, std::uint8_t tipoReduccion);

// Step 1 of choosing the reduced kind: GuardaReduccion (the copy keeps the kind of
// reduction and the kind of set), Tipo = 3, no numbers. Cancelling either dialog then
// calls RestauraReduccion with the copy.
TCopiaReduccion EmpiezaEleccionReducida(CabeceraApuestas& cabecera);

// After both dialogs were accepted: the system is loaded as a new set (buffers freed,
// name "Sin Nombre", no file, both save commands off, slip 0). Without fixed numbers and
// without the ".RLV" the parameters are restored (NoDisponible). When the load fails the
// set is reset as "Nueva", its game with it (Reiniciada).
TResultadoEleccion TerminaEleccionReducida(TConjuntoApuestas& conjunto, TReducidas& motor,
                                           const TCopiaReduccion& copia, std::string& error,
                                           TTextosConjunto& textos);

// "Red&ucir" accepted with a new TipoReduccion (the previous one in `tipoAnterior`), and
// "&Números" accepted (the copy from GuardaReduccion2 before the dialog). When there is no
// system for the new parameters, or it cannot be loaded, the previous parameters come back
// and the previous system stays on screen.
TResultadoEleccion CambiaTipoReducida(TConjuntoApuestas& conjunto, TReducidas& motor,
                                      std::uint8_t tipoAnterior, std::string& error,
                                      TTextosConjunto& textos);
TResultadoEleccion CambiaNumerosReducida(TConjuntoApuestas& conjunto, TReducidas& motor,
                                         const TCopiaReduccion& copia, std::string& error,
                                         TTextosConjunto& textos);

// A ".RLF" the user picked ("Escoja una reducida creada previamente..." from the picture
// button of the numbers dialog, or "Abrir..." of the first notice before a generation)
// becomes the set: its ranks and header (AbreConFijo), a new reduced set with no name, no
// file, both save commands off, slip 0, no scrutiny and no draw, the legend composed. On
// failure nothing changes and `error` holds the message.
bool AbreReducidaElegida(TConjuntoApuestas& conjunto, TReducidas& motor,
                         const std::filesystem::path& fichero, std::string& error,
                         TTextosConjunto& textos);

// The numbers dialog "Escoja los números que desea reducir" working on the live header's
// flags: a first click chooses a number, a second makes it fixed, a third clears it.
class TNumerosReducida {
public:
    enum class Estado { Libre, Elegido, Fijo };

    explicit TNumerosReducida(CabeceraApuestas& cabecera) : c_(cabecera) {}

    Estado EstadoDe(int numero) const;
    void Pulsa(int numero);
    void BorraTodos(); // "Borrar todos": both flag arrays and both counts

    int Reducidos() const { return c_.TotalReducidos; }
    int Fijos() const { return c_.TotalFijos; }
    std::string ContadorReducidos() const
    {
        return "Total Reducidos:" + std::to_string(c_.TotalReducidos);
    }
    std::string ContadorFijos() const { return "Total Fijos:" + std::to_string(c_.TotalFijos); }
    // The two lines at the top of the dialog, and whether "Borrar todos" is enabled.
    std::string Titulo() const;
    std::string Subtitulo() const;
    bool BorrarTodosHabilitado() const { return c_.TotalFijos == 0; }

    // "OK" or Enter: at least 7 numbers and at most 3 fixed; then the lists are rebuilt.
    // Returns false with the message to show.
    bool Acepta(std::string& error);

private:
    CabeceraApuestas& c_;
};

// "&Números" changes the numbers of a reduced set; "Red&ucir" its kind, only while it has
// no fixed numbers.
bool PuedeCambiarNumeros(const TConjuntoApuestas& conjunto);
bool PuedeReducir(const TConjuntoApuestas& conjunto);

} // namespace numbrela
