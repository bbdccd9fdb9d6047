#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "tonight/NightClock.h"
#include "tonight/NightPlan.h"
#include "tonight/NightPlanText.h"

using namespace vantorel;

namespace {

constexpr double kSecond = 1.0 / 86400.0;

NightRequest at(int y, int m, int d, double lat, double lon, const TimeZone& zone) {
    NightRequest rq;
    rq.year = y;
    rq.month = m;
    rq.day = d;
    rq.site.latitudeDeg = lat;
    rq.site.longitudeDeg = lon;
    rq.site.zone = zone;
    return rq;
}

NightRequest paris(int y, int m, int d) { return at(y, m, d, 48.85, 2.35, TimeZone::fixed(60)); }

const BodyNight& planet(const NightPlan& plan, NightBody body) {
    for (const BodyNight& b : plan.planets)
        if (b.body == body) return b;
    throw std::runtime_error("planet missing");
}

// Every row of every section, in one text.
std::string allText(const NightPlan& plan, int language) {
    std::string text;
    for (const NightTextSection& s : nightPlanSections(plan, language, 0)) {
        text += s.title + "\n";
        for (const NightTextRow& r : s.rows) text += r.time + " " + r.text + "\n";
    }
    return text;
}

bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

TEST(NightPlan, PolarSummerNightSaysThereIsNoDarkness) {
    // Tromso at midsummer: the Sun circles above the horizon.
    const NightPlan plan = computeNightPlan(at(2024, 6, 21, 69.65, 18.96, TimeZone::fixed(60)));
    EXPECT_FALSE(plan.sun.set);
    EXPECT_FALSE(plan.sun.rise);
    EXPECT_FALSE(plan.sun.civilDusk);
    EXPECT_TRUE(plan.sun.darkSky.empty());
    EXPECT_GT(plan.sun.lowest.altitudeDeg, 0.0);
    // Its lowest point is near the site's midnight (local solar time).
    EXPECT_NEAR(localClock(plan.sun.lowest.jd, TimeZone::fixed(60)).hour * 60 +
                    localClock(plan.sun.lowest.jd, TimeZone::fixed(60)).minute,
                23 * 60 + 45, 20);
    ASSERT_EQ(plan.planets.size(), 7u);
    for (const BodyNight& b : plan.planets) {
        EXPECT_EQ(b.visibility, Visibility::NoDarkSky) << nightBodyName(b.body, 0);
        EXPECT_TRUE(b.observable.empty());
    }
    EXPECT_TRUE(plan.jupiterEvents.empty());
    EXPECT_FALSE(jupiterEventWindow(plan));
    // The plan says so in words, and still gives every pane its rows.
    const std::string text = allText(plan, kEnglish);
    EXPECT_TRUE(has(text, "The Sun does not set: lowest 3.")) << text;
    EXPECT_TRUE(has(text, "The sky does not get dark")) << text;
    EXPECT_TRUE(has(text, "No dark sky tonight: no event can be watched")) << text;
    for (const NightTextSection& s : nightPlanSections(plan, kFrench, 0))
        EXPECT_FALSE(s.rows.empty()) << s.title;
    EXPECT_TRUE(has(allText(plan, kFrench), "Le Soleil ne se couche pas"));
    EXPECT_TRUE(has(allText(plan, kSpanish), "El Sol no se pone"));
}

TEST(NightPlan, ShortNorthernNightHasTwilightButNoAstronomicalNight) {
    // Helsinki at midsummer: the Sun sets, the sky gets just past civil
    // twilight, never to nautical darkness.
    const NightPlan plan = computeNightPlan(at(2024, 6, 21, 60.17, 24.94, TimeZone::fixed(180)));
    ASSERT_TRUE(plan.sun.set && plan.sun.rise && plan.sun.civilDusk && plan.sun.civilDawn);
    EXPECT_FALSE(plan.sun.nauticalDusk);
    EXPECT_FALSE(plan.sun.astronomicalDusk);
    EXPECT_LT(*plan.sun.set, *plan.sun.civilDusk);
    EXPECT_LT(*plan.sun.civilDusk, plan.sun.lowest.jd);
    EXPECT_LT(plan.sun.lowest.jd, *plan.sun.civilDawn);
    EXPECT_LT(*plan.sun.civilDawn, *plan.sun.rise);
    ASSERT_EQ(plan.sun.darkSky.size(), 1u);
    EXPECT_NEAR(plan.sun.darkSky[0].begin, *plan.sun.civilDusk, kSecond);
    EXPECT_NEAR(plan.sun.darkSky[0].end, *plan.sun.civilDawn, kSecond);
    EXPECT_TRUE(has(allText(plan, kEnglish), "No astronomical night"));
    // The twilights in order of time in the event list, Sun's first.
    std::vector<NightEventKind> kinds;
    for (const NightEvent& e : plan.skyEvents)
        if (e.body == NightBody::Sun) kinds.push_back(e.kind);
    EXPECT_EQ(kinds, (std::vector<NightEventKind>{NightEventKind::Sunset, NightEventKind::CivilDusk,
                                                  NightEventKind::CivilDawn, NightEventKind::Sunrise}));
}

TEST(NightPlan, MoonThatNeitherRisesNorSetsIsSaidSo) {
    // Nearly full in December: up from before sunset to after sunrise in Paris.
    const NightPlan paris14 = computeNightPlan(paris(2024, 12, 14));
    ASSERT_TRUE(paris14.moon.track.rise && paris14.moon.track.set);
    EXPECT_LT(*paris14.moon.track.rise, *paris14.sun.set);
    EXPECT_GT(*paris14.moon.track.set, *paris14.sun.rise);
    EXPECT_TRUE(has(allText(paris14, kEnglish), "The Moon is up all night"));
    EXPECT_GT(paris14.moon.illuminatedFraction, 0.95);
    EXPECT_EQ(paris14.moon.phaseName, kWaxingGibbous);

    // In Tromso the same night it never sets; at midsummer, near full and
    // far south, it never rises.
    const NightPlan north = computeNightPlan(at(2024, 12, 14, 69.65, 18.96, TimeZone::fixed(60)));
    EXPECT_TRUE(north.moon.track.alwaysUp);
    EXPECT_FALSE(north.moon.track.rise || north.moon.track.set);
    EXPECT_TRUE(has(allText(north, kEnglish), "The Moon is up all night"));
    const NightPlan summer = computeNightPlan(at(2024, 6, 21, 69.65, 18.96, TimeZone::fixed(60)));
    EXPECT_TRUE(summer.moon.track.neverUp);
    EXPECT_TRUE(has(allText(summer, kEnglish), "The Moon stays below the horizon all night"));
    EXPECT_TRUE(has(allText(summer, kSpanish), "La Luna queda bajo el horizonte toda la noche"));
    EXPECT_EQ(summer.moon.phaseName, kFullMoonName);
}

TEST(NightPlan, JupiterBehindTheSunIsNotObservableAndItsConjunctionIsNear) {
    const NightPlan plan = computeNightPlan(paris(2023, 4, 11));
    const BodyNight& jupiter = planet(plan, NightBody::Jupiter);
    EXPECT_EQ(jupiter.visibility, Visibility::NotUpInDarkSky);
    EXPECT_FALSE(jupiter.best);
    EXPECT_LT(jupiter.elongationDeg, 2.0);
    // Its events still are listed, none of them observable.
    EXPECT_FALSE(plan.jupiterEvents.empty());
    for (const NightEvent& e : plan.jupiterEvents) {
        EXPECT_FALSE(e.observable);
        EXPECT_LT(e.altitudeDeg, 0.0);
    }
    const auto conjunction = std::find_if(plan.nearby.begin(), plan.nearby.end(), [](const NightEvent& e) {
        return e.kind == NightEventKind::PlanetPhenomenon && e.body == NightBody::Jupiter;
    });
    ASSERT_NE(conjunction, plan.nearby.end());
    EXPECT_NEAR(conjunction->jd, plan.middle, 1.0);
    const std::string text = allText(plan, kEnglish);
    EXPECT_TRUE(has(text, "Jupiter: not observable tonight: below the horizon while the sky is dark")) << text;
    EXPECT_TRUE(has(text, "(Jupiter below the horizon)"));
    EXPECT_TRUE(has(text, "Jupiter: Conjunction"));
}

TEST(NightPlan, JupiterEventsFallBetweenTheTwilightsAndAreMarkedByItsAltitude) {
    // Jupiter a month after opposition, high all night.
    const NightPlan plan = computeNightPlan(paris(2023, 12, 5));
    const std::optional<TimeInterval> window = jupiterEventWindow(plan);
    ASSERT_TRUE(window && plan.sun.civilDusk && plan.sun.civilDawn);
    EXPECT_DOUBLE_EQ(window->begin, *plan.sun.civilDusk);
    EXPECT_DOUBLE_EQ(window->end, *plan.sun.civilDawn);
    int spots = 0, observable = 0;
    for (size_t i = 0; i < plan.jupiterEvents.size(); ++i) {
        const NightEvent& e = plan.jupiterEvents[i];
        EXPECT_TRUE(window->contains(e.jd));
        if (i > 0) {
            EXPECT_LE(plan.jupiterEvents[i - 1].jd, e.jd);
        }
        EXPECT_EQ(e.observable, e.altitudeDeg >= kJupiterEventLevel);
        spots += e.kind == NightEventKind::RedSpotTransit;
        observable += e.observable;
    }
    EXPECT_GE(spots, 1);
    EXPECT_GE(observable, 2);
    const BodyNight& jupiter = planet(plan, NightBody::Jupiter);
    ASSERT_TRUE(jupiter.best);
    EXPECT_GT(jupiter.best->altitudeDeg, 50.0);
    ASSERT_TRUE(jupiter.system2Deg);
    EXPECT_GT(jupiter.diameterArcsec, 45.0);
}

TEST(NightPlan, TheZoneMovesTheClockNotTheInstants) {
    // The same evening read in UTC+1 and in UTC: the instants agree to the
    // search's second, the clock times differ by the hour.
    const NightPlan one = computeNightPlan(paris(2024, 3, 14));
    NightRequest utc = paris(2024, 3, 14);
    utc.site.zone = TimeZone::fixed(0);
    const NightPlan zero = computeNightPlan(utc);
    ASSERT_TRUE(one.sun.set && zero.sun.set && one.sun.astronomicalDawn && zero.sun.astronomicalDawn);
    EXPECT_NEAR(*one.sun.set, *zero.sun.set, 2 * kSecond);
    EXPECT_NEAR(*one.sun.astronomicalDawn, *zero.sun.astronomicalDawn, 2 * kSecond);
    const LocalMinute a = localClock(*one.sun.set, one.request.site.zone);
    const LocalMinute b = localClock(*zero.sun.set, zero.request.site.zone);
    EXPECT_EQ(a.hour, b.hour + 1);
    // A named zone in summer time: its clock runs two hours ahead in Paris.
    const std::optional<TimeZone> parisZone = TimeZone::named("Europe/Paris");
    ASSERT_TRUE(parisZone);
    const NightPlan july = computeNightPlan(at(2024, 7, 14, 48.85, 2.35, *parisZone));
    ASSERT_TRUE(july.sun.set);
    EXPECT_EQ(july.searchOffsetMinutes, 120);
    const LocalMinute set = localClock(*july.sun.set, *parisZone);
    const LocalMinute setUt = localClock(*july.sun.set, TimeZone::fixed(0));
    EXPECT_EQ((set.hour - setUt.hour) * 60 + set.minute - setUt.minute, 120);
    EXPECT_EQ(set.hour, 21);  // sunset in Paris in mid-July, 21:5x summer time
}
