"""The listing and its preview: L builds the listing of 3000 bets; its table shows the bets;
"Imprimir" opens the print preview, whose pages turn with the keys; Escape closes the
preview and the listing."""
import os
import random

from planificador import *


def escenario(app):
    azar = random.Random(11)
    apuestas = [sorted(azar.sample(range(1, 50), 6)) for _ in range(3000)]
    ruta = escribe(os.path.join(app.tmp, "muchas.apu"), fichero_simple(apuestas))
    arranca(app)
    abre(app, ruta)
    app.until(lambda: "Simple de 3000 apuestas" in leyenda(app), 5, "the set opened")
    step("L: the listing")
    app.key("l")
    app.wait_window(LISTADO, timeout=30)
    celdas = [n.name for n in app.nodes(LISTADO) if n.getRoleName() == "table cell"][:8]
    expect(celdas[:7] == ["1"] + [str(x) for x in apuestas[0]],
           f"the first row holds bet 1: {celdas}")
    step("Imprimir: the preview")
    pulsa(app, "Imprimir", LISTADO)
    app.wait_window(PREVIA, timeout=30)
    for k in ("Next", "End", "Home"):
        app.key(k)
    app.key("Escape")
    app.wait_gone(PREVIA)
    app.wait_focus(LISTADO)
    app.key("Escape")
    app.wait_gone(LISTADO)
    app.wait_focus(PRINCIPAL)
    termina(app)


ejecuta(escenario)
