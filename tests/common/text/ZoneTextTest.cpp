#include <gtest/gtest.h>

#include <string>

#include "common/text/ZoneText.h"
#include "engine/DateTime.h"

using namespace vantorel;

TEST(ZoneText, OffsetsAndTheZoneOfARecord) {
    EXPECT_EQ(utcOffsetText(0), "UTC");
    EXPECT_EQ(utcOffsetText(120), "UTC+2");
    EXPECT_EQ(utcOffsetText(-210), "UTC-3:30");
    EXPECT_EQ(utcOffsetText(345), "UTC+5:45");
    EXPECT_EQ(utcOffsetText(-30), "UTC-0:30");
    EXPECT_EQ(utcOffsetText(840), "UTC+14");

    DateTime dt;
    dt.setLocal(2024, 7, 14, 22, 0, 1, 0);
    dt.computeDate();
    EXPECT_EQ(zoneStatusText(dt), "UTC+1");
    dt.namedZone = TimeZone::named("Europe/Paris");
    dt.computeDate();
    EXPECT_EQ(zoneStatusText(dt), "Europe/Paris UTC+2");
}

TEST(ZoneText, AnUnknownNameIsShownSafelyInEachLanguage) {
    EXPECT_EQ(shownZoneName("Europe/Lutetia"), "Europe/Lutetia");
    EXPECT_EQ(shownZoneName("a\x1b[2Jb\xc3\xa9"), "a?[2Jb??");
    EXPECT_EQ(shownZoneName(std::string(200, 'x')).size(), 80u);
    const std::string en = unknownZoneMessage(0, "Europe/Lutetia", 60);
    EXPECT_NE(en.find("\"Europe/Lutetia\""), std::string::npos) << en;
    EXPECT_NE(en.find("UTC+1"), std::string::npos) << en;
    EXPECT_NE(unknownZoneMessage(1, "X/Y", -300).find("fuseau fixe UTC-5"), std::string::npos);
    EXPECT_NE(unknownZoneMessage(2, "X/Y", 0).find("huso fijo UTC"), std::string::npos);
}
