#include "principal/qt/TPanelBoleto.h"

#include <QPainter>

#include "controles/Colores.h"
#include "controles/TDibujos.h"
#include "controles/TMiBoton.h"
#include "controles/TPanel.h"
#include "principal/ReglasVentana.h"
#include "principal/qt/TImagenBoleto.h"

namespace numbrela::ui {
namespace {

constexpr int kAltoTitulo = 26;

} // namespace

TPanelBoleto::TPanelBoleto(QWidget* parent) : QFrame(parent)
{
    setObjectName("PanelBoleto");
    setAccessibleName("Boleto");
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, colores::kGris);
    setPalette(pal);
    resize(kAncho, 288);

    limpio_ = TDibujos::Imagen("Cuadro2.bmp");
    if (limpio_.isNull()) {
        // Without the slip picture the crosses go on a plain white slip of the same size.
        limpio_ = QImage(745, 210, QImage::Format_RGB32);
        limpio_.fill(Qt::white);
    }
    limpio_ = limpio_.convertToFormat(QImage::Format_RGB32);
    trabajo_ = limpio_.copy();

    QFont negrita = font();
    negrita.setBold(true);

    titulo_ = new TPanel(this, colores::kVerde, Qt::white);
    titulo_->setObjectName("Panel5");
    titulo_->setGeometry(2, 2, 745, kAltoTitulo);
    titulo_->setFont(negrita);
    connect(titulo_, &TPanel::clicked, this, &TPanelBoleto::JuegoPulsado);

    juego_ = new TPanel(titulo_, colores::kVerdeAzulado, Qt::white);
    juego_->setObjectName("Panel6");
    juego_->setGeometry(6, 2, 200, kAltoTitulo - 4);
    juego_->setFont(negrita);
    connect(juego_, &TPanel::clicked, this, &TPanelBoleto::JuegoPulsado);

    banner_ = new TPanel(titulo_, colores::kVerdeAzulado, Qt::white);
    banner_->setObjectName("Panel14");
    banner_->setGeometry(745 - 206, 2, 200, kAltoTitulo - 4);
    banner_->setFont(negrita);
    banner_->hide();

    imagen_ = new TImagenBoleto(this);
    imagen_->setObjectName("Image1");
    imagen_->setAccessibleName("Boleto");
    imagen_->setGeometry(2, 2 + kAltoTitulo + 2, 745, 210);
    imagen_->setCursor(TDibujos::Cursor1());
    connect(imagen_, &TImagenBoleto::pulsado, this, [this](QPoint p, Qt::MouseButton b) {
        if (b == Qt::LeftButton || b == Qt::MiddleButton)
            emit ColumnaElegida(p.x() < 0 ? -1 : p.x() / kAnchoColumnaBoleto);
    });

    for (int j = 0; j < kApuestasPorBoleto; ++j) {
        auto* b = new TMiBoton(this);
        b->setObjectName(QString("MiBoton%1").arg(j + 1));
        b->setAccessibleName(QString("Columna %1 sin apuesta").arg(j + 1));
        b->setGeometry(2 + kAnchoColumnaBoleto * j + 1, 242, 89, 22);
        b->setColors(colores::kGranate, colores::kAmarillo);
        b->setFont(negrita);
        connect(b, &TMiBoton::clicked, this, [this, j] { emit ColumnaElegida(j); });
        botones_[static_cast<std::size_t>(j)] = b;
        auto* a = new TPanel(this, colores::kGris, colores::kMarino);
        a->setObjectName(QString("Panel%1").arg(15 + j));
        a->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        a->setLineWidth(1);
        a->setGeometry(2 + kAnchoColumnaBoleto * j + 1, 266, 89, 18);
        aciertos_[static_cast<std::size_t>(j)] = a;
    }
}

void TPanelBoleto::MuestraApuestas(const TConjuntoApuestas& conjunto)
{
    const std::vector<TColumnaBoleto> columnas = ColumnasBoleto(conjunto);
    for (std::size_t j = 0; j < botones_.size(); ++j) {
        if (j < columnas.size())
            botones_[j]->setCaption(QString::number(columnas[j].Apuesta));
        // A bet's button is named by its caption, the bet's number; a column without a bet
        // by what it is.
        botones_[j]->setAccessibleName(
            j < columnas.size() ? QString() : QString("Columna %1 sin apuesta").arg(j + 1));
        botones_[j]->setVisible(j < columnas.size());
    }
    const int juego = conjunto.Cabecera.Juego;
    juego_->setText(QString::fromUtf8(NombreJuego(juego)));
    titulo_->setColors(colores::DeRgb(ColorJuego(juego)), Qt::white);
}

void TPanelBoleto::MuestraCruces(const TConjuntoApuestas& conjunto)
{
    for (TPanel* a : aciertos_)
        a->clear();
    trabajo_ = limpio_.copy();
    QPainter p(&trabajo_);
    p.setPen(QPen(Qt::black, 2));
    const std::vector<TColumnaBoleto> columnas = ColumnasBoleto(conjunto);
    QStringList apuestas;
    for (std::size_t j = 0; j < columnas.size(); ++j) {
        const TApuestas& a = conjunto.Apuestas[columnas[j].Indice];
        for (int n = 1; n <= kNumeros; ++n) {
            if (!a.Marcado(n))
                continue;
            const TPunto e = EsquinaCruz(static_cast<int>(j), n);
            p.drawLine(e.X, e.Y, e.X + kAnchoCruz, e.Y - kAltoCruz);
            p.drawLine(e.X + kAnchoCruz, e.Y, e.X, e.Y - kAltoCruz);
        }
        aciertos_[j]->setText(QString::fromStdString(columnas[j].Aciertos));
        QStringList numeros;
        for (int n = 1; n <= kNumeros; ++n)
            if (a.Marcado(n))
                numeros << QString::number(n);
        apuestas << QString("Apuesta %1: %2")
                        .arg(columnas[j].Apuesta)
                        .arg(numeros.isEmpty() ? QString("sin números") : numeros.join('-'));
    }
    p.end();
    imagen_->setPixmap(QPixmap::fromImage(trabajo_));
    // What the picture shows, as text for a screen reader.
    imagen_->setAccessibleDescription(apuestas.join(". "));
}

void TPanelBoleto::MuestraBanner(const QString& texto)
{
    banner_->setText(texto);
    banner_->setVisible(!texto.isEmpty());
}

} // namespace numbrela::ui
