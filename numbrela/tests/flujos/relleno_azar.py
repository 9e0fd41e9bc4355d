"""Filling at random: refused with its message before the draw date and the user are given;
then ten simple bets filled "Completamente al azar", saved, and every bet holds six
different numbers from 1 to 49."""
import os

from planificador import *


def escenario(app):
    arranca(app)
    simples(app, 10)
    step("R before the draw date and the user: the message")
    app.key("r")
    aviso(app, "Antes debes introducir la Fecha del Sorteo y el usuario en el menú AZARIX")
    fecha_y_usuario(app)
    step("R, Completamente al azar")
    app.key("r")
    app.wait_window(RELLENO)
    pulsa(app, "Completamente al azar", RELLENO)
    app.wait_gone(RELLENO)
    app.wait_focus(PRINCIPAL)
    ruta = os.path.join(app.tmp, "azar.apu")
    graba_como(app, ruta)
    apuestas = apuestas_del_fichero(lee(ruta))
    expect(len(apuestas) == 10, f"ten bets saved: {apuestas}")
    for a in apuestas:
        expect(len(set(a)) == 6 and all(1 <= x <= 49 for x in a), f"a full bet: {a}")
    termina(app)


ejecuta(escenario)
