// The Moon document's computations and the searches that repeat them.
#include <benchmark/benchmark.h>

#include "common/settings/Settings.h"
#include "engine/Mars.h"
#include "moon/MoonDocument.h"
#include "moon/MoonPlace.h"
#include "sky/ConjunctionSearch.h"
#include "sky/MarsSeasonSearch.h"

namespace {

using namespace vantorel;

// One full computation of the Moon document: date, nutation, Sun, Moon with
// its librations, colongitude and 56-phase table, illuminated fraction.
void BM_MoonFullComputation(benchmark::State& state) {
    Settings settings;
    settings.zoneHours = 1;
    MoonDocument doc(settings);
    doc.setDate(2024, 3, 15, 21, 30);
    for (auto _ : state) {
        doc.computeFull();
        benchmark::DoNotOptimize(doc.moon.colongitude);
    }
}
BENCHMARK(BM_MoonFullComputation)->Unit(benchmark::kMicrosecond);

// The Moon's rise, transit and set of one local date: three places through
// the day, then each event corrected at the Moon's own place.
void BM_MoonRiseTransitSet(benchmark::State& state) {
    DateTime start;
    start.setLocal(2026, 12, 8, 10, 6, 1, 0);
    const double latitude = state.range(0);
    for (auto _ : state) {
        DateTime dt = start;
        computeMoonRiseTransitSet(dt, latitude);
        benchmark::DoNotOptimize(dt.riseMinute);
    }
}
BENCHMARK(BM_MoonRiseTransitSet)->Arg(48)->Arg(65)->Arg(90)->Unit(benchmark::kMicrosecond);

// A whole year's Lunar X search from January: whole hours, then minutes.
void BM_LunarXYear(benchmark::State& state) {
    Settings settings;
    MoonDocument doc(settings);
    doc.setDate(2024, 1, 1, 0, 0);
    for (auto _ : state) {
        doc.computeFull();
        benchmark::DoNotOptimize(doc.searchLunarX(false));
    }
}
BENCHMARK(BM_LunarXYear)->Unit(benchmark::kMillisecond);

// The same search one minute at a time, for comparison.
void BM_LunarXYearMinuteByMinute(benchmark::State& state) {
    Settings settings;
    MoonDocument doc(settings);
    doc.setDate(2024, 1, 1, 0, 0);
    for (auto _ : state) {
        doc.computeFull();
        benchmark::DoNotOptimize(doc.searchLunarX(true));
    }
}
BENCHMARK(BM_LunarXYearMinuteByMinute)->Unit(benchmark::kMillisecond);

// Ten years of Martian seasons (about 21 lines).
void BM_MarsSeasonsTenYears(benchmark::State& state) {
    Mars mars;
    DateTime dt;
    dt.setLocal(2013, 1, 1, 0, 0, 0, 0);
    MarsSeasonSearchResult list;
    for (auto _ : state) {
        searchMarsSeasons(mars, dt, 2023, 0, 0, list);
        benchmark::DoNotOptimize(list.count);
    }
}
BENCHMARK(BM_MarsSeasonsTenYears)->Unit(benchmark::kMillisecond);

// The same one minute at a time through the last degree, for comparison.
void BM_MarsSeasonsTenYearsMinuteByMinute(benchmark::State& state) {
    Mars mars;
    DateTime dt;
    dt.setLocal(2013, 1, 1, 0, 0, 0, 0);
    MarsSeasonSearchResult list;
    for (auto _ : state) {
        searchMarsSeasons(mars, dt, 2023, 0, 0, list, true);
        benchmark::DoNotOptimize(list.count);
    }
}
BENCHMARK(BM_MarsSeasonsTenYearsMinuteByMinute)->Unit(benchmark::kMillisecond);

// The next phenomena of Mercury (four events).
void BM_PhenomenaMercury(benchmark::State& state) {
    DateTime dt;
    dt.setLocal(1993, 10, 1, 0, 0, 0, 0);
    dt.computeDate();
    for (auto _ : state) {
        ConjunctionSearch search(0, 0);
        search.searchPhenomena(dt, kPhenomenaMercury);
        benchmark::DoNotOptimize(search.count);
    }
}
BENCHMARK(BM_PhenomenaMercury)->Unit(benchmark::kMicrosecond);

}  // namespace
