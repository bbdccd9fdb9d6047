#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <sstream>

#include "../support/TempWorkingDir.h"
#include "tonight/NightCalendar.h"

using namespace vantorel;

namespace {

CalendarRequest parisFrom(int y, int m, int d, int nights) {
    CalendarRequest rq;
    rq.first.year = y;
    rq.first.month = m;
    rq.first.day = d;
    rq.first.site.latitudeDeg = 48.85;
    rq.first.site.longitudeDeg = 2.35;
    rq.first.site.zone = TimeZone::fixed(60);
    rq.nights = nights;
    return rq;
}

std::string readAll(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

TEST(NightCalendar, RequestsOutsideTheNightsOrTheYearsAreRefusedInEachLanguage) {
    EXPECT_EQ(validateCalendarRequest(parisFrom(2024, 3, 14, 366)), "");
    for (const CalendarRequest& bad :
         {parisFrom(2024, 3, 14, 0), parisFrom(2024, 3, 14, 367), parisFrom(2050, 12, 1, 40),
          parisFrom(1984, 12, 31, 1)}) {
        CalendarRequest rq = bad;
        std::string texts[3];
        for (int lang = 0; lang < 3; ++lang) {
            rq.language = lang;
            texts[lang] = validateCalendarRequest(rq);
            EXPECT_FALSE(texts[lang].empty());
        }
        EXPECT_NE(texts[0], texts[1]);
        EXPECT_NE(texts[1], texts[2]);
        EXPECT_TRUE(calendarEvents(bad).empty());
    }
}

TEST(NightCalendar, OnlyWhatTheSiteCanSeeOfJupiterAndTheLunarX) {
    // Early December 2023: Jupiter high at night, a first quarter on the 20th.
    const std::vector<NightEvent> events = calendarEvents(parisFrom(2023, 12, 16, 8));
    int jupiter = 0, lunarX = 0, phases = 0;
    for (size_t i = 0; i < events.size(); ++i) {
        const NightEvent& e = events[i];
        if (i > 0) {
            EXPECT_LE(events[i - 1].jd, e.jd);
        }
        if (e.body == NightBody::Jupiter && e.kind != NightEventKind::PlanetPhenomenon) {
            ++jupiter;
            EXPECT_TRUE(e.observable);
            EXPECT_GE(e.altitudeDeg, kJupiterEventLevel);
        }
        if (e.kind == NightEventKind::LunarX) {
            ++lunarX;
            EXPECT_TRUE(e.observable);
        }
        phases += e.kind == NightEventKind::MoonPhase;
    }
    EXPECT_GT(jupiter, 10);
    EXPECT_EQ(phases, 1);
    EXPECT_LE(lunarX, 1);
    // Each entry names the body and the site.
    const std::vector<CalendarEntry> entries = calendarEntries(parisFrom(2023, 12, 16, 8), events);
    ASSERT_EQ(entries.size(), events.size());
    for (const CalendarEntry& c : entries) {
        EXPECT_NE(c.description.find("48\u00b051' N"), std::string::npos) << c.description;
        EXPECT_TRUE(c.summary.rfind("Jupiter", 0) == 0 || c.summary.rfind("Moon", 0) == 0 ||
                    c.summary.find(": ") != std::string::npos)
            << c.summary;
    }
}

TEST(NightCalendar, TheFileIsWrittenWholeAndAnExistingOneIsKept) {
    TempWorkingDir dir;
    const CalendarRequest rq = parisFrom(2024, 3, 14, 2);
    const std::string path = dir.file("nights.ics").string();
    const CalendarWrite first = writeNightCalendar(rq, path, 2460383.5, false);
    ASSERT_TRUE(first.ok) << first.message;
    const std::string text = readAll(path);
    EXPECT_EQ(text.rfind("BEGIN:VCALENDAR", 0), 0u);
    EXPECT_NE(text.find("END:VCALENDAR"), std::string::npos);
    EXPECT_NE(text.find("DTSTAMP:20240314T000000Z"), std::string::npos);

    // Not replaced without being asked; nothing left beside it.
    const CalendarWrite again = writeNightCalendar(parisFrom(2024, 4, 1, 1), path, 2460383.5, false);
    EXPECT_FALSE(again.ok);
    EXPECT_TRUE(again.existed);
    EXPECT_NE(again.message.find("nights.ics"), std::string::npos);
    EXPECT_EQ(readAll(path), text);
    // Cancelled: no file.
    std::atomic<bool> cancel{true};
    const CalendarWrite stopped =
        writeNightCalendar(rq, dir.file("stopped.ics").string(), 2460383.5, false, {}, &cancel);
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_FALSE(std::filesystem::exists(dir.file("stopped.ics")));
    for (const auto& e : std::filesystem::directory_iterator(dir.path()))
        EXPECT_EQ(e.path().filename().string().find(".tmp"), std::string::npos) << e.path();
}
