#include "tonight/ui/TonightView.h"

#include <QHeaderView>
#include <QPainter>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "common/commands/CommandIds.h"
#include "common/paint/PageMapping.h"
#include "common/settings/DateTimeCommand.h"
#include "common/text/DateText.h"
#include "common/ui/ViewContext.h"
#include "common/ui/WindowHost.h"
#include "common/ui/WindowServices.h"
#include "planets/PanelText.h"
#include "tonight/NightPlanText.h"
#include "tonight/paint/NightTimeline.h"
#include "tonight/ui/CalendarExportDialog.h"

namespace vantorel {

// The timeline's drawing area above the lists.
class TonightView::Timeline : public QWidget {
public:
    explicit Timeline(TonightView& view) : QWidget(&view), view_(view) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setMinimumWidth(560);
    }
    void fit() { setFixedHeight(nightTimelineHeight(view_.doc_->plan()) + 4); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawImage(0, 0, view_.timelinePicture());
    }

private:
    TonightView& view_;
};

TonightView::TonightView(const ViewContext& c)
    : ChildView(c.host, DocTypeId::Tonight),
      doc_(std::make_unique<TonightDocument>(c.host.settings())) {
    timeline_ = new Timeline(*this);
    list_ = new QTreeWidget(this);
    list_->setColumnCount(2);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->header()->setStretchLastSection(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(timeline_);
    layout->addWidget(list_, 1);
    setFocusProxy(list_);
    doc_->dateTime = c.blankDate;
    {
        WaitCursor wait;
        doc_->newDocument(c.host.clock());
    }
    recompute();
}

TonightView::~TonightView() = default;

QImage TonightView::timelinePicture() const {
    const int width = std::max(560, timeline_ ? timeline_->width() : kNightTimelineWidth);
    QImage picture(width, nightTimelineHeight(doc_->plan()) + 4, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    paintNightTimeline(painter, QRect(2, 2, width - 4, picture.height() - 4), doc_->plan(), language());
    return picture;
}

// A night is computed in a few milliseconds (see bench/TonightBench.cpp), so
// the window computes it where it stands, under the wait cursor.
void TonightView::recompute() {
    {
        WaitCursor wait;
        doc_->compute();
    }
    updateTitle();
    timeline_->fit();
    timeline_->update();
    fillList();
    if (active_) fillPanes();
}

// "Tonight -- date" in the program's language: the frame gives every new
// window its kind's fixed title first, so this comes after it too.
void TonightView::updateTitle() {
    const NightPlan& plan = doc_->plan();
    setDocumentTitle(QString::fromUtf8(tonighttext::kWindowTitle(language())) + QStringLiteral(" -- ") +
                     QString::fromStdString(unlabelledDateText(settings().dateFormatIndex(), plan.request.year,
                                                               plan.request.month, plan.request.day)));
}

void TonightView::initialUpdate() { updateTitle(); }

void TonightView::fillList() {
    const int lang = language();
    list_->clear();
    list_->setHeaderLabels({QString::fromUtf8(pickText(lang, "Time", "Heure", "Hora")),
                            QString::fromStdString(nightTitle(doc_->plan(), lang, settings().dateFormatIndex()))});
    const QColor dim(128, 128, 128);
    for (const NightTextSection& section : nightPlanSections(doc_->plan(), lang, settings().dateFormatIndex())) {
        // A section's title spans both columns, so it sits in the first.
        auto* title = new QTreeWidgetItem(list_, {QString::fromStdString(section.title)});
        QFont bold = title->font(0);
        bold.setBold(true);
        title->setFont(0, bold);
        title->setFirstColumnSpanned(true);
        for (const NightTextRow& row : section.rows) {
            auto* item = new QTreeWidgetItem(list_, {QString::fromStdString(row.time), QString::fromStdString(row.text)});
            if (row.dim) {
                item->setForeground(0, dim);
                item->setForeground(1, dim);
            }
        }
    }
    list_->resizeColumnToContents(0);
}

void TonightView::fillPanes() {
    const int lang = language();
    const DateTime& dt = doc_->dateTime;
    setPaneText(7, QString::fromStdString(labelledDateText(lang, settings().dateFormatIndex(), dt.localYear,
                                                           dt.localMonth, dt.localDay)));
    setPaneText(8, QString::fromStdString(timeStatusText(lang, dt.localHour, dt.localMinute)));
}

void TonightView::activated(bool active) {
    active_ = active;
    if (active) fillPanes();
}

bool TonightView::onCommand(int id) {
    switch (id) {
    case ID_DATE_TIME: runDateDialog(doc_->dateTime, true); return true;
    case ID_EXPORT_CALENDAR: exportCalendar(); return true;
    default: return ChildView::onCommand(id);
    }
}

std::optional<CommandState> TonightView::commandState(int id) const {
    if (id == ID_DATE_TIME || id == ID_EXPORT_CALENDAR) return CommandState{};
    return ChildView::commandState(id);
}

void TonightView::dateChangedByDialog() { recompute(); }

void TonightView::onRecomputeDate() {
    takeCommonDate(doc_->dateTime, settings());
    recompute();
}

void TonightView::onRecomputeZone() { recompute(); }

// A new latitude, longitude or date format: the night again.
void TonightView::onSettingsChanged() { recompute(); }

PrintJob TonightView::printJob() {
    PrintJob job;
    job.documentName = documentTitle().trimmed();
    const NightPlan plan = doc_->plan();
    const int lang = language(), format = settings().dateFormatIndex();
    job.paint = [plan, lang, format](QPainter& painter, const QRect& page) {
        const QSize extent = nightSheetExtent(plan, lang, format, kNightTimelineWidth);
        mapWindowOntoPage(painter, extent, page);
        paintNightSheet(painter, QRect(QPoint(0, 0), extent), plan, lang, format);
    };
    return job;
}

void TonightView::exportCalendar() {
    CalendarExportDialog dialog(host(), doc_->request(), this);
    dialog.exec();
}

}  // namespace vantorel
