#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "satellites/SatelliteRecordTable.h"
#include "tests/support/TempWorkingDir.h"

using namespace vantorel;

namespace {

std::string fortran(double v) {
    if (v == 0) return " 0.0000000000D+00";
    int e = static_cast<int>(std::floor(std::log10(std::fabs(v)))) + 1;
    const double m = std::fabs(v) / std::pow(10.0, e);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%c0.%010.0fD%c%02d", v < 0 ? '-' : ' ', m * 1e10,
                  e < 0 ? '-' : '+', std::abs(e));
    return buf;
}

// A Phobos record built by hand: week from JD 2453370.5 (31 December 2004).
std::string handRecord(int body, double T0, const double (&c)[20]) {
    char head[32];
    std::snprintf(head, sizeof head, "%d%3d%s%s%9.1f", body, 1, "20041231", "20050106", T0);
    std::string line = head;
    for (double v : c) line += fortran(v);
    return line + " ";
}

const double kCoefficients[20] = {0.5, 0.01, 20.0, 0.1, 0.001, 0.2, 0.3, 0.4, 0.5, 0.6,
                                  -0.25, -0.02, 10.0, 0.05, 0.002, 0.1, 1.0, 1.1, 1.2, 1.3};

}  // namespace

TEST(SatelliteRecordTable, HandBuiltRecordParsesAndEvaluates) {
    const std::string line = handRecord(1, 2453370.5, kCoefficients);
    ASSERT_EQ(line.size(), 370u);
    SatelliteRecord r;
    ASSERT_TRUE(parseSatelliteRecord(line + "\r\n", r));
    EXPECT_EQ(r.body, 1);
    EXPECT_EQ(r.firstDate, 20041231);
    EXPECT_DOUBLE_EQ(r.T0, 2453370.5);
    for (int i = 0; i < 20; ++i) EXPECT_NEAR(r.C[i], kCoefficients[i], 1e-12) << i;
    // dt = 2.25 days after trunc(T0) + 0.5.
    const double jd = 2453370.5 + 2.25, dt = 2.25, h = 19.7027 * dt;
    double first = 0, second = 0;
    evaluateSatelliteRecord(r, jd, 19.7027, first, second);
    const auto& c = kCoefficients;
    EXPECT_NEAR(first, c[0] + c[1] * dt + c[2] * std::sin(h + c[6]) + c[3] * dt * std::sin(h + c[7]) +
                           c[4] * dt * dt * std::sin(h + c[8]) + c[5] * std::sin(2 * h + c[9]), 1e-9);
    EXPECT_NEAR(second, c[10] + c[11] * dt + c[12] * std::sin(h + c[16]) +
                            c[13] * dt * std::sin(h + c[17]) + c[14] * dt * dt * std::sin(h + c[18]) +
                            c[15] * std::sin(2 * h + c[19]), 1e-9);
    // Malformed records are refused field by field.
    for (size_t at : {size_t{0}, size_t{6}, size_t{22}, size_t{40}, size_t{369 - 5}}) {
        std::string bad = line;
        bad[at] = 'x';
        EXPECT_FALSE(parseSatelliteRecord(bad, r)) << at;
    }
    EXPECT_FALSE(parseSatelliteRecord(line.substr(0, 200), r));
}

TEST(SatelliteRecordTable, WeekSelectionYearFilesAndMissingData) {
    TempWorkingDir dir;
    std::filesystem::create_directory(dir.file("data"));
    // The week from JD 2453370 (noon, 30 December 2004) is in both years' files.
    const std::string week = handRecord(2, 2453370.5, kCoefficients);
    const std::string next = handRecord(2, 2453377.5, kCoefficients);
    std::ofstream(dir.file("data/mars04.dat")) << week << "\n";
    std::ofstream(dir.file("data/mars05.dat")) << "garbage line\n" << week << "\n" << next << "\n";
    SatelliteRecordTable table = SatelliteRecordTable::mars();
    double a = 0, b = 0;
    EXPECT_TRUE(table.offsets(2, 2004, 12, 31, 23, 59, a, b));
    EXPECT_TRUE(table.offsets(2, 2005, 1, 1, 0, 0, a, b));
    double a2 = 0, b2 = 0;
    SatelliteRecord r;
    ASSERT_TRUE(parseSatelliteRecord(week, r));
    evaluateSatelliteRecord(r, 2453371.5, 4.9788, a2, b2);
    EXPECT_DOUBLE_EQ(a, a2);
    EXPECT_DOUBLE_EQ(b, b2);
    // trunc(JD) changes at noon: 6 January 2005 11:59 UT is the first week's, 12:00 the next's.
    EXPECT_TRUE(table.offsets(2, 2005, 1, 6, 11, 59, a, b));
    evaluateSatelliteRecord(r, 2453376.5 + 719.0 / 1440, 4.9788, a2, b2);
    EXPECT_NEAR(a, a2, 1e-9);
    EXPECT_TRUE(table.offsets(2, 2005, 1, 6, 12, 0, a, b, true));
    EXPECT_EQ(b, 0.0);  // the second mode gives the first offset only
    EXPECT_FALSE(table.offsets(2, 2005, 1, 20, 12, 0, a, b));  // no record that week
    EXPECT_FALSE(table.offsets(1, 2005, 1, 3, 12, 0, a, b));   // no Phobos records at all
    EXPECT_FALSE(table.offsets(3, 2005, 1, 3, 12, 0, a, b));   // Mars has two moons
    EXPECT_FALSE(table.offsets(2, 2006, 1, 3, 12, 0, a, b));   // no file for 2006
}


// ---- damaged record files ---------------------------------------------------------

namespace {

std::string readText(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Where the first record of a body lies whose week starts and ends within
// one month of 2024, with a week of the same month after it.
size_t recordInMidMonth(const std::string& text, char body) {
    for (size_t at = 0; at < text.size(); at = text.find('\n', at) + 1) {
        SatelliteRecord r;
        if (text[at] != body || !parseSatelliteRecord(text.substr(at, 370), r)) continue;
        if (r.firstDate / 10000 == 2024 && r.firstDate / 100 == r.lastDate / 100 &&
            r.firstDate % 100 <= 14)
            return at;
    }
    return std::string::npos;
}

}  // namespace

// Every shipped record is accepted: the bounds below refuse only damage.
TEST(SatelliteRecordTable, EveryShippedRecordIsWithinItsMoonsReach) {
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(VANTOREL_SOURCE_DIR);
    std::ostringstream warnings;
    for (bool mars : {true, false}) {
        SatelliteRecordTable table = mars ? SatelliteRecordTable::mars() : SatelliteRecordTable::uranus();
        table.setWarningStream(&warnings);
        size_t records = 0;
        for (int year = 1985; year <= 2050; ++year) {
            double a = 0, b = 0;
            table.offsets(1, year, 6, 1, 0, 0, a, b);
            EXPECT_EQ(table.rejectedRecords(), 0) << (mars ? "mars " : "uranus ") << year;
            records += table.records().size();
        }
        EXPECT_GT(records, 1000u);
    }
    EXPECT_EQ(warnings.str(), "");
    std::filesystem::current_path(previous);
    // The reach: Deimos at most about 95", Phobos 39", Oberon 52".
    EXPECT_NEAR(SatelliteRecordTable::mars().reachArcsec(2), 95.3, 1.0);
    EXPECT_NEAR(SatelliteRecordTable::mars().reachArcsec(1), 38.6, 1.0);
    EXPECT_NEAR(SatelliteRecordTable::uranus().reachArcsec(4), 51.5, 1.0);
}

// One exponent changed or a NUL in a coefficient: that record gives no
// place, the file says so once, and the other records still work.
TEST(SatelliteRecordTable, DamagedRecordsGiveNoDataAndAreReportedOnce) {
    const std::string shipped =
        readText(std::filesystem::path(VANTOREL_SOURCE_DIR) / "data" / "mars24.dat");
    const size_t deimos = recordInMidMonth(shipped, '2');
    ASSERT_NE(deimos, std::string::npos);
    SatelliteRecord good;
    ASSERT_TRUE(parseSatelliteRecord(shipped.substr(deimos, 370), good));
    const int firstDate = good.firstDate;
    const int y = firstDate / 10000, m = firstDate / 100 % 100, d = firstDate % 100;

    struct Case {
        const char* what;
        size_t at;
        std::string bytes;
    };
    // C3 of the Deimos record is the third coefficient: characters 63..79.
    const size_t c3 = deimos + 29 + 17 * 2;
    const Case cases[] = {
        {"exponent", c3 + 15, "07"},
        {"NUL", c3 + 6, std::string(1, '\0')},
        {"phase exponent", deimos + 29 + 17 * 6 + 15, "09"},
    };
    for (const Case& c : cases) {
        TempWorkingDir dir;
        std::filesystem::create_directory("data");
        std::string damaged = shipped;
        damaged.replace(c.at, c.bytes.size(), c.bytes);
        std::ofstream("data/mars24.dat", std::ios::binary) << damaged;
        SatelliteRecordTable table = SatelliteRecordTable::mars();
        std::ostringstream warnings;
        table.setWarningStream(&warnings);
        double east = 0, north = 0;
        EXPECT_FALSE(table.offsets(2, y, m, d, 12, 0, east, north)) << c.what;
        EXPECT_TRUE(table.offsets(1, y, m, d, 12, 0, east, north)) << c.what;  // Phobos unharmed
        EXPECT_LE(std::hypot(east, north), table.reachArcsec(1)) << c.what;
        EXPECT_TRUE(table.offsets(2, y, m, d + 7, 12, 0, east, north)) << c.what;
        EXPECT_EQ(table.rejectedRecords(), 1) << c.what;
        table.offsets(2, y, m, d, 13, 0, east, north);
        table.offsets(2, y + 1, 1, 10, 0, 0, east, north);
        table.offsets(2, y, m, d, 14, 0, east, north);  // the year again
        const std::string said = warnings.str();
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << c.what << ": " << said;
        EXPECT_NE(said.find("mars24.dat"), std::string::npos) << said;
    }
}
