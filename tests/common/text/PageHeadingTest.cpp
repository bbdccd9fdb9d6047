#include <gtest/gtest.h>

#include "common/settings/Settings.h"
#include "common/text/PageHeading.h"
#include "engine/DateTime.h"

using namespace vantorel;

TEST(PageHeading, TitleThenDateTimeZoneAndSiteInTheLanguage) {
    Settings s;
    s.language = 0;
    s.dateFormat = 2;
    s.latitude = 48.8f;
    s.longitude = 2.35;
    DateTime dt;
    dt.setLocal(2026, 12, 8, 21, 5, 1, 0);
    std::vector<std::string> lines = pageHeadingLines(s, "Sky -- 08/12/2026", dt);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "Sky -- 08/12/2026");
    EXPECT_EQ(lines[1],
              "Date: 08/12/2026   Time: 21:05   Zone: UT+1   Latitude: 48\u00b048' N   Longitude: 2\u00b021' E");

    // French, a western half-hour zone as the settings store it, a southern
    // site under one degree and no longitude of its own.
    s.language = 1;
    s.dateFormat = 0;
    s.latitude = -0.5f;
    s.longitude.reset();
    dt.setLocal(2026, 1, 2, 3, 4, 53, 30);  // 3 h 30 west
    lines = pageHeadingLines(s, "Données", dt);
    EXPECT_EQ(lines[1], "Date: 2026/01/02   Heure: 03:04   Fuseau: TU-3:30   Latitude: 0\u00b030' S   "
                        "Longitude: fuseau");
    EXPECT_EQ(zoneText(2, 0, 0), "TU");
    EXPECT_EQ(zoneText(0, 5, 30), "UT+5:30");
    EXPECT_EQ(zoneText(0, 0, -30), "UT-0:30");
    EXPECT_EQ(zoneText(0, -10, 0), "UT-10");
}
