#include "satellites/ui/CJupiterViews.h"

#include "app/CommandIds.h"
#include "app/ui/CMainFrame.h"
#include "app/ui/CVantorelApp.h"
#include "app/ui/DocumentTypeRegistry.h"
#include "app/ui/WindowServices.h"
#include "engine/JUPITER.h"
#include "satellites/GalileanPlacement.h"
#include "satellites/ui/CRedSpot.h"
#include "satellites/ui/CSatPheno.h"

namespace vantorel {

namespace {

// Jupiter's first row in the conjunction and opposition search (whose header
// cannot sit beside the satellites' search of the same name).
constexpr int kConjunctionRowOfJupiter = 6;

CPlanetView::ViewTraits jupiterTraits(bool disc) {
    // No zoom: the disc has its fixed size and the strip its scale.
    CPlanetView::ViewTraits t{static_cast<int>(kJupiterDiscRadius),
                              static_cast<int>(kJupiterDiscRadius),
                              0,
                              0,
                              disc,
                              false,
                              ID_CONJUNCTION_OPPOSITION,
                              kConjunctionRowOfJupiter,
                              {},
                              {},
                              SatelliteFamily::Jupiter,
                              satelliteCount(SatelliteFamily::Jupiter)};
    t.hitReach = disc ? 6 : 4;
    return t;
}

}  // namespace

// The document of the window that asked for the strip, or a new one (which
// then takes its date) when the strip is opened some other way.
CJupiterSatView::SharedDocument CJupiterSatView::documentFor(const ViewContext& c) {
    if (auto* source = dynamic_cast<CJupiterViewBase*>(c.source))
        if (auto shared = std::dynamic_pointer_cast<CJupiterDoc>(source->sharedDocument()))
            return {shared, false};
    return {std::make_shared<CJupiterDoc>(c.blankDate, c.app.settings()), true};
}

namespace {

}  // namespace

// ---- shared --------------------------------------------------------------------------

CJupiterViewBase::CJupiterViewBase(const ViewContext& context, DocTypeId type,
                                   std::shared_ptr<CJupiterDoc> doc, ViewTraits traits,
                                   bool initialiseDocument)
    : CPlanetView(context, type, std::move(doc), std::move(traits), initialiseDocument) {}

CJupiterViewBase::~CJupiterViewBase() {
    if (list_) delete list_.data();
}

CSatPheno* CJupiterViewBase::phenomenaList() const { return list_; }

bool CJupiterViewBase::onBodyCommand(int id) {
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

std::optional<CommandState> CJupiterViewBase::bodyCommandState(int id) const {
    if (id == ID_RED_SPOT_REFERENCE || id == ID_PHENOMENON_OR_SATURN_ZOOM_IN) return CommandState{};
    return std::nullopt;
}

void CJupiterViewBase::redSpotReference() {
    CJupiterDoc& doc = jupiter();
    if (const auto longitude = CRedSpot::ask(doc.redSpotLongitude(), language(), this))
        doc.setRedSpotLongitude(*longitude);
}

void CJupiterViewBase::showPhenomena() {
    if (list_) {
        list_->raise();
        return;
    }
    // A top-level window of its own, closed with the window that opened it.
    list_ = new CSatPheno(language(), nullptr);
    list_->setAttribute(Qt::WA_DeleteOnClose);
    connect(list_, &CSatPheno::phenomenonChosen, this, [this](int hour, int minute) {
        DATE_TIME when = jupiter().dt;
        when.localHour = hour;
        when.localMinute = minute;
        mainFrame().sendToAllChildren(WM_JUPITER_DATE, &when);
    });
    fillPhenomena();
    list_->show();
    list_->placeAtRightEdge();
}

void CJupiterViewBase::fillPhenomena() {
    if (!list_) return;
    CJupiterDoc& doc = jupiter();
    {
        WaitCursor wait;
        doc.findDayPhenomena();
    }
    list_->setRows(doc.planet().rows);
    listedDay_[0] = static_cast<int>(doc.dt.localYear);
    listedDay_[1] = static_cast<int>(doc.dt.localMonth);
    listedDay_[2] = static_cast<int>(doc.dt.localDay);
}

void CJupiterViewBase::paintEvent(QPaintEvent* event) {
    CPlanetView::paintEvent(event);
    const DATE_TIME& dt = jupiter().dt;
    if (list_ && (listedDay_[0] != static_cast<int>(dt.localYear) ||
                  listedDay_[1] != static_cast<int>(dt.localMonth) ||
                  listedDay_[2] != static_cast<int>(dt.localDay)))
        fillPhenomena();
}

std::vector<SatelliteSpot> CJupiterViewBase::spotsOf(const JupiterPictureLayout& layout) const {
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

CJupiterView::CJupiterView(const ViewContext& c)
    : CJupiterViewBase(c, DocTypeId::Jupiter,
                       std::make_shared<CJupiterDoc>(c.blankDate, c.app.settings()),
                       jupiterTraits(true), true) {}

std::vector<SatelliteSpot> CJupiterView::paintPicture(DrawingSurface& surface) {
    layout_ = paintJupiterPicture(surface, jupiter(), renderer());
    return spotsOf(layout_);
}

void CJupiterView::clickAt(QPoint p) {
    const SatelliteSpot* spot = spotAt(p);
    if (!spot) return;
    if (spot->index < 4) {
        openSatelliteInfo(*spot);
        return;
    }
    messageBox(this, QString::fromUtf8(shadowName(spot->index - 4, language())));
}

void CJupiterView::onJupiterDate(const DATE_TIME& date) {
    if (date.localHour < 0 || date.localMinute < 0) return;
    CJupiterDoc& doc = jupiter();
    doc.dt.localHour = date.localHour;
    doc.dt.localMinute = date.localMinute;
    doc.recomputeAndRefresh();
}

// ---- the strip ---------------------------------------------------------------------

CJupiterSatView::CJupiterSatView(const ViewContext& c) : CJupiterSatView(c, documentFor(c)) {}

CJupiterSatView::CJupiterSatView(const ViewContext& c, SharedDocument doc)
    : CJupiterViewBase(c, DocTypeId::JupiterSatellites, std::move(doc.first), jupiterTraits(false),
                       doc.second) {
    setCursor(Qt::CrossCursor);
}

std::vector<SatelliteSpot> CJupiterSatView::paintPicture(DrawingSurface& surface) {
    layout_ = paintJupiterStrip(surface, jupiter(), renderer().whiteBackground);
    return spotsOf(layout_);
}

}  // namespace vantorel
