#include "principal/qt/TVentanaPrincipal.h"

#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMenuBar>

#include "ayuda/qt/TVentanaAyuda.h"
#include "controles/TDibujos.h"
#include "controles/TMiBoton.h"
#include "controles/TPanel.h"
#include "controles/TServicios.h"
#include "files/FicheroApuestas.h"
#include "files/qt/OrdenesFichero.h"
#include "generation/ApuestaMultiple.h"
#include "generation/qt/FlujoReducidas.h"
#include "generation/qt/TTablaReducciones.h"
#include "model/TextosPrograma.h"
#include "principal/ReglasVentana.h"
#include "principal/TextosVentanas.h"
#include "principal/qt/AccionesVentana.h"
#include "principal/qt/Conexiones.h"
#include "principal/qt/OrdenesEscrutinio.h"
#include "principal/qt/TDialogoIrBoleto.h"
#include "principal/qt/TDialogoMultiple.h"
#include "principal/qt/TDialogoNombre.h"
#include "principal/qt/TDialogoNumApuestas.h"
#include "principal/qt/TDialogoNumerosApuesta.h"
#include "principal/qt/TDialogoSalir.h"
#include "principal/qt/TDialogoTipo.h"
#include "principal/qt/TPanelBoleto.h"
#include "principal/qt/TTiraSorteo.h"
#include "principal/qt/TVentanaImagen.h"
#include "printing/qt/TImpresora.h"

namespace numbrela::ui {
namespace {

QString Q(const std::string& s)
{
    return QString::fromStdString(s);
}

} // namespace

TVentanaPrincipal::TVentanaPrincipal(const std::filesystem::path& carpeta, QWidget* parent)
    : QMainWindow(parent), carpeta_(carpeta), motor_(carpeta), conjunto_(&motor_)
{
    setWindowTitle(QString::fromUtf8(textos::kTituloPrograma));
    setFocusPolicy(Qt::StrongFocus);
    TDibujos::FijaCarpeta(carpeta_);
    acciones_ = new TAccionesVentana(this);
    reducidas_ = new TFlujoReducidas(this, conjunto_, motor_);
    ficheros_ = new TOrdenesFichero(this, conjunto_, carpeta_, acciones_->AbrirDeNuevo);
    CreaControles();
    CreaBotones();
    popup_ = new QMenu(this);
    acciones_->CreaMenus(menuBar(), popup_);
    ConectaAcciones();
    ConectaEscrutinio(*this);
    ConectaImpresion(*this);
    ConectaAyuda(*this);
    setMinimumSize(800, 572 + menuBar()->sizeHint().height());
    Nueva();
}

TVentanaPrincipal::~TVentanaPrincipal() = default;

const QImage& TVentanaPrincipal::CopiaDeTrabajo() const
{
    return panelBoleto_->CopiaDeTrabajo();
}

// ------------------------------------------------------------------ refresh

void TVentanaPrincipal::ActualizaBotones()
{
    const TEstadoOrdenes e = EstadoOrdenes(conjunto_);
    acciones_->Apuestas->setEnabled(e.Apuestas);
    acciones_->Reducir->setEnabled(e.Reducir);
    acciones_->Numeros->setEnabled(e.Numeros);
    acciones_->Grabar->setEnabled(e.Grabar);
}

void TVentanaPrincipal::ActualizaResto()
{
    panelBoleto_->MuestraApuestas(conjunto_);
    contador_->setText(Q(conjunto_.TextoContador()));
    nombre_->setCaption(Q(conjunto_.Cabecera.Nombre));
    precio_->setText(Q(conjunto_.TextoPrecio()));
    tiraSorteo_->Muestra(conjunto_.Cabecera.Sorteo);
}

void TVentanaPrincipal::ActualizaCruces()
{
    conjunto_.PreparaBoleto();
    panelBoleto_->MuestraCruces(conjunto_);
}

void TVentanaPrincipal::Refresca()
{
    ActualizaBotones();
    ActualizaResto();
    ActualizaCruces();
}

void TVentanaPrincipal::MuestraTextos(const TTextosConjunto& t)
{
    leyenda_->setText(Q(t.Leyenda));
    leyenda_->setToolTip(Q(t.Leyenda));
}

void TVentanaPrincipal::FijaPanelFichero()
{
    fichero_->setText(conjunto_.NombreFichero == kSinFichero
                          ? QString::fromUtf8(textos::kArchivoNinguno)
                          : Q(conjunto_.NombreFichero));
}

void TVentanaPrincipal::AvisaError(const std::string& mensaje)
{
    TServicios::Actuales().Avisa(this, Q(mensaje));
}

void TVentanaPrincipal::AvisaDibujosQueFaltan()
{
    const QStringList faltan = TDibujos::Faltan();
    if (!faltan.isEmpty())
        TServicios::Actuales().Avisa(this,
                                     QString::fromUtf8(textos::kFaltaDibujo) + faltan.join(", "));
}

// ------------------------------------------------------------------ commands

void TVentanaPrincipal::Nueva()
{
    TrasCambioDeTipo(conjunto_.Nueva());
}

// After a new set: its legend, the banner of a new multiple only, the file, the slip.
void TVentanaPrincipal::TrasCambioDeTipo(const TTextosConjunto& t, const QString& banner)
{
    MuestraTextos(t);
    panelBoleto_->MuestraBanner(banner);
    FijaPanelFichero();
    Refresca();
}

void TVentanaPrincipal::EligeTipo()
{
    TDialogoTipo dialogo(this);
    const int eleccion = dialogo.exec();
    if (eleccion == TDialogoTipo::kSimple) {
        TDialogoNumApuestas numero(this, false);
        if (numero.exec() != TDialogoNumApuestas::kCrear)
            return;
        const TLectura lectura = LeeNumeroApuestas(numero.Texto().toStdString());
        std::string error;
        TTextosConjunto t;
        if (!lectura.Valor || !conjunto_.CreaSimples(*lectura.Valor, error, t)) {
            AvisaError(lectura.Valor ? error : lectura.Error);
            return;
        }
        TrasCambioDeTipo(t);
    } else if (eleccion == TDialogoTipo::kMultiple) {
        EligeMultiple();
    } else if (eleccion == TDialogoTipo::kReducida) {
        if (const auto r = reducidas_->EligeReducida())
            TrasReducida(*r);
    }
}

void TVentanaPrincipal::EligeMultiple()
{
    TDialogoMultiple dialogo(this);
    if (dialogo.exec() != TDialogo::kAceptado)
        return; // the set, its name and its file stay as they were
    TTextosConjunto t;
    if (ApuestaMultiple::Crea(conjunto_, dialogo.Codigo(), t))
        TrasCambioDeTipo(t, Q(ApuestaMultiple::TextoBanner(conjunto_)));
}

void TVentanaPrincipal::TrasReducida(const TTrasReducida& r)
{
    switch (r.Resultado) {
    case TResultadoEleccion::Hecha:
    case TResultadoEleccion::Reiniciada:
        TrasCambioDeTipo(r.Textos);
        break;
    case TResultadoEleccion::NoDisponible:
    case TResultadoEleccion::Fallida:
        MuestraTextos({conjunto_.TextoLeyenda(), conjunto_.TextoContador()});
        Refresca();
        break;
    }
}

void TVentanaPrincipal::Reducir()
{
    if (const auto r = reducidas_->Reducir())
        TrasReducida(*r);
}

void TVentanaPrincipal::CambiaNumeros()
{
    if (const auto r = reducidas_->CambiaNumeros())
        TrasReducida(*r);
}

void TVentanaPrincipal::NumeroDeApuestas()
{
    if (!EstadoOrdenes(conjunto_).Apuestas)
        return;
    TDialogoNumApuestas dialogo(this, true);
    const int r = dialogo.exec();
    if (r != TDialogoNumApuestas::kCrear && r != TDialogoNumApuestas::kAnadir)
        return;
    const TLectura lectura = LeeNumeroApuestas(dialogo.Texto().toStdString());
    if (!lectura.Valor) {
        AvisaError(lectura.Error);
        return;
    }
    std::string error;
    TTextosConjunto t;
    const bool ok = r == TDialogoNumApuestas::kCrear
                        ? conjunto_.RecreaSimples(*lectura.Valor, error, t)
                        : conjunto_.AnadeSimples(*lectura.Valor, error, t);
    if (!ok) {
        AvisaError(error);
        return;
    }
    MuestraTextos(t);
    Refresca();
}

void TVentanaPrincipal::TrasNavegar(bool cambio)
{
    if (!cambio)
        return;
    ActualizaResto();
    ActualizaCruces();
}

void TVentanaPrincipal::PrimerBoleto()
{
    TrasNavegar(conjunto_.VeAlPrimerBoleto());
}

void TVentanaPrincipal::BoletoAnterior()
{
    TrasNavegar(conjunto_.VeAlBoletoAnterior());
}

void TVentanaPrincipal::BoletoSiguiente()
{
    TrasNavegar(conjunto_.VeAlBoletoSiguiente());
}

void TVentanaPrincipal::UltimoBoleto()
{
    TrasNavegar(conjunto_.VeAlUltimoBoleto());
}

void TVentanaPrincipal::IrABoleto()
{
    TDialogoIrBoleto dialogo(this);
    if (dialogo.exec() != TDialogo::kAceptado)
        return;
    const TIrABoleto r =
        LeeIrABoleto(dialogo.Texto().toStdString(), conjunto_.Cabecera.UltimoBoleto);
    if (!r.Boleto) {
        AvisaError(r.Error);
        return;
    }
    TrasNavegar(conjunto_.VeAlBoleto(*r.Boleto));
}

void TVentanaPrincipal::EditaApuestaEnColumna(int columna)
{
    const TEleccionApuesta e = ApuestaEnColumna(conjunto_, columna);
    if (!e.Error.empty()) {
        AvisaError(e.Error);
        return;
    }
    const std::size_t indice = ColumnasBoleto(conjunto_)[static_cast<std::size_t>(columna)].Indice;
    TDialogoNumerosApuesta dialogo(
        this, e.Apuesta, [this, indice](int n) { return conjunto_.Apuestas[indice].Marcado(n); },
        [this, indice](int n) {
            std::string error;
            ApuestaMultiple::AlternaMarca(conjunto_, indice, n, error);
            return Q(error);
        });
    const std::string leyenda = conjunto_.Cabecera.Leyenda;
    dialogo.exec();
    if (conjunto_.Cabecera.Leyenda != leyenda) // a compact set changed by hand
        MuestraTextos({conjunto_.TextoLeyenda(), conjunto_.TextoContador()});
    ActualizaCruces();
}

void TVentanaPrincipal::Renombra()
{
    TDialogoNombre dialogo(this, Q(conjunto_.Cabecera.Nombre));
    if (dialogo.exec() != TDialogo::kAceptado)
        return;
    conjunto_.FijaNombre(dialogo.Texto().toStdString());
    nombre_->setCaption(Q(conjunto_.Cabecera.Nombre));
}

void TVentanaPrincipal::CambiaJuego()
{
    conjunto_.CicloJuego();
    ActualizaResto();
}

void TVentanaPrincipal::AlternaInformacion()
{
    const bool mostrar = !contador_->isVisible();
    for (QWidget* w : std::initializer_list<QWidget*>{contador_, precio_, fichero_, nombre_})
        w->setVisible(mostrar);
}

void TVentanaPrincipal::Salir()
{
    TDialogoSalir dialogo(this);
    if (dialogo.exec() == TDialogo::kAceptado)
        close();
}

void TVentanaPrincipal::TablaDeReducciones()
{
    TTablaReducciones(this, motor_.Carpeta()).exec();
}

bool TVentanaPrincipal::Generando() const
{
    return reducidas_->Generando();
}

double TVentanaPrincipal::EsperaMaximaGeneracion() const
{
    return reducidas_->EsperaMaxima();
}

// Every way of closing (the menus, a confirmed "&Salir", the window's close button) shows
// the information picture first; the help goes with the window, so the program ends.
void TVentanaPrincipal::closeEvent(QCloseEvent* e)
{
    if (!cerrando_) {
        cerrando_ = true;
        TVentanaImagen(this, TVentanaImagen::Modo::Informacion).exec();
        if (TVentanaAyuda* ayuda = TVentanaAyuda::De(this))
            ayuda->close();
        cerrando_ = false;
    }
    e->accept();
}

void TVentanaPrincipal::contextMenuEvent(QContextMenuEvent* e)
{
    popup_->popup(e->globalPos());
}

} // namespace numbrela::ui
