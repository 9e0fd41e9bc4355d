#pragma once
// The main window's commands as one set of actions. Each command is one QAction: the menu
// bar, the pop-up menu, its key and its button all trigger that action and follow its
// enabled state, so enabling or connecting a command is done once, on the action.
#include <QObject>
#include <QString>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace numbrela::ui {

class TShapeButton;

class TAccionesVentana : public QObject {
    Q_OBJECT
public:
    // Creates every action, disabled where no window carries it out yet, and makes its key
    // act while `ventana` is the active window.
    explicit TAccionesVentana(QWidget* ventana);

    // "Archivo"
    QAction* Nueva = nullptr;  // Ctrl+N
    QAction* Abrir = nullptr;  // Ctrl+O
    QAction* Grabar = nullptr; // Ctrl+S
    QAction* GrabarComo = nullptr;
    QAction* EstablecerImpresora = nullptr;
    QAction* SalirDelPrograma = nullptr; // closes without asking
    QAction* AbrirDeNuevo = nullptr;     // its text is the last file saved
    // "Azarix"
    QAction* FechaSorteo = nullptr;
    QAction* DatosUsuario = nullptr;
    QAction* Tipo = nullptr;     // key T, button "&Tipo"
    QAction* Escrutar = nullptr; // key E, button "&Escrutar"
    QAction* Listar = nullptr;   // key L, button "&Listar"; also "&Imprimir listados..."
    QAction* Rellenar = nullptr; // key R, button "&Rellenar"
    QAction* TablaReducciones = nullptr;
    // "Impresión"; also "&Imprimir..." (Ctrl+P) and "&Cuadrar Boleto ..."
    QAction* ImprimirBoletos = nullptr; // key I, button "&Imprimir"
    // "Suerte"
    QAction* Biorritmo = nullptr;
    QAction* Tus3Numeros = nullptr;
    // "Pedidos" and "Ayuda"
    QAction* ComprarNumbrela = nullptr;
    QAction* InformacionInternet = nullptr;
    QAction* AyudaEnLinea = nullptr; // F1
    QAction* AcercaDe = nullptr;
    // The window's own commands, on buttons and keys only.
    QAction* Apuestas = nullptr;        // key A
    QAction* Reducir = nullptr;         // key U
    QAction* Numeros = nullptr;         // key N
    QAction* Salir = nullptr;           // key S: asks first
    QAction* IrABoleto = nullptr;       // key B
    QAction* PrimerBoleto = nullptr;    // Up
    QAction* BoletoAnterior = nullptr;  // Left
    QAction* BoletoSiguiente = nullptr; // Right
    QAction* UltimoBoleto = nullptr;    // Down
    QAction* Informacion = nullptr;     // the information boxes

    // Fills the menu bar and the pop-up menu with the actions. F10, or Alt pressed and
    // released alone, opens the first menu; Alt and a letter belong to the buttons.
    void CreaMenus(QMenuBar* barra, QMenu* popup);

    // The button triggers `accion` and is enabled exactly while the action is.
    static void Enlaza(TShapeButton* boton, QAction* accion);

protected:
    bool eventFilter(QObject* objeto, QEvent* e) override;

private:
    void AbreMenus();
    QAction* Crea(const QString& texto, const QString& tecla = QString(), bool activa = true);
    // A second label of an action: a menu item with its own words that triggers `accion`
    // and follows its enabled state.
    QAction* Rotulo(QAction* accion, const QString& texto, const QString& tecla = QString());

    QWidget* ventana_;
    QMenuBar* barra_ = nullptr;
    bool altSolo_ = false; // Alt is down and no other key or click came since
};

} // namespace numbrela::ui
