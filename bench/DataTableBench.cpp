// The all-planets table: its whole computation (every planet's day of rise,
// transit and set and its instant, the Red Spot's day, the Moon and the Sun),
// what a date or zone change costs, and the texts and picture drawn from it.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>

#include "common/settings/Settings.h"
#include "planets/DataTableDocument.h"
#include "planets/DataTableText.h"
#include "planets/paint/DataTablePicture.h"

namespace vantorel {
namespace {

Settings tableSite() {
    Settings s;
    s.language = 0;
    s.dateFormat = 0;
    s.zoneHours = 1;
    s.latitude = 48.8f;
    s.redSpotLongitude = 80;
    return s;
}

void BM_DataTableCompute(benchmark::State& state) {
    const Settings s = tableSite();
    DataTableDocument doc(DateTime(), s);
    doc.dt.setLocal(2024, 3, 21, 21, 0, 1, 0);
    for (auto _ : state) {
        doc.computeTable();
        benchmark::DoNotOptimize(doc.moon.colongitude);
    }
}
BENCHMARK(BM_DataTableCompute)->Unit(benchmark::kMillisecond);

void BM_DataTableTextAndPicture(benchmark::State& state) {
    // Text needs a GUI application; no screen is needed.
    static int argc = 1;
    static char name[] = "bench";
    static char* argv[] = {name};
    if (!QGuiApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        new QGuiApplication(argc, argv);
    }
    const Settings s = tableSite();
    DataTableDocument doc(DateTime(), s);
    doc.dt.setLocal(2024, 3, 21, 21, 0, 1, 0);
    doc.computeTable();
    for (auto _ : state) {
        const QImage picture = dataTablePicture(dataTableLines(doc, 0, 0));
        benchmark::DoNotOptimize(picture.constBits());
    }
}
BENCHMARK(BM_DataTableTextAndPicture)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vantorel
