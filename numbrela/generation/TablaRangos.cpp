#include "generation/TablaRangos.h"

#include <algorithm>

namespace numbrela {

std::uint64_t Combinaciones(int n, int k)
{
    if (k < 0 || n < 0 || k > n)
        return 0;
    k = std::min(k, n - k);
    std::uint64_t c = 1;
    for (int i = 1; i <= k; ++i)
        c = c * static_cast<std::uint64_t>(n - k + i) / static_cast<std::uint64_t>(i);
    return c;
}

void TablaRangos::Calcular(int n)
{
    n = std::clamp(n, kMinReducidos, kMaxReducidos);
    if (n == n_)
        return;
    n_ = n;
    total_ = static_cast<std::uint32_t>(Combinaciones(n, 6));
    for (int r = 1; r <= n - 5; ++r)
        for (int t = 1; t <= 6; ++t) {
            valor_[r][t] = static_cast<std::uint8_t>(r + t - 1);
            cuenta_[r][t] = CalculaValor(r, t);
        }
}

std::uint32_t TablaRangos::CalculaValor(int r, int t) const
{
    static constexpr std::uint32_t kDivisor[] = {0, 120, 24, 6, 2, 1};
    if (t >= 6)
        return 1;
    const int m = n_ - t - r + 1;
    const int k = 6 - t;
    // m(m-1)...(m-k+1) stays below 2^32 for every n up to 49 (44*43*42*41*40 < 2^28).
    std::uint32_t producto = 1;
    for (int i = 0; i < k; ++i)
        producto *= static_cast<std::uint32_t>(std::max(0, m - i));
    const std::uint32_t cociente = producto / kDivisor[t];
    return cociente == 0 ? 1 : cociente;
}

void TablaRangos::TomarCombinacion(std::uint32_t rango, std::uint8_t posiciones[6]) const
{
    const int ultima = n_ - 5;
    std::uint64_t a = rango;
    int r = 1;
    for (int t = 1; t <= 6; ++t) {
        std::uint64_t suma = 0;
        for (;;) {
            suma += cuenta_[r][t];
            if (suma >= a || r >= ultima)
                break;
            ++r;
        }
        posiciones[t - 1] = valor_[r][t];
        const std::uint64_t antes = suma - cuenta_[r][t];
        a = a > antes ? a - antes : 1;
    }
}

std::uint32_t TablaRangos::Rango(const std::uint8_t p[6]) const
{
    // Lexicographic rank = C(n, 6) - sum over t of C(n - p_t, 7 - t): the sum counts the
    // combinations that come after, column by column.
    std::uint64_t despues = 0;
    for (int t = 1; t <= 6; ++t)
        despues += kBinomio(n_ - p[t - 1], 7 - t);
    return static_cast<std::uint32_t>(total_ - despues);
}

void TraducirCombinacion(const CabeceraApuestas& cabecera, const std::uint8_t posiciones[6],
                         std::uint8_t numeros[6])
{
    for (int t = 0; t < 6; ++t) {
        const int p = posiciones[t];
        numeros[t] = (p >= 1 && p <= kNumeros) ? cabecera.ListaReducidos[p - 1] : 0;
    }
}

namespace {

void Filtra(const std::array<std::uint8_t, kNumeros>& banderas,
            std::array<std::uint8_t, kNumeros>& lista)
{
    lista.fill(0);
    int k = 0;
    for (int i = 1; i <= kNumeros; ++i)
        if (banderas[i - 1] != 0)
            lista[k++] = static_cast<std::uint8_t>(i);
}

} // namespace

void FiltrarReducidos(CabeceraApuestas& cabecera)
{
    Filtra(cabecera.Reducidos, cabecera.ListaReducidos);
}

void FiltrarFijos(CabeceraApuestas& cabecera)
{
    Filtra(cabecera.Fijos, cabecera.ListaFijos);
}

} // namespace numbrela
