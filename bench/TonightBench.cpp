// The night plan: one night for a site, and a year of calendar events, with
// the satellite phenomena computed (no yearly file in the working directory).
#include <benchmark/benchmark.h>

#include "tonight/NightCalendar.h"
#include "tonight/NightPlan.h"

using namespace vantorel;

namespace {

NightRequest paris(int y, int m, int d) {
    NightRequest rq;
    rq.year = y;
    rq.month = m;
    rq.day = d;
    rq.site.latitudeDeg = 48.85;
    rq.site.longitudeDeg = 2.35;
    rq.site.zone = TimeZone::fixed(60);
    return rq;
}

// Jupiter high all night, its events between the twilights.
void BM_NightPlan(benchmark::State& state) {
    for (auto _ : state) {
        const NightPlan plan = computeNightPlan(paris(2023, 12, 5));
        benchmark::DoNotOptimize(plan.jupiterEvents.size());
    }
}
BENCHMARK(BM_NightPlan)->Unit(benchmark::kMillisecond);

// Midsummer at 70 degrees north: no darkness, so no Jupiter day searches.
void BM_NightPlanPolarSummer(benchmark::State& state) {
    NightRequest rq = paris(2024, 6, 21);
    rq.site.latitudeDeg = 69.65;
    rq.site.longitudeDeg = 18.96;
    for (auto _ : state) {
        const NightPlan plan = computeNightPlan(rq);
        benchmark::DoNotOptimize(plan.planets.size());
    }
}
BENCHMARK(BM_NightPlanPolarSummer)->Unit(benchmark::kMillisecond);

void BM_CalendarYear(benchmark::State& state) {
    CalendarRequest rq;
    rq.first = paris(2024, 1, 1);
    rq.nights = kMaxCalendarNights;
    size_t events = 0;
    for (auto _ : state) {
        const std::vector<NightEvent> found = calendarEvents(rq);
        events = found.size();
        benchmark::DoNotOptimize(events);
    }
    state.counters["events"] = static_cast<double>(events);
}
BENCHMARK(BM_CalendarYear)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
