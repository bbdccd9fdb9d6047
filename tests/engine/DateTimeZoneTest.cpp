#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <vector>
#include <optional>
#include <string>

#include "engine/DateTime.h"
#include "engine/MinuteInstant.h"
#include "engine/TimeZone.h"

using namespace vantorel;

namespace {

// Julian day of a Gregorian date and universal time (Meeus, chapter 7).
double jdUt(int y, int m, int d, int h = 0, int min = 0) {
    if (m <= 2) {
        y -= 1;
        m += 12;
    }
    const int a = y / 100;
    const int b = 2 - a + a / 4;
    return std::floor(365.25 * (y + 4716)) + std::floor(30.6001 * (m + 1)) + d + b - 1524.5 +
           (h + min / 60.0) / 24.0;
}

constexpr double kMinute = 1.0 / 1440.0;
constexpr double kTolerance = 0.01 * kMinute;

TimeZone zone(const std::string& name) {
    const std::optional<TimeZone> z = TimeZone::named(name);
    EXPECT_TRUE(z.has_value()) << name << " missing from the system's tz database";
    return z.value_or(TimeZone());
}

// A record in a named zone at a local clock reading, its fields holding the
// standard offset as the settings give it.
DateTime inZone(const std::string& name, int standardHours, int y, int mo, int d, int h, int mi) {
    DateTime dt;
    dt.setLocal(y, mo, d, h, mi, standardHours, 0);
    dt.namedZone = zone(name);
    dt.computeDate();
    return dt;
}

void expectClock(const DateTime& dt, int y, int mo, int d, int h, int mi) {
    EXPECT_EQ(dt.localYear, y);
    EXPECT_EQ(dt.localMonth, mo);
    EXPECT_EQ(dt.localDay, d);
    EXPECT_EQ(dt.localHour, h);
    EXPECT_EQ(dt.localMinute, mi);
}

}  // namespace

// 2024-03-31: at 01:00 UT Paris goes from 02:00 CET to 03:00 CEST.
TEST(DateTimeZone, ParisSpringDaySkipsAnHourOfClockReadings) {
    const DateTime before = inZone("Europe/Paris", 1, 2024, 3, 31, 1, 59);
    EXPECT_NEAR(before.JD, jdUt(2024, 3, 31, 0, 59), kTolerance);
    EXPECT_EQ(before.zoneOffsetHours(), 1.0);
    EXPECT_EQ(before.utHour, 0);

    // 02:30 is no reading of that night: the instant an hour after 01:30,
    // which the clock shows as 03:30 summer time.
    DateTime skipped = inZone("Europe/Paris", 1, 2024, 3, 31, 2, 30);
    EXPECT_NEAR(skipped.JD, jdUt(2024, 3, 31, 1, 30), kTolerance);
    expectClock(skipped, 2024, 3, 31, 3, 30);
    EXPECT_EQ(skipped.zoneOffsetHours(), 2.0);
    skipped.computeDate();  // and stays so
    expectClock(skipped, 2024, 3, 31, 3, 30);
    EXPECT_NEAR(skipped.JD, jdUt(2024, 3, 31, 1, 30), kTolerance);

    const DateTime after = inZone("Europe/Paris", 1, 2024, 3, 31, 3, 0);
    EXPECT_NEAR(after.JD, jdUt(2024, 3, 31, 1, 0), kTolerance);
    EXPECT_EQ(after.zoneOffsetHours(), 2.0);
    // The same reading in a fixed zone of the standard offset is an hour later.
    DateTime fixed;
    fixed.setLocal(2024, 3, 31, 3, 0, 1, 0);
    fixed.computeDate();
    EXPECT_NEAR(fixed.JD - after.JD, 1.0 / 24.0, kTolerance);
}

// 2024-10-27: at 01:00 UT Paris goes from 03:00 CEST back to 02:00 CET.
TEST(DateTimeZone, ParisAutumnDayTakesTheFirstOfTheRepeatedHour) {
    DateTime repeated = inZone("Europe/Paris", 1, 2024, 10, 27, 2, 30);
    EXPECT_NEAR(repeated.JD, jdUt(2024, 10, 27, 0, 30), kTolerance);
    EXPECT_EQ(repeated.zoneOffsetHours(), 2.0);
    expectClock(repeated, 2024, 10, 27, 2, 30);

    // The second 02:30, reached from its instant, keeps its offset through
    // the sidereal time's own recomputation.
    DateTime second = repeated;
    second.setInstant(jdUt(2024, 10, 27, 1, 30));
    expectClock(second, 2024, 10, 27, 2, 30);
    EXPECT_EQ(second.zoneOffsetHours(), 1.0);
    second.computeSiderealTime();
    EXPECT_NEAR(second.JD, jdUt(2024, 10, 27, 1, 30), kTolerance);
    EXPECT_EQ(second.zoneOffsetHours(), 1.0);

    const DateTime later = inZone("Europe/Paris", 1, 2024, 10, 27, 3, 0);
    EXPECT_NEAR(later.JD, jdUt(2024, 10, 27, 2, 0), kTolerance);
    EXPECT_EQ(later.zoneOffsetHours(), 1.0);
}

// Sydney, whose summer is the northern winter: +11 from the first Sunday of
// October (02:00 becomes 03:00) to the first Sunday of April (03:00 becomes
// 02:00), +10 otherwise.
TEST(DateTimeZone, SydneyChangesTheOtherWayRound) {
    const DateTime january = inZone("Australia/Sydney", 10, 2024, 1, 15, 21, 0);
    EXPECT_EQ(january.zoneOffsetHours(), 11.0);
    EXPECT_NEAR(january.JD, jdUt(2024, 1, 15, 10, 0), kTolerance);
    const DateTime july = inZone("Australia/Sydney", 10, 2024, 7, 15, 21, 0);
    EXPECT_EQ(july.zoneOffsetHours(), 10.0);

    const DateTime skipped = inZone("Australia/Sydney", 10, 2024, 10, 6, 2, 30);
    expectClock(skipped, 2024, 10, 6, 3, 30);
    EXPECT_NEAR(skipped.JD, jdUt(2024, 10, 5, 16, 30), kTolerance);
    const DateTime repeated = inZone("Australia/Sydney", 10, 2024, 4, 7, 2, 30);
    EXPECT_EQ(repeated.zoneOffsetHours(), 11.0);
    EXPECT_NEAR(repeated.JD, jdUt(2024, 4, 6, 15, 30), kTolerance);
    // The universal date is the day before: the zone fields carry it back.
    EXPECT_EQ(repeated.utDay, 6);
    EXPECT_EQ(repeated.utMonth, 4);
}

// Every hour of a year in Paris: the record converts a reading to its
// instant and back to the same reading with the offset in force then.
TEST(DateTimeZone, EveryInstantOfAYearReadsBackOnItsClock) {
    const TimeZone paris = zone("Europe/Paris");
    int summer = 0, secondTimeRound = 0;
    for (double jd = jdUt(2025, 1, 1); jd < jdUt(2026, 1, 1); jd += 1.0 / 24.0 + 7 * kMinute) {
        DateTime dt;
        dt.namedZone = paris;
        dt.setInstant(jd);
        EXPECT_EQ(dt.zoneOffsetHours() * 60, paris.offsetMinutesAtUtc(jd)) << jd;
        const CalendarTime c = localCalendarOfMinute(dt);
        expectClock(dt, c.year, c.month, c.day, c.hours, c.minutes);
        summer += dt.zoneOffsetHours() == 2.0;
        // Recomputed, the record stays at its instant (to the minute: the
        // seconds are not on the clock).
        DateTime again = dt;
        again.computeDate();
        EXPECT_NEAR(again.JD, jd, kMinute) << c.hours << ":" << c.minutes;
        // The reading alone gives the instant back too, but for the second
        // time round of the autumn night's repeated hour, which a reading
        // alone takes for the first.
        DateTime reading;
        reading.setLocal(c.year, c.month, c.day, c.hours, c.minutes, 1, 0);
        reading.namedZone = paris;
        reading.computeDate();
        if (std::fabs(reading.JD - jd) > kMinute) {
            ++secondTimeRound;
            EXPECT_NEAR(reading.JD - jd, -1.0 / 24.0, kMinute) << c.hours << ":" << c.minutes;
            EXPECT_NEAR(jd, jdUt(2025, 10, 26, 1, 30), 0.5 / 24.0);
        }
    }
    EXPECT_EQ(secondTimeRound, 1);  // one sample in that hour
    EXPECT_GT(summer, 4000);
    EXPECT_LT(summer, 8000);
}

// A window tracking through the autumn night steps by the minute of
// universal time and shows the repeated hour twice, each time with its own
// offset, through every recomputation.
TEST(DateTimeZone, SteppingThroughTheAutumnNightShowsTheRepeatedHour) {
    DateTime dt = inZone("Europe/Paris", 1, 2024, 10, 27, 2, 58);
    std::vector<std::string> shown;
    for (int k = 0; k < 4; ++k) {
        dt.setInstant(dt.JD + kMinute);
        dt.computeDate();
        dt.computeSiderealTime();
        char text[32];
        std::snprintf(text, sizeof text, "%02.0f:%02.0f%+.0f", dt.localHour, dt.localMinute,
                      dt.zoneOffsetHours());
        shown.push_back(text);
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"02:59+2", "02:00+1", "02:01+1", "02:02+1"}));
    EXPECT_NEAR(dt.JD, jdUt(2024, 10, 27, 1, 2), kTolerance);
    // Another zone's record at the same reading is not taken for it.
    dt.namedZone = zone("Europe/Berlin");
    dt.computeDate();
    EXPECT_NEAR(dt.JD, jdUt(2024, 10, 27, 0, 2), kTolerance);
}

// Summer time moves the clock, not the site: without a longitude the centre
// of a named zone is that of its standard time, and the sidereal time goes
// by it, so 22:00 summer time in Paris is 21:00 in a fixed zone of +1.
TEST(DateTimeZone, ZoneCentreAndSiderealTimeGoByStandardTime) {
    DateTime summer = inZone("Europe/Paris", 1, 2024, 7, 14, 22, 0);
    DateTime fixed;
    fixed.setLocal(2024, 7, 14, 21, 0, 1, 0);
    fixed.computeDate();
    EXPECT_NEAR(summer.JD, fixed.JD, kTolerance);
    EXPECT_EQ(summer.longitudeWest(), -15.0);
    EXPECT_EQ(fixed.longitudeWest(), -15.0);
    summer.computeSiderealTime();
    fixed.computeSiderealTime();
    EXPECT_NEAR(summer.localSiderealTime, fixed.localSiderealTime, 1e-3);
    expectClock(summer, 2024, 7, 14, 22, 0);
    // With the site's own longitude both are the site's.
    summer.siteLongitude = fixed.siteLongitude = 2.35;
    summer.computeSiderealTime();
    fixed.computeSiderealTime();
    EXPECT_NEAR(summer.localSiderealTime, fixed.localSiderealTime, 1e-3);
}

// A fixed zone set as a zone is the record's own encoding, and a record
// gives its zone back as it holds it.
TEST(DateTimeZone, FixedZonesAndTheZoneOfARecord) {
    for (const int minutes : {0, 60, -300, -570, 345, 765, 840, -30}) {
        DateTime byZone, byFields;
        byZone.setLocal(2024, 1, 1, 12, 0, 0, 0);
        byZone.setZone(TimeZone::fixed(minutes));
        byZone.computeDate();
        EXPECT_FALSE(byZone.namedZone.has_value());
        EXPECT_EQ(std::lround(byZone.zoneOffsetHours() * 60), minutes);
        byFields.setLocal(2024, 1, 1, 12, 0, 0, 0);
        byFields.setZoneOffsetMinutes(minutes);
        byFields.computeDate();
        EXPECT_EQ(byZone.JD, byFields.JD) << minutes;
        EXPECT_NEAR(byZone.JD, jdUt(2024, 1, 1, 12, 0) - minutes * kMinute, kTolerance) << minutes;
        EXPECT_TRUE(byZone.timeZone() == TimeZone::fixed(minutes)) << minutes;
        EXPECT_EQ(byZone.zoneOffsetHoursAt(jdUt(2024, 7, 1)), minutes / 60.0);
    }
    DateTime named;
    named.setZone(zone("America/New_York"));
    EXPECT_EQ(named.timeZone().name(), "America/New_York");
    EXPECT_EQ(named.zoneOffsetHoursAt(jdUt(2024, 7, 1, 12)), -4.0);
    EXPECT_EQ(named.zoneOffsetHoursAt(jdUt(2024, 1, 1, 12)), -5.0);
}
