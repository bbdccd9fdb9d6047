#include "app/ui/CChildView.h"

#include <QMdiSubWindow>

#include <functional>

#include "app/CommandIds.h"
#include "app/DateText.h"
#include "app/DateTimeCommand.h"
#include "app/ui/CMainFrame.h"
#include "app/ui/CVantorelApp.h"
#include "app/ui/DateSel.h"
#include "app/ui/DialogHelpers.h"
#include "app/ui/WindowServices.h"
#include "planets/CPlanetDoc.h"

namespace vantorel {

namespace {

// The date dialog shown over a view, its messages, and the broadcast of the
// common date through the main window.
class ViewDateHost final : public DateEntryHost {
public:
    ViewDateHost(QWidget* parent, int language, const Clock& clock, std::function<void()> changed,
                 std::function<void()> toAll)
        : parent_(parent), language_(language), clock_(clock), changed_(std::move(changed)),
          toAll_(std::move(toAll)) {}

    std::optional<DateEntry> askDate(const DateEntry& shown, bool offered, int lastError) override {
        DateSel dialog(language_, shown, offered, lastError, clock_, parent_);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return dialog.entry();
    }
    void reportDateError(int code) override {
        if (dateErrorBeeps(code)) playQuestionSound();
        messageBox(parent_, tr3(dateErrorMessage(code), language_));
    }
    void dateChanged() override { changed_(); }
    void applyDateToAllWindows() override { toAll_(); }

private:
    QWidget* parent_;
    int language_;
    const Clock& clock_;
    std::function<void()> changed_;
    std::function<void()> toAll_;
};

}  // namespace

CChildView::CChildView(CVantorelApp& app, CMainFrame& frame, DocTypeId type, QWidget* parent)
    : QWidget(parent), app_(app), frame_(frame), type_(type) {}

CChildView::~CChildView() { frame_.childViewDestroyed(documentType().counted); }

Settings& CChildView::settings() const { return app_.settings(); }

int CChildView::language() const { return app_.settings().languageIndex(); }

void CChildView::setDocumentTitle(const QString& title) {
    title_ = title;
    setWindowTitle(title);
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) sub->setWindowTitle(title);
    frame_.updateCaption();
}

namespace {
bool isPrintCommand(int id) {
    return id == ID_FILE_PRINT || id == ID_FILE_PRINT_DIRECT || id == ID_FILE_PRINT_PREVIEW;
}
}  // namespace

PrintJob CChildView::printJob() {
    PrintJob job;
    job.paint = picturePage([this] { return printPicture(); });
    job.documentName = documentTitle().trimmed();
    return job;
}

bool CChildView::onCommand(int id) {
    if (!isPrintCommand(id) || !printable()) return false;
    const PrintJob job = printJob();
    if (id == ID_FILE_PRINT)
        printWithDialog(this, app_.printer(), job, language());
    else if (id == ID_FILE_PRINT_DIRECT)
        printDirect(this, app_.printer(), job, language());
    else
        printPreview(this, app_.printer(), job);
    return true;
}

std::optional<CommandState> CChildView::commandState(int id) const {
    if (isPrintCommand(id) && printable()) return CommandState{};
    return std::nullopt;
}

void CChildView::receiveMessage(int message, const DATE_TIME* date) {
    switch (message) {
    case WM_RECOMPUTE_DATE: onRecomputeDate(); break;
    case WM_RECOMPUTE_ZONE: onRecomputeZone(); break;
    case WM_JUPITER_DATE:
        if (date) onJupiterDate(*date);
        break;
    default: break;
    }
}

bool CChildView::runDateDialog(DATE_TIME& dt, bool allWindowsOffered) {
    ViewDateHost host(
        this, language(), app_.clock(), [this] { dateChangedByDialog(); },
        [this] { frame_.sendToAllChildren(WM_RECOMPUTE_DATE); });
    return runDateTimeCommand(dt, app_.settings(), host, allWindowsOffered).changed;
}

void CChildView::setPaneText(int pane, const QString& text) { frame_.setPaneText(pane, text); }

void CChildView::showPanel(const PanelContent& panel) {
    const StatusTexts& st = panel.status;
    const std::string* texts[6] = {&st.rise, &st.transit, &st.set, &st.altitude, &st.date, &st.time};
    for (int i = 0; i < 6; ++i) setPaneText(3 + i, QString::fromStdString(*texts[i]));
    app_.fillDataDialog(panel.record);
}

}  // namespace vantorel
