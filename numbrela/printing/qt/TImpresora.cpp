#include "printing/qt/TImpresora.h"

#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPushButton>

#include "printing/qt/TVentanaImpresion.h"

namespace numbrela {
namespace {

bool DialogoImprimir(QWidget* padre, QPrinter& impresora)
{
    QPrintDialog d(&impresora, padre);
    d.setOption(QAbstractPrintDialog::PrintPageRange, false);
    return d.exec() == QDialog::Accepted;
}

// The set-up is the printer dialog that only chooses: its button says so.
bool DialogoEstablecer(QWidget* padre, QPrinter& impresora)
{
    QPrintDialog d(&impresora, padre);
    d.setWindowTitle(QString::fromUtf8("Establecer impresora"));
    d.setOption(QAbstractPrintDialog::PrintPageRange, false);
    d.setOption(QAbstractPrintDialog::PrintCollateCopies, false);
    for (auto* caja : d.findChildren<QDialogButtonBox*>())
        if (QPushButton* b = caja->button(QDialogButtonBox::Ok))
            b->setText("Aceptar");
    return d.exec() == QDialog::Accepted;
}

} // namespace

TDialogosImpresora& TDialogosImpresora::Actuales()
{
    static TDialogosImpresora dialogos{DialogoImprimir, DialogoEstablecer};
    return dialogos;
}

TImpresora::TImpresora(QObject* parent) : QObject(parent), impresora_(QPrinter::HighResolution)
{
    setObjectName("Impresora");
    FijaUnidades();
}

void TImpresora::FijaUnidades()
{
    impresora_.setResolution(kPuntosPorPulgada);
    impresora_.setFullPage(true); // the origin is the paper's corner
}

QSize TImpresora::AreaImprimible() const
{
    QPageLayout pagina = impresora_.pageLayout();
    pagina.setMode(QPageLayout::StandardMode);
    pagina.setMargins(pagina.minimumMargins());
    return pagina.paintRectPixels(impresora_.resolution()).size();
}

void TImpresora::Establece(QWidget* padre)
{
    // Cancelling keeps the printer as it was; the dialog may have touched it already.
    const QString nombre = impresora_.printerName();
    const QPrinter::OutputFormat formato = impresora_.outputFormat();
    const QString fichero = impresora_.outputFileName();
    const QPageLayout pagina = impresora_.pageLayout();
    if (!TDialogosImpresora::Actuales().Establecer(padre, impresora_)) {
        impresora_.setOutputFormat(formato);
        if (formato == QPrinter::NativeFormat)
            impresora_.setPrinterName(nombre);
        impresora_.setOutputFileName(fichero);
        impresora_.setPageLayout(pagina);
    }
    FijaUnidades();
}

bool TImpresora::EligeParaImprimir(QWidget* padre)
{
    const bool elegida = TDialogosImpresora::Actuales().Imprimir(padre, impresora_);
    FijaUnidades();
    return elegida;
}

TImpresora* TImpresora::De(QObject* ventana)
{
    return ventana == nullptr
               ? nullptr
               : ventana->findChild<TImpresora*>("Impresora", Qt::FindDirectChildrenOnly);
}

} // namespace numbrela
