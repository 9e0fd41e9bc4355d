#pragma once
// One print job as the printing engine draws it: black boxes, texts and, for the
// calibration, an outline, all in device units of the printer.
#include <optional>
#include <string>
#include <vector>

#include "printing/GeometriaImpresion.h"

namespace numbrela {

struct TTextoHoja {
    TPunto Posicion; // top-left corner of the text
    std::string Texto;
};

struct TMarcoHoja {
    TPunto Desde;
    TPunto Hasta;
};

struct THojaBoleto {
    std::string Titulo; // the print job's title; empty: none set
    int Boleto = 0;     // slip index (0-based); -1 for the calibration
    int GrosorPluma = kGrosorPluma;
    int PuntosLetra = kPuntosLetraCabecera;
    std::vector<TTextoHoja> Textos;
    std::vector<TPunto> Marcas;      // top-left corners of 30 x 18 black boxes
    std::optional<TMarcoHoja> Marco; // the calibration outline
};

// Where the jobs go: a printer, a PDF or an image. Returns false when the job could not
// be completed or was cancelled at the printer ("Abortar"); printing then stops.
class TLienzoBoleto {
public:
    virtual ~TLienzoBoleto() = default;
    virtual bool Imprime(const THojaBoleto& hoja) = 0;
};

} // namespace numbrela
