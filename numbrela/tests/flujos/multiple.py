"""A multiple bet of 7 crosses: chosen in the size dialog, marked by hand, saved (543
bytes), the set cleared, and opened again through "Abrir de nuevo", the last file saved."""
import os

from planificador import *

NUMEROS = [4, 9, 16, 25, 36, 41, 49]


def escenario(app):
    arranca(app)
    step("T, Multiple, 7 crosses (the first size)")
    nuevo_tipo(app, "Multiple")
    app.wait_window(MULTIPLE)
    pulsa(app, "7 cruces", MULTIPLE)
    app.wait_gone(MULTIPLE)
    app.wait_focus(PRINCIPAL)
    expect("MULTIPLE 7 Cruces" in app.texts(PRINCIPAL), f"the banner: {app.texts(PRINCIPAL)}")
    expect(not app.state(boton(app, "Apuestas"), "enabled"), "Apuestas disabled for a multiple")
    marca(app, 1, NUMEROS)
    ruta = os.path.join(app.tmp, "multiple.apu")
    graba_como(app, ruta)
    datos_ = lee(ruta)
    expect(len(datos_) == 543 and datos_[101] == 2, f"a multiple's file ({len(datos_)} bytes)")
    expect(list(datos_[532:539]) == NUMEROS and not any(datos_[539:543]),
           f"its numbers: {list(datos_[532:543])}")
    step("Ctrl+N, then Archivo > Abrir de nuevo > the last file")
    app.key("ctrl+n")
    app.until(lambda: "Simple de 1 apuestas" in leyenda(app), 5, "the new set")
    menu(app, "Archivo", "b", "Return")
    app.until(lambda: any(ruta in t for t in app.texts(PRINCIPAL)), 5,
               "the file panel showing the reopened file")
    expect("Múltiple" in leyenda(app) or "ltiple" in leyenda(app), leyenda(app))
    expect(app.state(app.find("menu item", "Grabar", PRINCIPAL), "enabled"),
           "Grabar enabled for the reopened file")
    os.utime(ruta, (0, 0))
    app.key("ctrl+s")
    escrito(app, ruta, 0)
    expect(lee(ruta) == datos_, "saved again byte for byte")
    termina(app)


ejecuta(escenario)
