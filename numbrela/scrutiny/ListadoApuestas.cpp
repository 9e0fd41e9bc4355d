#include "scrutiny/ListadoApuestas.h"

#include <algorithm>

#include "scrutiny/Escrutinio.h"
#include "scrutiny/SeisNumeros.h"

namespace numbrela {

const TFilaListado ListadoApuestas::kCabecera = {"Apuesta", "N1", "N2", "N3",
                                                 "N4",      "N5", "N6", "Premio Escrutado"};
const std::array<int, 8> ListadoApuestas::kAnchoColumnas = {64, 32, 29, 30, 30, 30, 30, 110};

ListadoApuestas::ListadoApuestas(const TConjuntoApuestas& conjunto) : conjunto_(conjunto)
{
    switch (conjunto.Tipo()) {
    case TipoApuesta::Simple:
        total_ = static_cast<std::int64_t>(conjunto.Apuestas.size());
        break;
    case TipoApuesta::Reducida:
        total_ = static_cast<std::int64_t>(conjunto.BufferRangos.size());
        break;
    case TipoApuesta::Multiple:
        total_ = conjunto.Apuestas.empty() ? 0 : 1;
        break;
    case TipoApuesta::Ninguno:
        total_ = 0;
        break;
    }
    if (conjunto.Tipo() == TipoApuesta::Reducida && conjunto.Motor() != nullptr)
        conjunto.Motor()->Calcular(conjunto.Cabecera.TotalReducidos);
    ActualizaGrid(1);
}

void ListadoApuestas::ActualizaGrid(std::int64_t primera)
{
    primeraFila_ = primera;
    filas_.clear();
    if (conjunto_.Tipo() == TipoApuesta::Multiple) {
        LlenaMultiple();
        return;
    }
    const std::int64_t filas = std::clamp<std::int64_t>(total_ - primera + 1, 0, kFilasPorPagina);
    for (std::int64_t k = 0; k < filas; ++k)
        filas_.push_back(FilaApuesta(primera + k));
}

TFilaListado ListadoApuestas::FilaApuesta(std::int64_t numero) const
{
    TFilaListado fila;
    fila[0] = std::to_string(numero);
    std::array<std::uint8_t, 6> numeros{};
    int aciertos = 0;
    bool complementario = false;
    if (!SeisNumeros::DeApuesta(conjunto_, numero - 1, numeros, aciertos, complementario))
        return fila;
    for (std::size_t t = 0; t < 6; ++t)
        fila[t + 1] = std::to_string(numeros[t]);
    if (conjunto_.EscrutadoHecho)
        fila[7] = Escrutinio::TextoPremio(aciertos, complementario);
    return fila;
}

void ListadoApuestas::LlenaMultiple()
{
    if (conjunto_.Apuestas.empty())
        return;
    TFilaListado multiple;
    std::uint8_t seis[6];
    SeisNumeros::Empaquetados(conjunto_.Apuestas[0], seis, 6);
    for (std::size_t t = 0; t < 6; ++t)
        multiple[t + 1] = std::to_string(seis[t]);
    filas_.push_back(multiple);
    filas_.push_back(TFilaListado{});
    if (!conjunto_.EscrutadoHecho)
        return;
    const TEscrutinio e = Escrutinio::Calcula(conjunto_);
    const std::pair<const char*, std::uint32_t> tally[] = {{"6:   ", e.Seis},
                                                           {"5+C: ", e.CincoMasC},
                                                           {"5  : ", e.Cinco},
                                                           {"4  : ", e.Cuatro},
                                                           {"3  : ", e.Tres}};
    for (const auto& [texto, n] : tally) {
        TFilaListado f;
        f[7] = texto + std::to_string(n);
        filas_.push_back(f);
    }
}

void ListadoApuestas::PrimeraPagina()
{
    ActualizaGrid(1);
}

void ListadoApuestas::PaginaAnterior()
{
    if (primeraFila_ - kFilasPorPagina > 0)
        ActualizaGrid(primeraFila_ - kFilasPorPagina);
}

void ListadoApuestas::PaginaSiguiente()
{
    if (total_ >= primeraFila_ + kFilasPorPagina)
        ActualizaGrid(primeraFila_ + kFilasPorPagina);
}

void ListadoApuestas::UltimaPagina()
{
    if (total_ == 0) {
        ActualizaGrid(1); // an empty set has no page but the first
        return;
    }
    std::int64_t primera = kFilasPorPagina * (total_ / kFilasPorPagina) + 1;
    if (primera > total_)
        primera = total_ - (kFilasPorPagina - 1);
    ActualizaGrid(primera);
}

} // namespace numbrela
