#pragma once
// The listing window's table: sixteen bets to a page with their numbers and, after a
// scrutiny, their prize; a multiple bet shows its numbers and the tally.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/ConjuntoApuestas.h"

namespace numbrela {

using TFilaListado = std::array<std::string, 8>;

class ListadoApuestas {
public:
    static constexpr int kFilasPorPagina = 16;
    static const TFilaListado kCabecera;            // "Apuesta", "N1".."N6", "Premio Escrutado"
    static const std::array<int, 8> kAnchoColumnas; // pixels
    static constexpr int kAltoFila = 20;

    // Reads the set; the listing changes nothing. Shows the first page.
    explicit ListadoApuestas(const TConjuntoApuestas& conjunto);

    // ActualizaGrid: the page starting at bet `primera` (from 1).
    void ActualizaGrid(std::int64_t primera);
    void PrimeraPagina();
    void PaginaAnterior();
    void PaginaSiguiente();
    void UltimaPagina();

    std::int64_t PrimeraFila() const { return primeraFila_; }
    // Bets the listing pages through: the simple bets, the reduced combinations, or the
    // one multiple bet.
    std::int64_t NumeroApuestas() const { return total_; }
    // Rows of the table below the header row; the table has Filas().size() + 1 rows.
    const std::vector<TFilaListado>& Filas() const { return filas_; }

    // The progress panel shown while the printed document is built.
    static constexpr const char* kTextoGenerando = "Generando Documento.  Por favor espere...";
    static constexpr const char* kTextoIntroduciendo = "Introduciendo apuesta número:";

private:
    TFilaListado FilaApuesta(std::int64_t numero) const;
    void LlenaMultiple();

    const TConjuntoApuestas& conjunto_;
    std::int64_t total_ = 0;
    std::int64_t primeraFila_ = 1;
    std::vector<TFilaListado> filas_;
};

} // namespace numbrela
