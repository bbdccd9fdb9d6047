#pragma once

#include "planets/PlanetDocument.h"
#include "satellites/SatelliteRecordTable.h"
#include "satellites/SaturnMoonSet.h"

namespace vantorel {

class Saturn;

// The document of a Saturn window.
class SaturnDocument : public PlanetDocument {
public:
    SaturnDocument(const DateTime& blank, Settings& settings);
    Saturn& planet();
    const Saturn& planet() const;

    static const PlanetDocProfile kProfile;

    // Mimas to Iapetus at the document's time: from the fitted records, or
    // from the mean-motion model where none covers the date.
    SaturnMoonSet moons;

protected:
    void computeExtras() override;
    // The rings' group of the panel: their tilt toward the Earth and the
    // longitude of their node.
    void fillExtras(BodyDataRecord& record) const override;

private:
    SatelliteRecordTable satelliteTable_ = SatelliteRecordTable::saturn();
};

}  // namespace vantorel
