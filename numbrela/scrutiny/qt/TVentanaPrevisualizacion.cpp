#include "scrutiny/qt/TVentanaPrevisualizacion.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QVBoxLayout>
#include <algorithm>

#include "controles/TBloqueoEntrada.h"
#include "controles/TDibujos.h"
#include "controles/TServicios.h"
#include "controles/TShapeButton.h"
#include "scrutiny/TextosEscrutinio.h"
#include "scrutiny/qt/TVistaDocumento.h"

namespace numbrela::ui {
namespace {

QString U(const char* s)
{
    return QString::fromUtf8(s);
}

TShapeButton* Boton(QWidget* padre, const char* caption, const char* nombre)
{
    auto* b = new TShapeButton(padre);
    b->setPicture(TDibujos::Imagen("BotonOrden.bmp"));
    if (b->picture().isNull())
        b->resize(90, 36);
    b->setCaption(U(caption));
    b->setObjectName(nombre);
    b->setTextColor(Qt::white);
    b->setFixedSize(b->size()); // the layout must not stretch the shape
    QFont f = b->font();
    f.setBold(true);
    b->setFont(f);
    return b;
}

} // namespace

TVentanaPrevisualizacion::EleccionImpresora& TVentanaPrevisualizacion::EligeImpresora()
{
    static EleccionImpresora eleccion = [](QWidget* w, QPrinter& impresora) {
        QPrintDialog dialogo(&impresora, w);
        return dialogo.exec() == QDialog::Accepted;
    };
    return eleccion;
}

TVentanaPrevisualizacion::TVentanaPrevisualizacion(QWidget* parent,
                                                   const TConjuntoApuestas& conjunto,
                                                   ClaseDocumento clase,
                                                   const DocumentoListado::Progreso& progreso)
    : QDialog(parent),
      tituloTrabajo_(QString::fromStdString(DocumentoListado::TituloTrabajo(conjunto)))
{
    setObjectName("Previsualizacion");
    setWindowTitle(U(DocumentoListado::kTituloVentana));
    setModal(true);
    resize(720, 560);
    auto* l = new QVBoxLayout(this);
    auto* barra = new QHBoxLayout;
    imprimir_ = Boton(this, textos::kImprimir, "Imprimir");
    cerrar_ = Boton(this, textos::kCerrar, "Cerrar");
    estado_ = new QLabel(this);
    estado_->setObjectName("EstadoImpresion");
    barra->addWidget(imprimir_);
    barra->addWidget(cerrar_);
    barra->addSpacing(12);
    barra->addWidget(estado_, 1);
    l->addLayout(barra);
    vista_ = new TVistaDocumento(this);
    l->addWidget(vista_, 1);
    connect(imprimir_, &TShapeButton::clicked, this, &TVentanaPrevisualizacion::Imprimir);
    connect(cerrar_, &TShapeButton::clicked, this, &QDialog::accept);

    // The document is built before the window shows.
    vista_->FijaDocumento(DocumentoListado::Construye(conjunto, clase, progreso));
    vista_->setFocus();
}

TVentanaPrevisualizacion::~TVentanaPrevisualizacion() = default;

void TVentanaPrevisualizacion::Imprimir()
{
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setDocName(tituloTrabajo_);
    if (!EligeImpresora()(this, impresora))
        return;
    ImprimeEn(impresora);
}

bool TVentanaPrevisualizacion::ImprimeEn(QPrinter& impresora)
{
    impresora.setDocName(tituloTrabajo_);
    imprimir_->setEnabled(false);
    cerrar_->setEnabled(false);
    esperaMaxima_ = 0;
    bool ok = false;
    {
        // The windows repaint while the pages go out; no click, key or close acts.
        TBloqueoEntrada bloqueo;
        QElapsedTimer reloj;
        reloj.start();
        ok = vista_->Imprime(impresora, [&](int pagina, int paginas) {
            if (reloj.elapsed() < 20 && pagina < paginas)
                return;
            estado_->setText(U(textos::kImprimiendoPagina) +
                             QString("%1 %2 %3").arg(pagina).arg(U(textos::kDe)).arg(paginas));
            esperaMaxima_ = std::max(esperaMaxima_, reloj.nsecsElapsed() / 1e6);
            QCoreApplication::processEvents();
            reloj.restart();
        });
        esperaMaxima_ = std::max(esperaMaxima_, reloj.nsecsElapsed() / 1e6);
    }
    imprimir_->setEnabled(true);
    cerrar_->setEnabled(true);
    if (!ok) {
        estado_->clear();
        TServicios::Actuales().Avisa(this, U(textos::kErrorImprimir));
    }
    return ok;
}

} // namespace numbrela::ui
