#pragma once
// The about box of the shell's About command.
#include <QDialog>

namespace orbel {

// The about box ("About Orbel"): the icon, "Orbel v3.1", "World clock" and OK. One at a time.
QDialog* OpenAboutBox(QWidget* owner);

} // namespace orbel
