#include "luck/qt/TVentanaAzarix.h"

#include <QCloseEvent>
#include <QLabel>

namespace numbrela::ui {

TVentanaAzarix::TVentanaAzarix(QWidget* parent, TAzar azar,
                               std::unique_ptr<TTemporizador> temporizador)
    : TDialogo(parent, QString::fromUtf8(kTituloVentanaAzarix), QString(), QSize(440, 170)),
      azar_(azar), temporizador_(temporizador ? std::move(temporizador) : TemporizadorQt())
{
    // The title in large letters with its mark raised beside it.
    Titulo()->setGeometry(8, 8, width() - 16, 64);
    Titulo()->setTextFormat(Qt::RichText);
    Titulo()->setText(
        QString("<span style='font-size:30pt; font-style:italic'>%1</span>"
                "<sup style='font-size:14pt'>%2</sup>")
            .arg(QString::fromUtf8(kCabeceraAzarix), QString::fromUtf8(kMarcaAzarix)));
    Titulo()->setAccessibleName(QString::fromUtf8(kCabeceraAzarix) +
                                QString::fromUtf8(kMarcaAzarix));

    estado_ = new QLabel(QString::fromStdString(secuencia_.Estado()), this);
    estado_->setObjectName("Estado");
    estado_->setGeometry(16, 96, width() - 32, 40);
    estado_->setAlignment(Qt::AlignCenter);
    estado_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    estado_->setAutoFillBackground(true);
    QPalette pal = estado_->palette();
    pal.setColor(QPalette::Window, QColor(0, 0, 0));
    pal.setColor(QPalette::WindowText, QColor(120, 255, 120));
    estado_->setPalette(pal);
    QFont f = estado_->font();
    f.setBold(true);
    estado_->setFont(f);

    connect(temporizador_.get(), &TTemporizador::Vence, this, &TVentanaAzarix::Tick);
}

TVentanaAzarix::~TVentanaAzarix()
{
    temporizador_->Para();
}

void TVentanaAzarix::showEvent(QShowEvent* e)
{
    TDialogo::showEvent(e);
    if (!temporizador_->Activo() && !secuencia_.Terminada())
        temporizador_->Arranca(secuencia_.Intervalo());
}

void TVentanaAzarix::Tick()
{
    secuencia_.Tick(azar_);
    if (secuencia_.Terminada()) {
        temporizador_->Para();
        done(kAceptado);
        return;
    }
    estado_->setText(QString::fromStdString(secuencia_.Estado()));
    temporizador_->Arranca(secuencia_.Intervalo());
}

void TVentanaAzarix::reject()
{
    if (secuencia_.PuedeCerrar())
        TDialogo::reject();
}

void TVentanaAzarix::closeEvent(QCloseEvent* e)
{
    if (!secuencia_.PuedeCerrar()) {
        e->ignore();
        return;
    }
    TDialogo::closeEvent(e);
}

} // namespace numbrela::ui
