#include <gtest/gtest.h>

#include <deque>

#include "common/settings/DateTimeCommand.h"

using namespace vantorel;

namespace {

// Answers the dialog from a script and records what it was shown.
class ScriptedDateHost : public DateEntryHost {
public:
    std::deque<std::optional<DateEntry>> answers;
    std::vector<DateEntry> shown;
    std::vector<int> lastErrors;
    std::vector<bool> offered;
    std::vector<int> reported;
    int changes = 0;
    int broadcasts = 0;

    std::optional<DateEntry> askDate(const DateEntry& s, bool allWindowsOffered,
                                     int lastError) override {
        shown.push_back(s);
        lastErrors.push_back(lastError);
        offered.push_back(allWindowsOffered);
        if (answers.empty()) return std::nullopt;  // a script that ran out cancels
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
    void reportDateError(int code) override { reported.push_back(code); }
    void dateChanged() override { ++changes; }
    void applyDateToAllWindows() override { ++broadcasts; }
};

DateTime dateOf(int y, int mo, int d, int h, int mi) {
    DateTime dt;
    dt.setLocal(y, mo, d, h, mi, 0, 0);
    return dt;
}

}  // namespace

TEST(DateTimeCommand, InvalidDayKeepsThePreviousDateAndAsksAgain) {
    Settings s;
    DateTime dt = dateOf(2024, 1, 15, 21, 30);
    ScriptedDateHost host;
    host.answers = {DateEntry{31, 2, 2024, 21, 30, false}, DateEntry{29, 2, 2024, 22, 0, false}};
    const DateCommandResult r = runDateTimeCommand(dt, s, host, true);

    EXPECT_EQ(host.reported, std::vector<int>{kDayOutOfRange});
    ASSERT_EQ(host.shown.size(), 2u);
    // The second showing is on the previous date, the focus on the day.
    EXPECT_EQ(host.shown[1], (DateEntry{15, 1, 2024, 21, 30, false}));
    EXPECT_EQ(host.lastErrors, (std::vector<int>{0, kDayOutOfRange}));
    // February 29 of a leap year goes through though the list stops at 28.
    EXPECT_TRUE(r.confirmed);
    EXPECT_TRUE(r.changed);
    EXPECT_EQ(host.changes, 1);
    EXPECT_EQ(dt.localDay, 29);
    EXPECT_EQ(dt.localMonth, 2);
    EXPECT_EQ(dt.localHour, 22);
}

TEST(DateTimeCommand, RefusedYearAndTimeThenCancelLeaveTheDateAlone) {
    Settings s;
    DateTime dt = dateOf(2010, 6, 30, 8, 5);
    ScriptedDateHost host;
    host.answers = {DateEntry{30, 6, 2051, 8, 5, false}, DateEntry{30, 6, 2010, 24, 5, false},
                    DateEntry{30, 6, 2010, 8, 60, false}, DateEntry{1, 13, 2010, 8, 5, false},
                    std::nullopt};
    const DateCommandResult r = runDateTimeCommand(dt, s, host, true);
    EXPECT_FALSE(r.confirmed);
    EXPECT_FALSE(r.changed);
    EXPECT_EQ(host.reported, (std::vector<int>{kYearOutOfRange, kHourOutOfRange,
                                               kMinuteOutOfRange, kMonthOutOfRange}));
    EXPECT_EQ(host.lastErrors,
              (std::vector<int>{0, kYearOutOfRange, kHourOutOfRange, kMinuteOutOfRange,
                                kMonthOutOfRange}));
    for (const DateEntry& e : host.shown) EXPECT_EQ(e, (DateEntry{30, 6, 2010, 8, 5, false}));
    EXPECT_EQ(dateEntryOf(dt, false), (DateEntry{30, 6, 2010, 8, 5, false}));
    EXPECT_EQ(host.changes, 0);
}

TEST(DateTimeCommand, UnchangedValuesAreNoChange) {
    Settings s;
    DateTime dt = dateOf(2000, 1, 1, 12, 0);
    ScriptedDateHost host;
    host.answers = {DateEntry{1, 1, 2000, 12, 0, false}};
    const DateCommandResult r = runDateTimeCommand(dt, s, host, true);
    EXPECT_TRUE(r.confirmed);
    EXPECT_FALSE(r.changed);
    EXPECT_EQ(host.changes, 0);
}

TEST(DateTimeCommand, AllWindowsSetsTheCommonDateAndAnUntickedBoxClearsIt) {
    Settings s;
    DateTime dt = dateOf(2000, 1, 1, 12, 0);
    ScriptedDateHost host;
    host.answers = {DateEntry{5, 4, 2003, 6, 45, true}};
    runDateTimeCommand(dt, s, host, true);
    EXPECT_TRUE(s.useCommonDate);
    EXPECT_EQ(host.broadcasts, 1);
    EXPECT_EQ(dateEntryOf(s.commonDate, false), (DateEntry{5, 4, 2003, 6, 45, false}));
    // A new window takes the common date, not the clock.
    DateTime fresh;
    FixedClock clock({2020, 2, 2, 2, 2, 2});
    setInitialDate(fresh, s, clock);
    EXPECT_EQ(dateEntryOf(fresh, false), (DateEntry{5, 4, 2003, 6, 45, false}));

    // The next dialog opens with the box cleared; confirming it so ends the
    // common date and keeps its values.
    host.answers = {DateEntry{5, 4, 2003, 7, 0, false}};
    runDateTimeCommand(dt, s, host, true);
    EXPECT_FALSE(host.shown.back().allWindows);
    EXPECT_FALSE(s.useCommonDate);
    EXPECT_EQ(host.broadcasts, 1);
    setInitialDate(fresh, s, clock);
    EXPECT_EQ(dateEntryOf(fresh, false), (DateEntry{2, 2, 2020, 2, 2, false}));
}

TEST(DateTimeCommand, RefusedEntryWithTheBoxTickedSharesThePreviousDate) {
    Settings s;
    DateTime dt = dateOf(2001, 9, 9, 9, 9);
    ScriptedDateHost host;
    host.answers = {DateEntry{31, 9, 2001, 9, 9, true}, std::nullopt};
    runDateTimeCommand(dt, s, host, true);
    EXPECT_TRUE(s.useCommonDate);
    EXPECT_EQ(dateEntryOf(s.commonDate, false), (DateEntry{9, 9, 2001, 9, 9, false}));
}

TEST(DateTimeCommand, AWindowWithoutTheChoiceNeverTouchesTheCommonDate) {
    Settings s;
    s.useCommonDate = true;
    s.commonDate.setLocal(1999, 1, 2, 3, 4, 0, 0);
    DateTime dt = dateOf(2000, 1, 1, 12, 0);
    ScriptedDateHost host;
    host.answers = {DateEntry{2, 1, 2000, 12, 0, false}};
    runDateTimeCommand(dt, s, host, false);
    EXPECT_EQ(host.offered, std::vector<bool>{false});
    EXPECT_TRUE(s.useCommonDate);
    EXPECT_EQ(s.commonDate.localYear, 1999);
    EXPECT_EQ(host.broadcasts, 0);
    EXPECT_EQ(dt.localDay, 2);
}
