#pragma once

#include <memory>

#include "common/ui/ChildView.h"
#include "tonight/TonightDocument.h"

class QTreeWidget;

// The Tonight window: the timeline of the night above the plan's lists (the
// Sun, the Moon, the planets, Jupiter's events, the days around). It keeps
// its own date, takes the common date, follows the site and the zone, prints
// the timeline and the lists on a page, and exports the nights' events to a
// calendar file.

namespace vantorel {

struct ViewContext;

class TonightView : public ChildView {
    Q_OBJECT
public:
    explicit TonightView(const ViewContext& context);
    ~TonightView() override;

    TonightDocument& document() { return *doc_; }
    QTreeWidget* list() const { return list_; }
    // The timeline as the window draws it now.
    QImage timelinePicture() const;

    void initialUpdate() override;
    void activated(bool active) override;
    bool onCommand(int id) override;
    std::optional<CommandState> commandState(int id) const override;
    void onRecomputeDate() override;
    void onRecomputeZone() override;
    void onSettingsChanged() override;

    bool printable() const override { return true; }
    PrintJob printJob() override;

protected:
    void dateChangedByDialog() override;

private:
    class Timeline;
    void recompute();
    void updateTitle();
    void fillList();
    void fillPanes();
    void exportCalendar();

    std::unique_ptr<TonightDocument> doc_;
    Timeline* timeline_ = nullptr;
    QTreeWidget* list_ = nullptr;
    bool active_ = false;
};

}  // namespace vantorel
