// Saturn's window: the moons of one instant from the records (run from the
// repository root, whose data/ holds them) and the whole picture.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "common/paint/DrawingSurface.h"
#include "common/settings/Settings.h"
#include "engine/DateTime.h"
#include "engine/Saturn.h"
#include "planets/SaturnDocument.h"
#include "satellites/SatelliteRecordTable.h"
#include "satellites/SaturnMoonSet.h"
#include "satellites/paint/SaturnSatPicture.h"

using namespace vantorel;

namespace {

void BM_SaturnMoonsFromRecords(benchmark::State& state) {
    Settings settings;
    SaturnDocument doc(DateTime{}, settings);
    doc.dt.setLocal(2030, 3, 1, 1, 0, 1, 0);
    doc.computeBody();
    SatelliteRecordTable table = SatelliteRecordTable::saturn();
    for (auto _ : state) {
        SaturnMoonSet set = computeSaturnMoons(doc.planet(), doc.dt, table);
        benchmark::DoNotOptimize(set.moons[5].x);
    }
}
BENCHMARK(BM_SaturnMoonsFromRecords)->Unit(benchmark::kMicrosecond);

void BM_SaturnPicture(benchmark::State& state) {
    // The legend is text, and text needs the GUI application (offscreen).
    static int argc = 1;
    static char name[] = "vantorel_bench";
    static char* argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        new QGuiApplication(argc, argv);
    }
    Settings settings;
    SaturnDocument doc(DateTime{}, settings);
    doc.dt.setLocal(2032, 10, 15, 21, 0, 1, 0);
    doc.computeBody();
    DrawingSurface surface(440, 300);
    DiscRenderer renderer(DiscRenderer::kSaturn);
    for (auto _ : state) {
        SaturnSatDrawing d = paintSaturnSatPicture(surface, doc.moons, renderer, 4, 0);
        benchmark::DoNotOptimize(d.moonX[0]);
    }
}
BENCHMARK(BM_SaturnPicture)->Unit(benchmark::kMicrosecond);

}  // namespace
