"""Printing slips through a real print server: a set of nine bets (two slips), I opens
"Impresión de Boletos", "Todos los boletos", "Imprimir", the printer dialog offers the
private PDF queue and Return prints; the queue writes one PDF per slip; Escape closes the
printing window."""
import os
import random
import subprocess
import time

from cups_privado import COLA, ServidorCups
from planificador import *

IMPRIMIR = "Print"  # the platform's printer dialog


def paginas(ruta):
    r = subprocess.run(["pdfinfo", ruta], capture_output=True, text=True)
    for linea in r.stdout.splitlines():
        if linea.startswith("Pages:"):
            return int(linea.split()[1])
    return None


def escenario(app):
    azar = random.Random(5)
    ruta = escribe(os.path.join(app.tmp, "nueve.apu"),
                   fichero_simple([azar.sample(range(1, 50), 6) for _ in range(9)]))
    with ServidorCups() as cups:
        app.env["CUPS_SERVER"] = cups.socket
        arranca(app)
        abre(app, ruta)
        app.until(lambda: "Simple de 9 apuestas" in leyenda(app), 5, "the set opened")
        step("I: the printing window; Todos los boletos; Imprimir")
        app.key("i")
        app.wait_window(IMPRESION)
        app.click_node(app.find("radio button", "Todos los boletos", IMPRESION))
        pulsa(app, "Imprimir", IMPRESION)
        app.wait_window(IMPRIMIR)
        expect(app.find("combo box", COLA, IMPRIMIR) is not None, "the PDF queue offered")
        step("the printer dialog: Return prints")
        app.key("Return")
        app.wait_gone(IMPRIMIR)
        app.until(lambda: len(cups.nuevos()) >= 2, 60,
                   f"two slips in the queue's folder {cups.salida}")
        time.sleep(0.5)  # the last file is complete once its job has ended
        ficheros = cups.nuevos()
        expect(len(ficheros) == 2 and "Boleto_1" in ficheros[0] and "Boleto_2" in ficheros[1],
               f"one PDF per slip: {ficheros}")
        for f in ficheros:
            n = paginas(os.path.join(cups.salida, f))
            expect(n in (1, None), f"{f}: {n} pages")
        app.wait_focus(IMPRESION)
        app.key("Escape")
        app.wait_gone(IMPRESION)
        app.wait_focus(PRINCIPAL)
        termina(app)


ejecuta(escenario)
