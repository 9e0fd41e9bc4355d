"""What every flow scenario of the planner shares: starting it as a user meets it (the about
picture and the user dialog of the first activation, dismissed from the keyboard), its window
titles, and small steps on the main window. The scenarios run under
scripts/flows/run-flow.sh with the planner's executable as their argument."""
import os
import re
import sys

import flowkit
from flowkit import Failure, expect, step

PRINCIPAL = "Numbrela Pro 1.36"
# Message boxes carry the program's title too; they are told apart by count.
AVISO = PRINCIPAL
IMAGEN = " "  # the borderless picture window (about, ordering, information)
USUARIO = "Escoja o Introduzca un usuario..."
TIPO = "Introduzca el tipo de apuestas que desea realizar"
NUM_APUESTAS = "Introduzca el número de apuestas que quiere jugar"
MULTIPLE = "Marque la cantidad de CRUCES "
TIPO_REDUCCION = "Escoja el tipo de Reducción que desea"
ATENCION = "Atención !!!"  # exit, go to slip, numbers of a reduction, progress, draw date
NUMEROS_APUESTA = "Elección de Números"
INFORMACION = "Información sobre Numbrela® Profesional"
RELLENO = "Rellenado de apuestas...."
AZARIX = "Generar apuestas con Azarix"
ESCRUTAR = "Escrutar apuestas..."
RESULTADOS = "Resultados del escrutinio"
LISTADO = "Listado de apuestas y escrutinio"
PREVIA = re.compile(r"^Formulario de Previsualización de impresión")
IMPRESION = "Impresión de Boletos"
BIORRITMO = re.compile(r"^Biorritmo")
SUERTE = "Apunta tus números de la suerte"
AYUDA = "Ayuda de Numbrela"
ABRIR = "Cargar apuesta desde disco..."
GRABAR = "Guardar apuesta en disco..."
# The probe of a program that answers: B opens "go to slip", Escape closes it.
SONDA = ("b", ATENCION)


def programa():
    return sys.argv[1]


def arranca(app, *args):
    """Starts the planner and walks through its first activation: the about picture
    (Return) and the user dialog (Escape); the main window is then in front."""
    app.start(args)
    app.wait_window(IMAGEN)
    app.key("Return")
    app.wait_window(USUARIO)
    app.key("Escape")
    app.wait_gone(USUARIO)
    app.wait_focus(PRINCIPAL)


def termina(app, abiertas=(PRINCIPAL,)):
    """The end of every scenario: only the main window left, answering keys."""
    app.finish(list(abiertas), probe=SONDA)


def boton(app, nombre, ventana=PRINCIPAL):
    return app.find("push button", nombre, ventana)


def pulsa(app, nombre, ventana=PRINCIPAL):
    """Clicks the button named `nombre` in the window `ventana`, where the user sees it."""
    app.click_node(boton(app, nombre, ventana))


def menu(app, menu_, *teclas):
    """Opens a menu of the menu bar with the mouse and chooses an item by its letter (more
    keys for a submenu); returns once every menu has closed."""
    app.wait_focus(PRINCIPAL)
    titulo = app.find("menu item", menu_, PRINCIPAL)
    for intento in range(2):
        # A click that only makes the window active again on a busy machine opens nothing:
        # the user clicks once more.
        app.click_node(titulo)
        try:
            app.until(lambda: app.popups(), 2.5, f"the menu {menu_!r} open")
            break
        except Failure:
            if intento == 1:
                raise
            step(f"the menu {menu_!r} clicked again")
    for t in teclas:
        app.key(t)
    app.until(lambda: not app.popups(), 5, f"the menu {menu_!r} closed")




def texto_que_empieza(app, prefijo, ventana=PRINCIPAL):
    for t in app.texts(ventana):
        if t.startswith(prefijo):
            return t
    raise Failure(f"no text starting with {prefijo!r} in {ventana!r}: {app.texts(ventana)}")


def leyenda(app):
    return texto_que_empieza(app, "Tipo de")




def escruta(app, sorteo, complementario):
    """E, the six numbers and the complementary typed field by field, Return: the results
    window's texts, read before Escape closes it and the main window has the focus again."""
    app.key("e")
    app.wait_window(ESCRUTAR)
    campo = app.find("text", "Número 1", ESCRUTAR)
    app.until(lambda: app.state(campo, "focused"), 5, "the first number's field focused")
    for n in sorteo:
        app.type(str(n))
        app.key("Tab")
    app.type(str(complementario))
    app.key("Return")
    app.wait_window(RESULTADOS)
    resultados = app.texts(RESULTADOS)
    step(f"results: {resultados}")
    app.key("Escape")
    app.wait_gone(RESULTADOS)
    app.wait_focus(PRINCIPAL)
    return resultados


def aviso(app, contiene, tecla="Return", timeout=flowkit.TIMEOUT):
    """A message box of the program (titled as the main window) says `contiene`; `tecla`
    dismisses it. Returns its text."""
    app.wait_count(AVISO, 2, timeout)
    node = None
    for role, name, n in reversed(app.a11y_windows()):
        if name == AVISO and role != "frame":
            node = n
            break
    expect(node is not None, f"no message box in the accessibility tree: {app.a11y_windows()}")
    todo = " ".join(t for t in _textos_nodo(node))
    expect(contiene in todo, f"the message says {todo!r}, expected {contiene!r}")
    step(f"message {todo[:70]!r}" + (f": {tecla}" if tecla else ""))
    if tecla:
        app.wait_focus(AVISO)
        app.key(tecla)
        app.wait_count(AVISO, 1)
    return todo


def _textos_nodo(node):
    out = []
    flowkit._walk(node, out)
    res = []
    for n in out:
        try:
            if n.name:
                res.append(n.name)
        except Exception:
            pass
    return res




def ejecuta(escenario):
    flowkit.run(escenario, data_from=os.path.dirname(os.path.abspath(programa())))


def cabecera(tipo, nombre="Flujo", reducidos=(), fijos=(), tipo_reduccion=0, total=0,
             codigo_multiple=0, leyenda="", juego=0):
    """The 532-byte header of a bet file, as the program writes it."""
    import struct
    h = bytearray(532)
    n = nombre.encode("cp1252")[:100]
    h[0] = len(n)
    h[1:1 + len(n)] = n
    h[101] = tipo
    h[102] = tipo_reduccion
    struct.pack_into("<ii", h, 104, len(reducidos), len(fijos))
    for i in reducidos:
        h[112 + i - 1] = i
    for i in fijos:
        h[161 + i - 1] = i
    for p, i in enumerate(sorted(reducidos)):
        h[210 + p] = i
    for p, i in enumerate(sorted(fijos)):
        h[259 + p] = i
    struct.pack_into("<ii", h, 308, total, max(0, (total - 1) // 8))
    h[320] = codigo_multiple
    ley = leyenda.encode("cp1252")[:200]
    h[328] = len(ley)
    h[329:329 + len(ley)] = ley
    h[529] = juego
    return bytes(h)


def escribe(ruta, contenido):
    with open(ruta, "wb") as f:
        f.write(contenido)
    return ruta


def lee(ruta):
    with open(ruta, "rb") as f:
        return f.read()


def descarta_primera_activacion(app, vistos):
    """The about picture and the user dialog may come at any moment of a flow that starts
    with a file: each is dismissed from the keyboard when it has the focus."""
    foco = app.focused()
    if foco == IMAGEN and IMAGEN not in vistos:
        step("the about picture: Return")
        vistos.append(IMAGEN)
        app.key("Return")
        app.wait_gone(IMAGEN)
        return True
    if foco == USUARIO and USUARIO not in vistos:
        step("the user dialog: Escape")
        vistos.append(USUARIO)
        app.key("Escape")
        app.wait_gone(USUARIO)
        return True
    return False


def recupera(app):
    """After a failed check: Escape closes what is open until only the main window is left."""
    import time
    for _ in range(4):
        if app.titles() == [PRINCIPAL]:
            return
        app.key("Escape")
        time.sleep(0.3)


def nuevo_tipo(app, tipo):
    """T, then the kind ("Simple", "Multiple" or "Reducida") chosen with the mouse."""
    app.key("t")
    app.wait_window(TIPO)
    pulsa(app, tipo, TIPO)
    app.wait_gone(TIPO)


def simples(app, n):
    """A new simple set of n empty bets: T, Simple, n, Return."""
    step(f"a new simple set of {n} bets")
    nuevo_tipo(app, "Simple")
    app.wait_window(NUM_APUESTAS)
    app.type(str(n))
    app.key("Return")
    app.wait_gone(NUM_APUESTAS)
    app.wait_focus(PRINCIPAL)


def marca(app, apuesta, numeros):
    """Marks the numbers of a bet on the slip on screen: its bet button opens "Elección de
    Números", a click on each number marks it, Return accepts."""
    step(f"bet {apuesta}: {'-'.join(map(str, numeros))}")
    pulsa(app, str(apuesta))
    app.wait_window(NUMEROS_APUESTA)
    botones = app.controls(NUMEROS_APUESTA)
    for n in numeros:
        app.click_node(botones[str(n)])
    app.key("Return")
    app.wait_gone(NUMEROS_APUESTA)
    app.wait_focus(PRINCIPAL)


def dialogo_fichero(app, titulo, ruta):
    """A file dialog: its name field takes the whole path, Return accepts."""
    app.wait_window(titulo)
    campo = app.find("text", "File name:", titulo)
    app.until(lambda: app.state(campo, "focused"), 5, "the file name field focused")
    app.key("ctrl+a")
    app.type(ruta)
    texto = campo.queryText()
    app.until(lambda: texto.getText(0, -1) == ruta, 5,
               f"the path typed in the name field (it reads {texto.getText(0, -1)!r})")
    app.key("Return")
    app.wait_gone(titulo)
    app.wait_focus(PRINCIPAL)


def fecha_y_usuario(app, nombre="Ana Perez"):
    """The draw date (15 March 2026) and a user (7 October 1970) given through the Azarix
    menu, as filling requires."""
    step("draw date through Azarix > Fecha de Sorteo...")
    menu(app, "Azarix", "f")
    app.wait_window(ATENCION)
    app.type("15")
    app.key("Tab")
    app.type("mar")
    app.key("Tab")
    app.type("2026")
    app.key("Return")
    app.wait_gone(ATENCION)
    step("user through Azarix > Datos del usuario...")
    menu(app, "Azarix", "d")
    rellena_usuario(app, nombre)
    app.key("Return")
    app.wait_gone(USUARIO)
    app.wait_focus(PRINCIPAL)


def rellena_usuario(app, nombre):
    """Fills the user dialog: the name, day 7, October (choosing the month moves to the
    year), 1970."""
    app.wait_window(USUARIO)
    app.type(nombre)
    app.key("Tab")
    app.type("7")
    app.key("Tab")
    app.type("o")
    app.type("1970")


def apuestas_del_fichero(contenido):
    """The bets of a simple set's file, as lists of numbers."""
    import struct
    n = struct.unpack_from("<i", contenido, 532)[0]
    return [list(contenido[536 + 6 * i:542 + 6 * i]) for i in range(n)]


def fichero_simple(apuestas, nombre="Flujo"):
    import struct
    h = cabecera(1, nombre, total=len(apuestas),
                 leyenda=f"Tipo de Primitiva: Simple de {len(apuestas)} apuestas")
    return h + struct.pack("<i", len(apuestas)) + b"".join(bytes(sorted(a)) for a in apuestas)


def abre(app, ruta):
    """Ctrl+O and the path typed in the open dialog."""
    step(f"Ctrl+O {os.path.basename(ruta)}")
    app.key("ctrl+o")
    dialogo_fichero(app, ABRIR, ruta)


def graba_como(app, ruta, espera=True):
    """Grabar como... with the path typed; by default waits until the file is written (the
    window manager gives the focus back before the program has written it)."""
    step(f"Grabar como... {os.path.basename(ruta)}")
    antes = os.stat(ruta).st_mtime_ns if os.path.exists(ruta) else None
    menu(app, "Archivo", "r")
    dialogo_fichero(app, GRABAR, ruta)
    if espera:
        escrito(app, ruta, antes)


def escrito(app, ruta, antes=None):
    """Waits until `ruta` is written anew (its time differs from `antes`) and no message
    stands."""
    app.until(lambda: os.path.exists(ruta) and os.stat(ruta).st_mtime_ns != antes
               and os.path.getsize(ruta) > 0, 5, f"{os.path.basename(ruta)} written")
    app.wait_focus(PRINCIPAL)
    expect(app.titles() == [PRINCIPAL], f"no message after saving: {app.titles()}")
