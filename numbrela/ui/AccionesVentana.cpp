#include "ui/AccionesVentana.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include "ui/TShapeButton.h"

namespace numbrela::ui {

TAccionesVentana::TAccionesVentana(QWidget* ventana) : QObject(ventana), ventana_(ventana)
{
    Nueva = Crea("&Nueva", "Ctrl+N");
    Abrir = Crea("&Abrir...", "Ctrl+O");
    Grabar = Crea("&Grabar", "Ctrl+S");
    GrabarComo = Crea("G&rabar como...");
    EstablecerImpresora = Crea("&Establecer impresora...", {}, false);
    SalirDelPrograma = Crea("&Salir del programa         ALT+F4");
    AbrirDeNuevo = Crea(QString());

    FechaSorteo = Crea("&Fecha de Sorteo...", {}, false);
    DatosUsuario = Crea("&Datos del usuario...", {}, false);
    Tipo = Crea("&Tipo...", "T");
    Escrutar = Crea("&Escrutar...", "E", false);
    Listar = Crea("&Listar...", "L", false);
    Rellenar = Crea("&Rellenar", "R", false);
    TablaReducciones = Crea("&Tabla de Reducciones");
    ImprimirBoletos = Crea("&Imprimir boletos...", "I", false);
    Biorritmo = Crea("&Biorritmo...", {}, false);
    Tus3Numeros = Crea("&Tus 3 números", {}, false);
    ComprarNumbrela = Crea("&Comprar Numbrela...");
    InformacionInternet = Crea("&Información/Internet...");
    AyudaEnLinea = Crea("&Ayuda en línea...", "F1", false);
    AcercaDe = Crea("A&cerca de Numbrela");

    Apuestas = Crea("&Apuestas", "A");
    Reducir = Crea("Red&ucir", "U", false);
    Numeros = Crea("&Números", "N", false);
    Salir = Crea("&Salir", "S");
    IrABoleto = Crea("Ir a boleto", "B");
    PrimerBoleto = Crea("Primer boleto", "Up");
    BoletoAnterior = Crea("Boleto anterior", "Left");
    BoletoSiguiente = Crea("Boleto siguiente", "Right");
    UltimoBoleto = Crea("Último boleto", "Down");
    Informacion = Crea("Información");
}

QAction* TAccionesVentana::Crea(const QString& texto, const QString& tecla, bool activa)
{
    auto* a = new QAction(texto, this);
    if (!tecla.isEmpty()) {
        a->setShortcut(QKeySequence(tecla));
        a->setShortcutContext(Qt::WindowShortcut);
    }
    a->setEnabled(activa);
    // Keys act while the window is active even for commands that are in no menu.
    ventana_->addAction(a);
    return a;
}

QAction* TAccionesVentana::Rotulo(QAction* accion, const QString& texto, const QString& tecla)
{
    QAction* r = Crea(texto, tecla, accion->isEnabled());
    connect(r, &QAction::triggered, accion, &QAction::trigger);
    connect(accion, &QAction::changed, r, [r, accion] { r->setEnabled(accion->isEnabled()); });
    return r;
}

void TAccionesVentana::CreaMenus(QMenuBar* barra, QMenu* popup)
{
    QMenu* archivo = barra->addMenu("&Archivo");
    archivo->addActions({Nueva, Abrir, Grabar, GrabarComo});
    archivo->addSeparator();
    archivo->addAction(EstablecerImpresora);
    archivo->addAction(Rotulo(ImprimirBoletos, "&Imprimir...", "Ctrl+P"));
    archivo->addSeparator();
    archivo->addAction(SalirDelPrograma);
    archivo->addSeparator();
    archivo->addMenu("A&brir de nuevo")->addAction(AbrirDeNuevo);

    QMenu* azarix = barra->addMenu("&Azarix");
    azarix->addActions({FechaSorteo, DatosUsuario});
    azarix->addSeparator();
    azarix->addActions({Tipo, Escrutar, Listar, Rellenar});
    azarix->addSeparator();
    azarix->addAction(TablaReducciones);

    QMenu* impresion = barra->addMenu("&Impresión");
    impresion->addAction(Rotulo(ImprimirBoletos, "&Cuadrar Boleto ..."));
    impresion->addSeparator();
    impresion->addAction(ImprimirBoletos);
    impresion->addAction(Rotulo(Listar, "&Imprimir listados..."));

    QMenu* suerte = barra->addMenu("&Suerte");
    suerte->addActions({Biorritmo, Tus3Numeros});

    QMenu* pedidos = barra->addMenu("&Pedidos");
    pedidos->addActions({ComprarNumbrela, InformacionInternet});

    QMenu* ayuda = barra->addMenu("&Ayuda");
    ayuda->addAction(AyudaEnLinea);
    ayuda->addSeparator();
    ayuda->addAction(AcercaDe);

    // The pop-up menu shares the actions; three items have words of their own.
    popup->addActions({Nueva, Abrir});
    popup->addAction(Rotulo(Grabar, "&Grabar..."));
    popup->addAction(GrabarComo);
    popup->addSeparator();
    popup->addAction(ImprimirBoletos);
    popup->addAction(Rotulo(Listar, "I&mprimir listados..."));
    popup->addSeparator();
    popup->addAction(Rotulo(AyudaEnLinea, "A&yuda en línea"));
    popup->addAction(Rotulo(SalirDelPrograma, "&Salir del programa"));
}

void TAccionesVentana::Enlaza(TShapeButton* boton, QAction* accion)
{
    boton->setEnabled(accion->isEnabled());
    connect(boton, &TShapeButton::clicked, accion, &QAction::trigger);
    connect(accion, &QAction::changed, boton,
            [boton, accion] { boton->setEnabled(accion->isEnabled()); });
}

} // namespace numbrela::ui
