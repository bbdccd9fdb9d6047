#include "planets/ui/JupiterViews.h"

#include "common/commands/CommandIds.h"
#include "common/commands/DocumentTypes.h"
#include "common/settings/SettingsFile.h"
#include "common/ui/ToolWindowPages.h"
#include "common/ui/ViewContext.h"
#include "common/ui/WindowHost.h"
#include "common/ui/WindowServices.h"
#include "engine/Jupiter.h"
#include "planets/ui/PhenomenaList.h"
#include "planets/ui/RedSpotDialog.h"
#include "satellites/GalileanPlacement.h"
#include "satellites/JupiterZoom.h"

namespace vantorel {

namespace {

// Jupiter's first row in the conjunction and opposition search (whose header
// cannot sit beside the satellites' search of the same name).
constexpr int kConjunctionRowOfJupiter = 6;

PlanetView::ViewTraits jupiterTraits(bool disc) {
    // The disc zooms by the levels of JupiterZoom, kept in the settings; the
    // view counts its zoom upwards as it comes closer, the levels the other
    // way (0 fills the window), so it keeps the last level less the level.
    // The strip has its fixed scale.
    constexpr int kLast = JupiterZoom::kLevels - 1;
    PlanetView::ViewTraits t{disc ? 0 : 1,
                              disc ? kLast : 1,
                              disc ? ID_JUPITER_ZOOM_IN : 0,
                              disc ? ID_JUPITER_ZOOM_OUT : 0,
                              disc,
                              disc,
                              ID_CONJUNCTION_OPPOSITION,
                              kConjunctionRowOfJupiter,
                              {},
                              {},
                              SatelliteFamily::Jupiter,
                              satelliteCount(SatelliteFamily::Jupiter)};
    if (disc) {
        t.readZoom = [] {
            return kLast - SettingsFile::readJupiterZoom(kLast, JupiterZoom::kDefaultLevel);
        };
        t.writeZoom = [](double zoom) {
            SettingsFile::writeJupiterZoom(kLast - static_cast<int>(zoom));
        };
        t.zoomStep = 1;
        // As in Saturn's window: a left double click comes closer.
        t.leftDoubleClickZoomsIn = true;
    }
    t.hitReach = disc ? 6 : 4;
    // Two windows on one document: the strip's title says which it is.
    if (!disc) t.windowName = documentType(DocTypeId::JupiterSatellites).fixedTitle;
    return t;
}

}  // namespace

// The document of the window that asked for the strip, or a new one (which
// then takes its date) when the strip is opened some other way.
JupiterSatellitesView::SharedDocument JupiterSatellitesView::documentFor(const ViewContext& c) {
    if (auto* source = dynamic_cast<JupiterViewBase*>(c.source))
        if (auto shared = std::dynamic_pointer_cast<JupiterDocument>(source->sharedDocument()))
            return {shared, false};
    return {std::make_shared<JupiterDocument>(c.blankDate, c.host.settings()), true};
}

// ---- shared --------------------------------------------------------------------------

JupiterViewBase::JupiterViewBase(const ViewContext& context, DocTypeId type,
                                   std::shared_ptr<JupiterDocument> doc, ViewTraits traits,
                                   bool initialiseDocument)
    : PlanetView(context, type, std::move(doc), std::move(traits), initialiseDocument) {}

JupiterViewBase::~JupiterViewBase() {
    if (list_) delete list_.data();
}

PhenomenaList* JupiterViewBase::phenomenaList() const { return list_; }

bool JupiterViewBase::onBodyCommand(int id) {
    if (id == ID_RED_SPOT_REFERENCE) {
        redSpotReference();
        return true;
    }
    if (id == ID_PHENOMENON_OR_SATURN_ZOOM_IN) {
        showPhenomena();
        return true;
    }
    return false;
}

std::optional<CommandState> JupiterViewBase::bodyCommandState(int id) const {
    if (id == ID_RED_SPOT_REFERENCE || id == ID_PHENOMENON_OR_SATURN_ZOOM_IN) return CommandState{};
    return std::nullopt;
}

void JupiterViewBase::redSpotReference() {
    JupiterDocument& doc = jupiter();
    if (const auto longitude = RedSpotDialog::ask(doc.redSpotLongitude(), language(), this))
        doc.setRedSpotLongitude(*longitude);
}

void JupiterViewBase::onLanguageChanged() {
    if (list_) {
        const QPoint place = list_->pos();
        delete list_.data();
        showPhenomena();
        list_->move(place);
    }
    PlanetView::onLanguageChanged();
}

void JupiterViewBase::showPhenomena() {
    if (list_) {
        list_->raise();
        return;
    }
    // A top-level window of its own, closed with the window that opened it.
    list_ = new PhenomenaList(language(), nullptr);
    list_->setAttribute(Qt::WA_DeleteOnClose);
    connect(list_, &PhenomenaList::phenomenonChosen, this, [this](int hour, int minute) {
        DateTime when = jupiter().dt;
        when.localHour = hour;
        when.localMinute = minute;
        host().sendToAllChildren(WM_JUPITER_DATE, &when);
    });
    fillPhenomena();
    addPageCommands(list_, this);
    list_->show();
    list_->placeAtRightEdge();
}

void JupiterViewBase::fillPhenomena() {
    if (!list_) return;
    JupiterDocument& doc = jupiter();
    {
        WaitCursor wait;
        doc.findDayPhenomena();
    }
    list_->setRows(doc.planet().rows);
    listedDay_[0] = static_cast<int>(doc.dt.localYear);
    listedDay_[1] = static_cast<int>(doc.dt.localMonth);
    listedDay_[2] = static_cast<int>(doc.dt.localDay);
}

void JupiterViewBase::paintEvent(QPaintEvent* event) {
    PlanetView::paintEvent(event);
    const DateTime& dt = jupiter().dt;
    if (list_ && (listedDay_[0] != static_cast<int>(dt.localYear) ||
                  listedDay_[1] != static_cast<int>(dt.localMonth) ||
                  listedDay_[2] != static_cast<int>(dt.localDay)))
        fillPhenomena();
}

std::vector<SatelliteSpot> JupiterViewBase::spotsOf(const JupiterPictureLayout& layout) const {
    std::vector<SatelliteSpot> spots;
    for (int i = 0; i < 4; ++i)
        if (layout.satellites[static_cast<size_t>(i)].drawn)
            spots.push_back({i, layout.satellites[static_cast<size_t>(i)].x,
                             layout.satellites[static_cast<size_t>(i)].y});
    for (int i = 0; i < 4; ++i)
        if (layout.shadows[static_cast<size_t>(i)].drawn)
            spots.push_back({4 + i, layout.shadows[static_cast<size_t>(i)].x,
                             layout.shadows[static_cast<size_t>(i)].y});
    return spots;
}

// ---- the disc ----------------------------------------------------------------------

JupiterView::JupiterView(const ViewContext& c)
    : JupiterViewBase(c, DocTypeId::Jupiter,
                       std::make_shared<JupiterDocument>(c.blankDate, c.host.settings()),
                       jupiterTraits(true), true) {}

int JupiterView::level() const { return JupiterZoom::kLevels - 1 - zoom(); }

std::vector<SatelliteSpot> JupiterView::paintPicture(DrawingSurface& surface) {
    layout_ = paintJupiterPicture(surface, jupiter(), renderer(), level());
    return spotsOf(layout_);
}

void JupiterView::clickAt(QPoint p) {
    const SatelliteSpot* spot = spotAt(p);
    if (!spot) return;
    if (spot->index < 4) {
        openSatelliteInfo(*spot);
        return;
    }
    messageBox(this, QString::fromUtf8(shadowName(spot->index - 4, language())));
}

void JupiterView::onJupiterDate(const DateTime& date) {
    if (date.localHour < 0 || date.localMinute < 0) return;
    JupiterDocument& doc = jupiter();
    doc.dt.localHour = date.localHour;
    doc.dt.localMinute = date.localMinute;
    doc.recomputeAndRefresh();
}

// ---- the strip ---------------------------------------------------------------------

JupiterSatellitesView::JupiterSatellitesView(const ViewContext& c) : JupiterSatellitesView(c, documentFor(c)) {}

JupiterSatellitesView::JupiterSatellitesView(const ViewContext& c, SharedDocument doc)
    : JupiterViewBase(c, DocTypeId::JupiterSatellites, std::move(doc.first), jupiterTraits(false),
                       doc.second) {
    setCursor(Qt::CrossCursor);
}

std::vector<SatelliteSpot> JupiterSatellitesView::paintPicture(DrawingSurface& surface) {
    layout_ = paintJupiterStrip(surface, jupiter(), renderer().whiteBackground);
    return spotsOf(layout_);
}

}  // namespace vantorel
