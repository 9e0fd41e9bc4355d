// The compact design in the reduction dialogs: the counts the kind dialog shows for the
// numbers chosen (three guarantees, from the files' sizes), the table of reductions' 43
// rows, and the choice turned into the set (the file read and checked, the bets made).
//
//   build/bench/numbrela_bench_EleccionCompacta [--benchmark_repetitions=5 ...]
#include <benchmark/benchmark.h>

#include <filesystem>

#include "generation/EleccionCompacta.h"
#include "generation/EleccionReducida.h"
#include "generation/TablaReducciones.h"

namespace {

using namespace numbrela;

std::filesystem::path gCarpetaPrograma;

CabeceraApuestas CuarentaYNueve(int k)
{
    CabeceraApuestas c;
    c.Tipo = static_cast<std::uint8_t>(TipoApuesta::Reducida);
    c.TipoReduccion = static_cast<std::uint8_t>(k - 2);
    TNumerosReducida numeros(c);
    for (int x = 1; x <= kNumeros; ++x)
        numeros.Pulsa(x);
    std::string error;
    numeros.Acepta(error);
    return c;
}

void OfertaDialogo(benchmark::State& st)
{
    CabeceraApuestas c = CuarentaYNueve(3);
    for (auto _ : st)
        for (int k = 3; k <= 5; ++k) {
            c.TipoReduccion = static_cast<std::uint8_t>(k - 2);
            benchmark::DoNotOptimize(OfertaCompacta(gCarpetaPrograma, c));
        }
}
BENCHMARK(OfertaDialogo)->Unit(benchmark::kMicrosecond);

void TablaDeReducciones(benchmark::State& st)
{
    for (auto _ : st)
        for (const TFilaReduccion& f : kTablaReducciones)
            benchmark::DoNotOptimize(CeldasFilaCompacta(gCarpetaPrograma, f.Numeros));
}
BENCHMARK(TablaDeReducciones)->Unit(benchmark::kMicrosecond);

void Carga(benchmark::State& st)
{
    const CabeceraApuestas c = CuarentaYNueve(static_cast<int>(st.range(0)));
    for (auto _ : st) {
        TConjuntoApuestas conjunto;
        conjunto.Cabecera = c;
        std::string error;
        TTextosConjunto textos;
        if (!EligeCompacta(conjunto, gCarpetaPrograma, error, textos)) {
            st.SkipWithError(error.c_str());
            return;
        }
    }
}
BENCHMARK(Carga)->Arg(3)->Arg(4)->Arg(5)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    gCarpetaPrograma =
        std::filesystem::absolute(argv[0]).parent_path().parent_path() / "numbrela-bin";
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
