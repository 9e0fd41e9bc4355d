#pragma once
// The main window's scrutiny and listing commands, each a whole flow of windows over the
// one bet set.
#include <functional>

#include "model/ConjuntoApuestas.h"

class QWidget;

namespace numbrela::ui {

class TVentanaPrincipal;

// EscrutarApuestas: the draw-entry window; on acceptance the draw is stored and the set
// scored, `refresca` redraws the main window (draw strip and hits), and the results
// window shows the tally. On cancel nothing changes. True when a scrutiny was made.
bool EscrutarApuestas(QWidget* padre, TConjuntoApuestas& conjunto,
                      const std::function<void()>& refresca);

// The listing window, modal; it reads the set and changes nothing.
void ListarApuestas(QWidget* padre, const TConjuntoApuestas& conjunto);

// Enables the main window's scrutiny and listing actions ("&Escrutar" and "&Listar" with
// their menu items, pop-up items and keys E and L) and connects them to these flows.
void ConectaEscrutinio(TVentanaPrincipal& ventana);

} // namespace numbrela::ui
