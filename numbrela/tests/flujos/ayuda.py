"""Help: F1 opens the help at its contents and the window manager's close key (Alt+F4) closes
it; Ayuda > Ayuda en línea... opens it again."""
from planificador import *


def escenario(app):
    arranca(app)
    for abre_ayuda in (lambda: app.key("F1"), lambda: menu(app, "Ayuda", "a")):
        abre_ayuda()
        app.wait_window(AYUDA)
        pagina = " ".join(app.texts(AYUDA))
        expect("Contenido" in pagina, f"the help's contents: {pagina[:200]!r}")
        app.key("alt+F4")
        app.wait_gone(AYUDA)
        app.wait_focus(PRINCIPAL)
    termina(app)


ejecuta(escenario)
