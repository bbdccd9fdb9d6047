#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "engine/DateTime.h"
#include "tests/satellites/GalileanTestSupport.h"

using namespace vantorel;

namespace {

// Places every entry at a disc distance with the given Z and runs the detector.
struct Detector {
    PlaceDrivenSatellites sat;
    DateTime dt;
    Detector() {
        dt.setLocal(2005, 3, 14, 21, 7, 0, 0);
        dt.computeDate();
        sat.recording = true;
        for (int e = 0; e < 8; ++e) put(e, 5.0, 10.0f);
    }
    void put(int entry, double x, float z) {
        sat.AX[entry] = static_cast<float>(x);
        sat.AY[entry] = 0.0f;
        sat.AZ[entry] = z;
    }
    void step(const char* label = "14     21   07") { sat.recordPhenomena(0.0, label, dt); }
    std::string row(int i) const { return sat.rows[i].text; }
};

}  // namespace

TEST(PhenomenonDetector, FirstInstantNeverRecordsAndContactsGiveTheirRows) {
    Detector d;
    d.put(0, 0.5, -5.0f);  // Io already on the disc at the first instant
    d.step();
    EXPECT_EQ(d.sat.rows.count(), 0);
    d.put(0, 1.5, -5.0f);  // leaves the disc in front: transit egress
    d.put(7, 0.9, -5.0f);  // Callisto's shadow arrives on the disc
    d.step("14     21   08");
    ASSERT_EQ(d.sat.rows.count(), 2);
    EXPECT_EQ(d.row(0), " 14     21   08    I        Tr.E.");
    EXPECT_EQ(d.row(1), " 14     21   08    IV      Sh.I.");
    EXPECT_EQ(d.sat.rows[0].hour, 21);
    EXPECT_EQ(d.sat.rows[0].minute, 8);
    EXPECT_FALSE(d.sat.inTransit[0]);
    EXPECT_TRUE(d.sat.shadowOnDisc[3]);
}

TEST(PhenomenonDetector, EclipseWhileOccultedGivesNoEclipseRow) {
    Detector d;
    d.step();
    d.put(2, 0.9, 20.0f);  // Ganymede goes behind the disc
    d.step();
    ASSERT_EQ(d.sat.rows.count(), 1);
    EXPECT_NE(d.row(0).find("III      Oc.D."), std::string::npos) << d.row(0);
    d.put(6, 0.9, 20.0f);  // and into the shadow while hidden: no row, the state changes
    d.step();
    EXPECT_EQ(d.sat.rows.count(), 1);
    EXPECT_TRUE(d.sat.eclipsed[2]);
    d.put(2, 1.2, 20.0f);  // comes out from behind the disc while eclipsed: no row
    d.step();
    EXPECT_EQ(d.sat.rows.count(), 1);
    EXPECT_FALSE(d.sat.occulted[2]);
    d.put(6, 1.2, 20.0f);  // leaves the shadow, now visible: the reappearance is listed
    d.step();
    ASSERT_EQ(d.sat.rows.count(), 2);
    EXPECT_NE(d.row(1).find("III      Ec.R."), std::string::npos) << d.row(1);
}

// A search that starts while a satellite is eclipsed and then occulted must
// not list the end of an occultation that was never seen, and must list the
// end of the eclipse once it is no longer behind the disc.
TEST(PhenomenonDetector, StatesAtTheFirstInstantComeFromTheGeometry) {
    Detector d;
    d.put(0, 0.5, 20.0f);  // Io behind the disc...
    d.put(4, 0.5, 20.0f);  // ...and in the shadow at the first instant
    d.step();
    EXPECT_TRUE(d.sat.occulted[0]);
    EXPECT_TRUE(d.sat.eclipsed[0]);
    d.put(0, 1.2, 20.0f);  // out from behind the disc, still in the shadow: unseen
    d.step();
    EXPECT_EQ(d.sat.rows.count(), 0);
    d.put(4, 1.2, 20.0f);  // out of the shadow: seen
    d.step();
    ASSERT_EQ(d.sat.rows.count(), 1);
    EXPECT_NE(d.row(0).find("I        Ec.R."), std::string::npos) << d.row(0);

    Detector transit;  // in front of the disc is not hidden
    transit.put(1, 0.5, -20.0f);
    transit.put(5, 0.5, -20.0f);
    transit.step();
    EXPECT_FALSE(transit.sat.occulted[1]);
    EXPECT_FALSE(transit.sat.eclipsed[1]);
}

TEST(PhenomenonDetector, DrawingLabelsAndQueryModeNeverRecord) {
    Detector d;
    d.step();
    d.put(1, 0.5, -3.0f);
    d.step("14    -03  07");  // the drawing label carries the hour minus 24
    EXPECT_EQ(d.sat.rows.count(), 0);
    EXPECT_TRUE(d.sat.inTransit[1]);
    // Query mode classifies every instant from scratch: the state follows the
    // geometry even without a previous instant.
    Detector q;
    q.sat.queryMode = true;
    q.put(3, 0.3, 8.0f);
    q.step("14    -03  07");
    EXPECT_TRUE(q.sat.occulted[3]);
    EXPECT_EQ(q.sat.rows.count(), 0);
    q.put(3, 3.0, 8.0f);
    q.step("14    -03  08");
    EXPECT_FALSE(q.sat.occulted[3]);
}

TEST(PhenomenonDetector, FrenchCodesFileRowsAndTheRowBound) {
    Detector d;
    d.sat.frenchCodes = true;
    d.step();
    d.put(4, 0.7, 5.0f);  // Io into the shadow
    d.step();
    ASSERT_EQ(d.sat.rows.count(), 1);
    EXPECT_EQ(d.row(0), " 14     21   07    I        Ec   ");

    Detector f;
    f.sat.fileMode = true;
    f.step();
    f.put(5, 0.7, 5.0f);  // Europa eclipsed, 2005-03-14 21:07 UT = JD 2453444.38
    f.step();
    ASSERT_EQ(f.sat.rows.count(), 1);
    EXPECT_EQ(f.row(0), "53443210721");

    // 30 contacts in one list: 25 kept, the rest counted, nothing overwritten.
    Detector b;
    b.step();
    for (int k = 0; k < 15; ++k) {
        b.put(0, k % 2 == 0 ? 0.5 : 1.5, -5.0f);
        b.put(1, k % 2 == 0 ? 0.5 : 1.5, -5.0f);
        b.step();
    }
    EXPECT_EQ(b.sat.rows.count(), 25);
    EXPECT_EQ(b.sat.rows.dropped(), 5);
    EXPECT_EQ(std::strlen(b.sat.rows[24].text), std::strlen(b.sat.rows[0].text));
}
