// What one keystroke in the Convert window costs: a key typed into row 1's time (alternately
// a digit and Backspace) and row 2 updated, on clocks of the real tz database. Runs on Qt's
// offscreen platform unless QT_QPA_PLATFORM says otherwise. Report the median of
// repetitions: --benchmark_repetitions=9 --benchmark_report_aggregates_only=true.
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <benchmark/benchmark.h>

#include "bench/qt/WindowBenchMain.h"
#include "clocks/qt/ConvertWindow.h"
#include "settings/AppSettings.h"
#include "settings/RegistryStore.h"
#include "zones/SystemZones.h"

namespace {

using namespace orbel;

void KeystrokeInConvert(benchmark::State& state)
{
    const DateTime utc = DateTime::FromCalendar(2026, 12, 8, 10, 15, 0);
    CRegTimeZoneList zones;
    ReadSystemZones(zones, kSystemZoneFolder, 2026);
    SettingsPlatform platform;
    platform.utcNow = [&] { return utc; };
    platform.localZone = [] { return TimeZoneInformation{}; };
    platform.defaultGuiFont.SetFace("DejaVu Sans");
    MemoryRegistryStore store;
    CAppSettings settings(store, platform, "/opt/orbel/orbel");
    settings.SetDefaults();
    settings.clocks.Clear();
    for (const char* key :
         {"Europe/Madrid", "Asia/Tokyo", "America/New_York", "Australia/Sydney", "America/Santiago",
          "Europe/London", "Asia/Kolkata", "Pacific/Auckland"})
        for (const auto& z : zones)
            if (z->keyName == key) {
                CClock& c = settings.clocks.Add();
                c.name = key;
                CopyZone(c.zone, *z);
            }
    ClockWindowEnv env;
    env.utcNow = [&] { return utc; };
    env.localNow = [&] { return utc; };
    ConversionRows rows;
    rows.row1 = 0;
    rows.row2 = 1;
    ConvertWindow window(settings, env, rows);
    window.show();
    QApplication::processEvents();
    QLineEdit* time1 = window.Time(1);
    time1->setFocus();
    time1->setText(QStringLiteral("23:3"));
    time1->end(false);
    // One keystroke first: it must reach the field and convert.
    const QString before = window.Time(2)->text();
    QTest::keyClick(time1, Qt::Key_0);
    if (window.Time(2)->text() == before || window.Time(2)->text() == QStringLiteral("Undefined")) {
        state.SkipWithError("a keystroke did not convert");
        return;
    }
    QTest::keyClick(time1, Qt::Key_Backspace);
    bool digit = true;
    for (auto _ : state) {
        QTest::keyClick(time1, digit ? Qt::Key_0 : Qt::Key_Backspace);
        digit = !digit;
        benchmark::DoNotOptimize(window.Time(2)->text());
    }
}
BENCHMARK(KeystrokeInConvert)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return orbel::RunWindowBenchmarks(argc, argv);
}
