#include "moon/ui/MoonView.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>
#include <QPainter>

#include "common/commands/CommandIds.h"
#include "common/paint/DrawingSurface.h"
#include "common/settings/DateTimeCommand.h"
#include "common/ui/ToolWindowPages.h"
#include "common/ui/ToolWindowPlacement.h"
#include "common/ui/ViewContext.h"
#include "common/ui/WindowHost.h"
#include "common/ui/WindowServices.h"
#include "moon/LunarXText.h"
#include "moon/PhaseTableText.h"
#include "moon/paint/MoonPicture.h"
#include "moon/ui/LunarXList.h"
#include "moon/ui/MoonPhaseTable.h"
#include "planets/PlanetDocument.h"

namespace vantorel {
namespace {

// One phase table and one Lunar X list for the whole program; a closed one
// is gone, so the next command opens it again.
QPointer<MoonPhaseTable>& phaseTableWindow() {
    static QPointer<MoonPhaseTable> window;
    return window;
}
QPointer<LunarXList>& lunarXWindow() {
    static QPointer<LunarXList> window;
    return window;
}

}  // namespace

MoonPhaseTable* MoonView::phaseTable() { return phaseTableWindow().data(); }
LunarXList* MoonView::lunarXList() { return lunarXWindow().data(); }

MoonView::MoonView(const ViewContext& context)
    : ChildView(context.host, DocTypeId::Moon),
      doc_(context.host.settings()),
      renderer_(DiscRenderer::kMoon) {
    doc_.dateTime = context.blankDate;
    doc_.projection = settings().projectionCode();
    doc_.newDocument(context.host.clock());
    setFocusPolicy(Qt::StrongFocus);
    setCursor(programCursor());
    setAttribute(Qt::WA_OpaquePaintEvent);
}

MoonView::~MoonView() = default;

bool MoonView::takeProjection() {
    const int code = settings().projectionCode();
    if (doc_.projection == code) return false;
    doc_.projection = code;
    doc_.imageDirty = true;
    return true;
}

void MoonView::paintEvent(QPaintEvent*) {
    const QString title = QString::fromStdString(doc_.windowTitleText());
    if (title != documentTitle()) setDocumentTitle(title);
    takeProjection();
    if (doc_.imageDirty || renderer_.whiteBackground || picture_.size() != size()) {
        WaitCursor wait;
        DrawingSurface surface(std::max(1, width()), std::max(1, height()));
        paintMoonPicture(surface, doc_, renderer_, static_cast<float>(zoom_));
        picture_ = surface.image().copy();
        doc_.imageDirty = false;
    }
    QPainter(this).drawImage(0, 0, picture_);
    if (doc_.panelDirty) {
        showPanel(PanelContent{doc_.statusTexts(), doc_.panel()});
        doc_.panelDirty = false;
    }
    if (doc_.phasesRefresh && phaseTable()) {
        phaseTable()->fill(
            fillPhaseTable(doc_.moon.monthPhases, MoonTheory::kMonthPhaseCount, settings().dateFormatIndex()));
        doc_.phasesRefresh = false;
    }
    if (doc_.lunarXRefresh && lunarXList()) {
        fillLunarXList();
        doc_.lunarXRefresh = false;
    }
}

void MoonView::resizeEvent(QResizeEvent* event) {
    ChildView::resizeEvent(event);
    doc_.imageDirty = true;
}

void MoonView::activated(bool active) {
    doc_.active = active;
    if (!active) return;
    showPanel(PanelContent{doc_.statusTexts(), doc_.panel()});
    if (takeProjection()) update();
}

void MoonView::changed() {
    doc_.updateStep();
    update();
}

void MoonView::onRecomputeDate() {
    takeCommonDate(doc_.dateTime, settings());
    changed();
}

void MoonView::onRecomputeZone() { changed(); }

void MoonView::onSettingsChanged() {
    // A new date format reads at once in the status bar and in the lists
    // this window filled, not at the next time step; a new site moves the
    // Lunar X times.
    if (doc_.active) showPanel(PanelContent{doc_.statusTexts(), doc_.panel()});
    if (phaseTable() && phaseTable()->parentWidget() == this)
        phaseTable()->fill(
            fillPhaseTable(doc_.moon.monthPhases, MoonTheory::kMonthPhaseCount, settings().dateFormatIndex()));
    if (lunarXList() && lunarXList()->parentWidget() == this) fillLunarXList();
    update();
}

void MoonView::onLanguageChanged() {
    doc_.imageDirty = true;
    if (phaseTable() && phaseTable()->parentWidget() == this)
        phaseTable()->setWindowTitle(QString::fromUtf8(kPhaseTableTitle(language())));
    if (lunarXList() && lunarXList()->parentWidget() == this)
        lunarXList()->setWindowTitle(QString::fromUtf8(kLunarXListTitle(language())));
    onSettingsChanged();
}

void MoonView::keyPressEvent(QKeyEvent* event) {
    if (!isPlainKey(event->modifiers())) {
        ChildView::keyPressEvent(event);
        return;
    }
    const int key = event->key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        keys_.digit(key - Qt::Key_0);
        return;
    }
    if (zoomKeyDirection(key) > 0) {
        zoomIn();
        return;
    }
    if (zoomKeyDirection(key) < 0) {
        zoomOut();
        return;
    }
    const char letter = (key >= Qt::Key_A && key <= Qt::Key_Z) ? static_cast<char>('A' + (key - Qt::Key_A)) : 0;
    const TimeStep step = keys_.letter(letter, event->modifiers() & Qt::ShiftModifier);
    if (step.unit == TimeStepUnit::None) {
        ChildView::keyPressEvent(event);
        return;
    }
    applyTimeStep(doc_.dateTime, step, host().clock());
    changed();
}

void MoonView::mouseDoubleClickEvent(QMouseEvent* event) {
    // As in the Mars window: left zooms out, right zooms in.
    if (event->button() == Qt::LeftButton) zoomOut();
    if (event->button() == Qt::RightButton) zoomIn();
}

void MoonView::zoomIn() {
    if (zoom_ >= kMoonMaxZoom) return;
    zoom_ = std::min(zoom_ + kMoonZoomStep, kMoonMaxZoom);
    doc_.imageDirty = true;
    update();
}

void MoonView::zoomOut() {
    if (zoom_ <= kMoonMinZoom) return;
    zoom_ = std::max(zoom_ - kMoonZoomStep, kMoonMinZoom);
    doc_.imageDirty = true;
    update();
}

void MoonView::dateChangedByDialog() {
    if (doc_.dateTime.localMonth != monthBefore_ || doc_.dateTime.localYear != yearBefore_) {
        doc_.phasesRefresh = true;
        doc_.lunarXRefresh = true;
    }
    doc_.computeFull();
    doc_.panelDirty = true;
    update();
}

void MoonView::fillLunarXList() {
    WaitCursor wait;
    doc_.searchLunarX();
    lunarXList()->fill(lunarXLines(doc_.moon, settings().dateFormatIndex()), doc_.lunarXCount);
}

void MoonView::openPhaseTable() {
    if (phaseTable()) {
        phaseTable()->fill(
            fillPhaseTable(doc_.moon.monthPhases, MoonTheory::kMonthPhaseCount, settings().dateFormatIndex()));
        return;
    }
    auto* table = new MoonPhaseTable(language(), doc_.projection, this);
    table->setAttribute(Qt::WA_DeleteOnClose);
    table->setWindowFlag(Qt::Window);
    phaseTableWindow() = table;
    // Filled and sized before it is placed: placed first, the dates widened
    // it beyond the screen's right edge.
    table->fill(
        fillPhaseTable(doc_.moon.monthPhases, MoonTheory::kMonthPhaseCount, settings().dateFormatIndex()));
    table->adjustSize();
    // At the bottom right of the screen.
    placeToolWindow(
        table,
        [](QSize frame, QRect screen) {
            return QPoint(screen.right() + 1 - frame.width() - 10, screen.bottom() + 1 - frame.height() - 40);
        },
        host().dataDialogFrame());
    addPageCommands(table, this);
    table->show();
}

void MoonView::openLunarXList() {
    if (lunarXList()) {
        fillLunarXList();
        return;
    }
    auto* list = new LunarXList(language(), this);
    list->setAttribute(Qt::WA_DeleteOnClose);
    list->setWindowFlag(Qt::Window);
    lunarXWindow() = list;
    fillLunarXList();
    list->fitContents();
    // At the right of the screen, below the data dialog's usual place.
    placeToolWindow(
        list, [](QSize frame, QRect screen) { return QPoint(screen.right() + 1 - frame.width() - 10, screen.top() + 435); },
        host().dataDialogFrame());
    addPageCommands(list, this);
    list->show();
}

bool MoonView::onCommand(int id) {
    switch (id) {
    case ID_DATE_TIME:
        monthBefore_ = doc_.dateTime.localMonth;
        yearBefore_ = doc_.dateTime.localYear;
        runDateDialog(doc_.dateTime, true);
        return true;
    case ID_DATA_DIALOG:
        if (host().windowCount() != 0) {
            if (!host().dataDialogShown()) host().showDataDialog(QStringLiteral("MOON"));
            showPanel(PanelContent{doc_.statusTexts(), doc_.panel()});
        }
        return true;
    case ID_MOON_PHASES: openPhaseTable(); return true;
    case ID_LUNAR_X: openLunarXList(); return true;
    case ID_MARS_ZOOM_IN: zoomIn(); return true;
    case ID_MARS_ZOOM_OUT: zoomOut(); return true;
    default: return ChildView::onCommand(id);
    }
}

std::optional<CommandState> MoonView::commandState(int id) const {
    if (id == ID_DATE_TIME || id == ID_DATA_DIALOG || id == ID_MOON_PHASES || id == ID_LUNAR_X)
        return CommandState{};
    if (id == ID_MARS_ZOOM_IN) return CommandState{zoom_ < kMoonMaxZoom, false};
    if (id == ID_MARS_ZOOM_OUT) return CommandState{zoom_ > kMoonMinZoom, false};
    return ChildView::commandState(id);
}

}  // namespace vantorel
