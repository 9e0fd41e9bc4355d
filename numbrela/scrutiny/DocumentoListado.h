#pragma once
// The printed listing of a bet set: the lines of the document the print preview shows and
// prints, each with its style.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/ConjuntoApuestas.h"

namespace numbrela {

inline constexpr const char* kNombrePrograma = "Numbrela Pro 1.36";

enum class EstiloLinea {
    Titulo,  // the text area's own font, 27 pixels high
    Cursiva, // 9-point italic
    Apuesta, // 8-point "Courier New", upright, left-aligned
};

struct TLineaDocumento {
    std::string Texto;
    EstiloLinea Estilo = EstiloLinea::Cursiva;
};

// The kind of document, chosen from the set's kind: any kind but simple and multiple is
// listed as a reduced system.
enum class ClaseDocumento { Simples, Multiple, Reducida };

class DocumentoListado {
public:
    // After each 50th bet (50, 100, 150 ...) with the bet's number.
    using Progreso = std::function<void(std::int64_t)>;

    static ClaseDocumento Clase(const TConjuntoApuestas& conjunto);

    // Every line in order: program and version, name, legend, the chosen numbers of a
    // reduced system, the draw and the tally after a scrutiny, two empty lines, then the
    // bets.
    static std::vector<TLineaDocumento> Construye(const TConjuntoApuestas& conjunto,
                                                  ClaseDocumento clase,
                                                  const Progreso& progreso = {});

    // The print job's title: the set's name.
    static std::string TituloTrabajo(const TConjuntoApuestas& conjunto);

    static constexpr const char* kTituloVentana = "Formulario de Previsualización de impresión ";
};

} // namespace numbrela
