"""The planner on Wayland: its first activation (the about picture, the user dialog, where a
user is given), the draw date entered, then every other window of its command table opened
from its key or its menu and closed from the keyboard (each window once: the picture window
shows its about mode at the start and its ordering mode here), the main window answering
after each; S and Return leave through the information picture, the program ending with
status 0; nothing printed on standard error."""
import time

import flowkit_wayland as fw
from planificador import *

TABLA = "Reducciones y sus precios"
APP = r'set_app_id\("org\.numbrela\.Numbrela"\)'  # the requests of the program's client
MENUS = ["Archivo", "Azarix", "Impresión", "Suerte", "Pedidos", "Ayuda"]

# (keys, or the menu and its letters; the window; the key that closes it)
TABLE = [
    ("ctrl+o", ABRIR, "Escape"),
    (("Archivo", "r"), GRABAR, "Escape"),
    (("Archivo", "e"), "Establecer impresora", "Escape"),
    ("ctrl+p", IMPRESION, "Escape"),
    ("e", ESCRUTAR, "Escape"),
    ("l", LISTADO, "Escape"),
    ("r", RELLENO, "Escape"),
    ("t", TIPO, "Escape"),
    (("Azarix", "t", "t", "Return"), TABLA, "Escape"),
    (("Suerte", "b"), BIORRITMO, "Escape"),
    (("Suerte", "t"), SUERTE, "Escape"),
    (("Pedidos", "c"), IMAGEN, "Return"),
    ("F1", AYUDA, "Escape"),
]


def from_menu(app, name, *keys):
    """F10 opens the menu bar's first menu, Right and Left the others (pop-ups the compositor
    shows; Left from the first goes round to the last); Down enters the menu and the keys
    choose."""
    fw.popup(app, APP, "F10")
    steps = MENUS.index(name)
    for _ in range(steps if steps <= len(MENUS) // 2 else 0):
        fw.popup(app, APP, "Right")
    for _ in range(len(MENUS) - steps if steps > len(MENUS) // 2 else 0):
        fw.popup(app, APP, "Left")
    app.key("Down", *keys)


def opens_and_closes(app, keys, window, close):
    def action():
        if isinstance(keys, tuple):
            from_menu(app, *keys)
        else:
            app.key(keys)
        app.wait_window(window)
        app.key(close)
        app.wait_gone(window)
        app.wait_focus(PRINCIPAL)
    return action


def recover(app):
    """Escape until the main window stands alone."""
    for _ in range(4):
        if app.titles() == [PRINCIPAL]:
            return
        app.key("Escape")
        time.sleep(0.3)


def escenario(app):
    # A set of eight whole bets, opened from the command line: every command has bets to
    # work on.
    bets = [[1, 2, 3, 4, 5, 6 + i] for i in range(8)]
    app.start([escribe(os.path.join(app.tmp, "ocho.apu"), fichero_simple(bets))])
    app.wait_window(IMAGEN)
    app.key("Return")
    rellena_usuario(app, "Ana Perez")
    app.key("Return")
    app.wait_gone(USUARIO)
    app.wait_focus(PRINCIPAL)
    step("the draw date: Azarix > Fecha de Sorteo..., typed, Return")
    from_menu(app, "Azarix", "f")
    app.wait_window(ATENCION)
    app.type("15")
    app.key("Tab")
    app.type("mar")
    app.key("Tab")
    app.type("2026")
    app.key("Return")
    app.wait_gone(ATENCION)
    app.wait_focus(PRINCIPAL)
    for keys, window, close in TABLE:
        what = keys if isinstance(keys, str) else f"{keys[0]} > {keys[1]}"
        app.check(f"{what}: {flowkit._show(window)}, closed with {close}",
                  opens_and_closes(app, keys, window, close), lambda: recover(app))
    termina(app)
    step("S, Return: the information picture, Return: the end")
    app.key("s")
    app.wait_window(ATENCION)
    app.key("Return")
    app.wait_window(IMAGEN)
    app.key("Return")
    app.wait_exit(status=0)
    expect(app.stderr_text() == "", f"standard error: {app.stderr_text()!r}")


fw.run(escenario, data_from=os.path.dirname(os.path.abspath(programa())))
