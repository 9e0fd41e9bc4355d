#include "generation/CuatrosHeisenberg.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <functional>
#include <map>
#include <random>

#include "generation/CubreTriples.h"
#include "generation/TablaRangos.h"

namespace numbrela {

namespace {

constexpr int kPuntos = 27;
constexpr int kCuatros = 17550; // C(27, 4)

TMascara Producto(int g, TMascara m)
{
    TMascara r = 0;
    for (; m; m &= m - 1)
        r |= TMascara{1} << ProductoHeisenberg(g, std::countr_zero(m));
    return r;
}

// Calls f(four) for every four sharing at least three positions with the bet.
template <class F> void CuatrosQueComparte(TMascara apuesta, F&& f)
{
    const TMascara fuera = ((TMascara{1} << kPuntos) - 1) & ~apuesta;
    for (TMascara a = apuesta; a; a &= a - 1)
        for (TMascara b = a & (a - 1); b; b &= b - 1)
            for (TMascara c = b & (b - 1); c; c &= c - 1) {
                const TMascara triple = (a & -a) | (b & -b) | (c & -c);
                for (TMascara d = c & (c - 1); d; d &= d - 1) // the four inside the bet
                    f(triple | (d & -d));
                for (TMascara x = fuera; x; x &= x - 1)
                    f(triple | (x & -x));
            }
}

// The fewest bets that share three with every four in `faltan` (at most 64 of them): every
// bet's set of fours reached, the sets no other contains, then a depth-first search over the
// four with fewest choices, deepening one bet at a time.
std::vector<TMascara> CompletaExacta(const std::vector<TMascara>& faltan)
{
    if (faltan.empty())
        return {};
    std::map<std::uint64_t, TMascara> porAlcance; // reached fours -> one bet reaching them
    for (TMascara apuesta = 0x3F; apuesta < (TMascara{1} << kPuntos);) {
        std::uint64_t alcance = 0;
        for (std::size_t i = 0; i < faltan.size(); ++i)
            if (std::popcount(apuesta & faltan[i]) >= 3)
                alcance |= std::uint64_t{1} << i;
        if (alcance)
            porAlcance.emplace(alcance, apuesta);
        apuesta = SiguienteColex(apuesta);
    }
    std::vector<std::pair<std::uint64_t, TMascara>> maximales;
    std::vector<std::pair<std::uint64_t, TMascara>> todas(porAlcance.begin(), porAlcance.end());
    std::sort(todas.begin(), todas.end(), [](const auto& x, const auto& y) {
        return std::popcount(x.first) > std::popcount(y.first) ||
               (std::popcount(x.first) == std::popcount(y.first) && x.first < y.first);
    });
    for (const auto& t : todas)
        if (std::none_of(maximales.begin(), maximales.end(),
                         [&](const auto& m) { return (m.first & t.first) == t.first; }))
            maximales.push_back(t);
    const std::uint64_t todo =
        faltan.size() == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << faltan.size()) - 1;
    std::vector<TMascara> elegidas;
    std::function<bool(std::uint64_t, int)> busca = [&](std::uint64_t hecho, int quedan) {
        if (hecho == todo)
            return true;
        if (quedan == 0)
            return false;
        int mejor = -1;
        std::size_t opciones = SIZE_MAX;
        for (std::size_t i = 0; i < faltan.size(); ++i) {
            if (hecho >> i & 1)
                continue;
            std::size_t c = 0;
            for (const auto& m : maximales)
                c += m.first >> i & 1;
            if (c < opciones) {
                opciones = c;
                mejor = static_cast<int>(i);
            }
        }
        for (const auto& m : maximales)
            if (m.first >> mejor & 1) {
                elegidas.push_back(m.second);
                if (busca(hecho | m.first, quedan - 1))
                    return true;
                elegidas.pop_back();
            }
        return false;
    };
    for (int limite = 1;; ++limite)
        if (busca(0, limite))
            return elegidas;
}

} // namespace

int ProductoHeisenberg(int g, int x)
{
    const int a = g % 3, b = g / 3 % 3, c = g / 9;
    const int a2 = x % 3, b2 = x / 3 % 3, c2 = x / 9;
    return (a + a2) % 3 + 3 * ((b + b2) % 3) + 9 * ((c + c2 + a * b2) % 3);
}

std::vector<TMascara> CuatrosHeisenberg(std::uint64_t semilla, std::uint64_t movimientos)
{
    // The orbit of every four (650 orbits of 27: no four is fixed by an element but one,
    // since an element other than the identity moves every position and has order 3).
    std::vector<int> orbitaCuatro(kCuatros, -1);
    int orbitas = 0;
    for (TMascara m = 0xF; m < (TMascara{1} << kPuntos);) {
        if (orbitaCuatro[static_cast<std::size_t>(IndiceColex(m))] < 0) {
            for (int g = 0; g < kPuntos; ++g)
                orbitaCuatro[static_cast<std::size_t>(IndiceColex(Producto(g, m)))] = orbitas;
            ++orbitas;
        }
        m = SiguienteColex(m);
    }
    const int palabras = (orbitas + 63) / 64;

    // The orbits of 27 bets (a bet fixed by an element lies in a shorter one and is left out),
    // in lexicographic order of their first bet holding position 0 (positions ascending), each
    // with the orbits of fours it reaches.
    std::vector<TMascara> representantes;
    std::vector<std::uint64_t> alcance; // palabras words per orbit
    const auto lista = [](TMascara m) {
        std::array<int, 6> p{};
        for (int i = 0; m; m &= m - 1)
            p[static_cast<std::size_t>(i++)] = std::countr_zero(m);
        return p;
    };
    std::array<int, 6> t{0, 0, 0, 0, 0, 0};
    for (t[1] = 1; t[1] < kPuntos; ++t[1])
        for (t[2] = t[1] + 1; t[2] < kPuntos; ++t[2])
            for (t[3] = t[2] + 1; t[3] < kPuntos; ++t[3])
                for (t[4] = t[3] + 1; t[4] < kPuntos; ++t[4])
                    for (t[5] = t[4] + 1; t[5] < kPuntos; ++t[5]) {
                        TMascara m = 0;
                        for (int x : t)
                            m |= TMascara{1} << x;
                        bool primera = true;
                        for (int g = 1; g < kPuntos && primera; ++g) {
                            const TMascara imagen = Producto(g, m);
                            primera = imagen != m && (!(imagen & 1) || lista(imagen) > t);
                        }
                        if (!primera)
                            continue;
                        representantes.push_back(m);
                        alcance.resize(alcance.size() + static_cast<std::size_t>(palabras));
                        std::uint64_t* a =
                            &alcance[alcance.size() - static_cast<std::size_t>(palabras)];
                        CuatrosQueComparte(m, [&](TMascara cuatro) {
                            const int o =
                                orbitaCuatro[static_cast<std::size_t>(IndiceColex(cuatro))];
                            a[o / 64] |= std::uint64_t{1} << (o % 64);
                        });
                    }
    const int n = static_cast<int>(representantes.size());

    // Annealing over three orbits; the cost is the number of orbits of fours left unreached.
    std::vector<int> veces(static_cast<std::size_t>(orbitas), 0);
    int coste = orbitas;
    const auto suma = [&](int orbita, int d) {
        const std::uint64_t* a = &alcance[static_cast<std::size_t>(orbita) * palabras];
        for (int w = 0; w < palabras; ++w)
            for (std::uint64_t x = a[w]; x; x &= x - 1) {
                int& v = veces[static_cast<std::size_t>(w * 64 + std::countr_zero(x))];
                if (d > 0 && v++ == 0)
                    --coste;
                else if (d < 0 && --v == 0)
                    ++coste;
            }
    };
    std::mt19937_64 azar(semilla);
    const auto al = [&](std::size_t hasta) { return static_cast<int>(azar() % hasta); };
    std::array<int, 3> elegidas{};
    for (int& e : elegidas) {
        e = al(static_cast<std::size_t>(n));
        suma(e, 1);
    }
    auto mejores = elegidas;
    int mejorCoste = coste;
    double temperatura = 1.0;
    for (std::uint64_t mov = 0; mov < movimientos && coste > 0; ++mov) {
        const int i = al(3);
        const int antes = elegidas[static_cast<std::size_t>(i)];
        const int despues = al(static_cast<std::size_t>(n));
        const int previo = coste;
        suma(antes, -1);
        suma(despues, 1);
        const int d = coste - previo;
        if (d <= 0 || std::exp(-d / temperatura) > static_cast<double>(azar() % 1000000) / 1e6) {
            elegidas[static_cast<std::size_t>(i)] = despues;
            if (coste < mejorCoste) {
                mejorCoste = coste;
                mejores = elegidas;
            }
        } else {
            suma(despues, -1);
            suma(antes, 1);
        }
        temperatura *= 0.999995;
        if (temperatura < 0.05)
            temperatura = 1.0;
    }
    std::vector<TMascara> apuestas;
    for (int e : mejores)
        for (int g = 0; g < kPuntos; ++g)
            apuestas.push_back(Producto(g, representantes[static_cast<std::size_t>(e)]));
    const std::vector<TMascara> faltan = SinCubrir(kPuntos, 4, apuestas);
    if (faltan.size() > 64) // far from complete: every missing four gets a bet of its own
        for (TMascara b : faltan) {
            for (int x = 0; std::popcount(b) < 6; ++x)
                b |= TMascara{1} << x;
            apuestas.push_back(b);
        }
    else
        for (TMascara b : CompletaExacta(faltan))
            apuestas.push_back(b);
    std::sort(apuestas.begin(), apuestas.end());
    apuestas.erase(std::unique(apuestas.begin(), apuestas.end()), apuestas.end());
    return apuestas;
}

} // namespace numbrela
