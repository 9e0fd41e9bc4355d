#include "ui/TVentanaPrincipal.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTimer>

#include "files/FicheroApuestas.h"
#include "files/UltimoFichero.h"
#include "generation/ApuestaMultiple.h"
#include "generation/CreaCombFijos.h"
#include "generation/NombresReduccion.h"
#include "generation/TextosReducidas.h"
#include "ui/ReglasVentana.h"
#include "ui/TBloqueoEntrada.h"
#include "ui/TDialogoInformacion.h"
#include "ui/TDialogoIrBoleto.h"
#include "ui/TDialogoMultiple.h"
#include "ui/TDialogoNombre.h"
#include "ui/TDialogoNumApuestas.h"
#include "ui/TDialogoNumerosApuesta.h"
#include "ui/TDialogoNumerosReduccion.h"
#include "ui/TDialogoSalir.h"
#include "ui/TDialogoTipo.h"
#include "ui/TDialogoTipoReduccion.h"
#include "ui/TDibujos.h"
#include "ui/TImagenBoleto.h"
#include "ui/TMiBoton.h"
#include "ui/TPanel.h"
#include "ui/TServicios.h"
#include "ui/TShapeButton.h"
#include "ui/TTablaReducciones.h"
#include "ui/TVentanaImagen.h"
#include "ui/TVentanaProgreso.h"
#include "ui/TextosVentanas.h"

namespace numbrela::ui {
namespace {

const QColor kGranate(128, 0, 0);
const QColor kAmarillo(255, 255, 0);
const QColor kVerdeAzulado(0, 128, 128);
const QColor kMarino(0, 0, 128);

QString Q(const std::string& s)
{
    return QString::fromStdString(s);
}

QColor ColorDe(std::uint32_t rgb)
{
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// Places on the design surface of 800 x 572; only horizontal places follow the width.
constexpr int kYBotonesArriba = 6;
constexpr int kYBoleto = 48;
constexpr int kAnchoPanelBoleto = 749;
constexpr int kAltoTitulo = 26;
constexpr int kYSorteo = 338;
constexpr int kYLeyenda = 376;
constexpr int kYNombre = 404;
constexpr int kYAbajo = 440;

} // namespace

TVentanaPrincipal::TVentanaPrincipal(const std::filesystem::path& carpeta, QWidget* parent)
    : QMainWindow(parent), carpeta_(carpeta), motor_(carpeta), conjunto_(&motor_)
{
    motor_.SinFicheroConFijos = [this](TConjuntoApuestas& c, std::string& error) {
        return SinFicheroConFijos(c, error);
    };
    setWindowTitle(QString::fromUtf8(textos::kTituloPrograma));
    setFocusPolicy(Qt::StrongFocus);
    TDibujos::FijaCarpeta(carpeta_);
    limpio_ = TDibujos::Imagen("Cuadro2.bmp");
    if (limpio_.isNull()) {
        // Without the slip picture the crosses go on a plain white slip of the same size.
        limpio_ = QImage(745, 210, QImage::Format_RGB32);
        limpio_.fill(Qt::white);
    }
    limpio_ = limpio_.convertToFormat(QImage::Format_RGB32);
    trabajo_ = limpio_.copy();
    CreaControles();
    CreaMenus();
    setMinimumSize(800, 572 + menuBar()->sizeHint().height());
    Nueva();
    if (const auto ultimo = UltimoFichero::MeteCadena(carpeta_))
        FijaAbrirDeNuevo(Q(*ultimo));
}

TVentanaPrincipal::~TVentanaPrincipal() = default;

// ------------------------------------------------------------------ controls

TShapeButton* TVentanaPrincipal::BotonOrden(const QString& caption, const char* nombre,
                                            const QString& dibujo)
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
    return b;
}

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

    QFont negrita = font();
    negrita.setBold(true);

    panelBoleto_ = new QFrame(centro_);
    panelBoleto_->setObjectName("PanelBoleto");
    panelBoleto_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panelBoleto_->setLineWidth(2);
    panelBoleto_->setAutoFillBackground(true);
    QPalette pb = panelBoleto_->palette();
    pb.setColor(QPalette::Window, QColor(192, 192, 192));
    panelBoleto_->setPalette(pb);
    panelBoleto_->setGeometry(0, kYBoleto, kAnchoPanelBoleto, 288);

    panel5_ = new TPanel(panelBoleto_, QColor(0, 128, 0), Qt::white);
    panel5_->setObjectName("Panel5");
    panel5_->setGeometry(2, 2, 745, kAltoTitulo);
    panel5_->setFont(negrita);
    connect(panel5_, &TPanel::clicked, this, &TVentanaPrincipal::CambiaJuego);

    panel6_ = new TPanel(panel5_, kVerdeAzulado, Qt::white);
    panel6_->setObjectName("Panel6");
    panel6_->setGeometry(6, 2, 200, kAltoTitulo - 4);
    panel6_->setFont(negrita);
    connect(panel6_, &TPanel::clicked, this, &TVentanaPrincipal::CambiaJuego);

    panel14_ = new TPanel(panel5_, kVerdeAzulado, Qt::white);
    panel14_->setObjectName("Panel14");
    panel14_->setGeometry(745 - 206, 2, 200, kAltoTitulo - 4);
    panel14_->setFont(negrita);
    panel14_->hide();

    image1_ = new TImagenBoleto(panelBoleto_);
    image1_->setObjectName("Image1");
    image1_->setGeometry(2, 2 + kAltoTitulo + 2, 745, 210);
    image1_->setCursor(TDibujos::Cursor1());
    connect(image1_, &TImagenBoleto::pulsado, this, [this](QPoint p, Qt::MouseButton b) {
        if (b != Qt::LeftButton && b != Qt::MiddleButton)
            return;
        EditaApuestaEnColumna(p.x() < 0 ? -1 : p.x() / kAnchoColumnaBoleto);
    });

    for (int j = 0; j < 8; ++j) {
        auto* b = new TMiBoton(panelBoleto_);
        b->setObjectName(QString("MiBoton%1").arg(j + 1));
        b->setGeometry(2 + 93 * j + 1, 242, 89, 22);
        b->setColors(kGranate, kAmarillo);
        b->setFont(negrita);
        connect(b, &TMiBoton::clicked, this, [this, j] { EditaApuestaEnColumna(j); });
        botonesApuesta_[static_cast<std::size_t>(j)] = b;
        auto* a = new TPanel(panelBoleto_, QColor(192, 192, 192), kMarino);
        a->setObjectName(QString("Panel%1").arg(15 + j));
        a->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        a->setLineWidth(1);
        a->setGeometry(2 + 93 * j + 1, 266, 89, 18);
        panelesAciertos_[static_cast<std::size_t>(j)] = a;
    }

    panel23_ = new QFrame(centro_);
    panel23_->setObjectName("Panel23");
    panel23_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel23_->setAutoFillBackground(true);
    QPalette pv = panel23_->palette();
    pv.setColor(QPalette::Window, QColor(0, 128, 0));
    panel23_->setPalette(pv);
    panel23_->resize(7 * 36 + 8, 34);
    for (int i = 0; i < 7; ++i) {
        auto* n = new TPanel(panel23_, i == 6 ? kMarino : QColor(255, 255, 255),
                             i == 6 ? Qt::white : Qt::black);
        n->setObjectName(QString("Panel%1").arg(24 + i));
        n->setGeometry(4 + 36 * i, 4, 32, 26);
        n->setFont(negrita);
        numerosSorteo_[static_cast<std::size_t>(i)] = n;
    }
    panel23_->hide();

    panel2_ = new TPanel(centro_, kGranate, kAmarillo);
    panel2_->setObjectName("Panel2");
    panel2_->resize(745, 24);
    panel2_->setFont(negrita);

    miBoton9_ = new TMiBoton(centro_);
    miBoton9_->setObjectName("MiBoton9");
    miBoton9_->resize(360, 28);
    miBoton9_->setColors(kVerdeAzulado, Qt::white);
    miBoton9_->setFont(negrita);
    connect(miBoton9_, &TMiBoton::clicked, this, &TVentanaPrincipal::Renombra);

    panel3_ = new TPanel(centro_, kGranate, kAmarillo);
    panel3_->setObjectName("Panel3");
    panel3_->resize(190, 24);
    panel3_->setFont(negrita);
    panel4_ = new TPanel(centro_, kGranate, kAmarillo);
    panel4_->setObjectName("Panel4");
    panel4_->resize(130, 24);
    panel4_->setFont(negrita);
    panel31_ = new TPanel(centro_, kGranate, kAmarillo);
    panel31_->setObjectName("Panel31");
    panel31_->resize(470, 24);

    tipo_ = BotonOrden("&Tipo", "Tipo");
    apuestas_ = BotonOrden("&Apuestas", "Apuestas");
    reducir_ = BotonOrden("Red&ucir", "Reducir");
    numeros_ = BotonOrden("&Números", "Numeros");
    listar_ = BotonOrden("&Listar", "Listar");
    rellenar_ = BotonOrden("&Rellenar", "Rellenar");
    escrutar_ = BotonOrden("&Escrutar", "Escrutar");
    imprimir_ = BotonOrden("&Imprimir", "Imprimir");
    // Their windows come with the scrutiny, listing and printing.
    for (TShapeButton* b : {listar_, escrutar_, imprimir_})
        b->setEnabled(false);
    connect(rellenar_, &TShapeButton::clicked, this, &TVentanaPrincipal::Rellenar);
    connect(tipo_, &TShapeButton::clicked, this, &TVentanaPrincipal::EligeTipo);
    connect(apuestas_, &TShapeButton::clicked, this, &TVentanaPrincipal::NumeroDeApuestas);
    connect(reducir_, &TShapeButton::clicked, this, &TVentanaPrincipal::Reducir);
    connect(numeros_, &TShapeButton::clicked, this, &TVentanaPrincipal::CambiaNumeros);

    primero_ = BotonOrden(QString(), "Primero", "BotonPrimero.bmp");
    anterior_ = BotonOrden(QString(), "Anterior", "BotonAnterior.bmp");
    // Picture-only buttons say what they do when their picture is missing.
    irA_ = BotonOrden(QString(), "IrABoleto", "BotonIrBoleto.bmp");
    irA_->setSemiTransparentColor(QColor(0, 255, 0));
    irA_->setGlassColor(QColor(200, 230, 255));
    irA_->setSemiTransparent(true);
    irA_->setCaption("Boleto|");
    siguiente_ = BotonOrden(QString(), "Siguiente", "BotonSiguiente.bmp");
    ultimo_ = BotonOrden(QString(), "Ultimo", "BotonUltimo.bmp");
    informacion_ = BotonOrden(QString(), "Informacion", "BotonInfo.bmp");
    salir_ = BotonOrden("&Salir", "Salir", "BotonSalir.bmp");
    const std::pair<TShapeButton*, const char*> sinDibujo[] = {{primero_, "|<"},
                                                               {anterior_, "<"},
                                                               {siguiente_, ">"},
                                                               {ultimo_, ">|"},
                                                               {informacion_, "i"}};
    for (const auto& [boton, rotulo] : sinDibujo)
        if (boton->picture().isNull())
            boton->setCaption(rotulo);
    connect(primero_, &TShapeButton::clicked, this, &TVentanaPrincipal::PrimerBoleto);
    connect(anterior_, &TShapeButton::clicked, this, &TVentanaPrincipal::BoletoAnterior);
    connect(irA_, &TShapeButton::clicked, this, &TVentanaPrincipal::IrABoleto);
    connect(siguiente_, &TShapeButton::clicked, this, &TVentanaPrincipal::BoletoSiguiente);
    connect(ultimo_, &TShapeButton::clicked, this, &TVentanaPrincipal::UltimoBoleto);
    connect(informacion_, &TShapeButton::clicked, this, &TVentanaPrincipal::AlternaInformacion);
    connect(salir_, &TShapeButton::clicked, this, &TVentanaPrincipal::Salir);
}

void TVentanaPrincipal::CreaMenus()
{
    auto desactivada = [](QAction* a) {
        a->setEnabled(false);
        return a;
    };
    QMenu* archivo = menuBar()->addMenu("&Archivo");
    archivo->addAction("&Nueva", QKeySequence("Ctrl+N"), this, &TVentanaPrincipal::Nueva);
    archivo->addAction("&Abrir...", QKeySequence("Ctrl+O"), this, &TVentanaPrincipal::Abrir);
    accGrabar_ =
        archivo->addAction("&Grabar", QKeySequence("Ctrl+S"), this, &TVentanaPrincipal::Grabar);
    accGrabarComo_ = archivo->addAction("G&rabar como...", this, &TVentanaPrincipal::GrabarComo);
    archivo->addSeparator();
    desactivada(archivo->addAction("&Establecer impresora..."));
    desactivada(archivo->addAction("&Imprimir...", QKeySequence("Ctrl+P")));
    archivo->addSeparator();
    archivo->addAction("&Salir del programa         ALT+F4", this, &QWidget::close);
    archivo->addSeparator();
    QMenu* deNuevo = archivo->addMenu("A&brir de nuevo");
    accAbrirDeNuevo_ = deNuevo->addAction(QString(), this, &TVentanaPrincipal::AbrirDeNuevo);

    QMenu* azarix = menuBar()->addMenu("&Azarix");
    azarix->addAction("&Fecha de Sorteo...", this, &TVentanaPrincipal::FechaDeSorteo);
    azarix->addAction("&Datos del usuario...", this, &TVentanaPrincipal::DatosDelUsuario);
    azarix->addSeparator();
    azarix->addAction("&Tipo...", this, &TVentanaPrincipal::EligeTipo);
    desactivada(azarix->addAction("&Escrutar..."));
    desactivada(azarix->addAction("&Listar..."));
    azarix->addAction("&Rellenar", this, &TVentanaPrincipal::Rellenar);
    azarix->addSeparator();
    azarix->addAction("&Tabla de Reducciones", this, &TVentanaPrincipal::TablaDeReducciones);

    QMenu* impresion = menuBar()->addMenu("&Impresión");
    desactivada(impresion->addAction("&Cuadrar Boleto ..."));
    impresion->addSeparator();
    desactivada(impresion->addAction("&Imprimir boletos..."));
    desactivada(impresion->addAction("&Imprimir listados..."));

    QMenu* suerte = menuBar()->addMenu("&Suerte");
    suerte->addAction("&Biorritmo...", this, &TVentanaPrincipal::Biorritmo);
    suerte->addAction(QString::fromUtf8("&Tus 3 números"), this, &TVentanaPrincipal::TusTresNumeros);

    QMenu* pedidos = menuBar()->addMenu("&Pedidos");
    pedidos->addAction("&Comprar Numbrela...", this,
                       [this] { TVentanaImagen(this, TVentanaImagen::Modo::Comprar).exec(); });
    pedidos->addAction("&Información/Internet...", this,
                       [this] { TVentanaImagen(this, TVentanaImagen::Modo::Informacion).exec(); });

    QMenu* ayuda = menuBar()->addMenu("&Ayuda");
    desactivada(ayuda->addAction("&Ayuda en línea..."));
    ayuda->addSeparator();
    ayuda->addAction("A&cerca de Numbrela", this,
                     [this] { TVentanaImagen(this, TVentanaImagen::Modo::AcercaDe).exec(); });

    popup_ = new QMenu(this);
    popup_->addAction("&Nueva", this, &TVentanaPrincipal::Nueva);
    popup_->addAction("&Abrir...", this, &TVentanaPrincipal::Abrir);
    popGrabar_ = popup_->addAction("&Grabar...", this, &TVentanaPrincipal::Grabar);
    popGrabarComo_ = popup_->addAction("G&rabar como...", this, &TVentanaPrincipal::GrabarComo);
    popup_->addSeparator();
    desactivada(popup_->addAction("&Imprimir boletos..."));
    desactivada(popup_->addAction("I&mprimir listados..."));
    popup_->addSeparator();
    desactivada(popup_->addAction("A&yuda en línea"));
    popup_->addAction("&Salir del programa", this, &QWidget::close);
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
    const int P = (w - kAnchoPanelBoleto) / 2;
    const int L = (w - irA_->width()) / 2;
    const TDisposicion d = Disposicion(P, L);
    panelBoleto_->move(P, kYBoleto);
    panel23_->move((w - panel23_->width()) / 2, kYSorteo);
    panel2_->move((w - panel2_->width()) / 2, kYLeyenda);
    miBoton9_->move((w - miBoton9_->width()) / 2, kYNombre);
    tipo_->move(d.Tipo, kYBotonesArriba);
    apuestas_->move(d.Apuestas, kYBotonesArriba);
    reducir_->move(d.Reducir, kYBotonesArriba);
    numeros_->move(d.Numeros, kYBotonesArriba);
    listar_->move(d.Listar, kYBotonesArriba);
    rellenar_->move(d.Rellenar, kYBotonesArriba);
    escrutar_->move(d.Escrutar, kYBotonesArriba);
    imprimir_->move(d.Imprimir, kYBotonesArriba);
    irA_->move(L, kYAbajo - 4);
    primero_->move(d.Primero, kYAbajo);
    anterior_->move(d.Anterior, kYAbajo);
    siguiente_->move(d.Siguiente, kYAbajo);
    ultimo_->move(d.Ultimo, kYAbajo);
    informacion_->move(d.Informacion, kYAbajo + 7);
    panel3_->move(d.Contador, kYAbajo + 4);
    panel31_->move(d.Fichero, kYAbajo + 62);
    panel4_->move(d.Precio, kYAbajo + 4);
    salir_->move(d.Salir, kYAbajo + 34);
}

// ------------------------------------------------------------------ refresh

void TVentanaPrincipal::ActualizaBotones()
{
    const TipoApuesta tipo = conjunto_.Tipo();
    reducir_->setEnabled(tipo == TipoApuesta::Reducida);
    numeros_->setEnabled(tipo == TipoApuesta::Reducida);
    apuestas_->setEnabled(tipo == TipoApuesta::Simple);
}

void TVentanaPrincipal::ActualizaResto()
{
    const CabeceraApuestas& c = conjunto_.Cabecera;
    for (TMiBoton* b : botonesApuesta_)
        b->hide();
    if (conjunto_.Tipo() == TipoApuesta::Multiple) {
        botonesApuesta_[0]->setCaption("1");
        botonesApuesta_[0]->show();
    } else {
        const int k = conjunto_.ApuestasEnBoleto(conjunto_.BoletoActual);
        for (int j = 0; j < k; ++j) {
            botonesApuesta_[static_cast<std::size_t>(j)]->setCaption(
                QString::number(8LL * conjunto_.BoletoActual + j + 1));
            botonesApuesta_[static_cast<std::size_t>(j)]->show();
        }
    }
    panel3_->setText(Q(conjunto_.TextoContador()));
    miBoton9_->setCaption(Q(c.Nombre));
    panel6_->setText(QString::fromUtf8(NombreJuego(c.Juego)));
    panel5_->setColors(ColorDe(ColorJuego(c.Juego)), Qt::white);
    panel4_->setText(Q(conjunto_.TextoPrecio()));
    if (c.Sorteo.HaySorteo()) {
        for (int i = 0; i < 6; ++i)
            numerosSorteo_[static_cast<std::size_t>(i)]->setText(
                QString::number(c.Sorteo.Numeros[static_cast<std::size_t>(i)]));
        numerosSorteo_[6]->setText(QString::number(c.Sorteo.Complementario));
    } else {
        panel23_->hide();
    }
    if (c.TotalFijos > 0)
        reducir_->setEnabled(false);
}

void TVentanaPrincipal::DibujaCruz(QPainter& p, int columna, int numero)
{
    const TPunto e = EsquinaCruz(columna, numero);
    p.drawLine(e.x, e.y, e.x + kAnchoCruz, e.y - kAltoCruz);
    p.drawLine(e.x + kAnchoCruz, e.y, e.x, e.y - kAltoCruz);
}

void TVentanaPrincipal::ActualizaCruces()
{
    for (TPanel* a : panelesAciertos_)
        a->clear();
    trabajo_ = limpio_.copy();
    conjunto_.PreparaBoleto();
    const bool multiple = conjunto_.Tipo() == TipoApuesta::Multiple;
    const bool reducida = conjunto_.Tipo() == TipoApuesta::Reducida;
    const int k = multiple ? 1 : conjunto_.ApuestasEnBoleto(conjunto_.BoletoActual);
    QPainter p(&trabajo_);
    p.setPen(QPen(Qt::black, 2));
    for (int j = 0; j < k; ++j) {
        const std::size_t indice = multiple || reducida
                                       ? static_cast<std::size_t>(j)
                                       : static_cast<std::size_t>(8LL * conjunto_.BoletoActual + j);
        if (indice >= conjunto_.Apuestas.size())
            break;
        const TApuestas& a = conjunto_.Apuestas[indice];
        for (int n = 1; n <= kNumeros; ++n)
            if (a.Marcado(n))
                DibujaCruz(p, j, n);
        if (!conjunto_.EscrutadoHecho)
            continue;
        int aciertos = a.Aciertos;
        bool complementario = a.ConComplementario != 0;
        if (reducida) {
            const std::size_t r = static_cast<std::size_t>(8LL * conjunto_.BoletoActual + j);
            if (r < conjunto_.AciertosReducida.size()) {
                aciertos = conjunto_.AciertosReducida[r] & 0x7F;
                complementario = (conjunto_.AciertosReducida[r] & 0x80) != 0;
            }
        }
        panelesAciertos_[static_cast<std::size_t>(j)]->setText(
            QString("Aciertos: %1%2").arg(aciertos).arg(complementario ? " +C" : ""));
    }
    p.end();
    image1_->setPixmap(QPixmap::fromImage(trabajo_));
}

void TVentanaPrincipal::Refresca()
{
    ActualizaBotones();
    ActualizaResto();
    ActualizaCruces();
    accGrabar_->setEnabled(conjunto_.GrabarHabilitado);
    popGrabar_->setEnabled(conjunto_.GrabarHabilitado);
}

void TVentanaPrincipal::MuestraTextos(const TTextosConjunto& t)
{
    panel2_->setText(Q(t.Leyenda));
    panel2_->setToolTip(Q(t.Leyenda));
}

void TVentanaPrincipal::FijaPanelFichero()
{
    panel31_->setText(conjunto_.NombreFichero == kSinFichero
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
    MuestraTextos(conjunto_.Nueva());
    panel14_->hide();
    panel23_->hide();
    FijaPanelFichero();
    Refresca();
}

// After a new kind: the file panel, the draw and the banner follow the reset set.
void TVentanaPrincipal::TrasCambioDeTipo()
{
    panel23_->hide();
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
        MuestraTextos(t);
        panel14_->hide();
        TrasCambioDeTipo();
    } else if (eleccion == TDialogoTipo::kMultiple) {
        EligeMultiple();
    } else if (eleccion == TDialogoTipo::kReducida) {
        EligeReducida();
    }
}

void TVentanaPrincipal::EligeMultiple()
{
    TDialogoMultiple dialogo(this);
    if (dialogo.exec() != TDialogo::kAceptado)
        return; // the set, its name and its file stay as they were
    TTextosConjunto t;
    if (!ApuestaMultiple::Crea(conjunto_, dialogo.Codigo(), t))
        return;
    MuestraTextos(t);
    panel14_->setText(Q(ApuestaMultiple::TextoBanner(conjunto_)));
    panel14_->show();
    TrasCambioDeTipo();
}

void TVentanaPrincipal::EligeReducida()
{
    const TCopiaReduccion copia = EmpiezaEleccionReducida(conjunto_.Cabecera);
    TDialogoTipoReduccion tipo(this, conjunto_.Cabecera.TipoReduccion);
    if (tipo.exec() != TDialogo::kAceptado) {
        RestauraReduccion(conjunto_.Cabecera, copia);
        return;
    }
    numerosReduccion_ = std::make_unique<TDialogoNumerosReduccion>(
        this, conjunto_.Cabecera, [this] { return AbreRlfElegido(); });
    if (numerosReduccion_->exec() != TDialogo::kAceptado) {
        RestauraReduccion(conjunto_.Cabecera, copia);
        return;
    }
    if (numerosReduccion_->AbrioRlf()) {
        MuestraTextos(TrasAbrirReducidaGuardada(conjunto_));
        panel14_->hide();
        TrasCambioDeTipo();
        return;
    }
    std::string error;
    TTextosConjunto t;
    const TResultadoEleccion r = TerminaEleccionReducida(conjunto_, motor_, copia, error, t);
    if (r == TResultadoEleccion::Hecha)
        panel14_->hide();
    TrasReducida(r, error, t);
}

void TVentanaPrincipal::TrasReducida(TResultadoEleccion r, const std::string& error,
                                     const TTextosConjunto& t)
{
    if (!error.empty())
        AvisaError(error);
    if (r == TResultadoEleccion::Hecha) {
        MuestraTextos(t);
        TrasCambioDeTipo();
    } else if (r == TResultadoEleccion::Fallida && conjunto_.Tipo() == TipoApuesta::Simple &&
               conjunto_.TotalApuestas() == 1 && conjunto_.NombreFichero == kSinFichero) {
        // The load failed and the set was reset as "Nueva".
        Nueva();
    } else {
        MuestraTextos({conjunto_.TextoLeyenda(), conjunto_.TextoContador()});
        Refresca();
    }
}

void TVentanaPrincipal::Reducir()
{
    if (conjunto_.Tipo() != TipoApuesta::Reducida || conjunto_.Cabecera.TotalFijos > 0)
        return;
    const std::uint8_t anterior = conjunto_.Cabecera.TipoReduccion;
    TDialogoTipoReduccion dialogo(this, conjunto_.Cabecera.TipoReduccion);
    if (dialogo.exec() != TDialogo::kAceptado) {
        conjunto_.Cabecera.TipoReduccion = anterior;
        return;
    }
    std::string error;
    TTextosConjunto t;
    TrasReducida(CambiaTipoReducida(conjunto_, motor_, anterior, error, t), error, t);
}

void TVentanaPrincipal::CambiaNumeros()
{
    if (conjunto_.Tipo() != TipoApuesta::Reducida)
        return;
    const TCopiaReduccion copia = GuardaReduccion2(conjunto_.Cabecera);
    if (!numerosReduccion_)
        numerosReduccion_ = std::make_unique<TDialogoNumerosReduccion>(
            this, conjunto_.Cabecera, [this] { return AbreRlfElegido(); });
    if (numerosReduccion_->exec() != TDialogo::kAceptado) {
        RestauraReduccion(conjunto_.Cabecera, copia);
        return;
    }
    if (numerosReduccion_->AbrioRlf()) {
        MuestraTextos(TrasAbrirReducidaGuardada(conjunto_));
        TrasCambioDeTipo();
        return;
    }
    std::string error;
    TTextosConjunto t;
    TrasReducida(CambiaNumerosReducida(conjunto_, motor_, copia, error, t), error, t);
}

// The picture button of the numbers dialog and "Abrir..." of the first notice: a stored
// ".RLF" chosen by hand becomes the current system.
bool TVentanaPrincipal::AbreRlfElegido()
{
    const QString ruta = TServicios::Actuales().EligeAbrir(
        this, QString::fromUtf8(kTituloAbrirRlf), "Apuestas reducidas con Fijo (*.rlf *.RLF)");
    if (ruta.isEmpty())
        return false;
    std::string error;
    if (!motor_.AbreConFijo(conjunto_, ruta.toStdString(), error)) {
        AvisaError(error);
        return false;
    }
    panel23_->hide();
    return true;
}

// The dialogue when the ".RLF" for the chosen numbers does not exist yet: the first notice
// (which may open a stored system), the second (accept generates), then the generation
// with its progress window. While it runs the windows keep painting and no input acts.
bool TVentanaPrincipal::SinFicheroConFijos(TConjuntoApuestas& conjunto, std::string& error)
{
    CabeceraApuestas& c = conjunto.Cabecera;
    const int k = GarantiaDeTipo(c.TipoReduccion);
    const std::span<const std::uint8_t> fijos(
        c.ListaFijos.data(), static_cast<std::size_t>(std::clamp(c.TotalFijos, 0, 3)));
    const std::string fichero = NombreRlf(c.TotalReducidos, k, fijos);
    TDialogoInformacion aviso1(this, 1, TextosInformacion(1, c.TotalReducidos, k, fichero),
                               [this] { return AbreRlfElegido(); });
    if (aviso1.exec() == TDialogoInformacion::kAbierto)
        return true;
    TDialogoInformacion aviso2(this, 2, TextosInformacion(2, c.TotalReducidos, k, fichero), {});
    if (aviso2.exec() != TDialogo::kAceptado)
        return false;

    TVentanaProgreso progreso(this, TextosProgreso(c.TotalReducidos, fijos, fichero));
    progreso.show();
    generando_ = true;
    esperaMaxima_ = 0;
    TBloqueoEntrada bloqueo(&progreso);
    QCoreApplication::processEvents();
    QElapsedTimer reloj;
    reloj.start();
    std::string mensaje;
    const bool ok = GeneraYAbreConFijos(
        motor_, conjunto,
        [&](std::int64_t apuestas) {
            // Let pending events run now and then: painting goes on, input is swallowed.
            if (reloj.elapsed() >= 20) {
                esperaMaxima_ = std::max(esperaMaxima_, reloj.nsecsElapsed() / 1e6);
                progreso.FijaApuestas(apuestas);
                QCoreApplication::processEvents();
                reloj.restart();
            }
            return true;
        },
        mensaje, error);
    esperaMaxima_ = std::max(esperaMaxima_, reloj.nsecsElapsed() / 1e6);
    generando_ = false;
    progreso.hide();
    if (ok) {
        panel23_->hide();
        if (!mensaje.empty())
            AvisaError(mensaje);
    }
    return ok;
}

void TVentanaPrincipal::NumeroDeApuestas()
{
    if (conjunto_.Tipo() != TipoApuesta::Simple)
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

void TVentanaPrincipal::PrimerBoleto()
{
    if (conjunto_.BoletoActual == 0)
        return;
    conjunto_.BoletoActual = 0;
    ActualizaResto();
    ActualizaCruces();
}

void TVentanaPrincipal::BoletoAnterior()
{
    if (conjunto_.BoletoActual <= 0)
        return;
    --conjunto_.BoletoActual;
    ActualizaResto();
    ActualizaCruces();
}

void TVentanaPrincipal::BoletoSiguiente()
{
    if (conjunto_.BoletoActual >= conjunto_.Cabecera.UltimoBoleto)
        return;
    ++conjunto_.BoletoActual;
    ActualizaResto();
    ActualizaCruces();
}

void TVentanaPrincipal::UltimoBoleto()
{
    if (conjunto_.BoletoActual == conjunto_.Cabecera.UltimoBoleto ||
        conjunto_.Cabecera.UltimoBoleto < 0)
        return;
    conjunto_.BoletoActual = conjunto_.Cabecera.UltimoBoleto;
    ActualizaResto();
    ActualizaCruces();
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
    conjunto_.BoletoActual = *r.Boleto;
    ActualizaResto();
    ActualizaCruces();
}

void TVentanaPrincipal::EditaApuestaEnColumna(int columna)
{
    const TEleccionApuesta e = ApuestaEnColumna(conjunto_, columna);
    if (!e.Error.empty()) {
        AvisaError(e.Error);
        return;
    }
    const std::size_t indice =
        conjunto_.Tipo() == TipoApuesta::Multiple ? 0 : static_cast<std::size_t>(e.Apuesta - 1);
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
    miBoton9_->setCaption(Q(conjunto_.Cabecera.Nombre));
}

void TVentanaPrincipal::CambiaJuego()
{
    conjunto_.CicloJuego();
    ActualizaResto();
}

void TVentanaPrincipal::AlternaInformacion()
{
    const bool mostrar = !panel3_->isVisible();
    for (QWidget* w : std::initializer_list<QWidget*>{panel3_, panel4_, panel31_, miBoton9_})
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

bool TVentanaPrincipal::AbreFichero(const QString& ruta, bool reiniciaSiFalla)
{
    const TResultadoApertura r = FicheroApuestas::AbreDeUnaVez(conjunto_, ruta.toStdString());
    panel14_->hide();
    panel23_->hide();
    // A reduced set opened from a file brings its own choice of numbers.
    numerosReduccion_.reset();
    if (!r.Ok) {
        AvisaError(r.Error);
        if (reiniciaSiFalla) {
            Nueva();
            return false;
        }
        MuestraTextos({conjunto_.TextoLeyenda(), conjunto_.TextoContador()});
        FijaPanelFichero();
        Refresca();
        return false;
    }
    MuestraTextos(r.Textos);
    panel31_->setText(Q(r.PanelFichero));
    Refresca();
    if (r.MostrarSorteo)
        panel23_->show();
    return true;
}

void TVentanaPrincipal::Abrir()
{
    const QString ruta = TServicios::Actuales().EligeAbrir(this, "Cargar apuesta desde disco...",
                                                           "Archivos de apuestas (*.apu)");
    if (!ruta.isEmpty())
        AbreFichero(ruta);
}

void TVentanaPrincipal::AbrirDeNuevo()
{
    const QString ruta = CaptionAbrirDeNuevo();
    if (!ruta.isEmpty())
        AbreFichero(ruta);
}

QString TVentanaPrincipal::CaptionAbrirDeNuevo() const
{
    return accAbrirDeNuevo_->data().toString();
}

void TVentanaPrincipal::FijaAbrirDeNuevo(const QString& ruta)
{
    accAbrirDeNuevo_->setData(ruta);
    // "&" in a path must not become an accelerator.
    accAbrirDeNuevo_->setText(QString(ruta).replace("&", "&&"));
}

void TVentanaPrincipal::Grabar()
{
    if (!conjunto_.GrabarHabilitado)
        return;
    std::string error;
    if (!FicheroApuestas::Graba(conjunto_, conjunto_.NombreFichero, ModoGrabacion::Grabar, carpeta_,
                                error))
        AvisaError(error);
}

void TVentanaPrincipal::GrabarComo()
{
    if (const auto incompleta = FicheroApuestas::CompruebaCruces(conjunto_)) {
        AvisaError(*incompleta);
        return;
    }
    QString ruta = TServicios::Actuales().EligeGuardar(
        this, "Guardar apuesta en disco...", "archivos de apuestas (*.apu)",
        Q(FicheroApuestas::NombrePropuesto(conjunto_)));
    if (ruta.isEmpty())
        return;
    if (QFileInfo(ruta).suffix().isEmpty())
        ruta += ".apu";
    if (QFileInfo::exists(ruta) &&
        !TServicios::Actuales().Pregunta(this, QString::fromUtf8(textos::kSobreescribir)))
        return;
    std::string error;
    const bool ok = FicheroApuestas::Graba(conjunto_, ruta.toStdString(), ModoGrabacion::GrabarComo,
                                           carpeta_, error);
    if (!ok)
        AvisaError(error);
    if (conjunto_.NombreFichero == ruta.toStdString()) {
        FijaPanelFichero();
        if (const auto ultimo = UltimoFichero::MeteCadena(carpeta_))
            FijaAbrirDeNuevo(Q(*ultimo));
    }
    Refresca();
}

void TVentanaPrincipal::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_T:
        EligeTipo();
        break;
    case Qt::Key_A:
        if (apuestas_->isEnabled())
            NumeroDeApuestas();
        break;
    case Qt::Key_S:
        Salir();
        break;
    case Qt::Key_B:
        IrABoleto();
        break;
    case Qt::Key_Up:
        PrimerBoleto();
        break;
    case Qt::Key_Left:
        BoletoAnterior();
        break;
    case Qt::Key_Right:
        BoletoSiguiente();
        break;
    case Qt::Key_Down:
        UltimoBoleto();
        break;
    case Qt::Key_U:
        if (reducir_->isEnabled())
            Reducir();
        break;
    case Qt::Key_N:
        if (numeros_->isEnabled())
            CambiaNumeros();
        break;
    case Qt::Key_R:
        Rellenar();
        break;
    default:
        QMainWindow::keyPressEvent(e);
        return;
    }
    e->accept();
}

void TVentanaPrincipal::contextMenuEvent(QContextMenuEvent* e)
{
    popup_->popup(e->globalPos());
}

} // namespace numbrela::ui
