// The two catalogue files of the sky chart: their columns with the quirks the
// files are written for, damaged records passed over, the record-by-record
// reading, and the catalogues shipped in data/.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "engine/Precession.h"
#include "sky/CatalogueRecord.h"
#include "sky/SkyChartMapping.h"
#include "tests/support/TempWorkingDir.h"

using namespace vantorel;

namespace {

constexpr double kEps = 1e-9;

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::vector<std::string> records(const std::string& path, int room) {
    RecordReader reader(path, room);
    std::vector<std::string> out;
    std::string r;
    while (reader.next(r)) out.push_back(r);
    return out;
}

struct Segment {
    int x1, y1, x2, y2;
};

std::vector<Segment> figures(const std::string& path, const SkyChartMapping& m) {
    std::vector<Segment> out;
    readConstellationFigures(path, m, [&](int a, int b, int c, int d) { out.push_back({a, b, c, d}); });
    return out;
}

// 3600 pixels wide: ten pixels a degree, right ascension 0 at x 3600,
// declination 0 at y 1000.
SkyChartMapping tenPixelsADegree() { return SkyChartMapping::fromClient(0, 0, 3600, 2000, 45.0f); }

}  // namespace

TEST(ConstRecord, FigureVerticesAndTheEndMarker) {
    const auto inner = parseConstRecord("0530+04530");
    ASSERT_TRUE(inner.has_value());
    EXPECT_NEAR(inner->raDeg, 82.5, kEps);
    EXPECT_NEAR(inner->decDeg, 45.3, kEps);
    EXPECT_FALSE(inner->endsFigure);

    const auto last = parseConstRecord("0530+13530");
    ASSERT_TRUE(last.has_value());
    EXPECT_NEAR(last->raDeg, 82.5, kEps);
    EXPECT_NEAR(last->decDeg, 45.3, kEps);
    EXPECT_TRUE(last->endsFigure);

    // The hundredths are added whatever the sign of the degrees.
    const auto south = parseConstRecord("1200-04530");
    ASSERT_TRUE(south.has_value());
    EXPECT_NEAR(south->decDeg, -44.7, kEps);
    EXPECT_NEAR(south->raDeg, 180.0, kEps);
    const auto southLast = parseConstRecord("1200-13530");
    ASSERT_TRUE(southLast.has_value());
    EXPECT_NEAR(southLast->decDeg, -44.7, kEps);
    EXPECT_TRUE(southLast->endsFigure);

    // 9000 itself is no marker; text after column 10 is not read.
    const auto edge = parseConstRecord("0000+09000 Ori");
    ASSERT_TRUE(edge.has_value());
    EXPECT_FALSE(edge->endsFigure);
    EXPECT_NEAR(edge->decDeg, 90.0, kEps);
    // 24 h 00 m is the chart's left edge.
    EXPECT_NEAR(parseConstRecord("2400+00000")->raDeg, 360.0, kEps);
}

TEST(StarRecord, ColumnThirteenBelongsToBothDeclinationFields) {
    //                              1234567890123456789012345
    const auto s = parseStarRecord("0645      -164      -1.5  HR2491 Alp CMa");
    ASSERT_TRUE(s.has_value());
    EXPECT_NEAR(s->raDeg, 101.25, kEps);
    EXPECT_NEAR(s->decDeg, -16 + 0.64, kEps);
    EXPECT_NEAR(s->magnitude, -1.5, kEps);

    // A blank in column 12 is dropped: "- 5" is -5, and its 5 is also the
    // tens of the hundredths.
    const auto blank = parseStarRecord("1200      - 57      3.00");
    ASSERT_TRUE(blank.has_value());
    EXPECT_NEAR(blank->decDeg, -5 + 0.57, kEps);
    const auto north = parseStarRecord("0000      +230      5.99");
    ASSERT_TRUE(north.has_value());
    EXPECT_NEAR(north->decDeg, 23.30, kEps);
}

TEST(StarRecord, MarksByMagnitudeClass) {
    EXPECT_EQ(starMarkFor(-1.46), StarMark::Disc);
    EXPECT_EQ(starMarkFor(0.0), StarMark::Disc);
    EXPECT_EQ(starMarkFor(0.01), StarMark::BrightCross);
    EXPECT_EQ(starMarkFor(1.5), StarMark::BrightCross);
    EXPECT_EQ(starMarkFor(1.51), StarMark::Cross);
    EXPECT_EQ(starMarkFor(3.0), StarMark::Cross);
    EXPECT_EQ(starMarkFor(4.5), StarMark::Yellow);
    EXPECT_EQ(starMarkFor(5.5), StarMark::Blue);
    EXPECT_EQ(starMarkFor(5.99), StarMark::Grey);
    EXPECT_EQ(starMarkFor(6.0), StarMark::None);
    EXPECT_EQ(starMarkFor(7.2), StarMark::None);
}

TEST(CatalogueRecords, DamagedRecordsAreRefused) {
    for (const char* bad : {"", "   ", "x530+04530", "0560+04530", "2401+00000", "2500+00000",
                            "0530+04a30", "0530+045", "0530+19530", "0530-19530"})
        EXPECT_FALSE(parseConstRecord(bad).has_value()) << '"' << bad << '"';
    for (const char* bad : {"", "0645      -164", "0645      -164      x.5",
                            "0645      -164      1.2.", "0661      -164      1.00",
                            "0645      +9x4      1.00", "0645      +994      1.00",
                            "0645      -164      99.9"})
        EXPECT_FALSE(parseStarRecord(bad).has_value()) << '"' << bad << '"';
}

TEST(RecordReader, ALineLongerThanTheRoomGoesOnAsTheNextRecord) {
    TempWorkingDir wd;
    const std::string path = wd.file("long.dat").string();
    writeFile(path, "0530+04530 And with a long comment\r\n0600+13000\n\nlast");
    const auto r = records(path, kConstRecordRoom);
    ASSERT_EQ(r.size(), 5u);
    EXPECT_EQ(r[0], "0530+04530 And with");  // 19 characters
    EXPECT_EQ(r[1], " a long comment");
    EXPECT_EQ(r[2], "0600+13000");
    EXPECT_EQ(r[3], "");
    EXPECT_EQ(r[4], "last");
    EXPECT_FALSE(RecordReader(wd.file("none.dat").string(), 19).isOpen());
}

TEST(ConstellationFigures, PolylinesEndAtMarkersAndSurviveDamagedLines) {
    TempWorkingDir wd;
    const std::string path = wd.file("const.dat").string();
    writeFile(path,
              "0000+01000\n"       // figure 1: (0h, +10) ...
              "0100+01000\n"       // ... to (1h, +10)
              "garbage line\n"     // passed over: the figure goes on
              "0100+11500\n"       // ... to (1h, +25), last vertex
              "0200-00150\n"       // figure 2 starts at (2h, -0.5)
              "0200-09150\n");     // ... and ends at (2h, -0.5)
    const auto segs = figures(path, tenPixelsADegree());
    ASSERT_EQ(segs.size(), 3u);
    EXPECT_EQ(segs[0].x1, 3600);
    EXPECT_EQ(segs[0].y1, 900);
    EXPECT_EQ(segs[0].x2, 3450);
    EXPECT_EQ(segs[1].x1, 3450);
    EXPECT_EQ(segs[1].y2, 750);
    EXPECT_EQ(segs[2].x1, 3300);
    EXPECT_EQ(segs[2].y1, 1005);
    EXPECT_EQ(segs[2].y2, 1005);

    EXPECT_TRUE(figures(wd.file("missing.dat").string(), tenPixelsADegree()).empty());
    writeFile(path, "");
    EXPECT_TRUE(figures(path, tenPixelsADegree()).empty());
}

TEST(Stars, OnlyStarsBrighterThanSixAreDrawn) {
    TempWorkingDir wd;
    const std::string path = wd.file("etoiles.dat").string();
    writeFile(path,
              "0000      +000      0.00\n"
              "0600      +000      6.00\n"
              "0600      +000      5.99\n"
              "bad\n"
              "1200      +10       2.00\n");
    std::vector<std::pair<int, StarMark>> drawn;
    const int n = readStars(path, tenPixelsADegree(),
                            [&](int x, int, StarMark m) { drawn.push_back({x, m}); });
    EXPECT_EQ(n, 3);
    ASSERT_EQ(drawn.size(), 3u);
    EXPECT_EQ(drawn[0], std::make_pair(3600, StarMark::Disc));
    EXPECT_EQ(drawn[1], std::make_pair(2700, StarMark::Grey));
    EXPECT_EQ(drawn[2], std::make_pair(1800, StarMark::Cross));
}

TEST(SkyChartMapping, RunsRightToLeftAndSouthOfOneDegreeIsTurnedBy180Degrees) {
    const auto north = SkyChartMapping::fromClient(0, 0, 1800, 900, -0.5f);
    EXPECT_FALSE(north.flipped());
    EXPECT_EQ(north.y(45), 450 - 225);
    EXPECT_EQ(north.x(0), 1800);  // right ascension 0 at the right edge
    EXPECT_EQ(north.x(359), 5);   // 359 degrees near the left edge
    EXPECT_EQ(north.x(90), 1350);
    EXPECT_EQ(north.leftEdge(), 0);
    EXPECT_EQ(north.rightEdge(), 1800);
    // Turned, not mirrored: north down and right ascension growing to the
    // right, so east keeps its side of west as seen facing north.
    const auto south = SkyChartMapping::fromClient(0, 0, 1800, 900, -1.0f);
    EXPECT_TRUE(south.flipped());
    EXPECT_EQ(south.y(45), 450 + 225);
    EXPECT_EQ(south.x(0), 0);
    EXPECT_EQ(south.x(90), 450);
    EXPECT_EQ(south.x(359), 1795);
    EXPECT_EQ(south.leftEdge(), 0);
    EXPECT_EQ(south.rightEdge(), 1800);
    // Single precision, truncated: 45 degrees at 1600 / 360 pixels a degree
    // is 199.99998 pixels above the middle.
    EXPECT_EQ(SkyChartMapping::fromClient(0, 0, 1600, 900, 45.0f).y(45), 249);
}

// The catalogues the program ships: every record reads, and the brightest
// stars land where the sky has them.
TEST(ShippedCatalogues, EveryRecordReadsAndTheStarsAreInPlace) {
    const std::string dir = std::string(VANTOREL_SOURCE_DIR) + "/data/";
    const auto starRecords = records(dir + "etoiles.dat", kStarRecordRoom);
    ASSERT_GT(starRecords.size(), 5000u);
    bool sirius = false, vega = false;
    for (const auto& r : starRecords) {
        const auto s = parseStarRecord(r);
        ASSERT_TRUE(s.has_value()) << r;
        EXPECT_LE(s->magnitude, 6.0);
        if (r.find("Alp CMa") != std::string::npos) {
            sirius = true;
            EXPECT_NEAR(s->raDeg, 101.29, 0.25);
            EXPECT_NEAR(s->decDeg, -16.72, 0.9);  // the column quirk costs up to 0.9 degree
            EXPECT_EQ(starMarkFor(s->magnitude), StarMark::Disc);
        }
        if (r.find("Alp Lyr") != std::string::npos) {
            vega = true;
            EXPECT_NEAR(s->raDeg, 279.23, 0.25);
            EXPECT_NEAR(s->decDeg, 38.78, 0.9);
        }
    }
    EXPECT_TRUE(sirius);
    EXPECT_TRUE(vega);

    const auto constRecords = records(dir + "const.dat", kConstRecordRoom);
    int ends = 0;
    for (const auto& r : constRecords) {
        const auto c = parseConstRecord(r);
        ASSERT_TRUE(c.has_value()) << r;
        ends += c->endsFigure;
    }
    EXPECT_GT(ends, 150);
    ASSERT_FALSE(constRecords.empty());
    EXPECT_TRUE(parseConstRecord(constRecords.back())->endsFigure);

    // No figure runs across the chart: segments are cut at 0 h. Only near the
    // poles does a segment span many hours.
    const auto m = SkyChartMapping::fromClient(0, 0, 3600, 2000, 45.0f);
    for (const Segment& s : figures(dir + "const.dat", m))
        EXPECT_LT(std::abs(s.x2 - s.x1), 3600 / 2) << s.x1 << "," << s.y1 << " " << s.x2 << "," << s.y2;
}

// The southern chart is the northern one turned by 180 degrees about the
// centre: every star and every figure's corner lands on the turned pixel
// (within the pixel that truncation takes either way), not on the mirrored one.
TEST(ShippedCatalogues, TheSouthernChartIsTheNorthernOneTurned) {
    const std::string dir = std::string(VANTOREL_SOURCE_DIR) + "/data/";
    const int width = 1800, height = 667;
    const auto north = SkyChartMapping::fromClient(0, 0, width, height, 48.8f);
    const auto south = SkyChartMapping::fromClient(0, 0, width, height, -33.9f);
    std::vector<std::pair<int, int>> northStars, southStars;
    readStars(dir + "etoiles.dat", north, [&](int x, int y, StarMark) { northStars.push_back({x, y}); });
    readStars(dir + "etoiles.dat", south, [&](int x, int y, StarMark) { southStars.push_back({x, y}); });
    ASSERT_EQ(northStars.size(), southStars.size());
    ASSERT_GT(northStars.size(), 4000u);
    for (std::size_t i = 0; i < northStars.size(); ++i) {
        const auto [xn, yn] = northStars[i];
        const auto [xs, ys] = southStars[i];
        EXPECT_LE(std::abs(xs - (width - 1 - xn)), 1) << i;
        EXPECT_LE(std::abs(ys - (2 * north.y0 - 1 - yn)), 1) << i;
    }
    const std::vector<Segment> northFigures = figures(dir + "const.dat", north);
    const std::vector<Segment> southFigures = figures(dir + "const.dat", south);
    ASSERT_EQ(northFigures.size(), southFigures.size());
    for (std::size_t i = 0; i < northFigures.size(); ++i) {
        EXPECT_LE(std::abs(southFigures[i].x1 - (width - 1 - northFigures[i].x1)), 1) << i;
        EXPECT_LE(std::abs(southFigures[i].y2 - (2 * north.y0 - 1 - northFigures[i].y2)), 1) << i;
    }
}

TEST(ConstellationCentres, TheMeanPlaceOfEachFigureUnderItsAbbreviation) {
    TempWorkingDir wd;
    // A square across right ascension 0 (its centre is at 0 h, not 12 h), a
    // damaged line, a record without a name and one with a bad name.
    writeFile("c.dat",
              "2356+01000 Psc\n"
              "0004+01000 Psc\n"
              "0004+00000 Psc\n"
              "2356+09001 Psc\n"  // the last vertex: 0.01 degree, marked
              "xx56+01000 Psc\n"
              "0200+03000\n"
              "0200+03000 and\n"
              "0600+02000 Ori\n"
              "0600+10000 Ori\n");
    const auto centres = readConstellationCentres("c.dat");
    ASSERT_EQ(centres.size(), 2u);
    EXPECT_EQ(centres[0].name, "Psc");
    EXPECT_TRUE(centres[0].raDeg < 0.01 || centres[0].raDeg > 359.99) << centres[0].raDeg;
    EXPECT_NEAR(centres[0].decDeg, 5.0, 0.01);
    EXPECT_EQ(centres[1].name, "Ori");
    EXPECT_NEAR(centres[1].raDeg, 90.0, kEps);
    EXPECT_NEAR(centres[1].decDeg, 15.0, kEps);  // 20 and 10 degrees

    // Carried to the date as the figures are.
    const Precession to2050(2451545.0 + 50 * 365.25);
    const auto moved = readConstellationCentres("c.dat", &to2050);
    EXPECT_NEAR(moved[1].raDeg - centres[1].raDeg, 0.70, 0.05);

    // The shipped figures: the 88 constellations, each once; Orion's name
    // between its shoulders and its feet, Ursa Major's in the dipper.
    const auto shipped = readConstellationCentres(std::string(VANTOREL_SOURCE_DIR) + "/data/const.dat");
    EXPECT_EQ(shipped.size(), 88u);
    for (const auto& c : shipped) {
        if (c.name == "Ori") {
            EXPECT_NEAR(c.raDeg, 83.0, 4.0);
            EXPECT_NEAR(c.decDeg, 3.0, 6.0);
        }
        if (c.name == "UMa") {
            EXPECT_NEAR(c.raDeg, 165.0, 20.0);
            EXPECT_NEAR(c.decDeg, 50.0, 10.0);
        }
    }
}
