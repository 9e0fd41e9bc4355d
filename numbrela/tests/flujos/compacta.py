"""A compact reduction chosen in the window: T, Reducida, al TRES, the 49 numbers clicked;
the numbers dialog shows the table's bets, the compact design's and the saving in euros;
Alt+C picks "Diseño compacto", Return: the legend names the design and its bets. Saved as
simple bets, opened again with the same bets and legend, a draw scrutinised, then listed."""
import os

from planificador import *


def escenario(app):
    # The delivered design's size: four bytes a bet.
    compactas = os.path.getsize(os.path.join(app.data, "COM49-3.RLC")) // 4
    expect(0 < compactas < 496, f"the compact design is smaller than the table's: {compactas}")
    esperada = f"Reducida compacta de 49 números al TRES: {compactas} apuestas"
    arranca(app)
    step("T, Reducida, al TRES")
    nuevo_tipo(app, "Reducida")
    app.wait_window(TIPO_REDUCCION)
    pulsa(app, "Reducción al TRES", TIPO_REDUCCION)
    app.wait_window(ATENCION)
    step("the 49 numbers clicked")
    botones = app.controls(ATENCION)
    for n in range(1, 50):
        app.click_node(botones[str(n)])
    oferta = f"al TRES: tabla 496 apuestas, compacta {compactas} (ahorro {496 - compactas},00 €)"
    app.until(lambda: oferta in app.texts(ATENCION), 5, f"the offer {oferta!r}")
    casilla = app.find("check box", "Diseño compacto", ATENCION)
    expect(app.state(casilla, "enabled") and not app.state(casilla, "checked"),
           "the compact design offered, not chosen")
    step("Alt+C: the compact design; Return")
    app.key("alt+c")
    app.until(lambda: app.state(casilla, "checked"), 5, "the compact design checked")
    app.key("Return")
    app.wait_gone(ATENCION)
    app.wait_focus(PRINCIPAL)
    app.until(lambda: esperada in app.texts(PRINCIPAL), 5, "the compact legend")
    textos_ = app.texts(PRINCIPAL)
    for t in (f"Boleto 1 de {(compactas + 7) // 8}", f"{compactas * 100} pts"):
        expect(t in textos_, f"{t!r} on the main window")

    ruta = os.path.join(app.tmp, "compacta.apu")
    graba_como(app, ruta)
    datos_ = lee(ruta)
    expect(len(datos_) == 536 + 6 * compactas and datos_[101] == 1,
           f"saved as {compactas} simple bets ({len(datos_)} bytes, kind {datos_[101]})")
    expect(datos_[329:329 + datos_[328]].decode("cp1252") == esperada, "the legend in the file")
    apuestas = apuestas_del_fichero(datos_)
    step("Ctrl+N, then the file opened again")
    app.key("ctrl+n")
    app.until(lambda: "Simple de 1 apuestas" in leyenda(app), 5, "the new set")
    abre(app, ruta)
    app.until(lambda: esperada in app.texts(PRINCIPAL), 5, "the reopened set's legend")

    step("E: the first bet's numbers drawn")
    sorteo = apuestas[0]
    complementario = next(n for n in range(1, 50) if n not in sorteo)
    resultados = escruta(app, sorteo, complementario)
    expect("6 Aciertos: 1" in resultados, "the first bet wins six")
    expect(any(t.startswith("Aciertos: 6") for t in app.texts(PRINCIPAL)),
           "six hits under the first bet")

    step("L: the listing")
    app.key("l")
    app.wait_window(LISTADO, timeout=30)
    celdas = [n.name for n in app.nodes(LISTADO) if n.getRoleName() == "table cell"][:8]
    expect(celdas[:7] == ["1"] + [str(x) for x in apuestas[0]],
           f"the first row holds bet 1: {celdas}")
    app.key("Escape")
    app.wait_gone(LISTADO)
    app.wait_focus(PRINCIPAL)
    termina(app)


ejecuta(escenario)
