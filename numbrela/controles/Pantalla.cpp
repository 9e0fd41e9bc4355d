#include "controles/Pantalla.h"

#include <QByteArray>
#include <QtGlobal>

namespace numbrela::ui {

bool HayPantalla()
{
    const QByteArray plataforma = qgetenv("QT_QPA_PLATFORM");
    if (plataforma.startsWith("offscreen") || plataforma.startsWith("minimal") ||
        plataforma.startsWith("vnc"))
        return true;
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

std::string MensajeSinPantalla()
{
    return "No hay pantalla (ni DISPLAY ni WAYLAND_DISPLAY): las ventanas no pueden abrirse; "
           "\"numbrela --help\" muestra las acciones de línea de órdenes.";
}

} // namespace numbrela::ui
