// Timings of the main window, on Qt's offscreen platform: redrawing a slip, opening the
// largest delivered reduced system, and how long the event loop waits while the largest
// reduced system with a fixed number is generated through the windows.
//   build/bench/numbrela_bench_ventana [--benchmark_repetitions=5]
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <fstream>

#include "../../tests/comun/qt/Usuario.h"
#include "generation/qt/TDialogoInformacion.h"
#include "generation/qt/TDialogoNumerosReduccion.h"
#include "generation/qt/TDialogoTipoReduccion.h"
#include "model/CabeceraApuestas.h"
#include "principal/qt/TDialogoTipo.h"
#include "principal/qt/TVentanaPrincipal.h"

namespace numbrela::ui {
namespace {

using namespace prueba;

void RedibujoDeUnBoleto(benchmark::State& estado)
{
    ServiciosDePrueba servicios;
    CarpetaPrograma carpeta;
    TVentanaPrincipal v(carpeta.Ruta());
    std::string error;
    TTextosConjunto t;
    v.Conjunto().CreaSimples(16, error, t);
    for (int i = 0; i < 16; ++i)
        for (int k = 0; k < 6; ++k)
            v.Conjunto().Apuestas[static_cast<std::size_t>(i)].Marca(1 + (i * 7 + k * 8) % 49);
    v.show();
    for (auto _ : estado) {
        v.ActualizaResto();
        v.ActualizaCruces();
    }
}
BENCHMARK(RedibujoDeUnBoleto)->Unit(benchmark::kMillisecond);

// The whole command runs in one event handler, so its time is the block.
void AbrirLaMayorReducida(benchmark::State& estado)
{
    ServiciosDePrueba servicios;
    CarpetaPrograma carpeta;
    TVentanaPrincipal v(carpeta.Ruta());
    v.show();
    CabeceraApuestas c;
    c.Nombre = "Grande";
    c.Tipo = 3;
    c.TipoReduccion = 3;
    c.TotalReducidos = 49;
    for (int n = 1; n <= 49; ++n) {
        c.Reducidos[static_cast<std::size_t>(n - 1)] = static_cast<std::uint8_t>(n);
        c.ListaReducidos[static_cast<std::size_t>(n - 1)] = static_cast<std::uint8_t>(n);
    }
    const auto ruta = carpeta.Ruta() / "grande.apu";
    {
        const auto bytes = EscribeCabecera(c);
        std::ofstream f(ruta, std::ios::binary);
        f.write(reinterpret_cast<const char*>(bytes.data()),
                static_cast<std::streamsize>(bytes.size()));
    }
    for (auto _ : estado)
        if (!v.AbreFichero(QString::fromStdString(ruta.string())))
            estado.SkipWithError("the 49 al CINCO system did not open");
    estado.counters["apuestas"] = static_cast<double>(v.Conjunto().TotalApuestas());
}
BENCHMARK(AbrirLaMayorReducida)->Unit(benchmark::kMillisecond);

// One generation of COM49-5-25.RLF through the dialogs; the counters are the longest
// stretch without running events (as the window measures it and as a 1 ms timer sees it).
void GenerarCuarentaYNueveAlCincoConUnFijo(benchmark::State& estado)
{
    for (auto _ : estado) {
        ServiciosDePrueba servicios;
        CarpetaPrograma carpeta;
        TVentanaPrincipal v(carpeta.Ruta());
        v.show();
        AlAbrirse<TDialogoTipo>([](TDialogoTipo* d) { Pulsa(BotonDe(d, "Reducida")); });
        AlAbrirse<TDialogoTipoReduccion>(
            [](TDialogoTipoReduccion* d) { Pulsa(BotonDe(d, "AlCinco")); });
        AlAbrirse<TDialogoNumerosReduccion>([](TDialogoNumerosReduccion* d) {
            for (int n = 1; n <= 49; ++n)
                Pulsa(d->Boton(n));
            Pulsa(d->Boton(25)); // a second click makes 25 fixed
            Pulsa(BotonDe(d, "Aceptar"));
        });
        AlAbrirse<TDialogoInformacion>([](TDialogoInformacion* d) {
            QTest::keyClick(d, Qt::Key_Return);
            AlAbrirse<TDialogoInformacion>(
                [](TDialogoInformacion* d2) { Pulsa(BotonDe(d2, "Aceptar")); });
        });
        QElapsedTimer reloj;
        double maxEspera = 0;
        bool generando = false;
        QTimer tic;
        tic.setInterval(1);
        QObject::connect(&tic, &QTimer::timeout, [&] {
            if (v.Generando()) {
                if (generando)
                    maxEspera = std::max(maxEspera, reloj.nsecsElapsed() / 1e6);
                generando = true;
            }
            reloj.restart();
        });
        reloj.start();
        tic.start();
        Pulsa(v.findChild<TShapeButton*>("Tipo"));
        tic.stop();
        if (!std::filesystem::exists(carpeta.Ruta() / "COM49-5-25.RLF"))
            estado.SkipWithError("COM49-5-25.RLF was not generated");
        estado.counters["apuestas"] = static_cast<double>(v.Conjunto().TotalApuestas());
        estado.counters["bloqueo_ms"] = v.EsperaMaximaGeneracion();
        estado.counters["espera_temporizador_ms"] = maxEspera;
    }
}
BENCHMARK(GenerarCuarentaYNueveAlCincoConUnFijo)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
} // namespace numbrela::ui

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicacion(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
