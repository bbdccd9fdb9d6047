#include "planets/ui/PlanetView.h"

#include <cstdlib>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include "common/commands/CommandIds.h"
#include "common/paint/DrawingSurface.h"
#include "common/text/DateText.h"
#include "common/ui/ViewContext.h"
#include "common/ui/WindowHost.h"
#include "engine/Planet.h"
#include "planets/PanelText.h"
#include "planets/ui/ConjunctionDialog.h"
#include "planets/ui/SatelliteInfoDialog.h"

namespace vantorel {

PlanetView::PlanetView(const ViewContext& context, DocTypeId type,
                         std::shared_ptr<PlanetDocument> doc, ViewTraits traits,
                         bool initialiseDocument)
    : ChildView(context.host, type),
      doc_(std::move(doc)),
      traits_(std::move(traits)),
      renderer_(planetStyle(*doc_).rendererKind),
      trackingTimer_([this] {
          doc_->refreshPanel = doc_->isActive;
          doc_->stepOneMinute();
      }, this) {
    zoom_ = traits_.readZoom ? traits_.readZoom() : traits_.maxZoom;
    if (zoom_ > traits_.maxZoom) zoom_ = traits_.maxZoom;
    if (zoom_ < traits_.minZoom) zoom_ = traits_.minZoom;
    for (int i = 0; i < traits_.satelliteCount; ++i)
        satInfo_.push_back(vantorel::satelliteInfo(traits_.satellites, i));
    // Every window on the document repaints when it changes; a window that
    // is gone is skipped.
    doc_->setRedrawHandler([self = QPointer<PlanetView>(this), previous = doc_->redrawHandler()] {
        if (self) self->update();
        if (previous) previous();
    });
    if (initialiseDocument) doc_->initialise(context.host.clock());
    setFocusPolicy(Qt::StrongFocus);
    setCursor(programCursor());
    setAttribute(Qt::WA_OpaquePaintEvent);
}

PlanetView::~PlanetView() {
    trackingTimer_.stop();
    if (traits_.writeZoom) traits_.writeZoom(zoom_);
}

void PlanetView::updateTitle() {
    const char* name = traits_.windowName ? (*traits_.windowName)(language())
                                          : vantorel::windowTitle(language(), doc_->profile().titleIndex);
    const QString title = QStringLiteral("%1 -- %2     ")
                              .arg(QString::fromUtf8(name),
                                   QString::fromStdString(unlabelledDateText(
                                       settings().dateFormatIndex(), doc_->dt.localYear,
                                       doc_->dt.localMonth, doc_->dt.localDay)));
    if (title != documentTitle()) setDocumentTitle(title);
}

bool PlanetView::takeProjection() {
    const int code = settings().projectionCode();
    if (doc_->projection == code) return false;
    doc_->projection = code;
    doc_->redrawDisc = true;
    return true;
}

void PlanetView::render() {
    WaitCursor wait;
    DrawingSurface surface(std::max(1, width()), std::max(1, height()));
    spots_ = paintPicture(surface);
    picture_ = surface.image().copy();
    for (SatelliteInfoRecord& info : satInfo_) info.updateApparentDiameter(doc_->body().distanceAU);
    doc_->redrawDisc = false;
}

std::vector<SatelliteSpot> PlanetView::paintPicture(DrawingSurface& surface) {
    return paintPlanetPicture(surface, *doc_, renderer_, static_cast<float>(zoom_));
}

void PlanetView::paintEvent(QPaintEvent*) {
    updateTitle();
    takeProjection();
    if (rendersEveryPaint() || doc_->redrawDisc || tracking() || renderer_.whiteBackground || picture_.size() != size())
        render();
    QPainter(this).drawImage(0, 0, picture_);
    if (doc_->refreshPanel) {
        showPanel(doc_->fillDataPanel());
        doc_->refreshPanel = false;
    }
}

void PlanetView::resizeEvent(QResizeEvent* event) {
    ChildView::resizeEvent(event);
    doc_->redrawDisc = true;
}

void PlanetView::activated(bool active) {
    doc_->isActive = active;
    if (!active) return;
    showPanel(doc_->fillDataPanel());
    if (takeProjection()) update();
}

void PlanetView::onSettingsChanged() {
    // A new latitude changes rise, set and altitude; a new projection is
    // taken at the next paint.
    doc_->recomputeAndRefresh();
}

void PlanetView::onRecomputeDate() { doc_->takeCommonDate(); }

const DateTime* PlanetView::printedDate() const { return &doc_->dt; }

QImage PlanetView::printPicture() { return grab().toImage(); }

void PlanetView::onRecomputeZone() { doc_->recomputeAndRefresh(); }

void PlanetView::dateChangedByDialog() { doc_->dateChanged(); }

// ---- keys and mouse -------------------------------------------------------------

void PlanetView::keyPressEvent(QKeyEvent* event) {
    if (!isPlainKey(event->modifiers())) {
        ChildView::keyPressEvent(event);
        return;
    }
    const int key = event->key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        keys_.digit(key - Qt::Key_0);
        return;
    }
    // The menus show "+" and "-": the main keyboard's keys zoom as the
    // keypad's do ("=" is "+" without Shift on many layouts).
    if (traits_.keypadZoom && zoomKeyDirection(key) > 0) {
        zoomIn();
        return;
    }
    if (traits_.keypadZoom && zoomKeyDirection(key) < 0) {
        zoomOut();
        return;
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        const TimeStep step = keys_.letter(static_cast<char>('A' + (key - Qt::Key_A)),
                                           event->modifiers() & Qt::ShiftModifier);
        if (step.unit != TimeStepUnit::None) {
            doc_->applyTimeKey(step, host().clock());
            return;
        }
    }
    ChildView::keyPressEvent(event);
}

void PlanetView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    clickAt(event->position().toPoint());
}

const SatelliteSpot* PlanetView::spotAt(QPoint p) const {
    const int r = traits_.satelliteHitRadius;
    const int reach = traits_.hitReach;
    for (const SatelliteSpot& spot : spots_) {
        // From `reach` pixels left to as many right, and from as many above
        // down to the satellite's row (its letter stands above it); or a
        // square around it.
        const bool hit = r > 0 ? std::abs(p.x() - spot.x) <= r && std::abs(p.y() - spot.y) <= r
                               : p.x() >= spot.x - reach && p.x() <= spot.x + reach &&
                                     p.y() >= spot.y - reach && p.y() <= spot.y;
        if (hit) return &spot;
    }
    return nullptr;
}

void PlanetView::clickAt(QPoint p) {
    if (const SatelliteSpot* spot = spotAt(p)) openSatelliteInfo(*spot);
}

void PlanetView::mouseDoubleClickEvent(QMouseEvent* event) {
    const bool in = traits_.leftDoubleClickZoomsIn;
    if (event->button() == Qt::LeftButton) in ? zoomIn() : zoomOut();
    if (event->button() == Qt::RightButton) in ? zoomOut() : zoomIn();
}

void PlanetView::openSatelliteInfo(const SatelliteSpot& spot) {
    if (spot.index < 0 || spot.index >= static_cast<int>(satInfo_.size())) return;
    SatelliteInfoRecord record = satInfo_[static_cast<size_t>(spot.index)];
    record.approximate = spot.approximate;
    SatelliteInfoDialog dialog(record, language(), this);
    dialog.exec();
}

// ---- commands ---------------------------------------------------------------------

void PlanetView::zoomIn() {
    if (traits_.zoomInCommand == 0 || zoom_ >= traits_.maxZoom) return;
    zoom_ = std::min(zoom_ + traits_.zoomStep, traits_.maxZoom);
    doc_->recomputeAndRefresh();
}

void PlanetView::zoomOut() {
    if (traits_.zoomOutCommand == 0 || zoom_ <= traits_.minZoom) return;
    zoom_ = std::max(zoom_ - traits_.zoomStep, traits_.minZoom);
    doc_->recomputeAndRefresh();
}

void PlanetView::setTracking(bool on) {
    if (on == tracking()) return;
    if (on)
        trackingTimer_.start(60000);
    else
        trackingTimer_.stop();
    doc_->trackingOn = on;
    host().updateCommandStates();
}

bool PlanetView::onCommand(int id) {
    if (id == ID_DATE_TIME) {
        runDateDialog(doc_->dt, true);
        return true;
    }
    if (id == ID_DATA_DIALOG) {
        if (host().windowCount() != 0) {
            if (!host().dataDialogShown() && documentType().dataDialogName)
                host().showDataDialog(QString::fromLatin1(documentType().dataDialogName));
            showPanel(doc_->fillDataPanel());
        }
        return true;
    }
    if (traits_.tracks && id == ID_TRACKING) {
        setTracking(!tracking());
        return true;
    }
    if (traits_.zoomInCommand != 0 && id == traits_.zoomInCommand) {
        zoomIn();
        return true;
    }
    if (traits_.zoomOutCommand != 0 && id == traits_.zoomOutCommand) {
        zoomOut();
        return true;
    }
    if (traits_.conjunctionCommand != 0 && id == traits_.conjunctionCommand) {
        showConjunctions();
        return true;
    }
    return onBodyCommand(id) || ChildView::onCommand(id);
}

void PlanetView::showConjunctions() {
    ConjunctionDialog::showForPlanet(this, doc_->dt, traits_.phenomenaPlanet, language(),
                            settings().dateFormatIndex());
}

std::optional<CommandState> PlanetView::commandState(int id) const {
    if (id == ID_DATE_TIME || id == ID_DATA_DIALOG) return CommandState{};
    if (traits_.tracks && id == ID_TRACKING) return CommandState{true, tracking()};
    if (traits_.conjunctionCommand != 0 && id == traits_.conjunctionCommand) return CommandState{};
    if (traits_.zoomInCommand != 0 && id == traits_.zoomInCommand)
        return CommandState{zoom_ < traits_.maxZoom, false};
    if (traits_.zoomOutCommand != 0 && id == traits_.zoomOutCommand)
        return CommandState{zoom_ > traits_.minZoom, false};
    if (auto state = bodyCommandState(id)) return state;
    return ChildView::commandState(id);
}

}  // namespace vantorel
