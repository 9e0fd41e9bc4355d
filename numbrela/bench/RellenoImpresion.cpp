// Filling and slip composition on the largest simple set the planner allows (1,000,000
// bets): random filling, Azarix from the delivered AZARIX.DAT, and composing every slip's
// print job. Run from the build tree: the data file is read from ../numbrela-bin.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "generation/TablaRangos.h"
#include "luck/Azarix.h"
#include "luck/Relleno.h"
#include "printing/ImpresionBoletos.h"

namespace {

using namespace numbrela;

std::filesystem::path g_programa;

// The planner's engine would need the reduction files; Azarix only needs n = 49 tables.
class MotorTabla : public TMotorReducidas {
public:
    bool PrimitivaReducida(TConjuntoApuestas&, std::string&) override { return false; }
    void Calcular(int n) override { tabla_.Calcular(n); }
    void TomarCombinacion(std::uint32_t r, std::uint8_t p[6]) const override
    {
        tabla_.TomarCombinacion(r, p);
    }

private:
    TablaRangos tabla_;
};

TConjuntoApuestas Simples(std::int64_t n)
{
    TConjuntoApuestas c;
    std::string error;
    TTextosConjunto textos;
    c.CreaSimples(n, error, textos);
    return c;
}

void BM_RellenaAlAzar(benchmark::State& state)
{
    TConjuntoApuestas c = Simples(state.range(0));
    TAzar azar(1);
    for (auto _ : state)
        RellenaAlAzar(c, azar);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_RellenaAlAzar)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_RellenaConAzarix(benchmark::State& state)
{
    TConjuntoApuestas c = Simples(state.range(0));
    MotorTabla motor;
    for (auto _ : state)
        if (RellenaConAzarix(c, {31, 12, 2026}, g_programa, motor))
            state.SkipWithError("AZARIX.DAT could not be read");
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_RellenaConAzarix)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_ComponeTodosLosBoletos(benchmark::State& state)
{
    TConjuntoApuestas c = Simples(state.range(0));
    TAzar azar(2);
    RellenaAlAzar(c, azar);
    struct Cuenta : TLienzoBoleto {
        std::size_t Marcas = 0;
        bool Imprime(const THojaBoleto& h) override
        {
            Marcas += h.Marcas.size();
            return true;
        }
    } lienzo;
    TGeometriaImpresion g;
    for (auto _ : state)
        ImprimirBoletos(c, g, {TRangoImpresion::TodosLosBoletos, "", ""}, lienzo);
    benchmark::DoNotOptimize(lienzo.Marcas);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ComponeTodosLosBoletos)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    g_programa = (ec ? std::filesystem::path(argv[0]) : exe).parent_path() / ".." / "numbrela-bin";
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
