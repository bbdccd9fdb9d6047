// Galilean satellites: one computation, one day search and a whole yearly
// phenomena file with the real planetary theory behind them.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "engine/DateTime.h"
#include "engine/EarthSun.h"
#include "satellites/GalileanPhenomenaSearch.h"
#include "satellites/JupiterMotion.h"
#include "satellites/JupiterSystem.h"
#include "satellites/PhenomenaFiles.h"

using namespace vantorel;

namespace {

void BM_ComputeSatellites(benchmark::State& state) {
    JupiterSystem jupiter;
    EarthSun es;
    DateTime dt;
    dt.setLocal(2005, 3, 14, 21, 7, 0, 0);
    dt.computeDate();
    JupiterMotion motion(jupiter, es);
    JupiterPlace place;
    motion.placeAt(dt, place);
    for (auto _ : state) {
        jupiter.computeSatellites(dt, "14     21   07", es);
        benchmark::DoNotOptimize(jupiter.AX[0]);
    }
}
BENCHMARK(BM_ComputeSatellites);

void BM_DaySearch(benchmark::State& state) {
    const SearchMode mode = state.range(0) ? SearchMode::Exhaustive : SearchMode::Fast;
    JupiterSystem jupiter;
    EarthSun es;
    JupiterMotion motion(jupiter, es);
    GalileanPhenomenaSearch search(jupiter, motion, mode);
    for (auto _ : state) {
        search.findDay({2005, 3, 14, 0, 0}, TimeZone::fixed(60));
        benchmark::DoNotOptimize(jupiter.rows.count());
    }
    state.counters["computed_minutes"] = static_cast<double>(search.evaluations());
}
BENCHMARK(BM_DaySearch)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_YearlyFile(benchmark::State& state) {
    namespace fs = std::filesystem;
    const fs::path previous = fs::current_path();
    const fs::path dir = fs::temp_directory_path() / "vantorel-bench-yearly";
    fs::create_directories(dir);
    fs::current_path(dir);
    long rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::error_code ec;
        fs::permissions(dir / "j2005.sat", fs::perms::owner_all, ec);
        fs::remove(dir / "j2005.sat", ec);
        JupiterSystem jupiter;
        EarthSun es;
        JupiterMotion motion(jupiter, es);
        state.ResumeTiming();
        const FileResult r = generateYearlyFile(2005, jupiter, motion, SearchMode::Fast, 0);
        rows = r.rows;
    }
    state.counters["rows"] = static_cast<double>(rows);
    fs::current_path(previous);
    fs::remove_all(dir);
}
BENCHMARK(BM_YearlyFile)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
