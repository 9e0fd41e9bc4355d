#include "printing/qt/LienzoQt.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPrinter>

namespace numbrela {

TLienzoQt::TLienzoQt(QPaintDevice& dispositivo, Modo modo) : dispositivo_(dispositivo), modo_(modo)
{
}

TLienzoQt::~TLienzoQt()
{
    if (documento_ && documento_->isActive())
        documento_->end();
}

void TLienzoQt::Dibuja(QPainter& p, const THojaBoleto& hoja)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    if (hoja.Marco) {
        QPen pluma(Qt::black);
        pluma.setWidth(hoja.GrosorPluma);
        pluma.setJoinStyle(Qt::MiterJoin);
        p.setPen(pluma);
        p.setBrush(Qt::NoBrush);
        const TPunto a = hoja.Marco->Desde;
        const TPunto b = hoja.Marco->Hasta;
        p.drawRect(a.X, a.Y, b.X - a.X, b.Y - a.Y);
    }
    for (const TPunto& m : hoja.Marcas)
        p.fillRect(m.X, m.Y, kAnchoMarca, kAltoMarca, Qt::black);
    if (!hoja.Textos.empty()) {
        QFont letra = p.font();
        letra.setPointSizeF(hoja.PuntosLetra);
        p.setFont(letra);
        p.setPen(Qt::black);
        const QFontMetrics medidas(letra, p.device());
        for (const TTextoHoja& t : hoja.Textos) // the point is the text's top-left corner
            p.drawText(t.Posicion.X, t.Posicion.Y + medidas.ascent(),
                       QString::fromStdString(t.Texto));
    }
    p.restore();
}

bool TLienzoQt::Imprime(const THojaBoleto& hoja)
{
    if (abortado_)
        return false;
    auto* impresora = dynamic_cast<QPrinter*>(&dispositivo_);
    if (modo_ == Modo::TrabajoPorBoleto) {
        const bool enCola =
            impresora != nullptr && impresora->outputFormat() == QPrinter::NativeFormat;
        if (impresora != nullptr && !hoja.Titulo.empty())
            impresora->setDocName(QString::fromStdString(hoja.Titulo));
        if (enCola && !cola_.Empezada())
            cola_.Empieza(impresora->printerName());
        QPainter p;
        if (!p.begin(&dispositivo_))
            return false;
        Dibuja(p, hoja);
        if (abortado_ && impresora != nullptr)
            impresora->abort();    // "Abortar" while the job was drawn
        const bool bien = p.end(); // the job goes to the printer here
        if (enCola)
            cola_.Anota(impresora->docName());
        return bien && !abortado_ &&
               (impresora == nullptr || impresora->printerState() != QPrinter::Aborted);
    }
    if (!documento_) {
        if (impresora != nullptr && !hoja.Titulo.empty())
            impresora->setDocName(QString::fromStdString(hoja.Titulo));
        documento_ = std::make_unique<QPainter>();
        if (!documento_->begin(&dispositivo_)) {
            documento_.reset();
            return false;
        }
    } else if (auto* paginado = dynamic_cast<QPagedPaintDevice*>(&dispositivo_)) {
        if (!paginado->newPage())
            return false;
    }
    Dibuja(*documento_, hoja);
    return !abortado_;
}

bool TLienzoQt::Termina()
{
    if (!documento_)
        return true;
    const bool bien = documento_->end();
    documento_.reset();
    return bien;
}

} // namespace numbrela
