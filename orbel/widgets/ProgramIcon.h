#pragma once
// The program's icon, drawn by the program: a small clock face.
#include <QIcon>
#include <QPixmap>

namespace orbel {

// The picture at `side` x `side` pixels (the tray takes 16 x 16).
QPixmap ProgramIconPixmap(int side);
// Every size the desktop asks for.
QIcon ProgramIcon();

} // namespace orbel
