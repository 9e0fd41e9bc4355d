#pragma once
// The borderless picture window: about ("Sextina.Bmp"), ordering ("Comprar.Bmp") or
// information ("informacion.bmp", 500 x 400). One button and Enter close it with 1.
#include "controles/TDialogo.h"

namespace numbrela::ui {

class TVentanaImagen : public TDialogo {
    Q_OBJECT
public:
    enum class Modo { AcercaDe, Comprar, Informacion };
    TVentanaImagen(QWidget* parent, Modo modo);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QImage imagen_;
};

} // namespace numbrela::ui
