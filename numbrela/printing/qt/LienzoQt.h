#pragma once
// The printing engine: draws the slips' jobs on any Qt paint device, a printer, a PDF or
// an image, in the device's own units.
#include <QPaintDevice>
#include <QPainter>
#include <atomic>
#include <memory>

#include "printing/HojaBoleto.h"
#include "printing/qt/TrabajosCola.h"

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

    // "Abortar", from any thread: the job being drawn is cancelled at the printer
    // (QPrinter::abort) before it is handed over, and no later job starts.
    void Aborta() { abortado_ = true; }
    bool Abortado() const { return abortado_; }
    // After "Abortar", on the thread that prints: cancels at the print server's queue every
    // job of this canvas the printer has not finished; returns how many it cancelled.
    int CancelaPendientes() { return cola_.CancelaPendientes(); }
    // Ends the document of PaginaPorBoleto; returns false when the device failed.
    bool Termina();

    // Draws one job's boxes, outline and texts with a painter already begun.
    static void Dibuja(QPainter& pintor, const THojaBoleto& hoja);

private:
    QPaintDevice& dispositivo_;
    Modo modo_;
    std::unique_ptr<QPainter> documento_; // PaginaPorBoleto, once the first page began
    std::atomic<bool> abortado_{false};
    TTrabajosCola cola_; // the jobs handed to the system's print server
};

} // namespace numbrela
