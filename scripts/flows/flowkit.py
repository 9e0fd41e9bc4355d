"""flowkit: drive a real program's windows as a user does, for flow scenarios.

A scenario is a small Python file run by scripts/flows/run-flow.sh, which gives it a
private X server (DISPLAY), a window manager, a private session bus with the accessibility
bus, and a tray host when TRAY=1. The scenario starts the program's own executable, presses
keys and clicks, reads windows by their titles and the accessibility tree, and ends with
every window it opened closed from the keyboard and the program still answering.

    import flowkit
    from flowkit import expect, step

    def scenario(app):                     # app: a flowkit.App, not started yet
        app.start()
        app.wait_window("Main title")      # shown and focused
        step("Ctrl+O and the path typed")
        app.key("ctrl+o")
        app.wait_window("Open file")
        app.type("/some/path")
        app.key("Return")
        app.wait_gone("Open file")
        expect("/some/path" in app.texts("Main title"), "the path shown")
        app.finish(["Main title"], probe=("F1", "Help"))  # only it left, answering keys

    flowkit.run(scenario, data_from="folder")  # argv: PROGRAM [ARGS...]

What it gives:
- App(program, args), start(): starts the program with QT_QPA_PLATFORM=xcb and the accessibility
  bridge always on, in a temporary folder of its own (HOME, XDG folders, and a data folder
  passed with --data-dir, filled with links to the files of `data_from`).
- windows(): the program's visible top-level windows as Window(id, title); focused();
  wait_window(title), wait_focus(title), wait_gone(title), wait_count(title, n).
- activate(title): the window manager gives the window the focus (a click on its title bar).
- key("alt+s"), type("text"), click(x, y) (screen coordinates), click_in(window, x, y),
  click_node(node): real input through the X test extension (xdotool), into whatever has
  the focus or lies under the pointer.
- popups(): the visible menus, completion lists and tooltips (not counted as windows).
- Accessibility: a11y_windows(), find(role, name, title), controls(title), texts(title),
  state(node, "enabled"|"checked"|"focused"|...), do_action(node).
- until(condition, timeout, what), step(message), expect(condition, message).
- answers(): the program is alive and its accessibility tree can be read (its event loop
  runs); probe(key, title): a key with a visible effect opens a window, Escape closes it.
- finish(expected): the end check: only the expected windows remain, the program answers.
- check(label, action, recover): one of several checks; a failure is noted and the
  scenario goes on, failing at its end.
- Every failure raises Failure; run() prints "FAIL: ..." with the windows that were open
  and the tail of the program's standard error, and exits 1 (77 for Skip, 0 for a pass).

Times are in seconds. Keep scenarios whole and few: each is one flow a user meets.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

TIMEOUT = float(os.environ.get("FLOW_TIMEOUT", "10"))
_START = time.monotonic()


class Failure(Exception):
    """The flow did not go as a user expects."""


class Skip(Exception):
    """Something the scenario needs is not on this machine; the message says what."""


class Window:
    def __init__(self, wid, title, geometry):
        self.id, self.title, self.geometry = wid, title, geometry  # geometry: x, y, w, h

    def __repr__(self):
        return f"{self.title!r}"


def _xdotool(*args):
    r = subprocess.run(["xdotool", *args], capture_output=True, text=True)
    if r.returncode != 0:
        raise Failure(f"xdotool {' '.join(args)} failed: {r.stderr.strip()}")
    return r.stdout


class App:
    def __init__(self, program, args=(), data_from=None, data_option="--data-dir", env=None):
        from Xlib import X, display  # python3-xlib
        self._X = X
        self.display = display.Display()
        self.root = self.display.screen().root
        self.atom = self.display.intern_atom
        self.program = os.path.abspath(program)
        self.tmp = tempfile.mkdtemp(prefix="flow-")
        self.home = os.path.join(self.tmp, "home")
        self.data = os.path.join(self.tmp, "data")
        os.makedirs(self.home)
        os.makedirs(self.data)
        os.makedirs(os.path.join(self.tmp, "runtime"), mode=0o700)
        if data_from:
            link_folder(data_from, self.data, skip=os.path.basename(program))
        self.args = list(args)
        if data_option:
            self.args = [data_option, self.data] + self.args
        self.env = dict(os.environ, HOME=self.home, QT_QPA_PLATFORM="xcb",
                        QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                        XDG_CONFIG_HOME=os.path.join(self.home, ".config"),
                        XDG_DATA_HOME=os.path.join(self.home, ".local/share"),
                        XDG_CACHE_HOME=os.path.join(self.home, ".cache"),
                        XDG_RUNTIME_DIR=os.path.join(self.tmp, "runtime"))
        self.env.update(env or {})
        self.proc = None
        self.failures = []
        self.stderr_path = os.path.join(self.tmp, "stderr.txt")

    # -- the process ------------------------------------------------------------------
    def start(self, extra_args=()):
        self._stderr = open(self.stderr_path, "ab")
        self.proc = subprocess.Popen([self.program, *self.args, *extra_args], env=self.env,
                                     cwd=self.home, stdout=self._stderr, stderr=self._stderr)
        return self

    def alive(self):
        return self.proc is not None and self.proc.poll() is None

    def wait_exit(self, timeout=TIMEOUT, status=0):
        try:
            rc = self.proc.wait(timeout)
        except subprocess.TimeoutExpired:
            raise Failure(f"the program did not end within {timeout} s")
        if status is not None and rc != status:
            raise Failure(f"the program ended with status {rc}, expected {status}")
        return rc

    def stop(self):
        if self.alive():
            self.proc.terminate()
            try:
                self.proc.wait(3)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()

    def stderr_tail(self, lines=15):
        try:
            with open(self.stderr_path, errors="replace") as f:
                return "".join(f.readlines()[-lines:])
        except OSError:
            return ""

    def cleanup(self):
        self.stop()
        shutil.rmtree(self.tmp, ignore_errors=True)

    # -- windows ----------------------------------------------------------------------
    def _prop(self, w, name, kind=None):
        try:
            p = w.get_full_property(self.atom(name), kind or self._X.AnyPropertyType)
        except Exception:
            return None
        return p.value if p else None

    def _title(self, w):
        v = self._prop(w, "_NET_WM_NAME") or self._prop(w, "WM_NAME")
        if v is None:
            return ""
        return v.decode("utf-8", "replace") if isinstance(v, bytes) else str(v)

    def _clients(self):
        """Top-level client windows of the program (inside the manager's frames too)."""
        out = []
        pid = self.proc.pid if self.proc else None
        for w in self.root.query_tree().children:
            for c in [w] + list(_children(w)):
                p = self._prop(c, "_NET_WM_PID")
                if p is not None and pid is not None and int(p[0]) == pid:
                    out.append(c)
        return out

    def windows(self, popups=False):
        """The program's visible top-level windows, oldest first (stacking order); with
        popups=True, its pop-ups instead: menus, completion lists and tooltips (windows the
        window manager does not manage, which Qt titles with the program's name)."""
        res = []
        for c in self._clients():
            try:
                a = c.get_attributes()
                if a.map_state != self._X.IsViewable or bool(a.override_redirect) != popups:
                    continue
                g = c.get_geometry()
                t = c.translate_coords(self.root, 0, 0)
                res.append(Window(c.id, self._title(c), (-t.x, -t.y, g.width, g.height)))
            except Exception:
                continue
        return res

    def popups(self):
        return self.windows(popups=True)

    def _menus(self):
        # Pop-ups that stand for more than a moment: tooltips vanish by themselves, menus
        # and lists are larger than a line of text.
        return [p for p in self.popups() if p.geometry[3] > 40]

    def titles(self):
        return [w.title for w in self.windows()]

    def focused(self):
        """The title of the program's window that has the keyboard focus, or None."""
        f = self.display.get_input_focus().focus
        ids = {w.id: w.title for w in self.windows()}
        for _ in range(8):  # from the focused window up to its top level
            if f is None or isinstance(f, int) or f.id == self.root.id:
                return None
            if f.id in ids:
                return ids[f.id]
            try:
                f = f.query_tree().parent
            except Exception:
                return None
        return None

    def until(self, cond, timeout, what):
        end = time.monotonic() + timeout
        while True:
            r = cond()
            if r:
                return r
            if not self.alive():
                raise Failure(f"the program ended (status {self.proc.returncode}) while "
                              f"waiting for {what}")
            if time.monotonic() > end:
                raise Failure(f"{what}: not within {timeout} s")
            time.sleep(0.05)

    def wait_window(self, title, timeout=TIMEOUT, focused=True):
        """Waits until a window titled `title` (a string, or a compiled regex) is visible and,
        by default, has the keyboard focus; returns it."""
        def found():
            ws = [w for w in self.windows() if _match(title, w.title)]
            if not ws:
                return None
            if not focused:
                return ws[-1]
            if self.focused() is None and self.titles()[-1:] == [ws[-1].title]:
                self.focus_somewhere()
            return ws[-1] if _match(title, self.focused() or "\0") else None
        return self.until(found, timeout, f"window {_show(title)} shown and focused"
                           if focused else f"window {_show(title)} shown")

    def activate(self, title):
        """Gives the window the focus through the window manager, as a click on its title bar
        does."""
        self._give_focus(self.wait_window(title, focused=False))
        return self.wait_window(title)

    @staticmethod
    def _give_focus(window):
        try:
            _xdotool("windowactivate", str(window.id))
        except Failure:  # a manager that does not take requests: the focus set directly
            _xdotool("windowfocus", str(window.id))

    def wait_focus(self, title, timeout=TIMEOUT):
        return self.wait_window(title, timeout, focused=True)

    wait_for_window = wait_window

    def wait_count(self, title, n, timeout=TIMEOUT):
        """Waits until exactly n visible windows carry the title (message boxes often share
        the main window's title)."""
        self.until(lambda: sum(_match(title, t) for t in self.titles()) == n, timeout,
                    f"{n} window(s) titled {_show(title)}")

    def wait_gone(self, title, timeout=TIMEOUT):
        self.until(lambda: not any(_match(title, t) for t in self.titles()), timeout,
                    f"window {_show(title)} closed")

    # -- input ------------------------------------------------------------------------
    def key(self, *combos):
        """Presses keys as xdotool names them ("Return", "alt+s", "ctrl+o", "F1"), into the
        window that has the focus (see focus_somewhere)."""
        self.focus_somewhere()
        for c in combos:
            _xdotool("key", c)

    def focus_somewhere(self):
        """When the window manager has left the focus nowhere (a window closed and none took
        the focus back), the program's window in front gets it, as a user's click on its
        title bar gives it; said in the log. The focus on any window is left alone."""
        if self.proc is None or self.focused() is not None:
            return
        end = time.monotonic() + 1.0
        while time.monotonic() < end:
            if self.focused() is not None or not self.windows():
                return
            time.sleep(0.05)
        front = self.windows()[-1]
        step(f"the focus went nowhere: {front.title!r} given it as a click on its title bar "
             "does")
        self._give_focus(front)
        self.until(lambda: self.focused() is not None, 3, "the focus given back")

    def type(self, text):
        _xdotool("type", "--delay", "8", text)

    def click(self, x, y, button=1):
        # No --sync: it waits for a motion that never comes when the pointer is already there;
        # the server takes the move and the click in order anyway.
        _xdotool("mousemove", str(x), str(y), "click", str(button))

    def click_in(self, window, x, y, button=1):
        gx, gy, _, _ = window.geometry
        self.click(gx + x, gy + y, button)

    def click_node(self, node, button=1, dx=None, dy=None):
        """Clicks an accessible node where the user sees it: its centre, or (dx, dy) from its
        top-left corner."""
        import pyatspi
        e = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        if e.width <= 0 or e.height <= 0:
            raise Failure(f"{node.name!r} is not on screen")
        self.click(e.x + (e.width // 2 if dx is None else dx),
                   e.y + (e.height // 2 if dy is None else dy), button)

    # -- accessibility ----------------------------------------------------------------
    def a11y_app(self, timeout=TIMEOUT):
        import pyatspi
        def found():
            for a in pyatspi.Registry.getDesktop(0):
                try:
                    if a is not None and a.get_process_id() == self.proc.pid:
                        return a
                except Exception:
                    continue
            return None
        return self.until(found, timeout, "the program on the accessibility bus")

    # Roles of the windows the tree keeps under another window (message boxes, dialogs).
    WINDOW_ROLES = ("dialog", "alert", "window", "file chooser")

    def a11y_windows(self):
        """(role name, name, node) of each window the accessibility tree shows: the top-level
        nodes and the dialogs and message boxes that the tree keeps under them."""
        out = []

        def visit(node, depth):
            for w in node:
                if w is None:
                    continue
                role = w.getRoleName()
                if depth == 0 or role in self.WINDOW_ROLES:
                    out.append((role, w.name, w))
                if depth < 2:
                    visit(w, depth + 1)
        visit(self.a11y_app(), 0)
        return out

    def a11y_window(self, title):
        """The newest top-level node named `title` that is showing."""
        import pyatspi
        for role, name, node in reversed(self.a11y_windows()):
            if _match(title, name) and node.getState().contains(pyatspi.STATE_SHOWING):
                return node
        raise Failure(f"no window {_show(title)} in the accessibility tree "
                      f"(found {[n for _, n, _ in self.a11y_windows()]})")

    def nodes(self, title=None):
        """Every node of the window `title` (not those of the dialogs the tree keeps under it),
        or of the whole program."""
        if title is None:
            out = []
            _walk(self.a11y_app(), out)
            return out
        out = []
        _walk(self.a11y_window(title), out, stop=self.WINDOW_ROLES)
        return out

    def find(self, role, name, title=None, timeout=TIMEOUT):
        """The first node with the role (pyatspi role name, e.g. "push button") and the name
        (string or regex), inside the window `title` or anywhere in the program."""
        def found():
            for n in self.nodes(title):
                try:
                    if n.getRoleName() == role and _match(name, n.name):
                        return n
                except Exception:
                    continue
            return None
        return self.until(found, timeout, f"{role} {_show(name)}")

    def controls(self, title, role="push button"):
        """{name: node} of the controls with the role in the window, read in one walk (for a
        dialog whose many buttons a scenario clicks in turn)."""
        out = {}
        for n in self.nodes(title):
            try:
                if n.getRoleName() == role:
                    out.setdefault(n.name, n)
            except Exception:
                continue
        return out

    def texts(self, title=None):
        """Every name and text the window (or the program) shows, in tree order."""
        out = []
        for n in self.nodes(title):
            try:
                if n.name:
                    out.append(n.name)
                t = n.queryText()
                s = t.getText(0, t.characterCount)
                if s and s != n.name:
                    out.append(s)
            except Exception:
                continue
        return out

    @staticmethod
    def state(node, name):
        """name: "enabled", "checked", "focused", "showing", ..."""
        import pyatspi
        return node.getState().contains(getattr(pyatspi, "STATE_" + name.upper()))

    @staticmethod
    def do_action(node, action=None):
        a = node.queryAction()
        for i in range(a.nActions):
            if action is None or a.getName(i) == action:
                a.doAction(i)
                return
        raise Failure(f"{node.name!r} has no action {action!r}")

    # -- several checks in one scenario ------------------------------------------------
    def check(self, label, action, recover=None):
        """Runs one check of a scenario that holds several; a failure is noted (the scenario
        fails at its end) and `recover` brings the program back to a known state."""
        try:
            step(label)
            action()
        except Failure as e:
            print(f"  ! {label}: {e}", flush=True)
            self.failures.append(f"{label}: {e}")
            if recover and self.alive():
                recover()

    # -- the end checks ---------------------------------------------------------------
    def answers(self, timeout=TIMEOUT):
        """The program is alive and reads its own accessibility tree back: its event loop
        runs."""
        if not self.alive():
            raise Failure(f"the program has ended (status {self.proc.returncode})")
        try:
            self.until(lambda: [n for _, n, _ in self.a11y_windows()], timeout,
                        "an answer over the accessibility bus")
        except Failure:
            raise
        except Exception as e:
            raise Failure(f"the program does not answer over the accessibility bus: {e}")

    def probe(self, key, title, close="Escape", timeout=TIMEOUT):
        """A key with a visible effect: `key` opens the window `title`, `close` closes it."""
        before = sum(_match(title, t) for t in self.titles())
        self.key(key)
        self.until(lambda: sum(_match(title, t) for t in self.titles()) > before, timeout,
                    f"{key} opening {_show(title)} (the program answering keys)")
        self.key(close)
        self.wait_count(title, before, timeout)

    def finish(self, expected, probe=None):
        """The end of a scenario: only the windows titled `expected` remain (in any order), no
        menu is open, the program answers, and a probe (key, title) still opens and closes
        its window."""
        def right():
            return sorted(self.titles()) == sorted(expected) and not self._menus()
        try:
            self.until(right, 3, "only the expected windows open")
        except Failure:
            raise Failure(f"windows left open: {self.titles()} and {len(self._menus())} "
                          f"menu(s), expected {expected}")
        self.answers()
        if probe:
            self.probe(*probe)
            self.until(right, 3, "only the expected windows open after the probe")


def _children(w):
    try:
        return w.query_tree().children
    except Exception:
        return []


def _walk(node, out, depth=0, stop=()):
    if node is None or depth > 40:
        return
    try:
        if depth > 0 and stop and node.getRoleName() in stop:
            return
    except Exception:
        return
    out.append(node)
    try:
        for c in node:
            _walk(c, out, depth + 1, stop)
    except Exception:
        pass


def _match(pattern, text):
    if text is None:
        return False
    if isinstance(pattern, re.Pattern):
        return pattern.search(text) is not None
    return text == pattern


def _show(pattern):
    return f"/{pattern.pattern}/" if isinstance(pattern, re.Pattern) else repr(pattern)


def link_folder(source, target, skip=None):
    """Fills `target` with links to the files of `source` (the program's delivered data);
    record files the program rewrites (*.DB) are copied so the source is never written."""
    for name in os.listdir(source):
        src = os.path.join(source, name)
        if name == skip or not os.path.isfile(src):
            continue
        if name.upper().endswith(".DB"):
            shutil.copy(src, os.path.join(target, name))
        else:
            os.symlink(src, os.path.join(target, name))


def step(message):
    """Says what the scenario is doing; the log of a failed run shows how far it went."""
    print(f"  {time.monotonic() - _START:5.1f} s  {message}", flush=True)


def expect(cond, message):
    if not cond:
        raise Failure(message)


def run(scenario, **app_options):
    """Runs scenario(app) with the program named on the command line; prints PASS, FAIL or
    SKIP with the reason and exits 0, 1 or 77. app_class: App or one made from it (a
    program on Wayland: flowkit_wayland)."""
    if len(sys.argv) < 2:
        print(f"usage: {sys.argv[0]} PROGRAM [ARGS...]")
        sys.exit(2)
    name = os.path.basename(sys.argv[0])
    start = time.monotonic()
    app = None
    app_class = app_options.pop("app_class", App)
    try:
        app = app_class(sys.argv[1], sys.argv[2:], **app_options)
        scenario(app)
        if app.failures:
            raise Failure(f"{len(app.failures)} check(s) failed: " + "; ".join(app.failures))
        print(f"PASS: {name} ({time.monotonic() - start:.1f} s)")
        code = 0
    except Skip as e:
        print(f"SKIP: {e}")
        code = 77
    except Exception as e:
        kind = "" if isinstance(e, Failure) else f"{type(e).__name__}: "
        print(f"FAIL: {name}: {kind}{e}")
        if app is not None:
            try:
                print(f"  windows open: {app.titles()}; focused: {app.focused()!r}")
                for role, _, node in app.a11y_windows():
                    if role == "alert":
                        out = []
                        _walk(node, out)
                        print(f"  message box: {[n.name for n in out if n.name]}")
            except Exception:
                pass
            print(f"  program {'alive' if app.alive() else 'ended'}; standard error, last "
                  f"lines:\n{app.stderr_tail()}")
        if not isinstance(e, Failure):
            import traceback
            traceback.print_exc()
        code = 1
    finally:
        if app is not None:
            app.cleanup()
    sys.exit(code)
