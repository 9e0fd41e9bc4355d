// Compact reductions: one move of the search (a position of a bet swapped for another and
// back, with the counts and the list of uncovered draws kept) on the delivered designs
// with one bet taken out, one move of the search on five groups' triples (al 3), the
// guarantee check of a design, and reading a delivered file
// with its check (what --reduce --compact does before printing).
//
//   build/bench/numbrela_bench_Compactas [--benchmark_repetitions=5 ...]
#include <benchmark/benchmark.h>

#include <bit>
#include <ctime>
#include <filesystem>
#include <vector>

#include "generation/DisenoCompacto.h"
#include "generation/FicheroCompacta.h"
#include "generation/GarantiaReduccion.h"

namespace {

using namespace numbrela;

std::filesystem::path gCarpetaPrograma;

std::vector<TMascara> Diseno(int n, int k)
{
    std::vector<std::uint32_t> rangos;
    std::string error;
    if (!LeeCompacta(gCarpetaPrograma, n, k, rangos, error))
        return {};
    return MascarasDeRangos(n, rangos);
}

void Movimiento(benchmark::State& st)
{
    const int n = static_cast<int>(st.range(0)), k = static_cast<int>(st.range(1));
    auto apuestas = Diseno(n, k);
    if (apuestas.empty()) {
        st.SkipWithError("no design file");
        return;
    }
    TCoberturaSeis c(n, k);
    for (TMascara a : apuestas)
        c.Pon(a);
    c.SigueLista();
    c.Quita(apuestas.back()); // a few draws uncovered, as while the search repairs
    apuestas.pop_back();
    TAzar azar(1);
    for (auto _ : st) {
        const auto i =
            static_cast<std::size_t>(azar.Uniforme(0, static_cast<int>(apuestas.size()) - 1));
        const TMascara antes = apuestas[i];
        TMascara sale = antes, entra = 0;
        for (int s = azar.Uniforme(0, 5); s > 0; --s)
            sale &= sale - 1;
        sale &= ~(sale - 1);
        do
            entra = TMascara{1} << azar.Uniforme(0, n - 1);
        while (entra & antes);
        const TMascara despues = (antes & ~sale) | entra;
        c.Cambia(antes, despues);
        benchmark::DoNotOptimize(c.SinCubrir());
        c.Cambia(despues, antes);
    }
    st.counters["sin_cubrir"] = static_cast<double>(c.SinCubrir());
    st.SetLabel("two moves per iteration (there and back)");
}
// Al 3 only below 18 numbers: from there on the search moves on five groups' triples (the
// designs are much tighter, and one bet less uncovers thousands of draws).
BENCHMARK(Movimiento)
    ->Args({12, 3})
    ->Args({17, 3})
    ->Args({30, 4})
    ->Args({49, 4})
    ->Args({30, 5})
    ->Unit(benchmark::kMicrosecond);

double SegundosDeProceso()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// The moves are inside one call, after its greedy start: the processor time of a call with
// a million moves less that of the same call with none, per move (the reported time).
void MovimientoCincoGrupos(benchmark::State& st)
{
    const int n = static_cast<int>(st.range(0));
    const std::uint64_t movimientos = 1000000;
    for (auto _ : st) {
        const double t0 = SegundosDeProceso();
        TAzar a(1);
        benchmark::DoNotOptimize(CincoGrupos(n, 8, 0, a));
        const double t1 = SegundosDeProceso();
        TAzar b(1);
        benchmark::DoNotOptimize(CincoGrupos(n, 8, movimientos, b));
        const double t2 = SegundosDeProceso();
        st.SetIterationTime(((t2 - t1) - (t1 - t0)) / static_cast<double>(movimientos));
    }
    st.SetLabel("processor time per move");
}
BENCHMARK(MovimientoCincoGrupos)
    ->Arg(30)
    ->Arg(49)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMicrosecond);

void Comprobacion(benchmark::State& st)
{
    const int n = static_cast<int>(st.range(0)), k = static_cast<int>(st.range(1));
    const auto apuestas = Diseno(n, k);
    for (auto _ : st)
        benchmark::DoNotOptimize(SorteoSinPremio(n, k, apuestas));
}
BENCHMARK(Comprobacion)->Args({49, 3})->Args({49, 4})->Args({49, 5})->Unit(benchmark::kMillisecond);

void Lectura(benchmark::State& st)
{
    const int n = static_cast<int>(st.range(0)), k = static_cast<int>(st.range(1));
    for (auto _ : st) {
        std::vector<std::uint32_t> rangos;
        std::string error;
        benchmark::DoNotOptimize(LeeCompacta(gCarpetaPrograma, n, k, rangos, error));
    }
}
BENCHMARK(Lectura)->Args({49, 3})->Args({49, 5})->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    gCarpetaPrograma =
        std::filesystem::absolute(argv[0]).parent_path().parent_path() / "numbrela-bin";
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
