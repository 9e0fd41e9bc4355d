// How long the options sheet takes to open: built with all five pages, shown and painted
// once, then closed with Cancel. The zone pickers hold the zones of this computer's tz
// database (about 400). Runs on Qt's offscreen platform unless QT_QPA_PLATFORM says
// otherwise.
#include <QApplication>
#include <QComboBox>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "bench/qt/WindowBenchMain.h"
#include "clocks/qt/ClockWindow.h"
#include "options/qt/CPPClocks.h"
#include "options/qt/CPSOptions.h"
#include "settings/AppSettings.h"
#include "settings/RegistryStore.h"

namespace {

using namespace orbel;

void OpenOptionsSheet(benchmark::State& state)
{
    QTemporaryDir dir;
    DateTime utc = DateTime::FromCalendar(2026, 12, 8, 10, 15, 0);
    SettingsPlatform platform;
    platform.dataFolder = dir.path().toStdString();
    platform.utcNow = [&] { return utc; };
    platform.localZone = [] { return TimeZoneInformation{}; };
    platform.defaultGuiFont.weight = 400;
    platform.defaultGuiFont.SetFace("DejaVu Sans");
    MemoryRegistryStore store;
    CAppSettings settings(store, platform, "/opt/orbel/orbel");
    settings.SetDefaults();
    ClockWindowEnv env;
    env.utcNow = [&] { return utc; };
    env.localNow = [&] { return utc; };
    ClockWindow window(settings, env);
    window.resize(192, 48);
    window.show();
    QApplication::processEvents();

    OptionsEnvironment options;
    options.settings = &settings;
    options.clockWindow = &window;
    options.zoneSources.programFolder = platform.dataFolder;
    options.utcNow = env.utcNow;
    options.localNow = env.localNow;
    std::optional<Rect> lastRect;
    std::int64_t zones = 0;
    for (auto _ : state) {
        auto* sheet = new CPSOptions(options, &lastRect, &window);
        sheet->show();
        sheet->repaint();
        state.PauseTiming();
        zones = static_cast<CPPClocks*>(sheet->Page(0))->ZonePicker()->count();
        sheet->PressCancel();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // it goes
        state.ResumeTiming();
    }
    state.counters["zones"] = static_cast<double>(zones);
}
BENCHMARK(OpenOptionsSheet)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly();

} // namespace

int main(int argc, char** argv)
{
    return orbel::RunWindowBenchmarks(argc, argv);
}
