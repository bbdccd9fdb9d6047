#pragma once

#include <memory>

#include "common/ui/ChildView.h"
#include "sky/ChartDocument.h"

// What the sky chart's and the heliocentric view's windows share: the Date -
// Time command on their document, the date and zone messages, and the status
// bar's date and time panes, the others emptied, when the window becomes
// active and after each drawing.

namespace vantorel {

struct ViewContext;

class ChartView : public ChildView {
    Q_OBJECT
public:
    // The document takes its first date (the common date or the clock).
    ChartView(const ViewContext& context, DocTypeId type, std::unique_ptr<ChartDocument> doc);
    ~ChartView() override;

    void activated(bool active) override;
    bool onCommand(int id) override;
    std::optional<CommandState> commandState(int id) const override;
    void onRecomputeDate() override;
    void onRecomputeZone() override;
    void onSettingsChanged() override;
    // The bodies' names are the document's: computed again, same instant.
    void onLanguageChanged() override { onRecomputeZone(); }
    bool printable() const override { return true; }
    const DateTime* printedDate() const override { return &doc_->dateTime; }

protected:
    void dateChangedByDialog() override;
    // The document computed anew: draw again.
    virtual void documentChanged() { update(); }
    void fillPanes();
    ChartDocument& chartDocument() const { return *doc_; }
    bool isActive() const { return active_; }

private:
    std::unique_ptr<ChartDocument> doc_;
    bool active_ = false;
};

}  // namespace vantorel
