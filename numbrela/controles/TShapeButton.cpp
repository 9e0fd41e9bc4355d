#include "controles/TShapeButton.h"

#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QShortcut>
#include <qdrawutil.h>

#include "controles/Accesibilidad.h"

namespace numbrela::ui {
namespace {

const QRgb kGris = qRgb(128, 128, 128);
const QRgb kBlanco = qRgb(255, 255, 255);
const QRgb kNegro = qRgb(0, 0, 0);

QRgb Pixel(const QImage& img, int x, int y)
{
    return img.pixel(x, y) | 0xFF000000u;
}

// One bevel pass: every shape pixel paints its see-through neighbours, light above and to
// the left, dark below and to the right. Reads `src`, writes `dst`.
void PasadaBisel(const QImage& src, QImage& dst, QRgb key, QRgb claro, QRgb oscuro,
                 bool soloArribaIzquierda)
{
    const int w = src.width(), h = src.height();
    auto pinta = [&](int x, int y, QRgb color) {
        if (x >= 0 && y >= 0 && x < w && y < h && Pixel(src, x, y) == key)
            dst.setPixel(x, y, color);
    };
    for (int y = 2; y <= h - 1; ++y)
        for (int x = 2; x <= w - 1; ++x) {
            if (Pixel(src, x, y) == key)
                continue;
            pinta(x, y - 1, claro);
            pinta(x - 1, y, claro);
            pinta(x - 1, y - 1, claro);
            if (soloArribaIzquierda)
                continue;
            pinta(x + 1, y - 1, oscuro);
            pinta(x - 1, y + 1, oscuro);
            pinta(x, y + 1, oscuro);
            pinta(x + 1, y, oscuro);
            pinta(x + 1, y + 1, oscuro);
        }
}

QImage Bisel(const QImage& src, QRgb key, QRgb claro, QRgb oscuro, bool soloArribaIzquierda = false)
{
    QImage dst = src.copy();
    PasadaBisel(src, dst, key, claro, oscuro, soloArribaIzquierda);
    return dst;
}

// Glass: on a checkerboard, a pair of glass-coloured pixels becomes one see-through pixel
// and one tinted pixel; what is left of the glass colour in the row becomes see-through.
void Cristal(QImage& img, QRgb key, QRgb marca, QRgb tinte)
{
    const int w = img.width();
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 2 + (y % 2); x + 1 < w; x += 2)
            if (Pixel(img, x, y) == marca && Pixel(img, x + 1, y) == marca) {
                img.setPixel(x, y, key);
                img.setPixel(x + 1, y, tinte);
            }
        for (int x = 0; x < w; ++x)
            if (Pixel(img, x, y) == marca)
                img.setPixel(x, y, key);
    }
}

// The key colour becomes transparent, so the face can be drawn over what lies behind.
QPixmap ConClave(const QImage& face, QRgb key)
{
    QImage out = face.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* fila = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((fila[x] | 0xFF000000u) == key)
                fila[x] = 0;
    }
    return QPixmap::fromImage(out);
}

} // namespace

TShapeButton::TShapeButton(QWidget* parent) : QWidget(parent)
{
    InstalaAccesibilidad();
    resize(70, 70);
    setMouseTracking(true);
}

void TShapeButton::setPicture(const QImage& picture)
{
    picture_ = picture.convertToFormat(QImage::Format_RGB32);
    buildFaces();
}

void TShapeButton::setBevelWidth(int width)
{
    bevelWidth_ = (width < 0 || width > 2) ? 2 : width;
    buildFaces();
}

void TShapeButton::setSemiTransparent(bool on)
{
    semiTransparent_ = on;
    buildFaces();
}

void TShapeButton::setSemiTransparentColor(const QColor& color)
{
    semiColor_ = color;
    buildFaces();
}

void TShapeButton::setGlassColor(const QColor& color)
{
    glassColor_ = color;
    buildFaces();
}

void TShapeButton::setCaption(const QString& caption)
{
    caption_ = caption;
    AvisaCambioDeNombre(this);
    updateShortcut();
    update();
}

void TShapeButton::setTextColor(const QColor& color)
{
    textColor_ = color;
    update();
}

void TShapeButton::buildFaces()
{
    if (picture_.isNull() || picture_.width() < 2 || picture_.height() < 2) {
        up_ = down_ = disabled_ = QImage();
        upPix_ = downPix_ = disabledPix_ = QPixmap();
        clearMask();
        update();
        return;
    }
    const QRgb key = Pixel(picture_, 1, 1);
    key_ = QColor::fromRgb(key);
    up_ = picture_.copy();
    down_ = picture_.copy();
    if (bevelWidth_ > 0) {
        up_ = Bisel(up_, key, kBlanco, kGris);
        if (bevelWidth_ == 2)
            up_ = Bisel(up_, key, kBlanco, kGris);
        up_ = Bisel(up_, key, kNegro, kNegro);
        down_ = Bisel(down_, key, kGris, kBlanco);
        if (bevelWidth_ == 2)
            down_ = Bisel(down_, key, kGris, kBlanco);
        down_ = Bisel(down_, key, kNegro, kNegro, true);
    }
    if (semiTransparent_) {
        Cristal(up_, key, semiColor_.rgb() | 0xFF000000u, glassColor_.rgb());
        Cristal(down_, key, semiColor_.rgb() | 0xFF000000u, glassColor_.rgb());
    }
    disabled_ = up_.copy();
    const int w = up_.width();
    for (int y = 0; y < up_.height(); ++y)
        for (int x = 2 + (y % 2); x + 1 < w; x += 2)
            if (Pixel(up_, x, y) != key && Pixel(up_, x + 1, y) != key)
                disabled_.setPixel(x + 1, y, kBlanco);
    upPix_ = ConClave(up_, key);
    downPix_ = ConClave(down_, key);
    disabledPix_ = ConClave(disabled_, key);
    resize(picture_.size());
    updateMask();
    update();
}

bool TShapeButton::insideShape(QPoint p) const
{
    if (down_.isNull())
        return rect().contains(p); // a plain button without its picture
    const int x = p.x(), y = p.y();
    if (x >= width() - 1 || y > height() - 1 || x <= 0 || y <= 0)
        return false;
    if (x + 1 >= down_.width() || y >= down_.height())
        return false;
    const QRgb key = key_.rgb() | 0xFF000000u;
    return !(Pixel(down_, x, y) == key && Pixel(down_, x + 1, y) == key);
}

// The widget covers only what it paints and what it answers, so clicks on see-through
// parts fall through to whatever lies behind.
void TShapeButton::updateMask()
{
    QRegion region;
    const QRgb key = key_.rgb() | 0xFF000000u;
    for (int y = 0; y < picture_.height(); ++y) {
        int inicio = -1;
        for (int x = 0; x <= picture_.width(); ++x) {
            bool dentro = false;
            if (x < picture_.width()) {
                const bool pintado = Pixel(up_, x, y) != key ||
                                     (x > 0 && y > 0 && Pixel(down_, x - 1, y - 1) != key);
                dentro = pintado || insideShape(QPoint(x, y));
            }
            if (dentro && inicio < 0) {
                inicio = x;
            } else if (!dentro && inicio >= 0) {
                region += QRect(inicio, y, x - inicio, 1);
                inicio = -1;
            }
        }
    }
    setMask(region);
}

void TShapeButton::updateShortcut()
{
    const QKeySequence seq = QKeySequence::mnemonic(caption_);
    if (seq.isEmpty()) {
        delete shortcut_;
        shortcut_ = nullptr;
        return;
    }
    if (shortcut_ == nullptr) {
        shortcut_ = new QShortcut(this);
        shortcut_->setContext(Qt::WindowShortcut);
        connect(shortcut_, &QShortcut::activated, this, [this] {
            if (isEnabled() && isVisible())
                emit clicked();
        });
    }
    shortcut_->setKey(seq);
}

void TShapeButton::setPressed(bool pressed)
{
    if (pressed_ == pressed)
        return;
    pressed_ = pressed;
    update();
}

void TShapeButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (picture_.isNull()) {
        // Without its picture the button still shows and works: a plain silver face.
        p.fillRect(rect(), QColor(192, 192, 192));
        qDrawShadePanel(&p, rect(), palette(), pressed_ && isEnabled(), 2);
        p.setPen(isEnabled() ? QColor(0, 0, 0) : QColor(128, 128, 128));
        p.drawText(rect().translated(pressed_ ? 1 : 0, pressed_ ? 1 : 0),
                   Qt::AlignCenter | Qt::TextShowMnemonic,
                   caption_.endsWith('|') ? caption_.chopped(1) : caption_);
        return;
    }
    const bool hundido = isEnabled() && pressed_ && bevelWidth_ > 0;
    auto pintaRotulo = [&] {
        if (caption_.isEmpty())
            return;
        QString texto = caption_;
        if (texto.endsWith('|'))
            texto.chop(1);
        p.setFont(font());
        QRect r = rect();
        if (hundido)
            r.translate(1, 1);
        const int banderas = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;
        if (!isEnabled()) {
            // Grey on the light dithered face reads badly: a dark shadow under it helps.
            p.setPen(QColor(40, 40, 40));
            p.drawText(r.translated(1, 1), banderas, texto);
        }
        p.setPen(isEnabled() ? textColor_ : QColor(128, 128, 128));
        p.drawText(r, banderas, texto);
    };
    if (semiTransparent_)
        pintaRotulo();
    if (!isEnabled())
        p.drawPixmap(0, 0, disabledPix_.isNull() ? upPix_ : disabledPix_);
    else if (pressed_)
        p.drawPixmap(bevelWidth_ > 0 ? 1 : 0, bevelWidth_ > 0 ? 1 : 0, downPix_);
    else
        p.drawPixmap(0, 0, upPix_);
    pintaRotulo();
}

void TShapeButton::mousePressEvent(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    if (e->button() != Qt::LeftButton || !isEnabled() || !insideShape(p)) {
        e->ignore();
        return;
    }
    tracking_ = true;
    setPressed(true);
}

void TShapeButton::mouseMoveEvent(QMouseEvent* e)
{
    const bool sobreForma = insideShape(e->position().toPoint());
    if (inside_)
        setCursor(sobreForma ? shapeCursor_
                             : (parentWidget() ? parentWidget()->cursor() : QCursor()));
    if (tracking_)
        setPressed(sobreForma);
}

void TShapeButton::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    // A release ends the drag on every shaped button of the window.
    for (TShapeButton* b : window()->findChildren<TShapeButton*>())
        b->tracking_ = false;
    if (rect().contains(e->position().toPoint())) {
        const bool estaba = pressed_;
        setPressed(false);
        if (estaba)
            emit clicked();
    }
}

void TShapeButton::enterEvent(QEnterEvent*)
{
    inside_ = true;
}

void TShapeButton::leaveEvent(QEvent*)
{
    inside_ = false;
    unsetCursor();
}

void TShapeButton::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::EnabledChange) {
        if (!isEnabled()) {
            pressed_ = false;
            tracking_ = false;
        }
        update();
    }
    QWidget::changeEvent(e);
}

} // namespace numbrela::ui
