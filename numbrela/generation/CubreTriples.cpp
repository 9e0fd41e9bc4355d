#include "generation/CubreTriples.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "generation/TablaRangos.h"

namespace numbrela {
namespace {

int Bajo(TMascara m)
{
    return std::countr_zero(m);
}

// The set of `t` positions whose colex index is i.
TMascara DeIndice(std::uint32_t i, int t)
{
    TMascara m = 0;
    for (int j = t; j >= 1; --j) {
        int x = j - 1;
        while (kBinomio(x + 1, j) <= i)
            ++x;
        i -= kBinomio(x, j);
        m |= TMascara{1} << x;
    }
    return m;
}

TMascara AlAzarDentro(TMascara m, TAzar& azar)
{
    int i = azar.Uniforme(0, std::popcount(m) - 1);
    while (i-- > 0)
        m &= m - 1;
    return m & -m;
}

template <class F> void Triples(TMascara apuesta, F&& f)
{
    for (TMascara a = apuesta; a; a &= a - 1)
        for (TMascara b = a & (a - 1); b; b &= b - 1)
            for (TMascara c = b & (b - 1); c; c &= c - 1)
                f((a & -a) | (b & -b) | (c & -c));
}

// The counts of the search: bets holding each triple, and with t = 4 the held triples of
// each four positions; the t-sets holding none are kept in a list, to draw one at once.
class TTriples {
public:
    // With `grupos`, t is 3 and only the triples TripleDeGrupos keeps are to be held.
    TTriples(int v, int t, int grupos)
        : v_(v), t_(t), cuenta_(kBinomio(v, 3), 0), cubiertos_(t == 4 ? kBinomio(v, 4) : 0, 0),
          lugar_(kBinomio(v, t), -1), necesario_(kBinomio(v, t), 1)
    {
        for (std::uint32_t i = 0; i < lugar_.size(); ++i) {
            if (grupos > 0 && !TripleDeGrupos(v, grupos, DeIndice(i, 3))) {
                necesario_[i] = 0;
                continue;
            }
            lugar_[i] = static_cast<std::int32_t>(faltan_.size());
            faltan_.push_back(i);
        }
    }

    std::size_t Faltan() const { return faltan_.size(); }
    TMascara FaltaAlAzar(TAzar& azar) const
    {
        return DeIndice(faltan_[static_cast<std::size_t>(
                            azar.Uniforme(0, static_cast<int>(faltan_.size()) - 1))],
                        t_);
    }
    void Pon(TMascara apuesta)
    {
        Triples(apuesta, [&](TMascara tr) {
            if (cuenta_[IndiceColex(tr)]++ == 0)
                Cambia(tr, +1);
        });
    }
    void Quita(TMascara apuesta)
    {
        Triples(apuesta, [&](TMascara tr) {
            if (--cuenta_[IndiceColex(tr)] == 0)
                Cambia(tr, -1);
        });
    }

private:
    // A triple starts or stops being held: the t-sets holding it gain or lose one.
    void Cambia(TMascara tr, int d)
    {
        if (t_ == 3) {
            const std::uint32_t i = IndiceColex(tr);
            if (necesario_[i])
                d > 0 ? Sale(i) : Entra(i);
            return;
        }
        const TMascara todas = (TMascara{1} << v_) - 1;
        for (TMascara r = todas & ~tr; r; r &= r - 1) {
            const std::uint32_t i = IndiceColex(tr | (r & -r));
            if (d > 0 && cubiertos_[i]++ == 0)
                Sale(i);
            else if (d < 0 && --cubiertos_[i] == 0)
                Entra(i);
        }
    }
    void Sale(std::uint32_t i)
    {
        const auto p = static_cast<std::size_t>(lugar_[i]);
        faltan_[p] = faltan_.back();
        lugar_[faltan_[p]] = static_cast<std::int32_t>(p);
        faltan_.pop_back();
        lugar_[i] = -1;
    }
    void Entra(std::uint32_t i)
    {
        lugar_[i] = static_cast<std::int32_t>(faltan_.size());
        faltan_.push_back(i);
    }

    int v_, t_;
    std::vector<std::uint16_t> cuenta_;
    std::vector<std::uint8_t> cubiertos_;
    std::vector<std::int32_t> lugar_;
    std::vector<std::uint8_t> necesario_;
    std::vector<std::uint32_t> faltan_;
};

// Greedy cover: around a random uncovered t-set a bet grows one position at a time, each
// time the one that leaves fewest t-sets uncovered.
std::vector<TMascara> Voraz(int v, TTriples& c, TAzar& azar)
{
    std::vector<TMascara> apuestas;
    const TMascara todas = (TMascara{1} << v) - 1;
    while (c.Faltan() > 0) {
        TMascara apuesta = c.FaltaAlAzar(azar);
        if (std::popcount(apuesta) > 3)
            apuesta &= ~AlAzarDentro(apuesta, azar); // a triple of it
        while (std::popcount(apuesta) < 6) {
            TMascara mejor = 0;
            std::size_t menor = SIZE_MAX;
            int empates = 0;
            for (TMascara r = todas & ~apuesta; r; r &= r - 1) {
                const TMascara b = apuesta | (r & -r);
                c.Pon(b);
                const std::size_t f = c.Faltan();
                c.Quita(b);
                if (f < menor || (f == menor && azar.Uniforme(0, empates) == 0)) {
                    empates = f < menor ? 1 : empates + 1;
                    menor = f;
                    mejor = r & -r;
                }
            }
            apuesta |= mejor;
        }
        c.Pon(apuesta);
        apuestas.push_back(apuesta);
    }
    return apuestas;
}

} // namespace

bool TripleDeGrupos(int v, int grupos, TMascara triple)
{
    int g[3], m = 0;
    for (TMascara r = triple; r; r &= r - 1)
        g[m++] = Bajo(r) * grupos / v;
    // Sorted positions: two in one group means the first two or the last two share it.
    return (g[0] == g[1] && g[1] == g[2]) || (g[0] == g[1] && g[2] == (g[0] + 1) % grupos) ||
           (g[1] == g[2] && g[0] == (g[1] + 1) % grupos);
}

std::vector<TMascara> SteinerVeintidos()
{
    // g(x) = x^11 + x^10 + x^6 + x^5 + x^4 + x^2 + 1 divides x^23 - 1 over GF(2); its
    // multiples of degree below 23 are the Golay code, and a parity bit extends it to 24.
    const std::uint32_t g =
        (1u << 11) | (1u << 10) | (1u << 6) | (1u << 5) | (1u << 4) | (1u << 2) | 1u;
    std::vector<TMascara> bloques;
    for (std::uint32_t m = 0; m < (1u << 12); ++m) {
        std::uint32_t w = 0;
        for (int i = 0; i < 12; ++i)
            if (m >> i & 1)
                w ^= g << i;
        if (std::popcount(w) % 2)
            w |= 1u << 23;
        const std::uint32_t ultimas = (1u << 22) | (1u << 23);
        if (std::popcount(w) == 8 && (w & ultimas) == ultimas)
            bloques.push_back(w & ~ultimas);
    }
    return bloques;
}

std::vector<TMascara> CuatrosSobreSteiner(int extra)
{
    std::vector<TMascara> r = SteinerVeintidos();
    const TMascara e = ((TMascara{1} << extra) - 1) << 22;
    for (int x = 0; x < 21; x += 6 - extra) {
        TMascara b = e;
        for (int y = x; y < x + 6 - extra; ++y)
            b |= TMascara{1} << std::min(y, 20); // the last bet may repeat the 21st
        while (std::popcount(b) < 6)
            b |= ~b & (b + 1); // filled with the lowest positions it lacks
        r.push_back(b);
    }
    return r;
}

std::vector<TMascara> SinCubrir(int v, int t, const std::vector<TMascara>& apuestas)
{
    std::vector<TMascara> faltan;
    for (TMascara s = (TMascara{1} << t) - 1; s < (TMascara{1} << v); s = SiguienteColex(s))
        if (std::none_of(apuestas.begin(), apuestas.end(),
                         [&](TMascara b) { return std::popcount(b & s) >= 3; }))
            faltan.push_back(s);
    return faltan;
}

bool CubreTodos(int v, int t, const std::vector<TMascara>& apuestas)
{
    return SinCubrir(v, t, apuestas).empty();
}

std::vector<TMascara> CubreTriples(int v, int t, int grupos, std::vector<TMascara> inicio,
                                   std::uint64_t movimientos, double temperatura, TAzar& azar,
                                   int muestras)
{
    std::vector<std::size_t> cercanas;
    TTriples c(v, grupos > 0 ? 3 : t, grupos);
    for (TMascara a : inicio)
        c.Pon(a);
    std::vector<TMascara> apuestas = std::move(inicio);
    if (c.Faltan() > 0) {
        const auto resto = Voraz(v, c, azar);
        apuestas.insert(apuestas.end(), resto.begin(), resto.end());
    }
    std::vector<TMascara> mejores = apuestas;
    // Each size is annealed from `temperatura` down to a hundredth of it over `movimientos`
    // moves; a size that is covered before then passes to the next with one bet fewer.
    const double enfria =
        std::pow(0.01, 1.0 / static_cast<double>(std::max<std::uint64_t>(movimientos, 1)));
    double calor = temperatura;
    std::uint64_t hechos = 0;
    for (;;) {
        if (c.Faltan() == 0) {
            mejores = apuestas;
            if (apuestas.size() <= 1)
                break;
            const auto j =
                static_cast<std::size_t>(azar.Uniforme(0, static_cast<int>(apuestas.size()) - 1));
            c.Quita(apuestas[j]);
            apuestas[j] = apuestas.back();
            apuestas.pop_back();
            hechos = 0;
            calor = temperatura;
        }
        if (++hechos > movimientos)
            break;
        calor *= enfria;
        const TMascara objetivo = c.FaltaAlAzar(azar);
        // Bets holding two of its positions (the most any holds, when none holds two).
        cercanas.clear();
        int mejorComun = -1;
        for (std::size_t j = 0; j < apuestas.size(); ++j) {
            const int comun = std::min(std::popcount(apuestas[j] & objetivo), 2);
            if (comun > mejorComun) {
                mejorComun = comun;
                cercanas.clear();
            }
            if (comun == mejorComun)
                cercanas.push_back(j);
        }
        // Of `muestras` moves drawn among them, the one that leaves fewest uncovered.
        const auto f0 = static_cast<std::int64_t>(c.Faltan());
        std::size_t elegida = 0;
        TMascara despues = 0;
        std::int64_t d = 0;
        for (int i = 0; i < muestras; ++i) {
            const std::size_t j = cercanas[static_cast<std::size_t>(
                azar.Uniforme(0, static_cast<int>(cercanas.size()) - 1))];
            const TMascara antes = apuestas[j];
            const TMascara otra = (antes & ~AlAzarDentro(antes & ~objetivo, azar)) |
                                  AlAzarDentro(objetivo & ~antes, azar);
            c.Pon(otra);
            c.Quita(antes);
            const std::int64_t di = static_cast<std::int64_t>(c.Faltan()) - f0;
            c.Pon(antes);
            c.Quita(otra);
            if (i == 0 || di < d) {
                d = di;
                elegida = j;
                despues = otra;
            }
        }
        if (d <= 0 || static_cast<double>(azar.Siguiente()) <
                          4294967296.0 * std::exp(-static_cast<double>(d) / calor)) {
            c.Pon(despues);
            c.Quita(apuestas[elegida]);
            apuestas[elegida] = despues;
        }
    }
    return mejores;
}

} // namespace numbrela
