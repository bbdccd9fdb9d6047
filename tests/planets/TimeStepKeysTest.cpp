// The count-prefix keys of the body windows and the carried date they give.
#include <gtest/gtest.h>

#include "engine/Clock.h"
#include "engine/DateTime.h"
#include "planets/TimeStepKeys.h"

namespace vantorel {
namespace {

// Types the keys (digits and letters) and returns the last step.
TimeStep type(TimeStepKeys& keys, const char* text) {
    TimeStep last;
    for (const char* p = text; *p; ++p) {
        if (*p >= '0' && *p <= '9')
            keys.digit(*p - '0');
        else
            last = keys.letter(*p);
    }
    return last;
}

TEST(TimeStepKeys, PlanetCountsRestartAtTheFourthDigit) {
    TimeStepKeys keys;
    EXPECT_EQ(type(keys, "12H").count, 12);
    EXPECT_EQ(type(keys, "1234H").count, 4);
    EXPECT_EQ(type(keys, "123H").count, 123);
    const TimeStep plain = type(keys, "H");
    EXPECT_EQ(plain.unit, TimeStepUnit::Hour);
    EXPECT_EQ(plain.count, 1);
    // Other keys neither step nor lose the typed digits.
    EXPECT_EQ(type(keys, "5X").unit, TimeStepUnit::None);
    EXPECT_EQ(type(keys, "d").count, 5);
    EXPECT_EQ(type(keys, "2j").unit, TimeStepUnit::Day);
    EXPECT_EQ(type(keys, "7m").unit, TimeStepUnit::Minute);
    EXPECT_EQ(type(keys, "c").unit, TimeStepUnit::Now);
    EXPECT_EQ(keys.digitsTyped(), 0);
}

TEST(TimeStepKeys, MoonClearsAThreeDigitCountAtTheNextKey) {
    TimeStepKeys keys(TimeStepKeys::Rule::ClearAfterThreeDigits);
    EXPECT_EQ(type(keys, "3H").count, 3);
    EXPECT_EQ(type(keys, "H").count, 1);
    EXPECT_EQ(type(keys, "12H").count, 12);
    EXPECT_EQ(type(keys, "123H").count, 1);
    EXPECT_EQ(type(keys, "1234H").count, 4);
}

TEST(TimeStepKeys, StepsCarryIntoTheCalendar) {
    const FixedClock clock({2024, 3, 5, 21, 17, 44});
    DateTime dt;
    dt.setLocal(2023, 1, 31, 10, 0, 0, 0);
    applyTimeStep(dt, {TimeStepUnit::Day, 1}, clock);
    EXPECT_EQ(dt.localDay, 1);
    EXPECT_EQ(dt.localMonth, 2);

    dt.setLocal(2024, 2, 28, 20, 50, 0, 0);
    applyTimeStep(dt, {TimeStepUnit::Hour, 12}, clock);
    EXPECT_EQ(dt.localDay, 29);  // leap year
    EXPECT_EQ(dt.localHour, 8);

    dt.setLocal(2023, 12, 31, 23, 30, 0, 0);
    applyTimeStep(dt, {TimeStepUnit::Minute, 45}, clock);
    EXPECT_EQ(dt.localYear, 2024);
    EXPECT_EQ(dt.localMonth, 1);
    EXPECT_EQ(dt.localDay, 1);
    EXPECT_EQ(dt.localHour, 0);
    EXPECT_EQ(dt.localMinute, 15);

    // 999 hours from 1 January: 41 days and 15 hours.
    dt.setLocal(2023, 1, 1, 0, 0, 0, 0);
    applyTimeStep(dt, {TimeStepUnit::Hour, 999}, clock);
    EXPECT_EQ(dt.localMonth, 2);
    EXPECT_EQ(dt.localDay, 11);
    EXPECT_EQ(dt.localHour, 15);

    applyTimeStep(dt, {TimeStepUnit::Now, 1}, clock);
    EXPECT_EQ(dt.localYear, 2024);
    EXPECT_EQ(dt.localDay, 5);
    EXPECT_EQ(dt.localHour, 21);
    EXPECT_EQ(dt.localMinute, 17);
}


TEST(TimeStepKeys, ShiftStepsBackByTheSameCountAndNowIgnoresIt) {
    TimeStepKeys keys;
    keys.digit(1);
    keys.digit(2);
    EXPECT_EQ(keys.letter('h', true).count, -12);
    EXPECT_EQ(keys.letter('D', true).count, -1);
    EXPECT_EQ(keys.letter('C', true).count, 1);
    EXPECT_EQ(keys.letter('M').count, 1);
}

TEST(TimeStepKeys, BackwardStepsCrossMonthsYearsAndLeapDays) {
    FixedClock clock({2024, 1, 1, 0, 0, 0});
    struct Case {
        int y, mo, d, h, mi;
        TimeStepUnit unit;
        int count;
        int ey, emo, ed, eh, emi;
    };
    const Case cases[] = {
        {2024, 1, 1, 0, 0, TimeStepUnit::Minute, -1, 2023, 12, 31, 23, 59},
        {2024, 3, 1, 5, 0, TimeStepUnit::Hour, -6, 2024, 2, 29, 23, 0},
        {2023, 3, 1, 5, 0, TimeStepUnit::Day, -1, 2023, 2, 28, 5, 0},
        {2000, 3, 1, 0, 0, TimeStepUnit::Day, -1, 2000, 2, 29, 0, 0},
        {2024, 5, 15, 12, 30, TimeStepUnit::Day, -365, 2023, 5, 16, 12, 30},
        {2024, 5, 15, 12, 30, TimeStepUnit::Minute, -999, 2024, 5, 14, 19, 51},
    };
    for (const Case& c : cases) {
        DateTime dt;
        dt.setLocal(c.y, c.mo, c.d, c.h, c.mi, 0, 0);
        applyTimeStep(dt, TimeStep{c.unit, c.count}, clock);
        EXPECT_EQ(dt.localYear, c.ey) << c.y << "-" << c.mo << "-" << c.d;
        EXPECT_EQ(dt.localMonth, c.emo) << c.y << "-" << c.mo << "-" << c.d;
        EXPECT_EQ(dt.localDay, c.ed) << c.y << "-" << c.mo << "-" << c.d;
        EXPECT_EQ(dt.localHour, c.eh) << c.y << "-" << c.mo << "-" << c.d;
        EXPECT_EQ(dt.localMinute, c.emi) << c.y << "-" << c.mo << "-" << c.d;
    }
}

}  // namespace
}  // namespace vantorel
