// What one keystroke in a zone search costs: a letter typed into Time in Zone's search and
// taken back, alternately, over every zone of the real tz database ("q" hides nearly all of
// them, Backspace shows them again: the most rows that one key can change). Runs on Qt's
// offscreen platform unless QT_QPA_PLATFORM says otherwise. Report the median of
// repetitions: --benchmark_repetitions=9 --benchmark_report_aggregates_only=true.
#include <QComboBox>
#include <QTest>

#include <benchmark/benchmark.h>

#include "bench/qt/WindowBenchMain.h"
#include "clocks/qt/TimeInZoneWindow.h"
#include "widgets/PickerSearch.h"
#include "zones/SystemZones.h"

namespace {

using namespace orbel;

void KeystrokeInZoneSearch(benchmark::State& state)
{
    const DateTime utc = DateTime::FromCalendar(2026, 12, 8, 10, 15, 0);
    CRegTimeZoneList zones;
    ReadSystemZones(zones, kSystemZoneFolder, 2026);
    TimeInZoneWindow window(
        std::move(zones), [&] { return utc; }, LocaleTexts{});
    window.show();
    QApplication::processEvents();
    PickerSearch* search = window.Search();
    search->setFocus();
    const int all = window.Picker()->count();
    QTest::keyClick(search, Qt::Key_Q);
    if (all < 300 || search->ShownCount() >= all / 10) {
        state.SkipWithError("the search did not narrow the zones");
        return;
    }
    QTest::keyClick(search, Qt::Key_Backspace);
    bool letter = true;
    for (auto _ : state) {
        QTest::keyClick(search, letter ? Qt::Key_Q : Qt::Key_Backspace);
        letter = !letter;
        benchmark::DoNotOptimize(search->ShownCount());
    }
    state.counters["zones"] = all;
}
BENCHMARK(KeystrokeInZoneSearch)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return orbel::RunWindowBenchmarks(argc, argv);
}
