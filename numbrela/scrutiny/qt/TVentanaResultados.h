#pragma once
// "Resultados del escrutinio": the winning bets by prize category, top to bottom six hits,
// five and the complementary, five, four, three. One button closes it, as Enter does.
#include <array>

#include "controles/TDialogo.h"
#include "scrutiny/Escrutinio.h"

class QLabel;

namespace numbrela::ui {

class TVentanaResultados : public TDialogo {
    Q_OBJECT
public:
    TVentanaResultados(QWidget* parent, const TEscrutinio& escrutinio);
    QString Linea(int i) const;

private:
    std::array<QLabel*, 5> lineas_{};
};

} // namespace numbrela::ui
