#include "planets/ui/CVantorelView.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

#include "app/CommandIds.h"
#include "app/DateText.h"
#include "app/ui/CMainFrame.h"
#include "app/ui/CMdiClient.h"
#include "app/ui/CVantorelApp.h"
#include "app/ui/DocumentTypeRegistry.h"
#include "app/ui/WindowServices.h"
#include "planets/DataTableText.h"
#include "planets/PanelText.h"
#include "planets/paint/DataTablePicture.h"

namespace vantorel {

// The table's drawing area inside the scrolling area.
class CVantorelView::Canvas : public QWidget {
public:
    explicit Canvas(CVantorelView& view) : QWidget(nullptr), view_(view) {
        setFixedSize(kDataTableExtent);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, view_.picture()); }

private:
    CVantorelView& view_;
};

CVantorelView::CVantorelView(const ViewContext& c)
    : CChildView(c.app, c.frame, DocTypeId::DataTable),
      doc_(std::make_unique<CVantorelDoc>(c.blankDate, c.app.settings())) {
    scroll_ = new QScrollArea(this);
    scroll_->setFrameShape(QFrame::NoFrame);
    canvas_ = new Canvas(*this);
    scroll_->setWidget(canvas_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll_);
    setFocusProxy(scroll_);
    WaitCursor wait;
    doc_->initialise(c.app.clock());
}

CVantorelView::~CVantorelView() = default;

QImage CVantorelView::picture() const {
    return dataTablePicture(
        dataTableLines(*doc_, language(), settings().dateFormatIndex()));
}

void CDataPlanet::fitToScreen(QWidget* frame, int screenWidth, int clientWidth) {
    if (!frame || screenWidth > kNarrowScreen || clientWidth <= 0) return;
    frame->resize(clientWidth, frame->height());
    frame->move(0, frame->y());
}

void CVantorelView::initialUpdate() {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    CDataPlanet::fitToScreen(parentWidget(), screen ? screen->geometry().width() : 0,
                             mainFrame().mdiClient()->viewport()->width());
}

void CVantorelView::recompute() {
    {
        WaitCursor wait;
        doc_->computeTable();
    }
    if (active_) fillPanes();
    canvas_->update();
}

void CVantorelView::fillPanes() {
    const int lang = language();
    const DATE_TIME& dt = doc_->dt;
    setPaneText(7, QString::fromStdString(labelledDateText(lang, settings().dateFormatIndex(),
                                                           dt.localYear, dt.localMonth,
                                                           dt.localDay)));
    setPaneText(8, QString::fromStdString(timeStatusText(lang, dt.localHour, dt.localMinute)));
}

void CVantorelView::activated(bool active) {
    active_ = active;
    if (active) fillPanes();
}

bool CVantorelView::onCommand(int id) {
    if (id == ID_DATE_TIME) {
        // The table keeps its own date: it neither sets nor takes the common one.
        runDateDialog(doc_->dt, false);
        return true;
    }
    return CChildView::onCommand(id);
}

std::optional<CommandState> CVantorelView::commandState(int id) const {
    if (id == ID_DATE_TIME) return CommandState{};
    return CChildView::commandState(id);
}

void CVantorelView::dateChangedByDialog() { recompute(); }

void CVantorelView::onRecomputeZone() { recompute(); }

// A new latitude moves every rise and set; a new date format changes the
// title. Either way the table is computed again.
void CVantorelView::onSettingsChanged() { recompute(); }

PrintJob CVantorelView::printJob() {
    PrintJob job;
    job.orientation = QPageLayout::Landscape;
    job.monochrome = true;
    job.documentName = documentTitle().trimmed();
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
