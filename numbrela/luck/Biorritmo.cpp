#include "luck/Biorritmo.h"

#include <algorithm>

#include "luck/FicheroDatos.h"
#include "luck/Usuario.h"

namespace numbrela {

int DiasDelMes(int mes, int anio)
{
    static const int kDias[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (mes < 1 || mes > 12)
        return 0;
    if (mes == 2) {
        const bool bisiesto = (anio % 4 == 0 && anio % 100 != 0) || anio % 400 == 0;
        return bisiesto ? 29 : 28;
    }
    return kDias[mes - 1];
}

TFecha FechaSonda(int mes, int anio)
{
    const int dias = DiasDelMes(mes, anio);
    if (dias == 28)
        return {1, 3, anio};
    return {dias, mes, anio};
}

TBiorritmo DesplazamientosBiorritmo(const std::string& nombre, int mes, int anio)
{
    TBiorritmo b;
    b.Dias = DiasDelMes(mes, anio);
    const TFecha p = FechaSonda(mes, anio);
    b.Base = std::int64_t{p.Mes} + p.Anio + p.Dia + mes + anio + SumaCodigos(nombre);
    b.Paso = p.Mes;
    for (int v = 1; v <= b.Dias; ++v)
        b.Barras[static_cast<std::size_t>(v - 1)].Desplazamiento = std::int64_t{v} * p.Mes + b.Base;
    return b;
}

int BandaDeBarra(int altura)
{
    constexpr int kCaida = 2; // the bars start two pixels into "Excelente"
    constexpr int kAlto = 40;
    const int ultimaFila = kCaida + std::max(altura, 1) - 1;
    return std::clamp(ultimaFila / kAlto, 0, 4);
}

void LeeBarras(TBiorritmo& b, std::span<const std::uint8_t> datos)
{
    const auto tam = static_cast<std::int64_t>(datos.size());
    for (int v = 0; v < b.Dias; ++v) {
        TBarraBiorritmo& barra = b.Barras[static_cast<std::size_t>(v)];
        if (barra.Desplazamiento < 0 || barra.Desplazamiento >= tam)
            continue;
        const int byte = datos[static_cast<std::size_t>(barra.Desplazamiento)];
        barra.Visible = true;
        barra.Altura = byte == 0 ? kAlturaBarraCero : byte;
    }
}

TBiorritmo CalculaBiorritmo(const TSesionSuerte& sesion, int mes, int anio,
                            const std::filesystem::path& carpeta)
{
    TBiorritmo b;
    if (!sesion.UsuarioEstablecido) {
        b.Error = kMsgSinUsuarioBiorritmo;
        return b;
    }
    if (mes < 1 || mes > 12 || anio < kPrimerAnioBiorritmo || anio > kUltimoAnioBiorritmo) {
        b.Error = kMsgSinMesAnio;
        return b;
    }
    b = DesplazamientosBiorritmo(sesion.UsuarioActual.NombreCompleto, mes, anio);
    const auto datos = LeeFicheroEntero(carpeta / kFicheroBiorritmo, kMaxBiorritmo);
    if (!datos) {
        b.Error = kMsgErrorBiorritmo; // the day numbers show, the bars stay hidden
        return b;
    }
    LeeBarras(b, *datos);
    return b;
}

} // namespace numbrela
