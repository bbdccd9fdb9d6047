// Painting a whole map: the cost of every fresh rendering of a body window.
#include <benchmark/benchmark.h>

#include "common/paint/DrawingSurface.h"
#include "planets/paint/BodyMaps.h"
#include "planets/paint/DiscRenderer.h"

namespace {

using vantorel::BodyMap;
using vantorel::DiscRenderer;
using vantorel::DrawingSurface;

void BM_PaintMapRadius100(benchmark::State& state) {
    const QImage& map = vantorel::bodyMap(BodyMap::Mars);
    DiscRenderer r(DiscRenderer::kMars);
    r.setPositionAngle(0.3);
    DrawingSurface s(260, 260);
    for (auto _ : state) {
        r.setCentre(130.0f, 130.0f);
        r.setRadius(100.0f);
        r.paintMap(s, 290.0, 0.35, 0, map);
        benchmark::DoNotOptimize(s.pixel(130, 130));
    }
}
BENCHMARK(BM_PaintMapRadius100)->Unit(benchmark::kMillisecond);

// A shaded disc: the map, the terminator and the night-side fill.
void BM_PaintMapShadedRadius100(benchmark::State& state) {
    const QImage& map = vantorel::bodyMap(BodyMap::Moon);
    DiscRenderer r(DiscRenderer::kMoon);
    DrawingSurface s(260, 260);
    for (auto _ : state) {
        s.fill({0, 0, 0});
        r.setCentre(130.0f, 130.0f);
        r.setRadius(100.0f);
        r.paintMap(s, 175.0, 0.05, 0, map, vantorel::DiscTerminator{60, 40});
        benchmark::DoNotOptimize(s.pixel(130, 130));
    }
}
BENCHMARK(BM_PaintMapShadedRadius100)->Unit(benchmark::kMillisecond);

}  // namespace
