"""The windows that only inform: Azarix > Tabla de Reducciones, Pedidos > Comprar
Numbrela..., Pedidos > Información/Internet... and Ayuda > Acerca de Numbrela each open and
close from the keyboard."""
from planificador import *

TABLA = "Reducciones y sus precios"


def escenario(app):
    arranca(app)
    # In the Azarix menu "Tipo..." and "Tabla de Reducciones" share the T: the second T
    # reaches the table and Return chooses it.
    for (menu_, *letras), ventana, tecla in ((("Azarix", "t", "t", "Return"), TABLA, "Escape"),
                                             (("Pedidos", "c"), IMAGEN, "Return"),
                                             (("Pedidos", "i"), IMAGEN, "Escape"),
                                             (("Ayuda", "c"), IMAGEN, "Return")):
        def comprueba(menu_=menu_, letras=letras, ventana=ventana, tecla=tecla):
            menu(app, menu_, *letras)
            app.wait_window(ventana)
            app.key(tecla)
            app.wait_gone(ventana)
            app.wait_focus(PRINCIPAL)
        app.check(f"{menu_} > {letras[0]}: {ventana!r} closed with {tecla}", comprueba,
                  lambda: recupera(app))
    termina(app)


ejecuta(escenario)
