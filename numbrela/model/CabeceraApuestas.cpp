#include "model/CabeceraApuestas.h"

#include <algorithm>
#include <cstring>

#include "model/Cp1252.h"

namespace numbrela {
namespace {

// Offsets of the stored header.
constexpr std::size_t kNombre = 0, kTipo = 101, kTipoReduccion = 102, kTotalReducidos = 104,
                      kTotalFijos = 108, kReducidos = 112, kFijos = 161, kListaReducidos = 210,
                      kListaFijos = 259, kTotalApuestas = 308, kUltimoBoleto = 312,
                      kCodigoMultiple = 320, kSorteo = 321, kLeyenda = 328, kJuego = 529;

void PonEntero(std::uint8_t* p, std::int32_t v)
{
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(u >> (8 * i));
}

std::int32_t TomaEntero(const std::uint8_t* p)
{
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i)
        u |= static_cast<std::uint32_t>(p[i]) << (8 * i);
    return static_cast<std::int32_t>(u);
}

void PonCadena(std::uint8_t* p, const std::string& utf8, std::size_t maximo)
{
    const std::string bytes = Utf8ACp1252(CortaUtf8(utf8, maximo));
    p[0] = static_cast<std::uint8_t>(bytes.size());
    std::memcpy(p + 1, bytes.data(), bytes.size());
}

std::string TomaCadena(const std::uint8_t* p, std::size_t maximo)
{
    const std::size_t n = std::min<std::size_t>(p[0], maximo);
    return Cp1252AUtf8(std::string_view(reinterpret_cast<const char*>(p + 1), n));
}

} // namespace

std::array<std::uint8_t, kTamCabecera> EscribeCabecera(const CabeceraApuestas& c)
{
    std::array<std::uint8_t, kTamCabecera> b{};
    std::uint8_t* p = b.data();
    PonCadena(p + kNombre, c.Nombre, kMaxNombre);
    p[kTipo] = c.Tipo;
    p[kTipoReduccion] = c.TipoReduccion;
    PonEntero(p + kTotalReducidos, c.TotalReducidos);
    PonEntero(p + kTotalFijos, c.TotalFijos);
    std::copy(c.Reducidos.begin(), c.Reducidos.end(), p + kReducidos);
    std::copy(c.Fijos.begin(), c.Fijos.end(), p + kFijos);
    std::copy(c.ListaReducidos.begin(), c.ListaReducidos.end(), p + kListaReducidos);
    std::copy(c.ListaFijos.begin(), c.ListaFijos.end(), p + kListaFijos);
    PonEntero(p + kTotalApuestas, c.TotalApuestas);
    PonEntero(p + kUltimoBoleto, c.UltimoBoleto);
    p[kCodigoMultiple] = c.CodigoMultiple;
    std::copy(c.Sorteo.Numeros.begin(), c.Sorteo.Numeros.end(), p + kSorteo);
    p[kSorteo + 6] = c.Sorteo.Complementario;
    PonCadena(p + kLeyenda, c.Leyenda, kMaxLeyenda);
    p[kJuego] = c.Juego;
    return b;
}

CabeceraApuestas LeeCabecera(std::span<const std::uint8_t, kTamCabecera> bytes)
{
    const std::uint8_t* p = bytes.data();
    CabeceraApuestas c;
    c.Nombre = TomaCadena(p + kNombre, kMaxNombre);
    c.Tipo = p[kTipo];
    c.TipoReduccion = p[kTipoReduccion];
    c.TotalReducidos = TomaEntero(p + kTotalReducidos);
    c.TotalFijos = TomaEntero(p + kTotalFijos);
    std::copy_n(p + kReducidos, kNumeros, c.Reducidos.begin());
    std::copy_n(p + kFijos, kNumeros, c.Fijos.begin());
    std::copy_n(p + kListaReducidos, kNumeros, c.ListaReducidos.begin());
    std::copy_n(p + kListaFijos, kNumeros, c.ListaFijos.begin());
    c.TotalApuestas = TomaEntero(p + kTotalApuestas);
    c.UltimoBoleto = TomaEntero(p + kUltimoBoleto);
    c.CodigoMultiple = p[kCodigoMultiple];
    std::copy_n(p + kSorteo, 6, c.Sorteo.Numeros.begin());
    c.Sorteo.Complementario = p[kSorteo + 6];
    c.Leyenda = TomaCadena(p + kLeyenda, kMaxLeyenda);
    c.Juego = p[kJuego];
    return c;
}

} // namespace numbrela
