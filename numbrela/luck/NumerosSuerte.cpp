#include "luck/NumerosSuerte.h"

#include "luck/FicheroDatos.h"

namespace numbrela {

std::int64_t DesplazamientoSuerte(const TUsuario& u)
{
    return (std::int64_t{u.Mes} + u.Anio + u.Dia) / 3;
}

TNumerosSuerte NumerosSuerteDe(const TUsuario& usuario, std::span<const std::uint8_t> datos)
{
    TNumerosSuerte r;
    const std::int64_t d = DesplazamientoSuerte(usuario);
    if (d < 0 || d + 3 > static_cast<std::int64_t>(datos.size())) {
        r.Error = kMsgErrorSuerte;
        return r;
    }
    for (int i = 0; i < 3; ++i)
        r.Textos[static_cast<std::size_t>(i)] =
            std::to_string(datos[static_cast<std::size_t>(d + i)]);
    return r;
}

TNumerosSuerte CalculaNumerosSuerte(const TUsuario& usuario, const std::filesystem::path& carpeta)
{
    const auto datos = LeeFicheroEntero(carpeta / kFicheroSuerte, kMaxSuerte);
    if (!datos) {
        TNumerosSuerte r;
        r.Error = kMsgErrorSuerte;
        return r;
    }
    return NumerosSuerteDe(usuario, *datos);
}

std::optional<std::string> TCuentaAtrasSuerte::AlAbrir() const
{
    if (!usuario_)
        return std::string(kMsgSinUsuarioSuerte);
    return std::nullopt;
}

TCuentaAtrasSuerte::Paso TCuentaAtrasSuerte::Tick()
{
    if (parado_)
        return Paso::Sigue;
    if (!usuario_) {
        parado_ = true;
        return Paso::Cierra;
    }
    if (barra_ == 0) {
        parado_ = true;
        return Paso::Muestra;
    }
    --barra_;
    return Paso::Sigue;
}

} // namespace numbrela
