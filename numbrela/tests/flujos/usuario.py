"""The user: typed in the user dialog of the first activation, entered into the users file
with "Introducir usuario en base datos", accepted with Return; after a restart the same
dialog offers the user among the earlier ones."""
import os

from planificador import *


def escenario(app):
    app.start()
    app.wait_window(IMAGEN)
    app.key("Return")
    step("the user dialog: name, date, Introducir usuario en base datos, Return")
    rellena_usuario(app, "Ana Perez")
    pulsa(app, "Introducir usuario en base datos", USUARIO)
    app.until(lambda: os.path.exists(os.path.join(app.data, "USUARIOS.DB")), 5,
               "USUARIOS.DB written")
    app.wait_focus(USUARIO)
    app.key("Return")
    app.wait_gone(USUARIO)
    app.wait_focus(PRINCIPAL)
    step("Archivo > Salir del programa ends it; a second start")
    menu(app, "Archivo", "s")
    app.wait_window(IMAGEN)
    app.key("Return")
    app.wait_exit(status=0)
    app.start()
    app.wait_window(IMAGEN)
    app.key("Return")
    app.wait_window(USUARIO)
    anteriores = app.find("combo box", "Escoja usuario anterior...", USUARIO)
    nombres = [n.name for n in app.nodes(USUARIO)
               if n.getRoleName() == "list item"]
    expect("Ana Perez" in nombres, f"the earlier user offered: {nombres}")
    expect(anteriores is not None, "the list of earlier users")
    app.key("Escape")
    app.wait_gone(USUARIO)
    termina(app)


ejecuta(escenario)
