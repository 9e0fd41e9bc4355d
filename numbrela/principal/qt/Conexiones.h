#pragma once
// The glue that attaches the printing and the help to the main window: each function
// connects the main window's actions to the feature's windows and enables them.
namespace numbrela::ui {
class TVentanaPrincipal;
}

namespace numbrela {

// Connects "&Establecer impresora..." and every entry of the slip-printing window
// ("&Imprimir" button, "&Imprimir...", "&Cuadrar Boleto ...", "&Imprimir boletos...",
// key I) to the main window and enables them.
void ConectaImpresion(ui::TVentanaPrincipal& ventana);

} // namespace numbrela

namespace numbrela::ui {

// Connects "&Ayuda en línea...", "A&yuda en línea" and F1 to the help at its contents and
// enables them.
void ConectaAyuda(TVentanaPrincipal& ventana);

} // namespace numbrela::ui
