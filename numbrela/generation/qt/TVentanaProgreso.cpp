#include "generation/qt/TVentanaProgreso.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "controles/TDibujos.h"
#include "generation/TextosDialogosReduccion.h"

namespace numbrela::ui {

TVentanaProgreso::TVentanaProgreso(QWidget* parent, const TTextosProgreso& t)
    : QWidget(parent,
              Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(QString::fromStdString(t.Titulo));
    setFixedSize(440, 300);
    auto* l = new QVBoxLayout(this);
    auto* titulo = new QLabel(QString::fromStdString(t.Cabecera), this);
    titulo->setAlignment(Qt::AlignCenter);
    titulo->setAutoFillBackground(true);
    QPalette pal = titulo->palette();
    pal.setColor(QPalette::Window, QColor(0, 0, 128));
    pal.setColor(QPalette::WindowText, Qt::white);
    titulo->setPalette(pal);
    QFont f = titulo->font();
    f.setBold(true);
    f.setPointSize(11);
    titulo->setFont(f);
    titulo->setMinimumHeight(28);
    l->addWidget(titulo);
    for (const std::string& linea : t.Aviso)
        l->addWidget(new QLabel(QString::fromStdString(linea), this));
    auto negrita = [&](const std::string& s) {
        auto* e = new QLabel(QString::fromStdString(s), this);
        QFont fb = e->font();
        fb.setBold(true);
        e->setFont(fb);
        l->addWidget(e);
        return e;
    };
    negrita(t.Numeros);
    negrita(t.Fijos);
    l->addWidget(new QLabel(QString::fromStdString(t.RotuloArchivo), this));
    negrita(t.Archivo);
    cuenta_ = negrita(std::string());
}

void TVentanaProgreso::FijaApuestas(long long apuestas)
{
    cuenta_->setText(QString::fromUtf8(textos::kApuestasGeneradas) + QString::number(apuestas));
}

void TVentanaProgreso::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QImage granito = TDibujos::Imagen("granito2.bmp");
    if (granito.isNull()) {
        p.fillRect(rect(), QColor(192, 192, 192));
        return;
    }
    p.fillRect(rect(), QBrush(QPixmap::fromImage(granito)));
}

} // namespace numbrela::ui
