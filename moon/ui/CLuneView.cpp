#include "moon/ui/CLuneView.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>
#include <QPainter>
#include <QScreen>

#include "app/CommandIds.h"
#include "app/DateTimeCommand.h"
#include "app/paint/DrawingSurface.h"
#include "app/ui/CMainFrame.h"
#include "app/ui/CVantorelApp.h"
#include "app/ui/DocumentTypeRegistry.h"
#include "app/ui/WindowServices.h"
#include "moon/PhaseTableText.h"
#include "moon/paint/MoonPicture.h"
#include "moon/ui/CPhaseLune.h"
#include "moon/ui/CXLunar.h"
#include "planets/CPlanetDoc.h"

namespace vantorel {
namespace {

// One phase table and one Lunar X list for the whole program; a closed one
// is gone, so the next command opens it again.
QPointer<CPhaseLune>& phaseTableWindow() {
    static QPointer<CPhaseLune> window;
    return window;
}
QPointer<CXLunar>& lunarXWindow() {
    static QPointer<CXLunar> window;
    return window;
}

QSize screenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(1024, 768);
}

}  // namespace

CPhaseLune* CLuneView::phaseTable() { return phaseTableWindow().data(); }
CXLunar* CLuneView::lunarXList() { return lunarXWindow().data(); }

CLuneView::CLuneView(const ViewContext& context)
    : CChildView(context.app, context.frame, DocTypeId::Moon),
      doc_(context.app.settings()),
      renderer_(DiscRenderer::kMoon) {
    doc_.dateTime = context.blankDate;
    doc_.projection = settings().projectionCode();
    doc_.newDocument(context.app.clock());
    setFocusPolicy(Qt::StrongFocus);
    setCursor(programCursor());
    setAttribute(Qt::WA_OpaquePaintEvent);
}

CLuneView::~CLuneView() = default;

bool CLuneView::takeProjection() {
    const int code = settings().projectionCode();
    if (doc_.projection == code) return false;
    doc_.projection = code;
    doc_.imageDirty = true;
    return true;
}

void CLuneView::paintEvent(QPaintEvent*) {
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

void CLuneView::resizeEvent(QResizeEvent* event) {
    CChildView::resizeEvent(event);
    doc_.imageDirty = true;
}

void CLuneView::activated(bool active) {
    doc_.active = active;
    if (!active) return;
    showPanel(PanelContent{doc_.statusTexts(), doc_.panel()});
    if (takeProjection()) update();
}

void CLuneView::changed() {
    doc_.updateStep();
    update();
}

void CLuneView::onRecomputeDate() {
    takeCommonDate(doc_.dateTime, settings());
    changed();
}

void CLuneView::onRecomputeZone() { changed(); }

void CLuneView::keyPressEvent(QKeyEvent* event) {
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
        CChildView::keyPressEvent(event);
        return;
    }
    applyTimeStep(doc_.dateTime, step, app().clock());
    changed();
}

void CLuneView::mouseDoubleClickEvent(QMouseEvent* event) {
    // As in the Mars window: left zooms out, right zooms in.
    if (event->button() == Qt::LeftButton) zoomOut();
    if (event->button() == Qt::RightButton) zoomIn();
}

void CLuneView::zoomIn() {
    if (zoom_ >= kMoonMaxZoom) return;
    zoom_ = std::min(zoom_ + kMoonZoomStep, kMoonMaxZoom);
    doc_.imageDirty = true;
    update();
}

void CLuneView::zoomOut() {
    if (zoom_ <= kMoonMinZoom) return;
    zoom_ = std::max(zoom_ - kMoonZoomStep, kMoonMinZoom);
    doc_.imageDirty = true;
    update();
}

void CLuneView::dateChangedByDialog() {
    if (doc_.dateTime.localMonth != monthBefore_ || doc_.dateTime.localYear != yearBefore_) {
        doc_.phasesRefresh = true;
        doc_.lunarXRefresh = true;
    }
    doc_.computeFull();
    doc_.panelDirty = true;
    update();
}

void CLuneView::fillLunarXList() {
    WaitCursor wait;
    doc_.searchLunarX();
    std::vector<std::string> lines;
    for (const auto& line : doc_.moon.lunarXLines) lines.emplace_back(line);
    lunarXList()->fill(lines, doc_.lunarXCount);
}

void CLuneView::openPhaseTable() {
    if (!phaseTable()) {
        auto* table = new CPhaseLune(language(), doc_.projection, this);
        table->setAttribute(Qt::WA_DeleteOnClose);
        table->setWindowFlag(Qt::Window);
        table->adjustSize();
        const QSize screen = screenSize();
        table->move(screen.width() - table->width() - 10, screen.height() - table->height() - 40);
        phaseTableWindow() = table;
        table->show();
    }
    phaseTable()->fill(
        fillPhaseTable(doc_.moon.monthPhases, MoonTheory::kMonthPhaseCount, settings().dateFormatIndex()));
}

void CLuneView::openLunarXList() {
    if (!lunarXList()) {
        auto* list = new CXLunar(language(), this);
        list->setAttribute(Qt::WA_DeleteOnClose);
        list->setWindowFlag(Qt::Window);
        list->move(screenSize().width() - list->width() - 10, 435);
        lunarXWindow() = list;
        list->show();
    }
    fillLunarXList();
}

bool CLuneView::onCommand(int id) {
    switch (id) {
    case ID_DATE_TIME:
        monthBefore_ = doc_.dateTime.localMonth;
        yearBefore_ = doc_.dateTime.localYear;
        runDateDialog(doc_.dateTime, true);
        return true;
    case ID_DATA_DIALOG:
        if (mainFrame().windowCount() != 0) {
            if (!app().dataDialogShown()) app().showDataDialog(QStringLiteral("MOON"));
            showPanel(PanelContent{doc_.statusTexts(), doc_.panel()});
        }
        return true;
    case ID_MOON_PHASES: openPhaseTable(); return true;
    case ID_LUNAR_X: openLunarXList(); return true;
    case ID_MARS_ZOOM_IN: zoomIn(); return true;
    case ID_MARS_ZOOM_OUT: zoomOut(); return true;
    default: return false;
    }
}

std::optional<CommandState> CLuneView::commandState(int id) const {
    if (id == ID_DATE_TIME || id == ID_DATA_DIALOG || id == ID_MOON_PHASES || id == ID_LUNAR_X)
        return CommandState{};
    if (id == ID_MARS_ZOOM_IN) return CommandState{zoom_ < kMoonMaxZoom, false};
    if (id == ID_MARS_ZOOM_OUT) return CommandState{zoom_ > kMoonMinZoom, false};
    return std::nullopt;
}

}  // namespace vantorel
