"""A reduced system of ten numbers al CUATRO: T, Reducida, al CUATRO, ten numbers clicked,
Return; its legend and bets; N reopens the chosen numbers (Escape keeps them); saved
(532 bytes) and opened again with its legend."""
import os

from planificador import *

NUMEROS = [2, 7, 11, 19, 23, 30, 36, 42, 44, 49]


def escenario(app):
    arranca(app)
    step("T, Reducida, al CUATRO")
    nuevo_tipo(app, "Reducida")
    app.wait_window(TIPO_REDUCCION)
    pulsa(app, "Reducción al CUATRO", TIPO_REDUCCION)
    app.wait_window(ATENCION)
    step("ten numbers clicked, Return")
    botones = app.controls(ATENCION)
    for n in NUMEROS:
        app.click_node(botones[str(n)])
    expect(any("Total Reducidos:" in t and "10" in t for t in app.texts(ATENCION)),
           f"the counter: {app.texts(ATENCION)}")
    app.key("Return")
    app.wait_gone(ATENCION)
    app.wait_focus(PRINCIPAL)
    expect("Reducida de 10 números, al CUATRO" in leyenda(app), leyenda(app))
    expect(app.state(boton(app, "Números"), "enabled") and
           app.state(boton(app, "Reducir"), "enabled"), "Números and Reducir enabled")
    step("N: the chosen numbers again; Escape keeps them")
    app.key("n")
    app.wait_window(ATENCION)
    app.key("Escape")
    app.wait_gone(ATENCION)
    app.wait_focus(PRINCIPAL)
    expect("Reducida de 10 números, al CUATRO" in leyenda(app), leyenda(app))
    ruta = os.path.join(app.tmp, "reducida.apu")
    graba_como(app, ruta)
    datos_ = lee(ruta)
    expect(len(datos_) == 532 and datos_[101] == 3 and datos_[102] == 2,
           f"a reduced set's file: {len(datos_)} bytes, kind {datos_[101]}")
    expect(list(datos_[210:220]) == NUMEROS, f"its numbers: {list(datos_[210:220])}")
    app.key("ctrl+n")
    app.until(lambda: "Simple de 1 apuestas" in leyenda(app), 5, "the new set")
    abre(app, ruta)
    app.until(lambda: "Reducida de 10 números, al CUATRO" in leyenda(app), 5,
               "the reopened system's legend")
    termina(app)


ejecuta(escenario)
