#include "principal/qt/Conexiones.h"

#include <QAction>

#include "ayuda/qt/TVentanaAyuda.h"
#include "principal/qt/AccionesVentana.h"
#include "principal/qt/TVentanaPrincipal.h"
#include "printing/qt/TImpresora.h"
#include "printing/qt/TVentanaImpresion.h"

namespace numbrela {

void ConectaImpresion(ui::TVentanaPrincipal& ventana)
{
    auto* impresora = new TImpresora(&ventana);
    ui::TAccionesVentana& a = ventana.Acciones();
    QObject::connect(a.EstablecerImpresora, &QAction::triggered, impresora,
                     [impresora, &ventana] { impresora->Establece(&ventana); });
    QObject::connect(a.ImprimirBoletos, &QAction::triggered, impresora, [impresora, &ventana] {
        TVentanaImpresion(&ventana, ventana.Conjunto(), *impresora).exec();
    });
    a.EstablecerImpresora->setEnabled(true);
    a.ImprimirBoletos->setEnabled(true);
}

} // namespace numbrela

namespace numbrela::ui {

void ConectaAyuda(TVentanaPrincipal& ventana)
{
    QAction* ayuda = ventana.Acciones().AyudaEnLinea;
    QObject::connect(ayuda, &QAction::triggered, &ventana,
                     [&ventana] { TVentanaAyuda::Abre(&ventana); });
    ayuda->setEnabled(true);
}

} // namespace numbrela::ui
