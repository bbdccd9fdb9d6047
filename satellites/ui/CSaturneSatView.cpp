#include "satellites/ui/CSaturneSatView.h"

#include "app/CommandIds.h"
#include "app/ui/CVantorelApp.h"
#include "app/ui/DocumentTypeRegistry.h"
#include "planets/CSaturneDoc.h"
#include "sky/PhenomenaSearch.h"

namespace vantorel {

// The planet views count their zoom upwards as they come closer; the levels
// count the other way (0 is Mimas, the closest), so the view keeps 7 - level.
CSaturneSatView::CSaturneSatView(const ViewContext& c)
    : CPlanetView(c, DocTypeId::Saturn, std::make_unique<CSaturneDoc>(c.blankDate, c.app.settings()),
                  {0, kLevels - 1, ID_PHENOMENON_OR_SATURN_ZOOM_IN, ID_SATURN_ZOOM_OUT, false, true,
                   ID_CONJUNCTION_OPPOSITION, kPhenomenaSaturn,
                   [] { return kLevels - 1 - kDefaultLevel; }, {}, SatelliteFamily::Saturn,
                   satelliteCount(SatelliteFamily::Saturn), 1, true, 4}) {}

CSaturneDoc& CSaturneSatView::saturnDocument() { return static_cast<CSaturneDoc&>(document()); }

std::vector<SatelliteSpot> CSaturneSatView::paintPicture(DrawingSurface& surface) {
    const CSaturneDoc& doc = saturnDocument();
    drawing_ = paintSaturnSatPicture(surface, doc.moons, renderer(), level(), doc.projection);
    std::vector<SatelliteSpot> spots;
    for (int i = 0; i < kSaturnSatellites; ++i) {
        if (!drawing_.moonDrawn[i]) continue;
        spots.push_back({i, drawing_.moonX[i], drawing_.moonY[i], doc.moons.moons[i].approximate});
    }
    return spots;
}

}  // namespace vantorel
