#pragma once
// What assistive technology sees of the planner's own controls: the shaped buttons and the
// panel buttons are push buttons named by their captions (or by their accessible name
// where the face is only a picture), with their enabled state and a press action.
#include <QString>

class QWidget;

namespace numbrela::ui {

// Installs the interfaces once; the controls' constructors call it.
void InstalaAccesibilidad();

// The name a caption gives: without the accelerator's "&" and a final "|".
QString NombreDeRotulo(const QString& rotulo);

// Tells assistive technology that the name of `control` changed.
void AvisaCambioDeNombre(QWidget* control);

} // namespace numbrela::ui
