#pragma once

#include <string>

// What the satellite information box shows of one satellite: six fixed texts
// and the apparent diameter, renewed whenever the satellite is drawn.

namespace vantorel {

struct SatelliteInfoRecord {
    const char* name;
    const char* period;     // days
    const char* distance;   // mean distance from the planet
    const char* size;
    const char* magnitude;
    const char* discovery;  // discoverer, year
    float diameterAt1AUDeg; // 0 when unknown
    std::string apparentDiameter;
    // The box then says the place shown is the model's approximation.
    bool approximate = false;

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
