// One paint of the Jupiter disc window, which draws afresh at every paint: a
// maximised window with the globe filling it (level 0) and with the four
// moons in view (the default level).
#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include "common/paint/DrawingSurface.h"
#include "common/settings/Settings.h"
#include "satellites/JupiterDocument.h"
#include "satellites/JupiterZoom.h"
#include "satellites/paint/JupiterPicture.h"

namespace {

using namespace vantorel;

void BM_JupiterPicture1100x1000(benchmark::State& state) {
    // The satellites' letters are text, and text needs the GUI application
    // (offscreen).
    static int argc = 1;
    static char name[] = "vantorel_bench";
    static char* argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        new QGuiApplication(argc, argv);
    }
    Settings settings;
    JupiterDocument doc(DateTime{}, settings);
    doc.dt.setLocal(2026, 12, 8, 21, 0, 1, 0);
    doc.computeBody();
    DiscRenderer renderer(DiscRenderer::kJupiter);
    DrawingSurface s(1100, 1000);
    const int level = static_cast<int>(state.range(0));
    for (auto _ : state) {
        const JupiterPictureLayout l = paintJupiterPicture(s, doc, renderer, level);
        benchmark::DoNotOptimize(l.satellites[0].x);
    }
}
BENCHMARK(BM_JupiterPicture1100x1000)
    ->Arg(0)
    ->Arg(JupiterZoom::kDefaultLevel)
    ->Unit(benchmark::kMillisecond);

}  // namespace
