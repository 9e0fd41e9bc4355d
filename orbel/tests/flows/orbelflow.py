"""What every flow scenario of the world clock shares: starting it with a settings folder of
its own, its window titles, the options sheet and its pages, the clock listing of the same
settings, and the end checks. The scenarios run under scripts/flows/run-flow.sh with the
program's executable as their argument."""
import atexit
import datetime
import os
import re
import subprocess
import sys
import time
from zoneinfo import ZoneInfo

import flowkit
from flowkit import Failure, expect


def title(text):
    """A window title exactly as the program sets it: nothing is added after it (no
    " \u2014 Orbel" from the application's display name)."""
    return re.compile("^" + re.escape(text) + "$")


# "Orbel - " and today's long date, nothing after it ("Orbel - Wednesday, 9 December 2026").
CLOCKS = re.compile(r"^Orbel - \w+, \d{1,2} \w+ \d{4}$")
OPTIONS = title("Options")
CONVERT = title("Convert")
TIME_IN_ZONE = title("Time in Zone")
PLAN = title("Plan")
HELP = re.compile(r"^Orbel Help(?: > [^>\u2014]+)*$")  # the help window, captions after ">"
PAGES = ["Clocks", "View", "Style", "Adjust Time", "TZI"]
# The probe of a program that answers: T opens Time in Zone, Escape closes it.
PROBE = ("t", TIME_IN_ZONE)
# Texts, dates and times in one known language and locale: the scenarios compare texts.
ENV = {"LANG": "C.UTF-8", "LC_ALL": "C.UTF-8", "LANGUAGE": "", "TZ": "UTC"}


def app_options(**more):
    return dict(env=dict(ENV, **more.pop("env", {})), **more)


def start(app, *args):
    """Starts the world clock; its clock window is shown and has the focus."""
    flowkit.step("start " + " ".join(args))
    app.start(args)
    return front(app, CLOCKS)


def front(app, window, timeout=flowkit.TIMEOUT):
    """Waits until `window` is shown and has the focus. The window manager gives the focus to
    a new window, and back to the window below when one closes; on a busy machine it now and
    then does not, and the user clicks the window: so does this, and says so in the log."""
    app.wait_window(window, timeout, focused=False)
    try:
        return app.wait_focus(window, timeout=3)
    except Failure:
        flowkit.step(f"{flowkit._show(window)} shown without the focus: activated")
        return app.activate(window)


def clock_title(app):
    for t in app.titles():
        if CLOCKS.search(t):
            return t
    raise Failure(f"the clock window is not shown: {app.titles()}")


def finish(app):
    """The end of a scenario that leaves the program running: only the clock window left,
    the program answering keys."""
    flowkit.step("the end: the clock window alone, answering")
    front(app, CLOCKS)
    app.finish([clock_title(app)], probe=PROBE)


def closes(app, window, key="Escape"):
    """`key` closes `window`; the focus returns to the clock window."""
    flowkit.step(f"{key} closes {flowkit._show(window)}")
    app.key(key)
    app.wait_gone(window)
    front(app, CLOCKS)


def close(app):
    """Alt+F4 in the clock window ends the program with status 0."""
    flowkit.step("Alt+F4")
    front(app, CLOCKS)
    app.key("alt+F4")
    app.wait_exit(status=0)


def terminate(app):
    """SIGTERM, as a session's end sends it: the program ends with status 0."""
    flowkit.step("SIGTERM")
    app.proc.terminate()
    app.wait_exit(status=0)


def point(x, y):
    """Moves the pointer to (x, y) on the screen."""
    subprocess.run(["xdotool", "mousemove", str(x), str(y)], check=True)


def double_click(x, y):
    """Two clicks of the left button at (x, y), each held as long as a hand holds it: the
    clock window hands a press to the window manager to move the window, and a press and
    release in the same instant would end that move with the second click."""
    subprocess.run(["xdotool", "mousemove", str(x), str(y)], check=True)
    time.sleep(0.2)
    for pause in (0.12, 0):
        subprocess.run(["xdotool", "mousedown", "1"], check=True)
        time.sleep(0.09)
        subprocess.run(["xdotool", "mouseup", "1"], check=True)
        time.sleep(pause)


def press(app, name, window):
    """Clicks the push button named `name` in `window`."""
    app.click_node(find(app, "push button", name, window))


def geometry(app):
    """Where the clock window is on the screen: x, y, width, height of its client area."""
    return app.wait_window(CLOCKS, focused=False).geometry


def wait_geometry(app, expected, what):
    last = [None]

    def there():
        last[0] = geometry(app)
        return last[0] == expected
    try:
        app.until(there, 3, what)
    except Failure:
        raise Failure(f"{what}: the clock window is at {last[0]}, expected {expected}")


def clock_listing(app):
    """`orbel --clocks` on the same settings: [(name, "YYYY-MM-DD HH:MM:SS")]."""
    r = subprocess.run([app.program, "--data-dir", app.data, "--clocks"], env=app.env,
                       cwd=app.home, capture_output=True, text=True, timeout=10)
    expect(r.returncode == 0, f"orbel --clocks ended with {r.returncode}: {r.stderr.strip()}")
    return [tuple(line.split("\t")) for line in r.stdout.splitlines() if line]


TOOLS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools")


def time_server(*args):
    """A Time Protocol server on 127.0.0.1 (tests/tools/loopback_time_server.py with `args`);
    returns its port. It is stopped when the scenario ends."""
    proc = subprocess.Popen([sys.executable, os.path.join(TOOLS, "loopback_time_server.py"),
                             *args], stdout=subprocess.PIPE, text=True)
    atexit.register(_stop, proc)
    line = proc.stdout.readline().strip()
    expect(line.isdigit(), f"the loopback time server did not start: {line!r}")
    return int(line)


def _stop(proc):
    if proc.poll() is None:
        proc.terminate()
        try:
            proc.wait(3)
        except subprocess.TimeoutExpired:
            proc.kill()


def chrony():
    """chronyd serving its own clock on a free loopback port, for 127.0.0.1 and ::1, never
    steering this machine's clock (-x); returns the port. Skips the scenario where chronyd is
    missing or may not run (it needs root)."""
    import socket
    import tempfile
    program = next((p for p in ("/usr/sbin/chronyd", "/sbin/chronyd") if os.access(p, os.X_OK)),
                   None)
    if program is None:
        raise flowkit.Skip("chronyd is not installed (scripts/install-deps.sh installs it)")
    if os.geteuid() != 0:
        raise flowkit.Skip("chronyd runs only as root")
    with socket.socket(socket.AF_INET, socket.SOCK_DGRAM) as probe:
        probe.bind(("127.0.0.1", 0))
        port = probe.getsockname()[1]
    folder = tempfile.mkdtemp(prefix="flow-chrony-")
    conf = os.path.join(folder, "chrony.conf")
    with open(conf, "w") as f:
        f.write(f"port {port}\nbindaddress 127.0.0.1\nbindaddress ::1\nallow 127.0.0.1\n"
                f"allow ::1\nlocal stratum 8\ncmdport 0\n"
                f"pidfile {os.path.join(folder, 'chronyd.pid')}\n")
    proc = subprocess.Popen([program, "-x", "-d", "-f", conf], stdout=subprocess.DEVNULL,
                            stderr=subprocess.STDOUT)
    atexit.register(_stop, proc)
    request = bytes([0x23]) + bytes(47)
    end = time.monotonic() + 10
    while time.monotonic() < end:
        with socket.socket(socket.AF_INET, socket.SOCK_DGRAM) as s:
            s.settimeout(0.1)
            s.sendto(request, ("127.0.0.1", port))
            try:
                s.recvfrom(48)
                return port
            except OSError:
                pass
        if proc.poll() is not None:
            break
    raise flowkit.Skip("chronyd did not answer on loopback")


def zone_item(key):
    """A zone as the zone pickers show it: the standard offset and the key."""
    jan = datetime.datetime(2026, 1, 15, 12, tzinfo=ZoneInfo(key)).utcoffset()
    jul = datetime.datetime(2026, 7, 15, 12, tzinfo=ZoneInfo(key)).utcoffset()
    # Standard time is the smaller offset (true north and south of the equator).
    minutes = int(min(jan, jul).total_seconds()) // 60
    sign = "+" if minutes >= 0 else "-"
    return f"(UTC{sign}{abs(minutes) // 60:02d}:{abs(minutes) % 60:02d}) {key}"


def choose(app, item, window="Options"):
    """Chooses `item` in the drop-down list that has the focus as a user does with the
    keyboard: its first characters up to the first blank, then Down until it shows."""
    time.sleep(0.5)  # what was typed before no longer counts as a prefix
    app.type(item.split(" ")[0])  # a blank would open the list
    for _ in range(40):
        if focused_combo(app, window) == item:
            return
        app.key("Down")
    raise Failure(f"{item!r} could not be chosen: the list shows "
                  f"{focused_combo(app, window)!r}")


def nodes(app, window):
    """The nodes of `window` that are showing, in tree order, without the items of drop-down
    lists (the zone pickers hold some 400 each) and the pages not shown: reading a node costs
    a call over the bus."""
    import pyatspi
    out = []

    def walk(node, depth, in_combo=False):
        if node is None or depth > 30:
            return
        try:
            role = node.getRoleName()
            if depth > 0 and not node.getState().contains(pyatspi.STATE_SHOWING):
                return
            out.append(node)
            if in_combo and role == "list":
                return
            for c in node:
                walk(c, depth + 1, role == "combo box")
        except Exception:
            pass
    walk(window_node(app, window), 0)
    return out


def window_node(app, window):
    """The newest showing window named `window` that is not a message box (message boxes
    carry the title of the window they belong to)."""
    import pyatspi
    for role, name, node in reversed(app.a11y_windows()):
        if name == window and role != "alert" and node.getState().contains(
                pyatspi.STATE_SHOWING):
            return node
    raise Failure(f"no window {window!r} in the accessibility tree "
                  f"(found {[n for _, n, _ in app.a11y_windows()]})")


def find(app, role, name, window, timeout=flowkit.TIMEOUT):
    """The first node of `window` with the role and the name (string or regex)."""
    def found():
        for n in nodes(app, window):
            try:
                if n.getRoleName() == role and flowkit._match(name, n.name):
                    return n
            except Exception:
                continue
        return None
    return app.until(found, timeout, f"{role} {flowkit._show(name)} in {flowkit._show(window)}")


def field(app, name, window):
    """The text of the field named `name` in `window`."""
    node = find(app, "text", name, window)
    t = node.queryText()
    return t.getText(0, t.characterCount)


def wait_field(app, name, window, pattern, timeout=flowkit.TIMEOUT):
    """Waits until the field's text matches the regex `pattern`; returns the text."""
    rx = re.compile(pattern)
    last = [None]

    def matches():
        last[0] = field(app, name, window)
        return rx.search(last[0]) is not None
    try:
        app.until(matches, timeout, f"field {name!r} matching /{pattern}/")
    except Failure:
        raise Failure(f"field {name!r} of {window!r} reads {last[0]!r}, expected /{pattern}/")
    return last[0]


def checked(app, role, name, window):
    return app.state(find(app, role, name, window), "checked")


def enabled(app, role, name, window):
    return app.state(find(app, role, name, window), "enabled")


def open_options(app, page="Clocks"):
    """O in the clock window opens the options sheet; Ctrl+Tab turns to `page`."""
    flowkit.step(f"O, the {page} page")
    front(app, CLOCKS)
    app.key("o")
    front(app, OPTIONS)
    return turn_to(app, page)


def current_page(app):
    return find(app, "page tab list", re.compile("."), "Options").name


def turn_to(app, page):
    """Turns the sheet to `page` with Ctrl+Tab; where that key does not reach the pages (the
    focus is on a button below them) the page's tab is clicked."""
    for _ in range(len(PAGES)):
        shown = current_page(app)
        if shown == page:
            return
        app.key("ctrl+Tab")
        try:
            app.until(lambda: current_page(app) != shown, 1, "the next page")
        except Failure:
            app.click_node(find(app, "page tab", page, "Options"))
            app.until(lambda: current_page(app) == page, 3, f"the page {page}")
    expect(current_page(app) == page, f"the sheet shows {current_page(app)!r}, not {page!r}")


def focused_text(app, window):
    """The text of the field of `window` that has the focus (None when no field has it)."""
    for n in nodes(app, window):
        try:
            if n.getRoleName() == "text" and app.state(n, "focused"):
                t = n.queryText()
                return t.getText(0, t.characterCount)
        except Exception:
            continue
    return None


def type_text(app, text, window):
    """Types `text` into the field of `window` that has the focus, in place of what it held,
    and checks it arrived: characters outside the keyboard's map reach the program only when
    typed slowly, and then not always."""
    for _ in range(3):
        app.key("ctrl+a")
        subprocess.run(["xdotool", "type", "--delay", "30" if text.isascii() else "120", text],
                       check=True)
        try:
            app.until(lambda: focused_text(app, window) == text, 2, f"{text!r} typed")
            return
        except Failure:
            continue
    raise Failure(f"the field reads {focused_text(app, window)!r} after typing {text!r}")


def clock_lines(app):
    return [n.name for n in find(app, "list", "Clocks", "Options")]


def add_clock(app, zone, name):
    """On the Clocks page of the open sheet: Add, choose the zone, type the title."""
    expect(current_page(app) == "Clocks", "the sheet is not on its Clocks page")
    before = len(clock_lines(app))
    app.key("alt+d")
    app.until(lambda: len(clock_lines(app)) > before, flowkit.TIMEOUT,
               "a new line in the clock list")
    # Add puts the focus into the zone picker.
    app.until(lambda: focused_combo(app), 3, "the focus in the zone picker")
    choose(app, zone_item(zone))
    app.key("alt+t")
    type_text(app, name, "Options")


def focused_combo(app, window="Options"):
    """The text of the drop-down list of `window` that has the focus (its name when nothing is
    chosen in it), or "" when no list has the focus."""
    for n in nodes(app, window):
        try:
            if n.getRoleName() == "combo box" and app.state(n, "focused"):
                return n.name or ""
        except Exception:
            continue
    return ""


def help_shows(app, ask, caption, words, back_to):
    """`ask` (a key, or a function that clicks) opens the help window titled `caption` with a
    text whose introduction starts with `words`; Escape closes it and the focus returns to
    the window `back_to`."""
    flowkit.step(f"help: {caption}")
    if callable(ask):
        ask()
    else:
        app.key(ask)
    try:
        front(app, title(caption), timeout=5)
    except Failure:
        shown = [t for t in app.titles() if HELP.search(t)]
        raise Failure(f"{ask if isinstance(ask, str) else 'the button'} did not open "
                      f"{caption!r} (help windows shown: {shown})")
    text = field(app, "Help text", caption)
    expect(text.startswith("INTRODUCTION") and words in text[:300],
           f"{caption!r} shows {text[:120]!r}, expected {words!r}")
    close_help(app, back_to)


def close_help(app, back_to):
    """Escape closes the help window, if one is open; the focus returns to `back_to`."""
    if any(HELP.search(t) for t in app.titles()):
        front(app, HELP)
        app.key("Escape")
        app.wait_gone(HELP)
    front(app, back_to)


def tray_menu(app):
    """Opens the command menu from the program's icon in the tray host (right button)."""
    import flowkit_tray
    flowkit_tray.click(app, flowkit_tray.icon(app), 3)
    # A menu is a pop-up taller than a tooltip.
    app.until(lambda: [p for p in app.popups() if p.geometry[3] > 40], flowkit.TIMEOUT,
              "the command menu")


def message(app, owner, key="Return"):
    """A message box of the window `owner` (it carries that window's title) is in front; `key`
    closes it and the focus returns to `owner`. Returns the box's text."""
    pattern = title(owner)
    app.wait_count(pattern, 2)
    node = None
    for role, name, n in reversed(app.a11y_windows()):
        if role == "alert" and name == owner:
            node = n
            break
    expect(node is not None, f"no message box in the accessibility tree: {app.a11y_windows()}")
    text = " ".join(texts_of(node))
    app.key(key)
    app.wait_count(pattern, 1)
    front(app, pattern)
    return text


def texts_of(node):
    out = []
    stack = [node]
    while stack:
        n = stack.pop(0)
        try:
            if n.name:
                out.append(n.name)
            t = n.queryText()
            s = t.getText(0, t.characterCount)
            if s and s != n.name:
                out.append(s)
        except Exception:
            pass
        try:
            stack.extend(c for c in n if c is not None)
        except Exception:
            pass
    return out


def now_in(key):
    return datetime.datetime.now(ZoneInfo(key))


def shows_time(text, when):
    """The text holds the hour and minute of `when` (or of the minute before, which a slow
    machine may still show) and its year."""
    minutes = [when, when - datetime.timedelta(minutes=1)]
    return str(when.year) in text and any(f"{m:%H:%M}" in text for m in minutes)


def clipboard():
    """The text on the X clipboard (its owner asked for UTF-8 text), or None."""
    from Xlib import X, display
    d = display.Display()
    try:
        w = d.screen().root.create_window(0, 0, 1, 1, 0, X.CopyFromParent)
        w.convert_selection(d.intern_atom("CLIPBOARD"), d.intern_atom("UTF8_STRING"),
                            d.intern_atom("FLOW_CLIPBOARD"), X.CurrentTime)
        d.flush()
        end = time.monotonic() + flowkit.TIMEOUT
        while time.monotonic() < end:
            while d.pending_events():
                e = d.next_event()
                if e.type == X.SelectionNotify:
                    if e.property == X.NONE:
                        return None
                    r = w.get_full_property(d.intern_atom("FLOW_CLIPBOARD"), X.AnyPropertyType)
                    return bytes(r.value).decode("utf-8") if r else None
            time.sleep(0.05)
        raise Failure("the clipboard's owner did not answer")
    finally:
        d.close()
