#pragma once

#include "planets/CPlanetDoc.h"
#include "satellites/SatelliteRecordTable.h"
#include "satellites/SaturnMoonSet.h"

namespace vantorel {

class SATURNE;

// The document of a Saturn window.
class CSaturneDoc : public CPlanetDoc {
public:
    CSaturneDoc(const DATE_TIME& blank, Settings& settings);
    SATURNE& planet();
    const SATURNE& planet() const;

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
