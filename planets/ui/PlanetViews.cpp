#include "planets/ui/PlanetViews.h"

#include "common/commands/CommandIds.h"
#include "common/settings/SettingsFile.h"
#include "common/ui/ToolWindowPages.h"
#include "common/ui/ViewContext.h"
#include "common/ui/WindowHost.h"
#include "common/ui/WindowServices.h"
#include "engine/Mars.h"
#include "planets/MarsDocument.h"
#include "planets/MercuryDocument.h"
#include "planets/UranusDocument.h"
#include "planets/VenusDocument.h"
#include "planets/ui/CentralLongitudeDialog.h"
#include "planets/ui/MarsSeasonDialog.h"
#include "planets/ui/MarsSeasonList.h"
#include "sky/ConjunctionSearch.h"
#include "sky/MarsSeasonSearch.h"

namespace vantorel {
namespace {

// Mercury and Venus: a fixed disc of 100 pixels, no tracking, no satellites.
PlanetView::ViewTraits innerPlanetTraits(int phenomenaPlanet) {
    return {100, 100, 0, 0, false, false, ID_CONJUNCTION, phenomenaPlanet, {}, {},
            SatelliteFamily::Mars, 0};
}

}  // namespace

MercuryView::MercuryView(const ViewContext& c)
    : PlanetView(c, DocTypeId::Mercury,
                  std::make_unique<MercuryDocument>(c.blankDate, c.host.settings()),
                  innerPlanetTraits(kPhenomenaMercury)) {}

VenusView::VenusView(const ViewContext& c)
    : PlanetView(c, DocTypeId::Venus, std::make_unique<VenusDocument>(c.blankDate, c.host.settings()),
                  innerPlanetTraits(kPhenomenaVenus)) {}

MarsView::MarsView(const ViewContext& c)
    : PlanetView(c, DocTypeId::Mars, std::make_unique<MarsDocument>(c.blankDate, c.host.settings()),
                  {20, 80, ID_MARS_ZOOM_IN, ID_MARS_ZOOM_OUT, true, true,
                   ID_CONJUNCTION_OPPOSITION, kPhenomenaMars, &SettingsFile::readMarsZoom,
                   [](double z) { SettingsFile::writeMarsZoom(z); }, SatelliteFamily::Mars,
                   satelliteCount(SatelliteFamily::Mars)}) {}

bool MarsView::onBodyCommand(int id) {
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

std::optional<CommandState> MarsView::bodyCommandState(int id) const {
    if (id == ID_FIND_CENTRAL_LONGITUDE || id == ID_SEASONS) return CommandState{};
    return std::nullopt;
}

void MarsView::showSeasons() {
    int startYear = 0;
    int years = 0;
    if (!askSeasonPeriod(this, language(), static_cast<int>(document().dt.localYear), startYear,
                         years))
        return;
    // From January 1 of the start year, 00:00 in the window's zone, to the
    // end of the year `years` later. The search runs on a Mars of its own,
    // so the window's planet stays at the window's date.
    DateTime dt;
    dt.setLocal(startYear, 1, 1, 0, 0, document().dt.zoneHours, document().dt.zoneMinutes);
    dt.namedZone = document().dt.namedZone;
    const int endYear = startYear + std::min(years, kSeasonMaxYears);
    Mars mars;
    MarsSeasonSearchResult list;
    WaitCursor wait;
    searchMarsSeasons(mars, dt, endYear, language(), settings().dateFormatIndex(), list);
    QStringList lines;
    for (int i = 0; i < list.count && i < MarsSeasonSearchResult::kLineCount; ++i)
        lines << QString::fromUtf8(list.lines[i]);
    addPageCommands(MarsSeasonList::showLines(this, language(), lines), this);
}

void MarsView::findCentralLongitude() {
    for (;;) {
        CentralLongitudeDialog dialog(language(), this);
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
        static_cast<MarsDocument&>(document()).findCentralLongitudeTime(static_cast<int>(value));
        return;
    }
}

UranusView::UranusView(const ViewContext& c)
    : PlanetView(c, DocTypeId::Uranus,
                  std::make_unique<UranusDocument>(c.blankDate, c.host.settings()),
                  {10, 80, ID_URANUS_ZOOM_IN, ID_URANUS_ZOOM_OUT, true, true, 0, kPhenomenaUranus,
                   &SettingsFile::readUranusZoom, [](double z) { SettingsFile::writeUranusZoom(z); },
                   SatelliteFamily::Uranus, satelliteCount(SatelliteFamily::Uranus)}) {}

}  // namespace vantorel
