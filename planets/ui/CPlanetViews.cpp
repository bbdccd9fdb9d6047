#include "planets/ui/CPlanetViews.h"

#include "app/CommandIds.h"
#include "app/SettingsFile.h"
#include "app/ui/CChercLongi.h"
#include "app/ui/CVantorelApp.h"
#include "app/ui/DocumentTypeRegistry.h"
#include "app/ui/WindowServices.h"
#include "planets/CMarsDoc.h"
#include "planets/CMercureDoc.h"
#include "planets/CUranusDoc.h"
#include "planets/CVenusDoc.h"
#include "sky/ui/CSaison.h"
#include "sky/ui/CSetSaison.h"
#include "sky/MarsSeasonSearch.h"
#include "sky/PhenomenaSearch.h"
#include "engine/MARS.h"

namespace vantorel {
namespace {

// Mercury and Venus: a fixed disc of 100 pixels, no tracking, no satellites.
CPlanetView::ViewTraits innerPlanetTraits(int phenomenaPlanet) {
    return {100, 100, 0, 0, false, false, ID_CONJUNCTION, phenomenaPlanet, {}, {},
            SatelliteFamily::Mars, 0};
}

}  // namespace

CMercureView::CMercureView(const ViewContext& c)
    : CPlanetView(c, DocTypeId::Mercury,
                  std::make_unique<CMercureDoc>(c.blankDate, c.app.settings()),
                  innerPlanetTraits(kPhenomenaMercury)) {}

CVenusView::CVenusView(const ViewContext& c)
    : CPlanetView(c, DocTypeId::Venus, std::make_unique<CVenusDoc>(c.blankDate, c.app.settings()),
                  innerPlanetTraits(kPhenomenaVenus)) {}

CMarsView::CMarsView(const ViewContext& c)
    : CPlanetView(c, DocTypeId::Mars, std::make_unique<CMarsDoc>(c.blankDate, c.app.settings()),
                  {20, 80, ID_MARS_ZOOM_IN, ID_MARS_ZOOM_OUT, true, true,
                   ID_CONJUNCTION_OPPOSITION, kPhenomenaMars, &SettingsFile::readMarsZoom,
                   [](double z) { SettingsFile::writeMarsZoom(z); }, SatelliteFamily::Mars,
                   satelliteCount(SatelliteFamily::Mars)}) {}

bool CMarsView::onBodyCommand(int id) {
    if (id == ID_FIND_CENTRAL_LONGITUDE) {
        findCentralLongitude();
        return true;
    }
    if (id == ID_SEASONS) {
        showSeasons();
        return true;
    }
    return false;
}

std::optional<CommandState> CMarsView::bodyCommandState(int id) const {
    if (id == ID_FIND_CENTRAL_LONGITUDE || id == ID_SEASONS) return CommandState{};
    return std::nullopt;
}

void CMarsView::showSeasons() {
    int startYear = 0;
    int years = 0;
    if (!askSeasonPeriod(this, language(), static_cast<int>(document().dt.localYear), startYear,
                         years))
        return;
    // From January 1 of the start year, 00:00 in the window's zone, to the
    // end of the year `years` later. The search runs on a Mars of its own,
    // so the window's planet stays at the window's date.
    DATE_TIME dt;
    dt.setLocal(startYear, 1, 1, 0, 0, document().dt.zoneHours, document().dt.zoneMinutes);
    const int endYear = startYear + std::min(years, kSeasonMaxYears);
    MARS mars;
    MarsSeasonList list;
    WaitCursor wait;
    searchMarsSeasons(mars, dt, endYear, language(), settings().dateFormatIndex(), list);
    QStringList lines;
    for (int i = 0; i < list.count && i < MarsSeasonList::kLineCount; ++i)
        lines << QString::fromUtf8(list.lines[i]);
    CSaison::showLines(this, language(), lines);
}

void CMarsView::findCentralLongitude() {
    for (;;) {
        CChercLongi dialog(language(), this);
        if (dialog.exec() != QDialog::Accepted) return;
        const long long value = dialog.value();
        if (value < 0 || value > 359) {
            playExclamationSound();
            messageBox(this, QString::fromUtf8(pickText(
                                 language(), "The central longitude entered is not valid (0 - 359).",
                                 "La longitude centrale saisie n'est pas valide (0 - 359).",
                                 "La longitud central introducida no es v\u00e1lida (0 - 359).")));
            continue;
        }
        WaitCursor wait;
        static_cast<CMarsDoc&>(document()).findCentralLongitudeTime(static_cast<int>(value));
        return;
    }
}

CUranusView::CUranusView(const ViewContext& c)
    : CPlanetView(c, DocTypeId::Uranus,
                  std::make_unique<CUranusDoc>(c.blankDate, c.app.settings()),
                  {10, 80, ID_URANUS_ZOOM_IN, ID_URANUS_ZOOM_OUT, true, true, 0, kPhenomenaUranus,
                   &SettingsFile::readUranusZoom, [](double z) { SettingsFile::writeUranusZoom(z); },
                   SatelliteFamily::Uranus, satelliteCount(SatelliteFamily::Uranus)}) {}

}  // namespace vantorel
