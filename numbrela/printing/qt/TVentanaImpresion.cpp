#include "printing/qt/TVentanaImpresion.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <QToolButton>
#include <thread>

#include "ayuda/qt/TVentanaAyuda.h"
#include "controles/TServicios.h"
#include "controles/TShapeButton.h"
#include "printing/qt/LienzoQt.h"
#include "printing/qt/TCuadroBoleto.h"
#include "printing/qt/TImpresora.h"

namespace numbrela {
namespace {

QString Q(const std::string& s)
{
    return QString::fromStdString(s);
}

void Avisa(QWidget* w, const QString& texto)
{
    ui::TServicios::Actuales().Avisa(w, texto);
}

// Printing to a file, every slip of a run of several is a file of its own beside the
// chosen one ("boletos-2.pdf" holds slip 2): one file would keep only the last job.
class TLienzoTrabajos : public TLienzoBoleto {
public:
    TLienzoTrabajos(QPrinter& impresora, TLienzoQt& lienzo, bool varios)
        : impresora_(impresora), lienzo_(lienzo), fichero_(impresora.outputFileName()),
          numerar_(varios && impresora.outputFormat() == QPrinter::PdfFormat && !fichero_.isEmpty())
    {
    }
    ~TLienzoTrabajos() override
    {
        if (numerar_)
            impresora_.setOutputFileName(fichero_);
    }
    bool Imprime(const THojaBoleto& hoja) override
    {
        if (numerar_) {
            const QFileInfo f(fichero_);
            const QString sufijo = f.suffix().isEmpty() ? QString() : "." + f.suffix();
            impresora_.setOutputFileName(f.dir().filePath(
                QString("%1-%2%3").arg(f.completeBaseName()).arg(hoja.Boleto + 1).arg(sufijo)));
        }
        return lienzo_.Imprime(hoja);
    }

private:
    QPrinter& impresora_;
    TLienzoQt& lienzo_;
    QString fichero_;
    bool numerar_;
};

// The jobs of a run as they are composed, kept to be handed to the printer.
class THojasCompuestas : public TLienzoBoleto {
public:
    std::vector<THojaBoleto> Hojas;
    bool Imprime(const THojaBoleto& hoja) override
    {
        Hojas.push_back(hoja);
        return true;
    }
};

struct TEntrega {
    int Trabajos = 0;   // jobs the printer took
    bool Fallo = false; // the printer refused one: the rest were not sent
};

// Hands the composed jobs to the printer on a thread of their own, so a slow print server
// never stalls the window, whose loop runs meanwhile (repaints, "Abortar"). The thread
// owns the jobs and uses only the canvas and its printer, which the window leaves alone
// until the run ends. After "Abortar" it also takes back, at the print server, the jobs
// the printer has not finished.
TEntrega Entrega(std::vector<THojaBoleto> hojas, TLienzoBoleto& destino, TLienzoQt& lienzo)
{
    TEntrega e;
    QEventLoop espera;
    std::thread hilo([&e, &espera, &destino, &lienzo, hojas = std::move(hojas)] {
        for (const THojaBoleto& hoja : hojas) {
            if (lienzo.Abortado())
                break;
            if (!destino.Imprime(hoja)) {
                e.Fallo = !lienzo.Abortado();
                break;
            }
            ++e.Trabajos;
        }
        if (lienzo.Abortado())
            lienzo.CancelaPendientes();
        QMetaObject::invokeMethod(&espera, &QEventLoop::quit, Qt::QueuedConnection);
    });
    espera.exec();
    hilo.join();
    return e;
}

const QColor kAzul(0, 0, 255);
const QColor kAmarillo(255, 255, 0);
const QColor kRojo(255, 0, 0);

} // namespace

TVentanaImpresion::TVentanaImpresion(QWidget* parent, const TConjuntoApuestas& conjunto,
                                     TImpresora& impresora)
    : TDialogo(parent, QString::fromUtf8(kTituloVentanaImpresion),
               QString::fromUtf8(kCabeceraVentanaImpresion), QSize(470, 580)),
      conjunto_(conjunto), impresora_(impresora)
{
    setObjectName("VentanaImpresion");
    CreaCuadro();
    CreaRango();
    CreaGeometria();

    auto* abortar = CreaBoton("BotonOrden.bmp", QPoint(20, 530), QString::fromUtf8(kBotonAbortar));
    abortar->setObjectName("Abortar");
    abortar->setTextColor(abortar->picture().isNull() ? Qt::black : Qt::white);
    connect(abortar, &ui::TShapeButton::clicked, this, &TVentanaImpresion::Aborta);
    auto* ayuda = CreaBoton("BotonOrden.bmp", QPoint(124, 530), QString::fromUtf8(kBotonAyuda));
    ayuda->setObjectName("Ayuda");
    ayuda->setTextColor(ayuda->picture().isNull() ? Qt::black : Qt::white);
    connect(ayuda, &ui::TShapeButton::clicked, this, &TVentanaImpresion::Ayuda);
    inactivosAlImprimir_ << ayuda << BotonAceptar(QPoint(360, 528));
    MuestraGeometria();
    MarcaCambiados(false);
    rango_[0]->setChecked(true);
}

// ------------------------------------------------------------------ controls

void TVentanaImpresion::CreaCuadro()
{
    cuadro_ = new TCuadroBoleto(this);
    cuadro_->move(16, 44);
    connect(cuadro_, &TCuadroBoleto::pulsado, this, [this] { CambiaOrientacion(false); });
    struct Boton {
        const char* Nombre;
        const char* Accesible;
        Qt::ArrowType Tipo;
        QRect Lugar;
        TFlecha Flecha;
    };
    const Boton botones[] = {
        {"FlechaArriba", "PosX más uno", Qt::UpArrow, QRect(346, 70, 30, 40), TFlecha::Arriba},
        {"FlechaAbajo", "PosX menos uno", Qt::DownArrow, QRect(346, 130, 30, 40), TFlecha::Abajo},
        {"FlechaIzquierda", "PosY menos uno", Qt::LeftArrow, QRect(120, 210, 40, 28),
         TFlecha::Izquierda},
        {"FlechaDerecha", "PosY más uno", Qt::RightArrow, QRect(170, 210, 40, 28),
         TFlecha::Derecha},
    };
    for (const Boton& b : botones) {
        auto* t = new QToolButton(this);
        t->setObjectName(b.Nombre);
        t->setArrowType(b.Tipo);
        t->setGeometry(b.Lugar);
        t->setAutoRepeat(true);
        t->setAccessibleName(QString::fromUtf8(b.Accesible));
        connect(t, &QToolButton::clicked, this, [this, f = b.Flecha] { Flecha(f); });
        inactivosAlImprimir_ << t;
    }
    auto* orientacion = CreaBoton("BotonOrden.bmp", QPoint(356, 204),
                                  QString::fromUtf8(TextoBotonOrientacion(true)));
    orientacion->setObjectName("Orientacion");
    orientacion->setTextColor(orientacion->picture().isNull() ? Qt::black : Qt::white);
    connect(orientacion, &ui::TShapeButton::clicked, this, [this] { CambiaOrientacion(true); });
    orientacion_ = orientacion;
    inactivosAlImprimir_ << orientacion << cuadro_;
}

void TVentanaImpresion::CreaRango()
{
    auto* grupo = new QGroupBox(QString::fromUtf8(kGrupoRango), this);
    grupo->setObjectName("Rango");
    grupo->setGeometry(16, 248, 320, 140);
    for (int i = 0; i < 4; ++i) {
        rango_[i] = new QRadioButton(QString::fromUtf8(kTextosRango[i]), grupo);
        rango_[i]->setGeometry(12, 22 + 28 * i, i == 3 ? 100 : 200, 24);
    }
    rango_[0]->setObjectName("CuadrarBoleto");
    rango_[1]->setObjectName("BoletoEnPantalla");
    rango_[2]->setObjectName("TodosLosBoletos");
    rango_[3]->setObjectName("RangoDeA");
    const TPeticionImpresion inicial = PeticionInicial(conjunto_);
    auto campo = [this, grupo](const char* nombre, const char* rotulo, int x,
                               const std::string& texto) {
        auto* l = new QLabel(QString::fromUtf8(rotulo), grupo);
        l->setGeometry(x, 106, 18, 24);
        auto* e = new QLineEdit(Q(texto), grupo);
        e->setObjectName(nombre);
        e->setAccessibleName(QString::fromUtf8(rotulo));
        e->setGeometry(x + 18, 106, 64, 24);
        e->setMaxLength(5);
        e->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,5}"), e));
        e->installEventFilter(this);
        l->setBuddy(e);
        return e;
    };
    de_ = campo("De", "de", 120, inicial.De);
    a_ = campo("A", "a", 212, inicial.A);
    connect(rango_[3], &QRadioButton::clicked, this, [this] { EligeRangoDeA(de_); });

    auto* imprimir =
        CreaBoton("BotonOrden.bmp", QPoint(356, 300), QString::fromUtf8(kBotonImprimir));
    imprimir->setObjectName("Imprimir");
    imprimir->setTextColor(imprimir->picture().isNull() ? Qt::black : Qt::white);
    connect(imprimir, &ui::TShapeButton::clicked, this, &TVentanaImpresion::Imprime);
    inactivosAlImprimir_ << grupo << imprimir;
}

void TVentanaImpresion::CreaGeometria()
{
    auto* l1 = Rotulo(QString::fromUtf8(kEtiquetaDistanciaAPosX), QRect(20, 404, 220, 20), true);
    auto* l2 = Rotulo(QString::fromUtf8(kEtiquetaDistanciaBPosY), QRect(20, 458, 220, 20), true);
    const char* nombres[4] = {"DistanciaA", "DistanciaB", "PosX", "PosY"};
    const QPoint lugares[4] = {{20, 426}, {20, 480}, {124, 426}, {124, 480}};
    for (int i = 0; i < 4; ++i) {
        auto* e = new QLineEdit(this);
        e->setObjectName(nombres[i]);
        e->setAccessibleName(QString::fromUtf8(i == 0   ? "Distancia A"
                                               : i == 1 ? "Distancia B"
                                                        : nombres[i]));
        e->setGeometry(QRect(lugares[i], QSize(60, 24)));
        e->setMaxLength(3);
        e->setAlignment(Qt::AlignRight);
        e->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,3}"), e));
        connect(e, &QLineEdit::textEdited, this, [this] { MarcaCambiados(true); });
        geometria_[i] = e;
        inactivosAlImprimir_ << e;
    }
    l1->setBuddy(geometria_[0]);
    l2->setBuddy(geometria_[1]);
    auto* activar =
        CreaBoton("BotonLargo.bmp", QPoint(230, 452), QString::fromUtf8(kBotonActivarValores));
    activar->setObjectName("ActivarValores");
    activar->setTextColor(activar->picture().isNull() ? Qt::black : Qt::white);
    connect(activar, &ui::TShapeButton::clicked, this, &TVentanaImpresion::ActivaValores);
    inactivosAlImprimir_ << activar;
}

// ------------------------------------------------------------------ geometry

void TVentanaImpresion::MuestraGeometria()
{
    const TGeometriaImpresion& g = impresora_.Geometria();
    const int valores[4] = {g.DistanciaA, g.DistanciaB, g.PosX, g.PosY};
    for (int i = 0; i < 4; ++i)
        geometria_[i]->setText(QString::number(valores[i]));
    // Up moves PosX on and the frame up; right moves PosY on and the frame right.
    const TGeometriaImpresion inicial;
    cuadro_->FijaDesplazamiento(QPoint(g.PosY - inicial.PosY, inicial.PosX - g.PosX));
}

void TVentanaImpresion::MarcaCambiados(bool cambiados)
{
    cambiados_ = cambiados;
    for (QLineEdit* e : geometria_) {
        QPalette pal = e->palette();
        pal.setColor(QPalette::Text, cambiados ? kAmarillo : kAzul);
        pal.setColor(QPalette::Base, cambiados ? kRojo : QColor(Qt::white));
        e->setPalette(pal);
        e->setAccessibleDescription(cambiados ? QString::fromUtf8("cambiado, sin activar")
                                              : QString());
    }
}

void TVentanaImpresion::Flecha(TFlecha flecha)
{
    TGeometriaImpresion& g = impresora_.Geometria();
    TGeometriaImpresion nueva = g;
    MueveOrigen(nueva, flecha);
    if (nueva.PosX < 0 || nueva.PosX > 999 || nueva.PosY < 0 || nueva.PosY > 999)
        return; // the fields hold three digits
    g.PosX = nueva.PosX;
    g.PosY = nueva.PosY;
    const TGeometriaImpresion inicial;
    cuadro_->FijaDesplazamiento(QPoint(g.PosY - inicial.PosY, inicial.PosX - g.PosX));
    const bool vertical = flecha == TFlecha::Arriba || flecha == TFlecha::Abajo;
    geometria_[vertical ? 2 : 3]->setText(QString::number(vertical ? g.PosX : g.PosY));
    MarcaCambiados(true);
}

void TVentanaImpresion::ActivaValores()
{
    std::array<std::string, 4> campos;
    for (int i = 0; i < 4; ++i)
        campos[i] = geometria_[i]->text().toStdString();
    const auto error = ActivarValores(impresora_.Geometria(), campos);
    // The fields show the values in force, also those a bad field kept.
    MuestraGeometria();
    MarcaCambiados(false);
    if (error) {
        Avisa(this, Q(*error));
        geometria_[0]->setFocus();
        geometria_[0]->selectAll();
    }
}

// ------------------------------------------------------------------ range and orientation

void TVentanaImpresion::CambiaOrientacion(bool rotulo)
{
    QPrinter& p = impresora_.Impresora();
    const bool vertical = p.pageLayout().orientation() != QPageLayout::Portrait;
    p.setPageOrientation(vertical ? QPageLayout::Portrait : QPageLayout::Landscape);
    if (rotulo)
        static_cast<ui::TShapeButton*>(orientacion_)
            ->setCaption(QString::fromUtf8(TextoBotonOrientacion(vertical)));
}

void TVentanaImpresion::EligeRangoDeA(QLineEdit* campo)
{
    rango_[3]->setChecked(true);
    campo->setFocus(Qt::OtherFocusReason);
    // After the click that focused the field has placed its cursor.
    QTimer::singleShot(0, campo, [campo] { campo->selectAll(); });
}

bool TVentanaImpresion::eventFilter(QObject* objeto, QEvent* e)
{
    if ((objeto == de_ || objeto == a_) &&
        (e->type() == QEvent::FocusIn || e->type() == QEvent::MouseButtonPress) && !imprimiendo_) {
        auto* campo = static_cast<QLineEdit*>(objeto);
        if (e->type() == QEvent::FocusIn || !campo->hasFocus())
            EligeRangoDeA(campo);
    }
    return TDialogo::eventFilter(objeto, e);
}

TPeticionImpresion TVentanaImpresion::Peticion() const
{
    TPeticionImpresion p;
    for (int i = 0; i < 4; ++i)
        if (rango_[i]->isChecked())
            p.Rango = static_cast<TRangoImpresion>(i);
    p.De = de_->text().toStdString();
    p.A = a_->text().toStdString();
    return p;
}

void TVentanaImpresion::Ayuda()
{
    ui::TVentanaAyuda::Abre(this);
}

// ------------------------------------------------------------------ printing

void TVentanaImpresion::EstadoDuranteImpresion()
{
    for (QWidget* w : inactivosAlImprimir_)
        w->setEnabled(!imprimiendo_);
}

void TVentanaImpresion::Imprime()
{
    if (imprimiendo_)
        return;
    const TPeticionImpresion peticion = Peticion();
    // The printer is chosen first; what to print is read once it is.
    if (!impresora_.EligeParaImprimir(this))
        return;
    const bool calibracion = peticion.Rango == TRangoImpresion::CuadrarBoleto;
    // The calibration prints the geometry alone, with bets or without.
    if (!calibracion &&
        (conjunto_.Tipo() == TipoApuesta::Ninguno || conjunto_.Cabecera.TotalApuestas <= 0)) {
        Avisa(this,
              QString::fromUtf8("No hay apuestas que imprimir: elija antes el tipo de apuestas."));
        return;
    }
    // The jobs are composed here, on the window's thread, which alone reads the set, its
    // engine and the geometry.
    THojasCompuestas compuestas;
    const TResultadoImpresion r =
        ImprimirBoletos(conjunto_, impresora_.Geometria(), peticion, compuestas);
    if (!r.Error.empty()) {
        Avisa(this, Q(r.Error));
        return;
    }
    if (compuestas.Hojas.empty())
        return; // "de" above "a"
    QPrinter& impresora = impresora_.Impresora();
    if (calibracion) {
        const bool vertical = impresora.pageLayout().orientation() == QPageLayout::Portrait;
        const QSize area = impresora_.AreaImprimible();
        for (const std::string& m : MensajesCalibracion(area.height(), area.width(), vertical))
            Avisa(this, Q(m));
    }

    const int total = static_cast<int>(compuestas.Hojas.size());
    TLienzoQt lienzo(impresora, TLienzoQt::Modo::TrabajoPorBoleto);
    TLienzoTrabajos trabajos(impresora, lienzo, total > 1);
    lienzo_ = &lienzo;
    abortado_ = false;
    imprimiendo_ = true;
    EstadoDuranteImpresion();
    const TEntrega entrega = Entrega(std::move(compuestas.Hojas), trabajos, lienzo);
    lienzo_ = nullptr;
    imprimiendo_ = false;
    EstadoDuranteImpresion();
    MuestraGeometria();
    MarcaCambiados(cambiados_);
    if (entrega.Fallo)
        Avisa(this, QString::fromUtf8(
                        "La impresora no ha aceptado el trabajo; %1 de %2 boletos impresos, "
                        "los demás no se han enviado.")
                        .arg(entrega.Trabajos)
                        .arg(total));
}

void TVentanaImpresion::Aborta()
{
    if (!imprimiendo_ || abortado_)
        return;
    abortado_ = true;
    if (lienzo_ != nullptr)
        lienzo_->Aborta(); // the job being drawn is cancelled and no further one starts
}

void TVentanaImpresion::done(int codigo)
{
    if (imprimiendo_)
        return; // a run ends with "Abortar" first
    TDialogo::done(codigo);
}

} // namespace numbrela
