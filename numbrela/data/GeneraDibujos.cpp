// Draws the planner's pictures and its hand cursor into the folder named on the command
// line: the slip, the background tiles, the about, ordering and information pictures, and
// the faces of every shaped button. Run by the build; the output is the same bytes on every
// machine, since nothing here depends on the fonts installed or on the clock.
#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>

#include "FuenteMapa.h"

namespace {

using numbrela::dibujos::BuscaGlifo;

QString g_carpeta;

// The key colour of every shaped button: pixel (1, 1) of each button picture.
const QColor kClave(255, 0, 255);
// The colour that marks glass areas of a button picture (its SemiTransparentColor). Not
// black: the bevel's outline is black and must stay an outline.
const QColor kCristal(0, 255, 0);

// ---------------------------------------------------------------- letters

int AnchoTexto(const QString& s, int escala)
{
    return s.isEmpty() ? 0 : (6 * static_cast<int>(s.size()) - 1) * escala;
}

void Texto(QPainter& p, const QString& s, int x, int y, int escala, const QColor& color)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    for (QChar c : s) {
        const numbrela::dibujos::Glifo* g = BuscaGlifo(c.toUpper().toLatin1());
        if (g != nullptr)
            for (int f = 0; f < 7; ++f)
                for (int k = 0; k < 5; ++k)
                    if (g->Filas[f][k] == '#')
                        p.drawRect(x + k * escala, y + f * escala, escala, escala);
        x += 6 * escala;
    }
    p.restore();
}

// Centred text with a one-step shadow below right.
void TextoCentrado(QPainter& p, const QString& s, int cx, int y, int escala, const QColor& color,
                   const QColor& sombra = QColor(0, 0, 0, 0))
{
    const int x = cx - AnchoTexto(s, escala) / 2;
    if (sombra.alpha() != 0)
        Texto(p, s, x + std::max(1, escala / 2), y + std::max(1, escala / 2), escala, sombra);
    Texto(p, s, x, y, escala, color);
}

// ---------------------------------------------------------------- noise for the tiles

double Azar(int x, int y, int semilla)
{
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u +
                      static_cast<std::uint32_t>(y) * 668265263u +
                      static_cast<std::uint32_t>(semilla) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFFFF) / double(0xFFFFFF);
}

// Value noise that wraps around a tile of w x h, so the tiles join without a seam.
double Ruido(double x, double y, int w, int h, int celdas, int semilla)
{
    const double gx = x * celdas / w, gy = y * celdas / h;
    const int x0 = static_cast<int>(std::floor(gx)), y0 = static_cast<int>(std::floor(gy));
    const double fx = gx - x0, fy = gy - y0;
    auto v = [&](int i, int j) {
        return Azar(((i % celdas) + celdas) % celdas, ((j % celdas) + celdas) % celdas, semilla);
    };
    auto suave = [](double t) { return t * t * (3 - 2 * t); };
    const double a = v(x0, y0), b = v(x0 + 1, y0), c = v(x0, y0 + 1), d = v(x0 + 1, y0 + 1);
    const double sx = suave(fx), sy = suave(fy);
    return (a + (b - a) * sx) * (1 - sy) + (c + (d - c) * sx) * sy;
}

double Fractal(int x, int y, int w, int h, int semilla)
{
    return 0.5 * Ruido(x, y, w, h, 3, semilla) + 0.3 * Ruido(x, y, w, h, 6, semilla + 1) +
           0.2 * Ruido(x, y, w, h, 12, semilla + 2);
}

QColor Mezcla(const QColor& a, const QColor& b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return QColor(static_cast<int>(a.red() + (b.red() - a.red()) * t),
                  static_cast<int>(a.green() + (b.green() - a.green()) * t),
                  static_cast<int>(a.blue() + (b.blue() - a.blue()) * t));
}

// ---------------------------------------------------------------- saving

bool Guarda(const QImage& imagen, const QString& nombre)
{
    const QString ruta = g_carpeta + "/" + nombre;
    if (!imagen.convertToFormat(QImage::Format_RGB32).save(ruta, "BMP")) {
        std::fprintf(stderr, "no se pudo escribir %s\n", qPrintable(ruta));
        return false;
    }
    return true;
}

// Turns a picture drawn with soft edges on a transparent ground into a button picture:
// every pixel at least half covered takes its colour at full strength, the rest becomes
// the key colour. So no pink fringe appears where the shape meets what lies behind.
QImage AImagenConClave(const QImage& suave)
{
    QImage out(suave.size(), QImage::Format_RGB32);
    const QImage src = suave.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x) {
            const QRgb c = src.pixel(x, y);
            QColor color(qRed(c), qGreen(c), qBlue(c));
            if (qAlpha(c) < 128) {
                color = kClave;
            } else if (color == kClave) {
                color = QColor(254, 0, 254);
            } else if (color == kCristal) {
                color = QColor(0, 254, 0); // only glass may be this green
            }
            out.setPixel(x, y, color.rgb());
        }
    return out;
}

QImage Lienzo(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

// ---------------------------------------------------------------- pieces

void Bola(QPainter& p, QPointF c, double r, const QColor& color, const QString& numero, int escala)
{
    QRadialGradient g(c + QPointF(-r * 0.35, -r * 0.4), r * 1.3);
    g.setColorAt(0.0, Mezcla(color, Qt::white, 0.75));
    g.setColorAt(0.45, color);
    g.setColorAt(1.0, Mezcla(color, Qt::black, 0.55));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    if (!numero.isEmpty()) {
        p.setBrush(QColor(250, 250, 245));
        p.drawEllipse(c, r * 0.55, r * 0.55);
        TextoCentrado(p, numero, static_cast<int>(c.x()) + 1,
                      static_cast<int>(c.y() - 3.5 * escala), escala, QColor(30, 30, 40));
    }
}

// A glossy capsule: a dark rim, the body in a vertical gradient and a soft shine on top.
void Capsula(QPainter& p, QRectF r, const QColor& color)
{
    const double radio = r.height() / 2;
    p.setPen(Qt::NoPen);
    p.setBrush(Mezcla(color, Qt::black, 0.45));
    p.drawRoundedRect(r, radio, radio);
    const QRectF cuerpo = r.adjusted(1.5, 1.5, -1.5, -1.5);
    QLinearGradient g(cuerpo.topLeft(), cuerpo.bottomLeft());
    g.setColorAt(0.0, Mezcla(color, Qt::white, 0.35));
    g.setColorAt(0.5, color);
    g.setColorAt(1.0, Mezcla(color, Qt::black, 0.3));
    p.setBrush(g);
    p.drawRoundedRect(cuerpo, radio - 1.5, radio - 1.5);
    const QRectF brillo(cuerpo.left() + radio * 0.6, cuerpo.top() + 1.5,
                        cuerpo.width() - radio * 1.2, cuerpo.height() * 0.38);
    QLinearGradient gb(brillo.topLeft(), brillo.bottomLeft());
    gb.setColorAt(0.0, QColor(255, 255, 255, 150));
    gb.setColorAt(1.0, QColor(255, 255, 255, 15));
    p.setBrush(gb);
    p.drawRoundedRect(brillo, brillo.height() / 2, brillo.height() / 2);
}

// A round button in the shape of a lottery ball with a symbol drawn by `simbolo`.
QImage BotonRedondo(int d, const QColor& color,
                    const std::function<void(QPainter&, QPointF)>& simbolo)
{
    QImage img = Lienzo(d, d);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(d / 2.0, d / 2.0);
    Bola(p, c, d / 2.0 - 3, color, QString(), 1);
    simbolo(p, c);
    p.end();
    return AImagenConClave(img);
}

void Triangulo(QPainter& p, QPointF punta, double ancho, double alto, bool derecha)
{
    QPainterPath t;
    const double s = derecha ? 1 : -1;
    t.moveTo(punta);
    t.lineTo(punta.x() - s * ancho, punta.y() - alto / 2);
    t.lineTo(punta.x() - s * ancho, punta.y() + alto / 2);
    t.closeSubpath();
    p.drawPath(t);
}

// ---------------------------------------------------------------- the slip

// The operator's slip as the main window shows it: eight bet blocks of 49 numbered cells,
// numbers running down five columns (1-9, 10-19, ... 40-49). Each cell sits where the main
// window draws the cross of its number: bet j, number a in column c = a / 10 has its
// cross from x = 93j + 2 + 19c to 13 pixels right, and from y = 207 - (10c + 9 - a) * 21
// up 16 pixels.
QImage Boleto()
{
    const QColor papel(255, 251, 240), rojo(206, 32, 48), celda(255, 236, 238),
        numero(232, 112, 124);
    QImage img(745, 210, QImage::Format_RGB32);
    img.fill(papel);
    QPainter p(&img);
    for (int j = 0; j < 8; ++j) {
        const int x0 = 93 * j;
        // Every other block on a faint tint, as on the printed slip.
        if (j % 2 == 1)
            p.fillRect(x0, 0, 93, 210, QColor(253, 244, 232));
        for (int c = 0; c < 5; ++c)
            for (int a = 10 * c; a <= 10 * c + 9; ++a) {
                const int x = x0 + 2 + 19 * c;
                const int yBajo = 207 - (10 * c + 9 - a) * 21;
                const QRect caja(x - 2, yBajo - 18, 17, 20);
                if (a == 0) {
                    // The empty place above 1 carries the bet's number.
                    p.setPen(Qt::NoPen);
                    p.setBrush(rojo);
                    p.drawRect(caja);
                    Texto(p, QString::number(j + 1), caja.left() + 6, caja.top() + 7, 1, Qt::white);
                    continue;
                }
                p.setPen(QPen(rojo, 1));
                p.setBrush(celda);
                p.drawRect(caja.adjusted(0, 0, -1, -1));
                const QString s = QString::number(a);
                const int ancho = AnchoTexto(s, 1);
                Texto(p, s, caja.left() + (caja.width() - ancho) / 2, caja.top() + 6, 1, numero);
            }
        // The rule between two bets.
        p.fillRect(x0 + 93 - 1, 0, 1, 210, QColor(236, 180, 170));
    }
    p.fillRect(0, 208, 745, 2, rojo);
    p.end();
    return img;
}

// ---------------------------------------------------------------- tiles

// The main window's background, tiled at 135 x 117: deep sea-green marble.
QImage Fondo()
{
    const int w = 135, h = 117;
    QImage img(w, h, QImage::Format_RGB32);
    const QColor oscuro(8, 38, 58), claro(22, 92, 102), veta(60, 140, 140);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double n = Fractal(x, y, w, h, 11);
            const double v = std::abs(std::sin((n * 9.0 + x * 0.02) * 3.14159));
            QColor c = Mezcla(oscuro, claro, n * 1.1 - 0.1);
            c = Mezcla(c, veta, std::pow(1 - v, 8) * 0.35);
            img.setPixel(x, y, c.rgb());
        }
    return img;
}

// The dialogs' background, tiled at 85 x 101: light grey granite.
QImage Granito()
{
    const int w = 85, h = 101;
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double n = Fractal(x, y, w, h, 23);
            QColor c = Mezcla(QColor(176, 176, 170), QColor(214, 212, 205), n);
            const double g = Azar(x, y, 5);
            if (g < 0.06)
                c = Mezcla(c, QColor(70, 70, 75), 0.7);
            else if (g < 0.12)
                c = Mezcla(c, QColor(130, 120, 115), 0.5);
            else if (g > 0.96)
                c = Mezcla(c, Qt::white, 0.7);
            img.setPixel(x, y, c.rgb());
        }
    return img;
}

// ---------------------------------------------------------------- large pictures

void FondoDegradado(QPainter& p, QRect r, const QColor& arriba, const QColor& abajo)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, arriba);
    g.setColorAt(1, abajo);
    p.fillRect(r, g);
}

void FilaDeBolas(QPainter& p, int y, int ancho, const int (&numeros)[6])
{
    static const QColor colores[] = {QColor(200, 30, 45),  QColor(30, 110, 190),
                                     QColor(240, 180, 20), QColor(30, 150, 80),
                                     QColor(140, 60, 170), QColor(230, 110, 20)};
    const double r = 26, paso = 64;
    const double x0 = ancho / 2.0 - paso * 2.5;
    for (int i = 0; i < 6; ++i)
        Bola(p, QPointF(x0 + paso * i, y), r, colores[i], QString::number(numeros[i]), 2);
}

QImage AcercaDe()
{
    QImage img(480, 320, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    FondoDegradado(p, img.rect(), QColor(12, 30, 80), QColor(4, 60, 70));
    p.setPen(QPen(QColor(240, 200, 60), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(4.5, 4.5, 471, 311));
    TextoCentrado(p, "NUMBRELA", 240, 26, 7, QColor(255, 215, 60), QColor(0, 0, 0, 160));
    TextoCentrado(p, "PRO 1.36", 240, 86, 4, Qt::white, QColor(0, 0, 0, 160));
    const int numeros[6] = {3, 12, 19, 27, 38, 45};
    FilaDeBolas(p, 160, 480, numeros);
    TextoCentrado(p, "PLANIFICADOR DE APUESTAS", 240, 212, 2, QColor(220, 235, 255));
    TextoCentrado(p, "PARA LA LOTERIA PRIMITIVA", 240, 232, 2, QColor(220, 235, 255));
    TextoCentrado(p, "SIMPLES - MULTIPLES - REDUCIDAS", 240, 262, 1 * 2, QColor(255, 215, 60));
    TextoCentrado(p, "BONOLOTO Y EL GORDO", 240, 282, 2, QColor(255, 215, 60));
    p.end();
    return img;
}

QImage Comprar()
{
    QImage img(480, 320, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    FondoDegradado(p, img.rect(), QColor(110, 10, 30), QColor(50, 0, 20));
    p.setPen(QPen(QColor(255, 215, 60), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(4.5, 4.5, 471, 311));
    TextoCentrado(p, "COMPRE", 240, 24, 6, QColor(255, 215, 60), QColor(0, 0, 0, 160));
    TextoCentrado(p, "NUMBRELA PRO", 240, 74, 4, Qt::white, QColor(0, 0, 0, 160));
    const int numeros[6] = {7, 14, 21, 28, 35, 42};
    FilaDeBolas(p, 146, 480, numeros);
    const char* lineas[] = {"LA VERSION COMPLETA INCLUYE:", "- REDUCCIONES AL 3, AL 4 Y AL 5",
                            "- REDUCIDAS CON NUMEROS FIJOS", "- ESCRUTINIO Y SIMULACION",
                            "- IMPRESION EN EL BOLETO OFICIAL"};
    int y = 190;
    for (const char* l : lineas) {
        TextoCentrado(p, l, 240, y, 2, QColor(255, 235, 220));
        y += 22;
    }
    p.end();
    return img;
}

QImage Informacion()
{
    QImage img(500, 400, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    FondoDegradado(p, img.rect(), QColor(8, 50, 60), QColor(10, 20, 60));
    p.setPen(QPen(QColor(120, 220, 220), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(4.5, 4.5, 491, 391));
    TextoCentrado(p, "GRACIAS", 250, 30, 7, QColor(255, 215, 60), QColor(0, 0, 0, 160));
    TextoCentrado(p, "POR JUGAR CON NUMBRELA", 250, 96, 3, Qt::white, QColor(0, 0, 0, 160));
    const int numeros[6] = {5, 16, 22, 31, 40, 49};
    FilaDeBolas(p, 170, 500, numeros);
    const char* lineas[] = {"NUMBRELA PROFESIONAL 1.36", "SUERTE EN EL PROXIMO SORTEO!",
                            "JUEGUE CON MODERACION"};
    int y = 226;
    for (const char* l : lineas) {
        TextoCentrado(p, l, 250, y, 2, QColor(220, 240, 240));
        y += 26;
    }
    p.end();
    return img;
}

// ---------------------------------------------------------------- buttons

QImage BotonCapsula(int w, int h, const QColor& color)
{
    QImage img = Lienzo(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    Capsula(p, QRectF(3, 3, w - 7, h - 7), color);
    p.end();
    return AImagenConClave(img);
}

QImage BotonAceptar()
{
    QImage img = Lienzo(72, 42);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    Capsula(p, QRectF(3, 3, 65, 35), QColor(30, 140, 60));
    QPainterPath v;
    v.moveTo(23, 21);
    v.lineTo(32, 30);
    v.lineTo(49, 12);
    p.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(v);
    p.end();
    return AImagenConClave(img);
}

QImage BotonAnadir()
{
    QImage img = Lienzo(72, 42);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    Capsula(p, QRectF(3, 3, 65, 35), QColor(20, 90, 160));
    p.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(36, 11), QPointF(36, 31));
    p.drawLine(QPointF(26, 21), QPointF(46, 21));
    p.end();
    return AImagenConClave(img);
}

QImage BotonCancelar()
{
    QImage img = Lienzo(72, 42);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    Capsula(p, QRectF(3, 3, 65, 35), QColor(190, 30, 40));
    p.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(27, 13), QPointF(44, 29));
    p.drawLine(QPointF(44, 13), QPointF(27, 29));
    p.end();
    return AImagenConClave(img);
}

// A small slip drawn on the kind buttons, with `cruces` crosses in its grid.
void MiniBoleto(QPainter& p, QRectF r, int columnas, const std::function<bool(int, int)>& marcado)
{
    p.setPen(QPen(QColor(206, 32, 48), 1));
    p.setBrush(QColor(255, 251, 240));
    p.drawRect(r);
    const double cw = r.width() / columnas, ch = r.height() / 5;
    for (int c = 0; c < columnas; ++c)
        for (int f = 0; f < 5; ++f) {
            const QRectF celda(r.left() + c * cw + 1.5, r.top() + f * ch + 1.5, cw - 3, ch - 3);
            p.setPen(QPen(QColor(230, 140, 150), 1));
            p.setBrush(Qt::NoBrush);
            p.drawRect(celda);
            if (marcado(c, f)) {
                p.setPen(QPen(QColor(20, 20, 30), 1.6));
                p.drawLine(celda.bottomLeft(), celda.topRight());
                p.drawLine(celda.topLeft(), celda.bottomRight());
            }
        }
}

QImage BotonTipo(const QString& rotulo, const QColor& color, int figura)
{
    const int w = 170, h = 64;
    QImage img = Lienzo(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Mezcla(color, Qt::black, 0.45));
    p.drawRoundedRect(QRectF(3, 3, w - 7, h - 7), 12, 12);
    QLinearGradient g(0, 4, 0, h - 5);
    g.setColorAt(0, Mezcla(color, Qt::white, 0.3));
    g.setColorAt(1, Mezcla(color, Qt::black, 0.25));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(4.5, 4.5, w - 10, h - 10), 10.5, 10.5);
    const QRectF mini(12, 12, 40, 38);
    if (figura == 1) // simple: six crosses in one bet
        MiniBoleto(p, mini, 5, [](int c, int f) { return (c * 3 + f * 2) % 4 == 1 && c < 5; });
    else if (figura == 2) // multiple: a crowded bet
        MiniBoleto(p, mini, 5, [](int c, int f) { return (c + f) % 2 == 0; });
    else // reduced: a few chosen numbers circled
        MiniBoleto(p, mini, 5, [](int c, int f) { return (c * 2 + f) % 5 == 0; });
    TextoCentrado(p, rotulo, 110, 25, 2, Qt::white, QColor(0, 0, 0, 140));
    p.end();
    return AImagenConClave(img);
}

QImage BotonMultiple(int cruces)
{
    const int d = 76;
    QImage img = Lienzo(d, d);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor color = cruces == 5 ? QColor(230, 110, 20) : QColor(200, 30, 45);
    Bola(p, QPointF(d / 2.0, d / 2.0), d / 2.0 - 4, color, QString(), 1);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 250, 245));
    p.drawEllipse(QPointF(d / 2.0, d / 2.0), 22, 22);
    TextoCentrado(p, QString::number(cruces), d / 2 + 1, 20, 3, QColor(30, 30, 40));
    TextoCentrado(p, "CRUCES", d / 2 + 1, 45, 1, QColor(120, 20, 30));
    p.end();
    return AImagenConClave(img);
}

QImage BotonReduccion(const QString& rotulo, const QColor& color)
{
    const int w = 140, h = 48;
    QImage img = Lienzo(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    Capsula(p, QRectF(3, 3, w - 7, h - 7), color);
    TextoCentrado(p, rotulo, w / 2, 16, 2, Qt::white, QColor(0, 0, 0, 140));
    p.end();
    return AImagenConClave(img);
}

QImage BotonCarpeta()
{
    const int w = 56, h = 46;
    QImage img = Lienzo(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(120, 80, 10), 1.5));
    p.setBrush(QColor(236, 180, 50));
    QPainterPath f;
    f.moveTo(5, 12);
    f.lineTo(20, 12);
    f.lineTo(24, 17);
    f.lineTo(50, 17);
    f.lineTo(50, 40);
    f.lineTo(5, 40);
    f.closeSubpath();
    p.drawPath(f);
    p.setBrush(QColor(250, 210, 90));
    QPainterPath t;
    t.moveTo(9, 22);
    t.lineTo(53, 22);
    t.lineTo(48, 40);
    t.lineTo(5, 40);
    t.closeSubpath();
    p.drawPath(t);
    Texto(p, "RLF", 19, 27, 1, QColor(120, 40, 10));
    p.end();
    return AImagenConClave(img);
}

// The large go-to-slip button: an oval with a glass lens over a small slip.
QImage BotonIrBoleto()
{
    const int w = 98, h = 56;
    QImage img = Lienzo(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    Capsula(p, QRectF(3, 3, w - 7, h - 7), QColor(20, 70, 140));
    p.end();
    QImage out = AImagenConClave(img);
    // The glass: a band of the glass colour that the button shows as tinted glass.
    QPainter q(&out);
    q.setPen(Qt::NoPen);
    q.setBrush(kCristal);
    q.drawRect(22, 8, 54, 9);
    q.end();
    return out;
}

QImage Flecha(bool derecha, bool tope)
{
    return BotonRedondo(48, QColor(30, 110, 190), [&](QPainter& p, QPointF c) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        const double s = derecha ? 1 : -1;
        if (tope) {
            Triangulo(p, QPointF(c.x() + s * 5, c.y()), 12, 16, derecha);
            p.drawRect(QRectF(derecha ? c.x() + 6 : c.x() - 9, c.y() - 8, 3, 16));
        } else {
            Triangulo(p, QPointF(c.x() + s * 7, c.y()), 14, 18, derecha);
        }
    });
}

QImage BotonInfo()
{
    return BotonRedondo(34, QColor(240, 180, 20), [](QPainter& p, QPointF c) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 30, 10));
        p.drawEllipse(QPointF(c.x(), c.y() - 7), 2.2, 2.2);
        p.drawRoundedRect(QRectF(c.x() - 2, c.y() - 3, 4, 11), 1.5, 1.5);
    });
}

// ---------------------------------------------------------------- cursor

// The hand with a pointing finger, as a 32 x 32 cursor with its hot spot on the tip.
bool Cursor()
{
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath mano;
    mano.addRoundedRect(QRectF(9, 1, 5, 17), 2.5, 2.5);     // the index finger
    mano.addRoundedRect(QRectF(14, 10, 4.5, 10), 2.2, 2.2); // the other fingers
    mano.addRoundedRect(QRectF(18.5, 11, 4.5, 10), 2.2, 2.2);
    mano.addRoundedRect(QRectF(23, 12.5, 4.5, 9), 2.2, 2.2);
    mano.addRoundedRect(QRectF(9, 15, 18.5, 14), 5, 5); // the palm
    QPainterPath pulgar;
    pulgar.moveTo(10, 24);
    pulgar.lineTo(4, 17);
    pulgar.quadTo(2, 14, 5, 14.5);
    pulgar.lineTo(11, 19);
    mano = mano.united(pulgar).simplified();
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::white);
    p.drawPath(mano);
    p.end();

    QByteArray datos;
    auto u16 = [&](int v) {
        datos.append(char(v & 0xFF));
        datos.append(char((v >> 8) & 0xFF));
    };
    auto u32 = [&](std::uint32_t v) {
        u16(v & 0xFFFF);
        u16(v >> 16);
    };
    const int kXor = 32 * 32 * 4, kAnd = 32 * 4;
    u16(0);
    u16(2);
    u16(1); // a cursor file of one image
    datos.append(char(32));
    datos.append(char(32));
    datos.append(char(0));
    datos.append(char(0));
    u16(11);
    u16(1); // hot spot: the tip of the finger
    u32(40 + kXor + kAnd);
    u32(22);
    u32(40);
    u32(32);
    u32(64);
    u16(1);
    u16(32);
    u32(0);
    u32(kXor + kAnd);
    u32(0);
    u32(0);
    u32(0);
    u32(0);
    for (int y = 31; y >= 0; --y)
        for (int x = 0; x < 32; ++x) {
            const QRgb c = img.pixel(x, y);
            datos.append(char(qBlue(c)));
            datos.append(char(qGreen(c)));
            datos.append(char(qRed(c)));
            datos.append(char(qAlpha(c)));
        }
    for (int y = 31; y >= 0; --y)
        for (int b = 0; b < 4; ++b) {
            int mascara = 0;
            for (int k = 0; k < 8; ++k)
                if (qAlpha(img.pixel(b * 8 + k, y)) < 128)
                    mascara |= 0x80 >> k;
            datos.append(char(mascara));
        }
    QFile f(g_carpeta + "/handpnt.cur");
    if (!f.open(QIODevice::WriteOnly) || f.write(datos) != datos.size()) {
        std::fprintf(stderr, "no se pudo escribir handpnt.cur\n");
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "uso: %s CARPETA\n", argv[0]);
        return 2;
    }
    g_carpeta = QString::fromLocal8Bit(argv[1]);
    bool ok = true;
    ok &= Guarda(Boleto(), "Cuadro2.bmp");
    ok &= Guarda(Fondo(), "fondo3.bmp");
    ok &= Guarda(Granito(), "granito2.bmp");
    ok &= Guarda(AcercaDe(), "Sextina.Bmp");
    ok &= Guarda(Comprar(), "Comprar.Bmp");
    ok &= Guarda(Informacion(), "informacion.bmp");
    ok &= Cursor();
    ok &= Guarda(BotonCapsula(90, 36, QColor(20, 110, 120)), "BotonOrden.bmp");
    ok &= Guarda(BotonCapsula(90, 36, QColor(180, 30, 40)), "BotonSalir.bmp");
    ok &= Guarda(BotonCapsula(210, 32, QColor(40, 80, 150)), "BotonLargo.bmp");
    ok &= Guarda(BotonCapsula(34, 28, QColor(190, 190, 196)), "BotonNumero.bmp");
    ok &= Guarda(Flecha(false, true), "BotonPrimero.bmp");
    ok &= Guarda(Flecha(false, false), "BotonAnterior.bmp");
    ok &= Guarda(Flecha(true, false), "BotonSiguiente.bmp");
    ok &= Guarda(Flecha(true, true), "BotonUltimo.bmp");
    ok &= Guarda(BotonIrBoleto(), "BotonIrBoleto.bmp");
    ok &= Guarda(BotonInfo(), "BotonInfo.bmp");
    ok &= Guarda(BotonAceptar(), "Aceptar.bmp");
    ok &= Guarda(BotonCancelar(), "Cancelar.bmp");
    ok &= Guarda(BotonAnadir(), "Anadir.bmp");
    ok &= Guarda(BotonTipo("SIMPLE", QColor(30, 120, 70), 1), "TipoSimple.bmp");
    ok &= Guarda(BotonTipo("MULTIPLE", QColor(20, 90, 160), 2), "TipoMultiple.bmp");
    ok &= Guarda(BotonTipo("REDUCIDA", QColor(150, 40, 120), 3), "TipoReducida.bmp");
    for (int cruces : {5, 7, 8, 9, 10, 11})
        ok &= Guarda(BotonMultiple(cruces), QString("Multiple%1.bmp").arg(cruces));
    ok &= Guarda(BotonReduccion("AL TRES", QColor(30, 120, 70)), "ReduccionTres.bmp");
    ok &= Guarda(BotonReduccion("AL CUATRO", QColor(20, 90, 160)), "ReduccionCuatro.bmp");
    ok &= Guarda(BotonReduccion("AL CINCO", QColor(150, 40, 120)), "ReduccionCinco.bmp");
    ok &= Guarda(BotonCarpeta(), "AbrirRLF.bmp");
    return ok ? 0 : 1;
}
