#include "ui/TVentanaPrincipal.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMenuBar>

#include "files/FicheroApuestas.h"
#include "generation/ApuestaMultiple.h"
#include "printing/TImpresora.h"
#include "ui/AccionesVentana.h"
#include "ui/Colores.h"
#include "ui/FlujoReducidas.h"
#include "ui/OrdenesFichero.h"
#include "ui/ReglasVentana.h"
#include "ui/TDialogoIrBoleto.h"
#include "ui/TDialogoMultiple.h"
#include "ui/TDialogoNombre.h"
#include "ui/TDialogoNumApuestas.h"
#include "ui/TDialogoNumerosApuesta.h"
#include "ui/TDialogoSalir.h"
#include "ui/TDialogoTipo.h"
#include "ui/TDibujos.h"
#include "ui/TMiBoton.h"
#include "ui/TPanel.h"
#include "ui/TPanelBoleto.h"
#include "ui/TServicios.h"
#include "ui/TShapeButton.h"
#include "ui/TTablaReducciones.h"
#include "ui/TTiraSorteo.h"
#include "ui/TVentanaImagen.h"
#include "ui/TextosVentanas.h"

namespace numbrela::ui {
namespace {

QString Q(const std::string& s)
{
    return QString::fromStdString(s);
}

// Places on the design surface of 800 x 572; only horizontal places follow the width.
constexpr int kYBotonesArriba = 6;
constexpr int kYBoleto = 48;
constexpr int kYSorteo = 338;
constexpr int kYLeyenda = 376;
constexpr int kYNombre = 404;
constexpr int kYAbajo = 440;

TPanel* Caja(QWidget* padre, const char* nombre, int ancho, int alto = 24)
{
    auto* p = new TPanel(padre, colores::kGranate, colores::kAmarillo);
    p->setObjectName(nombre);
    p->resize(ancho, alto);
    return p;
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
    ConectaImpresion(*this);
    setMinimumSize(800, 572 + menuBar()->sizeHint().height());
    Nueva();
}

TVentanaPrincipal::~TVentanaPrincipal() = default;

const QImage& TVentanaPrincipal::CopiaDeTrabajo() const
{
    return panelBoleto_->CopiaDeTrabajo();
}

// ------------------------------------------------------------------ controls

void TVentanaPrincipal::CreaControles()
{
    centro_ = new QWidget(this);
    centro_->setAutoFillBackground(true);
    const QImage fondo = TDibujos::Imagen("fondo3.bmp");
    QPalette pal = centro_->palette();
    // A texture brush tiles the picture at its own size, 135 x 117.
    pal.setBrush(QPalette::Window,
                 fondo.isNull() ? QBrush(QColor(0, 64, 64)) : QBrush(QPixmap::fromImage(fondo)));
    centro_->setPalette(pal);
    setCentralWidget(centro_);

    panelBoleto_ = new TPanelBoleto(centro_);
    connect(panelBoleto_, &TPanelBoleto::ColumnaElegida, this,
            &TVentanaPrincipal::EditaApuestaEnColumna);
    connect(panelBoleto_, &TPanelBoleto::JuegoPulsado, this, &TVentanaPrincipal::CambiaJuego);
    tiraSorteo_ = new TTiraSorteo(centro_);

    QFont negrita = font();
    negrita.setBold(true);
    leyenda_ = Caja(centro_, "Panel2", 745);
    leyenda_->setFont(negrita);
    nombre_ = new TMiBoton(centro_);
    nombre_->setObjectName("MiBoton9");
    nombre_->resize(360, 28);
    nombre_->setColors(colores::kVerdeAzulado, Qt::white);
    nombre_->setFont(negrita);
    connect(nombre_, &TMiBoton::clicked, this, &TVentanaPrincipal::Renombra);
    contador_ = Caja(centro_, "Panel3", 190);
    contador_->setFont(negrita);
    precio_ = Caja(centro_, "Panel4", 130);
    precio_->setFont(negrita);
    fichero_ = Caja(centro_, "Panel31", 470);
}

TShapeButton* TVentanaPrincipal::BotonOrden(const QString& caption, const char* nombre,
                                            QAction* accion, const QString& dibujo)
{
    auto* b = new TShapeButton(centro_);
    b->setPicture(TDibujos::Imagen(dibujo));
    b->setCaption(caption);
    b->setObjectName(nombre);
    QFont f = b->font();
    f.setBold(true);
    b->setFont(f);
    b->setTextColor(Qt::white);
    if (b->picture().isNull()) {
        b->resize(caption.isEmpty() ? 48 : 90, 36);
        b->setTextColor(Qt::black);
    }
    TAccionesVentana::Enlaza(b, accion);
    return b;
}

void TVentanaPrincipal::CreaBotones()
{
    TAccionesVentana& a = *acciones_;
    TBotones& b = botones_;
    b.Tipo = BotonOrden("&Tipo", "Tipo", a.Tipo);
    b.Apuestas = BotonOrden("&Apuestas", "Apuestas", a.Apuestas);
    b.Reducir = BotonOrden("Red&ucir", "Reducir", a.Reducir);
    b.Numeros = BotonOrden("&Números", "Numeros", a.Numeros);
    b.Listar = BotonOrden("&Listar", "Listar", a.Listar);
    b.Rellenar = BotonOrden("&Rellenar", "Rellenar", a.Rellenar);
    b.Escrutar = BotonOrden("&Escrutar", "Escrutar", a.Escrutar);
    b.Imprimir = BotonOrden("&Imprimir", "Imprimir", a.ImprimirBoletos);
    b.Primero = BotonOrden(QString(), "Primero", a.PrimerBoleto, "BotonPrimero.bmp");
    b.Anterior = BotonOrden(QString(), "Anterior", a.BoletoAnterior, "BotonAnterior.bmp");
    b.IrA = BotonOrden(QString(), "IrABoleto", a.IrABoleto, "BotonIrBoleto.bmp");
    b.IrA->setSemiTransparentColor(QColor(0, 255, 0));
    b.IrA->setGlassColor(QColor(200, 230, 255));
    b.IrA->setSemiTransparent(true);
    b.IrA->setCaption("Boleto|");
    b.Siguiente = BotonOrden(QString(), "Siguiente", a.BoletoSiguiente, "BotonSiguiente.bmp");
    b.Ultimo = BotonOrden(QString(), "Ultimo", a.UltimoBoleto, "BotonUltimo.bmp");
    b.Informacion = BotonOrden(QString(), "Informacion", a.Informacion, "BotonInfo.bmp");
    b.Salir = BotonOrden("&Salir", "Salir", a.Salir, "BotonSalir.bmp");
    // Picture-only buttons say what they do when their picture is missing.
    const std::pair<TShapeButton*, const char*> sinDibujo[] = {{b.Primero, "|<"},
                                                               {b.Anterior, "<"},
                                                               {b.Siguiente, ">"},
                                                               {b.Ultimo, ">|"},
                                                               {b.Informacion, "i"}};
    for (const auto& [boton, rotulo] : sinDibujo)
        if (boton->picture().isNull())
            boton->setCaption(rotulo);
}

void TVentanaPrincipal::ConectaAcciones()
{
    TAccionesVentana& a = *acciones_;
    const std::pair<QAction*, void (TVentanaPrincipal::*)()> ordenes[] = {
        {a.Nueva, &TVentanaPrincipal::Nueva},
        {a.Abrir, &TVentanaPrincipal::Abrir},
        {a.Grabar, &TVentanaPrincipal::Grabar},
        {a.GrabarComo, &TVentanaPrincipal::GrabarComo},
        {a.AbrirDeNuevo, &TVentanaPrincipal::AbrirDeNuevo},
        {a.Tipo, &TVentanaPrincipal::EligeTipo},
        {a.TablaReducciones, &TVentanaPrincipal::TablaDeReducciones},
        {a.Apuestas, &TVentanaPrincipal::NumeroDeApuestas},
        {a.Reducir, &TVentanaPrincipal::Reducir},
        {a.Numeros, &TVentanaPrincipal::CambiaNumeros},
        {a.Salir, &TVentanaPrincipal::Salir},
        {a.IrABoleto, &TVentanaPrincipal::IrABoleto},
        {a.PrimerBoleto, &TVentanaPrincipal::PrimerBoleto},
        {a.BoletoAnterior, &TVentanaPrincipal::BoletoAnterior},
        {a.BoletoSiguiente, &TVentanaPrincipal::BoletoSiguiente},
        {a.UltimoBoleto, &TVentanaPrincipal::UltimoBoleto},
        {a.Informacion, &TVentanaPrincipal::AlternaInformacion},
    };
    for (const auto& [accion, orden] : ordenes)
        connect(accion, &QAction::triggered, this, orden);
    connect(a.SalirDelPrograma, &QAction::triggered, this, &QWidget::close);
    const std::pair<QAction*, TVentanaImagen::Modo> imagenes[] = {
        {a.ComprarNumbrela, TVentanaImagen::Modo::Comprar},
        {a.InformacionInternet, TVentanaImagen::Modo::Informacion},
        {a.AcercaDe, TVentanaImagen::Modo::AcercaDe}};
    for (const auto& [accion, modo] : imagenes)
        connect(accion, &QAction::triggered, this,
                [this, m = modo] { TVentanaImagen(this, m).exec(); });
}

// ------------------------------------------------------------------ layout

void TVentanaPrincipal::resizeEvent(QResizeEvent* e)
{
    QMainWindow::resizeEvent(e);
    Dispone();
}

void TVentanaPrincipal::Dispone()
{
    const int w = centro_->width();
    const TBotones& b = botones_;
    const int P = (w - TPanelBoleto::kAncho) / 2;
    const int L = (w - b.IrA->width()) / 2;
    const TDisposicion d = Disposicion(P, L);
    panelBoleto_->move(P, kYBoleto);
    tiraSorteo_->move((w - tiraSorteo_->width()) / 2, kYSorteo);
    leyenda_->move((w - leyenda_->width()) / 2, kYLeyenda);
    nombre_->move((w - nombre_->width()) / 2, kYNombre);
    const std::pair<TShapeButton*, int> arriba[] = {
        {b.Tipo, d.Tipo},         {b.Apuestas, d.Apuestas}, {b.Reducir, d.Reducir},
        {b.Numeros, d.Numeros},   {b.Listar, d.Listar},     {b.Rellenar, d.Rellenar},
        {b.Escrutar, d.Escrutar}, {b.Imprimir, d.Imprimir}};
    for (const auto& [boton, x] : arriba)
        boton->move(x, kYBotonesArriba);
    b.IrA->move(L, kYAbajo - 4);
    b.Primero->move(d.Primero, kYAbajo);
    b.Anterior->move(d.Anterior, kYAbajo);
    b.Siguiente->move(d.Siguiente, kYAbajo);
    b.Ultimo->move(d.Ultimo, kYAbajo);
    b.Informacion->move(d.Informacion, kYAbajo + 7);
    contador_->move(d.Contador, kYAbajo + 4);
    fichero_->move(d.Fichero, kYAbajo + 62);
    precio_->move(d.Precio, kYAbajo + 4);
    b.Salir->move(d.Salir, kYAbajo + 34);
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
    dialogo.exec();
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
    TTablaReducciones(this).exec();
}

// ------------------------------------------------------------------ files

void TVentanaPrincipal::MuestraApertura(const TResultadoApertura& r, bool reiniciaSiFalla)
{
    // A set opened from a file brings its own choice of numbers.
    reducidas_->OlvidaNumeros();
    if (!r.Ok && reiniciaSiFalla) {
        Nueva();
        return;
    }
    MuestraTextos(r.Ok ? r.Textos
                       : TTextosConjunto{conjunto_.TextoLeyenda(), conjunto_.TextoContador()});
    panelBoleto_->MuestraBanner(QString());
    FijaPanelFichero();
    Refresca();
}

bool TVentanaPrincipal::AbreFichero(const QString& ruta, bool reiniciaSiFalla)
{
    const TResultadoApertura r = ficheros_->Abre(ruta);
    MuestraApertura(r, reiniciaSiFalla);
    return r.Ok;
}

void TVentanaPrincipal::Abrir()
{
    if (const auto r = ficheros_->Abrir())
        MuestraApertura(*r, false);
}

void TVentanaPrincipal::AbrirDeNuevo()
{
    if (const auto r = ficheros_->AbrirDeNuevo())
        MuestraApertura(*r, false);
}

QString TVentanaPrincipal::CaptionAbrirDeNuevo() const
{
    return ficheros_->RutaAbrirDeNuevo();
}

void TVentanaPrincipal::Grabar()
{
    ficheros_->Grabar();
}

void TVentanaPrincipal::GrabarComo()
{
    ficheros_->GrabarComo();
    FijaPanelFichero();
    Refresca();
}

bool TVentanaPrincipal::Generando() const
{
    return reducidas_->Generando();
}

double TVentanaPrincipal::EsperaMaximaGeneracion() const
{
    return reducidas_->EsperaMaxima();
}

void TVentanaPrincipal::contextMenuEvent(QContextMenuEvent* e)
{
    popup_->popup(e->globalPos());
}

} // namespace numbrela::ui
