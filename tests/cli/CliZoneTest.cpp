#include <gtest/gtest.h>

#include <string>

#include "tests/support/CliRunner.h"
#include "tests/support/TempWorkingDir.h"

namespace {

// The text of "name":"..." in a JSON text; empty when absent.
std::string jsonText(const std::string& json, const std::string& name) {
    std::smatch m;
    const std::regex re("\"" + name + "\":\"([^\"]*)\"");
    return std::regex_search(json, m, re) ? m[1].str() : std::string();
}

// Julian day of a Gregorian date and universal time (Meeus, chapter 7).
double jdUt(int y, int m, int d, int h, int min) {
    if (m <= 2) {
        y -= 1;
        m += 12;
    }
    const int a = y / 100;
    return static_cast<int>(365.25 * (y + 4716)) + static_cast<int>(30.6001 * (m + 1)) + d +
           (2 - a + a / 4) - 1524.5 + (h + min / 60.0) / 24.0;
}

constexpr double kMinute = 1.0 / 1440.0;

}  // namespace

// The nights summer time starts and ends in Paris (2024-03-31 and
// 2024-10-27, each at 01:00 UT): every clock reading converts with the
// offset in force, a skipped one moves on to the hour the clock shows, a
// repeated one is the first.
TEST(CliZone, ParisSummerTimeStartAndEnd) {
    struct Case {
        const char* date;
        const char* time;
        int offset;
        double jd;
        const char* utTime;
    };
    const Case cases[] = {
        {"2024-03-31", "01:59", 60, jdUt(2024, 3, 31, 0, 59), "00:59"},
        {"2024-03-31", "02:30", 120, jdUt(2024, 3, 31, 1, 30), "01:30"},  // shown as 03:30
        {"2024-03-31", "03:00", 120, jdUt(2024, 3, 31, 1, 0), "01:00"},
        {"2024-03-31", "23:00", 120, jdUt(2024, 3, 31, 21, 0), "21:00"},
        {"2024-10-27", "01:30", 120, jdUt(2024, 10, 26, 23, 30), "23:30"},
        {"2024-10-27", "02:30", 120, jdUt(2024, 10, 27, 0, 30), "00:30"},
        {"2024-10-27", "03:00", 60, jdUt(2024, 10, 27, 2, 0), "02:00"},
        {"2045-07-14", "22:00", 120, jdUt(2045, 7, 14, 20, 0), "20:00"},  // past the listed years
    };
    for (const Case& c : cases) {
        const std::string at = std::string("--date ") + c.date + " --time " + c.time;
        CliRun r = runCli("ephem " + at + " --tz Europe/Paris --lat 48.85 --lon 2.35 --body sun --json");
        ASSERT_EQ(r.status, 0) << r.out;
        EXPECT_EQ(jsonNumber(r.out, "utc_offset_min"), c.offset) << at;
        EXPECT_NEAR(jsonNumber(r.out, "jd"), c.jd, 0.01 * kMinute) << at;
        EXPECT_EQ(jsonText(r.out, "zone_name"), "Europe/Paris");
        EXPECT_EQ(jsonNumber(r.out, "latitude_deg"), 48.85);
        r = runCli("time " + at + " --tz Europe/Paris --json");
        ASSERT_EQ(r.status, 0) << r.out;
        EXPECT_EQ(jsonText(r.out, "ut_time"), c.utTime) << at;
        EXPECT_EQ(jsonNumber(r.out, "utc_offset_min"), c.offset) << at;
    }
    // The Sun rises and sets on each of those days by the clock of the day:
    // 07:28 and 20:20 summer time on the first, 07:28 and 17:37 winter time on
    // the second (to two minutes).
    const struct {
        const char* date;
        int rise, set;
    } sun[] = {{"2024-03-31", 7 * 60 + 28, 20 * 60 + 20}, {"2024-10-27", 7 * 60 + 28, 17 * 60 + 37}};
    for (const auto& d : sun) {
        CliRun r = runCli(std::string("ephem --date ") + d.date +
                          " --time 12:00 --tz Europe/Paris --lat 48.8566 --lon 2.3522 --body sun --json");
        ASSERT_EQ(r.status, 0) << r.out;
        const std::string rise = jsonText(r.out, "rise"), set = jsonText(r.out, "set");
        ASSERT_EQ(rise.size(), 5u) << r.out;
        ASSERT_EQ(set.size(), 5u) << r.out;
        EXPECT_NEAR(std::stoi(rise.substr(0, 2)) * 60 + std::stoi(rise.substr(3)), d.rise, 2) << d.date;
        EXPECT_NEAR(std::stoi(set.substr(0, 2)) * 60 + std::stoi(set.substr(3)), d.set, 2) << d.date;
    }
}

// A southern zone turns the other way: Sydney is +11 in January and +10 in
// July, and its clock skips from 02:00 to 03:00 on 2024-10-06.
TEST(CliZone, SouthernZoneWithTz) {
    CliRun r = runCli("ephem --date 2024-01-15 --time 21:00 --tz Australia/Sydney --lat -33.87 --json "
                      "--body moon");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(jsonNumber(r.out, "utc_offset_min"), 660);
    EXPECT_NEAR(jsonNumber(r.out, "jd"), jdUt(2024, 1, 15, 10, 0), 0.01 * kMinute);
    // Without a longitude the centre of the zone's standard time stands in.
    EXPECT_EQ(jsonNumber(r.out, "longitude_east_deg"), 150);
    r = runCli("ephem --date 2024-07-15 --time 21:00 --tz Australia/Sydney --lat -33.87 --json --body moon");
    EXPECT_EQ(jsonNumber(r.out, "utc_offset_min"), 600);
    r = runCli("time --date 2024-10-06 --time 02:30 --tz Australia/Sydney --json");
    ASSERT_EQ(r.status, 0) << r.out;
    // 02:30 does not exist that night: it is 02:30 standard time, which the
    // clock shows as 03:30 summer time.
    EXPECT_EQ(jsonText(r.out, "ut_date"), "2024-10-05");
    EXPECT_EQ(jsonText(r.out, "ut_time"), "16:30");
    EXPECT_EQ(jsonNumber(r.out, "utc_offset_min"), 660);
    r = runCli("time --date 2024-10-06 --time 03:30 --tz Australia/Sydney --json");
    EXPECT_EQ(jsonText(r.out, "ut_time"), "16:30");
    // A fixed zone stays fixed, and says so.
    r = runCli("time --date 2024-10-06 --time 03:30 --zone +10 --json");
    EXPECT_EQ(jsonText(r.out, "ut_time"), "17:30");
    EXPECT_NE(r.out.find("\"zone_name\":null,\"utc_offset_min\":600"), std::string::npos) << r.out;
}

// --city: the most populous city of the name, case and accents ignored,
// "Name, Country" narrowing it; its coordinates and zone together.
TEST(CliZone, CityGivesTheSiteAndTheZone) {
    CliRun r = runCli("ephem --date 2024-07-14 --time 22:00 --city \"sao paulo\" --body sun --json");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(jsonText(r.out, "zone_name"), "America/Sao_Paulo");
    EXPECT_EQ(jsonNumber(r.out, "utc_offset_min"), -180);
    EXPECT_NEAR(jsonNumber(r.out, "latitude_deg"), -23.55, 0.05);
    EXPECT_NEAR(jsonNumber(r.out, "longitude_east_deg"), -46.63, 0.05);
    EXPECT_EQ(jsonText(r.out, "longitude_from"), "site");
    EXPECT_NE(r.out.find("\"name\":\"Sao Paulo\",\"region\":\"São Paulo\""), std::string::npos) << r.out;

    r = runCli("ephem --date 2024-07-14 --time 22:00 --city \"Paris, France\" --body sun --json");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(jsonText(r.out, "zone_name"), "Europe/Paris");
    EXPECT_EQ(jsonNumber(r.out, "utc_offset_min"), 120);
    // The most populous Valencia is Venezuela's; a country (or a region)
    // narrows the name.
    r = runCli("ephem --date 2024-07-14 --time 22:00 --city VALENCIA --body sun --json");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(jsonText(r.out, "zone_name"), "America/Caracas");
    EXPECT_EQ(jsonNumber(r.out, "utc_offset_min"), -240);
    r = runCli("ephem --date 2024-07-14 --time 22:00 --city \"Valencia, Spain\" --body sun --json");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(jsonText(r.out, "zone_name"), "Europe/Madrid");
    EXPECT_NEAR(jsonNumber(r.out, "latitude_deg"), 39.485, 1e-9);
    r = runCli("time --date 2024-07-14 --time 22:00 --tz America/Argentina/Cordoba --json");
    EXPECT_EQ(jsonNumber(r.out, "utc_offset_min"), -180);
    r = runCli("ephem --date 2024-07-14 --time 22:00 --city cordoba --body sun --json");
    EXPECT_EQ(jsonText(r.out, "zone_name"), "America/Argentina/Cordoba") << r.out;

    // The pictures take it as well.
    TempWorkingDir wd;
    r = runCli("render --window sky --date 2024-07-14 --time 22:00 --city Tokyo --out sky.png --json");
    EXPECT_NE(r.out.find("\"zone_name\":\"Asia/Tokyo\",\"utc_offset_min\":540"), std::string::npos)
        << r.out;
}

// --tz against --zone, --city against the site it replaces: one or the other;
// an unknown zone or city is named in the message; exit status 2.
TEST(CliZone, ConflictsAndUnknownNamesExitTwo) {
    const struct {
        const char* args;
        const char* says;
    } bad[] = {
        {"time --date 2024-01-01 --time 00:00 --zone +1 --tz Europe/Paris",
         "argument --tz: cannot be combined with --zone"},
        {"ephem --date 2024-01-01 --time 00:00 --city Paris --lat 40", "cannot be combined with --lat"},
        {"ephem --date 2024-01-01 --time 00:00 --city Paris --lon 2", "cannot be combined with --lon"},
        {"ephem --date 2024-01-01 --time 00:00 --city Paris --tz Europe/Paris",
         "cannot be combined with --tz"},
        {"ephem --date 2024-01-01 --time 00:00 --lat 40", "argument --zone: required (or give --tz or --city)"},
        {"ephem --date 2024-01-01 --time 00:00 --zone 0", "argument --lat: required (or give --city)"},
        {"time --date 2024-01-01 --time 00:00 --tz Europe/Lutetia", "unknown time zone 'Europe/Lutetia'"},
        {"time --date 2024-01-01 --time 00:00 --tz ../../etc/passwd", "unknown time zone '../../etc/passwd'"},
        {"ephem --date 2024-01-01 --time 00:00 --city Atlantis", "no city named 'Atlantis'"},
        {"jupiter-phenomena --date 2024-01-01 --tz Mars/Tharsis", "unknown time zone 'Mars/Tharsis'"},
        {"phenomena-file --year 2024 --tz Europe/Paris", "argument --tz: not used with --year"},
    };
    for (const auto& b : bad) {
        const CliRun r = runCli(b.args);
        EXPECT_EQ(r.status, 2) << b.args;
        EXPECT_NE(r.out.find(b.says), std::string::npos) << b.args << "\n" << r.out;
    }
}

// The day's phenomena of the night summer time starts in Paris: each row
// at its universal time (the list in UT of the same days) plus the offset
// in force then.
TEST(CliZone, PhenomenaRowsAcrossTheChange) {
    // Rows of the UT days 30 and 31 March 2024 as "HH:MM satellite code".
    std::vector<std::pair<int, std::string>> universal;  // minutes from 00:00 UT of the 31st
    for (const int day : {30, 31}) {
        const CliRun r = runCli("jupiter-phenomena --date 2024-03-" + std::to_string(day) + " --zone 0 --json");
        ASSERT_EQ(r.status, 0) << r.out;
        const std::regex row("\\{\"day\":\\d+,\"hour\":(\\d+),\"minute\":(\\d+),\"satellite\":(\\d),\"code\":(\\d)");
        for (auto it = std::sregex_iterator(r.out.begin(), r.out.end(), row); it != std::sregex_iterator(); ++it)
            universal.emplace_back((day - 31) * 1440 + std::stoi((*it)[1]) * 60 + std::stoi((*it)[2]),
                                   (*it)[3].str() + "/" + (*it)[4].str());
    }
    const CliRun r = runCli("jupiter-phenomena --date 2024-03-31 --tz Europe/Paris --json");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("\"zone_name\":\"Europe/Paris\",\"utc_offset_min\":60"), std::string::npos) << r.out;
    std::vector<std::string> shown, expected;
    const std::regex row("\\{\"day\":31,\"hour\":(\\d+),\"minute\":(\\d+),\"satellite\":(\\d),\"code\":(\\d)");
    for (auto it = std::sregex_iterator(r.out.begin(), r.out.end(), row); it != std::sregex_iterator(); ++it)
        shown.push_back(std::to_string(std::stoi((*it)[1]) * 60 + std::stoi((*it)[2])) + " " +
                        (*it)[3].str() + "/" + (*it)[4].str());
    int winter = 0, summer = 0;
    for (const auto& [u, what] : universal) {
        // The local day runs from 23:00 UT on the 30th to 22:00 UT on the 31st.
        if (u <= -60 || u >= 22 * 60) continue;
        const int offset = u < 60 ? 60 : 120;
        (offset == 60 ? winter : summer) += 1;
        expected.push_back(std::to_string(u + offset) + " " + what);
    }
    EXPECT_EQ(shown, expected);
    EXPECT_GT(summer, 0);
}
