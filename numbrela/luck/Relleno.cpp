#include "luck/Relleno.h"

#include <algorithm>
#include <array>

namespace numbrela {

std::optional<std::string> PreparaRelleno(TConjuntoApuestas& conjunto, const TSesionSuerte& sesion)
{
    if (!sesion.FechaEstablecida || !sesion.UsuarioEstablecido)
        return std::string(kMsgFaltanFechaYUsuario);
    conjunto.EscrutadoHecho = false;
    return std::nullopt;
}

void RellenaApuestaAlAzar(TApuestas& apuesta, int cuantos, TAzar& azar)
{
    cuantos = std::clamp(cuantos, 0, kMaxCruces);
    std::array<std::uint8_t, kNumeros + 1> borrador{};
    for (int sacados = 0; sacados < cuantos;) {
        const int n = azar.Uniforme(1, kNumeros);
        if (borrador[static_cast<std::size_t>(n)] == 0) {
            borrador[static_cast<std::size_t>(n)] = static_cast<std::uint8_t>(n);
            ++sacados;
        }
    }
    apuesta.Marcas = borrador;
    apuesta.Cruces = static_cast<std::uint8_t>(cuantos);
}

std::optional<std::string> RellenaAlAzar(TConjuntoApuestas& conjunto, TAzar& azar)
{
    switch (conjunto.Tipo()) {
    case TipoApuesta::Reducida:
        return std::string(kMsgReducidaAlAzar);
    case TipoApuesta::Simple:
        for (TApuestas& a : conjunto.Apuestas)
            RellenaApuestaAlAzar(a, kNumerosPorApuesta, azar);
        break;
    case TipoApuesta::Multiple:
        if (!conjunto.Apuestas.empty())
            RellenaApuestaAlAzar(conjunto.Apuestas[0], conjunto.CrucesPorApuesta, azar);
        break;
    case TipoApuesta::Ninguno:
        break;
    }
    return std::nullopt;
}

} // namespace numbrela
