#pragma once
// The jobs one run of slips hands to the system's print server (CUPS), so that "Abortar"
// can take back those the printer has not finished. Qt hands a job over only when its
// painter ends and keeps no handle on it, and QPrinter::abort() reaches only a job still
// being drawn (on Linux not even that); the server's own queue is where a job handed over
// can still be cancelled. Built without CUPS, nothing is noted and nothing is cancelled.
#include <QString>
#include <QStringList>

namespace numbrela {

class TTrabajosCola {
public:
    // Before the run's first job to the queue `cola`: the newest job of this user there,
    // so the run's jobs are told apart from any earlier ones.
    void Empieza(const QString& cola);
    // After each job: its title, as the queue shows it.
    void Anota(const QString& titulo);
    // Cancels every job of the run that the queue still holds (waiting, held or being
    // printed); returns how many it cancelled.
    int CancelaPendientes();

    bool Empezada() const { return empezada_; }

private:
    bool empezada_ = false;
    QString cola_;
    int anterior_ = 0; // the newest job id of this user in the queue before the run
    QStringList titulos_;
};

} // namespace numbrela
