"""flowkit_wayland: flowkit's App for a program on Wayland (scripts/flows/run-wayland.sh).

    import flowkit, flowkit_wayland

    def scenario(app):                       # app: a WaylandApp
        before = app.screen()
        app.start()
        app.wait_window("Clocks")            # shown and active
        box = flowkit_wayland.changed(before, app.screen())   # where it is on the screen
        app.key("t")                         # keys go to the active window, as on X

On Wayland no client sees another's windows: the program's windows, their titles and which
one is active are read from its accessibility tree; keys and the pointer reach weston's seat
through the X server weston draws into; where a window lies is read from weston's picture
(what changed between two readings); what reached weston is read from its protocol log.

- screen(), settled_screen(), changed(before, after): weston's picture and what changed.
- point(x, y): the pointer exactly there; press(key): a key held as a hand holds it.
- popup(app, client_of, key): a key that opens a menu, the menu standing (Qt's menus are not
  in the accessibility tree: they are told from weston's log).
- requests(pattern, client_of), has_keyboard(app_id): what weston's log holds.
"""
import os
import re
import subprocess
import time

import flowkit
from flowkit import Failure


class WaylandApp(flowkit.App):
    def __init__(self, program, args=(), **options):
        super().__init__(program, args, **options)
        # The program speaks Wayland only: no X display to fall back on.
        self.env["QT_QPA_PLATFORM"] = "wayland"
        self.env.pop("DISPLAY", None)
        self.env.pop("XAUTHORITY", None)
        self.env.update(options.get("env") or {})

    def windows(self, popups=False):
        """The program's showing windows as its accessibility tree names them (a window's
        accessible name, else its title), oldest first; with popups=True the menus the tree
        shows (none of Qt's: see popup())."""
        import pyatspi
        out = []
        try:
            # Every window is a top-level node of the tree here, dialogs and message boxes
            # too: the tree is read no deeper, a read being a call over the bus.
            found = [(w.getRoleName(), w.name, w) for w in self.a11y_app(timeout=2)
                     if w is not None]
        except Failure:
            return []
        for role, name, node in found:
            try:
                if (role in ("popup menu", "menu")) != popups:
                    continue
                s = node.getState()
                if s.contains(pyatspi.STATE_SHOWING) and s.contains(pyatspi.STATE_VISIBLE):
                    out.append(flowkit.Window(node, name, (0, 0, 0, 0)))
            except Exception:
                continue
        return out

    def _menus(self):
        return self.popups()

    def focused(self):
        """The name of the program's active window, or None."""
        import pyatspi
        for w in reversed(self.windows()):
            try:
                if w.id.getState().contains(pyatspi.STATE_ACTIVE):
                    return w.title
            except Exception:
                continue
        return None

    def focus_somewhere(self):
        """No client can give another the focus on Wayland: this waits a moment for the
        compositor to give it, as it does to a new window and back when one closes."""
        if self.proc is None or self.focused() is not None or not self.windows():
            return
        end = time.monotonic() + 1.0
        while time.monotonic() < end and self.focused() is None:
            time.sleep(0.05)

    def activate(self, title):
        raise Failure(f"a scenario cannot activate {title!r} on Wayland: the compositor does")

    def screen(self):
        """weston's picture now: (width, height, rows of BGRX bytes)."""
        from Xlib import X
        w, h = OUTPUT
        data = self.root.get_image(0, 0, w, h, X.ZPixmap, 0xffffffff).data
        stride = len(data) // h
        return w, h, [data[y * stride:y * stride + w * 4] for y in range(h)]

    def settled_screen(self, timeout=10):
        """weston's picture once two readings 0.2 s apart agree (the desktop drawn)."""
        last = [None]

        def same():
            now = self.screen()
            if last[0] is not None and changed(last[0], now) is None:
                return now
            last[0] = now
            time.sleep(0.2)
            return None
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            now = same()
            if now:
                return now
        raise Failure(f"weston's picture did not settle within {timeout} s")

    def stderr_text(self):
        try:
            with open(self.stderr_path, errors="replace") as f:
                return f.read()
        except OSError:
            return ""


# weston's output (run-wayland.sh), drawn at the top left of the X screen.
OUTPUT = (1280, 800)
# weston-desktop-shell's panel (its clock among it) changes by itself: left out of readings.
PANEL = 40


def point(x, y):
    """Puts weston's pointer at (x, y) on its output. weston moves its pointer by the steps
    of the X pointer inside its window, and takes the place anew when the pointer enters the
    window: the pointer leaves it first."""
    subprocess.run(["xdotool", "mousemove", str(OUTPUT[0] + 10), str(OUTPUT[1] + 10)],
                   check=True)
    time.sleep(0.05)
    subprocess.run(["xdotool", "mousemove", str(x), str(y)], check=True)
    time.sleep(0.05)


def press(key):
    """Presses a key held as long as a hand holds it. A program asks the compositor for a
    pop-up (a menu) with the serial of the key's press, and weston refuses it when a release
    came in the same instant."""
    subprocess.run(["xdotool", "keydown", key], check=True)
    time.sleep(0.06)
    subprocess.run(["xdotool", "keyup", key], check=True)


def popup(app, client_of, key):
    """`key` opens a pop-up of the program (a menu): pressed as a hand does, and pressed
    again when the compositor refused it; returns once the pop-up stands."""
    for attempt in range(3):
        before = len(requests(r"\.get_popup\(", client_of))
        press(key)
        app.until(lambda: len(requests(r"\.get_popup\(", client_of)) > before, 5,
                  f"{key} asking the compositor for a pop-up")
        time.sleep(0.08)
        # The last pop-up asked for still stands unless weston ended it at once.
        asked = [r for _, r in requests(r"\.get_popup\(new id xdg_popup@\d+", client_of)][-1]
        ident = re.search(r"new id (xdg_popup@\d+)", asked).group(1)
        if not _dismissed_after(ident, asked):
            return
    raise Failure(f"{key}: weston refused the pop-up three times")


_read = {"text": "", "offset": 0}


def _log():
    """weston's log so far; each call reads only what was added since the last."""
    with open(os.environ["WESTON_LOG"], "rb") as f:
        f.seek(_read["offset"])
        more = f.read()
    # A line still being written is read with the next call.
    whole = more[:more.rfind(b"\n") + 1]
    _read["offset"] += len(whole)
    _read["text"] += whole.decode("utf-8", "replace")
    return _read["text"]


def _dismissed_after(ident, asked):
    log = _log()
    at = log.rfind(asked)
    return at >= 0 and f"ev {ident}.popup_done()" in log[at:]


def changed(before, after):
    """The box (x, y, width, height) of what differs between two pictures below the panel,
    or None."""
    w, h, a = before
    _, _, b = after
    rows = [y for y in range(PANEL, h) if a[y] != b[y]]
    if not rows:
        return None
    left, right = w, -1
    for y in rows:
        ra, rb = a[y], b[y]
        x = 0
        while x < w and ra[x * 4:x * 4 + 3] == rb[x * 4:x * 4 + 3]:
            x += 1
        if x < left:
            left = x
        x = w - 1
        while x >= 0 and ra[x * 4:x * 4 + 3] == rb[x * 4:x * 4 + 3]:
            x -= 1
        if x > right:
            right = x
    return left, rows[0], right - left + 1, rows[-1] - rows[0] + 1


def requests(pattern, client_of=None):
    """The requests in weston's protocol log that match the regex `pattern`, each as
    (client, request text); with client_of, only those of the client that sent a request
    matching that regex (a program is told by the app id it sets)."""
    log = _log()
    line = re.compile(r"\[proto\] client (\S+) rq (.*)")
    sent = [m.groups() for m in line.finditer(log)]
    clients = None
    if client_of is not None:
        clients = {c for c, r in sent if re.search(client_of, r)}
    return [(c, r) for c, r in sent
            if re.search(pattern, r) and (clients is None or c in clients)]


def has_keyboard(app_id):
    """Whether the newest client that set the app id has been given the keyboard: keys reach
    a window only from then on."""
    log = _log()
    clients = re.findall(r"\[proto\] client (\S+) rq \S+\.set_app_id\(\"" + re.escape(app_id), log)
    return bool(clients) and re.search(
        r"\[proto\] client " + re.escape(clients[-1]) + r" ev wl_keyboard@\d+\.enter\(", log) is not None


def run(scenario, **options):
    flowkit.run(scenario, app_class=WaylandApp, **options)
