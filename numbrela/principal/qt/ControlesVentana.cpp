// The main window's controls: the surface, the slip panel and draw strip, the boxes, the
// command buttons on their actions, and their places when the window is resized.
#include <QAction>
#include <QMenuBar>

#include "controles/Accesibilidad.h"
#include "controles/Colores.h"
#include "controles/TDibujos.h"
#include "controles/TMiBoton.h"
#include "controles/TPanel.h"
#include "controles/TShapeButton.h"
#include "principal/ReglasVentana.h"
#include "principal/qt/AccionesVentana.h"
#include "principal/qt/TPanelBoleto.h"
#include "principal/qt/TTiraSorteo.h"
#include "principal/qt/TVentanaImagen.h"
#include "principal/qt/TVentanaPrincipal.h"

namespace numbrela::ui {
namespace {

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
    // A face that is only a picture is named by what its command does.
    if (caption.isEmpty())
        b->setAccessibleName(NombreDeRotulo(accion->text()));
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

} // namespace numbrela::ui
