"""Leaving the planner: S asks and Escape stays; the "Salir" button asks, Return agrees,
the information picture is dismissed with Return and the program ends with status 0."""
from planificador import *

PREGUNTA = "¿Está seguro de que desea salir de Numbrela?"


def escenario(app):
    arranca(app)
    step("S: the exit question; Escape stays")
    app.key("s")
    app.wait_window(ATENCION)
    expect(PREGUNTA in app.texts(ATENCION), f"the question: {app.texts(ATENCION)}")
    app.key("Escape")
    app.wait_gone(ATENCION)
    app.answers()
    app.probe(*SONDA)
    step("the Salir button: the question; Return leaves")
    pulsa(app, "Salir")
    app.wait_window(ATENCION)
    expect(PREGUNTA in app.texts(ATENCION), f"the question: {app.texts(ATENCION)}")
    app.key("Return")
    step("the information picture: Return")
    app.wait_window(IMAGEN)
    app.key("Return")
    app.wait_exit(status=0)
    expect(app.titles() == [], f"no window left: {app.titles()}")


ejecuta(escenario)
