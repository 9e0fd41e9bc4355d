"""Damaged bet files opened from the menu while another set is on screen: a file cut inside
its header and one cut inside its bets each give the program's message; the set on screen
stays with its legend, its file and its Save state (Ctrl+S writes that file, not the damaged
one), and no byte of either file changes."""
import os

from planificador import *

BUENAS = [[1, 2, 3, 4, 5, 6], [7, 8, 9, 10, 11, 12]]


def escenario(app):
    buena = escribe(os.path.join(app.tmp, "buena.apu"), fichero_simple(BUENAS))
    entera = fichero_simple([[13, 14, 15, 16, 17, 18]] * 5, "Danada")
    danados = {
        escribe(os.path.join(app.tmp, "cabecera.apu"), entera[:300]):
            "Se ha producido un error durante la lectura de datos",
        escribe(os.path.join(app.tmp, "apuestas.apu"), entera[:536 + 6 * 2 + 3]):
            "Error recobrando apuestas desde disco",
    }
    originales = {r: lee(r) for r in [buena, *danados]}
    arranca(app)
    abre(app, buena)
    app.until(lambda: "Simple de 2 apuestas" in leyenda(app), 5, "the good set opened")
    for ruta, mensaje in danados.items():
        def comprueba(ruta=ruta, mensaje=mensaje):
            abre(app, ruta)
            aviso(app, mensaje)
            app.wait_focus(PRINCIPAL)
            expect("Simple de 2 apuestas" in leyenda(app), f"the set kept: {leyenda(app)}")
            step("Ctrl+S: the good file written, the damaged one untouched")
            os.utime(buena, (0, 0))
            app.key("ctrl+s")
            cambiados = lambda: [os.path.basename(r) for r in (buena, ruta)
                                 if lee(r) != originales[r]]
            app.until(lambda: os.stat(buena).st_mtime_ns != 0 or cambiados(), 5,
                       "a file written by Ctrl+S")
            app.wait_focus(PRINCIPAL)
            expect(not cambiados(), f"changed by Ctrl+S: {cambiados()}")
            expect(os.stat(buena).st_mtime_ns != 0, "Ctrl+S wrote the good file")
            panel = [t for t in app.texts(PRINCIPAL) if t.endswith(".apu") or "NINGUNO" in t]
            expect(panel == [buena], f"the file panel shows the good file: {panel}")
        app.check(f"opening {os.path.basename(ruta)}", comprueba, lambda: recupera(app))
    termina(app)


ejecuta(escenario)
