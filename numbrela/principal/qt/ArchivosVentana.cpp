// The main window in parts: its file commands ("&Abrir", "Abrir de &nuevo", "&Grabar",
// "Grabar &como"), which hand the files to TOrdenesFichero and show what they opened.
#include "files/FicheroApuestas.h"
#include "files/qt/OrdenesFichero.h"
#include "generation/qt/FlujoReducidas.h"
#include "principal/qt/TPanelBoleto.h"
#include "principal/qt/TVentanaPrincipal.h"

namespace numbrela::ui {

void TVentanaPrincipal::MuestraApertura(const TResultadoApertura& r, bool reiniciaSiFalla)
{
    // A set opened from a file brings its own choice of numbers.
    reducidas_->OlvidaNumeros();
    if (!r.Ok && reiniciaSiFalla) {
        Nueva();
        return;
    }
    MuestraTextos(r.Ok ? r.Textos
                       : TTextosConjunto{conjunto_.TextoLeyenda(), conjunto_.TextoContador()});
    panelBoleto_->MuestraBanner(QString());
    FijaPanelFichero();
    Refresca();
}

bool TVentanaPrincipal::AbreFichero(const QString& ruta, bool reiniciaSiFalla)
{
    const TResultadoApertura r = ficheros_->Abre(ruta);
    MuestraApertura(r, reiniciaSiFalla);
    return r.Ok;
}

void TVentanaPrincipal::Abrir()
{
    if (const auto r = ficheros_->Abrir())
        MuestraApertura(*r, false);
}

void TVentanaPrincipal::AbrirDeNuevo()
{
    if (const auto r = ficheros_->AbrirDeNuevo())
        MuestraApertura(*r, false);
}

QString TVentanaPrincipal::CaptionAbrirDeNuevo() const
{
    return ficheros_->RutaAbrirDeNuevo();
}

void TVentanaPrincipal::Grabar()
{
    ficheros_->Grabar();
}

void TVentanaPrincipal::GrabarComo()
{
    ficheros_->GrabarComo();
    FijaPanelFichero();
    Refresca();
}

} // namespace numbrela::ui
