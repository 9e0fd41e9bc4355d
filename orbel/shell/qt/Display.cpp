#include "shell/qt/Display.h"

#include <QByteArray>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QGuiApplication>
#include <QtGlobal>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "zones/StringTable.h"
#include "zones/Translation.h"

namespace orbel {
namespace {

// The socket of the Wayland compositor the environment names: WAYLAND_DISPLAY when it is a
// full path, else that name in XDG_RUNTIME_DIR; empty when none is named.
std::string WaylandSocket()
{
    const QByteArray name = qgetenv("WAYLAND_DISPLAY");
    if (name.isEmpty())
        return {};
    if (name.startsWith('/'))
        return name.toStdString();
    return qgetenv("XDG_RUNTIME_DIR").toStdString() + "/" + name.toStdString();
}

// Whether a compositor accepts a connection on the socket (Qt aborts when it does not).
bool CompositorAnswers(const std::string& path)
{
    sockaddr_un address{};
    if (path.empty() || path.size() >= sizeof(address.sun_path))
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.data(), path.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool answers =
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    ::close(fd);
    return answers;
}

bool WaylandUsable()
{
    // A compositor that started the program hands it a connected socket instead.
    return !qEnvironmentVariableIsEmpty("WAYLAND_SOCKET") || CompositorAnswers(WaylandSocket());
}

} // namespace

bool HasDisplay()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.startsWith("offscreen") || platform.startsWith("minimal") ||
        platform.startsWith("vnc"))
        return true;
    // Wayland alone, with no other platform to fall back on.
    if (platform.startsWith("wayland") && !platform.contains(';'))
        return WaylandUsable();
    return !qEnvironmentVariableIsEmpty("DISPLAY") || WaylandUsable();
}

bool CompositorPlacesWindows()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

bool TrayWatcherOnSessionBus()
{
    QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    return bus && bus->isServiceRegistered(QStringLiteral("org.kde.StatusNotifierWatcher"));
}

void EndNowOnWayland(int status)
{
    if (!CompositorPlacesWindows())
        return;
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    std::_Exit(status);
}

std::string NoDisplayMessage()
{
    const std::string socket = WaylandSocket();
    const std::string which =
        socket.empty()
            ? Tr("Display", "neither DISPLAY nor WAYLAND_DISPLAY is set")
            : FormatMessage(Tr("Display", "no Wayland compositor answers at %1"), {socket});
    return FormatMessage(Tr("Display", "No display was found (%1), so the clock window cannot "
                                       "open; \"orbel --help\" lists the command-line actions."),
                         {which});
}

} // namespace orbel
