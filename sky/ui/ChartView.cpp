#include "sky/ui/ChartView.h"

#include "app/CommandIds.h"
#include "app/ui/CVantorelApp.h"
#include "app/ui/DocumentTypeRegistry.h"

namespace vantorel {

ChartView::ChartView(const ViewContext& context, DocTypeId type, std::unique_ptr<ChartDocument> doc)
    : CChildView(context.app, context.frame, type), doc_(std::move(doc)) {
    doc_->dateTime = context.blankDate;
    doc_->newDocument(context.app.clock());
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
    return CChildView::onCommand(id);
}

std::optional<CommandState> ChartView::commandState(int id) const {
    if (id == ID_DATE_TIME) return CommandState{};
    return CChildView::commandState(id);
}

void ChartView::onRecomputeDate() {
    doc_->takeCommonDate();
    documentChanged();
}

void ChartView::onRecomputeZone() {
    doc_->compute();
    documentChanged();
}

void ChartView::dateChangedByDialog() {
    doc_->compute();
    documentChanged();
}

}  // namespace vantorel
