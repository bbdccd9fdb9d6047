#include "common/ui/ChildView.h"

#include <QMdiSubWindow>
#include <QPrinter>

#include <functional>

#include "common/commands/CommandIds.h"
#include "common/paint/PrintedPage.h"
#include "common/settings/DateTimeCommand.h"
#include "common/settings/Settings.h"
#include "common/text/BodyDataRecord.h"
#include "common/text/DateText.h"
#include "common/text/PageHeading.h"
#include "common/ui/DateTimeDialog.h"
#include "common/ui/PictureSaving.h"
#include "common/ui/DialogHelpers.h"
#include "common/ui/WindowHost.h"
#include "common/ui/WindowServices.h"
#include "engine/Clock.h"

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
        DateTimeDialog dialog(language_, shown, offered, lastError, clock_, parent_);
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

ChildView::ChildView(WindowHost& host, DocTypeId type, QWidget* parent)
    : QWidget(parent), host_(host), type_(type) {}

ChildView::~ChildView() { host_.childViewDestroyed(documentType().counted); }

Settings& ChildView::settings() const { return host_.settings(); }

int ChildView::language() const { return host_.settings().languageIndex(); }

void ChildView::setDocumentTitle(const QString& title) {
    title_ = title;
    setWindowTitle(title);
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) sub->setWindowTitle(title);
    host_.updateCaption();
}

namespace {
bool isPrintCommand(int id) {
    return id == ID_FILE_PRINT || id == ID_FILE_PRINT_DIRECT || id == ID_FILE_PRINT_PREVIEW ||
           id == ID_FILE_SAVE_PICTURE;
}
}  // namespace

PrintJob ChildView::printJob() {
    PrintJob job;
    job.paint = picturePage([this] { return printPicture(); });
    // The picture is the window's: a wide chart goes on a sideways page.
    job.orientation = pageOrientationFor(size());
    job.documentName = documentTitle().trimmed();
    job.heading = pageHeading();
    return job;
}

std::vector<std::string> ChildView::pageHeading() const {
    const std::string title = documentTitle().trimmed().toStdString();
    const DateTime* date = printedDate();
    if (!date) return {title};
    return pageHeadingLines(host_.settings(), title, *date);
}

bool ChildView::onCommand(int id) {
    if (!isPrintCommand(id) || !printable()) return false;
    const PrintJob job = printJob();
    if (id == ID_FILE_SAVE_PICTURE)
        savePicture(this, job, size(), host_.printer().pageLayout(), language());
    else if (id == ID_FILE_PRINT)
        printWithDialog(this, host_.printer(), job, language());
    else if (id == ID_FILE_PRINT_DIRECT)
        printDirect(this, host_.printer(), job, language());
    else
        printPreview(this, host_.printer(), job, language());
    return true;
}

std::optional<CommandState> ChildView::commandState(int id) const {
    if (isPrintCommand(id) && printable()) return CommandState{};
    return std::nullopt;
}

void ChildView::receiveMessage(int message, const DateTime* date) {
    switch (message) {
    case WM_RECOMPUTE_DATE: onRecomputeDate(); break;
    case WM_RECOMPUTE_ZONE: onRecomputeZone(); break;
    case WM_JUPITER_DATE:
        if (date) onJupiterDate(*date);
        break;
    default: break;
    }
}

bool ChildView::runDateDialog(DateTime& dt, bool allWindowsOffered) {
    ViewDateHost host(
        this, language(), host_.clock(), [this] { dateChangedByDialog(); },
        [this] { host_.sendToAllChildren(WM_RECOMPUTE_DATE); });
    return runDateTimeCommand(dt, host_.settings(), host, allWindowsOffered).changed;
}

void ChildView::setPaneText(int pane, const QString& text) { host_.setPaneText(pane, text); }

void ChildView::showPanel(const PanelContent& panel) {
    const StatusTexts& st = panel.status;
    const std::string* texts[6] = {&st.rise, &st.transit, &st.set, &st.altitude, &st.date, &st.time};
    for (int i = 0; i < 6; ++i) setPaneText(3 + i, QString::fromStdString(*texts[i]));
    host_.fillDataDialog(panel.record);
}

}  // namespace vantorel
