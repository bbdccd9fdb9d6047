#pragma once

#include "planets/CPlanetDoc.h"
#include "satellites/SatelliteRecordTable.h"

namespace vantorel {

class URANUS;

// The document of the Uranus window.
class CUranusDoc : public CPlanetDoc {
public:
    CUranusDoc(const DATE_TIME& blank, Settings& settings);
    URANUS& planet();

    static const PlanetDocProfile kProfile;
    // The five large moons are computed 59 minutes ahead first.
    static constexpr int kSatelliteLeadMinutes = 59;

protected:
    void computeExtras() override { computeSatellites(satelliteTable_, kSatelliteLeadMinutes); }

private:
    SatelliteRecordTable satelliteTable_ = SatelliteRecordTable::uranus();
};

}  // namespace vantorel
