#include "planets/ui/SaturnView.h"

#include "common/commands/CommandIds.h"
#include "common/ui/ViewContext.h"
#include "common/ui/WindowHost.h"
#include "planets/SaturnDocument.h"
#include "sky/ConjunctionSearch.h"

namespace vantorel {

// The planet views count their zoom upwards as they come closer; the levels
// count the other way (0 is Mimas, the closest), so the view keeps 7 - level.
SaturnView::SaturnView(const ViewContext& c)
    : PlanetView(c, DocTypeId::Saturn, std::make_unique<SaturnDocument>(c.blankDate, c.host.settings()),
                  {0, kLevels - 1, ID_PHENOMENON_OR_SATURN_ZOOM_IN, ID_SATURN_ZOOM_OUT, false, true,
                   ID_CONJUNCTION_OPPOSITION, kPhenomenaSaturn,
                   [] { return kLevels - 1 - kDefaultLevel; }, {}, SatelliteFamily::Saturn,
                   satelliteCount(SatelliteFamily::Saturn), 1, true, 4}) {}

SaturnDocument& SaturnView::saturnDocument() { return static_cast<SaturnDocument&>(document()); }

std::vector<SatelliteSpot> SaturnView::paintPicture(DrawingSurface& surface) {
    const SaturnDocument& doc = saturnDocument();
    drawing_ = paintSaturnSatPicture(surface, doc.moons, renderer(), level(), doc.projection, language());
    std::vector<SatelliteSpot> spots;
    for (int i = 0; i < kSaturnSatellites; ++i) {
        if (!drawing_.moonDrawn[i]) continue;
        spots.push_back({i, drawing_.moonX[i], drawing_.moonY[i], doc.moons.moons[i].approximate});
    }
    return spots;
}

}  // namespace vantorel
