#include "scrutiny/MascarasApuestas.h"

namespace numbrela {
namespace {

// Four histograms side by side keep neighbouring bets from waiting on the same counter.
template <typename Popcount>
void CuentaCon(const std::uint64_t* m, std::size_t n, std::uint64_t g, std::uint64_t c,
               THistogramaAciertos& hist, Popcount pop)
{
    std::uint64_t h[4][16] = {};
    const int desplaza = c == 0 ? 0 : __builtin_ctzll(c);
    const std::uint64_t bit = c == 0 ? 0 : 1;
    std::size_t i = 0;
    for (; i + 4 <= n; i += 4) {
        ++h[0][pop(m[i] & g) * 2 + ((m[i] >> desplaza) & bit)];
        ++h[1][pop(m[i + 1] & g) * 2 + ((m[i + 1] >> desplaza) & bit)];
        ++h[2][pop(m[i + 2] & g) * 2 + ((m[i + 2] >> desplaza) & bit)];
        ++h[3][pop(m[i + 3] & g) * 2 + ((m[i + 3] >> desplaza) & bit)];
    }
    for (; i < n; ++i)
        ++h[0][pop(m[i] & g) * 2 + ((m[i] >> desplaza) & bit)];
    for (std::size_t k = 0; k < hist.size(); ++k)
        hist[k] += h[0][k] + h[1][k] + h[2][k] + h[3][k];
}

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
__attribute__((target("popcnt"))) void CuentaPopcnt(const std::uint64_t* m, std::size_t n,
                                                     std::uint64_t g, std::uint64_t c,
                                                     THistogramaAciertos& hist)
{
    CuentaCon(m, n, g, c, hist, [](std::uint64_t x) { return __builtin_popcountll(x); });
}
#endif

void CuentaGenerica(const std::uint64_t* m, std::size_t n, std::uint64_t g, std::uint64_t c,
                    THistogramaAciertos& hist)
{
    CuentaCon(m, n, g, c, hist, [](std::uint64_t x) { return __builtin_popcountll(x); });
}

} // namespace

std::uint64_t MascarasApuestas::MascaraNumero(int numero)
{
    return numero >= 1 && numero <= kNumeros ? std::uint64_t{1} << numero : 0;
}

std::uint64_t MascarasApuestas::Mascara(const TApuestas& apuesta)
{
    std::uint64_t m = 0;
    for (int v = 1; v <= kNumeros; ++v)
        if (apuesta.Marcas[v] != 0)
            m |= std::uint64_t{1} << v;
    return m;
}

std::uint64_t MascarasApuestas::MascaraGanadores(const TSorteo& sorteo)
{
    std::uint64_t m = 0;
    for (std::uint8_t v : sorteo.Numeros)
        m |= MascaraNumero(v);
    return m;
}

bool MascarasApuestas::Expande(const TConjuntoApuestas& conjunto, std::vector<std::uint64_t>& mascaras)
{
    mascaras.clear();
    switch (conjunto.Tipo()) {
    case TipoApuesta::Simple:
        mascaras.reserve(conjunto.Apuestas.size());
        for (const TApuestas& a : conjunto.Apuestas)
            mascaras.push_back(Mascara(a));
        return true;
    case TipoApuesta::Multiple:
        if (!conjunto.Apuestas.empty())
            mascaras.push_back(Mascara(conjunto.Apuestas[0]));
        return true;
    case TipoApuesta::Reducida: {
        TMotorReducidas* motor = conjunto.Motor();
        const int n = conjunto.Cabecera.TotalReducidos;
        if (motor == nullptr || n < kNumerosPorApuesta || n > kNumeros)
            return conjunto.BufferRangos.empty() && motor != nullptr;
        motor->Calcular(n);
        // The positions' numbers once, so each bet is six table reads.
        std::array<std::uint64_t, kNumeros + 1> bits{};
        for (int p = 1; p <= n; ++p)
            bits[static_cast<std::size_t>(p)] = MascaraNumero(conjunto.Cabecera.ListaReducidos[static_cast<std::size_t>(p - 1)]);
        mascaras.resize(conjunto.BufferRangos.size());
        for (std::size_t i = 0; i < conjunto.BufferRangos.size(); ++i) {
            std::uint8_t pos[kNumerosPorApuesta];
            motor->TomarCombinacion(conjunto.BufferRangos[i], pos);
            std::uint64_t m = 0;
            for (std::uint8_t p : pos)
                m |= p <= n ? bits[p] : 0;
            mascaras[i] = m;
        }
        return true;
    }
    case TipoApuesta::Ninguno:
        return true;
    }
    return true;
}

void MascarasApuestas::Cuenta(const std::uint64_t* mascaras, std::size_t n, std::uint64_t ganadores,
                              std::uint64_t complementario, THistogramaAciertos& histograma)
{
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    static const bool popcnt = __builtin_cpu_supports("popcnt");
    if (popcnt) {
        CuentaPopcnt(mascaras, n, ganadores, complementario, histograma);
        return;
    }
#endif
    CuentaGenerica(mascaras, n, ganadores, complementario, histograma);
}

} // namespace numbrela
