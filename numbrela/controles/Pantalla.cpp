#include "controles/Pantalla.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QtGlobal>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>

namespace numbrela::ui {
namespace {

// The socket of the Wayland compositor the environment names: WAYLAND_DISPLAY when it is a
// full path, else that name in XDG_RUNTIME_DIR; empty when none is named.
std::string SocketWayland()
{
    const QByteArray nombre = qgetenv("WAYLAND_DISPLAY");
    if (nombre.isEmpty())
        return {};
    if (nombre.startsWith('/'))
        return nombre.toStdString();
    return qgetenv("XDG_RUNTIME_DIR").toStdString() + "/" + nombre.toStdString();
}

// Whether a compositor accepts a connection on the socket (Qt aborts when it does not).
bool CompositorResponde(const std::string& ruta)
{
    sockaddr_un direccion{};
    if (ruta.empty() || ruta.size() >= sizeof(direccion.sun_path))
        return false;
    direccion.sun_family = AF_UNIX;
    std::memcpy(direccion.sun_path, ruta.data(), ruta.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool responde =
        ::connect(fd, reinterpret_cast<const sockaddr*>(&direccion), sizeof(direccion)) == 0;
    ::close(fd);
    return responde;
}

bool WaylandUtilizable()
{
    // A compositor that started the program hands it a connected socket instead.
    return !qEnvironmentVariableIsEmpty("WAYLAND_SOCKET") || CompositorResponde(SocketWayland());
}

} // namespace

bool HayPantalla()
{
    const QByteArray plataforma = qgetenv("QT_QPA_PLATFORM");
    if (plataforma.startsWith("offscreen") || plataforma.startsWith("minimal") ||
        plataforma.startsWith("vnc"))
        return true;
    // Wayland alone, with no other platform to fall back on.
    if (plataforma.startsWith("wayland") && !plataforma.contains(';'))
        return WaylandUtilizable();
    return !qEnvironmentVariableIsEmpty("DISPLAY") || WaylandUtilizable();
}

void TerminaYaEnWayland(int estado)
{
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return;
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    std::_Exit(estado);
}

std::string MensajeSinPantalla()
{
    const std::string socket = SocketWayland();
    const std::string causa = socket.empty() ? "ni DISPLAY ni WAYLAND_DISPLAY"
                                             : "ningún compositor Wayland responde en " + socket;
    return "No hay pantalla (" + causa +
           "): las ventanas no pueden abrirse; \"numbrela --help\" muestra las acciones de "
           "línea de órdenes.";
}

} // namespace numbrela::ui
