// What one tick of the clock window costs: eight digital clocks with seconds (the time bands
// repainted) and eight dials with seconds (only the seconds hands), each tick painted at once;
// and what Day and Night adds: eight clocks of eight cities painted whole, with the shading
// off and on, a minute later each time (so the shading is worked out again for every paint,
// where the window does it once a minute). Runs on Qt's offscreen platform unless
// QT_QPA_PLATFORM says otherwise.
#include <QApplication>

#include <benchmark/benchmark.h>

#include "bench/qt/WindowBenchMain.h"
#include "clocks/qt/ClockWindow.h"
#include "settings/AppSettings.h"
#include "settings/RegistryStore.h"
#include "zones/SystemZones.h"

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

void PaintEightCities(benchmark::State& state, std::uint32_t flags, bool dayAndNight)
{
    DateTime utc = DateTime::FromCalendar(2026, 12, 8, 6, 0, 0);
    SettingsPlatform platform;
    platform.utcNow = [&] { return utc; };
    platform.localZone = [] { return TimeZoneInformation{}; };
    platform.defaultGuiFont.weight = 400;
    platform.defaultGuiFont.SetFace("DejaVu Sans");
    MemoryRegistryStore store;
    CAppSettings settings(store, platform, "/opt/orbel/orbel");
    settings.SetDefaults();
    settings.clocks.Clear();
    CRegTimeZoneList zones;
    ReadSystemZones(zones, kSystemZoneFolder, 2026);
    for (const char* key : {"Europe/Madrid", "America/New_York", "Asia/Kolkata", "Australia/Sydney",
                            "Asia/Tokyo", "America/Sao_Paulo", "Africa/Nairobi", "Europe/Oslo"}) {
        CRegTimeZone probe;
        probe.keyName = key;
        if (const CRegTimeZone* zone = zones.FindZone(probe, kZoneFilterAll | kZoneFilterKeyOnly))
            settings.clocks.Add().zone = *zone;
    }
    settings.displayFlags = flags;
    ClockWindowEnv env;
    env.utcNow = [&] { return utc; };
    env.localNow = [&] { return utc; };
    ClockWindow window(settings, env);
    window.resize(flags & 1 ? 960 : 800, flags & 1 ? 140 : 60);
    window.SetDayAndNight(dayAndNight);
    window.show();
    QApplication::processEvents();
    for (auto _ : state) {
        utc = utc + DateTimeSpan::FromSeconds(60);
        window.Tick();
        window.update();
        window.repaint();
    }
    state.counters["clocks"] = double(settings.clocks.Count());
}

void DigitalCitiesPlain(benchmark::State& s)
{
    PaintEightCities(s, 0x5300, false);
}
void DigitalCitiesDayAndNight(benchmark::State& s)
{
    PaintEightCities(s, 0x5300, true);
}
void AnalogCitiesPlain(benchmark::State& s)
{
    PaintEightCities(s, 0x5301, false);
}
void AnalogCitiesDayAndNight(benchmark::State& s)
{
    PaintEightCities(s, 0x5301, true);
}
BENCHMARK(DigitalCitiesPlain)->Unit(benchmark::kMicrosecond)->Repetitions(5);
BENCHMARK(DigitalCitiesDayAndNight)->Unit(benchmark::kMicrosecond)->Repetitions(5);
BENCHMARK(AnalogCitiesPlain)->Unit(benchmark::kMicrosecond)->Repetitions(5);
BENCHMARK(AnalogCitiesDayAndNight)->Unit(benchmark::kMicrosecond)->Repetitions(5);

} // namespace

int main(int argc, char** argv)
{
    return orbel::RunWindowBenchmarks(argc, argv);
}
