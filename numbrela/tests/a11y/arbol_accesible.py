#!/usr/bin/env python3
"""Reads the planner's main window over AT-SPI: every command button is a push button
named by its caption with its enabled state, the panels' texts are readable, and pressing
a button through its action works. Exit 0 pass, 1 fail, 77 skip."""
import os
import subprocess
import sys
import time

import pyatspi

# The buttons of a new set (one empty simple bet) and whether each is enabled.
ESPERADOS = {
    "Tipo": True, "Apuestas": True, "Reducir": False, "Números": False,
    "Listar": True, "Rellenar": True, "Escrutar": True, "Imprimir": True,
    "Primer boleto": True, "Boleto anterior": True, "Ir a boleto": True,
    "Boleto siguiente": True, "Último boleto": True, "Información": True,
    "Salir": True, "1": True, "Sin Nombre": True,
}


# Menu items a new set leaves disabled: "Grabar" needs a file first. Every other item of the
# menu bar and the pop-up acts, the help's included.
MENUS_INACTIVOS = {"Grabar", "Grabar..."}
MENUS_ACTIVOS = ("Ayuda en línea...", "Establecer impresora...", "Imprimir boletos...",
                 "Biorritmo...", "Tus 3 números", "Rellenar", "Escrutar...", "Listar...")


# The application's name on the bus: the program's title, or its file name.
NOMBRES = ("Numbrela Pro 1.36", "numbrela")


def aplicacion():
    # Up to a minute: the sanitizer build starts slowly on a loaded machine.
    for _ in range(300):
        try:
            escritorio = pyatspi.Registry.getDesktop(0)
        except Exception as e:  # the registry itself is unreachable
            print(f"SKIP: the accessibility registry cannot be read: {e}")
            sys.exit(77)
        for app in escritorio:
            if app is not None and app.name in NOMBRES and app.childCount > 0:
                return app
        time.sleep(0.2)
    return None


def recorre(nodo, visto):
    try:
        visto.append(nodo)
        for hijo in nodo:
            if hijo is not None:
                recorre(hijo, visto)
    except Exception:
        pass
    return visto


def main():
    app = aplicacion()
    if app is None:
        nombres = [a.name for a in pyatspi.Registry.getDesktop(0) if a is not None]
        print(f"FAIL: the planner never appeared on the accessibility bus (found {nombres})")
        return 1
    time.sleep(1)
    nodos = recorre(app, [])
    botones = {}
    for n in nodos:
        if n.getRole() == pyatspi.ROLE_PUSH_BUTTON:
            botones.setdefault(n.name, n)
    fallos = []
    for nombre, activo in ESPERADOS.items():
        b = botones.get(nombre)
        if b is None:
            fallos.append(f"no push button named {nombre!r}")
            continue
        estado = b.getState().contains(pyatspi.STATE_ENABLED)
        if estado != activo:
            fallos.append(f"{nombre!r} enabled={estado}, expected {activo}")
    # The seven columns a new set leaves without a bet say so; no button is known to a
    # screen reader by its internal name.
    for columna in range(2, 9):
        if f"Columna {columna} sin apuesta" not in botones:
            fallos.append(f"no push button named 'Columna {columna} sin apuesta'")
    internos = [n for n in botones if n.startswith(("MiBoton", "Codigo", "Panel"))]
    if internos:
        fallos.append(f"buttons known by their internal names: {internos}")
    menus = {}
    for n in nodos:
        if n.getRole() == pyatspi.ROLE_MENU_ITEM:
            menus.setdefault(n.name, n.getState().contains(pyatspi.STATE_ENABLED))
    for nombre in MENUS_ACTIVOS:
        if nombre not in menus:
            fallos.append(f"no menu item named {nombre!r}")
    for nombre, activo in menus.items():
        if activo != (nombre not in MENUS_INACTIVOS):
            fallos.append(f"menu item {nombre!r} enabled={activo}")
    textos = {n.name for n in nodos}
    for t in ("Tipo de Primitiva: Simple de 1 apuestas, 1 Boletos", "Boleto 1 de 1", "100 pts"):
        if t not in textos:
            fallos.append(f"text {t!r} not readable")
    # Pressing "Información" through its action hides the slip counter.
    info = botones.get("Información")
    if info is not None:
        acciones = info.queryAction()
        nombres = [acciones.getName(i) for i in range(acciones.nActions)]
        if "Press" not in nombres:
            fallos.append(f"'Información' has no Press action: {nombres}")
        else:
            acciones.doAction(nombres.index("Press"))
            time.sleep(1)
            for n in recorre(app, []):
                if n.name == "Boleto 1 de 1" and n.getState().contains(pyatspi.STATE_SHOWING):
                    fallos.append("pressing 'Información' left the slip counter showing")
    for f in fallos:
        print("FAIL:", f)
    print(f"{len(botones)} push buttons read: " + ", ".join(sorted(botones)))
    print(f"{len(menus)} menu items read: " + ", ".join(sorted(menus)))
    return 1 if fallos else 0


# The program named on the command line, started here on the display and buses that
# scripts/flows/run-flow.sh gives this script, and ended with it.
programa = subprocess.Popen(sys.argv[1:], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                            env={**os.environ, "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
                                 "QT_QPA_PLATFORM": "xcb"})
try:
    resultado = main()
finally:
    programa.kill()
    programa.wait()
sys.exit(resultado)
