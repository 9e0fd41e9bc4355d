"""Keys as the help states them: the button on screen takes Alt+letter (Alt+S "Salir",
Alt+I "Imprimir", Alt+A "Apuestas"), the menus stay reachable with F10; a command letter
acts with Shift or Caps Lock too."""
from planificador import *


def menu_abierto(app):
    """A pull-down menu is up."""
    return bool(app.popups())


def abre_y_cierra(app, combo, ventana, texto=None):
    def accion():
        app.key(combo)
        app.wait_window(ventana, timeout=2)
        if texto:
            expect(texto in app.texts(ventana), f"{ventana}: {app.texts(ventana)}")
        app.key("Escape")
        app.wait_gone(ventana)
        app.wait_focus(PRINCIPAL)
    return accion


def f10(app):
    app.key("F10")
    app.key("Down")
    app.until(lambda: menu_abierto(app), 2, "a menu opened from F10 and Down")
    app.key("Escape")
    app.key("Escape")
    app.until(lambda: not menu_abierto(app), 2, "the menu closed")
    app.wait_focus(PRINCIPAL)


def bloq_mayus(app):
    app.key("Caps_Lock")
    try:
        abre_y_cierra(app, "t", TIPO)()
    finally:
        app.key("Caps_Lock")


def escenario(app):
    arranca(app)
    salir = "¿Está seguro de que desea salir de Numbrela?"
    app.check("Alt+S opens the exit question of the Salir button",
              abre_y_cierra(app, "alt+s", ATENCION, salir), lambda: recupera(app))
    app.check("Alt+I opens the slip printing of the Imprimir button",
              abre_y_cierra(app, "alt+i", IMPRESION), lambda: recupera(app))
    app.check("Alt+A opens the number of bets of the Apuestas button",
              abre_y_cierra(app, "alt+a", NUM_APUESTAS, "¿Número de Apuestas?"),
              lambda: recupera(app))
    app.check("F10 reaches the menu bar", lambda: f10(app), lambda: recupera(app))
    app.check("Shift+B opens 'go to slip' as B does",
              abre_y_cierra(app, "shift+b", ATENCION, "¿A qué boleto desea ir?"),
              lambda: recupera(app))
    app.check("with Caps Lock on, T opens the kind choice", lambda: bloq_mayus(app),
              lambda: recupera(app))
    termina(app)


ejecuta(escenario)
