#include "scrutiny/Escrutinio.h"

#include <vector>

#include "scrutiny/MascarasApuestas.h"

namespace numbrela {
namespace {

void Suma(TEscrutinio& e, int aciertos, bool complementario)
{
    switch (aciertos) {
    case 3:
        ++e.Tres;
        break;
    case 4:
        ++e.Cuatro;
        break;
    case 5:
        complementario ? ++e.CincoMasC : ++e.Cinco;
        break;
    case 6:
        ++e.Seis;
        break;
    default:
        break;
    }
}

bool TamanoMultipleValido(int cruces)
{
    return cruces == 5 || (cruces >= 7 && cruces <= kMaxCruces);
}

} // namespace

bool Escrutinio::EscrutarReducida(TConjuntoApuestas& conjunto)
{
    std::vector<std::uint64_t> mascaras;
    if (!MascarasApuestas::Expande(conjunto, mascaras))
        return false;
    const TSorteo& s = conjunto.Cabecera.Sorteo;
    const std::uint64_t c = MascarasApuestas::MascaraNumero(s.Complementario);
    std::uint64_t bit[6];
    for (int k = 0; k < 6; ++k)
        bit[k] = MascarasApuestas::MascaraNumero(s.Numeros[static_cast<std::size_t>(k)]);
    conjunto.AciertosReducida.assign(mascaras.size(), 0);
    for (std::size_t i = 0; i < mascaras.size(); ++i) {
        // Each winning number counts once as typed, so a repeated number counts twice.
        int h = 0;
        for (std::uint64_t b : bit)
            h += (mascaras[i] & b) != 0;
        conjunto.AciertosReducida[i] =
            static_cast<std::uint8_t>(h + ((mascaras[i] & c) != 0 ? 128 : 0));
    }
    return true;
}

bool Escrutinio::Escruta(TConjuntoApuestas& conjunto, const TSorteo& sorteo, std::string& error)
{
    conjunto.Cabecera.Sorteo = sorteo;
    switch (conjunto.Tipo()) {
    case TipoApuesta::Simple:
        for (TApuestas& a : conjunto.Apuestas)
            PuntuarApuesta(a, sorteo);
        break;
    case TipoApuesta::Multiple:
        if (!conjunto.Apuestas.empty())
            PuntuarApuesta(conjunto.Apuestas[0], sorteo);
        break;
    case TipoApuesta::Reducida:
        if (!EscrutarReducida(conjunto)) {
            error = "Error: Se ha producido un error leyendo el archivo o el archivo no existe";
            return false;
        }
        for (TApuestas& a : conjunto.Apuestas) // the slip on screen
            PuntuarApuesta(a, sorteo);
        break;
    case TipoApuesta::Ninguno:
        break;
    }
    conjunto.EscrutadoHecho = true;
    return true;
}

TEscrutinio Escrutinio::Calcula(const TConjuntoApuestas& conjunto)
{
    TEscrutinio e;
    switch (conjunto.Tipo()) {
    case TipoApuesta::Simple:
        for (const TApuestas& a : conjunto.Apuestas)
            Suma(e, a.Aciertos, a.ConComplementario != 0);
        break;
    case TipoApuesta::Reducida:
        for (std::uint8_t b : conjunto.AciertosReducida)
            Suma(e, b & 0x7f, b >= 128);
        break;
    case TipoApuesta::Multiple: {
        if (conjunto.Apuestas.empty() || !TamanoMultipleValido(conjunto.Apuestas[0].Cruces))
            break;
        const TSorteo& s = conjunto.Cabecera.Sorteo;
        conjunto.VisitaApuestasSimples([&](const TApuestaSimple& a) {
            TApuestas simple;
            MeterNumeros(simple, a.Numeros.data());
            PuntuarApuesta(simple, s);
            Suma(e, simple.Aciertos, simple.ConComplementario != 0);
        });
        break;
    }
    case TipoApuesta::Ninguno:
        break;
    }
    return e;
}

std::array<std::string, 5> Escrutinio::LineasResultados(const TEscrutinio& e)
{
    return {"6 Aciertos: " + std::to_string(e.Seis), "5 Aciertos+C: " + std::to_string(e.CincoMasC),
            "5 Aciertos: " + std::to_string(e.Cinco), "4 Aciertos: " + std::to_string(e.Cuatro),
            "3 Aciertos: " + std::to_string(e.Tres)};
}

std::string Escrutinio::TextoAciertos(int aciertos, bool complementario)
{
    return "Aciertos: " + std::to_string(aciertos) + (complementario ? " +C" : "");
}

std::string Escrutinio::TextoAciertosApuesta(const TConjuntoApuestas& conjunto, std::int64_t indice)
{
    if (indice < 0)
        return {};
    if (conjunto.Tipo() == TipoApuesta::Reducida) {
        if (static_cast<std::size_t>(indice) >= conjunto.AciertosReducida.size())
            return {};
        const std::uint8_t b = conjunto.AciertosReducida[static_cast<std::size_t>(indice)];
        return TextoAciertos(b & 0x7f, b >= 128);
    }
    if (static_cast<std::size_t>(indice) >= conjunto.Apuestas.size())
        return {};
    const TApuestas& a = conjunto.Apuestas[static_cast<std::size_t>(indice)];
    return TextoAciertos(a.Aciertos, a.ConComplementario != 0);
}

std::string Escrutinio::TextoPremio(int aciertos, bool complementario)
{
    if (aciertos < 3)
        return {};
    return " ->" + std::to_string(aciertos) + (complementario ? "+Complementario" : " aciertos");
}

} // namespace numbrela
