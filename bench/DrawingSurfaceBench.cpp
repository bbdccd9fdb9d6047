// Costs of the drawing operations the disc pictures lean on most.
#include <benchmark/benchmark.h>

#include "common/paint/DrawingSurface.h"

using namespace vantorel;

// A filled disc the size of the largest planet picture, outlined then flood
// filled from its centre, as the phase shading does.
static void BM_FloodFillDisc(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    DrawingSurface s(size + 20, size + 20);
    for (auto _ : state) {
        s.fill(Rgb{0, 0, 0});
        s.setPen(PenStyle::Solid, 1, Rgb{255, 0, 0});
        s.setHollowBrush();
        s.ellipse(10, 10, 10 + size, 10 + size);
        s.setBrush(Rgb{0, 255, 255});
        benchmark::DoNotOptimize(s.floodFill(10 + size / 2, 10 + size / 2, Rgb{255, 0, 0}));
    }
    state.SetItemsProcessed(state.iterations() * size * size);
}
BENCHMARK(BM_FloodFillDisc)->Arg(76)->Arg(200)->Arg(400);

// 64 800 single pixels, the count of one map painted onto a globe.
static void BM_SetPixelMap(benchmark::State& state) {
    DrawingSurface s(400, 400);
    for (auto _ : state) {
        for (int lat = 0; lat < 180; ++lat)
            for (int lon = 0; lon < 360; ++lon)
                s.setPixel(20 + lon, 20 + lat * 2, Rgb{lon % 256, lat, 128});
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 64800);
}
BENCHMARK(BM_SetPixelMap);
