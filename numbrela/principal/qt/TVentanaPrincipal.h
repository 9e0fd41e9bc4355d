#pragma once
// The planner's main window (TForm1): one slip of the bet set at a time on the picture of
// the operator's slip, the legend, the slip counter, the price, the file, the name, the
// game and the last draw. Its commands are one set of actions (TAccionesVentana) that the
// menu bar, the pop-up menu, the keys and the buttons share.
#include <QMainWindow>
#include <array>
#include <filesystem>
#include <memory>

#include "generation/Reducidas.h"
#include "model/ConjuntoApuestas.h"

class QMenu;

namespace numbrela {
struct TResultadoApertura;
}

namespace numbrela::ui {

class TAccionesVentana;
class TFlujoReducidas;
class TMiBoton;
class TOrdenesFichero;
class TPanel;
class TPanelBoleto;
class TShapeButton;
class TTiraSorteo;
struct TTrasReducida;

class TVentanaPrincipal : public QMainWindow {
    Q_OBJECT
public:
    explicit TVentanaPrincipal(const std::filesystem::path& carpeta, QWidget* parent = nullptr);
    ~TVentanaPrincipal() override;

    TConjuntoApuestas& Conjunto() { return conjunto_; }
    const std::filesystem::path& Carpeta() const { return carpeta_; }
    // Every command of the window; other windows connect and enable theirs here.
    TAccionesVentana& Acciones() { return *acciones_; }
    TPanelBoleto& PanelBoleto() { return *panelBoleto_; }
    TTiraSorteo& TiraSorteo() { return *tiraSorteo_; }
    // The slip picture with the crosses of the slip on screen.
    const QImage& CopiaDeTrabajo() const;

    // Refresh steps, in this order after every change of the set; Refresca runs all three
    // and the draw strip, and is what another window calls after changing the set.
    void ActualizaBotones();
    void ActualizaResto();
    void ActualizaCruces();
    void Refresca();

    // Commands of the window, as its actions run them.
    void Nueva();
    void EligeTipo();
    void NumeroDeApuestas();
    void PrimerBoleto();
    void BoletoAnterior();
    void BoletoSiguiente();
    void UltimoBoleto();
    void IrABoleto();
    void EditaApuestaEnColumna(int columna);
    void Renombra();
    void CambiaJuego();
    void AlternaInformacion();
    void Salir();
    void Reducir();
    void CambiaNumeros();
    void Abrir();
    void Grabar();
    void GrabarComo();
    void AbrirDeNuevo();
    void TablaDeReducciones();
    // Opens a bet file (AbreDeUnaVez). With `reiniciaSiFalla` (a file named on the command
    // line) a file that cannot be read leaves the reset set after the message.
    bool AbreFichero(const QString& ruta, bool reiniciaSiFalla = false);
    QString CaptionAbrirDeNuevo() const;
    bool Generando() const;
    // The longest stretch without running pending events during the last generation, in
    // milliseconds, up to the set holding the new system.
    double EsperaMaximaGeneracion() const;

    // Says which pictures could not be read, once the window shows.
    void AvisaDibujosQueFaltan();

protected:
    void closeEvent(QCloseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void CreaControles();
    void CreaBotones();
    void ConectaAcciones();
    void Dispone();
    void MuestraTextos(const TTextosConjunto& t);
    void FijaPanelFichero();
    void TrasCambioDeTipo(const TTextosConjunto& t, const QString& banner = QString());
    void TrasReducida(const TTrasReducida& r);
    void TrasNavegar(bool cambio);
    void MuestraApertura(const TResultadoApertura& r, bool reiniciaSiFalla);
    void EligeMultiple();
    void AvisaError(const std::string& mensaje);
    TShapeButton* BotonOrden(const QString& caption, const char* nombre, QAction* accion,
                             const QString& dibujo = "BotonOrden.bmp");

    std::filesystem::path carpeta_;
    TReducidas motor_;
    TConjuntoApuestas conjunto_;

    TAccionesVentana* acciones_ = nullptr;
    TFlujoReducidas* reducidas_ = nullptr;
    TOrdenesFichero* ficheros_ = nullptr;
    QMenu* popup_ = nullptr;
    bool cerrando_ = false; // the closing picture is on show

    QWidget* centro_ = nullptr;
    TPanelBoleto* panelBoleto_ = nullptr;
    TTiraSorteo* tiraSorteo_ = nullptr;
    TPanel* leyenda_ = nullptr;  // Panel2
    TMiBoton* nombre_ = nullptr; // MiBoton9
    TPanel* contador_ = nullptr; // Panel3
    TPanel* precio_ = nullptr;   // Panel4
    TPanel* fichero_ = nullptr;  // Panel31
    // The command buttons, top row then bottom row, in the order of the layout.
    struct TBotones {
        TShapeButton *Tipo, *Apuestas, *Reducir, *Numeros, *Listar, *Rellenar, *Escrutar, *Imprimir;
        TShapeButton *Primero, *Anterior, *IrA, *Siguiente, *Ultimo, *Informacion, *Salir;
    } botones_{};
};

} // namespace numbrela::ui
