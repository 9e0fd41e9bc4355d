"""Moving through the slips of a set of nine bets (two slips) and naming it: Right, Left,
Down, Up change the slip counter; B with 2 goes to slip 2, B with 3 is refused with "Error:
No existe ese boleto" and B with nothing with "Error al introducir BOLETO"; the name button
renames the set."""
import os

from planificador import *


def boleto(app):
    return texto_que_empieza(app, "Boleto ")


def espera_boleto(app, n):
    app.until(lambda: boleto(app) == f"Boleto {n} de 2", 5, f"slip {n} of 2 ({boleto(app)})")


def ir_a(app, texto):
    app.key("b")
    app.wait_window(ATENCION)
    if texto:
        app.type(texto)
    app.key("Return")


def escenario(app):
    ruta = escribe(os.path.join(app.tmp, "nueve.apu"),
                   fichero_simple([[1, 2, 3, 4, 5, 6 + i] for i in range(9)]))
    arranca(app)
    abre(app, ruta)
    espera_boleto(app, 1)
    for tecla, n in (("Right", 2), ("Right", 2), ("Left", 1), ("Down", 2), ("Up", 1)):
        step(f"{tecla}: slip {n}")
        app.key(tecla)
        espera_boleto(app, n)
    step("B 2: slip 2")
    ir_a(app, "2")
    app.wait_gone(ATENCION)
    espera_boleto(app, 2)
    step("B 3: refused")
    ir_a(app, "3")
    aviso(app, "Error: No existe ese boleto")
    if ATENCION in app.titles():
        app.key("Escape")
        app.wait_gone(ATENCION)
    espera_boleto(app, 2)
    step("B with nothing: refused")
    ir_a(app, "")
    aviso(app, "Error al introducir BOLETO")
    if ATENCION in app.titles():
        app.key("Escape")
        app.wait_gone(ATENCION)
    espera_boleto(app, 2)
    step("the name button: Introducción de nombre, a new name, Return")
    pulsa(app, "Flujo")
    app.wait_window("Introducción de nombre")
    app.key("ctrl+a")
    app.type("Semana 12")
    app.key("Return")
    app.wait_gone("Introducción de nombre")
    app.wait_focus(PRINCIPAL)
    app.until(lambda: "Semana 12" in app.controls(PRINCIPAL), 5, "the name button renamed")
    termina(app)


ejecuta(escenario)
