"""flowkit_tray: the program's icon in the tray host that run-flow.sh starts with TRAY=1.

    import flowkit, flowkit_tray

    def scenario(app):
        app.start()
        icon = flowkit_tray.icon(app)          # (x, y, width, height) on the screen
        flowkit_tray.click(app, icon, 3)       # the right button: the icon's menu
        app.key("c")                           # an item, by its underlined letter

The icon is the window of the program's process that the tray host (trayer) has taken in;
its place is read once the host has stopped moving it.
"""
import time

import flowkit


def _pid_of(app, w):
    p = app._prop(w, "_NET_WM_PID")
    return int(p[0]) if p is not None else None


def _is_tray_host(app, w):
    try:
        cls = w.get_wm_class()
    except Exception:
        return False
    return bool(cls) and "trayer" in cls


def _embedded(app):
    """The program's icon windows inside the tray host, as (x, y, width, height)."""
    out = []
    pid = app.proc.pid if app.proc else None

    def walk(w, in_host, depth):
        if depth > 8:
            return
        for c in flowkit._children(w):
            host = in_host or _is_tray_host(app, c)
            if host and _pid_of(app, c) == pid:
                try:
                    g = c.get_geometry()
                    t = c.translate_coords(app.root, 0, 0)
                    if c.get_attributes().map_state == app._X.IsViewable:
                        out.append((-t.x, -t.y, g.width, g.height))
                except Exception:
                    pass
                continue
            walk(c, host, depth + 1)
    walk(app.root, False, 0)
    return out


def icon(app, timeout=flowkit.TIMEOUT):
    """Where the tray host shows the program's icon, once two readings 0.2 s apart agree and
    it lies on the screen."""
    screen = app.root.get_geometry()
    last = [None]

    def settled():
        found = _embedded(app)
        now = found[0] if found else None
        ok = (now is not None and now == last[0] and now[2] > 0 and now[3] > 0 and
              now[0] >= 0 and now[1] >= 0 and now[0] + now[2] <= screen.width and
              now[1] + now[3] <= screen.height)
        last[0] = now
        if not ok:
            time.sleep(0.15)
        return now if ok else None
    return app.until(settled, timeout, "the program's icon in the tray host")


def present(app):
    """Whether the program has an icon in the tray host now."""
    return bool(_embedded(app))


def click(app, where, button=1, repeat=1):
    """Clicks the icon (a place from icon()) at its centre: button 3 opens its menu, two
    clicks of button 1 with repeat=2."""
    x, y, w, h = where
    flowkit._xdotool("mousemove", str(x + w // 2), str(y + h // 2), "click", "--repeat",
                     str(repeat), "--delay", "80", str(button))
