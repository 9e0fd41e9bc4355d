#include "scrutiny/EstadoEntradaSorteo.h"

namespace numbrela {

EstadoEntradaSorteo::EstadoEntradaSorteo(const TSorteo& guardado)
    : Campos(EntradaSorteo::Campos(guardado))
{
}

void EstadoEntradaSorteo::Automatico()
{
    ModoAutomatico = true;
    AutomaticoHabilitado = false;
    AceptarHabilitado = false;
}

bool EstadoEntradaSorteo::Comenzar(const std::string& cuenta, const TConjuntoApuestas& conjunto,
                                   TGeneradorAleatorio& generador,
                                   const Simulacion::SemillaReloj& reloj,
                                   const std::function<void()>& refresca, std::string& error)
{
    const auto sorteos = Simulacion::LeeCuenta(cuenta, error);
    if (!sorteos)
        return false;
    if (*sorteos == 0)
        return true; // nothing runs
    ComenzarHabilitado = false;
    CancelarHabilitado = false;
    Contadores.fill("0");
    ContadorSorteos = "0";
    Color = ColorContador::Verde;
    TContadoresSimulacion c;
    const bool ok = Simulacion::Simula(
        conjunto, *sorteos, generador, reloj,
        [&](std::int64_t k, const TContadoresSimulacion& parcial) {
            ContadorSorteos = std::to_string(k);
            const std::uint64_t v[6] = {parcial.Seis,   parcial.CincoMasC, parcial.Cinco,
                                        parcial.Cuatro, parcial.Tres,      parcial.Fallos};
            for (std::size_t i = 0; i < 6; ++i)
                Contadores[i] = std::to_string(v[i]);
            if (refresca)
                refresca();
            return true;
        },
        c);
    ComenzarHabilitado = true;
    CancelarHabilitado = true;
    Color = ColorContador::AmarilloSobreRojo;
    if (!ok)
        error = "Error: Se ha producido un error leyendo el archivo o el archivo no existe";
    return ok;
}

} // namespace numbrela
