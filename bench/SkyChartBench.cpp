// A fresh drawing of the sky chart reads both catalogues again: what that
// costs at 1600 x 900, catalogues included, and the reading alone.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include <cstdlib>
#include <string>

#include "common/paint/DrawingSurface.h"
#include "common/settings/Settings.h"
#include "sky/CatalogueRecord.h"
#include "sky/SkyChartDocument.h"
#include "sky/paint/HelioPicture.h"
#include "sky/paint/SkyChartPicture.h"

namespace {

using namespace vantorel;

// Text needs a GUI application; one for the whole run, without a screen.
void ensureGuiApplication() {
    static int argc = 1;
    static char name[] = "vantorel_bench";
    static char* argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) {
        if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
        new QGuiApplication(argc, argv);
    }
}

SkyCatalogues sourceCatalogues() {
    const std::string dir = std::string(VANTOREL_SOURCE_DIR) + "/data/";
    return SkyCatalogues{dir + "const.dat", dir + "etoiles.dat"};
}

void BM_SkyChartRepaint1600x900(benchmark::State& state) {
    ensureGuiApplication();
    Settings settings;
    settings.language = 0;
    SkyChartDocument doc(settings);
    doc.setDate(2026, 12, 8, 20, 0);
    const SkyCatalogues files = sourceCatalogues();
    DrawingSurface surface(1600, 900);
    for (auto _ : state) {
        const SkyChartDescription d = paintSkyChart(surface, doc, 45.0f, files);
        benchmark::DoNotOptimize(d.stars);
        benchmark::DoNotOptimize(surface.image().constBits());
    }
}
BENCHMARK(BM_SkyChartRepaint1600x900)->Unit(benchmark::kMillisecond);

void BM_ReadCataloguesOnly(benchmark::State& state) {
    const SkyCatalogues files = sourceCatalogues();
    const auto m = SkyChartMapping::fromClient(0, 0, 1600, 900, 45.0f);
    for (auto _ : state) {
        int sum = 0;
        sum += readConstellationFigures(files.figures, m, [&](int a, int, int, int) { sum += a; });
        sum += readStars(files.stars, m, [&](int x, int, StarMark) { sum += x; });
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_ReadCataloguesOnly)->Unit(benchmark::kMillisecond);

// The sky document's computation: the eight planets, the Sun and the Moon.
void BM_SkyDocumentCompute(benchmark::State& state) {
    Settings settings;
    SkyChartDocument doc(settings);
    doc.setDate(2026, 12, 8, 20, 0);
    for (auto _ : state) {
        doc.compute();
        benchmark::DoNotOptimize(doc.moon.rightAscension);
    }
}
BENCHMARK(BM_SkyDocumentCompute)->Unit(benchmark::kMillisecond);

void BM_HelioPaint(benchmark::State& state) {
    ensureGuiApplication();
    Settings settings;
    HeliocentricDocument doc(settings);
    doc.setDate(2026, 12, 8, 20, 0);
    DrawingSurface surface(340, 400);
    for (auto _ : state) {
        const HelioDescription d = paintHelio(surface, doc, 0, false);
        benchmark::DoNotOptimize(d.bodies.data());
    }
}
BENCHMARK(BM_HelioPaint)->Unit(benchmark::kMillisecond);

}  // namespace
