#pragma once
// The search for compact reductions: few bets over n positions (7..49) such that every
// combination of six of the n shares at least k positions (3..5) with some bet, the same
// guarantee as the table's systems.
//
// A combination S shares k positions with a bet exactly when one of S's k-subsets lies
// inside the bet. So the search keeps, for every k-subset, how many bets hold it, and a
// combination is uncovered when none of its k-subsets is held. For every (k-1)-subset T
// it also keeps a 64-bit set of the positions x for which T + x is held: the uncovered
// combinations that hold a given set are then found by a depth-first walk that adds one
// position at a time among those that hold nothing yet, which prunes everything covered.
// Adding or removing a bet changes at most 20 k-subsets, and only a k-subset whose count
// passes through zero costs a walk, so a move costs microseconds.
#include <cstdint>
#include <functional>
#include <unordered_map>
#include <vector>

#include "generation/Azar.h"

namespace numbrela {

// Bets and combinations are sets of positions 0..n-1, one bit each.
using TMascara = std::uint64_t;

class TCoberturaSeis {
public:
    TCoberturaSeis(int n, int k);

    int N() const { return n_; }
    int K() const { return k_; }
    // Combinations of six of the n positions that no bet covers.
    std::int64_t SinCubrir() const { return sinCubrir_; }

    void Pon(TMascara apuesta);
    void Quita(TMascara apuesta);
    // One bet becomes another: the new one is put first, so the k-subsets both hold never
    // pass through zero and only those that differ cost a walk.
    void Cambia(TMascara antes, TMascara despues);
    // How many uncovered combinations `apuesta` would cover, without adding it.
    std::int64_t Ganancia(TMascara apuesta) const;
    bool Cubierta(TMascara seis) const;

    // Keeps the uncovered combinations in a list from now on (they are enumerated once),
    // so one can be drawn at random in constant time.
    void SigueLista();
    bool ConLista() const { return conLista_; }
    // A random uncovered combination (SinCubrir() must be positive): from the list when it
    // is kept, otherwise by drawing combinations until one is uncovered.
    TMascara SinCubrirAlAzar(TAzar& azar) const;

private:
    std::uint32_t Indice(TMascara m) const;
    void Marca(TMascara ksub);
    void Desmarca(TMascara ksub);
    // Records in siguientes_ that ksub is marked or no longer is.
    void Senala(TMascara ksub, bool marcado);
    // Calls f(combination) for every combination of six that holds `base`, takes its other
    // positions from `universo` and holds no marked k-subset.
    void Recorre(TMascara base, TMascara universo, const std::function<void(TMascara)>& f) const;
    std::int64_t Cuenta(TMascara base, TMascara universo) const;
    // Lists the positions of `base` into s (m of them) and returns the positions that would
    // complete a marked k-subset together with some of them.
    TMascara Prohibidos(TMascara base, int* s, int& m) const;
    template <class F>
    void Extiende(int* s, int m, TMascara actual, TMascara prohibidos, TMascara candidatos,
                  F& f) const;
    void AnadeALista(TMascara seis);
    void QuitaDeLista(TMascara seis);

    int n_, k_;
    TMascara todas_;
    std::int64_t sinCubrir_;
    std::vector<std::uint16_t> cuenta_; // bets holding each k-subset
    // Per (k-1)-subset T: the x with T + x marked. Al 3 a T is a pair {a, b}, kept at
    // a * 64 + b and at b * 64 + a; otherwise at T's colex index.
    std::vector<TMascara> siguientes_;
    std::vector<std::uint8_t>
        subconjuntos_[7]; // per size m: the (k-2)-subsets of 0..m-1 as bit masks
    bool conLista_ = false;
    std::vector<TMascara> lista_;
    std::unordered_map<TMascara, std::uint32_t> lugar_;
};

struct TParametrosBusqueda {
    std::uint64_t Semilla = 1;
    int Candidatos = 40;                 // candidates weighed at each greedy step
    std::uint64_t Movimientos = 0;       // local-search moves, all sizes together
    std::int64_t UmbralLista = 300000;   // keep the list of uncovered combinations below this
    double Temperatura = 1.0;            // starting temperature of the annealing, in draws
    bool Recalienta = false;             // back to Temperatura whenever it has cooled down
    bool CincoGrupos = false;            // al 3 from 10 numbers on, start from CincoGrupos
    std::uint64_t MovimientosGrupos = 0; // moves of the start on five groups
    std::size_t VecinasTodas = 4000;     // a move weighs every bet up to this many,
    std::size_t VecinasMuestra = 256;    // otherwise this many drawn at random
};

struct TResultadoBusqueda {
    std::vector<TMascara> Apuestas;
    std::size_t TrasVoraz = 0; // size of the greedy start
    std::uint64_t MovimientosHechos = 0;
};

// Al 3, a design built on five groups of positions (0..n-1 cut into five runs as equal as
// possible). Six numbers spread over five groups put three in one group, or two in some
// group and at least one in the next (cyclically): when no group holds three, the groups
// holding two are one more than the empty ones (2 t2 + t1 = 6 and t0 + t1 + t2 = 5), and
// an empty group follows only one group, so some group holding two is followed by one
// that is not empty. So bets that hold every triple inside a group and every pair of a
// group with every position of the next give the guarantee, and covering those triples
// is a far smaller problem than the draws themselves: a move changes twenty counts.
// Greedy first (around a random triple still uncovered a bet grows one position at a
// time, each time the one that completes most uncovered triples; the best of `intentos`
// such bets is kept), then remove and repair on the triples (a bet that shares most with
// a random uncovered triple takes one of its positions in place of another, accepted at
// a constant temperature) for `movimientos` moves. Returns the smallest design found.
std::vector<TMascara> CincoGrupos(int n, int intentos, std::uint64_t movimientos, TAzar& azar);

// Greedy start (al 3 with CincoGrupos, from its design): while something is uncovered, draw an
// uncovered combination, weigh `Candidatos` bets that cover it (part of it plus other positions,
// and itself) and keep the one that covers most uncovered combinations. Then remove and repair:
// take out the bet whose loss uncovers least, and anneal (move one position of a bet that is one
// short of an uncovered combination into it) until everything is covered again; repeat while moves
// remain. Returns the smallest covering found. Same arguments, same bets.
TResultadoBusqueda BuscaDisenoCompacto(int n, int k, const TParametrosBusqueda& p);

} // namespace numbrela
