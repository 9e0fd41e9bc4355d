#include "luck/qt/TVentanaUsuario.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QTimer>

#include "controles/TServicios.h"
#include "controles/TShapeButton.h"
#include "luck/TextosSuerte.h"

namespace numbrela::ui {
namespace {

QString U(const char* s)
{
    return QString::fromUtf8(s);
}

} // namespace

TVentanaUsuario::TVentanaUsuario(QWidget* parent, TSesionSuerte& sesion,
                                 const std::filesystem::path& carpeta)
    : TDialogo(parent, U(kTituloVentanaUsuario), U(kCabeceraVentanaUsuario), QSize(520, 316)),
      sesion_(sesion), fichero_(carpeta), alAbrir_(sesion.UsuarioActual)
{
    Rotulo(U(kEtiquetaNombre), QRect(20, 44, 300, 20), true);
    nombre_ = new QLineEdit(this);
    nombre_->setGeometry(20, 64, 480, 26);
    nombre_->setMaxLength(kMaxCaracteresCampoNombre);
    nombre_->setAccessibleName(U(kEtiquetaNombre));

    Rotulo(U(kEtiquetaDia), QRect(20, 98, 60, 20), true);
    dia_ = new QComboBox(this);
    dia_->setGeometry(20, 118, 64, 26);
    for (int d = 1; d <= 31; ++d)
        dia_->addItem(QString::number(d));
    dia_->setAccessibleName(U(kEtiquetaDia));

    Rotulo(U(kEtiquetaMes), QRect(100, 98, 60, 20), true);
    mes_ = new QComboBox(this);
    mes_->setGeometry(100, 118, 140, 26);
    for (const char* m : kMeses)
        mes_->addItem(U(m));
    mes_->setAccessibleName(U(kEtiquetaMes));
    // Choosing a month moves on to the year.
    connect(mes_, &QComboBox::activated, this, [this] { anio_->setFocus(); });

    Rotulo(U(kEtiquetaAnio), QRect(256, 98, 60, 20), true);
    anio_ = new QLineEdit(this);
    anio_->setGeometry(256, 118, 72, 26);
    anio_->setMaxLength(4);
    anio_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,4}"), anio_));
    anio_->setAccessibleName(U(kEtiquetaAnio));

    QLabel* nota = Rotulo(U(kNotaUsuario), QRect(20, 152, 480, 36));
    nota->setWordWrap(true);
    QFont fn = nota->font();
    fn.setItalic(true);
    nota->setFont(fn);

    TShapeButton* introducir =
        CreaBoton("BotonLargo.bmp", QPoint(20, 198), U(kBotonIntroducirUsuario));
    introducir->setObjectName("Introducir");
    // The long caption is set small enough to fit on its button.
    QFont fi = introducir->font();
    while (fi.pointSize() > 6 &&
           QFontMetrics(fi).horizontalAdvance(introducir->caption()) > introducir->width() - 20)
        fi.setPointSize(fi.pointSize() - 1);
    introducir->setFont(fi);
    connect(introducir, &TShapeButton::clicked, this, &TVentanaUsuario::Introduce);

    anteriores_ = new QComboBox(this);
    anteriores_->setGeometry(250, 201, 250, 26);
    anteriores_->setPlaceholderText(U(kListaUsuariosAnteriores));
    anteriores_->setAccessibleName(U(kListaUsuariosAnteriores));
    connect(anteriores_, &QComboBox::activated, this, &TVentanaUsuario::Elige);

    TShapeButton* aceptar = CreaBoton("Aceptar.bmp", QPoint(160, 252), QString(), "Aceptar");
    aceptar->setObjectName("Aceptar");
    connect(aceptar, &TShapeButton::clicked, this, &TVentanaUsuario::Acepta);
    BotonCancelar(QPoint(288, 252));

    errorAlAbrir_ = fichero_.AbreOCrea();
    for (const TUsuario& u : fichero_.Usuarios())
        anteriores_->addItem(QString::fromStdString(u.NombreCompleto));
    anteriores_->setCurrentIndex(-1);

    MuestraFormulario(sesion_.FormularioInicial());
    nombre_->selectAll();
    nombre_->setFocus();
}

void TVentanaUsuario::showEvent(QShowEvent* e)
{
    TDialogo::showEvent(e);
    if (errorAlAbrir_) {
        // Said once the window is up, so the message stands over it.
        const std::string mensaje = *errorAlAbrir_;
        errorAlAbrir_.reset();
        QTimer::singleShot(0, this, [this, mensaje] { Avisa(mensaje); });
    }
}

void TVentanaUsuario::MuestraFormulario(const TFormularioUsuario& f)
{
    const QString nombre = QString::fromStdString(f.Nombre);
    // A stored name may be longer than a typed one can be: it is shown whole, so taking a
    // stored user never changes its name.
    nombre_->setMaxLength(
        std::max<int>(kMaxCaracteresCampoNombre, static_cast<int>(nombre.size())));
    nombre_->setText(nombre);
    dia_->setCurrentIndex(f.Dia >= 1 && f.Dia <= 31 ? f.Dia - 1 : -1);
    mes_->setCurrentIndex(f.Mes >= 1 && f.Mes <= 12 ? f.Mes - 1 : -1);
    anio_->setText(QString::fromStdString(f.Anio));
}

TFormularioUsuario TVentanaUsuario::Formulario() const
{
    TFormularioUsuario f;
    f.Nombre = nombre_->text().toStdString();
    f.Dia = dia_->currentIndex() + 1;
    f.Mes = mes_->currentIndex() + 1;
    f.Anio = anio_->text().toStdString();
    return f;
}

void TVentanaUsuario::Avisa(const std::string& mensaje)
{
    TServicios::Actuales().Avisa(this, QString::fromStdString(mensaje));
}

void TVentanaUsuario::Acepta()
{
    if (auto error = sesion_.AceptaUsuario(Formulario())) {
        Avisa(*error);
        return; // the window stays open
    }
    done(kAceptado);
}

void TVentanaUsuario::Introduce()
{
    if (auto error = sesion_.IntroduceUsuario(Formulario(), fichero_))
        Avisa(*error);
}

void TVentanaUsuario::Elige(int indice)
{
    if (auto error = sesion_.EligeUsuario(indice, fichero_)) {
        Avisa(*error);
    } else {
        MuestraFormulario(FormularioDe(sesion_.UsuarioActual));
    }
    anteriores_->setCurrentIndex(-1); // the list reads "Escoja usuario anterior..." again
}

void TVentanaUsuario::done(int resultado)
{
    if (resultado != kAceptado)
        sesion_.UsuarioActual = alAbrir_;
    TDialogo::done(resultado);
}

} // namespace numbrela::ui
