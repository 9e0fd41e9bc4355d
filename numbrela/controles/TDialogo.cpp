#include "controles/TDialogo.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>

#include "controles/TDibujos.h"
#include "controles/TShapeButton.h"

namespace numbrela::ui {

TDialogo::TDialogo(QWidget* parent, const QString& caption, const QString& titulo, QSize tamano)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(caption);
    setFixedSize(tamano);
    setModal(true);
    titulo_ = new QLabel(titulo, this);
    titulo_->setGeometry(8, 8, tamano.width() - 16, 28);
    titulo_->setAlignment(Qt::AlignCenter);
    titulo_->setAutoFillBackground(true);
    titulo_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    QPalette pal = titulo_->palette();
    pal.setColor(QPalette::Window, QColor(0, 0, 128));
    pal.setColor(QPalette::WindowText, Qt::white);
    titulo_->setPalette(pal);
    QFont f = titulo_->font();
    f.setBold(true);
    f.setPointSize(11);
    titulo_->setFont(f);
}

TShapeButton* TDialogo::CreaBoton(const QString& dibujo, QPoint pos, const QString& caption,
                                  const QString& sinDibujo)
{
    auto* b = new TShapeButton(this);
    b->setPicture(TDibujos::Imagen(dibujo));
    b->move(pos);
    b->setCaption(caption);
    if (b->picture().isNull()) {
        b->resize(90, 32);
        if (caption.isEmpty())
            b->setCaption(sinDibujo);
    }
    QFont f = b->font();
    f.setBold(true);
    b->setFont(f);
    return b;
}

TShapeButton* TDialogo::BotonAceptar(QPoint pos, int codigo)
{
    TShapeButton* b = CreaBoton("Aceptar.bmp", pos, QString(), "Aceptar");
    b->setObjectName("Aceptar");
    connect(b, &TShapeButton::clicked, this, [this, codigo] { done(codigo); });
    return b;
}

TShapeButton* TDialogo::BotonCancelar(QPoint pos, int codigo)
{
    TShapeButton* b = CreaBoton("Cancelar.bmp", pos, QString(), "Cancelar");
    b->setObjectName("Cancelar");
    connect(b, &TShapeButton::clicked, this, [this, codigo] { done(codigo); });
    return b;
}

QLabel* TDialogo::Rotulo(const QString& texto, QRect r, bool negrita)
{
    auto* l = new QLabel(texto, this);
    l->setGeometry(r);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, QColor(20, 20, 40));
    l->setPalette(pal);
    if (negrita) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

void TDialogo::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->accept();
        Intro();
        return;
    }
    QDialog::keyPressEvent(e);
}

// The granite tiles the whole dialog at steps of 85 x 101; without the picture the
// surface stays plain.
void TDialogo::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QImage granito = TDibujos::Imagen("granito2.bmp");
    if (granito.isNull()) {
        p.fillRect(rect(), QColor(192, 192, 192));
        return;
    }
    const QPixmap tile = QPixmap::fromImage(granito);
    for (int y = 0; y < height(); y += 101)
        for (int x = 0; x < width(); x += 85)
            p.drawPixmap(x, y, tile);
}

void TDialogo::showEvent(QShowEvent* e)
{
    if (QScreen* s = screen())
        move(s->availableGeometry().center() - rect().center());
    QDialog::showEvent(e);
}

void TDialogo::done(int codigo)
{
    QDialog::done(codigo);
    if (QWidget* padre = parentWidget())
        padre->window()->activateWindow();
}

} // namespace numbrela::ui
