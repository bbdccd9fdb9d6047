// The drawing of the all-planets table: every value under its heading, one
// line height between rows, and the rules under the headers.
#include <QImage>

#include <gtest/gtest.h>

#include "common/settings/Settings.h"
#include "planets/DataTableDocument.h"
#include "planets/DataTableText.h"
#include "planets/paint/DataTablePicture.h"

using namespace vantorel;

namespace {

const DrawnTableLine& drawn(const std::vector<DrawnTableLine>& lines, const std::string& name) {
    for (const DrawnTableLine& l : lines)
        if (l.name == name) return l;
    static const DrawnTableLine none;
    ADD_FAILURE() << "no line " << name;
    return none;
}

std::vector<DrawnTableLine> tableAt(int y, int mo, int d, int h, int mi, int language) {
    Settings s;
    s.zoneHours = 1;
    s.latitude = 45.0f;
    DataTableDocument doc(DateTime(), s);
    doc.dt.setLocal(y, mo, d, h, mi, 1, 0);
    doc.computeTable();
    return layoutDataTable(dataTableLines(doc, language, 0), dataTableFont());
}

}  // namespace

TEST(DataTablePicture, EveryValueStandsUnderItsHeading) {
    // 15 March 2024: the Sun's colongitude on the Moon is 336.74 degrees, a
    // value wider than its column.
    for (int language = 0; language < 3; ++language) {
        SCOPED_TRACE(language);
        const auto lines = tableAt(2024, 3, 15, 21, 30, language);
        const DrawnTableLine& moonHeader = drawn(lines, "moon_header");
        const DrawnTableLine& moon = drawn(lines, "moon");
        ASSERT_EQ(moon.cells.size(), moonHeader.cells.size());
        EXPECT_EQ(moon.cells[5].substr(0, 6), "336.74");
        // Librations in longitude and latitude under "Long." and "Lat.".
        EXPECT_EQ(moon.cellX[7], moonHeader.cellX[7]);
        EXPECT_EQ(moon.cellX[8], moonHeader.cellX[8]);
        for (size_t i = 0; i < 5; ++i) EXPECT_EQ(moon.cellX[i], moonHeader.cellX[i]) << i;

        const DrawnTableLine& header = drawn(lines, "planets_header");
        for (const char* planet : {"mercury", "venus", "mars", "jupiter", "saturn", "uranus",
                                   "neptune", "pluto"}) {
            const DrawnTableLine& row = drawn(lines, planet);
            ASSERT_EQ(row.cells.size(), header.cells.size()) << planet;
            for (size_t i = 0; i < row.cells.size(); ++i)
                EXPECT_EQ(row.cellX[i], header.cellX[i]) << planet << " cell " << i;
        }
        const DrawnTableLine& sun = drawn(lines, "sun");
        const DrawnTableLine& sunHeader = drawn(lines, "sun_header");
        for (size_t i = 0; i < sun.cells.size(); ++i) EXPECT_EQ(sun.cellX[i], sunHeader.cellX[i]);
        // The Red Spot's three times stand apart, left to right.
        const DrawnTableLine& spot = drawn(lines, "red_spot");
        ASSERT_EQ(spot.cellX.size(), 4u);
        EXPECT_LT(spot.cellX[0], spot.cellX[1]);
        EXPECT_LT(spot.cellX[1] + 30, spot.cellX[2]);
        EXPECT_LT(spot.cellX[2] + 30, spot.cellX[3]);
    }
}

TEST(DataTablePicture, RowsOneLineApartOnAWhitePage) {
    const auto lines = tableAt(2024, 3, 21, 21, 0, 0);
    const int rh = drawn(lines, "venus").y - drawn(lines, "mercury").y;
    EXPECT_GT(rh, 10);
    EXPECT_EQ(drawn(lines, "jupiter_system2").y - drawn(lines, "jupiter").y, rh);
    EXPECT_EQ(drawn(lines, "pluto").y - drawn(lines, "mercury").y, 8 * rh);
    EXPECT_EQ(drawn(lines, "red_spot").y - drawn(lines, "planets_header").y, 12 * rh);
    EXPECT_EQ(drawn(lines, "title").y, 5);
    // Everything fits the table's extent, and the page's part of it.
    for (const DrawnTableLine& l : lines) EXPECT_LT(l.y + rh, dataTablePageExtent(dataTableFont()).height());

    Settings s;
    DataTableDocument doc(DateTime(), s);
    doc.dt.setLocal(2024, 3, 21, 21, 0, 0, 0);
    doc.computeTable();
    const QImage picture = dataTablePicture(dataTableLines(doc, 0, 0));
    EXPECT_EQ(picture.size(), kDataTableExtent);
    // A black rule under the planets' header, white below the last line.
    const int ruleY = drawn(lines, "planets_header").y + rh;
    EXPECT_EQ(picture.pixel(20, ruleY), qRgb(0, 0, 0));
    EXPECT_EQ(picture.pixel(20, 690), qRgb(255, 255, 255));
}
