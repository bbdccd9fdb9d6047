#include "planets/CMarsDoc.h"

#include <cmath>

#include "engine/BodySequence.h"
#include "engine/MARS.h"
#include "planets/PanelText.h"

namespace vantorel {

const PlanetDocProfile CMarsDoc::kProfile = {
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

CMarsDoc::CMarsDoc(const DATE_TIME& blank, Settings& settings)
    : CPlanetDoc(blank, settings, std::make_unique<MARS>(), kProfile) {}

MARS& CMarsDoc::planet() { return static_cast<MARS&>(body()); }
const MARS& CMarsDoc::planet() const { return static_cast<const MARS&>(body()); }

void CMarsDoc::fillExtras(BodyDataRecord& record) const {
    const float ls = planet().seasonAngle;
    record.seasonName = marsSeasonName(language(), ls);
    record.seasonAngle = marsSeasonAngleText(ls);
}

void CMarsDoc::computePlaceOnly() { computeInstant(dt, earthSun, planetPlace(body())); }

namespace {

// One minute back, borrowing into the hour, day, month and year.
void stepBackOneMinute(DATE_TIME& dt) {
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

bool CMarsDoc::findCentralLongitudeTime(int requested) {
    if (requested < 0 || requested > 359) return false;
    const DATE_TIME saved = dt;
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
