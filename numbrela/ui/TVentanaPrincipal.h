#pragma once
// The planner's main window (TForm1): one slip of the bet set at a time on the picture of
// the operator's slip, the legend, the slip counter, the price, the file, the name, the
// game and the last draw; its buttons, menus and keys start every command.
#include <QImage>
#include <QMainWindow>
#include <array>
#include <filesystem>
#include <memory>

#include "generation/EleccionReducida.h"
#include "generation/FlujoRelleno.h"
#include "generation/Reducidas.h"
#include "luck/SesionSuerte.h"
#include "model/ConjuntoApuestas.h"

class QAction;
class QMenu;
class QFrame;

namespace numbrela::ui {

class TShapeButton;
class TMiBoton;
class TPanel;
class TImagenBoleto;
class TDialogoNumerosReduccion;
class TVentanaProgreso;

class TVentanaPrincipal : public QMainWindow {
    Q_OBJECT
public:
    explicit TVentanaPrincipal(const std::filesystem::path& carpeta, QWidget* parent = nullptr);
    ~TVentanaPrincipal() override;

    TConjuntoApuestas& Conjunto() { return conjunto_; }
    // The slip picture with the crosses of the slip on screen.
    const QImage& CopiaDeTrabajo() const { return trabajo_; }
    const std::filesystem::path& Carpeta() const { return carpeta_; }

    // Refresh steps, in this order after every change of the set.
    void ActualizaBotones();
    void ActualizaResto();
    void ActualizaCruces();
    void Refresca();

    // Commands of the window, as its buttons, menus and keys run them.
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
    bool Generando() const { return generando_; }
    // The longest stretch without running pending events during the last generation, in
    // milliseconds, up to the set holding the new system.
    double EsperaMaximaGeneracion() const { return esperaMaxima_; }

    // The luck tools and the filling (their windows live with their rules).
    TSesionSuerte& Sesion() { return sesion_; }
    void FechaDeSorteo();
    void DatosDelUsuario();
    void Rellenar();
    void Biorritmo();
    void TusTresNumeros();
    // Once per run, at the first activation: the about picture, then the user window.
    void PrimeraActivacion();
    // The seed and timer the filling runs on (the clock's unless a test fixes them).
    void FijaEntornoRelleno(TEntornoRelleno entorno) { entornoRelleno_ = std::move(entorno); }

    // Says which pictures could not be read, once the window shows.
    void AvisaDibujosQueFaltan();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void CreaControles();
    void CreaMenus();
    void Dispone();
    void MuestraTextos(const TTextosConjunto& t);
    void FijaPanelFichero();
    void TrasCambioDeTipo();
    void DibujaCruz(QPainter& p, int columna, int numero);
    void AvisaError(const std::string& mensaje);
    void EligeMultiple();
    void EligeReducida();
    void TrasReducida(TResultadoEleccion r, const std::string& error, const TTextosConjunto& t);
    bool AbreRlfElegido();
    bool SinFicheroConFijos(TConjuntoApuestas& conjunto, std::string& error);
    void FijaAbrirDeNuevo(const QString& ruta);
    TShapeButton* BotonOrden(const QString& caption, const char* nombre,
                             const QString& dibujo = "BotonOrden.bmp");

    std::filesystem::path carpeta_;
    TReducidas motor_;
    TConjuntoApuestas conjunto_;
    TSesionSuerte sesion_; // current user and draw date, for this run only
    TEntornoRelleno entornoRelleno_ = EntornoDelReloj();
    // Kept so that "&Números" reopens it with the current choice.
    std::unique_ptr<TDialogoNumerosReduccion> numerosReduccion_;
    bool generando_ = false;
    double esperaMaxima_ = 0;
    QImage limpio_;  // the clean slip
    QImage trabajo_; // the working copy the crosses are drawn on

    QWidget* centro_ = nullptr;
    QFrame* panelBoleto_ = nullptr;
    TPanel* panel5_ = nullptr; // the slip's title bar, in the game's colour
    TImagenBoleto* image1_ = nullptr;
    std::array<TMiBoton*, 8> botonesApuesta_{};
    std::array<TPanel*, 8> panelesAciertos_{};
    TPanel* panel14_ = nullptr; // multiple banner
    TPanel* panel6_ = nullptr;  // game name
    QFrame* panel23_ = nullptr; // the draw
    std::array<TPanel*, 7> numerosSorteo_{};
    TPanel* panel2_ = nullptr;     // legend
    TMiBoton* miBoton9_ = nullptr; // name
    TPanel* panel3_ = nullptr;     // slip counter
    TPanel* panel4_ = nullptr;     // price
    TPanel* panel31_ = nullptr;    // file

    TShapeButton *tipo_ = nullptr, *apuestas_ = nullptr, *reducir_ = nullptr, *numeros_ = nullptr;
    TShapeButton *listar_ = nullptr, *rellenar_ = nullptr, *escrutar_ = nullptr,
                 *imprimir_ = nullptr;
    TShapeButton *primero_ = nullptr, *anterior_ = nullptr, *irA_ = nullptr, *siguiente_ = nullptr;
    TShapeButton *ultimo_ = nullptr, *informacion_ = nullptr, *salir_ = nullptr;

    QAction* accGrabar_ = nullptr;
    QAction* accGrabarComo_ = nullptr;
    QAction* accAbrirDeNuevo_ = nullptr;
    QMenu* popup_ = nullptr;
    QAction* popGrabar_ = nullptr;
    QAction* popGrabarComo_ = nullptr;
};

} // namespace numbrela::ui
