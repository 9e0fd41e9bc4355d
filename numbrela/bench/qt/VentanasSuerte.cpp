// How long the luck tools' windows, the fill choice and the Azarix window take to open
// (built, shown and painted once), and how long the biorhythm takes to draw a month's 31
// bars one after another with a repaint after each. Runs on whichever window platform the
// environment gives (under Xvfb: QT_QPA_PLATFORM=xcb xvfb-run ...); data files are read
// from ../numbrela-bin of the build tree, users are written to a temporary folder.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QPixmap>
#include <filesystem>

#include "controles/TDibujos.h"
#include "luck/qt/TDialogoRelleno.h"
#include "luck/qt/TVentanaAzarix.h"
#include "luck/qt/TVentanaBiorritmo.h"
#include "luck/qt/TVentanaFechaSorteo.h"
#include "luck/qt/TVentanaSuerte.h"
#include "luck/qt/TVentanaUsuario.h"

namespace {

using namespace numbrela;
using namespace numbrela::ui;

std::filesystem::path g_programa;
std::filesystem::path g_usuarios;

TSesionSuerte Sesion()
{
    TSesionSuerte s;
    s.UsuarioActual = {"Maria Garcia Lopez", 15, 6, 1970};
    s.UsuarioEstablecido = true;
    s.FechaSorteo = {12, 12, 2009};
    s.FechaEstablecida = true;
    return s;
}

// Opening as the user sees it: built, shown, its first paint done.
template <class Crea> void Abre(benchmark::State& state, Crea crea)
{
    for (auto _ : state) {
        auto w = crea();
        w->show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(w->grab());
        state.PauseTiming();
        w->hide();
        w.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_AbreUsuario(benchmark::State& state)
{
    TSesionSuerte s = Sesion();
    Abre(state, [&] { return std::make_unique<TVentanaUsuario>(nullptr, s, g_usuarios); });
}
void BM_AbreBiorritmo(benchmark::State& state)
{
    const TSesionSuerte s = Sesion();
    Abre(state, [&] { return std::make_unique<TVentanaBiorritmo>(nullptr, s, g_programa); });
}
void BM_AbreSuerte(benchmark::State& state)
{
    const TSesionSuerte s = Sesion();
    Abre(state, [&] { return std::make_unique<TVentanaSuerte>(nullptr, s, g_programa); });
}
void BM_AbreFechaSorteo(benchmark::State& state)
{
    TSesionSuerte s = Sesion();
    Abre(state, [&] { return std::make_unique<TVentanaFechaSorteo>(nullptr, s); });
}
void BM_AbreRelleno(benchmark::State& state)
{
    Abre(state, [] { return std::make_unique<TDialogoRelleno>(nullptr); });
}
void BM_AbreAzarix(benchmark::State& state)
{
    Abre(state, [] { return std::make_unique<TVentanaAzarix>(nullptr, TAzar(1)); });
}

// "&Calcular" for July 2009: the data file read, then 31 bars, each followed by a repaint.
void BM_BiorritmoTreintaBarras(benchmark::State& state)
{
    const TSesionSuerte s = Sesion();
    TVentanaBiorritmo v(nullptr, s, g_programa);
    v.Mes()->setCurrentIndex(6); // July: 31 days
    v.Anio()->setCurrentIndex(11);
    v.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        v.Calcula();
        QCoreApplication::processEvents();
    }
}

BENCHMARK(BM_AbreUsuario)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AbreBiorritmo)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AbreSuerte)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AbreFechaSorteo)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AbreRelleno)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AbreAzarix)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BiorritmoTreintaBarras)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    g_programa = std::filesystem::path(argv[0]).parent_path() / ".." / "numbrela-bin";
    g_usuarios = std::filesystem::temp_directory_path() / "numbrela-bench-usuarios";
    std::filesystem::create_directories(g_usuarios);
    TDibujos::FijaCarpeta(g_programa);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    std::filesystem::remove_all(g_usuarios);
    return 0;
}
