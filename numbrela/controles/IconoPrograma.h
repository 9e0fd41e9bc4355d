#pragma once
// The planner's icon, drawn by the program: a betting slip with crossed boxes and a drawn
// ball. The same picture as the scalable icon installed for the desktop.
#include <QIcon>
#include <QImage>

namespace numbrela::ui {

// The picture at `lado` x `lado` pixels; below 32 pixels the empty boxes and the ball's
// number are left out, which would only blur.
QImage ImagenIcono(int lado);
// Every size the desktop asks for.
QIcon IconoPrograma();

} // namespace numbrela::ui
