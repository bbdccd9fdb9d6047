#include <gtest/gtest.h>

#include "engine/Angles.h"
#include "engine/DateTime.h"

using namespace vantorel;

namespace {
DateTime at(int y, int mo, int d, int h, int mi, int zh = 0, int zm = 0) {
    DateTime dt;
    dt.setLocal(y, mo, d, h, mi, zh, zm);
    dt.computeDate();
    return dt;
}
}  // namespace

TEST(JulianDay, HandbookExamples) {
    // 2000 Jan 1.5 and 1957 Oct 4.81 (19:26:24 UT).
    DateTime j2000 = at(2000, 1, 1, 12, 0);
    EXPECT_DOUBLE_EQ(j2000.JD, 2451545.0);
    EXPECT_DOUBLE_EQ(j2000.t, 0.0);
    EXPECT_DOUBLE_EQ(j2000.T, 0.0);

    DateTime sputnik;
    sputnik.setLocal(1957, 10, 4, 19, 0, 0, 0);
    sputnik.localMinute = 26.4;
    sputnik.computeDate();
    EXPECT_NEAR(sputnik.JD, 2436116.31, 1e-9);
}

TEST(JulianDay, BackToCalendar) {
    CalendarTime c = julianDayToCalendar(2436116.31);
    EXPECT_EQ(c.year, 1957);
    EXPECT_EQ(c.month, 10);
    EXPECT_EQ(c.day, 4);
    EXPECT_EQ(c.hours, 19);
    EXPECT_EQ(c.minutes, 26);

    CalendarTime j2000 = julianDayToCalendar(2451545.0);
    EXPECT_EQ(j2000.year, 2000);
    EXPECT_EQ(j2000.month, 1);
    EXPECT_EQ(j2000.day, 1);
    EXPECT_EQ(j2000.hours, 12);
    EXPECT_EQ(j2000.minutes, 0);
    EXPECT_EQ(j2000.seconds, 0);

    // Round trip over the program's years at whole minutes.
    for (double jd = 2446066.5; jd < 2470172.5; jd += 97.25) {
        CalendarTime r = julianDayToCalendar(jd);
        DateTime back = at(r.year, r.month, r.day, r.hours, r.minutes);
        EXPECT_NEAR(back.JD, jd, 1.0 / 1440.0) << jd;
    }
}

TEST(ZoneConversion, CarriesAcrossDaysMonthsAndYears) {
    DateTime leap = at(2004, 3, 1, 0, 15, 1);
    EXPECT_EQ(leap.utDay, 29);
    EXPECT_EQ(leap.utMonth, 2);
    EXPECT_EQ(leap.utHour, 23);
    EXPECT_EQ(leap.utMinute, 15);
    DateTime common = at(2003, 3, 1, 0, 15, 1);
    EXPECT_EQ(common.utDay, 28);

    DateTime newYear = at(2005, 12, 31, 23, 45, -5);
    EXPECT_EQ(newYear.utYear, 2006);
    EXPECT_EQ(newYear.utMonth, 1);
    EXPECT_EQ(newYear.utDay, 1);
    EXPECT_EQ(newYear.utHour, 4);
    EXPECT_EQ(newYear.utMinute, 45);
}

TEST(ZoneConversion, HalfHourWestZonesAndTheStoredEncoding) {
    DateTime west = at(2010, 6, 15, 12, 0, -3, 30);
    EXPECT_EQ(west.utHour, 15);
    EXPECT_EQ(west.utMinute, 30);
    DateTime encoded = at(2010, 6, 15, 12, 0, 53, 30);
    EXPECT_EQ(encoded.utHour, 15);
    EXPECT_EQ(encoded.utMinute, 30);
    EXPECT_DOUBLE_EQ(encoded.JD, west.JD);
    EXPECT_EQ(encoded.zoneHours, -3);  // written back
    DateTime east = at(2010, 6, 15, 12, 0, 5, 30);
    EXPECT_EQ(east.utHour, 6);
    EXPECT_EQ(east.utMinute, 30);
}

TEST(DeltaT, TableRuleAndLaterYears) {
    EXPECT_DOUBLE_EQ(deltaTSeconds(2001), 66.0);
    EXPECT_DOUBLE_EQ(deltaTSeconds(1994), 60.0);
    EXPECT_DOUBLE_EQ(deltaTSeconds(1985), 51.0);
    EXPECT_DOUBLE_EQ(deltaTSeconds(1987), 55.4);
    EXPECT_NEAR(deltaTSeconds(2002), 69.6, 1e-12);
    EXPECT_NEAR(deltaTSeconds(2010), 80.0, 1e-12);
    EXPECT_DOUBLE_EQ(deltaTSeconds(2011), 66.3);
    EXPECT_DOUBLE_EQ(deltaTSeconds(2025), 69.1);
    EXPECT_NEAR(deltaTSeconds(2050), 69.1 + 7.5, 1e-12);
    DateTime dt = at(1987, 4, 10, 0, 0);
    EXPECT_NEAR(dt.deltaT * 86400.0, 55.4, 1e-9);
    EXPECT_DOUBLE_EQ(dt.JDE, dt.JD + dt.deltaT);
}

TEST(Validation, DateAndTimeCodes) {
    DateTime dt;
    dt.setLocal(2100, 2, 29, 0, 0, 0, 0);
    EXPECT_EQ(dt.validateDate(), kYearOutOfRange);
    dt.setLocal(2001, 2, 29, 0, 0, 0, 0);
    EXPECT_EQ(dt.validateDate(), kDayOutOfRange);
    dt.setLocal(2000, 2, 29, 0, 0, 0, 0);
    EXPECT_EQ(dt.validateDate(), kDateValid);
    dt.setLocal(2000, 13, 1, 0, 0, 0, 0);
    EXPECT_EQ(dt.validateDate(), kMonthOutOfRange);
    dt.setLocal(2000, 4, 31, 0, 0, 0, 0);
    EXPECT_EQ(dt.validateDate(), kDayOutOfRange);
    dt.setLocal(1984, 12, 31, 0, 0, 0, 0);
    EXPECT_EQ(dt.validateDate(), kYearOutOfRange);

    dt.setLocal(2000, 1, 1, 25, 70, 0, 0);
    EXPECT_EQ(dt.validateTime(), kMinuteOutOfRange);
    dt.setLocal(2000, 1, 1, 24, 0, 0, 0);
    EXPECT_EQ(dt.validateTime(), kHourOutOfRange);
    dt.setLocal(2000, 1, 1, 23, 59, 0, 0);
    EXPECT_EQ(dt.validateTime(), kDateValid);
}

TEST(LocalCarries, NormaliseLocalDate) {
    DateTime dt;
    dt.setLocal(2004, 3, 0, 0, 0, 0, 0);
    EXPECT_TRUE(dt.normaliseLocalDate());
    EXPECT_EQ(dt.localMonth, 2);
    EXPECT_EQ(dt.localDay, 29);

    dt.setLocal(2005, 1, 0, 0, 0, 0, 0);
    dt.normaliseLocalDate();
    EXPECT_EQ(dt.localYear, 2004);
    EXPECT_EQ(dt.localMonth, 12);
    EXPECT_EQ(dt.localDay, 31);

    dt.setLocal(2005, 12, 32, 0, 0, 0, 0);
    dt.normaliseLocalDate();
    EXPECT_EQ(dt.localYear, 2006);
    EXPECT_EQ(dt.localMonth, 1);
    EXPECT_EQ(dt.localDay, 1);

    // Many days at once cross February with the right length.
    dt.setLocal(2004, 1, 31 + 29 + 1, 0, 0, 0, 0);
    dt.normaliseLocalDate();
    EXPECT_EQ(dt.localMonth, 3);
    EXPECT_EQ(dt.localDay, 1);

    dt.setLocal(2004, 6, 15, 0, 0, 0, 0);
    EXPECT_FALSE(dt.normaliseLocalDate());
}

TEST(LocalCarries, CarryLocalTimeAndHours) {
    DateTime dt;
    dt.setLocal(2005, 12, 31, 23, 75, 0, 0);
    EXPECT_EQ(dt.carryLocalTime(), 1);
    EXPECT_EQ(dt.localYear, 2006);
    EXPECT_EQ(dt.localMonth, 1);
    EXPECT_EQ(dt.localDay, 1);
    EXPECT_EQ(dt.localHour, 0);
    EXPECT_EQ(dt.localMinute, 15);

    dt.setLocal(2005, 6, 1, 10, 61, 0, 0);
    EXPECT_EQ(dt.carryLocalTime(), 0);
    EXPECT_EQ(dt.localHour, 11);

    // 48 hours from midnight is two whole days: the hour must end at 0, not 24.
    dt.setLocal(2005, 6, 1, 48, 0, 0, 0);
    dt.carryHours();
    EXPECT_EQ(dt.localHour, 0);
    EXPECT_EQ(dt.localDay, 3);
    dt.setLocal(2005, 6, 30, 24, 0, 0, 0);
    dt.carryHours();
    dt.normaliseLocalDate();
    EXPECT_EQ(dt.localHour, 0);
    EXPECT_EQ(dt.localMonth, 7);
    EXPECT_EQ(dt.localDay, 1);
    EXPECT_EQ(dt.validateTime(), kDateValid);
}

TEST(SiderealTime, HandbookExample) {
    // 1987 Apr 10, 0h UT: 13h10m46.3668s = 197.693195 deg.
    DateTime dt = at(1987, 4, 10, 0, 0);
    dt.computeSiderealTime();
    EXPECT_NEAR(dt.theta0, 197.693195, 1e-6);
    EXPECT_NEAR(dt.localSiderealTime, 197.693195, 1e-4);
    // Clock and zone are restored, so the record still holds the instant.
    DateTime later = at(1987, 4, 10, 19, 21, 2, 0);
    later.computeSiderealTime();
    EXPECT_EQ(later.localHour, 19);
    EXPECT_EQ(later.zoneHours, 2);
    EXPECT_EQ(later.utHour, 17);
    EXPECT_NEAR(later.localSiderealTime,
                reduceDegrees(197.693195 + 15 * 1.0027379 * (19 + 21 / 60.0)), 1e-3);
}

TEST(AngleText, SplitHoursAndDeclination) {
    HoursMinutesSeconds h = splitHours(15.0 * (21 + 4.0 / 60 + 41.45 / 3600));
    EXPECT_EQ(h.hours, 21);
    EXPECT_EQ(h.minutes, 4);
    EXPECT_EQ(h.seconds, 41);
    EXPECT_EQ(formatDeclination(-0.5), "-00\u00b0 30'");
    EXPECT_EQ(formatDeclination(-12.25), "-12\u00b0 15'");
    EXPECT_EQ(formatDeclination(5.0), "+05\u00b0 00'");
    EXPECT_EQ(formatDeclination(-5.5), "-05\u00b0 30'");
    EXPECT_DOUBLE_EQ(reduceDegrees(-30.0), 330.0);
    EXPECT_DOUBLE_EQ(reduceDegrees(720.5), 0.5);
}
