#include "scrutiny/qt/TVentanaEntradaSorteo.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <chrono>

#include "controles/TBloqueoEntrada.h"
#include "controles/TDibujos.h"
#include "controles/TPanel.h"
#include "controles/TServicios.h"
#include "controles/TShapeButton.h"
#include "scrutiny/TextosEscrutinio.h"

namespace numbrela::ui {
namespace {

QString U(const char* s)
{
    return QString::fromUtf8(s);
}

// The computer's clock folded to 32 bits; each call differs even in a tight loop.
std::uint32_t SemillaDelReloj()
{
    static std::uint64_t llamadas = 0;
    std::uint64_t x =
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) +
        0x9e3779b97f4a7c15ull * ++llamadas;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ull;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebull;
    return static_cast<std::uint32_t>(x ^ (x >> 31));
}

QLineEdit* CampoNumero(QWidget* padre, QRect r, const QColor& color, int digitos)
{
    auto* e = new QLineEdit(padre);
    e->setGeometry(r);
    e->setMaxLength(digitos);
    e->setAlignment(Qt::AlignCenter);
    QFont f = e->font();
    f.setBold(true);
    f.setPointSize(13);
    e->setFont(f);
    QPalette p = e->palette();
    p.setColor(QPalette::Text, color);
    e->setPalette(p);
    return e;
}

} // namespace

TVentanaEntradaSorteo::TVentanaEntradaSorteo(QWidget* parent, const TConjuntoApuestas& conjunto)
    : TDialogo(parent, U(textos::kTituloEntrada), U(textos::kRotuloEntrada), QSize(440, kAlto)),
      conjunto_(conjunto), estado_(conjunto.Cabecera.Sorteo), generador_(SemillaDelReloj()),
      reloj_(SemillaDelReloj)
{
    setObjectName("EntradaSorteo");
    CreaCampos();
    CreaBotones();
    CreaParteAutomatica();
    Muestra();
    campos_[0]->setFocus();
    campos_[0]->selectAll();
}

// The six winning numbers and the complementary, each a field of two digits.
void TVentanaEntradaSorteo::CreaCampos()
{
    for (int i = 0; i < 7; ++i) {
        const bool complementario = i == 6;
        const QRect r = complementario ? QRect(352, 56, 48, 34) : QRect(22 + 50 * i, 56, 42, 34);
        QLineEdit* e =
            CampoNumero(this, r, complementario ? QColor(0, 0, 255) : QColor(255, 0, 0), 2);
        e->setObjectName(QString("Numero%1").arg(i + 1));
        e->setAccessibleName(complementario ? U(textos::kComplementario)
                                            : QString("Número %1").arg(i + 1));
        campos_[static_cast<std::size_t>(i)] = e;
    }
    Rotulo(U(textos::kComplementario), QRect(322, 92, 110, 20), true)
        ->setAlignment(Qt::AlignCenter);
}

// "Aceptar", "Cancelar" and "Automático".
void TVentanaEntradaSorteo::CreaBotones()
{
    aceptar_ = CreaBoton("Aceptar.bmp", QPoint(40, 126), QString(), "Aceptar");
    aceptar_->setObjectName("Aceptar");
    connect(aceptar_, &TShapeButton::clicked, this, &TVentanaEntradaSorteo::Acepta);
    cancelar_ = BotonCancelar(QPoint(140, 126));
    automatico_ = CreaBoton("BotonOrden.bmp", QPoint(300, 129), U(textos::kAutomatico));
    automatico_->setObjectName("Automatico");
    automatico_->setTextColor(Qt::white);
    connect(automatico_, &TShapeButton::clicked, this, &TVentanaEntradaSorteo::Automatico);
}

// The part "Automático" shows, below the draw: how many draws, "Comenzar", the six
// counters of a simulation and the draw being checked.
void TVentanaEntradaSorteo::CreaParteAutomatica()
{
    parteAutomatica_ = new QWidget(this);
    parteAutomatica_->setGeometry(0, kAlto, 440, textos::kAltoEntradaAutomatico - kAlto);
    parteAutomatica_->hide();
    QWidget* p = parteAutomatica_;
    auto rotulo = [p](const QString& t, QRect r) {
        auto* l = new QLabel(t, p);
        l->setGeometry(r);
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
        return l;
    };
    rotulo(U(textos::kRealizar), QRect(22, 12, 70, 30));
    cuenta_ = CampoNumero(p, QRect(96, 10, 90, 34), Qt::black, 6);
    cuenta_->setObjectName("Cuenta");
    cuenta_->setAccessibleName(U(textos::kSorteosAutomaticamente));
    rotulo(U(textos::kSorteosAutomaticamente), QRect(196, 12, 200, 30));
    comenzar_ = new TShapeButton(p);
    comenzar_->setPicture(TDibujos::Imagen("BotonOrden.bmp"));
    if (comenzar_->picture().isNull())
        comenzar_->resize(90, 36);
    comenzar_->move(175, 58);
    comenzar_->setCaption(U(textos::kComenzar));
    comenzar_->setTextColor(Qt::white);
    comenzar_->setObjectName("Comenzar");
    connect(comenzar_, &TShapeButton::clicked, this, &TVentanaEntradaSorteo::Comenzar);
    // Two rows of three counters, wide enough for the nine digits of a long run.
    for (int i = 0; i < 6; ++i) {
        const int x = 22 + 136 * (i % 3);
        const int y = 110 + 36 * (i / 3);
        rotulo(U(textos::kEtiquetasSimulacion[i]), QRect(x, y, 26, 26))
            ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* c = new TPanel(p, QColor(255, 255, 255), QColor(0, 0, 128));
        c->setGeometry(x + 30, y, 96, 26);
        c->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        c->setObjectName(QString("Contador%1").arg(U(textos::kEtiquetasSimulacion[i])));
        c->setAccessibleName(U(textos::kEtiquetasSimulacion[i]));
        contadores_[static_cast<std::size_t>(i)] = c;
    }
    rotulo(U(textos::kComprobandoSorteo), QRect(60, 196, 180, 30));
    contadorSorteos_ = new TPanel(p, palette().color(QPalette::Window), Qt::black);
    contadorSorteos_->setGeometry(244, 196, 110, 30);
    contadorSorteos_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    contadorSorteos_->setObjectName("ContadorSorteos");
    contadorSorteos_->setAccessibleName(U(textos::kComprobandoSorteo));
    QFont f = contadorSorteos_->font();
    f.setBold(true);
    contadorSorteos_->setFont(f);
}

TVentanaEntradaSorteo::~TVentanaEntradaSorteo() = default;

void TVentanaEntradaSorteo::FijaGenerador(std::uint32_t semilla, Simulacion::SemillaReloj reloj)
{
    generador_.Siembra(semilla);
    reloj_ = std::move(reloj);
}

void TVentanaEntradaSorteo::Muestra()
{
    for (std::size_t i = 0; i < 7; ++i)
        if (campos_[i]->text().toStdString() != estado_.Campos[i])
            campos_[i]->setText(QString::fromStdString(estado_.Campos[i]));
    aceptar_->setEnabled(estado_.AceptarHabilitado);
    cancelar_->setEnabled(estado_.CancelarHabilitado);
    automatico_->setEnabled(estado_.AutomaticoHabilitado);
    comenzar_->setEnabled(estado_.ComenzarHabilitado);
    parteAutomatica_->setVisible(estado_.ModoAutomatico);
    for (std::size_t i = 0; i < 6; ++i)
        contadores_[i]->setText(QString::fromStdString(estado_.Contadores[i]));
    contadorSorteos_->setText(QString::fromStdString(estado_.ContadorSorteos));
    switch (estado_.Color) {
    case ColorContador::Normal:
        contadorSorteos_->setColors(palette().color(QPalette::Window), Qt::black);
        break;
    case ColorContador::Verde:
        contadorSorteos_->setColors(QColor(0, 255, 0), Qt::black);
        break;
    case ColorContador::AmarilloSobreRojo:
        contadorSorteos_->setColors(QColor(255, 0, 0), QColor(255, 255, 0));
        break;
    }
}

// Enter accepts the draw; once the simulation shows, accepting is off and Enter starts
// the draws instead.
void TVentanaEntradaSorteo::Intro()
{
    if (estado_.AceptarHabilitado)
        Acepta();
    else if (estado_.ModoAutomatico)
        Comenzar();
}

void TVentanaEntradaSorteo::Acepta()
{
    if (!estado_.AceptarHabilitado)
        return;
    for (std::size_t i = 0; i < 7; ++i)
        estado_.Campos[i] = campos_[i]->text().toStdString();
    const TResultadoEntrada r = estado_.Acepta();
    if (!r.Ok) {
        // The window stays open with the values as typed.
        TServicios::Actuales().Avisa(this, QString::fromStdString(r.Error));
        if (r.FocoPrimerCampo)
            campos_[0]->setFocus();
        return;
    }
    sorteo_ = r.Sorteo;
    done(kAceptado);
}

void TVentanaEntradaSorteo::Automatico()
{
    for (std::size_t i = 0; i < 7; ++i)
        estado_.Campos[i] = campos_[i]->text().toStdString();
    estado_.Automatico();
    setFixedSize(width(), textos::kAltoEntradaAutomatico);
    move(x(), y() - textos::kSubidaEntradaAutomatico);
    Muestra();
    cuenta_->setFocus();
}

void TVentanaEntradaSorteo::Comenzar()
{
    if (!estado_.ComenzarHabilitado)
        return;
    std::string error;
    bool ok = false;
    esperaMaxima_ = 0;
    {
        // While the draws run the window repaints after each one; no click or key acts.
        TBloqueoEntrada bloqueo;
        QElapsedTimer reloj;
        reloj.start();
        ok = estado_.Comenzar(
            cuenta_->text().toStdString(), conjunto_, generador_, reloj_,
            [&] {
                Muestra();
                esperaMaxima_ = std::max(esperaMaxima_, reloj.nsecsElapsed() / 1e6);
                QCoreApplication::processEvents();
                reloj.restart();
            },
            error);
        esperaMaxima_ = std::max(esperaMaxima_, reloj.nsecsElapsed() / 1e6);
    }
    Muestra();
    if (!ok) {
        TServicios::Actuales().Avisa(this, QString::fromStdString(error));
        cuenta_->setFocus();
    }
}

} // namespace numbrela::ui
