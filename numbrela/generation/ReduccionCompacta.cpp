#include "generation/ReduccionCompacta.h"

#include <algorithm>
#include <bit>

#include "generation/FicheroCompacta.h"
#include "generation/GarantiaReduccion.h"
#include "generation/TablaRangos.h"
#include "generation/TablaReducciones.h"

namespace numbrela {

std::optional<std::string> ErrorNumerosGarantia(const std::vector<int>& numeros, int garantia)
{
    if (garantia < 3 || garantia > 5)
        return std::string("Error: la garantía debe ser 3, 4 o 5");
    for (int x : numeros)
        if (x < 1 || x > kNumeros)
            return "Error: el número " + std::to_string(x) + " está fuera de 1..49";
    std::vector<int> v = numeros;
    std::sort(v.begin(), v.end());
    if (const auto r = std::adjacent_find(v.begin(), v.end()); r != v.end())
        return "Error: el número " + std::to_string(*r) + " aparece dos veces en la lista";
    if (v.size() < static_cast<std::size_t>(kMinReducidos))
        return std::string("Error: hacen falta al menos 7 números");
    return std::nullopt;
}

bool CreaReduccionCompacta(TConjuntoApuestas& conjunto, const std::filesystem::path& carpeta,
                           const std::vector<int>& numeros, int garantia, std::string& error)
{
    if (auto e = ErrorNumerosGarantia(numeros, garantia)) {
        error = *e;
        return false;
    }
    std::vector<int> orden = numeros;
    std::sort(orden.begin(), orden.end());
    const int n = static_cast<int>(orden.size());
    std::vector<std::uint32_t> rangos;
    if (!LeeCompacta(carpeta, n, garantia, rangos, error))
        return false;
    TTextosConjunto textos;
    if (!conjunto.CreaSimples(static_cast<std::int64_t>(rangos.size()), error, textos))
        return false;
    TablaRangos t;
    t.Calcular(n);
    for (std::size_t i = 0; i < rangos.size(); ++i) {
        std::uint8_t p[6], numerosApuesta[6];
        t.TomarCombinacion(rangos[i], p);
        for (int j = 0; j < 6; ++j)
            numerosApuesta[j] =
                static_cast<std::uint8_t>(orden[static_cast<std::size_t>(p[j] - 1)]);
        MeterNumeros(conjunto.Apuestas[i], numerosApuesta);
    }
    conjunto.Cabecera.Leyenda = LeyendaCompacta(n, garantia, rangos.size());
    return true;
}

std::optional<std::array<std::uint8_t, 6>>
SorteoNoCubierto(const TConjuntoApuestas& conjunto, const std::vector<int>& numeros, int garantia)
{
    std::vector<int> orden = numeros;
    std::sort(orden.begin(), orden.end());
    std::array<int, kNumeros + 1> posicion{};
    posicion.fill(-1);
    for (std::size_t i = 0; i < orden.size(); ++i)
        posicion[static_cast<std::size_t>(orden[i])] = static_cast<int>(i);
    // Each simple bet as the set of chosen positions it holds; numbers not chosen play no part.
    std::vector<std::uint64_t> apuestas;
    conjunto.VisitaApuestasSimples([&](const TApuestaSimple& a) {
        std::uint64_t m = 0;
        for (int t = 0; t < a.Cuantos; ++t) {
            const int x = a.Numeros[static_cast<std::size_t>(t)];
            if (x >= 1 && x <= kNumeros && posicion[static_cast<std::size_t>(x)] >= 0)
                m |= std::uint64_t{1} << posicion[static_cast<std::size_t>(x)];
        }
        if (std::popcount(m) >= garantia)
            apuestas.push_back(m);
    });
    const auto sorteo = SorteoSinPremio(static_cast<int>(orden.size()), garantia, apuestas);
    if (!sorteo)
        return std::nullopt;
    std::array<std::uint8_t, 6> r{};
    for (std::size_t i = 0; i < 6; ++i)
        r[i] = static_cast<std::uint8_t>(orden[(*sorteo)[i]]);
    return r;
}

std::string Euros(std::int64_t centimos)
{
    const bool negativo = centimos < 0;
    std::uint64_t c = static_cast<std::uint64_t>(negativo ? -centimos : centimos);
    std::string entero = std::to_string(c / 100);
    for (int i = static_cast<int>(entero.size()) - 3; i > 0; i -= 3)
        entero.insert(static_cast<std::size_t>(i), ".");
    const std::uint64_t resto = c % 100;
    return (negativo ? "-" : "") + entero + "," + (resto < 10 ? "0" : "") + std::to_string(resto) +
           " €";
}

std::vector<std::vector<std::string>> TablaCompacta(const std::filesystem::path& carpeta,
                                                    int precio)
{
    std::vector<std::vector<std::string>> filas;
    filas.push_back({"Total Números"});
    for (int k = 5; k >= 3; --k) {
        const std::string al = " al " + std::to_string(k);
        filas[0].insert(filas[0].end(), {"Reducción" + al, "Compacta" + al, "Ahorro" + al});
    }
    for (const TFilaReduccion& f : kTablaReducciones) {
        std::vector<std::string> fila{std::to_string(f.Numeros)};
        for (int k = 5; k >= 3; --k) {
            std::vector<std::uint32_t> rangos;
            std::string error;
            const bool hay = LeeCompacta(carpeta, f.Numeros, k, rangos, error);
            fila.push_back(std::to_string(f.Apuestas(k)));
            fila.push_back(hay ? std::to_string(rangos.size()) : "-");
            fila.push_back(hay ? Euros((static_cast<std::int64_t>(f.Apuestas(k)) -
                                        static_cast<std::int64_t>(rangos.size())) *
                                       precio)
                               : "-");
        }
        filas.push_back(std::move(fila));
    }
    return filas;
}

} // namespace numbrela
