#include "luck/qt/TGraficoBiorritmo.h"

#include <QLinearGradient>
#include <QPainter>
#include <algorithm>

#include "luck/TextosSuerte.h"

namespace numbrela::ui {
namespace {

// The chart starts at the top of the first band; the bars hang two pixels lower.
constexpr int kCaida = kArribaBarras - kAltoBanda;
constexpr int kBase = kCaida + kAlturaMaximaBarra; // the base line
constexpr int kYDias = kBase + 4;

// From good luck to poor: green, through yellow, to red.
const QColor kFondoBanda[5] = {
    {206, 240, 206}, {226, 246, 208}, {250, 246, 206}, {252, 228, 200}, {250, 210, 210}};
const QColor kTonoBanda[5] = {
    {20, 140, 50}, {100, 170, 40}, {200, 160, 0}, {230, 110, 20}, {200, 30, 30}};

} // namespace

TGraficoBiorritmo::TGraficoBiorritmo(QWidget* parent) : QWidget(parent)
{
    setFixedSize(kAncho, kAlto);
    setAccessibleName(QString::fromUtf8(kTituloVentanaBiorritmo).trimmed());
}

void TGraficoBiorritmo::Muestra(const TBiorritmo& biorritmo, int barras)
{
    datos_ = biorritmo;
    barras_ = std::clamp(barras, 0, datos_.Dias);
    DescribeParaLectores();
    update();
}

bool TGraficoBiorritmo::BarraVisible(int dia) const
{
    return dia >= 1 && dia <= barras_ && datos_.Barras[static_cast<std::size_t>(dia - 1)].Visible;
}

int TGraficoBiorritmo::AlturaBarra(int dia) const
{
    return BarraVisible(dia) ? datos_.Barras[static_cast<std::size_t>(dia - 1)].Altura : 0;
}

QRect TGraficoBiorritmo::RectanguloBarra(int dia) const
{
    const int altura = std::min(AlturaBarra(dia), kAlturaMaximaBarra);
    return QRect(kIzquierda + kSeparacionBarras * (dia - 1) + 1, kCaida, kAnchoBarra, altura);
}

void TGraficoBiorritmo::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    DibujaBandas(p);
    DibujaDias(p);
    DibujaBarras(p);
}

void TGraficoBiorritmo::DibujaBandas(QPainter& p) const
{
    p.fillRect(rect(), QColor(250, 250, 246));
    QFont f = font();
    f.setBold(true);
    p.setFont(f);
    for (int b = 0; b < 5; ++b) {
        // "Floja" reaches down to the base line, where the longest bars end.
        const int alto = b == 4 ? kBase + 1 - 4 * kAltoBanda : kAltoBanda;
        const QRect banda(0, b * kAltoBanda, width(), alto);
        p.fillRect(banda, kFondoBanda[b]);
        p.fillRect(QRect(0, banda.y(), 6, alto), kTonoBanda[b]);
        p.setPen(kTonoBanda[b].darker(140));
        p.drawText(QRect(10, banda.y(), kIzquierda - 12, kAltoBanda),
                   Qt::AlignVCenter | Qt::AlignLeft, QString::fromUtf8(kBandasBiorritmo[b]));
        p.setPen(QPen(QColor(0, 0, 0, 50), 1, Qt::DotLine));
        if (b < 4)
            p.drawLine(kIzquierda, banda.bottom(), width(), banda.bottom());
    }
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.drawLine(kIzquierda - 1, 0, kIzquierda - 1, kBase);
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(0, kBase + 1, width(), kBase + 1);
}

void TGraficoBiorritmo::DibujaDias(QPainter& p) const
{
    QFont f = font();
    f.setPointSizeF(f.pointSizeF() * 0.85);
    p.setFont(f);
    p.setPen(QColor(20, 20, 60));
    for (int dia = 1; dia <= datos_.Dias; ++dia) {
        const QRect r(kIzquierda + kSeparacionBarras * (dia - 1) - 1, kYDias, kSeparacionBarras + 2,
                      kAlto - kYDias);
        p.drawText(r, Qt::AlignHCenter | Qt::AlignTop, QString::number(dia));
    }
}

// Each bar is navy from where it hangs and takes, towards its end, the colour of the band
// it reaches, so the eye reads the day's luck at the tip.
void TGraficoBiorritmo::DibujaBarras(QPainter& p) const
{
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int dia = 1; dia <= barras_; ++dia) {
        if (!BarraVisible(dia))
            continue;
        const QRect r = RectanguloBarra(dia);
        const QColor tono = kTonoBanda[BandaDeBarra(AlturaBarra(dia))];
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, QColor(30, 50, 120));
        g.setColorAt(r.height() > 24 ? 0.55 : 0.0, QColor(70, 100, 170));
        g.setColorAt(1, tono);
        p.fillRect(r, g);
        p.setPen(QColor(10, 15, 60));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        p.fillRect(QRect(r.x(), r.bottom() - 2, r.width(), 3), tono.darker(120));
    }
}

// A screen reader hears each shown day with the band its bar reaches.
void TGraficoBiorritmo::DescribeParaLectores()
{
    QStringList dias;
    for (int dia = 1; dia <= barras_; ++dia)
        if (BarraVisible(dia))
            dias << QString("%1: %2").arg(dia).arg(
                QString::fromUtf8(kBandasBiorritmo[BandaDeBarra(AlturaBarra(dia))]));
    setAccessibleDescription(dias.join("; "));
}

} // namespace numbrela::ui
