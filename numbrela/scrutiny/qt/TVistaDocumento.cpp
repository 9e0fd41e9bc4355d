#include "scrutiny/qt/TVistaDocumento.h"

#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <memory>

namespace numbrela::ui {
namespace {

constexpr int kMargen = 4;
const QColor kAmarillo(255, 255, 0);

// The area's own font is 27 pixels high on a screen of 96 dots per inch.
constexpr double kPuntosTitulo = 27.0 * 72.0 / 96.0;

QString Q(const std::string& s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Lays out `texto` in `fuente` for `dispositivo`, wrapped at `ancho` unless it is a bet
// line, one text line under the other from the top.
void Compone(QTextLayout& l, const QString& texto, const QFont& fuente, bool ajusta, double ancho)
{
    l.setText(texto);
    l.setFont(fuente);
    QTextOption o(Qt::AlignLeft);
    o.setWrapMode(ajusta ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    l.setTextOption(o);
    l.setCacheEnabled(true);
    l.beginLayout();
    double y = 0;
    for (QTextLine t = l.createLine(); t.isValid(); t = l.createLine()) {
        t.setLineWidth(std::max(1.0, ancho));
        t.setPosition(QPointF(0, y));
        y += t.height();
    }
    l.endLayout();
}

double AltoDe(const QTextLayout& l, const QFont& fuente, QPaintDevice* d)
{
    const double alto = l.boundingRect().height();
    return alto > 0 ? alto : QFontMetricsF(fuente, d).height();
}

} // namespace

TVistaDocumento::TVistaDocumento(QWidget* parent) : QAbstractScrollArea(parent)
{
    setObjectName("Documento");
    setAccessibleName(QString::fromUtf8("Listado de apuestas"));
    setAccessibleDescription(QString::fromUtf8("Texto de sólo lectura"));
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setCursor(Qt::IBeamCursor);
    QPalette p = viewport()->palette();
    p.setColor(QPalette::Base, kAmarillo);
    p.setColor(QPalette::Text, Qt::black);
    viewport()->setPalette(p);
    viewport()->setAutoFillBackground(false);
    titulo_ = font();
    titulo_.setPixelSize(27);
    cursiva_ = font();
    cursiva_.setPointSize(9);
    cursiva_.setItalic(true);
    apuesta_ = QFont("Courier New");
    apuesta_.setStyleHint(QFont::TypeWriter);
    apuesta_.setFixedPitch(true);
    apuesta_.setPointSize(8);
}

QFont TVistaDocumento::FuenteDe(EstiloLinea estilo) const
{
    switch (estilo) {
    case EstiloLinea::Titulo:
        return titulo_;
    case EstiloLinea::Cursiva:
        return cursiva_;
    case EstiloLinea::Apuesta:
        break;
    }
    return apuesta_;
}

void TVistaDocumento::FijaDocumento(std::vector<TLineaDocumento> lineas)
{
    lineas_ = std::move(lineas);
    primeraApuesta_ = lineas_.size();
    while (primeraApuesta_ > 0 && lineas_[primeraApuesta_ - 1].Estilo == EstiloLinea::Apuesta)
        --primeraApuesta_;
    ancla_ = cursor_ = {};
    Dispone();
    verticalScrollBar()->setValue(0);
    viewport()->update();
}

int TVistaDocumento::AnchoUtil() const
{
    return std::max(1, viewport()->width() - 2 * kMargen);
}

void TVistaDocumento::Dispone()
{
    altoApuesta_ = QFontMetrics(apuesta_).lineSpacing();
    yCabecera_.assign(1, kMargen);
    for (std::size_t i = 0; i < primeraApuesta_; ++i) {
        QTextLayout l;
        Compone(static_cast<std::int64_t>(i), l);
        yCabecera_.push_back(yCabecera_.back() + static_cast<std::int64_t>(std::ceil(AltoDe(
                                                     l, FuenteDe(lineas_[i].Estilo), viewport()))));
    }
    const std::int64_t alto = AltoTotal();
    QScrollBar* b = verticalScrollBar();
    b->setRange(0, static_cast<int>(std::max<std::int64_t>(0, alto - viewport()->height())));
    b->setPageStep(viewport()->height());
    b->setSingleStep(std::max(1, altoApuesta_));
}

void TVistaDocumento::Compone(std::int64_t i, QTextLayout& l) const
{
    const TLineaDocumento& d = lineas_[static_cast<std::size_t>(i)];
    numbrela::ui::Compone(l, Q(d.Texto), FuenteDe(d.Estilo), d.Estilo != EstiloLinea::Apuesta,
                          AnchoUtil());
}

std::int64_t TVistaDocumento::AltoTotal() const
{
    const auto apuestas = static_cast<std::int64_t>(lineas_.size() - primeraApuesta_);
    return yCabecera_.back() + apuestas * altoApuesta_ + kMargen;
}

std::int64_t TVistaDocumento::YDeLinea(std::int64_t i) const
{
    const auto p = static_cast<std::int64_t>(primeraApuesta_);
    if (i < p)
        return yCabecera_[static_cast<std::size_t>(i)];
    return yCabecera_.back() + (i - p) * altoApuesta_;
}

std::int64_t TVistaDocumento::LineaEnY(std::int64_t y) const
{
    if (lineas_.empty())
        return 0;
    const auto ultima = static_cast<std::int64_t>(lineas_.size()) - 1;
    if (y < yCabecera_.back()) {
        const auto it = std::upper_bound(yCabecera_.begin(), yCabecera_.end(), y);
        return std::clamp<std::int64_t>(it - yCabecera_.begin() - 1, 0, ultima);
    }
    const std::int64_t i = static_cast<std::int64_t>(primeraApuesta_) +
                           (y - yCabecera_.back()) / std::max(1, altoApuesta_);
    return std::clamp<std::int64_t>(i, 0, ultima);
}

std::int64_t TVistaDocumento::PrimeraLineaVisible() const
{
    return LineaEnY(verticalScrollBar()->value());
}

void TVistaDocumento::paintEvent(QPaintEvent* e)
{
    QPainter p(viewport());
    p.fillRect(e->rect(), kAmarillo);
    if (lineas_.empty())
        return;
    p.setPen(Qt::black);
    const std::int64_t arriba = verticalScrollBar()->value();
    const std::int64_t abajo = arriba + viewport()->height();
    const auto [desde, hasta] = std::minmax(ancla_, cursor_);
    const auto n = static_cast<std::int64_t>(lineas_.size());
    QTextLayout::FormatRange seleccion;
    seleccion.format.setBackground(palette().brush(QPalette::Highlight));
    seleccion.format.setForeground(palette().brush(QPalette::HighlightedText));
    for (std::int64_t i = LineaEnY(arriba); i < n; ++i) {
        const std::int64_t y = YDeLinea(i);
        if (y >= abajo)
            break;
        QTextLayout l;
        Compone(i, l);
        QList<QTextLayout::FormatRange> rangos;
        if (desde != hasta && i >= desde.Linea && i <= hasta.Linea) {
            seleccion.start = i == desde.Linea ? desde.Columna : 0;
            seleccion.length =
                (i == hasta.Linea ? hasta.Columna : static_cast<int>(l.text().size()) + 1) -
                seleccion.start;
            rangos << seleccion;
        }
        l.draw(&p, QPointF(kMargen, static_cast<double>(y - arriba)), rangos);
    }
}

void TVistaDocumento::resizeEvent(QResizeEvent* e)
{
    QAbstractScrollArea::resizeEvent(e);
    Dispone();
}

void TVistaDocumento::changeEvent(QEvent* e)
{
    QAbstractScrollArea::changeEvent(e);
    if (e->type() == QEvent::FontChange) {
        const QFont f = font();
        titulo_.setFamily(f.family());
        cursiva_.setFamily(f.family());
        Dispone();
    }
}

TVistaDocumento::TPosicion TVistaDocumento::PosicionEn(QPoint punto) const
{
    if (lineas_.empty())
        return {};
    const std::int64_t y = verticalScrollBar()->value() + std::max(0, punto.y());
    const std::int64_t i = LineaEnY(y);
    QTextLayout l;
    Compone(i, l);
    const double dentro = static_cast<double>(y - YDeLinea(i));
    int columna = static_cast<int>(l.text().size());
    for (int k = 0; k < l.lineCount(); ++k) {
        const QTextLine t = l.lineAt(k);
        if (dentro < t.y() + t.height() || k == l.lineCount() - 1) {
            columna = t.xToCursor(punto.x() - kMargen);
            break;
        }
    }
    return {i, columna};
}

void TVistaDocumento::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    cursor_ = PosicionEn(e->position().toPoint());
    if (!(e->modifiers() & Qt::ShiftModifier))
        ancla_ = cursor_;
    viewport()->update();
}

void TVistaDocumento::mouseMoveEvent(QMouseEvent* e)
{
    if (!(e->buttons() & Qt::LeftButton))
        return;
    const QPoint p = e->position().toPoint();
    // Dragging above or below the area scrolls it.
    if (p.y() < 0)
        verticalScrollBar()->setValue(verticalScrollBar()->value() + p.y());
    else if (p.y() > viewport()->height())
        verticalScrollBar()->setValue(verticalScrollBar()->value() + p.y() - viewport()->height());
    // The point kept inside the area; an area with no height left keeps it at its top.
    const int abajo = std::max(0, viewport()->height() - 1);
    cursor_ = PosicionEn(QPoint(p.x(), std::clamp(p.y(), 0, abajo)));
    viewport()->update();
}

void TVistaDocumento::keyPressEvent(QKeyEvent* e)
{
    QScrollBar* b = verticalScrollBar();
    if (e->matches(QKeySequence::Copy)) {
        Copia();
    } else if (e->matches(QKeySequence::SelectAll)) {
        SeleccionaTodo();
    } else if (e->key() == Qt::Key_Home || e->matches(QKeySequence::MoveToStartOfDocument)) {
        b->setValue(0);
    } else if (e->key() == Qt::Key_End || e->matches(QKeySequence::MoveToEndOfDocument)) {
        b->setValue(b->maximum());
    } else {
        QAbstractScrollArea::keyPressEvent(e);
        return;
    }
    e->accept();
}

void TVistaDocumento::SeleccionaTodo()
{
    ancla_ = {};
    if (!lineas_.empty())
        cursor_ = {static_cast<std::int64_t>(lineas_.size()) - 1,
                   static_cast<int>(Q(lineas_.back().Texto).size())};
    viewport()->update();
}

QString TVistaDocumento::TextoEntre(TPosicion a, TPosicion b) const
{
    QString s;
    for (std::int64_t i = a.Linea; i <= b.Linea && i < static_cast<std::int64_t>(lineas_.size());
         ++i) {
        const QString linea = Q(lineas_[static_cast<std::size_t>(i)].Texto);
        const int desde = i == a.Linea ? a.Columna : 0;
        const int hasta = i == b.Linea ? b.Columna : static_cast<int>(linea.size());
        if (i > a.Linea)
            s += '\n';
        s += linea.mid(desde, hasta - desde);
    }
    return s;
}

QString TVistaDocumento::TextoSeleccionado() const
{
    const auto [desde, hasta] = std::minmax(ancla_, cursor_);
    return desde == hasta ? QString() : TextoEntre(desde, hasta);
}

QString TVistaDocumento::Texto() const
{
    if (lineas_.empty())
        return QString();
    return TextoEntre({}, {static_cast<std::int64_t>(lineas_.size()) - 1,
                           static_cast<int>(Q(lineas_.back().Texto).size())});
}

void TVistaDocumento::Copia() const
{
    const QString s = TextoSeleccionado();
    if (!s.isEmpty())
        QGuiApplication::clipboard()->setText(s);
}

bool TVistaDocumento::Imprime(QPrinter& impresora,
                              const std::function<void(int, int)>& progreso) const
{
    QPainter p;
    if (!p.begin(&impresora))
        return false;
    // The same styles in the printer's own units.
    QFont titulo = titulo_;
    titulo.setPointSizeF(kPuntosTitulo);
    const QFont fuentes[3] = {QFont(titulo, &impresora), QFont(cursiva_, &impresora),
                              QFont(apuesta_, &impresora)};
    auto fuente = [&](EstiloLinea e) -> const QFont& {
        return fuentes[e == EstiloLinea::Titulo ? 0 : e == EstiloLinea::Cursiva ? 1 : 2];
    };
    const QRectF area = impresora.pageLayout().paintRectPixels(impresora.resolution());
    const double ancho = area.width();
    const double altoPagina = area.height();
    const QFontMetricsF mApuesta(fuentes[2], &impresora);
    const double altoApuesta = mApuesta.lineSpacing();
    const double ascenso = mApuesta.ascent();

    // The lines before the bets may wrap: lay them out once.
    std::vector<std::unique_ptr<QTextLayout>> cabecera;
    for (std::size_t i = 0; i < primeraApuesta_; ++i) {
        auto l = std::make_unique<QTextLayout>(QString(), fuente(lineas_[i].Estilo), &impresora);
        numbrela::ui::Compone(*l, Q(lineas_[i].Texto), fuente(lineas_[i].Estilo), true, ancho);
        cabecera.push_back(std::move(l));
    }
    // One pass counts the pages, the second prints them.
    int paginas = 0;
    for (int pasada = 0; pasada < 2; ++pasada) {
        const bool dibuja = pasada == 1;
        int pagina = 1;
        double y = 0;
        auto nuevaPagina = [&] {
            if (dibuja) {
                if (progreso)
                    progreso(pagina, paginas);
                impresora.newPage();
            }
            ++pagina;
            y = 0;
        };
        if (dibuja)
            p.setPen(Qt::black);
        for (std::size_t i = 0; i < cabecera.size(); ++i) {
            const double alto = AltoDe(*cabecera[i], fuente(lineas_[i].Estilo), &impresora);
            if (y > 0 && y + alto > altoPagina)
                nuevaPagina();
            if (dibuja)
                cabecera[i]->draw(&p, QPointF(0, y));
            y += alto;
        }
        if (dibuja)
            p.setFont(fuentes[2]);
        for (std::size_t i = primeraApuesta_; i < lineas_.size(); ++i) {
            if (y > 0 && y + altoApuesta > altoPagina)
                nuevaPagina();
            if (dibuja)
                p.drawText(QPointF(0, y + ascenso), Q(lineas_[i].Texto));
            y += altoApuesta;
        }
        if (!dibuja)
            paginas = pagina;
        else if (progreso)
            progreso(pagina, paginas);
    }
    return p.end();
}

} // namespace numbrela::ui
