"""Filling with Azarix: the Azarix window works through its steps and closes by itself;
keys pressed meanwhile (Escape, T, S, Return) are ignored; the three bets come out full and
the program answers afterwards."""
import os
import time

from planificador import *


def escenario(app):
    arranca(app)
    simples(app, 3)
    fecha_y_usuario(app)
    step("R, Azarix")
    app.key("r")
    app.wait_window(RELLENO)
    pulsa(app, "Azarix®", RELLENO)
    app.wait_window(AZARIX)
    step("keys while Azarix works: ignored")
    for k in ("Escape", "t", "s", "Return", "alt+F4"):
        app.key(k)
        time.sleep(0.1)
    time.sleep(0.5)
    expect(app.titles() == [PRINCIPAL, AZARIX],
           f"Azarix still working and nothing else opened: {app.titles()}")
    app.wait_gone(AZARIX, timeout=75)
    app.wait_focus(PRINCIPAL)
    ruta = os.path.join(app.tmp, "azarix.apu")
    graba_como(app, ruta)
    apuestas = apuestas_del_fichero(lee(ruta))
    expect(len(apuestas) == 3 and all(len(set(a)) == 6 for a in apuestas),
           f"three full bets: {apuestas}")
    termina(app)


ejecuta(escenario)
