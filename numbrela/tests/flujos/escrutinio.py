"""Scrutiny: a saved set of three bets opened, E, the draw typed (six numbers and the
complementary), the results counted, then each bet's hits under it on the slip."""
import os

from planificador import *

APUESTAS = [[1, 2, 3, 4, 5, 6], [1, 2, 3, 10, 11, 12], [20, 21, 22, 23, 24, 25]]
SORTEO = [1, 2, 3, 4, 5, 7]
COMPLEMENTARIO = 6


def escenario(app):
    ruta = escribe(os.path.join(app.tmp, "tres.apu"), fichero_simple(APUESTAS))
    arranca(app)
    abre(app, ruta)
    app.until(lambda: "Simple de 3 apuestas" in leyenda(app), 5, "the set opened")
    step("E: the draw typed, Return")
    resultados = escruta(app, SORTEO, COMPLEMENTARIO)
    for esperado in ("5 Aciertos+C: 1", "3 Aciertos: 1", "6 Aciertos: 0"):
        expect(esperado in resultados, f"{esperado!r} among the results")
    textos_ = app.texts(PRINCIPAL)
    for esperado in ("Aciertos: 5 +C", "Aciertos: 3"):
        expect(any(t.startswith(esperado) for t in textos_),
               f"{esperado!r} under a bet: {[t for t in textos_ if 'Aciertos' in t]}")
    termina(app)


ejecuta(escenario)
