// The night plan: one night for a site, and a year of calendar events, with
// the satellite phenomena computed (no yearly file in the working directory).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "common/settings/Settings.h"
#include "tonight/NightCalendar.h"
#include "tonight/NightPlan.h"
#include "tonight/NightPlanText.h"
#include "tonight/TonightDocument.h"
#include "tonight/paint/NightTimeline.h"

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

// What the window does on the interface's thread when its date, site or
// zone changes: the night computed, the timeline drawn, the lists' texts made.
void BM_TonightWindowUpdate(benchmark::State& state) {
    static int argc = 1;
    static char name[] = "bench";
    static char* argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        new QGuiApplication(argc, argv);
    }
    Settings settings;
    settings.language = 0;
    settings.dateFormat = 0;
    settings.zoneHours = 1;
    settings.latitude = 48.85f;
    settings.longitude = 2.35;
    TonightDocument doc(settings);
    doc.dateTime.setLocal(2023, 12, 5, 21, 0, 1, 0);
    QImage picture(kNightTimelineWidth, 300, QImage::Format_RGB32);
    size_t rows = 0;
    for (auto _ : state) {
        doc.compute();
        QPainter painter(&picture);
        paintNightTimeline(painter, picture.rect(), doc.plan(), 0);
        painter.end();
        for (const NightTextSection& s : nightPlanSections(doc.plan(), 0, 0)) rows += s.rows.size();
    }
    benchmark::DoNotOptimize(rows);
}
BENCHMARK(BM_TonightWindowUpdate)->Unit(benchmark::kMillisecond);

}  // namespace
