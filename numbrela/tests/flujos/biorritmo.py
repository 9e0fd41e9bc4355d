"""The biorhythm: with a user given, Suerte > Biorritmo... shows the user's name and a
month's curve; a month and year chosen with the keys and "Calcular" recompute it; Escape closes it."""
from planificador import *


def escenario(app):
    arranca(app)
    fecha_y_usuario(app, "Luis Gomez")
    step("Suerte > Biorritmo...")
    menu(app, "Suerte", "b")
    app.wait_window(BIORRITMO)
    expect("Luis Gomez" in app.texts(BIORRITMO), f"the user's name: {app.texts(BIORRITMO)}")
    mes = app.find("combo box", "Mes", BIORRITMO)
    app.until(lambda: app.state(mes, "focused"), 5, "the month focused")
    step("October 2026, Calcular")
    app.type("o")
    app.key("Tab")
    app.type("2026")
    pulsa(app, "Calcular", BIORRITMO)
    app.wait_focus(BIORRITMO)
    app.key("Escape")
    app.wait_gone(BIORRITMO)
    app.wait_focus(PRINCIPAL)
    termina(app)


ejecuta(escenario)
