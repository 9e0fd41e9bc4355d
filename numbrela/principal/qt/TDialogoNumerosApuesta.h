#pragma once
// "Elección de Números": the 49 numbers of one bet. A click marks an unmarked number and
// unmarks a marked one, at once; marked numbers show red and bold. Accept closes with 1.
#include <QString>
#include <functional>

#include "controles/TDialogo.h"
#include "controles/TRejillaNumeros.h"

namespace numbrela::ui {

class TShapeButton;

class TDialogoNumerosApuesta : public TDialogo {
    Q_OBJECT
public:
    // `marcado` tells whether a number is marked; `alterna` marks or unmarks it and
    // returns the message when the set refuses (an empty text when it did it).
    TDialogoNumerosApuesta(QWidget* parent, long long numeroApuesta,
                           std::function<bool(int)> marcado, std::function<QString(int)> alterna);
    TShapeButton* Boton(int numero) const { return rejilla_->Boton(numero); }

private:
    void Pinta(int numero);
    std::function<bool(int)> marcado_;
    std::function<QString(int)> alterna_;
    TRejillaNumeros* rejilla_ = nullptr;
};

} // namespace numbrela::ui
