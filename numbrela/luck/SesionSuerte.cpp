#include "luck/SesionSuerte.h"

namespace numbrela {

std::optional<std::string> TSesionSuerte::AceptaUsuario(const TFormularioUsuario& formulario)
{
    auto usuario = UsuarioDelFormulario(formulario);
    if (!usuario)
        return std::string(kMsgUsuarioIncorrecto);
    UsuarioActual = *usuario;
    UsuarioEstablecido = true;
    return std::nullopt;
}

std::optional<std::string> TSesionSuerte::AceptaFecha(int dia, int mes, int anio)
{
    auto fecha = FechaDeLasListas(dia, mes, anio);
    if (!fecha) {
        FechaEstablecida = false;
        return std::string(kMsgFechaIncorrecta);
    }
    FechaSorteo = *fecha;
    FechaEstablecida = true;
    return std::nullopt;
}

} // namespace numbrela
