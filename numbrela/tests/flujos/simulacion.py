"""The scrutiny's simulation: E, "Automático", a count of draws, Return; keys pressed while
the draws run (Escape, S, T, Return) are ignored; the counters fill, Escape closes the
window and the program answers."""
import os
import random
import time

from planificador import *


def escenario(app):
    azar = random.Random(7)
    apuestas = [azar.sample(range(1, 50), 6) for _ in range(40)]
    ruta = escribe(os.path.join(app.tmp, "cuarenta.apu"), fichero_simple(apuestas))
    arranca(app)
    abre(app, ruta)
    app.until(lambda: "Simple de 40 apuestas" in leyenda(app), 5, "the set opened")
    app.key("e")
    app.wait_window(ESCRUTAR)
    step("Automático: 30000 draws, Return")
    pulsa(app, "Automático", ESCRUTAR)
    cuenta = app.find("text", "sorteos automáticamente", ESCRUTAR)
    app.until(lambda: app.state(cuenta, "focused"), 5, "the count of draws focused")
    app.type("30000")
    app.key("Return")
    step("keys while the draws run: ignored")
    inicio = time.monotonic()
    for k in ("Escape", "s", "t", "Return"):
        app.key(k)
    time.sleep(0.3)
    expect(app.titles() == [PRINCIPAL, ESCRUTAR], f"only the scrutiny window: {app.titles()}")
    comprobando = app.find("label", "Comprobando sorteo nº", ESCRUTAR)
    step(f"waiting for the draws to end ({time.monotonic() - inicio:.1f} s in)")
    app.until(lambda: app.state(boton(app, "Comenzar", ESCRUTAR), "enabled"), 60,
               "the draws ended (Comenzar enabled again)")
    expect(comprobando is not None, "the counter shown")
    time.sleep(0.3)
    expect(app.titles() == [PRINCIPAL, ESCRUTAR],
           f"no key acted during the draws: {app.titles()}")
    app.key("Escape")
    app.wait_gone(ESCRUTAR)
    app.wait_focus(PRINCIPAL)
    termina(app)


ejecuta(escenario)
