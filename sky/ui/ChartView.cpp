#include "sky/ui/ChartView.h"

#include "common/commands/CommandIds.h"
#include "common/ui/ViewContext.h"
#include "common/ui/WindowHost.h"

namespace vantorel {

ChartView::ChartView(const ViewContext& context, DocTypeId type, std::unique_ptr<ChartDocument> doc)
    : ChildView(context.host, type), doc_(std::move(doc)) {
    doc_->dateTime = context.blankDate;
    doc_->newDocument(context.host.clock());
    setAttribute(Qt::WA_OpaquePaintEvent);
}

ChartView::~ChartView() = default;

void ChartView::fillPanes() {
    const StatusTexts st = doc_->statusTexts();
    for (int pane = 3; pane <= 6; ++pane) setPaneText(pane, QString());
    setPaneText(7, QString::fromStdString(st.date));
    setPaneText(8, QString::fromStdString(st.time));
}

void ChartView::activated(bool active) {
    active_ = active;
    if (active) fillPanes();
}

bool ChartView::onCommand(int id) {
    if (id == ID_DATE_TIME) {
        runDateDialog(doc_->dateTime, true);
        return true;
    }
    return ChildView::onCommand(id);
}

std::optional<CommandState> ChartView::commandState(int id) const {
    if (id == ID_DATE_TIME) return CommandState{};
    return ChildView::commandState(id);
}

void ChartView::onRecomputeDate() {
    doc_->takeCommonDate();
    documentChanged();
}

void ChartView::onRecomputeZone() {
    doc_->compute();
    documentChanged();
}

void ChartView::onSettingsChanged() {
    // A new date format reads in the status bar at once; the picture takes
    // a new latitude or projection at its paint.
    if (active_) fillPanes();
    update();
}

void ChartView::dateChangedByDialog() {
    doc_->compute();
    documentChanged();
}

}  // namespace vantorel
