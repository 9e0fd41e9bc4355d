#include "generation/CuatrosTabu.h"

#include <algorithm>
#include <array>
#include <bit>
#include <climits>

#include "generation/TablaRangos.h"

namespace numbrela {

namespace {

constexpr std::uint64_t kSinMejora = 1000000;
constexpr int kMuestra = 4;

// The state of the search: for each four, how many bets reach it and the sum of their
// indices (the bet itself when only one does), the unreached fours in a list, and the table
// of what each position of a bet alone keeps reached.
class TBusqueda {
public:
    TBusqueda(int v, std::vector<TMascara> apuestas)
        : todas_((TMascara{1} << v) - 1), apuestas_(std::move(apuestas))
    {
        for (TMascara m = 0xF; m <= todas_; m = SiguienteColex(m))
            cuatros_.push_back(m);
        Reconstruye();
    }

    const std::vector<TMascara>& Apuestas() const { return apuestas_; }
    const std::vector<int>& Faltan() const { return faltan_; }
    TMascara Cuatro(int r) const { return cuatros_[static_cast<std::size_t>(r)]; }

    void PonApuestas(std::vector<TMascara> apuestas)
    {
        apuestas_ = std::move(apuestas);
        Reconstruye();
    }

    // How many fours more stay unreached when position x of bet i gives way to y (negative:
    // fewer). Lost: the fours only bet i reached, through a triple holding x, except those
    // holding y as well, which the bet still reaches. Won: the unreached fours holding y and
    // two of the bet's other five.
    int Cambio(int i, int x, int y) const
    {
        const TMascara otras = apuestas_[static_cast<std::size_t>(i)] & ~Bit(x);
        int d = perdida_[static_cast<std::size_t>(i)][static_cast<std::size_t>(x)];
        for (TMascara a = otras; a; a &= a - 1)
            for (TMascara b = a & (a - 1); b; b &= b - 1)
                if (cuenta_[static_cast<std::size_t>(
                        Rango(Bit(x) | Bit(y) | (a & -a) | (b & -b)))] == 1)
                    --d;
        for (int r : faltan_) {
            const TMascara f = Cuatro(r);
            if ((f & Bit(y)) && std::popcount(f & otras) >= 2)
                --d;
        }
        return d;
    }

    // Swaps position x of bet i for y: only fours holding x or y and two of the other five
    // change, for the bet or in the table.
    void Cambia(int i, int x, int y)
    {
        const TMascara antes = apuestas_[static_cast<std::size_t>(i)];
        const TMascara otras = antes & ~Bit(x);
        const TMascara despues = otras | Bit(y);
        tocados_.clear();
        for (TMascara p : {Bit(x), Bit(y)})
            for (TMascara a = otras; a; a &= a - 1)
                for (TMascara b = a & (a - 1); b; b &= b - 1)
                    for (TMascara z = todas_ & ~p & ~((a & -a) | (b & -b)); z; z &= z - 1) {
                        const int r = Rango(p | (a & -a) | (b & -b) | (z & -z));
                        if (!marca_[static_cast<std::size_t>(r)]) {
                            marca_[static_cast<std::size_t>(r)] = 1;
                            tocados_.push_back(r);
                        }
                    }
        for (int r : tocados_)
            Aporta(r, -1);
        for (int r : tocados_) {
            const bool estaba = std::popcount(antes & Cuatro(r)) >= 3;
            const bool esta = std::popcount(despues & Cuatro(r)) >= 3;
            if (estaba && !esta) {
                suma_[static_cast<std::size_t>(r)] -= i;
                if (--cuenta_[static_cast<std::size_t>(r)] == 0)
                    Falta(r);
            } else if (esta && !estaba) {
                suma_[static_cast<std::size_t>(r)] += i;
                if (cuenta_[static_cast<std::size_t>(r)]++ == 0)
                    Llega(r);
            }
        }
        apuestas_[static_cast<std::size_t>(i)] = despues;
        for (int r : tocados_) {
            Aporta(r, 1);
            marca_[static_cast<std::size_t>(r)] = 0;
        }
    }

private:
    static TMascara Bit(int p) { return TMascara{1} << p; }

    static int Rango(TMascara f) { return static_cast<int>(IndiceColex(f)); }

    void Falta(int r)
    {
        posicion_[static_cast<std::size_t>(r)] = static_cast<int>(faltan_.size());
        faltan_.push_back(r);
    }

    void Llega(int r)
    {
        const int p = posicion_[static_cast<std::size_t>(r)];
        const int ultimo = faltan_.back();
        faltan_[static_cast<std::size_t>(p)] = ultimo;
        posicion_[static_cast<std::size_t>(ultimo)] = p;
        faltan_.pop_back();
        posicion_[static_cast<std::size_t>(r)] = -1;
    }

    // A four reached by one bet through exactly three of its positions is lost when any of
    // the three goes: it counts in the table for each.
    void Aporta(int r, int signo)
    {
        if (cuenta_[static_cast<std::size_t>(r)] != 1)
            return;
        const int j = suma_[static_cast<std::size_t>(r)];
        const TMascara comun = apuestas_[static_cast<std::size_t>(j)] & Cuatro(r);
        if (std::popcount(comun) != 3)
            return;
        for (TMascara c = comun; c; c &= c - 1)
            perdida_[static_cast<std::size_t>(j)][static_cast<std::size_t>(std::countr_zero(c))] +=
                signo;
    }

    void Reconstruye()
    {
        const std::size_t n = cuatros_.size();
        cuenta_.assign(n, 0);
        suma_.assign(n, 0);
        posicion_.assign(n, -1);
        marca_.assign(n, 0);
        faltan_.clear();
        perdida_.assign(apuestas_.size(), {});
        for (std::size_t r = 0; r < n; ++r) {
            for (std::size_t i = 0; i < apuestas_.size(); ++i)
                if (std::popcount(apuestas_[i] & cuatros_[r]) >= 3) {
                    ++cuenta_[r];
                    suma_[r] += static_cast<int>(i);
                }
            if (cuenta_[r] == 0)
                Falta(static_cast<int>(r));
        }
        for (std::size_t r = 0; r < n; ++r)
            Aporta(static_cast<int>(r), 1);
    }

    TMascara todas_;
    std::vector<TMascara> apuestas_;
    std::vector<TMascara> cuatros_; // in colex order: a four's index is its rank
    std::vector<int> cuenta_, suma_, posicion_, faltan_, tocados_;
    std::vector<char> marca_; // the fours already in tocados_
    std::vector<std::array<int, 64>> perdida_;
};

} // namespace

std::vector<TMascara> CuatrosTabu(int v, const std::vector<TMascara>& diseno, std::uint64_t pasos,
                                  int tenencia, TAzar& azar)
{
    if (v < 7 || v > 40 || diseno.size() < 2 || tenencia < 1)
        return {};
    std::vector<TMascara> inicio = diseno;
    inicio.erase(inicio.begin() + azar.Uniforme(0, static_cast<int>(inicio.size()) - 1));
    TBusqueda b(v, std::move(inicio));
    const int n = static_cast<int>(b.Apuestas().size());
    // The step until which a position may not come back into a bet, or leave it.
    std::vector<std::array<std::uint64_t, 64>> noEntra(static_cast<std::size_t>(n)),
        noSale(static_cast<std::size_t>(n));
    std::vector<TMascara> mejores = b.Apuestas();
    std::size_t mejor = b.Faltan().size();
    std::uint64_t ultimaMejora = 0;
    for (std::uint64_t paso = 1; paso <= pasos && !b.Faltan().empty(); ++paso) {
        if (paso - ultimaMejora > kSinMejora) {
            b.PonApuestas(mejores);
            ultimaMejora = paso;
            continue;
        }
        int mejorCambio = INT_MAX, bi = -1, bx = -1, by = -1, empates = 0;
        const auto& faltan = b.Faltan();
        const int muestra = std::min(static_cast<int>(faltan.size()), kMuestra);
        for (int s = 0; s < muestra; ++s) {
            const int r = static_cast<int>(faltan.size()) <= kMuestra
                              ? faltan[static_cast<std::size_t>(s)]
                              : faltan[static_cast<std::size_t>(
                                    azar.Uniforme(0, static_cast<int>(faltan.size()) - 1))];
            const TMascara f = b.Cuatro(r);
            for (int i = 0; i < n; ++i) {
                const TMascara a = b.Apuestas()[static_cast<std::size_t>(i)];
                if (std::popcount(a & f) != 2)
                    continue;
                for (TMascara en = f & ~a; en; en &= en - 1)
                    for (TMascara sa = a & ~f; sa; sa &= sa - 1) {
                        const int y = std::countr_zero(en), x = std::countr_zero(sa);
                        const int d = b.Cambio(i, x, y);
                        const auto ii = static_cast<std::size_t>(i);
                        const bool tabu = noEntra[ii][static_cast<std::size_t>(y)] > paso ||
                                          noSale[ii][static_cast<std::size_t>(x)] > paso;
                        if (tabu && static_cast<long long>(faltan.size()) + d >=
                                        static_cast<long long>(mejor))
                            continue;
                        if (d < mejorCambio) {
                            mejorCambio = d;
                            bi = i, bx = x, by = y;
                            empates = 1;
                        } else if (d == mejorCambio && azar.Uniforme(0, empates++) == 0) {
                            bi = i, bx = x, by = y;
                        }
                    }
            }
        }
        if (bi < 0)
            continue;
        b.Cambia(bi, bx, by);
        const auto ii = static_cast<std::size_t>(bi);
        noEntra[ii][static_cast<std::size_t>(bx)] =
            paso + static_cast<std::uint64_t>(tenencia + azar.Uniforme(0, tenencia - 1));
        noSale[ii][static_cast<std::size_t>(by)] =
            paso + static_cast<std::uint64_t>(tenencia / 2 + azar.Uniforme(0, tenencia - 1));
        if (b.Faltan().size() <= mejor) {
            mejores = b.Apuestas();
            ultimaMejora = paso;
            mejor = b.Faltan().size();
        }
    }
    if (!b.Faltan().empty())
        return {};
    std::vector<TMascara> r = b.Apuestas();
    std::sort(r.begin(), r.end());
    r.erase(std::unique(r.begin(), r.end()), r.end()); // two bets the swaps made alike
    return r;
}

} // namespace numbrela
