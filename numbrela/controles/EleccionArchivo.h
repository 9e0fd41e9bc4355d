#pragma once
// The planner's file dialogs on screen, through TServicios so tests answer them.
#include <QString>

#include "files/DialogosArchivo.h"

class QWidget;

namespace numbrela::ui {

// The filter as Qt's file dialogs take it: "Archivos de apuestas (*.apu *.APU)".
QString FiltroQt(const TDialogoArchivo& dialogo);

// The chosen path, or empty when cancelled. Saving adds the dialog's extension to a name
// typed without one.
QString EligeArchivo(QWidget* padre, const TDialogoArchivo& dialogo);
QString EligeArchivoGrabar(QWidget* padre, const TDialogoArchivo& dialogo,
                           const QString& propuesto);

} // namespace numbrela::ui
