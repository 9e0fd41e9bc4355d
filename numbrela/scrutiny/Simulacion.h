#pragma once
// The simulation of the draw-entry window ("Automático"): random draws, and how the set
// would have fared in each, counted over all of them.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "model/ConjuntoApuestas.h"
#include "scrutiny/GeneradorAleatorio.h"

namespace numbrela {

struct TContadoresSimulacion {
    std::uint64_t Seis = 0;
    std::uint64_t CincoMasC = 0;
    std::uint64_t Cinco = 0;
    std::uint64_t Cuatro = 0;
    std::uint64_t Tres = 0;
    std::uint64_t Fallos = 0;

    bool operator==(const TContadoresSimulacion&) const = default;
};

class Simulacion {
public:
    // The clock's seed, asked for after each draw; the window passes the clock, tests and
    // the command line's --seed pass a fixed source.
    using SemillaReloj = std::function<std::uint32_t()>;
    // After each draw k (1-based), with the counters so far. Returning false stops. Before
    // the first draw, while a large reduced system is expanded, it also runs now and then
    // with k = 0 and every counter at 0.
    using Paso = std::function<bool(std::int64_t k, const TContadoresSimulacion&)>;

    // RealizarMatriz: numbers 1..49 are drawn until seven distinct ones are out, the
    // generator being reseeded with a number below 870000 after each new one; the seventh
    // is the complementary number, the other six ascending are the winners. Then the
    // generator is reseeded from the clock.
    static TSorteo RealizarMatriz(TGeneradorAleatorio& generador, const SemillaReloj& reloj);

    // `sorteos` random draws against the set. Simple and reduced sets count every bet once
    // a draw; a multiple counts once a draw, as a whole, by the hits among all its
    // numbers. The set's stored draw and results are not touched. Returns false (no
    // draw made) for a reduced set without an engine.
    static bool Simula(const TConjuntoApuestas& conjunto, std::int64_t sorteos,
                       TGeneradorAleatorio& generador, const SemillaReloj& reloj, const Paso& paso,
                       TContadoresSimulacion& contadores);

    // The count field: up to six digits. Nothing, with the message to show in `error`,
    // for an empty or non-numeric count.
    static std::optional<std::int64_t> LeeCuenta(const std::string& texto, std::string& error);

    // The six counters as "6: n", "5C: n", "5: n", "4: n", "3: n", "F: n".
    static std::array<std::string, 6> Lineas(const TContadoresSimulacion& c);
};

} // namespace numbrela
