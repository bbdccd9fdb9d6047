#include "planets/ui/DataTableView.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

#include "common/commands/CommandIds.h"
#include "common/paint/PrintedPage.h"
#include "common/text/DateText.h"
#include "common/ui/ViewContext.h"
#include "common/ui/WindowHost.h"
#include "common/ui/WindowServices.h"
#include "planets/DataTableText.h"
#include "planets/PanelText.h"
#include "planets/paint/DataTablePicture.h"

namespace vantorel {

// The table's drawing area inside the scrolling area.
class DataTableView::Canvas : public QWidget {
public:
    explicit Canvas(DataTableView& view) : QWidget(nullptr), view_(view) {
        setFixedSize(kDataTableExtent);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, view_.picture()); }

private:
    DataTableView& view_;
};

DataTableView::DataTableView(const ViewContext& c)
    : ChildView(c.host, DocTypeId::DataTable),
      doc_(std::make_unique<DataTableDocument>(c.blankDate, c.host.settings())) {
    scroll_ = new QScrollArea(this);
    scroll_->setFrameShape(QFrame::NoFrame);
    canvas_ = new Canvas(*this);
    scroll_->setWidget(canvas_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll_);
    setFocusProxy(scroll_);
    WaitCursor wait;
    doc_->initialise(c.host.clock());
}

DataTableView::~DataTableView() = default;

QImage DataTableView::picture() const {
    return dataTablePicture(
        dataTableLines(*doc_, language(), settings().dateFormatIndex()));
}

void DataTableRows::fitToScreen(QWidget* frame, int screenWidth, int clientWidth) {
    if (!frame || screenWidth > kNarrowScreen || clientWidth <= 0) return;
    frame->resize(clientWidth, frame->height());
    frame->move(0, frame->y());
}

void DataTableView::initialUpdate() {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    DataTableRows::fitToScreen(parentWidget(), screen ? screen->geometry().width() : 0,
                             host().workspace()->viewport()->width());
}

void DataTableView::recompute() {
    {
        WaitCursor wait;
        doc_->computeTable();
    }
    if (active_) fillPanes();
    canvas_->update();
}

void DataTableView::fillPanes() {
    const int lang = language();
    const DateTime& dt = doc_->dt;
    setPaneText(7, QString::fromStdString(labelledDateText(lang, settings().dateFormatIndex(),
                                                           dt.localYear, dt.localMonth,
                                                           dt.localDay)));
    setPaneText(8, QString::fromStdString(timeStatusText(lang, dt)));
}

void DataTableView::activated(bool active) {
    active_ = active;
    if (active) fillPanes();
}

bool DataTableView::onCommand(int id) {
    if (id == ID_DATE_TIME) {
        // The table keeps its own date: it neither sets nor takes the common one.
        runDateDialog(doc_->dt, false);
        return true;
    }
    return ChildView::onCommand(id);
}

std::optional<CommandState> DataTableView::commandState(int id) const {
    if (id == ID_DATE_TIME) return CommandState{};
    return ChildView::commandState(id);
}

void DataTableView::dateChangedByDialog() { recompute(); }

void DataTableView::onRecomputeZone() { recompute(); }

// A new latitude moves every rise and set; a new date format changes the
// title. Either way the table is computed again.
void DataTableView::onSettingsChanged() { recompute(); }

const DateTime* DataTableView::printedDate() const { return &doc_->dt; }

PrintJob DataTableView::printJob() {
    PrintJob job;
    job.orientation = pageOrientationFor(dataTablePageExtent(dataTableFont()));
    job.monochrome = true;
    job.documentName = documentTitle().trimmed();
    job.heading = pageHeading();
    // The table is drawn again at the paper's resolution, not as a picture.
    const std::vector<TableLine> lines =
        dataTableLines(*doc_, language(), settings().dateFormatIndex());
    job.paint = [lines](QPainter& painter, const QRect& page) {
        mapWindowOntoPage(painter, dataTablePageExtent(dataTableFont()), page);
        paintDataTable(painter, lines, dataTableFont());
    };
    return job;
}

}  // namespace vantorel
