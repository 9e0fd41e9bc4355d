#include "principal/qt/TVentanaImagen.h"

#include <QLabel>
#include <QPainter>

#include "controles/TDibujos.h"
#include "controles/TShapeButton.h"

namespace numbrela::ui {

TVentanaImagen::TVentanaImagen(QWidget* parent, Modo modo)
    : TDialogo(parent, " ", QString(),
               modo == Modo::Informacion ? QSize(500, 400) : QSize(480, 370))
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    Titulo()->hide();
    const char* nombre = modo == Modo::AcercaDe  ? "Sextina.Bmp"
                         : modo == Modo::Comprar ? "Comprar.Bmp"
                                                 : "informacion.bmp";
    imagen_ = TDibujos::Imagen(nombre);
    // In information mode the button sits 150 pixels further right and 10 higher.
    QPoint boton(204, 324);
    if (modo == Modo::Informacion)
        boton += QPoint(150, -10);
    BotonAceptar(boton);
}

void TVentanaImagen::paintEvent(QPaintEvent* e)
{
    TDialogo::paintEvent(e);
    if (!imagen_.isNull()) {
        QPainter p(this);
        p.drawImage(0, 0, imagen_);
    }
}

} // namespace numbrela::ui
