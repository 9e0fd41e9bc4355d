"""A reduced bet file with a fixed number whose reduction file is missing, opened from the
command line: both notices, accept, the generation writes COM12-4-7.RLF, the success message
is dismissed with Return, the first-activation pictures are dismissed, and only the main
window is left, answering."""
import os
import time

from planificador import *

NUMEROS = (3, 7, 11, 15, 19, 23, 27, 31, 35, 39, 43, 47)


def escenario(app):
    apu = escribe(os.path.join(app.tmp, "fijos.apu"),
                  cabecera(3, "Con fijo", NUMEROS, (7,), tipo_reduccion=2))
    rlf = os.path.join(app.data, "COM12-4-7.RLF")
    app.start([apu])
    vistos = []
    avisos = []  # the notices' windows, as they came
    exito = None
    fin = time.monotonic() + 30
    while time.monotonic() < fin:
        if descarta_primera_activacion(app, vistos):
            continue
        titulos = app.titles()
        nuevas = [w.id for w in app.windows() if w.title == INFORMACION and w.id not in avisos]
        if nuevas and app.focused() == INFORMACION:
            avisos.append(nuevas[-1])
            step(f"notice {len(avisos)}: Return")
            textos = " ".join(app.texts(INFORMACION))
            expect(("Abrir" in textos) == (len(avisos) == 1),
                   f"notice {len(avisos)}: 'Abrir...' only in the first: {textos[:200]!r}")
            app.key("Return")  # the first one's accept goes on; the second one's accepts
            app.until(lambda: nuevas[-1] not in [w.id for w in app.windows()], 5,
                      "the notice closed")
            continue
        if titulos.count(AVISO) == 2 and exito is None:
            exito = aviso(app, "Creación de reducida con éxito", "Return")
            continue
        if (exito and len(vistos) == 2 and titulos == [PRINCIPAL]):
            break
        time.sleep(0.05)
    expect(len(avisos) == 2, f"both notices shown ({len(avisos)} seen)")
    expect(exito is not None, "the success message shown")
    expect("COM12-4-7.RLF" in exito, f"the message names the file: {exito!r}")
    expect(len(vistos) == 2, f"the first-activation windows dismissed: {vistos}")
    expect(os.path.exists(rlf), "COM12-4-7.RLF written")
    cuantas = int(exito.split("Generadas ")[1].split()[0])
    expect(os.path.getsize(rlf) == 4 * cuantas + 532,
           f"COM12-4-7.RLF holds {cuantas} ranks and the header")
    expect("Reducida de 12 números, al CUATRO" in leyenda(app), leyenda(app))
    termina(app)


ejecuta(escenario)
