#include "planets/CSaturneDoc.h"

#include <cstdio>

#include "engine/Angles.h"
#include "engine/SATURNE.h"

namespace vantorel {

const PlanetDocProfile CSaturneDoc::kProfile = {
    kTitleSaturn, {"  SATURN", " SATURNE", " SATURNO"}, {"        ", "        ", "        "}, "      ", 3, 120536.0, false, 20.0f, 15.4f, "Syst. III"};

CSaturneDoc::CSaturneDoc(const DATE_TIME& blank, Settings& settings)
    : CPlanetDoc(blank, settings, std::make_unique<SATURNE>(), kProfile) {}

SATURNE& CSaturneDoc::planet() { return static_cast<SATURNE&>(body()); }
const SATURNE& CSaturneDoc::planet() const { return static_cast<const SATURNE&>(body()); }

void CSaturneDoc::computeExtras() { moons = computeSaturnMoons(planet(), dt, satelliteTable_); }

void CSaturneDoc::fillExtras(BodyDataRecord& record) const {
    // The group that shows Mars's season is otherwise blank here; it gives
    // what an observer of Saturn looks up first.
    const TextTriple label{" Rings", " Anneaux", " Anillos"};
    record.seasonGroupLabel = label(language());
    char text[40];
    std::snprintf(text, sizeof text, "B: %+.2f\u00b0", toDeg(planet().ringTilt));
    record.seasonName = text;
    std::snprintf(text, sizeof text, "\u03a9: %.2f\u00b0", reduceDegrees(toDeg(planet().ringNode)));
    record.seasonAngle = text;
}

}  // namespace vantorel
