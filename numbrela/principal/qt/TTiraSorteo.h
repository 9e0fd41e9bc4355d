#pragma once
// The draw strip of the main window (Panel23): a green panel of seven number boxes, six
// teal ones for the winning numbers and a navy one for the complementary number. It shows
// whenever the set holds a draw.
#include <QFrame>
#include <array>

#include "model/Apuestas.h"

namespace numbrela::ui {

class TPanel;

class TTiraSorteo : public QFrame {
    Q_OBJECT
public:
    explicit TTiraSorteo(QWidget* parent = nullptr);

    // Shows the seven numbers of `sorteo`, or hides the strip when it holds no draw.
    void Muestra(const TSorteo& sorteo);

private:
    std::array<TPanel*, 7> numeros_{};
};

} // namespace numbrela::ui
