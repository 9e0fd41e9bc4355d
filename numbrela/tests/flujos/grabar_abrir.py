"""A simple set marked by hand, saved with "Grabar como...", cleared with Ctrl+N, opened
again with Ctrl+O and saved again with Ctrl+S: the same bytes; saving over the file asks
first, and No leaves it as it was. Real file dialogs, the path typed."""
import os
import struct

from planificador import *

APUESTAS = ([1, 2, 3, 4, 5, 6], [10, 20, 30, 40, 45, 49])


def escenario(app):
    ruta = os.path.join(app.tmp, "dos.apu")
    arranca(app)
    simples(app, 2)
    for i, numeros in enumerate(APUESTAS, 1):
        marca(app, i, numeros)
    graba_como(app, ruta)
    datos_ = lee(ruta)
    expect(len(datos_) == 536 + 6 * 2, f"the file holds the header, the count and two bets "
                                       f"({len(datos_)} bytes)")
    expect(datos_[101] == 1 and struct.unpack_from("<i", datos_, 532)[0] == 2,
           "a simple set of two bets")
    expect([list(datos_[536:542]), list(datos_[542:548])] == list(APUESTAS),
           f"the bets as marked: {list(datos_[536:548])}")
    expect(any(ruta in t for t in app.texts(PRINCIPAL)), "the file panel shows the path")
    expect(lee(os.path.join(app.data, "ULTIMO.DB"))[1:] == ruta.encode(),
           "the last-file record holds the path")

    step("Ctrl+N: a new set")
    app.key("ctrl+n")
    app.until(lambda: "Simple de 1 apuestas" in leyenda(app), 5, "the new set's legend")
    step("Ctrl+O: the same file opened again")
    app.key("ctrl+o")
    dialogo_fichero(app, ABRIR, ruta)
    app.wait_focus(PRINCIPAL)
    app.until(lambda: "Simple de 2 apuestas" in leyenda(app), 5, "the opened set's legend")
    step("Ctrl+S: saved again, the same bytes")
    os.utime(ruta, (0, 0))
    app.key("ctrl+s")
    escrito(app, ruta, 0)
    expect(lee(ruta) == datos_, "Ctrl+S writes the set read back byte for byte")

    step("Grabar como... onto the same file: the question; No keeps it")
    os.utime(ruta, (0, 0))
    graba_como(app, ruta, espera=False)
    aviso(app, "El archivo existe, Desea SOBREESCRIBIRLO?", "Escape")
    expect(os.path.getmtime(ruta) == 0 and lee(ruta) == datos_, "the file untouched")
    termina(app)


ejecuta(escenario)
