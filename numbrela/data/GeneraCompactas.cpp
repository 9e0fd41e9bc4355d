// Writes the compact reductions COMn-k.RLC (n = 7..49, k = 3, 4, 5) into the folder given
// on the command line: for each, the search of generation/DisenoCompacto with a fixed seed
// and a fixed number of moves (so the same bets come out again), checked by
// SorteoSinPremio and kept only when it is no larger than the table's system. A file
// holds the ranks of its bets (as the COMn-k.RLV files do) in ascending order.
//
// This is not run by the build: the files it wrote are kept with the sources, in
// data/compactas, and the build copies them beside the program. One line per system goes
// to the standard output: name, bets, the table's bets, the greedy start, moves, the
// processor seconds it took and what was done with it.
//
// Usage: numbrela_genera_compactas FOLDER [K [N_FROM [N_TO [MOVES [CANDIDATES]]]]]
//            (default: all of 3 4 5, 7..49; N_FROM above N_TO goes down; MOVES a number
//            above six replaces the budget of moves of Movimientos, CANDIDATES the bets
//            weighed at each greedy step)
//        numbrela_genera_compactas --dos-grupos FOLDER [N_FROM N_TO [MOVES]]   (al 3 on two
//            groups, see DosGrupos)
//        numbrela_genera_compactas --triples V T MOVES TEMPERATURE SEED GROUPS [SAMPLES]
//            (one piece alone: every T-set of V numbers sharing three with a bet; prints
//            its size)
//        numbrela_genera_compactas --orbitas FOLDER N_FROM N_TO FIXED MOVES TEMPERATURE [STEP]
//            (al 5 as orbits of the shifts by STEP of the first n - FIXED numbers, MOVES
//            moves per orbit, see Orbitas)
//        numbrela_genera_compactas --sumas FOLDER OUT.h
// The last form writes generation/SumasCompactas.h from the files in FOLDER: the hash of
// each, by which the program knows a delivered file (checked by the tests) from any other.
#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "generation/CuatrosHeisenberg.h"
#include "generation/CuatrosTabu.h"
#include "generation/CubreTriples.h"
#include "generation/DisenoCompacto.h"
#include "generation/DisenoGrupos.h"
#include "generation/DisenoOrbitas.h"
#include "generation/FicheroCompacta.h"
#include "generation/FicheroReduccion.h"
#include "generation/GarantiaReduccion.h"
#include "generation/TablaRangos.h"
#include "generation/TablaReducciones.h"

namespace {

using namespace numbrela;

// Al 3 from this many numbers on the search starts from five groups, which below it gives
// larger designs than the plain search.
constexpr int kDesdeCincoGrupos = 18;

// The search's budget of moves for n numbers al k: most of it where the table is largest
// against the best designs, al 3.
std::uint64_t Movimientos(int n, int k)
{
    switch (k) {
    case 3:
        if (n >= kDesdeCincoGrupos)
            return 0; // the moves on the five groups' triples do better, and far faster
        return (n < 30 ? 3000ull : 6000ull) * static_cast<std::uint64_t>(n - 6);
    case 4:
        return 300ull * static_cast<std::uint64_t>(n - 6);
    default:
        // Above 30 numbers the greedy start alone is already well below the table.
        return n <= 30 ? 3000ull * static_cast<std::uint64_t>(n - 6) : 0;
    }
}

// The piece for every four of 27 on the group of order 27 (CuatrosHeisenberg): its seed and
// moves, those of the run whose three orbits leave the fewest fours to cover.
constexpr std::uint64_t kSemillaHeisenberg = 2;
constexpr std::uint64_t kMovimientosHeisenberg = 14000000;

// The tabu search (CuatrosTabu) on every piece for the fours: its seed, and its steps and
// tenure for each size; for the piece of 27, those of the first of the runs tried from the
// group's design that reached every four with one bet fewer.
constexpr std::uint64_t kSemillaTabu = 2;
constexpr std::uint64_t kPasosTabu = 1000000;
constexpr int kTenenciaTabu = 10;
constexpr std::uint64_t kPasosTabuVeintisiete = 5000000;
constexpr int kTenenciaTabuVeintisiete = 6;

// The moves on the five groups' triples: fewer per number from 32 on, where a move costs
// more and the shared machine allowed less time.
std::uint64_t MovimientosGrupos(int n, int k)
{
    if (k != 3 || n < kDesdeCincoGrupos)
        return 0;
    return (n < 32 ? 600000ull : 200000ull) * static_cast<std::uint64_t>(n - 6);
}

bool Escribe(const std::filesystem::path& carpeta, const std::string& nombre,
             const std::vector<std::uint32_t>& rangos)
{
    std::string bytes;
    for (std::uint32_t r : rangos)
        for (int b = 0; b < 4; ++b)
            bytes.push_back(static_cast<char>(r >> (8 * b) & 0xFF));
    const auto temporal = carpeta / (nombre + ".tmp");
    {
        std::ofstream f(temporal, std::ios::binary | std::ios::trunc);
        f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        f.flush();
        if (!f)
            return false;
    }
    std::error_code ec;
    std::filesystem::rename(temporal, carpeta / nombre, ec);
    return !ec;
}

} // namespace

// A complete design for every four of v taken one bet fewer at a time by the tabu search, each
// size with the same seed, `pasos` steps and `tenencia`, until a size is not reached.
std::vector<TMascara> MenosConTabu(int v, std::vector<TMascara> diseno, std::uint64_t pasos,
                                   int tenencia)
{
    while (diseno.size() > 1) {
        TAzar azar(kSemillaTabu);
        const std::clock_t t0 = std::clock();
        auto menos = CuatrosTabu(v, diseno, pasos, tenencia, azar);
        std::printf("cuatros de %d por tabú: %zu apuestas %s (%.0f s)\n", v, diseno.size() - 1,
                    menos.empty() ? "no" : "sí",
                    static_cast<double>(std::clock() - t0) / CLOCKS_PER_SEC);
        std::fflush(stdout);
        if (menos.empty())
            break;
        diseno = std::move(menos);
    }
    return diseno;
}

// Checks a design for n numbers al k and writes it when it is smaller than the file already
// in the folder (and no larger than the table's system), with one line to the standard
// output. Returns 0, 1 when the design fails, or -1 when the file cannot be written.
int Guarda(const std::filesystem::path& carpeta, int n, int k,
           const std::vector<TMascara>& apuestas, const char* detalle, double segundos)
{
    const std::string nombre = NombreCompacta(n, k);
    const std::uint32_t tabla = FilaReduccion(n)->Apuestas(k);
    const bool valida = !SorteoSinPremio(n, k, apuestas).has_value();
    // The design already there, when it is whole and gives its guarantee.
    std::vector<std::uint32_t> anterior;
    std::string error;
    const bool hayAnterior = LeeCompacta(carpeta, n, k, anterior, error);
    const bool mejor = !hayAnterior || apuestas.size() < anterior.size();
    std::printf("%s\t%zu\t%u\t%s\t%.1f\t%s\n", nombre.c_str(), apuestas.size(), tabla, detalle,
                segundos,
                !valida                   ? "SIN GARANTÍA"
                : apuestas.size() > tabla ? "MAYOR QUE LA TABLA"
                : mejor                   ? "escrito"
                                          : "queda el anterior");
    std::fflush(stdout);
    if (!valida || apuestas.size() > tabla)
        return 1;
    if (!mejor)
        return 0;
    TablaRangos t;
    t.Calcular(n);
    std::vector<std::uint32_t> rangos;
    for (TMascara a : apuestas) {
        std::uint8_t pos[6];
        int i = 0;
        for (TMascara m = a; m; m &= m - 1)
            pos[i++] = static_cast<std::uint8_t>(std::countr_zero(m) + 1);
        rangos.push_back(t.Rango(pos));
    }
    std::sort(rangos.begin(), rangos.end());
    if (!Escribe(carpeta, nombre, rangos)) {
        std::fprintf(stderr, "Error creando el archivo %s\n", (carpeta / nombre).string().c_str());
        return -1;
    }
    return 0;
}

// The delivered design for n numbers al k, as position masks (empty when there is none).
std::vector<TMascara> Entregada(const std::filesystem::path& carpeta, int n, int k)
{
    std::vector<std::uint32_t> rangos;
    std::string error;
    if (!LeeCompacta(carpeta, n, k, rangos, error))
        return {};
    return MascarasDeRangos(n, rangos);
}

// Al 3 on two groups (UneDosGrupos) for n = desde..hasta: the pieces are searched once,
// every triple of a positions for a = 6..22 (22 is the Steiner system, exact) and every four
// of b for b = 6..n-6, each with its own seed and `movimientos` moves a size, the fours then
// taken further down by the tabu search (MenosConTabu); each n takes the best split. Then, from the
// largest n down, a design for n + 1 with one number dropped (RestringeUno) replaces the one for n
// when it is smaller.
int DosGrupos(const std::filesystem::path& carpeta, int desde, int hasta, std::uint64_t movimientos)
{
    std::vector<std::vector<TMascara>> triples(23), cuatros(static_cast<std::size_t>(hasta) + 1);
    for (int a = 6; a <= 22 && a <= hasta - 6; ++a) {
        TAzar azar(0x54524950ull ^ static_cast<std::uint64_t>(a));
        triples[static_cast<std::size_t>(a)] =
            a == 22 ? SteinerVeintidos() : CubreTriples(a, 3, 0, {}, movimientos, 0.5, azar);
        std::printf("triples de %d: %zu\n", a, triples[static_cast<std::size_t>(a)].size());
    }
    for (int b = 6; b <= hasta - 6 && b <= 33; ++b) {
        TAzar azar(0x43554154ull ^ static_cast<std::uint64_t>(b));
        // Every four directly, and on three groups' triples; the smaller.
        auto directa = CubreTriples(b, 4, 0, {}, movimientos, 0.5, azar);
        auto grupos = CubreTriples(b, 4, 3, {}, movimientos, 0.5, azar);
        cuatros[static_cast<std::size_t>(b)] = grupos.size() < directa.size() ? grupos : directa;
        if (b >= 24 && b <= 27) {
            auto steiner = CuatrosSobreSteiner(b - 22);
            if (steiner.size() < cuatros[static_cast<std::size_t>(b)].size())
                cuatros[static_cast<std::size_t>(b)] = std::move(steiner);
        }
        if (b == 27) {
            // Three orbits of the group of order 27 and the fewest bets more, then the
            // annealing from there, which may drop a bet.
            TAzar grupo(0x43554154ull ^ 27ull ^ kSemillaHeisenberg);
            auto heisenberg = CuatrosHeisenberg(kSemillaHeisenberg, kMovimientosHeisenberg);
            std::printf("cuatros de 27 sobre el grupo: %zu\n", heisenberg.size());
            heisenberg = CubreTriples(27, 4, 0, heisenberg, movimientos, 0.5, grupo);
            if (heisenberg.size() < cuatros[27].size())
                cuatros[27] = std::move(heisenberg);
        }
        // The tabu search takes the best of them further down.
        cuatros[static_cast<std::size_t>(b)] =
            MenosConTabu(b, std::move(cuatros[static_cast<std::size_t>(b)]),
                         b == 27 ? kPasosTabuVeintisiete : kPasosTabu,
                         b == 27 ? kTenenciaTabuVeintisiete : kTenenciaTabu);
        std::printf("cuatros de %d: %zu (directa %zu, tres grupos %zu, con la de 22)\n", b,
                    cuatros[static_cast<std::size_t>(b)].size(), directa.size(), grupos.size());
        std::fflush(stdout);
    }
    int fallos = 0;
    std::vector<TMascara> siguiente;
    for (int n = hasta; n >= desde; --n) {
        std::vector<TMascara> mejor = Entregada(carpeta, n, 3);
        int mejorA = -1;
        for (int a = 6; a <= 22 && a <= n - 6; ++a) {
            const auto& ta = triples[static_cast<std::size_t>(a)];
            const auto& cb = cuatros[static_cast<std::size_t>(n - a)];
            if (!ta.empty() && !cb.empty() &&
                (mejor.empty() || ta.size() + cb.size() < mejor.size())) {
                mejor = UneDosGrupos(a, ta, cb);
                mejorA = a;
            }
        }
        if (!siguiente.empty()) {
            auto restringida = RestringeUno(n + 1, 3, siguiente);
            if (restringida.size() < mejor.size()) {
                mejor = std::move(restringida);
                mejorA = 0;
            }
        }
        char detalle[64];
        std::snprintf(detalle, sizeof detalle,
                      mejorA > 0    ? "%d + %d"
                      : mejorA == 0 ? "de n + 1"
                                    : "el de antes",
                      mejorA, n - mejorA);
        const int g = Guarda(carpeta, n, 3, mejor, detalle, 0.0);
        if (g < 0)
            return 1;
        fallos += g;
        siguiente = Entregada(carpeta, n, 3);
    }
    return fallos ? 1 : 0;
}

// Al 5 for n = desde..hasta as orbits (DisenoCincoOrbitas) of the shifts by multiples of
// `paso` modulo n - fijos of the first n - fijos positions, with `porOrbita` moves per orbit at
// `temperatura`; the seed 0x4F524249 xor n.
int Orbitas(const std::filesystem::path& carpeta, int desde, int hasta, int fijos,
            std::uint64_t porOrbita, double temperatura, int paso)
{
    int fallos = 0;
    for (int n = desde, sentido = desde <= hasta ? 1 : -1; n != hasta + sentido; n += sentido) {
        TGrupoPosiciones g;
        g.N = n;
        g.Ciclo = n - fijos;
        g.Paso = paso;
        if (n < kMinReducidos || n > kMaxReducidos || Permutaciones(g).empty()) {
            std::fprintf(stderr, "Grupo no válido\n");
            return 2;
        }
        TParametrosOrbitas p;
        p.Semilla = 0x4F524249ull ^ static_cast<std::uint64_t>(n);
        p.Temperatura = temperatura;
        // The orbits are about C(n, 6) / (n - fijos).
        p.Movimientos =
            porOrbita * Combinaciones(n, 6) / static_cast<std::uint64_t>(g.Ciclo / paso);
        const std::clock_t t0 = std::clock();
        const TResultadoOrbitas r = DisenoCincoOrbitas(g, p);
        char detalle[96];
        std::snprintf(detalle, sizeof detalle, "%d fijos, %zu órbitas, voraz %zu, %zu redundantes",
                      fijos, r.Orbitas, r.TrasVoraz, r.Redundantes);
        const int e = Guarda(carpeta, n, 5, r.Apuestas, detalle,
                             static_cast<double>(std::clock() - t0) / CLOCKS_PER_SEC);
        if (e < 0)
            return 1;
        fallos += e;
    }
    return fallos ? 1 : 0;
}

int EscribeSumas(const std::filesystem::path& carpeta, const std::filesystem::path& salida)
{
    std::string t =
        "#pragma once\n"
        "// Written by numbrela_genera_compactas --sumas: the hash (SumaRangos) of each delivered\n"
        "// COMn-k.RLC. The tests check those files' guarantee and that they still hash to these.\n"
        "#include <cstdint>\n\nnamespace numbrela {\n\n"
        "struct TSumaCompacta {\n    int N, K;\n    std::uint64_t Suma;\n};\n\n"
        "inline constexpr TSumaCompacta kSumasCompactas[] = {\n    {0, 0, 0}, // no file has n = "
        "0\n";
    for (int k = 3; k <= 5; ++k)
        for (int n = kMinReducidos; n <= kMaxReducidos; ++n) {
            TReduccionLeida leida;
            if (LeeRlv(carpeta / NombreCompacta(n, k), n, leida) != TFalloLectura::Ninguno)
                continue;
            char linea[80];
            std::snprintf(linea, sizeof linea, "    {%d, %d, 0x%016llXull},\n", n, k,
                          static_cast<unsigned long long>(SumaRangos(leida.Rangos)));
            t += linea;
        }
    t += "};\n\n} // namespace numbrela\n";
    std::ofstream f(salida, std::ios::binary | std::ios::trunc);
    f << t;
    return f ? 0 : 1;
}

int main(int argc, char** argv)
{
    if (argc >= 3 && std::string(argv[1]) == "--dos-grupos")
        return DosGrupos(argv[2], argc > 3 ? std::atoi(argv[3]) : kMinReducidos,
                         argc > 4 ? std::atoi(argv[4]) : kMaxReducidos,
                         argc > 5 ? std::strtoull(argv[5], nullptr, 10) : 300000);
    if (argc >= 8 && std::string(argv[1]) == "--triples") {
        const int v = std::atoi(argv[2]), t = std::atoi(argv[3]), grupos = std::atoi(argv[7]);
        TAzar azar(std::strtoull(argv[6], nullptr, 10));
        const std::clock_t t0 = std::clock();
        std::vector<TMascara> inicio;
        if (v == 22 && t == 3)
            inicio = SteinerVeintidos();
        if (v >= 24 && v <= 27 && t == 4)
            inicio = CuatrosSobreSteiner(v - 22);
        const auto r = CubreTriples(v, t, grupos, inicio, std::strtoull(argv[4], nullptr, 10),
                                    std::atof(argv[5]), azar, argc > 8 ? std::atoi(argv[8]) : 1);
        std::printf("%d, %d: %zu %s %.1f s\n", v, t, r.size(), CubreTodos(v, t, r) ? "ok" : "MAL",
                    static_cast<double>(std::clock() - t0) / CLOCKS_PER_SEC);
        return 0;
    }
    if ((argc == 8 || argc == 9) && std::string(argv[1]) == "--orbitas")
        return Orbitas(argv[2], std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]),
                       std::strtoull(argv[6], nullptr, 10), std::atof(argv[7]),
                       argc == 9 ? std::atoi(argv[8]) : 1);
    if (argc == 4 && std::string(argv[1]) == "--sumas")
        return EscribeSumas(argv[2], argv[3]);
    if (argc < 2 || argc > 7) {
        std::fprintf(stderr, "Uso: %s CARPETA [K [N_DESDE [N_HASTA [MOVIMIENTOS [CANDIDATAS]]]]]\n",
                     argv[0]);
        return 2;
    }
    const std::filesystem::path carpeta = argv[1];
    std::vector<int> garantias = {3, 4, 5};
    if (argc > 2)
        garantias = {std::atoi(argv[2])};
    const int desde = argc > 3 ? std::atoi(argv[3]) : kMinReducidos;
    const int hasta = argc > 4 ? std::atoi(argv[4]) : kMaxReducidos;
    if (garantias[0] < 3 || garantias[0] > 5 || std::min(desde, hasta) < kMinReducidos ||
        std::max(desde, hasta) > kMaxReducidos) {
        std::fprintf(stderr, "Garantía fuera de 3..5 o números fuera de 7..49\n");
        return 2;
    }
    std::error_code ec;
    std::filesystem::create_directories(carpeta, ec);
    int fallos = 0;
    for (int k : garantias)
        for (int n = desde, paso = desde <= hasta ? 1 : -1; n != hasta + paso; n += paso) {
            TParametrosBusqueda p;
            p.Semilla = 0x4E554D4252454C41ull ^ static_cast<std::uint64_t>(n * 8 + k);
            p.Candidatos = argc > 6 ? std::atoi(argv[6]) : k == 5 ? 4 : 8;
            p.Recalienta = k == 3 && n >= 30; // where the annealing gets stuck at one size
            // A budget given on the command line: that many moves per number above six.
            p.Movimientos =
                argc > 5 ? std::strtoull(argv[5], nullptr, 10) * static_cast<std::uint64_t>(n - 6)
                         : Movimientos(n, k);
            p.CincoGrupos = k == 3 && n >= kDesdeCincoGrupos;
            p.MovimientosGrupos = MovimientosGrupos(n, k);
            const std::clock_t t0 = std::clock();
            const TResultadoBusqueda r = BuscaDisenoCompacto(n, k, p);
            const double segundos = static_cast<double>(std::clock() - t0) / CLOCKS_PER_SEC;
            char detalle[64];
            std::snprintf(detalle, sizeof detalle, "%zu\t%llu", r.TrasVoraz,
                          static_cast<unsigned long long>(r.MovimientosHechos));
            const int g = Guarda(carpeta, n, k, r.Apuestas, detalle, segundos);
            if (g < 0)
                return 1;
            fallos += g;
        }
    return fallos ? 1 : 0;
}
