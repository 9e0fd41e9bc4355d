// Reduced systems: generation with fixed numbers, the fast search beside the
// position-by-position reference on the inputs where the reference finishes, the fast one
// alone for 49 numbers al 5, and loading COM49-5.RLV. Prints the ratio slow / fast.
//
//   build/bench/numbrela_bench_Reducidas [--benchmark_repetitions=5 ...]
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "generation/CoberturaVoraz.h"
#include "generation/CreaCombFijos.h"
#include "generation/Reducidas.h"
#include "tests/generation/ReferenciaVoraz.h"

namespace {

using namespace numbrela;

std::filesystem::path gCarpetaPrograma;

std::filesystem::path CarpetaTrabajo()
{
    static const auto c = [] {
        auto p = std::filesystem::temp_directory_path() /
                 ("numbrela-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(p);
        return p;
    }();
    return c;
}

// The header of n chosen numbers 1..n with the fixed numbers given, al k.
CabeceraApuestas Cabecera(int n, int k, const std::vector<std::uint8_t>& fijos)
{
    CabeceraApuestas c;
    c.Tipo = 3;
    c.TipoReduccion = static_cast<std::uint8_t>(k - 2);
    for (int i = 1; i <= n; ++i) {
        c.Reducidos[i - 1] = static_cast<std::uint8_t>(i);
        c.ListaReducidos[i - 1] = static_cast<std::uint8_t>(i);
    }
    for (std::size_t i = 0; i < fijos.size(); ++i) {
        c.Fijos[fijos[i] - 1] = fijos[i];
        c.ListaFijos[i] = fijos[i];
    }
    c.TotalReducidos = n;
    c.TotalFijos = static_cast<std::int32_t>(fijos.size());
    return c;
}

std::vector<std::uint8_t> Fijos(int n, int cuantos)
{
    // The middle of the chosen numbers, then the last and the first.
    const std::vector<std::uint8_t> todos{static_cast<std::uint8_t>(n / 2),
                                          static_cast<std::uint8_t>(n), 1};
    std::vector<std::uint8_t> f(todos.begin(), todos.begin() + cuantos);
    std::sort(f.begin(), f.end());
    return f;
}

void Lento(benchmark::State& st)
{
    const int n = static_cast<int>(st.range(0)), k = static_cast<int>(st.range(1));
    const auto f = Fijos(n, static_cast<int>(st.range(2)));
    std::size_t apuestas = 0;
    for (auto _ : st)
        apuestas = referencia::CreaCombFijosLento(n, k, f).size();
    st.counters["apuestas"] = static_cast<double>(apuestas);
}

// The whole CreaCombFijos: search, file under a temporary name, header, rename.
void Rapido(benchmark::State& st)
{
    const int n = static_cast<int>(st.range(0)), k = static_cast<int>(st.range(1));
    const auto f = Fijos(n, static_cast<int>(st.range(2)));
    const auto c = Cabecera(n, k, f);
    std::int64_t apuestas = 0;
    for (auto _ : st) {
        const auto g =
            GeneraReducidaConFijos(CarpetaTrabajo(), c, f, [](std::int64_t) { return true; });
        if (!g.Hecha)
            st.SkipWithError(g.Mensaje.c_str());
        apuestas = g.Apuestas;
    }
    st.counters["apuestas"] = static_cast<double>(apuestas);
}

// The fast search alone, without the file: what the reference does.
void Busqueda(benchmark::State& st)
{
    const int n = static_cast<int>(st.range(0)), k = static_cast<int>(st.range(1));
    const auto f = Fijos(n, static_cast<int>(st.range(2)));
    std::size_t apuestas = 0;
    for (auto _ : st) {
        std::vector<std::uint32_t> r;
        CoberturaVoraz(n, k, f, [&](std::uint32_t x) {
            r.push_back(x);
            return true;
        });
        apuestas = r.size();
    }
    st.counters["apuestas"] = static_cast<double>(apuestas);
}

void Pares(benchmark::internal::Benchmark* b)
{
    for (int n : {16, 20, 24})
        for (int k : {3, 4, 5})
            b->Args({n, k, 1});
    b->Args({24, 5, 2});
    b->Args({24, 5, 3});
    b->Args({28, 5, 1});
}

BENCHMARK(Lento)->Apply(Pares)->Unit(benchmark::kMillisecond);
BENCHMARK(Busqueda)->Apply(Pares)->Unit(benchmark::kMillisecond);
BENCHMARK(Rapido)->Args({24, 5, 1})->Unit(benchmark::kMillisecond);
BENCHMARK(Rapido)
    ->Args({49, 5, 1})
    ->Args({49, 5, 2})
    ->Args({49, 5, 3})
    ->Args({49, 4, 1})
    ->Args({49, 3, 1})
    ->Unit(benchmark::kMillisecond);

// Loading the largest delivered system into a bet set.
void CargaCom49Al5(benchmark::State& st)
{
    TReducidas motor(gCarpetaPrograma);
    TConjuntoApuestas conjunto(&motor);
    conjunto.Cabecera = Cabecera(49, 5, {});
    for (auto _ : st) {
        std::string error;
        if (!motor.PrimitivaReducida(conjunto, error))
            st.SkipWithError(error.c_str());
        benchmark::DoNotOptimize(conjunto.BufferRangos.data());
    }
    st.counters["apuestas"] = static_cast<double>(conjunto.BufferRangos.size());
}
BENCHMARK(CargaCom49Al5)->Unit(benchmark::kMillisecond);

// Keeps each run's time so that the ratio slow / fast can be printed at the end.
class Informe : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> tiempos;       // "n/k/f" -> ms
    std::map<std::string, double> lento, rapido; // the reference and the fast search
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            if (r.run_type != Run::RT_Iteration && r.aggregate_name != "median")
                continue;
            const std::string nombre = r.run_name.function_name;
            std::string args = r.run_name.args;
            const double ms = r.GetAdjustedRealTime();
            (nombre == "Lento" ? lento : nombre == "Busqueda" ? rapido : tiempos)[args] = ms;
        }
    }
};

} // namespace

int main(int argc, char** argv)
{
    gCarpetaPrograma =
        std::filesystem::absolute(argv[0]).parent_path().parent_path() / "numbrela-bin";
    benchmark::Initialize(&argc, argv);
    Informe informe;
    benchmark::RunSpecifiedBenchmarks(&informe);
    std::printf("\nreference / fast search, real time (n/k/fixed):\n");
    for (const auto& [args, ms] : informe.lento)
        if (informe.rapido.count(args) && informe.rapido[args] > 0)
            std::printf("  %-10s %10.2f ms / %8.3f ms = %8.0fx\n", args.c_str(), ms,
                        informe.rapido[args], ms / informe.rapido[args]);
    std::error_code ec;
    std::filesystem::remove_all(CarpetaTrabajo(), ec);
    benchmark::Shutdown();
    return 0;
}
