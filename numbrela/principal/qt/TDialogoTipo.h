#pragma once
// The kind choice: simple 3, multiple 4, reduced 5; the fourth button and Enter close with
// 6, no choice.
#include "controles/TDialogo.h"

namespace numbrela::ui {

class TDialogoTipo : public TDialogo {
    Q_OBJECT
public:
    static constexpr int kSimple = 3;
    static constexpr int kMultiple = 4;
    static constexpr int kReducida = 5;
    static constexpr int kNinguno = 6;

    explicit TDialogoTipo(QWidget* parent);

protected:
    void Intro() override { done(kNinguno); }
    int CodigoSinEleccion() const override { return kNinguno; }
};

} // namespace numbrela::ui
