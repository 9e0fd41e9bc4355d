#include "generation/EleccionCompacta.h"

#include <algorithm>
#include <system_error>
#include <vector>

#include "generation/FicheroCompacta.h"
#include "generation/NombresReduccion.h"
#include "generation/ReduccionCompacta.h"
#include "generation/TablaReducciones.h"

namespace numbrela {
namespace {

const char* NombreGarantia(int k)
{
    return k == 3 ? "TRES" : k == 4 ? "CUATRO" : "CINCO";
}

std::string Apuestas(std::int64_t n)
{
    return std::to_string(n) + (n == 1 ? " apuesta" : " apuestas");
}

} // namespace

std::optional<std::int64_t> ApuestasCompacta(const std::filesystem::path& carpeta, int n, int k)
{
    const TFilaReduccion* fila = FilaReduccion(n);
    if (!fila || k < 3 || k > 5)
        return std::nullopt;
    std::error_code ec;
    const std::uintmax_t bytes = std::filesystem::file_size(carpeta / NombreCompacta(n, k), ec);
    if (ec || bytes == 0 || bytes % 4 != 0 || bytes / 4 > fila->Apuestas(k))
        return std::nullopt;
    return static_cast<std::int64_t>(bytes / 4);
}

TOfertaCompacta OfertaCompacta(const std::filesystem::path& carpeta, int n, int fijos, int k,
                               int juego)
{
    TOfertaCompacta o;
    const TFilaReduccion* fila = FilaReduccion(n);
    if (!fila || k < 3 || k > 5) {
        o.Texto = "Diseño compacto: escoja al menos 7 números y la garantía";
        return o;
    }
    const std::string al = std::string("al ") + NombreGarantia(k) + ": ";
    if (fijos > 0) {
        o.Texto = al + "con números fijos sólo hay los diseños de la tabla";
        return o;
    }
    o.Tabla = fila->Apuestas(k);
    const auto compacta = ApuestasCompacta(carpeta, n, k);
    if (!compacta) {
        o.Texto = al + "tabla " + Apuestas(o.Tabla) + ", sin diseño compacto";
        return o;
    }
    o.Posible = true;
    o.Compacta = *compacta;
    o.Texto = al + "tabla " + Apuestas(o.Tabla) + ", compacta " + std::to_string(o.Compacta) +
              " (ahorro " + Euros((o.Tabla - o.Compacta) * PrecioUnitario(juego)) + ")";
    return o;
}

TOfertaCompacta OfertaCompacta(const std::filesystem::path& carpeta, const CabeceraApuestas& c)
{
    return OfertaCompacta(carpeta, c.TotalReducidos, c.TotalFijos, GarantiaDeTipo(c.TipoReduccion),
                          c.Juego);
}

std::array<std::string, 8> CeldasFilaCompacta(const std::filesystem::path& carpeta, int n)
{
    std::array<std::string, 8> celdas{};
    const TFilaReduccion* fila = FilaReduccion(n);
    if (!fila)
        return celdas;
    celdas[0] = std::to_string(n);
    celdas[1] = std::to_string(fila->Directa());
    for (int k = 5, i = 2; k >= 3; --k, i += 2) {
        const auto compacta = ApuestasCompacta(carpeta, n, k);
        celdas[static_cast<std::size_t>(i)] = std::to_string(fila->Apuestas(k));
        celdas[static_cast<std::size_t>(i + 1)] = compacta ? std::to_string(*compacta) : "-";
    }
    return celdas;
}

bool EligeCompacta(TConjuntoApuestas& conjunto, const std::filesystem::path& carpeta,
                   std::string& error, TTextosConjunto& textos)
{
    const CabeceraApuestas& c = conjunto.Cabecera;
    if (c.TotalFijos > 0) {
        error = "Error: con números fijos sólo hay los diseños de la tabla";
        return false;
    }
    const int n = std::clamp(c.TotalReducidos, 0, kNumeros);
    const std::vector<int> numeros(c.ListaReducidos.begin(), c.ListaReducidos.begin() + n);
    const std::uint8_t juego = c.Juego;
    if (!CreaReduccionCompacta(conjunto, carpeta, numeros, GarantiaDeTipo(c.TipoReduccion), error))
        return false;
    conjunto.Cabecera.Juego = juego;
    textos = {conjunto.Cabecera.Leyenda, conjunto.TextoContador()};
    return true;
}

std::string PreguntaTablaTrasFallo(const std::string& error, int n, int k)
{
    std::string pregunta = error + ".\n\n¿Desea jugar la reducción de la tabla";
    if (const TFilaReduccion* fila = FilaReduccion(n); fila && k >= 3 && k <= 5)
        pregunta += ", de " + Apuestas(fila->Apuestas(k));
    return pregunta + "?";
}

} // namespace numbrela
