#pragma once

#include "planets/PlanetDocument.h"
#include "satellites/SatelliteRecordTable.h"

namespace vantorel {

class Mars;

// The document of the Mars window: the family's behaviour, the season on
// Mars in the panel, and the search for the time a longitude faces the Earth.
class MarsDocument : public PlanetDocument {
public:
    MarsDocument(const DateTime& blank, Settings& settings);
    Mars& planet();
    const Mars& planet() const;

    // Moves the document's clock forward to the first minute at which the
    // whole degrees of the central longitude equal `requested` (0..359), then
    // computes everything at that time. False, with nothing changed, for a
    // value out of range or when two days of minutes pass without it.
    bool findCentralLongitudeTime(int requested);

    static const PlanetDocProfile kProfile;
    // Phobos and Deimos are computed 10 minutes ahead first.
    static constexpr int kSatelliteLeadMinutes = 10;
    // The central longitude turns about 14.62 degrees an hour.
    static constexpr double kDegreesPerHour = 14.62;
    static constexpr int kSearchMinutes = 2 * 24 * 60;

protected:
    void fillExtras(BodyDataRecord& record) const override;
    void computeExtras() override { computeSatellites(satelliteTable_, kSatelliteLeadMinutes); }

private:
    void computePlaceOnly();
    SatelliteRecordTable satelliteTable_ = SatelliteRecordTable::mars();
};

}  // namespace vantorel
