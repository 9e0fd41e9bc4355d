#pragma once
// "Atención !!!": asks whether to leave the planner. Yes 1, no 2; Enter is yes.
#include "controles/TDialogo.h"

namespace numbrela::ui {

class TDialogoSalir : public TDialogo {
    Q_OBJECT
public:
    explicit TDialogoSalir(QWidget* parent);
};

} // namespace numbrela::ui
