"""Damaged bet files opened from the menu while another set is on screen. A file cut inside
its header: the program's message, and the set on screen stays with its legend, its file and
its Save state (Ctrl+S writes that file). A file cut inside its bets: the message, and Save
is off (only "Grabar como..." saves what was read), so Ctrl+S writes nothing. No byte of the
damaged files changes."""
import os
import time

from planificador import *

BUENAS = [[1, 2, 3, 4, 5, 6], [7, 8, 9, 10, 11, 12]]


def escenario(app):
    buena = escribe(os.path.join(app.tmp, "buena.apu"), fichero_simple(BUENAS))
    entera = fichero_simple([[13, 14, 15, 16, 17, 18]] * 5, "Danada")
    cabecera_ = escribe(os.path.join(app.tmp, "cabecera.apu"), entera[:300])
    apuestas = escribe(os.path.join(app.tmp, "apuestas.apu"), entera[:536 + 6 * 3 + 3])
    originales = {r: lee(r) for r in (buena, cabecera_, apuestas)}

    def cambiados(danado):
        return [os.path.basename(r) for r in (buena, danado) if lee(r) != originales[r]]

    def ctrl_s():
        step("Ctrl+S")
        os.utime(buena, (0, 0))
        app.key("ctrl+s")

    def cortada_en_la_cabecera():
        abre(app, cabecera_)
        aviso(app, "Se ha producido un error durante la lectura de datos")
        app.wait_focus(PRINCIPAL)
        expect("Simple de 2 apuestas" in leyenda(app), f"the set kept: {leyenda(app)}")
        panel = [t for t in app.texts(PRINCIPAL) if t.endswith(".apu") or "NINGUNO" in t]
        ctrl_s()
        app.until(lambda: os.stat(buena).st_mtime_ns != 0 or cambiados(cabecera_), 5,
                  "a file written by Ctrl+S")
        app.wait_focus(PRINCIPAL)
        expect(not cambiados(cabecera_), f"changed by Ctrl+S: {cambiados(cabecera_)}")
        expect(panel == [buena], f"the file panel shows the set's own file: {panel}")

    def cortada_en_las_apuestas():
        abre(app, apuestas)
        aviso(app, "Error recobrando apuestas desde disco")
        app.wait_focus(PRINCIPAL)
        ctrl_s()
        time.sleep(1)
        expect(not cambiados(apuestas) and os.stat(buena).st_mtime_ns == 0,
               f"Ctrl+S wrote nothing: changed {cambiados(apuestas)}, "
               f"{'the good file rewritten' if os.stat(buena).st_mtime_ns else ''}")
        expect(not app.state(app.find("menu item", "Grabar", PRINCIPAL), "enabled"),
               "Grabar off after a partial read")

    arranca(app)
    abre(app, buena)
    app.until(lambda: "Simple de 2 apuestas" in leyenda(app), 5, "the good set opened")
    app.check("a file cut inside its header", cortada_en_la_cabecera, lambda: recupera(app))
    app.check("a file cut inside its bets", cortada_en_las_apuestas, lambda: recupera(app))
    termina(app)


ejecuta(escenario)
