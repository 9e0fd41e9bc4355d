#include "luck/SesionSuerte.h"

#include "model/Cp1252.h"

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

std::optional<std::string> TSesionSuerte::IntroduceUsuario(const TFormularioUsuario& formulario,
                                                           const TFicheroUsuarios& fichero)
{
    auto usuario = UsuarioDelFormulario(formulario);
    if (!usuario)
        return std::string(kMsgDatosIncompletos);
    UsuarioActual = *usuario;
    return fichero.Anade(*usuario);
}

std::optional<std::string> TSesionSuerte::EligeUsuario(int indice, const TFicheroUsuarios& fichero)
{
    auto usuario = fichero.Lee(indice);
    if (!usuario)
        return std::string(kMsgErrorLeyendoUsuario);
    UsuarioActual = *usuario;
    return std::nullopt;
}

TFormularioUsuario TSesionSuerte::FormularioInicial() const
{
    if (!UsuarioEstablecido)
        return {};
    TFormularioUsuario f = FormularioDe(UsuarioActual);
    f.Nombre = CortaUtf8(f.Nombre, 100);
    return f;
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
