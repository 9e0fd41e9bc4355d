#include "scrutiny/qt/TVentanaListado.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <numeric>

#include "controles/TBloqueoEntrada.h"
#include "controles/TDibujos.h"
#include "controles/TShapeButton.h"
#include "scrutiny/DocumentoListado.h"
#include "scrutiny/TextosEscrutinio.h"
#include "scrutiny/qt/TVentanaPrevisualizacion.h"

namespace numbrela::ui {
namespace {

QString U(const char* s)
{
    return QString::fromUtf8(s);
}

constexpr int kXTabla = 20;
constexpr int kYTabla = 56;

} // namespace

TVentanaListado::TVentanaListado(QWidget* parent, const TConjuntoApuestas& conjunto)
    : TDialogo(parent, U(textos::kTituloListado), QString(), QSize(400, 528)), conjunto_(conjunto),
      listado_(conjunto)
{
    setObjectName("Listado");
    Titulo()->hide();

    imprimir_ = CreaBoton("BotonOrden.bmp", QPoint(12, 10), U(textos::kImprimir));
    imprimir_->setObjectName("Imprimir");
    imprimir_->setTextColor(Qt::white);
    connect(imprimir_, &TShapeButton::clicked, this, &TVentanaListado::Imprimir);

    CreaTabla();
    CreaBotonesPagina();
    CreaPanelProgreso();
    Muestra();
}

// The table of one page of bets, its columns as wide as the listing's.
void TVentanaListado::CreaTabla()
{
    const auto& anchos = ListadoApuestas::kAnchoColumnas;
    const int ancho = std::accumulate(anchos.begin(), anchos.end(), 0);
    const int alto = ListadoApuestas::kAltoFila * (ListadoApuestas::kFilasPorPagina + 1);
    tabla_ = new QTableWidget(this);
    tabla_->setObjectName("Tabla");
    tabla_->setAccessibleName(U(textos::kTituloListado));
    tabla_->setColumnCount(static_cast<int>(anchos.size()));
    QStringList cabecera;
    for (const std::string& c : ListadoApuestas::kCabecera)
        cabecera << QString::fromStdString(c);
    tabla_->setHorizontalHeaderLabels(cabecera);
    tabla_->verticalHeader()->hide();
    QHeaderView* h = tabla_->horizontalHeader();
    h->setSectionResizeMode(QHeaderView::Fixed);
    h->setMinimumSectionSize(8);
    h->setFixedHeight(ListadoApuestas::kAltoFila);
    h->setHighlightSections(false);
    for (std::size_t i = 0; i < anchos.size(); ++i)
        tabla_->setColumnWidth(static_cast<int>(i), anchos[i]);
    tabla_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tabla_->verticalHeader()->setMinimumSectionSize(8);
    tabla_->verticalHeader()->setDefaultSectionSize(ListadoApuestas::kAltoFila);
    tabla_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tabla_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tabla_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    const int marco = 2 * tabla_->frameWidth();
    tabla_->setGeometry(kXTabla, kYTabla, ancho + marco, alto + marco);
}

// First, previous, next and last page under the table, and "Cerrar" below them.
void TVentanaListado::CreaBotonesPagina()
{
    const char* dibujos[4] = {"BotonPrimero.bmp", "BotonAnterior.bmp", "BotonSiguiente.bmp",
                              "BotonUltimo.bmp"};
    const char* nombres[4] = {"PrimeraPagina", "PaginaAnterior", "PaginaSiguiente", "UltimaPagina"};
    const char* sinDibujo[4] = {"|<", "<", ">", ">|"};
    const char* accesibles[4] = {"Primera página", "Página anterior", "Página siguiente",
                                 "Última página"};
    const int yBotones = tabla_->y() + tabla_->height() + 8;
    for (int i = 0; i < 4; ++i) {
        TShapeButton* b =
            CreaBoton(dibujos[i], QPoint(80 + 64 * i, yBotones), QString(), sinDibujo[i]);
        if (b->picture().isNull())
            b->resize(48, 32);
        b->setObjectName(nombres[i]);
        b->setAccessibleName(U(accesibles[i]));
        paginas_[static_cast<std::size_t>(i)] = b;
    }
    connect(paginas_[0], &TShapeButton::clicked, this, [this] {
        listado_.PrimeraPagina();
        Muestra();
    });
    connect(paginas_[1], &TShapeButton::clicked, this, [this] {
        listado_.PaginaAnterior();
        Muestra();
    });
    connect(paginas_[2], &TShapeButton::clicked, this, [this] {
        listado_.PaginaSiguiente();
        Muestra();
    });
    connect(paginas_[3], &TShapeButton::clicked, this, [this] {
        listado_.UltimaPagina();
        Muestra();
    });
    cerrar_ = BotonAceptar(QPoint(164, yBotones + 54));
    cerrar_->setAccessibleName(U(textos::kCerrar));
}

// The progress panel shown over the table while the printed document is built.
void TVentanaListado::CreaPanelProgreso()
{
    progreso_ = new QFrame(this);
    progreso_->setObjectName("PanelProgreso");
    progreso_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    progreso_->setLineWidth(2);
    progreso_->setAutoFillBackground(true);
    QPalette pp = progreso_->palette();
    pp.setColor(QPalette::Window, QColor(255, 255, 192));
    pp.setColor(QPalette::WindowText, QColor(0, 0, 128));
    progreso_->setPalette(pp);
    progreso_->setGeometry(kXTabla + 10, kYTabla + 120, tabla_->width() - 20, 96);
    auto* generando = new QLabel(U(ListadoApuestas::kTextoGenerando), progreso_);
    generando->setGeometry(8, 10, progreso_->width() - 16, 24);
    generando->setAlignment(Qt::AlignCenter);
    QFont fb = generando->font();
    fb.setBold(true);
    generando->setFont(fb);
    auto* introduciendo = new QLabel(U(ListadoApuestas::kTextoIntroduciendo), progreso_);
    introduciendo->setGeometry(8, 44, 190, 22);
    numero_ = new QLabel(progreso_);
    numero_->setObjectName("ApuestaEnCurso");
    numero_->setGeometry(196, 44, 64, 22);
    numero_->setFont(fb);
    auto* de = new QLabel(U(textos::kDe), progreso_);
    de->setGeometry(8, 66, 24, 22);
    auto* total = new QLabel(QString::number(listado_.NumeroApuestas()), progreso_);
    total->setGeometry(34, 66, 120, 22);
    total->setFont(fb);
    progreso_->hide();
}

TVentanaListado::~TVentanaListado() = default;

void TVentanaListado::Muestra()
{
    const auto& filas = listado_.Filas();
    tabla_->clearContents();
    tabla_->setRowCount(static_cast<int>(filas.size()));
    for (std::size_t f = 0; f < filas.size(); ++f)
        for (std::size_t c = 0; c < filas[f].size(); ++c)
            tabla_->setItem(static_cast<int>(f), static_cast<int>(c),
                            new QTableWidgetItem(QString::fromStdString(filas[f][c])));
}

void TVentanaListado::Habilita(bool si)
{
    tabla_->setEnabled(si);
    imprimir_->setEnabled(si);
    for (TShapeButton* b : paginas_)
        b->setEnabled(si);
    cerrar_->setEnabled(si);
}

void TVentanaListado::Imprimir()
{
    numero_->setText(QString());
    progreso_->show();
    progreso_->raise();
    Habilita(false);
    {
        std::unique_ptr<TVentanaPrevisualizacion> vista;
        {
            // While the document is built the window repaints, but no click, key or close
            // acts; the counter is refreshed every 50 bets and painted every 20 ms at most.
            TBloqueoEntrada bloqueo;
            QCoreApplication::processEvents();
            QElapsedTimer reloj;
            reloj.start();
            vista = std::make_unique<TVentanaPrevisualizacion>(
                this, conjunto_, DocumentoListado::Clase(conjunto_), [&](std::int64_t n) {
                    numero_->setText(QString::number(n));
                    if (reloj.elapsed() >= 20) {
                        QCoreApplication::processEvents();
                        reloj.restart();
                    }
                });
        }
        vista->exec();
    }
    progreso_->hide();
    Habilita(true);
}

} // namespace numbrela::ui
