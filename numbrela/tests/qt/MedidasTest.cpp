// Figures, not checks: how long a slip takes to redraw and how long the event loop waits
// while the largest reduced system with a fixed number is generated through the windows.
// They are printed and recorded in the test report; no time is asserted.
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <iostream>
#include <vector>

#include "Usuario.h"
#include "ui/TDialogoInformacion.h"
#include "ui/TDialogoNumerosReduccion.h"
#include "ui/TDialogoTipo.h"
#include "ui/TDialogoTipoReduccion.h"
#include "ui/TVentanaPrincipal.h"

namespace numbrela::ui {
namespace {

using namespace prueba;

double Mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

TEST(Medidas, RedrawingASlipOfEightFullBets)
{
    ServiciosDePrueba servicios;
    CarpetaPrograma carpeta;
    TVentanaPrincipal v(carpeta.Ruta());
    std::string error;
    TTextosConjunto t;
    ASSERT_TRUE(v.Conjunto().CreaSimples(16, error, t));
    for (int i = 0; i < 16; ++i)
        for (int k = 0; k < 6; ++k)
            v.Conjunto().Apuestas[static_cast<std::size_t>(i)].Marca(1 + (i * 7 + k * 8) % 49);
    v.show();
    std::vector<double> ms;
    for (int r = 0; r < 200; ++r) {
        QElapsedTimer reloj;
        reloj.start();
        v.ActualizaResto();
        v.ActualizaCruces();
        ms.push_back(reloj.nsecsElapsed() / 1e6);
    }
    std::cout << "slip redraw (ActualizaResto + ActualizaCruces), median of 200: " << Mediana(ms)
              << " ms, max " << *std::max_element(ms.begin(), ms.end()) << " ms\n";
    RecordProperty("redibujo_ms_mediana", std::to_string(Mediana(ms)));
}

TEST(Medidas, EventLoopWhileGeneratingFortyNineAlCincoWithOneFixed)
{
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
    // First notice: its only button goes on; second notice: accept generates.
    AlAbrirse<TDialogoInformacion>([](TDialogoInformacion* d) {
        QTest::keyClick(d, Qt::Key_Return);
        AlAbrirse<TDialogoInformacion>(
            [](TDialogoInformacion* d2) { Pulsa(BotonDe(d2, "Aceptar")); });
    });
    // A 1 ms timer ticks whenever the event loop runs: its longest wait is the longest block.
    QElapsedTimer reloj;
    double maxEspera = 0;
    int ticks = 0;
    bool generando = false;
    QTimer tic;
    tic.setInterval(1);
    QObject::connect(&tic, &QTimer::timeout, [&] {
        if (v.Generando()) {
            if (generando)
                maxEspera = std::max(maxEspera, reloj.nsecsElapsed() / 1e6);
            generando = true;
            ++ticks;
        }
        reloj.restart();
    });
    reloj.start();
    tic.start();
    QElapsedTimer total;
    total.start();
    Pulsa(v.findChild<TShapeButton*>("Tipo"));
    tic.stop();
    EXPECT_EQ(v.Conjunto().Tipo(), TipoApuesta::Reducida);
    EXPECT_EQ(v.Conjunto().Cabecera.TotalFijos, 1);
    EXPECT_TRUE(std::filesystem::exists(carpeta.Ruta() / "COM49-5-25.RLF"));
    std::cout << "generation of COM49-5-25.RLF through the windows: "
              << v.Conjunto().TotalApuestas() << " bets, whole command " << total.elapsed()
              << " ms, event loop ran " << ticks
              << " times during generation, longest wait seen by a timer " << maxEspera
              << " ms, longest stretch without events " << v.EsperaMaximaGeneracion() << " ms\n";
    RecordProperty("bloqueo_max_ms", std::to_string(v.EsperaMaximaGeneracion()));
}

// Opening a stored reduced set of 49 numbers al CINCO loads the largest delivered system,
// 285397 ranks: the whole command runs in one event handler, so its time is the block.
TEST(Medidas, OpeningTheLargestDeliveredReducedSystem)
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
    std::vector<double> ms;
    for (int r = 0; r < 5; ++r) {
        QElapsedTimer reloj;
        reloj.start();
        ASSERT_TRUE(v.AbreFichero(QString::fromStdString(ruta.string())));
        ms.push_back(reloj.nsecsElapsed() / 1e6);
    }
    EXPECT_EQ(v.Conjunto().TotalApuestas(), 285397);
    std::cout << "opening the 49 al CINCO reduced set (285397 bets), median of 5: " << Mediana(ms)
              << " ms\n";
    RecordProperty("abrir_49_5_ms", std::to_string(Mediana(ms)));
}

} // namespace
} // namespace numbrela::ui
