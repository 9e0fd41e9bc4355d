#include "printing/qt/TrabajosCola.h"

#include <algorithm>

#ifdef NUMBRELA_CUPS
#include <cups/cups.h>
#endif

namespace numbrela {

#ifdef NUMBRELA_CUPS
namespace {

// A queue's name as CUPS knows it: an instance ("cola/copia") prints on its queue.
QByteArray NombreCola(const QString& cola)
{
    return cola.section('/', 0, 0).toLocal8Bit();
}

} // namespace
#endif

void TTrabajosCola::Empieza(const QString& cola)
{
    empezada_ = true;
    cola_ = cola;
    anterior_ = 0;
    titulos_.clear();
#ifdef NUMBRELA_CUPS
    cups_job_t* trabajos = nullptr;
    const QByteArray nombre = NombreCola(cola);
    // A job that ended before the run can no longer be cancelled: the waiting ones
    // are enough to tell the run's jobs apart.
    const int n =
        cupsGetJobs2(CUPS_HTTP_DEFAULT, &trabajos, nombre.constData(), 1, CUPS_WHICHJOBS_ACTIVE);
    for (int i = 0; i < n; ++i)
        anterior_ = std::max(anterior_, trabajos[i].id);
    cupsFreeJobs(n, trabajos);
#endif
}

void TTrabajosCola::Anota(const QString& titulo)
{
    if (!titulos_.contains(titulo))
        titulos_ << titulo;
}

int TTrabajosCola::CancelaPendientes()
{
    int cancelados = 0;
    if (!empezada_)
        return cancelados;
#ifdef NUMBRELA_CUPS
    cups_job_t* trabajos = nullptr;
    const QByteArray nombre = NombreCola(cola_);
    const int n =
        cupsGetJobs2(CUPS_HTTP_DEFAULT, &trabajos, nombre.constData(), 1, CUPS_WHICHJOBS_ACTIVE);
    for (int i = 0; i < n; ++i) {
        const cups_job_t& t = trabajos[i];
        // Only this run's jobs: newer than the run's start and under one of its titles.
        if (t.id <= anterior_ || t.title == nullptr ||
            !titulos_.contains(QString::fromLocal8Bit(t.title)))
            continue;
        if (cupsCancelJob2(CUPS_HTTP_DEFAULT, nombre.constData(), t.id, 0) == IPP_STATUS_OK)
            ++cancelados;
    }
    cupsFreeJobs(n, trabajos);
#endif
    return cancelados;
}

} // namespace numbrela
