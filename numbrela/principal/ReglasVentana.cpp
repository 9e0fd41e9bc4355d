#include "principal/ReglasVentana.h"

#include <algorithm>

#include "generation/EleccionReducida.h"
#include "model/ConjuntoApuestas.h"
#include "principal/TextosVentanas.h"
#include "scrutiny/Escrutinio.h"

namespace numbrela {
namespace {

// Digits only, at most `maxDigitos` of them (the dialogs' masks).
std::optional<std::int64_t> Digitos(const std::string& texto, std::size_t maxDigitos)
{
    // The masked edits pad with spaces: what counts is the digits typed.
    std::size_t i = texto.find_first_not_of(' ');
    std::size_t f = texto.find_last_not_of(' ');
    if (i == std::string::npos)
        return std::nullopt;
    const std::string s = texto.substr(i, f - i + 1);
    if (s.size() > maxDigitos)
        return std::nullopt;
    std::int64_t v = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return v;
}

} // namespace

TLectura LeeNumeroApuestas(const std::string& texto)
{
    TLectura r;
    r.Valor = Digitos(texto, 8);
    if (!r.Valor)
        r.Error = textos::kValorIncorrecto;
    return r;
}

TIrABoleto LeeIrABoleto(const std::string& texto, int ultimoBoleto)
{
    TIrABoleto r;
    const auto v = Digitos(texto, 5);
    if (!v) {
        r.Error = textos::kErrorBoleto;
    } else if (*v > ultimoBoleto + 1 || *v == 0) {
        r.Error = textos::kNoExisteBoleto;
    } else {
        r.Boleto = static_cast<int>(*v - 1);
    }
    return r;
}

TEleccionApuesta ApuestaEnColumna(const TConjuntoApuestas& conjunto, int columna)
{
    TEleccionApuesta r;
    r.Columna = columna;
    const int visibles = static_cast<int>(ColumnasBoleto(conjunto).size());
    if (columna < 0 || columna >= visibles) {
        r.Error = textos::kApuestaOculta;
        return r;
    }
    r.Apuesta = std::int64_t{kApuestasPorBoleto} * conjunto.BoletoActual + columna + 1;
    if (conjunto.Tipo() == TipoApuesta::Multiple)
        r.Apuesta = 1;
    else if (r.Apuesta > conjunto.TotalApuestas()) {
        r.Error = textos::kApuestaNoCreada;
        return r;
    }
    if (conjunto.Tipo() == TipoApuesta::Reducida)
        r.Error = textos::kReducidasNoCambian;
    return r;
}

TEleccionApuesta ApuestaEnPunto(const TConjuntoApuestas& conjunto, int x)
{
    return ApuestaEnColumna(conjunto, x < 0 ? -1 : x / kAnchoColumnaBoleto);
}

std::vector<TColumnaBoleto> ColumnasBoleto(const TConjuntoApuestas& conjunto)
{
    std::vector<TColumnaBoleto> columnas;
    const TipoApuesta tipo = conjunto.Tipo();
    if (tipo == TipoApuesta::Ninguno)
        return columnas; // a set of no kind has no bets
    const std::int64_t primera = std::int64_t{kApuestasPorBoleto} * conjunto.BoletoActual;
    const int k =
        tipo == TipoApuesta::Multiple
            ? 1
            : std::min(conjunto.ApuestasEnBoleto(conjunto.BoletoActual), kApuestasPorBoleto);
    for (int j = 0; j < k; ++j) {
        TColumnaBoleto c;
        c.Apuesta = tipo == TipoApuesta::Multiple ? 1 : primera + j + 1;
        // A reduced set holds only the bets of the slip on screen.
        c.Indice = static_cast<std::size_t>(tipo == TipoApuesta::Simple     ? primera + j
                                            : tipo == TipoApuesta::Reducida ? j
                                                                            : 0);
        if (c.Indice >= conjunto.Apuestas.size())
            break; // never a column without its bet object
        if (conjunto.EscrutadoHecho)
            c.Aciertos = Escrutinio::TextoAciertosApuesta(
                conjunto, tipo == TipoApuesta::Multiple ? 0 : c.Apuesta - 1);
        columnas.push_back(std::move(c));
    }
    return columnas;
}

TEstadoOrdenes EstadoOrdenes(const TConjuntoApuestas& conjunto)
{
    TEstadoOrdenes e;
    const TipoApuesta tipo = conjunto.Tipo();
    e.Apuestas = tipo == TipoApuesta::Simple;
    e.Numeros = PuedeCambiarNumeros(conjunto);
    e.Reducir = PuedeReducir(conjunto);
    e.Grabar = conjunto.GrabarHabilitado;
    return e;
}

TPunto EsquinaCruz(int columna, int numero)
{
    const int c = numero / 10;
    return {kAnchoColumnaBoleto * columna + 2 + 19 * c, 207 - (10 * c + 9 - numero) * 21};
}

TDisposicion Disposicion(int P, int L)
{
    TDisposicion d{};
    const int T = P - 2;
    d.Tipo = T;
    d.Apuestas = T + 124;
    d.Reducir = T + 216;
    d.Numeros = T + 306;
    d.Listar = d.Numeros + 91;
    d.Rellenar = T + 506;
    d.Escrutar = T + 593;
    d.Imprimir = T + 679;
    d.Primero = L - 132;
    d.Anterior = L - 75;
    d.Siguiente = L + 102;
    d.Ultimo = L + 176;
    d.Informacion = L + 265;
    d.Contador = L - 346;
    d.Fichero = L - 346;
    d.Precio = L + 352;
    d.Salir = d.Precio + 5;
    return d;
}

std::uint32_t ColorJuego(int juego)
{
    switch (juego) {
    case 1:
        return 0x0000FF; // BONOLOTO: blue
    case 2:
        return 0x000000; // EL GORDO: black
    default:
        return 0x008000; // LOTERIA PRIMITIVA: green
    }
}

} // namespace numbrela
