"""The tray of current desktops (StatusNotifierItem over the session bus, run-wayland.sh with
SNI=1): the world clock registers its item with the watcher; the item shows the clock face
as its icon, the tip and the command menu of the notification area (read through the menu
protocol); activating the item hides the clock window and, hidden, shows it again, the
menu's first item following; Convert from the item's menu opens its window; Close from it
ends the program with status 0; nothing was printed on standard error."""
from gi.repository import Gio, GLib

import flowkit_wayland as fw
import orbelflow as of
from flowkit import expect, step

CLOCKS = "Clocks"
WATCHER = ("org.kde.StatusNotifierWatcher", "/StatusNotifierWatcher",
           "org.kde.StatusNotifierWatcher")
ITEM = "org.kde.StatusNotifierItem"
MENU = "com.canonical.dbusmenu"
# The command menu as the menu protocol carries it: "_" marks the access key ("&" in the
# program's own texts), the key after the tab.
LABELS = ["Hid_e\tV", "-", "Co_nvert...\tN", "_Time in Zone...\tT", "_Plan...\tP", "-",
          "_Options...\tO", "_Day and Night\tD", "-",
          "_Help\tF1", "_About Orbel...", "-", "_Close\tAlt+F4"]
TIP = "Quillon Software Orbel - World clock"


class Bus:
    def __init__(self):
        self.bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)

    def call(self, name, path, iface, method, args=None):
        r = self.bus.call_sync(name, path, iface, method, args, None, Gio.DBusCallFlags.NONE,
                               5000, None)
        return r.unpack() if r is not None else ()

    def get(self, name, path, iface, prop):
        return self.call(name, path, "org.freedesktop.DBus.Properties", "Get",
                         GLib.Variant("(ss)", (iface, prop)))[0]

    def pid(self, name):
        return self.call("org.freedesktop.DBus", "/org/freedesktop/DBus",
                         "org.freedesktop.DBus", "GetConnectionUnixProcessID",
                         GLib.Variant("(s)", (name,)))[0]


def registered_item(bus, app):
    """The item the program registered with the watcher: (bus name, object path)."""
    def found():
        for item in bus.get(*WATCHER, "RegisteredStatusNotifierItems"):
            name, path = item.split("/", 1)
            if bus.pid(name) == app.proc.pid:
                return name, "/" + path
        return None
    return app.until(found, 5, "the program's item registered with the watcher")


def menu_labels(bus, name, menu):
    """The labels of the menu's items in order, "-" for a separator."""
    _, (_, _, children) = bus.call(name, menu, MENU, "GetLayout",
                                   GLib.Variant("(iias)", (0, -1, [])))
    out = []
    for item_id, props, _ in children:
        if props.get("visible", True):
            out.append("-" if props.get("type") == "separator" else props.get("label"))
    return out, {props.get("label"): item_id for item_id, props, _ in children}


def pixel(image, x, y):
    """(alpha, red, green, blue) of a pixel of an icon image (ARGB, network byte order)."""
    w, _, data = image
    i = (y * w + x) * 4
    return tuple(data[i:i + 4])


def check_icon(images):
    """A 16 x 16 clock face: a white face in a blue ring on a transparent ground."""
    small = [im for im in images if im[0] == 16 and im[1] == 16]
    expect(small, f"no 16 x 16 image among {[(w, h) for w, h, _ in images]}")
    im = small[0]
    a, r, g, b = pixel(im, 0, 0)
    expect(a == 0, f"the corner is not transparent: {(a, r, g, b)}")
    a, r, g, b = pixel(im, 8, 1)  # the ring at twelve o'clock
    expect(a > 128 and b > r + 60 and b > g, f"the ring at the top is not blue: {(a, r, g, b)}")
    a, r, g, b = pixel(im, 5, 11)  # the face at about eight o'clock, clear of the hands
    expect(a == 255 and min(r, g, b) > 200, f"the face is not white: {(a, r, g, b)}")


def shown(app):
    return CLOCKS in app.titles()


def scenario(app):
    bus = Bus()
    app.start()
    app.wait_window(CLOCKS)
    name, path = registered_item(bus, app)
    step(f"the item {name}{path}")
    props = bus.call(name, path, "org.freedesktop.DBus.Properties", "GetAll",
                     GLib.Variant("(s)", (ITEM,)))[0]
    expect(props["Status"] == "Active", f"the item's status is {props['Status']!r}")
    expect(props["ToolTip"][2] == TIP, f"the tip reads {props['ToolTip'][2]!r}")
    check_icon(props["IconPixmap"])
    menu = props["Menu"]
    labels, ids = menu_labels(bus, name, menu)
    expect(labels == LABELS, f"the item's menu reads {labels}")

    step("Activate: the clock window hides, the menu offers Show")
    bus.call(name, path, ITEM, "Activate", GLib.Variant("(ii)", (0, 0)))
    app.until(lambda: not shown(app), 5, "the clock window hidden")
    app.until(lambda: menu_labels(bus, name, menu)[0][0] == "Sho_w\tV", 3,
              "the menu's first item reading Show")
    step("Activate again: shown, and active")
    bus.call(name, path, ITEM, "Activate", GLib.Variant("(ii)", (0, 0)))
    app.wait_window(CLOCKS)
    app.until(lambda: menu_labels(bus, name, menu)[0][0] == "Hid_e\tV", 3,
              "the menu's first item reading Hide")

    step("Convert from the item's menu")
    event = GLib.Variant("(isvu)", (ids["Co_nvert...\tN"], "clicked", GLib.Variant("i", 0), 0))
    bus.call(name, menu, MENU, "Event", event)
    app.wait_window(of.CONVERT)
    app.key("Escape")
    app.wait_gone(of.CONVERT)

    step("Close from the item's menu")
    event = GLib.Variant("(isvu)", (ids["_Close\tAlt+F4"], "clicked", GLib.Variant("i", 0), 0))
    bus.call(name, menu, MENU, "Event", event)
    app.wait_exit(status=0)
    app.until(lambda: not any(i.startswith(name + "/")
                              for i in bus.get(*WATCHER, "RegisteredStatusNotifierItems")),
              3, "the item gone from the watcher")
    expect(app.stderr_text() == "", f"standard error: {app.stderr_text()!r}")


fw.run(scenario, **of.app_options())
