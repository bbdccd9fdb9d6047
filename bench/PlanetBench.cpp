// A planet panel's whole computation: rise/transit/set over three days plus
// the instant (four apparent places, three light-time passes each) and the altitude.
#include <benchmark/benchmark.h>

#include "engine/BodySequence.h"
#include "engine/DATE_TIME.h"
#include "engine/EARTH_SUN.h"
#include "engine/JUPITER.h"
#include "engine/MARS.h"
#include "engine/MERCURE.h"
#include "engine/NEPTUNE.h"
#include "engine/PLUTON.h"
#include "engine/SATURNE.h"
#include "engine/URANUS.h"
#include "engine/VENUS.h"

namespace vantorel {
namespace {

constexpr double kLatitude = 48.8;

DATE_TIME panelDate() {
    DATE_TIME dt;
    dt.setLocal(2024, 6, 1, 22, 30, 2, 0);
    return dt;
}

template <class Planet>
void BM_PlanetPanel(benchmark::State& state) {
    Planet planet;
    EARTH_SUN es;
    const DATE_TIME start = panelDate();
    const BodyPlace place = planetPlace(planet);
    for (auto _ : state) {
        DATE_TIME dt = start;
        computeBodyDocument(dt, es, place, kLatitude);
        benchmark::DoNotOptimize(dt.altitudeDegrees);
        benchmark::DoNotOptimize(planet.ra);
    }
}
BENCHMARK(BM_PlanetPanel<MERCURE>)->Name("PlanetPanel/Mercury")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlanetPanel<VENUS>)->Name("PlanetPanel/Venus")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlanetPanel<MARS>)->Name("PlanetPanel/Mars")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlanetPanel<JUPITER>)->Name("PlanetPanel/Jupiter")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlanetPanel<SATURNE>)->Name("PlanetPanel/Saturn")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlanetPanel<URANUS>)->Name("PlanetPanel/Uranus")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlanetPanel<NEPTUNE>)->Name("PlanetPanel/Neptune")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlanetPanel<PLUTON>)->Name("PlanetPanel/Pluto")->Unit(benchmark::kMicrosecond);

void BM_SunPanel(benchmark::State& state) {
    EARTH_SUN es;
    const DATE_TIME start = panelDate();
    const BodyPlace place = sunPlace();
    for (auto _ : state) {
        DATE_TIME dt = start;
        computeBodyDocument(dt, es, place, kLatitude);
        benchmark::DoNotOptimize(es.sunRa);
    }
}
BENCHMARK(BM_SunPanel)->Name("PlanetPanel/Sun")->Unit(benchmark::kMicrosecond);

// What the all-planets table needs: the Sun and the eight planets.
void BM_AllPanels(benchmark::State& state) {
    MERCURE mercury;
    VENUS venus;
    MARS mars;
    JUPITER jupiter;
    SATURNE saturn;
    URANUS uranus;
    NEPTUNE neptune;
    PLUTON pluto;
    PLANETE* planets[] = {&mercury, &venus, &mars, &jupiter, &saturn, &uranus, &neptune, &pluto};
    EARTH_SUN es;
    const DATE_TIME start = panelDate();
    for (auto _ : state) {
        DATE_TIME dt = start;
        computeBodyDocument(dt, es, sunPlace(), kLatitude);
        for (PLANETE* p : planets) {
            dt = start;
            computeBodyDocument(dt, es, planetPlace(*p), kLatitude);
        }
        benchmark::DoNotOptimize(dt.altitudeDegrees);
    }
}
BENCHMARK(BM_AllPanels)->Name("PlanetPanel/All")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vantorel
