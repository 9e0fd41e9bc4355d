// What opening the meeting planner costs with eight clocks of the real tz database and the
// night of their cities: the window made, its day planned, shown and painted once. Runs on
// Qt's offscreen platform unless QT_QPA_PLATFORM says otherwise. Report the median of
// repetitions: --benchmark_repetitions=9 --benchmark_report_aggregates_only=true.
#include <QApplication>

#include <benchmark/benchmark.h>

#include "bench/qt/WindowBenchMain.h"
#include "planner/qt/PlanGrid.h"
#include "planner/qt/PlannerWindow.h"
#include "sun/ZoneCoordinates.h"
#include "zones/SystemZones.h"

namespace {

using namespace orbel;

void OpenPlannerWithEightClocks(benchmark::State& state)
{
    CRegTimeZoneList zones;
    ReadSystemZones(zones, kSystemZoneFolder, 2026);
    std::vector<CClock> clocks;
    for (const char* key : {"Europe/Madrid", "America/New_York", "Asia/Kolkata", "Australia/Sydney",
                            "Asia/Kathmandu", "Pacific/Chatham", "America/Santiago", "Asia/Tokyo"})
        for (const auto& z : zones)
            if (z->keyName == key) {
                CClock& c = clocks.emplace_back();
                c.name = key;
                CopyZone(c.zone, *z);
            }
    if (clocks.size() != 8) {
        state.SkipWithError("a zone is missing from the tz database");
        return;
    }
    std::int64_t now = DaysFromCivil(2026, 3, 28) * 86400 + 23 * 3600;
    for (auto _ : state) {
        // Another day each time: nothing of the sun's place is kept from the last one.
        now += 3 * 86400;
        // What the shell does on P: the rows with their cities' sky, the window shown.
        std::vector<PlanClock> rows;
        for (const CClock& c : clocks)
            rows.push_back(PlanClockOf(c, SkyOver(SystemZoneAtlas().Find(c.zone.keyName))));
        PlannerWindow window(std::move(rows), now, LocaleTexts{});
        window.show();
        window.Grid()->repaint();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.Grid()->Plan().columns.size());
    }
}
BENCHMARK(OpenPlannerWithEightClocks)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return orbel::RunWindowBenchmarks(argc, argv);
}
