#include "generation/qt/FlujoReducidas.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QWidget>
#include <algorithm>
#include <span>

#include "controles/EleccionArchivo.h"
#include "controles/TBloqueoEntrada.h"
#include "controles/TServicios.h"
#include "generation/CreaCombFijos.h"
#include "generation/EleccionCompacta.h"
#include "generation/NombresReduccion.h"
#include "generation/Reducidas.h"
#include "generation/TextosReducidas.h"
#include "generation/qt/TDialogoInformacion.h"
#include "generation/qt/TDialogoNumerosReduccion.h"
#include "generation/qt/TDialogoTipoReduccion.h"
#include "generation/qt/TVentanaProgreso.h"

namespace numbrela::ui {

TFlujoReducidas::TFlujoReducidas(QWidget* ventana, TConjuntoApuestas& conjunto, TReducidas& motor)
    : QObject(ventana), ventana_(ventana), conjunto_(conjunto), motor_(motor)
{
    motor_.SinFicheroConFijos = [this](TConjuntoApuestas& c, std::string& error) {
        return SinFicheroConFijos(c, error);
    };
}

TFlujoReducidas::~TFlujoReducidas()
{
    motor_.SinFicheroConFijos = nullptr;
}

void TFlujoReducidas::Avisa(const std::string& mensaje)
{
    if (!mensaje.empty())
        TServicios::Actuales().Avisa(ventana_, QString::fromStdString(mensaje));
}

void TFlujoReducidas::OlvidaNumeros()
{
    numeros_.reset();
}

std::optional<TTrasReducida> TFlujoReducidas::EligeReducida()
{
    const TCopiaReduccion copia = EmpiezaEleccionReducida(conjunto_.Cabecera);
    std::uint8_t tipo = conjunto_.Cabecera.TipoReduccion;
    TDialogoTipoReduccion dialogo(ventana_, tipo, compacta_, conjunto_.Cabecera, motor_.Carpeta());
    if (dialogo.exec() != TDialogo::kAceptado) {
        RestauraReduccion(conjunto_.Cabecera, copia);
        return std::nullopt;
    }
    EligeTipoReduccion(conjunto_.Cabecera, tipo);
    numeros_ = std::make_unique<TDialogoNumerosReduccion>(
        ventana_, conjunto_.Cabecera, [this] { return AbreRlfElegido(); }, compacta_,
        motor_.Carpeta());
    return TrasNumeros(copia, true);
}

std::optional<TTrasReducida> TFlujoReducidas::Reducir()
{
    if (!PuedeReducir(conjunto_))
        return std::nullopt;
    const std::uint8_t anterior = conjunto_.Cabecera.TipoReduccion;
    std::uint8_t tipo = anterior;
    TDialogoTipoReduccion dialogo(ventana_, tipo, compacta_, conjunto_.Cabecera, motor_.Carpeta());
    if (dialogo.exec() != TDialogo::kAceptado)
        return std::nullopt;
    EligeTipoReduccion(conjunto_.Cabecera, tipo);
    if (compacta_)
        if (auto r = PruebaCompacta([&] { conjunto_.Cabecera.TipoReduccion = anterior; }))
            return r;
    TTrasReducida r;
    std::string error;
    r.Resultado = CambiaTipoReducida(conjunto_, motor_, anterior, error, r.Textos);
    Avisa(error);
    return r;
}

std::optional<TTrasReducida> TFlujoReducidas::CambiaNumeros()
{
    if (!PuedeCambiarNumeros(conjunto_))
        return std::nullopt;
    const TCopiaReduccion copia = GuardaReduccion2(conjunto_.Cabecera);
    if (!numeros_)
        numeros_ = std::make_unique<TDialogoNumerosReduccion>(
            ventana_, conjunto_.Cabecera, [this] { return AbreRlfElegido(); }, compacta_,
            motor_.Carpeta());
    return TrasNumeros(copia, false);
}

// The numbers dialog, then the system: a stored ".RLF" it opened, a new system (`nueva`)
// or new numbers for the system on screen.
std::optional<TTrasReducida> TFlujoReducidas::TrasNumeros(const TCopiaReduccion& copia, bool nueva)
{
    if (numeros_->exec() != TDialogo::kAceptado) {
        RestauraReduccion(conjunto_.Cabecera, copia);
        return std::nullopt;
    }
    TTrasReducida r;
    if (numeros_->AbrioRlf()) {
        r.Textos = {conjunto_.TextoLeyenda(), conjunto_.TextoContador()};
        return r;
    }
    // As the dialog showed it: the check box is off while there is no compact choice (fixed
    // numbers, which keep the table's designs, or no design for these numbers).
    if (compacta_ && OfertaCompacta(motor_.Carpeta(), conjunto_.Cabecera).Posible)
        if (auto c = PruebaCompacta([&] { RestauraReduccion(conjunto_.Cabecera, copia); }))
            return c;
    std::string error;
    r.Resultado = nueva ? TerminaEleccionReducida(conjunto_, motor_, copia, error, r.Textos)
                        : CambiaNumerosReducida(conjunto_, motor_, copia, error, r.Textos);
    Avisa(error);
    return r;
}

std::optional<TTrasReducida> TFlujoReducidas::PruebaCompacta(const std::function<void()>& deshaz)
{
    TTrasReducida r;
    std::string error;
    if (EligeCompacta(conjunto_, motor_.Carpeta(), error, r.Textos))
        return r;
    const CabeceraApuestas& c = conjunto_.Cabecera;
    const std::string pregunta =
        PreguntaTablaTrasFallo(error, c.TotalReducidos, GarantiaDeTipo(c.TipoReduccion));
    if (TServicios::Actuales().Pregunta(ventana_, QString::fromStdString(pregunta)))
        return std::nullopt;
    deshaz();
    r.Resultado = TResultadoEleccion::NoDisponible;
    return r;
}

// The picture button of the numbers dialog and "Abrir..." of the first notice: a stored
// ".RLF" chosen by hand becomes the set.
bool TFlujoReducidas::AbreRlfElegido()
{
    const QString ruta = EligeArchivo(ventana_, DialogoAbrirRlf());
    if (ruta.isEmpty())
        return false;
    std::string error;
    TTextosConjunto textos;
    if (!AbreReducidaElegida(conjunto_, motor_, ruta.toStdString(), error, textos)) {
        Avisa(error);
        return false;
    }
    return true;
}

// The dialogue when the ".RLF" for the chosen numbers does not exist yet: the first notice
// (which may open a stored system), the second (accept generates), then the generation
// with its progress window. While it runs the windows keep painting and no input acts.
bool TFlujoReducidas::SinFicheroConFijos(TConjuntoApuestas& conjunto, std::string& error)
{
    const CabeceraApuestas& c = conjunto.Cabecera;
    const int k = GarantiaDeTipo(c.TipoReduccion);
    const std::span<const std::uint8_t> fijos(
        c.ListaFijos.data(), static_cast<std::size_t>(std::clamp(c.TotalFijos, 0, 3)));
    const std::string fichero = NombreRlf(c.TotalReducidos, k, fijos);
    TDialogoInformacion aviso1(ventana_, 1, TextosInformacion(1, c.TotalReducidos, k, fichero),
                               [this] { return AbreRlfElegido(); });
    if (aviso1.exec() == TDialogoInformacion::kAbierto)
        return true;
    TDialogoInformacion aviso2(ventana_, 2, TextosInformacion(2, c.TotalReducidos, k, fichero), {});
    if (aviso2.exec() != TDialogo::kAceptado)
        return false;

    std::string mensaje;
    bool ok = false;
    {
        // The progress window and the blocker end before any message opens.
        TVentanaProgreso progreso(ventana_, TextosProgreso(c.TotalReducidos, fijos, fichero));
        progreso.show();
        generando_ = true;
        esperaMaxima_ = 0;
        TBloqueoEntrada bloqueo(&progreso);
        QCoreApplication::processEvents();
        QElapsedTimer reloj;
        reloj.start();
        ok = GeneraYAbreConFijos(
            motor_, conjunto,
            [&](std::int64_t apuestas) {
                // Let pending events run now and then: painting goes on, input is swallowed.
                if (reloj.elapsed() >= 20) {
                    esperaMaxima_ = std::max(esperaMaxima_, reloj.nsecsElapsed() / 1e6);
                    progreso.FijaApuestas(apuestas);
                    QCoreApplication::processEvents();
                    reloj.restart();
                }
                return true;
            },
            mensaje, error);
        esperaMaxima_ = std::max(esperaMaxima_, reloj.nsecsElapsed() / 1e6);
        generando_ = false;
    }
    if (ok)
        Avisa(mensaje);
    return ok;
}

} // namespace numbrela::ui
