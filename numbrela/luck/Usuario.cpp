#include "luck/Usuario.h"

#include <algorithm>

#include "model/Cp1252.h"

namespace numbrela {

std::array<std::uint8_t, kTamUsuario> EscribeUsuario(const TUsuario& u)
{
    std::array<std::uint8_t, kTamUsuario> b{};
    const std::string nombre = Utf8ACp1252(CortaUtf8(u.NombreCompleto, kMaxNombreUsuario));
    b[0] = static_cast<std::uint8_t>(nombre.size());
    std::copy(nombre.begin(), nombre.end(), b.begin() + 1);
    b[201] = u.Dia;
    b[202] = u.Mes;
    b[203] = 0;
    const auto anio = static_cast<std::uint32_t>(u.Anio);
    for (int i = 0; i < 4; ++i)
        b[204 + i] = static_cast<std::uint8_t>(anio >> (8 * i));
    return b;
}

TUsuario LeeUsuario(std::span<const std::uint8_t, kTamUsuario> b)
{
    TUsuario u;
    const std::size_t largo = std::min<std::size_t>(b[0], kMaxNombreUsuario);
    u.NombreCompleto = Cp1252AUtf8(std::string(b.begin() + 1, b.begin() + 1 + largo));
    u.Dia = b[201];
    u.Mes = b[202];
    std::uint32_t anio = 0;
    for (int i = 0; i < 4; ++i)
        anio |= std::uint32_t{b[204 + i]} << (8 * i);
    u.Anio = static_cast<std::int32_t>(anio);
    return u;
}

std::int64_t SumaCodigos(const std::string& nombre)
{
    std::int64_t suma = 0;
    for (unsigned char c : Utf8ACp1252(nombre))
        suma += c;
    return suma;
}

TFormularioUsuario FormularioDe(const TUsuario& u)
{
    TFormularioUsuario f;
    f.Nombre = u.NombreCompleto;
    f.Dia = u.Dia;
    f.Mes = u.Mes;
    f.Anio = std::to_string(u.Anio);
    return f;
}

std::optional<TUsuario> UsuarioDelFormulario(const TFormularioUsuario& f)
{
    if (f.Nombre.empty() || f.Dia < 1 || f.Dia > 31 || f.Mes < 1 || f.Mes > 12)
        return std::nullopt;
    // The year field takes four digits; blanks the mask leaves around them are ignored,
    // anything else is not a year.
    std::string anio;
    for (char c : f.Anio)
        if (c != ' ')
            anio += c;
    if (anio.empty() || anio.size() > 4 ||
        !std::all_of(anio.begin(), anio.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    TUsuario u;
    u.NombreCompleto = CortaUtf8(f.Nombre, kMaxNombreUsuario);
    u.Dia = static_cast<std::uint8_t>(f.Dia);
    u.Mes = static_cast<std::uint8_t>(f.Mes);
    u.Anio = std::stoi(anio);
    return u;
}

} // namespace numbrela
