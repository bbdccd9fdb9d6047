#pragma once

#include <string>

#include "planets/PlanetDocument.h"
#include "satellites/GalileanPhenomenaSearch.h"
#include "satellites/JupiterSystem.h"
#include "satellites/RedSpotSearch.h"

namespace vantorel {


// The document of the Jupiter windows: the family's date, place, panel and
// status texts, with Systems I and II, the day's Red Spot transits and the
// Galilean satellites (computed when the views draw).
class JupiterDocument : public PlanetDocument {
public:
    JupiterDocument(const DateTime& blank, Settings& settings);
    JupiterSystem& planet();
    const JupiterSystem& planet() const;

    // The Red Spot reference of the dialog: 0..359 is stored here and in the
    // running settings, written to the settings file, and the document
    // recomputes; anything else is refused with nothing changed.
    bool setRedSpotLongitude(int longitude);
    static const char* redSpotRefusedMessage(int language);
    int redSpotLongitude() const { return redSpotLongitude_; }
    const RedSpotTransits& redSpot() const { return redSpot_; }

    // The satellites at the document's instant, for drawing: classified from
    // scratch (which satellites are hidden, which shadows lie on the disc),
    // never recording rows.
    void computeSatellitesForDrawing();
    // The phenomena of the displayed day (from the yearly file when there is
    // one in the working directory); true when read from the file.
    bool findDayPhenomena(SearchMode mode = SearchMode::Fast);

    static const PlanetDocProfile kProfile;
    // Orbit scale and the equatorial diameter used for the kilometre scale.
    static constexpr double kOrbitScaleKm = 1883000.0;
    static constexpr double kPlanetDiameterKm = 142984.0;

    bool dayChanged = false;
    bool satellitesRedraw = true;
    bool informationComputed = false;

protected:
    void computeExtras() override;
    void fillExtras(BodyDataRecord& record) const override;

private:
    int redSpotLongitude_ = 0;
    RedSpotTransits redSpot_;
};

}  // namespace vantorel
