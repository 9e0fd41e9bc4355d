#pragma once
// "Información sobre Numbrela® Profesional": the notice before a reduced system with
// fixed numbers is generated. Text set 1 shows one centred button (closing without
// acceptance) and "Abrir..."; text set 2 shows accept and cancel.
#include <functional>
#include <string>
#include <vector>

#include "controles/TDialogo.h"

class QPlainTextEdit;

namespace numbrela::ui {

class TDialogoInformacion : public TDialogo {
    Q_OBJECT
public:
    static constexpr int kAbierto = 3; // "Abrir..." opened a stored system

    // `abre` runs "Abrir..." and returns whether a system was opened.
    TDialogoInformacion(QWidget* parent, int conjuntoTextos, const std::vector<std::string>& lineas,
                        std::function<bool()> abre);
    QPlainTextEdit* Memo() const { return memo_; }

protected:
    void Intro() override;

private:
    int conjunto_;
    QPlainTextEdit* memo_;
};

} // namespace numbrela::ui
