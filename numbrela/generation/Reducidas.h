#pragma once
// The reduced-systems engine of the bet set: it knows the folder of the reduction files,
// keeps the unranking tables of the last n, and loads a system into the set's buffers.
#include <filesystem>
#include <functional>
#include <string>

#include "generation/FicheroReduccion.h"
#include "generation/TablaRangos.h"
#include "model/ConjuntoApuestas.h"
#include "model/MotorReducidas.h"

namespace numbrela {

class TReducidas : public TMotorReducidas {
public:
    // `carpeta` holds the delivered ".RLV" files and the generated ".RLF" files.
    explicit TReducidas(std::filesystem::path carpeta);

    const std::filesystem::path& Carpeta() const { return carpeta_; }
    const TablaRangos& Tabla() const { return tabla_; }

    // Calcular for the set's n, then AveriguaEnDisco.
    bool PrimitivaReducida(TConjuntoApuestas& conjunto, std::string& error) override;
    void Calcular(int n) override { tabla_.Calcular(n); }
    void TomarCombinacion(std::uint32_t rango, std::uint8_t posiciones[6]) const override
    {
        tabla_.TomarCombinacion(rango, posiciones);
    }

    // Loads the system for the set's n, kind and fixed numbers into BufferRangos and a
    // zeroed AciertosReducida, sets TotalApuestas and expands the first slip. A ".RLF"
    // also replaces the live header by its trailing one. When that ".RLF" does not exist,
    // SinFicheroConFijos decides (it may open another file or generate this one); without
    // it the load fails. On any failure the set's buffers and header are left as they were.
    //
    // A ".RLF" is named after n, the kind and the fixed numbers only, but its ranks are
    // positions among the numbers chosen when it was generated. When the stored header
    // chose other numbers, its ranks still serve if the fixed numbers hold the same places
    // among the chosen ones (the search depends on nothing else): then the ranks are
    // loaded and the player's numbers kept. Otherwise the file is for another choice and
    // is treated as missing, so the system is made for the numbers actually chosen.
    bool AveriguaEnDisco(TConjuntoApuestas& conjunto, std::string& error);

    // Whether the ".RLV" for the header's n and kind exists.
    bool AveriguaEnDisco2(const CabeceraApuestas& cabecera) const;

    // Loads a ".RLF" as the current system: its ranks, its trailing header in place of the
    // live one (the game being played is kept), the tables for the header's n, and the
    // first slip. Used for a file just generated (AbreConFijo) and for one the user picks.
    // When the file's name has the form COMn-k-f.RLF it must agree with the header.
    bool AbreConFijo(TConjuntoApuestas& conjunto, const std::filesystem::path& fichero,
                     std::string& error);

    // The dialogue that takes over when the ".RLF" for the set's parameters is missing:
    // returns whether the set now holds a system (opened or generated).
    std::function<bool(TConjuntoApuestas& conjunto, std::string& error)> SinFicheroConFijos;

    // Path of the reduction file for the header's parameters (".RLV" without fixed numbers,
    // ".RLF" with them); empty when n or the kind is out of range.
    std::filesystem::path FicheroPara(const CabeceraApuestas& cabecera) const;

private:
    // Reads and checks a ".RLF" (header against itself and against a COMn-k-f name).
    bool LeeConFijo(const std::filesystem::path& fichero, TReduccionLeida& leida,
                    std::string& error) const;
    // Puts a read ".RLF" into the set with its header.
    void InstalaConFijo(TConjuntoApuestas& conjunto, TReduccionLeida&& leida);

    std::filesystem::path carpeta_;
    TablaRangos tabla_;
};

// The message for a missing ".RLV": the delivered files do not include that system.
std::string MensajeSinReduccion(int n, int tipoReduccion);

} // namespace numbrela
