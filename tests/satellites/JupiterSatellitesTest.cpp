#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/BodySequence.h"
#include "engine/DateTime.h"
#include "engine/EarthSun.h"
#include "satellites/GalileanPhenomenaSearch.h"
#include "satellites/JupiterMotion.h"
#include "satellites/JupiterSystem.h"

using namespace vantorel;

// The handbook's higher-accuracy example (1992 December 16, 0 h UT) through
// the planet's own theory and the document's sequence for one instant.
TEST(JupiterSatellites, HandbookExampleThroughThePlanetTheory) {
    JupiterSystem jupiter;
    EarthSun es;
    DateTime dt;
    dt.setLocal(1992, 12, 16, 0, 0, 0, 0);
    computeInstant(dt, es, planetPlace(jupiter));
    dt.computeDate();
    jupiter.computeSatellites(dt, "16    -24  00", es);
    const double x[4] = {-3.4502, 7.4418, 1.2011, 7.0720};
    const double y[4] = {0.2137, 0.2753, 0.5900, 1.0291};
    for (int j = 0; j < 4; ++j) {
        EXPECT_NEAR(jupiter.AX[j], x[j], 0.005) << "satellite " << j + 1;
        EXPECT_NEAR(jupiter.AY[j], y[j], 0.001) << "satellite " << j + 1;
    }
    EXPECT_EQ(jupiter.rows.count(), 0);  // a drawing label never records
}

namespace {
std::vector<std::string> monthRows(SearchMode mode, long& computed) {
    JupiterSystem jupiter;
    EarthSun es;
    JupiterMotion motion(jupiter, es);
    GalileanPhenomenaSearch search(jupiter, motion, mode);
    std::vector<std::string> rows;
    jupiter.fileMode = true;
    search.run({2011, 10, 1, 0, 0}, TimeZone(), -60, 60 + 31 * 1440L, 0, formatDayLabel,
               [&](const LocalMinute&) {
                   for (int i = 0; i < jupiter.rows.count(); ++i)
                       rows.push_back(jupiter.rows[i].text);
                   jupiter.rows.clear();
               });
    computed = search.evaluations();
    return rows;
}
}  // namespace

// With Jupiter's place recomputed at every instant, the fast search gives the
// rows of computing everything every minute: October 2011, Jupiter near
// opposition.
TEST(JupiterSatellites, FastRowsEqualEveryMinuteRowsOverAMonth) {
    long fast = 0, full = 0;
    const auto a = monthRows(SearchMode::Fast, fast);
    const auto b = monthRows(SearchMode::Exhaustive, full);
    EXPECT_EQ(full, 60 + 31 * 1440);
    EXPECT_LT(fast * 8, full);
    EXPECT_GT(b.size(), 150u);
    EXPECT_EQ(a, b);
}
