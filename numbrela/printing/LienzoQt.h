#pragma once
// The printing engine: draws the slips' jobs on any Qt paint device, a printer, a PDF or
// an image, in the device's own units.
#include <QPaintDevice>
#include <QPainter>
#include <memory>

#include "printing/HojaBoleto.h"

namespace numbrela {

class TLienzoQt : public TLienzoBoleto {
public:
    enum class Modo {
        TrabajoPorBoleto, // a printer: every slip is its own print job, under its title
        PaginaPorBoleto,  // one document (a PDF): every slip is a page of it
    };

    TLienzoQt(QPaintDevice& dispositivo, Modo modo);
    ~TLienzoQt() override;

    bool Imprime(const THojaBoleto& hoja) override;

    // "Abortar": cancels the running job at the printer; later jobs are refused.
    void Aborta();
    // Ends the document of PaginaPorBoleto; returns false when the device failed.
    bool Termina();

    // Draws one job's boxes, outline and texts with a painter already begun.
    static void Dibuja(QPainter& pintor, const THojaBoleto& hoja);

private:
    QPaintDevice& dispositivo_;
    Modo modo_;
    std::unique_ptr<QPainter> documento_; // PaginaPorBoleto, once the first page began
    bool abortado_ = false;
};

} // namespace numbrela
