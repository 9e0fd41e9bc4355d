"""A small tray of current desktops for the flow scenarios: a StatusNotifierWatcher that
items register with, and a host registered with it, on the session bus it is started on
(run-wayland.sh starts it with SNI=1). It keeps the list of registered items and announces
them as the protocol says; scenarios read the items themselves over the bus.

Run until killed; says "ready" on standard output once it owns the watcher's name."""
import os
import sys

from gi.repository import Gio, GLib

WATCHER = "org.kde.StatusNotifierWatcher"
PATH = "/StatusNotifierWatcher"
INTERFACE = """
<node>
  <interface name="org.kde.StatusNotifierWatcher">
    <method name="RegisterStatusNotifierItem"><arg name="service" type="s" direction="in"/></method>
    <method name="RegisterStatusNotifierHost"><arg name="service" type="s" direction="in"/></method>
    <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
    <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
    <property name="ProtocolVersion" type="i" access="read"/>
    <signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
    <signal name="StatusNotifierItemUnregistered"><arg type="s"/></signal>
    <signal name="StatusNotifierHostRegistered"/>
    <signal name="StatusNotifierHostUnregistered"/>
  </interface>
</node>"""


class Watcher:
    def __init__(self, bus):
        self.bus = bus
        self.items = []  # "bus name/object path" of each registered item
        self.hosts = []
        self.watches = {}

    def call(self, conn, sender, path, iface, method, params, invocation):
        (service,) = params.unpack()
        if method == "RegisterStatusNotifierItem":
            # The argument is the item's bus name, or its object path on the caller's name.
            if service.startswith("/"):
                name, obj = sender, service
            else:
                name, obj = service, "/StatusNotifierItem"
            item = f"{name}{obj}"
            if item not in self.items:
                self.items.append(item)
                self.follow(name)
                self.emit("StatusNotifierItemRegistered", GLib.Variant("(s)", (item,)))
                print(f"item {item}", flush=True)
        elif method == "RegisterStatusNotifierHost":
            if service not in self.hosts:
                self.hosts.append(service)
                self.emit("StatusNotifierHostRegistered", None)
        invocation.return_value(None)

    def prop(self, conn, sender, path, iface, name):
        if name == "RegisteredStatusNotifierItems":
            return GLib.Variant("as", self.items)
        if name == "IsStatusNotifierHostRegistered":
            return GLib.Variant("b", bool(self.hosts))
        if name == "ProtocolVersion":
            return GLib.Variant("i", 0)
        return None

    def follow(self, name):
        """An item whose owner leaves the bus is unregistered."""
        if name in self.watches:
            return

        def vanished(conn, gone):
            for item in [i for i in self.items if i.startswith(gone + "/")]:
                self.items.remove(item)
                self.emit("StatusNotifierItemUnregistered", GLib.Variant("(s)", (item,)))
                print(f"gone {item}", flush=True)
            Gio.bus_unwatch_name(self.watches.pop(gone))
        self.watches[name] = Gio.bus_watch_name_on_connection(
            self.bus, name, Gio.BusNameWatcherFlags.NONE, None, vanished)

    def emit(self, signal, params):
        self.bus.emit_signal(None, PATH, WATCHER, signal, params)


def main():
    loop = GLib.MainLoop()
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    watcher = Watcher(bus)
    info = Gio.DBusNodeInfo.new_for_xml(INTERFACE).interfaces[0]
    bus.register_object(PATH, info, watcher.call, watcher.prop, None)
    host = f"org.kde.StatusNotifierHost-{os.getpid()}"

    def acquired(conn, name):
        if name == WATCHER:
            # The host of this tray registers with its own watcher, as a panel does.
            watcher.hosts.append(host)
            Gio.bus_own_name_on_connection(bus, host, Gio.BusNameOwnerFlags.NONE, None, None)
            print("ready", flush=True)

    def lost(conn, name):
        print(f"the name {name} is taken", file=sys.stderr, flush=True)
        loop.quit()
    Gio.bus_own_name_on_connection(bus, WATCHER, Gio.BusNameOwnerFlags.NONE, acquired, lost)
    loop.run()
    return 1


if __name__ == "__main__":
    sys.exit(main())
