// A planet panel's whole computation: rise/transit/set of the local date (three
// apparent places through the day) plus the instant (four places, three
// light-time passes each) and the altitude.
#include <benchmark/benchmark.h>

#include "engine/BodySequence.h"
#include "engine/DateTime.h"
#include "engine/EarthSun.h"
#include "engine/Jupiter.h"
#include "engine/Mars.h"
#include "engine/Mercury.h"
#include "engine/Neptune.h"
#include "engine/Pluto.h"
#include "engine/Saturn.h"
#include "engine/Uranus.h"
#include "engine/Venus.h"

namespace vantorel {
namespace {

constexpr double kLatitude = 48.8;

DateTime panelDate() {
    DateTime dt;
    dt.setLocal(2024, 6, 1, 22, 30, 2, 0);
    return dt;
}

template <class Planet>
void BM_PlanetPanel(benchmark::State& state) {
    Planet planet;
    EarthSun es;
    const DateTime start = panelDate();
    const BodyPlace place = planetPlace(planet);
    for (auto _ : state) {
        DateTime dt = start;
        computeBodyDocument(dt, es, place, kLatitude);
        benchmark::DoNotOptimize(dt.altitudeDegrees);
        benchmark::DoNotOptimize(planet.ra);
    }
}
BENCHMARK(BM_PlanetPanel<Mercury>)->Name("PlanetPanel/Mercury")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlanetPanel<Venus>)->Name("PlanetPanel/Venus")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlanetPanel<Mars>)->Name("PlanetPanel/Mars")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlanetPanel<Jupiter>)->Name("PlanetPanel/Jupiter")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlanetPanel<Saturn>)->Name("PlanetPanel/Saturn")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlanetPanel<Uranus>)->Name("PlanetPanel/Uranus")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlanetPanel<Neptune>)->Name("PlanetPanel/Neptune")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlanetPanel<Pluto>)->Name("PlanetPanel/Pluto")->Unit(benchmark::kMicrosecond);

void BM_SunPanel(benchmark::State& state) {
    EarthSun es;
    const DateTime start = panelDate();
    const BodyPlace place = sunPlace();
    for (auto _ : state) {
        DateTime dt = start;
        computeBodyDocument(dt, es, place, kLatitude);
        benchmark::DoNotOptimize(es.sunRa);
    }
}
BENCHMARK(BM_SunPanel)->Name("PlanetPanel/Sun")->Unit(benchmark::kMicrosecond);

// What the all-planets table needs: the Sun and the eight planets.
void BM_AllPanels(benchmark::State& state) {
    Mercury mercury;
    Venus venus;
    Mars mars;
    Jupiter jupiter;
    Saturn saturn;
    Uranus uranus;
    Neptune neptune;
    Pluto pluto;
    Planet* planets[] = {&mercury, &venus, &mars, &jupiter, &saturn, &uranus, &neptune, &pluto};
    EarthSun es;
    const DateTime start = panelDate();
    for (auto _ : state) {
        DateTime dt = start;
        computeBodyDocument(dt, es, sunPlace(), kLatitude);
        for (Planet* p : planets) {
            dt = start;
            computeBodyDocument(dt, es, planetPlace(*p), kLatitude);
        }
        benchmark::DoNotOptimize(dt.altitudeDegrees);
    }
}
BENCHMARK(BM_AllPanels)->Name("PlanetPanel/All")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vantorel
