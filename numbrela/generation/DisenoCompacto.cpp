#include "generation/DisenoCompacto.h"

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

// The i-th set position of m (0-based), with i < popcount(m).
int Enesimo(TMascara m, int i)
{
    while (i-- > 0)
        m &= m - 1;
    return Bajo(m);
}

TMascara AlAzarDentro(TMascara m, TAzar& azar)
{
    return TMascara{1} << Enesimo(m, azar.Uniforme(0, std::popcount(m) - 1));
}

// Whether m holds at least r positions (r <= 6), without a population count: the build
// targets plain x86-64, where std::popcount is a library call that costs more than this.
bool AlMenos(TMascara m, int r)
{
    for (; r > 1; --r)
        m &= m - 1;
    return r <= 0 || m != 0;
}

// The k-subsets of the six positions of a bet, as masks.
template <class F> void SubconjuntosDe(TMascara apuesta, int k, F&& f)
{
    int e[6];
    int m = 0;
    for (TMascara a = apuesta; a && m < 6; a &= a - 1)
        e[m++] = Bajo(a);
    for (unsigned s = 0; s < (1u << m); ++s) {
        if (std::popcount(s) != k)
            continue;
        TMascara sub = 0;
        for (int i = 0; i < m; ++i)
            if (s >> i & 1)
                sub |= TMascara{1} << e[i];
        f(sub);
    }
}

} // namespace

TCoberturaSeis::TCoberturaSeis(int n, int k)
    : n_(n), k_(k), todas_(n >= 64 ? ~TMascara{0} : (TMascara{1} << n) - 1),
      sinCubrir_(static_cast<std::int64_t>(Combinaciones(n, 6))),
      cuenta_(static_cast<std::size_t>(Combinaciones(n, k)), 0),
      siguientes_(k == 3 ? std::size_t{64 * 64} : static_cast<std::size_t>(Combinaciones(n, k - 1)),
                  0)
{
    for (int m = 0; m <= 6; ++m)
        for (unsigned s = 0; s < (1u << m); ++s)
            if (std::popcount(s) == k - 2)
                subconjuntos_[m].push_back(static_cast<std::uint8_t>(s));
}

// Colex index of a set of positions: the sum of C(e_j, j + 1) over its positions in order.
std::uint32_t TCoberturaSeis::Indice(TMascara m) const
{
    std::uint32_t i = 0;
    for (int j = 1; m; m &= m - 1, ++j)
        i += kBinomio(Bajo(m), j);
    return i;
}

template <class F>
void TCoberturaSeis::Extiende(int* s, int m, TMascara actual, TMascara prohibidos,
                              TMascara candidatos, F& f) const
{
    if (m == 6) {
        f(actual);
        return;
    }
    TMascara c = candidatos & ~prohibidos;
    if (m == 5) { // prohibidos already holds every x that would complete a marked k-subset
        for (; c; c &= c - 1)
            f(actual | (c & -c));
        return;
    }
    while (c) {
        const int x = Bajo(c);
        c &= c - 1;
        if (!AlMenos(c, 5 - m))
            return;
        TMascara p = prohibidos;
        if (k_ == 3) { // the pairs x makes, straight from the pair table
            const TMascara* fila = &siguientes_[static_cast<std::size_t>(x) * 64];
            for (int j = 0; j < m; ++j)
                p |= fila[s[j]];
            s[m] = x;
            Extiende(s, m + 1, actual | (TMascara{1} << x), p, c, f);
            continue;
        }
        // The (k-1)-subsets that x makes with what is already there.
        for (std::uint8_t sub : subconjuntos_[m]) {
            TMascara t = TMascara{1} << x;
            for (unsigned r = sub; r; r &= r - 1)
                t |= TMascara{1} << s[Bajo(r)];
            p |= siguientes_[Indice(t)];
        }
        s[m] = x;
        Extiende(s, m + 1, actual | (TMascara{1} << x), p, c, f);
    }
}

TMascara TCoberturaSeis::Prohibidos(TMascara base, int* s, int& m) const
{
    TMascara p = 0;
    for (TMascara b = base; b; b &= b - 1) {
        const int x = Bajo(b);
        if (k_ == 3) {
            for (int j = 0; j < m; ++j)
                p |= siguientes_[static_cast<std::size_t>(x) * 64 + static_cast<std::size_t>(s[j])];
            s[m++] = x;
            continue;
        }
        for (std::uint8_t sub : subconjuntos_[m]) {
            TMascara t = TMascara{1} << x;
            for (unsigned r = sub; r; r &= r - 1)
                t |= TMascara{1} << s[Bajo(r)];
            p |= siguientes_[Indice(t)];
        }
        s[m++] = x;
    }
    return p;
}

void TCoberturaSeis::Recorre(TMascara base, TMascara universo,
                             const std::function<void(TMascara)>& f) const
{
    int s[6];
    int m = 0;
    const TMascara p = Prohibidos(base, s, m);
    if (p & base)
        return; // base itself holds a marked k-subset
    Extiende(s, m, base, p, universo & ~base & todas_, f);
}

std::int64_t TCoberturaSeis::Cuenta(TMascara base, TMascara universo) const
{
    std::int64_t c = 0;
    int s[6];
    int m = 0;
    const TMascara p = Prohibidos(base, s, m);
    if (p & base)
        return 0;
    if (m == 5) { // one position left: count them at once
        return std::popcount(universo & ~base & todas_ & ~p);
    }
    auto cuenta = [&c](TMascara) { ++c; };
    Extiende(s, m, base, p, universo & ~base & todas_, cuenta);
    return c;
}

void TCoberturaSeis::Marca(TMascara ksub)
{
    if (conLista_)
        Recorre(ksub, todas_, [&](TMascara seis) {
            QuitaDeLista(seis);
            --sinCubrir_;
        });
    else
        sinCubrir_ -= Cuenta(ksub, todas_);
    Senala(ksub, true);
}

void TCoberturaSeis::Senala(TMascara ksub, bool marcado)
{
    for (TMascara r = ksub; r; r &= r - 1) {
        const TMascara x = r & -r, resto = ksub & ~x;
        if (k_ == 3) { // both orders of the pair, so a walk reads one row
            const auto a = static_cast<std::size_t>(Bajo(resto)),
                       b = static_cast<std::size_t>(63 - std::countl_zero(resto));
            siguientes_[a * 64 + b] =
                marcado ? siguientes_[a * 64 + b] | x : siguientes_[a * 64 + b] & ~x;
            siguientes_[b * 64 + a] = siguientes_[a * 64 + b];
        } else {
            auto& s = siguientes_[Indice(resto)];
            s = marcado ? s | x : s & ~x;
        }
    }
}

void TCoberturaSeis::Desmarca(TMascara ksub)
{
    Senala(ksub, false);
    if (conLista_)
        Recorre(ksub, todas_, [&](TMascara seis) {
            AnadeALista(seis);
            ++sinCubrir_;
        });
    else
        sinCubrir_ += Cuenta(ksub, todas_);
}

void TCoberturaSeis::Pon(TMascara apuesta)
{
    SubconjuntosDe(apuesta, k_, [&](TMascara sub) {
        if (cuenta_[Indice(sub)]++ == 0)
            Marca(sub);
    });
}

void TCoberturaSeis::Quita(TMascara apuesta)
{
    SubconjuntosDe(apuesta, k_, [&](TMascara sub) {
        if (--cuenta_[Indice(sub)] == 0)
            Desmarca(sub);
    });
}

void TCoberturaSeis::Cambia(TMascara antes, TMascara despues)
{
    Pon(despues);
    Quita(antes);
}

std::int64_t TCoberturaSeis::Ganancia(TMascara apuesta) const
{
    // Each covered combination is counted once, by what it shares with the bet.
    std::int64_t g = 0;
    const TMascara fuera = todas_ & ~apuesta;
    int e[6];
    int m = 0;
    for (TMascara a = apuesta; a && m < 6; a &= a - 1)
        e[m++] = Bajo(a);
    for (unsigned s = 0; s < (1u << m); ++s) {
        if (std::popcount(s) < k_)
            continue;
        TMascara base = 0;
        for (int i = 0; i < m; ++i)
            if (s >> i & 1)
                base |= TMascara{1} << e[i];
        g += Cuenta(base, fuera);
    }
    return g;
}

bool TCoberturaSeis::Cubierta(TMascara seis) const
{
    bool cubierta = false;
    SubconjuntosDe(seis, k_,
                   [&](TMascara sub) { cubierta = cubierta || cuenta_[Indice(sub)] > 0; });
    return cubierta;
}

void TCoberturaSeis::AnadeALista(TMascara seis)
{
    lugar_.emplace(seis, static_cast<std::uint32_t>(lista_.size()));
    lista_.push_back(seis);
}

void TCoberturaSeis::QuitaDeLista(TMascara seis)
{
    const auto it = lugar_.find(seis);
    if (it == lugar_.end())
        return;
    const std::uint32_t i = it->second;
    lugar_.erase(it);
    if (i + 1 != lista_.size()) {
        lista_[i] = lista_.back();
        lugar_[lista_[i]] = i;
    }
    lista_.pop_back();
}

void TCoberturaSeis::SigueLista()
{
    if (conLista_)
        return;
    lista_.clear();
    lugar_.clear();
    lista_.reserve(static_cast<std::size_t>(sinCubrir_));
    Recorre(0, todas_, [&](TMascara seis) { AnadeALista(seis); });
    conLista_ = true;
}

TMascara TCoberturaSeis::SinCubrirAlAzar(TAzar& azar) const
{
    if (conLista_)
        return lista_[static_cast<std::size_t>(
            azar.Uniforme(0, static_cast<int>(lista_.size()) - 1))];
    for (;;) {
        TMascara s = 0;
        while (std::popcount(s) < 6)
            s |= TMascara{1} << azar.Uniforme(0, n_ - 1);
        if (!Cubierta(s))
            return s;
    }
}

namespace {

// A bet that covers `seis`: j of its positions (k..6 at random, and at least 12 - n so
// that enough positions remain outside it) and others at random.
TMascara Candidata(TMascara seis, int k, int n, TAzar& azar)
{
    const int j = azar.Uniforme(std::max(k, 12 - n), 6);
    TMascara b = 0;
    while (std::popcount(b) < j)
        b |= AlAzarDentro(seis & ~b, azar);
    while (std::popcount(b) < 6) {
        const TMascara x = TMascara{1} << azar.Uniforme(0, n - 1);
        if (!(x & seis))
            b |= x;
    }
    return b;
}

// The triples the start on five groups must cover (see CincoGrupos), each with the number
// of bets holding it, and the list of those no bet holds.
class TTriplesCincoGrupos {
public:
    explicit TTriplesCincoGrupos(int n)
        : cuenta_(kBinomio(n, 3), 0), necesaria_(kBinomio(n, 3), 0), lugar_(kBinomio(n, 3), -1)
    {
        auto grupo = [n](int x) { return x * 5 / n; };
        for (int a = 0; a < n; ++a)
            for (int b = a + 1; b < n; ++b)
                for (int c = b + 1; c < n; ++c) {
                    const int ga = grupo(a), gb = grupo(b), gc = grupo(c);
                    // Sorted positions: two in one group means a, b or b, c share it.
                    if ((ga == gb && gb == gc) || (ga == gb && gc == (ga + 1) % 5) ||
                        (gb == gc && ga == (gb + 1) % 5)) {
                        const std::uint32_t t = Indice(a, b, c);
                        necesaria_[t] = 1;
                        lugar_[t] = static_cast<std::int32_t>(faltan_.size());
                        faltan_.push_back(t);
                    }
                }
    }

    std::size_t Faltan() const { return faltan_.size(); }
    // A triple still uncovered, at random, as a mask.
    TMascara FaltaAlAzar(TAzar& azar) const
    {
        std::uint32_t t = faltan_[static_cast<std::size_t>(
            azar.Uniforme(0, static_cast<int>(faltan_.size()) - 1))];
        // Undo the colex index: the largest c with C(c, 3) <= t, and so on.
        TMascara m = 0;
        for (int j = 3; j >= 1; --j) {
            int x = j - 1;
            while (kBinomio(x + 1, j) <= t)
                ++x;
            t -= kBinomio(x, j);
            m |= TMascara{1} << x;
        }
        return m;
    }
    // Uncovered triples x would complete with two positions of `bet`.
    int Completa(TMascara apuesta, int x) const
    {
        int g = 0;
        for (TMascara a = apuesta; a; a &= a - 1)
            for (TMascara b = a & (a - 1); b; b &= b - 1) {
                const std::uint32_t t = Indice(x, Bajo(a), Bajo(b));
                g += necesaria_[t] && cuenta_[t] == 0;
            }
        return g;
    }
    void Pon(TMascara apuesta) { Triples(apuesta, +1); }
    void Quita(TMascara apuesta) { Triples(apuesta, -1); }

private:
    static std::uint32_t Indice(int a, int b, int c)
    {
        if (a > b)
            std::swap(a, b);
        if (b > c)
            std::swap(b, c);
        if (a > b)
            std::swap(a, b);
        return kBinomio(a, 1) + kBinomio(b, 2) + kBinomio(c, 3);
    }
    void Triples(TMascara apuesta, int d)
    {
        int e[6], m = 0;
        for (TMascara a = apuesta; a; a &= a - 1)
            e[m++] = Bajo(a);
        for (int i = 0; i < m; ++i)
            for (int j = i + 1; j < m; ++j)
                for (int l = j + 1; l < m; ++l) {
                    const std::uint32_t t = Indice(e[i], e[j], e[l]);
                    if (!necesaria_[t])
                        continue;
                    if (d > 0 && cuenta_[t]++ == 0) {
                        const auto i0 = static_cast<std::size_t>(lugar_[t]);
                        faltan_[i0] = faltan_.back();
                        lugar_[faltan_[i0]] = static_cast<std::int32_t>(i0);
                        faltan_.pop_back();
                        lugar_[t] = -1;
                    } else if (d < 0 && --cuenta_[t] == 0) {
                        lugar_[t] = static_cast<std::int32_t>(faltan_.size());
                        faltan_.push_back(t);
                    }
                }
    }

    std::vector<std::uint16_t> cuenta_;   // bets holding each triple
    std::vector<std::uint8_t> necesaria_; // the triples to cover
    std::vector<std::int32_t> lugar_;     // a needed triple's place in faltan_, or -1
    std::vector<std::uint32_t> faltan_;   // the needed triples no bet holds
};

// How many positions two masks share, for masks of at most six.
int Comunes(TMascara a, TMascara b)
{
    int r = 0;
    for (TMascara m = a & b; m; m &= m - 1)
        ++r;
    return r;
}

} // namespace

std::vector<TMascara> CincoGrupos(int n, int intentos, std::uint64_t movimientos, TAzar& azar)
{
    TTriplesCincoGrupos t(n);
    const TMascara todas = (TMascara{1} << n) - 1;
    std::vector<TMascara> apuestas;
    while (t.Faltan() > 0) {
        const TMascara triple = t.FaltaAlAzar(azar);
        TMascara mejor = 0;
        int ganancia = -1;
        for (int i = 0; i < intentos; ++i) {
            TMascara apuesta = triple;
            int g = 1;
            while (!AlMenos(apuesta, 6)) {
                int mejorX = -1, mejorG = -1, empates = 0;
                for (TMascara fuera = todas & ~apuesta; fuera; fuera &= fuera - 1) {
                    const int x = Bajo(fuera);
                    const int gx = t.Completa(apuesta, x);
                    if (gx > mejorG) {
                        mejorG = gx;
                        mejorX = x;
                        empates = 1;
                    } else if (gx == mejorG && azar.Uniforme(0, empates++) == 0) {
                        mejorX = x;
                    }
                }
                g += mejorG;
                apuesta |= TMascara{1} << mejorX;
            }
            if (g > ganancia) {
                ganancia = g;
                mejor = apuesta;
            }
        }
        t.Pon(mejor);
        apuestas.push_back(mejor);
    }

    // Remove and repair, on the triples.
    std::vector<TMascara> mejores = apuestas;
    std::uint64_t hechos = 0;
    const double temperatura = 0.3; // in triples; a constant one did best here
    while (hechos < movimientos && apuestas.size() > 1) {
        if (t.Faltan() == 0) {
            mejores = apuestas;
            const auto j =
                static_cast<std::size_t>(azar.Uniforme(0, static_cast<int>(apuestas.size()) - 1));
            t.Quita(apuestas[j]);
            apuestas[j] = apuestas.back();
            apuestas.pop_back();
        }
        ++hechos;
        const TMascara triple = t.FaltaAlAzar(azar);
        std::size_t elegida = 0;
        int mejorComun = -1, empates = 0;
        for (std::size_t j = 0; j < apuestas.size(); ++j) {
            const int comun = Comunes(apuestas[j], triple);
            if (comun > mejorComun) {
                mejorComun = comun;
                elegida = j;
                empates = 1;
            } else if (comun == mejorComun && azar.Uniforme(0, empates++) == 0) {
                elegida = j;
            }
        }
        const TMascara antes = apuestas[elegida];
        const TMascara despues =
            (antes & ~AlAzarDentro(antes & ~triple, azar)) | AlAzarDentro(triple & ~antes, azar);
        const auto f0 = static_cast<std::int64_t>(t.Faltan());
        t.Pon(despues);
        t.Quita(antes);
        const std::int64_t d = static_cast<std::int64_t>(t.Faltan()) - f0;
        if (d <= 0 || static_cast<double>(azar.Siguiente()) <
                          4294967296.0 * std::exp(-static_cast<double>(d) / temperatura)) {
            apuestas[elegida] = despues;
        } else {
            t.Pon(antes);
            t.Quita(despues);
        }
    }
    if (t.Faltan() == 0 && apuestas.size() < mejores.size())
        mejores = apuestas;
    return mejores;
}

TResultadoBusqueda BuscaDisenoCompacto(int n, int k, const TParametrosBusqueda& p)
{
    TResultadoBusqueda r;
    TAzar azar(p.Semilla);
    TCoberturaSeis c(n, k);
    std::vector<TMascara> apuestas;

    if (k == 3 && p.CincoGrupos && n >= 10)
        for (TMascara a : CincoGrupos(n, p.Candidatos, p.MovimientosGrupos, azar)) {
            c.Pon(a);
            apuestas.push_back(a);
        }
    // Greedy start (or its completion: the five groups already cover everything).
    while (c.SinCubrir() > 0) {
        if (!c.ConLista() && c.SinCubrir() <= p.UmbralLista)
            c.SigueLista();
        const TMascara seis = c.SinCubrirAlAzar(azar);
        TMascara mejor = seis;
        std::int64_t ganancia = c.Ganancia(seis);
        for (int i = 1; i < p.Candidatos; ++i) {
            const TMascara b = Candidata(seis, k, n, azar);
            const std::int64_t g = c.Ganancia(b);
            if (g > ganancia) {
                ganancia = g;
                mejor = b;
            }
        }
        c.Pon(mejor);
        apuestas.push_back(mejor);
    }
    r.TrasVoraz = apuestas.size();
    r.Apuestas = apuestas;
    c.SigueLista();

    // Remove and repair.
    std::uint64_t hechos = 0;
    const int muestra = 12;
    while (hechos < p.Movimientos && apuestas.size() > 1) {
        // Take out, among a few bets drawn at random, the one whose loss uncovers least.
        std::size_t quitar = 0;
        std::int64_t menor = -1;
        for (int i = 0; i < muestra; ++i) {
            const auto j =
                static_cast<std::size_t>(azar.Uniforme(0, static_cast<int>(apuestas.size()) - 1));
            c.Quita(apuestas[j]);
            const std::int64_t u = c.SinCubrir();
            c.Pon(apuestas[j]);
            if (menor < 0 || u < menor) {
                menor = u;
                quitar = j;
            }
        }
        c.Quita(apuestas[quitar]);
        apuestas[quitar] = apuestas.back();
        apuestas.pop_back();

        double temperatura = p.Temperatura;
        while (c.SinCubrir() > 0 && hechos < p.Movimientos) {
            ++hechos;
            const TMascara seis = c.SinCubrirAlAzar(azar);
            // A bet one position short of covering it (the nearest of a sample when there
            // are many bets).
            std::size_t elegida = 0;
            int mejorComun = -1, empates = 0;
            const bool todas = apuestas.size() <= p.VecinasTodas;
            const std::size_t vueltas = todas ? apuestas.size() : p.VecinasMuestra;
            for (std::size_t v = 0; v < vueltas; ++v) {
                const std::size_t j = todas ? v
                                            : static_cast<std::size_t>(azar.Uniforme(
                                                  0, static_cast<int>(apuestas.size()) - 1));
                const int comun = std::popcount(apuestas[j] & seis);
                if (comun > k - 1)
                    continue;
                if (comun > mejorComun) {
                    mejorComun = comun;
                    elegida = j;
                    empates = 1;
                } else if (comun == mejorComun && azar.Uniforme(0, empates++) == 0) {
                    elegida = j;
                }
            }
            const TMascara antes = apuestas[elegida];
            const TMascara sale = AlAzarDentro(antes & ~seis, azar);
            const TMascara entra = AlAzarDentro(seis & ~antes, azar);
            const TMascara despues = (antes & ~sale) | entra;
            const std::int64_t u0 = c.SinCubrir();
            c.Cambia(antes, despues);
            const std::int64_t d = c.SinCubrir() - u0;
            const bool acepta =
                d <= 0 || static_cast<double>(azar.Siguiente()) <
                              4294967296.0 * std::exp(-static_cast<double>(d) / temperatura);
            if (acepta) {
                apuestas[elegida] = despues;
            } else {
                c.Cambia(despues, antes);
            }
            // Cools; with Recalienta it warms up again once cold, so a search stuck at one
            // size keeps moving instead of circling in one valley.
            temperatura = p.Recalienta && temperatura < 0.05 ? p.Temperatura
                                                             : std::max(0.05, temperatura * 0.9995);
        }
        if (c.SinCubrir() == 0) {
            // A move may have made a bet equal to another: one of them is enough.
            r.Apuestas = apuestas;
            std::sort(r.Apuestas.begin(), r.Apuestas.end());
            r.Apuestas.erase(std::unique(r.Apuestas.begin(), r.Apuestas.end()), r.Apuestas.end());
        }
    }
    r.MovimientosHechos = hechos;
    return r;
}

} // namespace numbrela
