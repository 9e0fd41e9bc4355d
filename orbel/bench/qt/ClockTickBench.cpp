// What one tick of the clock window costs: eight digital clocks with seconds (the time bands
// repainted) and eight dials with seconds (only the seconds hands), each tick painted at once.
// Runs on Qt's offscreen platform unless QT_QPA_PLATFORM says otherwise.
#include <QApplication>

#include <benchmark/benchmark.h>

#include "bench/qt/WindowBenchMain.h"
#include "clocks/qt/ClockWindow.h"
#include "settings/AppSettings.h"
#include "settings/RegistryStore.h"

namespace {

using namespace orbel;

void TickAndPaint(benchmark::State& state, std::uint32_t flags)
{
    DateTime utc = DateTime::FromCalendar(2026, 12, 8, 10, 15, 0);
    SettingsPlatform platform;
    platform.utcNow = [&] { return utc; };
    platform.localZone = [] { return TimeZoneInformation{}; };
    platform.defaultGuiFont.weight = 400;
    platform.defaultGuiFont.SetFace("DejaVu Sans");
    MemoryRegistryStore store;
    CAppSettings settings(store, platform, "/opt/orbel/orbel");
    settings.SetDefaults();
    settings.clocks.Clear();
    for (int i = 0; i < 8; ++i)
        settings.clocks.Add();
    settings.displayFlags = flags;
    ClockWindowEnv env;
    env.utcNow = [&] { return utc; };
    env.localNow = [&] { return utc; };
    ClockWindow window(settings, env);
    window.resize(flags & 1 ? 960 : 800, flags & 1 ? 140 : 60);
    window.show();
    QApplication::processEvents();
    int second = 0;
    for (auto _ : state) {
        // Seconds 1..58 of the same minute: a dial moves only its seconds hand.
        utc = DateTime::FromCalendar(2026, 12, 8, 10, 15, 1 + second++ % 58);
        window.Tick();
        window.repaint(); // the invalidated parts, painted now
    }
}

void DigitalEightClocks(benchmark::State& s)
{
    TickAndPaint(s, 0x5100);
}
void AnalogEightClocks(benchmark::State& s)
{
    TickAndPaint(s, 0x5101);
}
BENCHMARK(DigitalEightClocks)->Unit(benchmark::kMicrosecond);
BENCHMARK(AnalogEightClocks)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return orbel::RunWindowBenchmarks(argc, argv);
}
