#include "planets/MarsDocument.h"

#include <cmath>

#include "engine/BodySequence.h"
#include "engine/Mars.h"
#include "planets/PanelText.h"

namespace vantorel {

const PlanetDocProfile MarsDocument::kProfile = {
    kTitleMars,
    {"    MARS", "    MARS", "  MARTE"},
    {" Season on Mars", "  Saison sur Mars", "      Estaci\u00f3n"},
    "      ",
    5,
    6794.0,
    false,
    25.1f,
    3.5f,
    "        "};

MarsDocument::MarsDocument(const DateTime& blank, Settings& settings)
    : PlanetDocument(blank, settings, std::make_unique<Mars>(), kProfile) {}

Mars& MarsDocument::planet() { return static_cast<Mars&>(body()); }
const Mars& MarsDocument::planet() const { return static_cast<const Mars&>(body()); }

void MarsDocument::fillExtras(BodyDataRecord& record) const {
    const float ls = planet().seasonAngle;
    record.seasonName = marsSeasonName(language(), ls);
    record.seasonAngle = marsSeasonAngleText(ls);
}

void MarsDocument::computePlaceOnly() { computeInstant(dt, earthSun, planetPlace(body())); }

namespace {

// One minute back, borrowing into the hour, day, month and year.
void stepBackOneMinute(DateTime& dt) {
    dt.localMinute -= 1;
    if (dt.localMinute >= 0) return;
    dt.localMinute = 59;
    dt.localHour -= 1;
    if (dt.localHour >= 0) return;
    dt.localHour = 23;
    dt.localDay -= 1;
    if (dt.localDay >= 1) return;
    dt.localMonth -= 1;
    if (dt.localMonth < 1) {
        dt.localMonth = 12;
        dt.localYear -= 1;
    }
    dt.setFebruaryLength();
    dt.localDay = dt.monthLength(static_cast<int>(dt.localMonth));
}

}  // namespace

bool MarsDocument::findCentralLongitudeTime(int requested) {
    if (requested < 0 || requested > 359) return false;
    const DateTime saved = dt;
    auto wholeDegrees = [this] { return static_cast<int>(body().centralLongitudeDeg); };

    int d = requested - wholeDegrees();
    if (d < 0) d += 360;
    dt.localHour += std::floor(d / kDegreesPerHour);
    dt.localMinute = 0;
    dt.carryLocalTime();

    bool found = false;
    for (int step = 0; step < kSearchMinutes && !found; ++step) {
        computePlaceOnly();
        found = wholeDegrees() == requested;
        dt.localMinute += 1;
        dt.carryLocalTime();
    }
    if (!found) {
        // Leave the window as it was rather than at an arbitrary time.
        dt = saved;
        computeBody();
        return false;
    }
    stepBackOneMinute(dt);
    // Rise, transit, set and altitude follow the new time like every other
    // change of the date.
    computeBody();
    refreshPanel = true;
    redrawDisc = true;
    redrawViews();
    return true;
}

}  // namespace vantorel
