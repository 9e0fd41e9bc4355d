#include "generation/FicheroCompacta.h"

#include <algorithm>
#include <string_view>

#include "generation/FicheroReduccion.h"
#include "generation/GarantiaReduccion.h"
#include "generation/SumasCompactas.h"
#include "generation/TablaRangos.h"
#include "generation/TablaReducciones.h"

namespace numbrela {

bool LeeCompacta(const std::filesystem::path& carpeta, int n, int k,
                 std::vector<std::uint32_t>& rangos, std::string& error)
{
    rangos.clear();
    const TFilaReduccion* fila = FilaReduccion(n);
    if (!fila || k < 3 || k > 5) {
        error = "Error: no hay reducción compacta de " + std::to_string(n) + " números al " +
                std::to_string(k);
        return false;
    }
    const std::string nombre = NombreCompacta(n, k);
    TReduccionLeida leida;
    switch (LeeRlv(carpeta / nombre, n, leida)) {
    case TFalloLectura::Ninguno:
        break;
    case TFalloLectura::NoExiste:
        error = "Error: no se encuentra el archivo " + nombre + " de la reducción compacta";
        return false;
    default:
        error = "Error: el archivo " + nombre + " está dañado (tamaño o rangos fuera de 1.." +
                std::to_string(Combinaciones(n, 6)) + ")";
        return false;
    }
    const std::uint64_t suma = SumaRangos(leida.Rangos);
    const bool entregada =
        std::any_of(std::begin(kSumasCompactas), std::end(kSumasCompactas),
                    [&](const TSumaCompacta& c) { return c.N == n && c.K == k && c.Suma == suma; });
    std::vector<std::uint32_t> r = std::move(leida.Rangos);
    std::sort(r.begin(), r.end());
    if (std::adjacent_find(r.begin(), r.end()) != r.end() || r.size() > fila->Apuestas(k)) {
        error = "Error: el archivo " + nombre +
                " está dañado (apuestas repetidas o más que la reducción de la tabla)";
        return false;
    }
    if (entregada) {
        rangos = std::move(r);
        return true;
    }
    if (SorteoSinPremio(n, k, MascarasDeRangos(n, r))) {
        error = "Error: el archivo " + nombre + " no da la garantía de la reducción al " +
                std::to_string(k) + "; no se usa";
        return false;
    }
    rangos = std::move(r);
    return true;
}

std::vector<std::uint64_t> MascarasDeRangos(int n, const std::vector<std::uint32_t>& rangos)
{
    TablaRangos t;
    t.Calcular(n);
    std::vector<std::uint64_t> apuestas;
    apuestas.reserve(rangos.size());
    for (std::uint32_t x : rangos) {
        std::uint8_t p[6];
        t.TomarCombinacion(x, p);
        std::uint64_t m = 0;
        for (std::uint8_t q : p)
            m |= std::uint64_t{1} << (q - 1);
        apuestas.push_back(m);
    }
    return apuestas;
}

std::uint64_t SumaRangos(const std::vector<std::uint32_t>& rangos)
{
    std::uint64_t h = 0xCBF29CE484222325ull;
    for (std::uint32_t r : rangos)
        for (int b = 0; b < 4; ++b) {
            h ^= r >> (8 * b) & 0xFF;
            h *= 0x100000001B3ull;
        }
    return h;
}

namespace {
constexpr std::string_view kPrincipioLeyenda = "Reducida compacta de ";
}

std::string LeyendaCompacta(int n, int k, std::size_t apuestas)
{
    static const char* const kNombre[] = {"TRES", "CUATRO", "CINCO"};
    return std::string(kPrincipioLeyenda) + std::to_string(n) + " números al " +
           kNombre[std::clamp(k, 3, 5) - 3] + ": " + std::to_string(apuestas) +
           (apuestas == 1 ? " apuesta" : " apuestas");
}

bool EsLeyendaCompacta(const std::string& leyenda)
{
    return leyenda.starts_with(kPrincipioLeyenda);
}

} // namespace numbrela
