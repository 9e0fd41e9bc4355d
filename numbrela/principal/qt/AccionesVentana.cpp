#include "principal/qt/AccionesVentana.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include "controles/TShapeButton.h"

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
        // A letter of the key table acts with Shift too (Shift, or Caps Lock and Shift).
        QList<QKeySequence> teclas{QKeySequence(tecla)};
        if (tecla.size() == 1 && tecla.at(0).isLetter())
            teclas << QKeySequence(QStringLiteral("Shift+") + tecla);
        a->setShortcuts(teclas);
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
    // Alt and a letter belong to the buttons on screen ("&Salir", "&Imprimir", "&Apuestas"
    // and the rest), so the menu titles underline no letter: a shared letter would make
    // both do nothing. The menus open with F10, or with Alt pressed and released alone.
    QMenu* archivo = barra->addMenu("Archivo");
    archivo->addActions({Nueva, Abrir, Grabar, GrabarComo});
    archivo->addSeparator();
    archivo->addAction(EstablecerImpresora);
    archivo->addAction(Rotulo(ImprimirBoletos, "&Imprimir...", "Ctrl+P"));
    archivo->addSeparator();
    archivo->addAction(SalirDelPrograma);
    archivo->addSeparator();
    archivo->addMenu("A&brir de nuevo")->addAction(AbrirDeNuevo);

    QMenu* azarix = barra->addMenu("Azarix");
    azarix->addActions({FechaSorteo, DatosUsuario});
    azarix->addSeparator();
    azarix->addActions({Tipo, Escrutar, Listar, Rellenar});
    azarix->addSeparator();
    azarix->addAction(TablaReducciones);

    QMenu* impresion = barra->addMenu("Impresión");
    impresion->addAction(Rotulo(ImprimirBoletos, "&Cuadrar Boleto ..."));
    impresion->addSeparator();
    impresion->addAction(ImprimirBoletos);
    impresion->addAction(Rotulo(Listar, "&Imprimir listados..."));

    QMenu* suerte = barra->addMenu("Suerte");
    suerte->addActions({Biorritmo, Tus3Numeros});

    QMenu* pedidos = barra->addMenu("Pedidos");
    pedidos->addActions({ComprarNumbrela, InformacionInternet});

    QMenu* ayuda = barra->addMenu("Ayuda");
    ayuda->addAction(AyudaEnLinea);
    ayuda->addSeparator();
    ayuda->addAction(AcercaDe);

    barra_ = barra;
    auto* f10 = new QAction("Menús", this);
    f10->setShortcut(QKeySequence(Qt::Key_F10));
    f10->setShortcutContext(Qt::WindowShortcut);
    connect(f10, &QAction::triggered, this, &TAccionesVentana::AbreMenus);
    ventana_->addAction(f10);
    QCoreApplication::instance()->installEventFilter(this);

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

void TAccionesVentana::AbreMenus()
{
    if (barra_ != nullptr && !barra_->actions().isEmpty())
        barra_->setActiveAction(barra_->actions().first());
}

// Alt pressed and released with nothing between, in the main window, opens the menus.
bool TAccionesVentana::eventFilter(QObject* objeto, QEvent* e)
{
    const auto tipo = e->type();
    if (tipo == QEvent::WindowDeactivate && objeto == ventana_)
        altSolo_ = false; // Alt+Tab and the like: the release belongs to the desktop
    const bool tecla =
        tipo == QEvent::KeyPress || tipo == QEvent::ShortcutOverride || tipo == QEvent::KeyRelease;
    if (!tecla && tipo != QEvent::MouseButtonPress && tipo != QEvent::Shortcut)
        return false;
    auto* w = qobject_cast<QWidget*>(objeto);
    if (tipo != QEvent::Shortcut && (w == nullptr || w->window() != ventana_))
        return false;
    const bool alt = tecla && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Alt;
    if (tipo == QEvent::KeyRelease) {
        if (alt && altSolo_) {
            altSolo_ = false;
            AbreMenus();
        }
    } else if (tecla) {
        // Another key, held back by a shortcut or not, makes Alt part of a combination.
        altSolo_ = alt && !static_cast<QKeyEvent*>(e)->isAutoRepeat();
    } else {
        altSolo_ = false; // a click, or a shortcut that acted
    }
    return false;
}

void TAccionesVentana::Enlaza(TShapeButton* boton, QAction* accion)
{
    boton->setEnabled(accion->isEnabled());
    connect(boton, &TShapeButton::clicked, accion, &QAction::trigger);
    connect(accion, &QAction::changed, boton,
            [boton, accion] { boton->setEnabled(accion->isEnabled()); });
}

} // namespace numbrela::ui
