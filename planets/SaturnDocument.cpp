#include "planets/SaturnDocument.h"

#include <cstdio>

#include "engine/Angles.h"
#include "engine/Saturn.h"

namespace vantorel {

const PlanetDocProfile SaturnDocument::kProfile = {
    kTitleSaturn, {"  SATURN", " SATURNE", " SATURNO"}, {"        ", "        ", "        "}, "      ", 3, 120536.0, false, 20.0f, 15.4f, "Syst. III"};

SaturnDocument::SaturnDocument(const DateTime& blank, Settings& settings)
    : PlanetDocument(blank, settings, std::make_unique<Saturn>(), kProfile) {}

Saturn& SaturnDocument::planet() { return static_cast<Saturn&>(body()); }
const Saturn& SaturnDocument::planet() const { return static_cast<const Saturn&>(body()); }

void SaturnDocument::computeExtras() { moons = computeSaturnMoons(planet(), dt, satelliteTable_); }

void SaturnDocument::fillExtras(BodyDataRecord& record) const {
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
