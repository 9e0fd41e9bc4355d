#include "generation/EleccionReducida.h"

#include "generation/Reducidas.h"
#include "generation/TablaRangos.h"

namespace numbrela {
namespace {

// A failed load leaves the buffers as they were but no bet objects: show the slip again.
void VuelveAlBoleto(TConjuntoApuestas& conjunto)
{
    conjunto.RecalculaBoletos();
    conjunto.Apuestas.assign(
        static_cast<std::size_t>(std::min<std::int64_t>(
            static_cast<std::int64_t>(conjunto.BufferRangos.size()), kApuestasPorBoleto)),
        TApuestas{});
    if (conjunto.BoletoActual > conjunto.Cabecera.UltimoBoleto)
        conjunto.BoletoActual = 0;
    conjunto.PreparaBoleto();
}

bool HayReduccion(const TConjuntoApuestas& conjunto, const TReducidas& motor)
{
    return conjunto.Cabecera.TotalFijos > 0 || motor.AveriguaEnDisco2(conjunto.Cabecera);
}

} // namespace

TCopiaReduccion GuardaReduccion2(const CabeceraApuestas& c)
{
    TCopiaReduccion k;
    k.Reducidos = c.Reducidos;
    k.Fijos = c.Fijos;
    k.ListaReducidos = c.ListaReducidos;
    k.ListaFijos = c.ListaFijos;
    k.TotalReducidos = c.TotalReducidos;
    k.TotalFijos = c.TotalFijos;
    k.TipoReduccion = c.TipoReduccion;
    k.Tipo = c.Tipo;
    return k;
}

TCopiaReduccion GuardaReduccion(CabeceraApuestas& c)
{
    TCopiaReduccion k = GuardaReduccion2(c);
    c.Reducidos.fill(0);
    c.Fijos.fill(0);
    c.TotalReducidos = 0;
    c.TotalFijos = 0;
    return k;
}

void RestauraReduccion(CabeceraApuestas& c, const TCopiaReduccion& k)
{
    c.Reducidos = k.Reducidos;
    c.Fijos = k.Fijos;
    c.ListaReducidos = k.ListaReducidos;
    c.ListaFijos = k.ListaFijos;
    c.TotalReducidos = k.TotalReducidos;
    c.TotalFijos = k.TotalFijos;
    c.TipoReduccion = k.TipoReduccion;
    c.Tipo = k.Tipo;
}

bool CambioGlobalParaReducidas(TConjuntoApuestas& conjunto, std::string& error,
                               TTextosConjunto& textos)
{
    if (!conjunto.ActualizaApuestas(error))
        return false;
    conjunto.BoletoActual = 0;
    textos = conjunto.CambiaLeyenda();
    return true;
}

void EligeTipoReduccion(CabeceraApuestas& cabecera, std::uint8_t tipoReduccion)
{
    if (tipoReduccion >= 1 && tipoReduccion <= 3)
        cabecera.TipoReduccion = tipoReduccion;
}

TCopiaReduccion EmpiezaEleccionReducida(CabeceraApuestas& cabecera)
{
    TCopiaReduccion copia = GuardaReduccion(cabecera);
    cabecera.Tipo = static_cast<std::uint8_t>(TipoApuesta::Reducida);
    cabecera.TotalReducidos = 0;
    return copia;
}

TResultadoEleccion TerminaEleccionReducida(TConjuntoApuestas& conjunto, TReducidas& motor,
                                           const TCopiaReduccion& copia, std::string& error,
                                           TTextosConjunto& textos)
{
    if (!HayReduccion(conjunto, motor)) {
        error =
            MensajeSinReduccion(conjunto.Cabecera.TotalReducidos, conjunto.Cabecera.TipoReduccion);
        RestauraReduccion(conjunto.Cabecera, copia);
        return TResultadoEleccion::NoDisponible;
    }
    conjunto.LiberaReducidas();
    conjunto.EscrutadoHecho = false;
    conjunto.Cabecera.Tipo = static_cast<std::uint8_t>(TipoApuesta::Reducida);
    conjunto.CrucesPorApuesta = kNumerosPorApuesta;
    if (!CambioGlobalParaReducidas(conjunto, error, textos)) {
        // "Nueva" zeroes the whole header, the game included.
        textos = conjunto.Nueva();
        return TResultadoEleccion::Reiniciada;
    }
    conjunto.FijaNombre(kSinNombre);
    conjunto.GrabarHabilitado = false;
    conjunto.GrabarComoHabilitado = false;
    conjunto.BoletoActual = 0;
    conjunto.NombreFichero = kSinFichero;
    conjunto.Cabecera.Sorteo = TSorteo{}; // a new system was scored against no draw
    return TResultadoEleccion::Hecha;
}

TResultadoEleccion CambiaTipoReducida(TConjuntoApuestas& conjunto, TReducidas& motor,
                                      std::uint8_t tipoAnterior, std::string& error,
                                      TTextosConjunto& textos)
{
    if (!HayReduccion(conjunto, motor)) {
        error =
            MensajeSinReduccion(conjunto.Cabecera.TotalReducidos, conjunto.Cabecera.TipoReduccion);
        conjunto.Cabecera.TipoReduccion = tipoAnterior;
        return TResultadoEleccion::NoDisponible;
    }
    const CabeceraApuestas antes = conjunto.Cabecera;
    if (CambioGlobalParaReducidas(conjunto, error, textos))
        return TResultadoEleccion::Hecha;
    conjunto.Cabecera = antes;
    conjunto.Cabecera.TipoReduccion = tipoAnterior;
    VuelveAlBoleto(conjunto);
    return TResultadoEleccion::Fallida;
}

TResultadoEleccion CambiaNumerosReducida(TConjuntoApuestas& conjunto, TReducidas& motor,
                                         const TCopiaReduccion& copia, std::string& error,
                                         TTextosConjunto& textos)
{
    if (!HayReduccion(conjunto, motor)) {
        error =
            MensajeSinReduccion(conjunto.Cabecera.TotalReducidos, conjunto.Cabecera.TipoReduccion);
        RestauraReduccion(conjunto.Cabecera, copia);
        return TResultadoEleccion::NoDisponible;
    }
    if (CambioGlobalParaReducidas(conjunto, error, textos))
        return TResultadoEleccion::Hecha;
    RestauraReduccion(conjunto.Cabecera, copia);
    VuelveAlBoleto(conjunto);
    return TResultadoEleccion::Fallida;
}

bool AbreReducidaElegida(TConjuntoApuestas& conjunto, TReducidas& motor,
                         const std::filesystem::path& fichero, std::string& error,
                         TTextosConjunto& textos)
{
    if (!motor.AbreConFijo(conjunto, fichero, error))
        return false;
    conjunto.Cabecera.Tipo = static_cast<std::uint8_t>(TipoApuesta::Reducida);
    conjunto.Cabecera.Sorteo = TSorteo{};
    conjunto.EscrutadoHecho = false;
    conjunto.CrucesPorApuesta = kNumerosPorApuesta;
    conjunto.FijaNombre(kSinNombre);
    conjunto.GrabarHabilitado = false;
    conjunto.GrabarComoHabilitado = false;
    conjunto.NombreFichero = kSinFichero;
    conjunto.BoletoActual = 0;
    conjunto.RecalculaBoletos();
    textos = conjunto.CambiaLeyenda();
    return true;
}

TNumerosReducida::Estado TNumerosReducida::EstadoDe(int numero) const
{
    if (numero < 1 || numero > kNumeros)
        return Estado::Libre;
    if (c_.Fijos[numero - 1] != 0)
        return Estado::Fijo;
    return c_.Reducidos[numero - 1] != 0 ? Estado::Elegido : Estado::Libre;
}

void TNumerosReducida::Pulsa(int numero)
{
    if (numero < 1 || numero > kNumeros)
        return;
    const auto v = static_cast<std::uint8_t>(numero);
    switch (EstadoDe(numero)) {
    case Estado::Libre:
        c_.Reducidos[numero - 1] = v;
        ++c_.TotalReducidos;
        break;
    case Estado::Elegido:
        c_.Fijos[numero - 1] = v;
        ++c_.TotalFijos;
        break;
    case Estado::Fijo:
        c_.Fijos[numero - 1] = 0;
        c_.Reducidos[numero - 1] = 0;
        --c_.TotalFijos;
        --c_.TotalReducidos;
        break;
    }
}

void TNumerosReducida::BorraTodos()
{
    c_.Reducidos.fill(0);
    c_.Fijos.fill(0);
    c_.TotalReducidos = 0;
    c_.TotalFijos = 0;
}

std::string TNumerosReducida::Titulo() const
{
    return c_.TotalFijos > 0 ? "No se pueden editar apuestas"
                             : "Escoja los números que desea reducir";
}

std::string TNumerosReducida::Subtitulo() const
{
    return c_.TotalFijos > 0 ? "Con que contienen fijos" : "Pulse dos veces para dejar fijo";
}

bool TNumerosReducida::Acepta(std::string& error)
{
    if (c_.TotalReducidos < kMinReducidos) {
        error = "Error: Debe escoger un mínimo de 7 números para una reducción correcta";
        return false;
    }
    if (c_.TotalFijos >= 4) {
        error = "No puede escoger más de 3 números fijos";
        return false;
    }
    FiltrarReducidos(c_);
    FiltrarFijos(c_);
    return true;
}

bool PuedeCambiarNumeros(const TConjuntoApuestas& conjunto)
{
    return conjunto.Tipo() == TipoApuesta::Reducida;
}

bool PuedeReducir(const TConjuntoApuestas& conjunto)
{
    return PuedeCambiarNumeros(conjunto) && conjunto.Cabecera.TotalFijos == 0;
}

} // namespace numbrela
