#include "shell/qt/Display.h"

#include <QByteArray>
#include <QtGlobal>

#include "zones/Translation.h"

namespace orbel {

bool HasDisplay()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.startsWith("offscreen") || platform.startsWith("minimal") ||
        platform.startsWith("vnc"))
        return true;
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

std::string NoDisplayMessage()
{
    return Tr("Display", "No display was found (neither DISPLAY nor WAYLAND_DISPLAY is set), so "
                         "the clock window cannot open; \"orbel --help\" lists the command-line "
                         "actions.");
}

} // namespace orbel
