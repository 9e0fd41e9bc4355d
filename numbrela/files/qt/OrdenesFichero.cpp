#include "files/qt/OrdenesFichero.h"

#include <QAction>
#include <QFileInfo>
#include <QWidget>

#include "controles/EleccionArchivo.h"
#include "controles/TServicios.h"
#include "files/UltimoFichero.h"
#include "model/TextosPrograma.h"

namespace numbrela::ui {

TOrdenesFichero::TOrdenesFichero(QWidget* ventana, TConjuntoApuestas& conjunto,
                                 std::filesystem::path carpeta, QAction* abrirDeNuevo)
    : QObject(ventana), ventana_(ventana), conjunto_(conjunto), carpeta_(std::move(carpeta)),
      abrirDeNuevo_(abrirDeNuevo)
{
    LeeUltimo();
}

void TOrdenesFichero::Avisa(const std::string& mensaje)
{
    TServicios::Actuales().Avisa(ventana_, QString::fromStdString(mensaje));
}

TResultadoApertura TOrdenesFichero::Abre(const QString& ruta)
{
    TResultadoApertura r = FicheroApuestas::AbreDeUnaVez(conjunto_, ruta.toStdString());
    if (!r.Ok)
        Avisa(r.Error);
    return r;
}

std::optional<TResultadoApertura> TOrdenesFichero::Abrir()
{
    const QString ruta = EligeArchivo(ventana_, DialogoAbrirApuestas());
    if (ruta.isEmpty())
        return std::nullopt;
    return Abre(ruta);
}

std::optional<TResultadoApertura> TOrdenesFichero::AbrirDeNuevo()
{
    const QString ruta = RutaAbrirDeNuevo();
    if (ruta.isEmpty())
        return std::nullopt;
    return Abre(ruta);
}

QString TOrdenesFichero::RutaAbrirDeNuevo() const
{
    return abrirDeNuevo_->data().toString();
}

void TOrdenesFichero::LeeUltimo()
{
    const auto ultimo = UltimoFichero::MeteCadena(carpeta_);
    if (!ultimo)
        return;
    const QString ruta = QString::fromStdString(*ultimo);
    abrirDeNuevo_->setData(ruta);
    // "&" in a path must not become an accelerator.
    abrirDeNuevo_->setText(QString(ruta).replace("&", "&&"));
}

void TOrdenesFichero::Grabar()
{
    if (!conjunto_.GrabarHabilitado)
        return;
    std::string error;
    if (!FicheroApuestas::Graba(conjunto_, conjunto_.NombreFichero, ModoGrabacion::Grabar, carpeta_,
                                error))
        Avisa(error);
}

void TOrdenesFichero::GrabarComo()
{
    if (const auto incompleta = FicheroApuestas::CompruebaCruces(conjunto_)) {
        Avisa(*incompleta);
        return;
    }
    const QString ruta =
        EligeArchivoGrabar(ventana_, DialogoGrabarApuestas(),
                           QString::fromStdString(FicheroApuestas::NombrePropuesto(conjunto_)));
    if (ruta.isEmpty())
        return;
    if (QFileInfo::exists(ruta) &&
        !TServicios::Actuales().Pregunta(ventana_, QString::fromUtf8(textos::kSobreescribir)))
        return;
    std::string error;
    if (!FicheroApuestas::Graba(conjunto_, ruta.toStdString(), ModoGrabacion::GrabarComo, carpeta_,
                                error))
        Avisa(error);
    if (conjunto_.NombreFichero == ruta.toStdString())
        LeeUltimo();
}

} // namespace numbrela::ui
