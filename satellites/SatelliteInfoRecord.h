#pragma once

#include <string>

#include "common/text/LanguageText.h"

// What the satellite information box shows of one satellite: six fixed texts
// and the apparent diameter, renewed whenever the satellite is drawn.

namespace vantorel {

struct SatelliteInfoRecord {
    const char* name;
    const char* period;     // days
    const char* distance;   // mean distance from the planet
    const char* size;       // radius, or three semi-axes "a x b x c" (km)
    const char* magnitude;
    const char* discovery;  // discoverer, year
    float diameterAt1AUDeg; // angular diameter at 1 AU; 0 when unknown
    std::string apparentDiameter;
    // The box then says the place shown is the model's approximation.
    bool approximate = false;
    // The moon's name in each language ("Europa", "Europe", "Europa"); `name`
    // above stays the English one the command-line tool prints.
    TextTriple localName{"", "", ""};

    // The box's title in a language: the local name and the number, as
    // "Europe - II".
    std::string title(int language) const;

    // Writes "%02.02f\"" of the apparent diameter at `deltaAU` into the record.
    void updateApparentDiameter(double deltaAU);
};

enum class SatelliteFamily { Saturn, Mars, Uranus, Jupiter };

// Saturn: 0 Mimas .. 7 Iapetus; Mars: 0 Phobos, 1 Deimos; Uranus: the record
// evaluator's bodies 1..5 at 0..4 (Ariel, Umbriel, Titania, Oberon, Miranda).
// Returns a copy; an index out of range gives the first satellite.
SatelliteInfoRecord satelliteInfo(SatelliteFamily family, int index);
int satelliteCount(SatelliteFamily family);

}  // namespace vantorel
