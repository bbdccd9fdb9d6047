#pragma once

#include "planets/PlanetDocument.h"
#include "satellites/SatelliteRecordTable.h"

namespace vantorel {

class Uranus;

// The document of the Uranus window.
class UranusDocument : public PlanetDocument {
public:
    UranusDocument(const DateTime& blank, Settings& settings);
    Uranus& planet();

    static const PlanetDocProfile kProfile;
    // The five large moons are computed 59 minutes ahead first.
    static constexpr int kSatelliteLeadMinutes = 59;

protected:
    void computeExtras() override { computeSatellites(satelliteTable_, kSatelliteLeadMinutes); }

private:
    SatelliteRecordTable satelliteTable_ = SatelliteRecordTable::uranus();
};

}  // namespace vantorel
