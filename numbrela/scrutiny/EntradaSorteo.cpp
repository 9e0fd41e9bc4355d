#include "scrutiny/EntradaSorteo.h"

#include <algorithm>
#include <optional>

namespace numbrela {
namespace {

// The field's text as a whole number: optional spaces around an optional sign and digits.
// A negative number is not a number of the game and fails like any other bad text, so
// that it can never be stored as a byte.
std::optional<long> Entero(const std::string& texto)
{
    std::size_t i = 0, f = texto.size();
    while (i < f && texto[i] == ' ')
        ++i;
    while (f > i && texto[f - 1] == ' ')
        --f;
    if (i < f && texto[i] == '+')
        ++i;
    if (i == f || f - i > 9)
        return std::nullopt;
    long v = 0;
    for (std::size_t k = i; k < f; ++k) {
        if (texto[k] < '0' || texto[k] > '9')
            return std::nullopt;
        v = v * 10 + (texto[k] - '0');
    }
    return v;
}

} // namespace

TResultadoEntrada EntradaSorteo::Valida(const std::array<std::string, 7>& campos)
{
    TResultadoEntrada r;
    std::array<long, 7> valores{};
    for (std::size_t i = 0; i < campos.size(); ++i) {
        const auto v = Entero(campos[i]);
        if (!v) {
            r.Error = "ERROR: Algún número introducido no es correcto";
            r.FocoPrimerCampo = true;
            return r;
        }
        if (*v > kNumeros) {
            r.Error = "ERROR: Introdujo el número " + campos[i] + " que es mayor que 49";
            return r;
        }
        valores[i] = *v;
    }
    for (long v : valores)
        if (v == 0) {
            r.Error = "ERROR: Introdujo valores igual a cero. Corríjalo e inténtelo de nuevo";
            return r;
        }
    for (std::size_t i = 0; i < 6; ++i)
        r.Sorteo.Numeros[i] = static_cast<std::uint8_t>(valores[i]);
    r.Sorteo.Complementario = static_cast<std::uint8_t>(valores[6]);
    std::sort(r.Sorteo.Numeros.begin(), r.Sorteo.Numeros.end());
    r.Ok = true;
    return r;
}

std::array<std::string, 7> EntradaSorteo::Campos(const TSorteo& sorteo)
{
    std::array<std::string, 7> c;
    for (std::size_t i = 0; i < 7; ++i) {
        const int v = i < 6 ? sorteo.Numeros[i] : sorteo.Complementario;
        c[i] = !sorteo.HaySorteo() ? "00" : (v < 10 ? "0" : "") + std::to_string(v);
    }
    return c;
}

std::array<std::string, 7> EntradaSorteo::CamposDeTexto(const std::string& texto)
{
    std::array<std::string, 7> c;
    const std::size_t mas = texto.find('+');
    const std::string ganadores = texto.substr(0, mas);
    std::size_t campo = 0, desde = 0;
    for (;;) {
        const std::size_t coma = ganadores.find(',', desde);
        if (campo == 5 || coma == std::string::npos) {
            c[campo] = ganadores.substr(desde); // a sixth comma stays in field 6
            break;
        }
        c[campo++] = ganadores.substr(desde, coma - desde);
        desde = coma + 1;
    }
    if (mas != std::string::npos)
        c[6] = texto.substr(mas + 1);
    return c;
}

} // namespace numbrela
