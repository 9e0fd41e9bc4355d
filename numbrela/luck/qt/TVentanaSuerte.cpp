#include "luck/qt/TVentanaSuerte.h"

#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

#include "controles/TPanel.h"
#include "controles/TServicios.h"
#include "luck/TextosSuerte.h"

namespace numbrela::ui {

TVentanaSuerte::TVentanaSuerte(QWidget* parent, const TSesionSuerte& sesion,
                               const std::filesystem::path& carpeta,
                               std::unique_ptr<TTemporizador> temporizador)
    : TDialogo(parent, QString::fromUtf8(kTituloVentanaSuerte),
               QString::fromUtf8(kCabeceraVentanaSuerte), QSize(420, 250)),
      usuario_(sesion.UsuarioActual), carpeta_(carpeta), cuenta_(sesion.UsuarioEstablecido),
      temporizador_(temporizador ? std::move(temporizador) : TemporizadorQt())
{
    QFont grande = font();
    grande.setPointSize(34);
    grande.setBold(true);
    for (int i = 0; i < 3; ++i) {
        auto* c = new TPanel(this, Qt::white, QColor(0, 0, 128));
        c->setObjectName(QString("Numero%1").arg(i + 1));
        c->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        c->setLineWidth(3);
        c->setGeometry(45 + 120 * i, 58, 90, 90);
        c->setFont(grande);
        c->setText(QString::fromUtf8(kTextoInicialSuerte));
        c->setAccessibleName(QString("Número %1: %2").arg(i + 1).arg(c->text()));
        cajas_[static_cast<std::size_t>(i)] = c;
    }

    calculando_ = new QFrame(this);
    calculando_->setObjectName("Calculando");
    calculando_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    calculando_->setLineWidth(2);
    calculando_->setAutoFillBackground(true);
    QPalette pal = calculando_->palette();
    pal.setColor(QPalette::Window, QColor(192, 192, 192));
    calculando_->setPalette(pal);
    calculando_->setGeometry(36, 52, 348, 102);
    auto* l = new QVBoxLayout(calculando_);
    auto* texto = new QLabel(QString::fromUtf8(kTextoCalculando), calculando_);
    texto->setAlignment(Qt::AlignCenter);
    QFont fb = texto->font();
    fb.setPointSize(14);
    fb.setBold(true);
    texto->setFont(fb);
    l->addWidget(texto);
    barra_ = new QProgressBar(calculando_);
    barra_->setRange(0, 100);
    barra_->setValue(100);
    barra_->setTextVisible(false);
    barra_->setAccessibleName(QString::fromUtf8(kTextoCalculando));
    l->addWidget(barra_);

    BotonAceptar(QPoint(174, 176));
    connect(temporizador_.get(), &TTemporizador::Vence, this, &TVentanaSuerte::Tick);
}

TVentanaSuerte::~TVentanaSuerte()
{
    temporizador_->Para();
}

void TVentanaSuerte::showEvent(QShowEvent* e)
{
    TDialogo::showEvent(e);
    if (abierta_)
        return;
    abierta_ = true;
    // The message, when there is no user, stands over the window; the countdown starts once
    // it is answered, so its first tick closes the window.
    QTimer::singleShot(0, this, [this] {
        if (auto aviso = cuenta_.AlAbrir())
            TServicios::Actuales().Avisa(this, QString::fromStdString(*aviso));
        temporizador_->Arranca(kIntervaloCuentaAtras);
    });
}

void TVentanaSuerte::Tick()
{
    switch (cuenta_.Tick()) {
    case TCuentaAtrasSuerte::Paso::Sigue:
        barra_->setValue(cuenta_.Barra());
        break;
    case TCuentaAtrasSuerte::Paso::Cierra:
        temporizador_->Para();
        done(kCancelado);
        break;
    case TCuentaAtrasSuerte::Paso::Muestra:
        calculando_->hide();
        temporizador_->Para();
        MuestraNumeros();
        break;
    }
}

void TVentanaSuerte::MuestraNumeros()
{
    const TNumerosSuerte n = CalculaNumerosSuerte(usuario_, carpeta_);
    if (!n.Error.empty()) {
        TServicios::Actuales().Avisa(this, QString::fromStdString(n.Error));
        return; // the boxes keep "49"
    }
    for (std::size_t i = 0; i < 3; ++i) {
        cajas_[i]->setText(QString::fromStdString(n.Textos[i]));
        cajas_[i]->setAccessibleName(QString("Número %1: %2").arg(i + 1).arg(cajas_[i]->text()));
    }
}

} // namespace numbrela::ui
