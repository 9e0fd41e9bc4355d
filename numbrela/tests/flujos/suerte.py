"""Lucky numbers: refused with its message before a user is given; then Suerte > Tus 3
números counts down, a screen reader hears the three numbers, then Return closes the
window."""
import re

from planificador import *


def escenario(app):
    arranca(app)
    step("Suerte > Tus 3 números without a user: the message")
    menu(app, "Suerte", "t")
    aviso(app, "No ha escogido un usuario")
    fecha_y_usuario(app)
    step("Suerte > Tus 3 números")
    menu(app, "Suerte", "t")
    app.wait_window(SUERTE)
    barra = app.find("progress bar", "Calculando....", SUERTE)
    app.until(lambda: not app.state(barra, "showing"), 20, "the countdown over")
    numeros = [t for t in app.texts(SUERTE) if re.fullmatch(r"Número [123]: \d+", t)]
    expect(len(numeros) == 3, f"the three numbers by name: {app.texts(SUERTE)}")
    app.key("Return")
    app.wait_gone(SUERTE)
    app.wait_focus(PRINCIPAL)
    termina(app)


ejecuta(escenario)
