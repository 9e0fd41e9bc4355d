#include "generation/DisenoOrbitas.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <numeric>
#include <queue>

#include "generation/TablaRangos.h"

namespace numbrela {

namespace {

constexpr std::uint32_t kNinguna = std::numeric_limits<std::uint32_t>::max();

TMascara Aplica(const std::vector<std::uint8_t>& perm, TMascara m)
{
    TMascara r = 0;
    for (; m; m &= m - 1)
        r |= TMascara{1} << perm[static_cast<std::size_t>(std::countr_zero(m))];
    return r;
}

// Calls f on the combination and on each one swap away from it.
template <class F> void Bola(int n, TMascara seis, F&& f)
{
    f(seis);
    const TMascara fuera = ~seis & ((TMascara{1} << n) - 1);
    for (TMascara a = seis; a; a &= a - 1)
        for (TMascara b = fuera; b; b &= b - 1)
            f(seis ^ (a & (~a + 1)) ^ (b & (~b + 1)));
}

// The orbits of the combinations of six under the group and, for each, the orbits within
// one swap of its representative (itself included, each once). Orbit c covers orbit o
// exactly when c is in o's list, and o is in c's list then too.
struct TOrbitas {
    std::vector<TMascara> Representante;
    std::vector<std::uint32_t> Tam; // combinations (bets) in the orbit
    std::vector<std::uint32_t> Inicio, Vecinas;

    std::size_t Cuantas() const { return Representante.size(); }
    const std::uint32_t* Desde(std::uint32_t o) const { return Vecinas.data() + Inicio[o]; }
    const std::uint32_t* Hasta(std::uint32_t o) const { return Vecinas.data() + Inicio[o + 1]; }

    TOrbitas(int n, const std::vector<std::vector<std::uint8_t>>& perms)
    {
        const std::uint32_t total = static_cast<std::uint32_t>(Combinaciones(n, 6));
        std::vector<std::uint32_t> orbita(total, kNinguna);
        TMascara m = 0x3F;
        for (std::uint32_t r = 0; r < total; ++r, m = SiguienteColex(m)) {
            if (orbita[r] != kNinguna)
                continue;
            const auto id = static_cast<std::uint32_t>(Representante.size());
            std::uint32_t tam = 0;
            for (const auto& p : perms) {
                auto& o = orbita[IndiceColex(Aplica(p, m))];
                if (o != id) {
                    o = id;
                    ++tam;
                }
            }
            Representante.push_back(m);
            Tam.push_back(tam);
        }
        Inicio.reserve(Cuantas() + 1);
        Inicio.push_back(0);
        std::vector<std::uint32_t> bola;
        for (TMascara rep : Representante) {
            bola.clear();
            Bola(n, rep, [&](TMascara s) { bola.push_back(orbita[IndiceColex(s)]); });
            std::sort(bola.begin(), bola.end());
            bola.erase(std::unique(bola.begin(), bola.end()), bola.end());
            Vecinas.insert(Vecinas.end(), bola.begin(), bola.end());
            Inicio.push_back(static_cast<std::uint32_t>(Vecinas.size()));
        }
    }
};

// The chosen orbits and, for every orbit, how many chosen ones cover it; the uncovered
// ones and the chosen ones in lists with their places, to draw from at random.
class TCobertura {
public:
    explicit TCobertura(const TOrbitas& o)
        : o_(o), cuenta_(o.Cuantas(), 0), lugarSin_(o.Cuantas()),
          lugarElegida_(o.Cuantas(), kNinguna), marca_(o.Cuantas(), 0)
    {
        for (std::uint32_t i = 0; i < o.Cuantas(); ++i) {
            lugarSin_[i] = i;
            sin_.push_back(i);
        }
    }

    const std::vector<std::uint32_t>& Sin() const { return sin_; }
    const std::vector<std::uint32_t>& Elegidas() const { return elegidas_; }
    bool Elegida(std::uint32_t c) const { return lugarElegida_[c] != kNinguna; }
    std::uint16_t Cuenta(std::uint32_t o) const { return cuenta_[o]; }

    void Pon(std::uint32_t c)
    {
        lugarElegida_[c] = static_cast<std::uint32_t>(elegidas_.size());
        elegidas_.push_back(c);
        for (const std::uint32_t* v = o_.Desde(c); v != o_.Hasta(c); ++v)
            if (cuenta_[*v]++ == 0)
                Saca(sin_, lugarSin_, *v);
    }

    void Quita(std::uint32_t c)
    {
        Saca(elegidas_, lugarElegida_, c);
        for (const std::uint32_t* v = o_.Desde(c); v != o_.Hasta(c); ++v)
            if (--cuenta_[*v] == 0) {
                lugarSin_[*v] = static_cast<std::uint32_t>(sin_.size());
                sin_.push_back(*v);
            }
    }

    // Combinations (bets' worth) only c covers.
    std::int64_t Perdida(std::uint32_t c) const
    {
        std::int64_t p = 0;
        for (const std::uint32_t* v = o_.Desde(c); v != o_.Hasta(c); ++v)
            if (cuenta_[*v] == 1)
                p += o_.Tam[*v];
        return p;
    }

    // Combinations y would cover that no chosen orbit does; marks y's list for Perdida.
    std::int64_t Ganancia(std::uint32_t y)
    {
        ++epoca_;
        std::int64_t g = 0;
        for (const std::uint32_t* v = o_.Desde(y); v != o_.Hasta(y); ++v) {
            marca_[*v] = epoca_;
            if (cuenta_[*v] == 0)
                g += o_.Tam[*v];
        }
        return g;
    }
    // Combinations only c covers and the orbit last given to Ganancia does not.
    std::int64_t PerdidaFueraDeMarca(std::uint32_t c) const
    {
        std::int64_t p = 0;
        for (const std::uint32_t* v = o_.Desde(c); v != o_.Hasta(c); ++v)
            if (cuenta_[*v] == 1 && marca_[*v] != epoca_)
                p += o_.Tam[*v];
        return p;
    }

private:
    static void Saca(std::vector<std::uint32_t>& lista, std::vector<std::uint32_t>& lugar,
                     std::uint32_t x)
    {
        const std::uint32_t i = lugar[x];
        lista[i] = lista.back();
        lugar[lista[i]] = i;
        lista.pop_back();
        lugar[x] = kNinguna;
    }

    const TOrbitas& o_;
    std::vector<std::uint16_t> cuenta_;
    std::vector<std::uint32_t> sin_, lugarSin_, elegidas_, lugarElegida_, marca_;
    std::uint32_t epoca_ = 0;
};

// Greedy: the orbit that covers most uncovered combinations per bet it adds, with the
// gains kept in a heap and brought up to date only when one comes to the top (a gain only
// falls as the cover grows).
void Voraz(const TOrbitas& o, TCobertura& c)
{
    auto ganancia = [&](std::uint32_t y) {
        std::int64_t g = 0;
        for (const std::uint32_t* v = o.Desde(y); v != o.Hasta(y); ++v)
            if (c.Cuenta(*v) == 0)
                g += o.Tam[*v];
        return static_cast<double>(g) / o.Tam[y];
    };
    std::priority_queue<std::pair<double, std::uint32_t>> cola;
    for (std::uint32_t y = 0; y < o.Cuantas(); ++y)
        cola.push({ganancia(y), y});
    while (!c.Sin().empty() && !cola.empty()) {
        const std::uint32_t y = cola.top().second;
        cola.pop();
        const double g = ganancia(y);
        if (g <= 0)
            continue;
        if (!cola.empty() && g < cola.top().first)
            cola.push({g, y});
        else
            c.Pon(y);
    }
}

} // namespace

std::vector<std::vector<std::uint8_t>> Permutaciones(const TGrupoPosiciones& g)
{
    std::vector<std::vector<std::uint8_t>> perms;
    if (g.N < 7 || g.N > 49 || g.Ciclo < 1 || g.Ciclo > g.N || g.Multiplicador < 1 ||
        std::gcd(g.Multiplicador, g.Ciclo) != 1 || g.Paso < 1 || g.Ciclo % g.Paso != 0)
        return perms;
    // The powers of the multiplier, 1 first.
    std::vector<int> potencias = {1};
    for (int a = g.Multiplicador % g.Ciclo; a != 1 % g.Ciclo && a != 0;
         a = a * g.Multiplicador % g.Ciclo)
        potencias.push_back(a);
    for (int a : potencias)
        for (int b = 0; b < g.Ciclo; b += g.Paso) {
            std::vector<std::uint8_t> p(static_cast<std::size_t>(g.N));
            for (int x = 0; x < g.N; ++x)
                p[static_cast<std::size_t>(x)] =
                    static_cast<std::uint8_t>(x < g.Ciclo ? (a * x + b) % g.Ciclo : x);
            perms.push_back(std::move(p));
        }
    return perms;
}

std::vector<TMascara> QuitaRedundantesCinco(int n, std::vector<TMascara> apuestas)
{
    std::vector<std::uint8_t> cuenta(Combinaciones(n, 6), 0);
    for (TMascara a : apuestas)
        Bola(n, a, [&](TMascara s) {
            auto& c = cuenta[IndiceColex(s)];
            c = static_cast<std::uint8_t>(std::min(c + 1, 255));
        });
    std::vector<TMascara> quedan;
    for (TMascara a : apuestas) {
        bool sobra = true;
        Bola(n, a, [&](TMascara s) { sobra = sobra && cuenta[IndiceColex(s)] >= 2; });
        // A count that reached 255 is no longer exact: such a bet is kept.
        if (sobra)
            Bola(n, a, [&](TMascara s) { sobra = sobra && cuenta[IndiceColex(s)] < 255; });
        if (sobra)
            Bola(n, a, [&](TMascara s) { --cuenta[IndiceColex(s)]; });
        else
            quedan.push_back(a);
    }
    return quedan;
}

TResultadoOrbitas DisenoCincoOrbitas(const TGrupoPosiciones& g, const TParametrosOrbitas& p)
{
    TResultadoOrbitas r;
    const auto perms = Permutaciones(g);
    if (perms.empty())
        return r;
    const TOrbitas o(g.N, perms);
    r.Orbitas = o.Cuantas();
    TCobertura c(o);
    Voraz(o, c);
    auto bets = [&](const std::vector<std::uint32_t>& elegidas) {
        std::size_t t = 0;
        for (std::uint32_t e : elegidas)
            t += o.Tam[e];
        return t;
    };
    std::vector<std::uint32_t> mejor = c.Elegidas();
    r.TrasVoraz = bets(mejor);
    std::size_t mejorTam = r.TrasVoraz;
    TAzar azar(p.Semilla);
    const double escala = static_cast<double>(perms.size()) * p.Temperatura;
    std::vector<std::uint32_t> cerca;
    for (std::uint64_t mv = 0; mv < p.Movimientos; ++mv) {
        if (c.Sin().empty()) {
            if (bets(c.Elegidas()) < mejorTam) {
                mejor = c.Elegidas();
                mejorTam = bets(mejor);
            }
            // Out goes the orbit whose loss uncovers least.
            std::uint32_t peor = c.Elegidas().front();
            std::int64_t menor = std::numeric_limits<std::int64_t>::max();
            for (std::uint32_t e : c.Elegidas())
                if (const std::int64_t q = c.Perdida(e); q < menor) {
                    menor = q;
                    peor = e;
                }
            c.Quita(peor);
            continue;
        }
        const auto& sin = c.Sin();
        const std::uint32_t x =
            sin[static_cast<std::size_t>(azar.Uniforme(0, static_cast<int>(sin.size()) - 1))];
        const auto nx = static_cast<int>(o.Hasta(x) - o.Desde(x));
        const std::uint32_t y = o.Desde(x)[azar.Uniforme(0, nx - 1)];
        // The orbit to let go: of the chosen ones next to y (a few drawn when there are
        // many), the one whose loss uncovers least; a chosen one at random when none is.
        cerca.clear();
        for (const std::uint32_t* v = o.Desde(y); v != o.Hasta(y); ++v)
            if (c.Elegida(*v))
                cerca.push_back(*v);
        const auto& elegidas = c.Elegidas();
        if (elegidas.empty()) {
            c.Pon(y);
            continue;
        }
        if (cerca.empty())
            cerca.push_back(elegidas[static_cast<std::size_t>(
                azar.Uniforme(0, static_cast<int>(elegidas.size()) - 1))]);
        while (cerca.size() > std::max<std::size_t>(p.Candidatas, 1)) {
            const auto i =
                static_cast<std::size_t>(azar.Uniforme(0, static_cast<int>(cerca.size()) - 1));
            cerca[i] = cerca.back();
            cerca.pop_back();
        }
        const std::int64_t ganancia = c.Ganancia(y);
        std::uint32_t e = cerca.front();
        std::int64_t d = std::numeric_limits<std::int64_t>::max();
        for (std::uint32_t candidata : cerca)
            if (const std::int64_t q = c.PerdidaFueraDeMarca(candidata) - ganancia; q < d) {
                d = q;
                e = candidata;
            }
        if (d <= 0 ||
            azar.Siguiente() * (1.0 / 4294967296.0) < std::exp(-static_cast<double>(d) / escala)) {
            c.Quita(e);
            c.Pon(y);
        }
    }
    if (c.Sin().empty() && bets(c.Elegidas()) < mejorTam)
        mejor = c.Elegidas();
    for (std::uint32_t e : mejor)
        for (const auto& q : perms)
            r.Apuestas.push_back(Aplica(q, o.Representante[e]));
    std::sort(r.Apuestas.begin(), r.Apuestas.end());
    r.Apuestas.erase(std::unique(r.Apuestas.begin(), r.Apuestas.end()), r.Apuestas.end());
    const std::size_t antes = r.Apuestas.size();
    r.Apuestas = QuitaRedundantesCinco(g.N, std::move(r.Apuestas));
    r.Redundantes = antes - r.Apuestas.size();
    std::sort(r.Apuestas.begin(), r.Apuestas.end());
    return r;
}

} // namespace numbrela
