#pragma once
// The slip panel of the main window: the title bar in the game's colour with the game and
// the multiple banner, the slip picture with the crosses of the slip on screen, the eight
// bet buttons and the eight hit panels under them.
#include <QFrame>
#include <QImage>
#include <array>

#include "model/ConjuntoApuestas.h"

namespace numbrela::ui {

class TPanel;
class TMiBoton;
class TImagenBoleto;

class TPanelBoleto : public QFrame {
    Q_OBJECT
public:
    static constexpr int kAncho = 749;

    explicit TPanelBoleto(QWidget* parent = nullptr);

    // The bet buttons of the slip on screen and the game in the title bar.
    void MuestraApuestas(const TConjuntoApuestas& conjunto);
    // The crosses and the hit captions of the slip on screen (for a reduced set its bet
    // objects must hold that slip).
    void MuestraCruces(const TConjuntoApuestas& conjunto);
    // The multiple banner; an empty text hides it.
    void MuestraBanner(const QString& texto);

    // The slip picture with the crosses of the slip on screen.
    const QImage& CopiaDeTrabajo() const { return trabajo_; }

signals:
    // A bet button or a left or middle click on the picture chose column 0..7 (-1 left of
    // the picture).
    void ColumnaElegida(int columna);
    // The title bar or the game panel was clicked.
    void JuegoPulsado();

private:
    QImage limpio_;  // the clean slip
    QImage trabajo_; // the working copy the crosses are drawn on
    TPanel* titulo_ = nullptr;
    TPanel* juego_ = nullptr;
    TPanel* banner_ = nullptr;
    TImagenBoleto* imagen_ = nullptr;
    std::array<TMiBoton*, kApuestasPorBoleto> botones_{};
    std::array<TPanel*, kApuestasPorBoleto> aciertos_{};
};

} // namespace numbrela::ui
