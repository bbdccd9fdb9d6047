#pragma once

#include <memory>

#include "common/ui/ChildView.h"
#include "planets/DataTableDocument.h"

class QScrollArea;

// The all-planets table window: the table drawn black on white in a
// scrolling area of the table's extent, its own Date - Time command, the zone
// message, and printing on a landscape page.

namespace vantorel {

struct ViewContext;

class DataTableView : public ChildView {
    Q_OBJECT
public:
    explicit DataTableView(const ViewContext& context);
    ~DataTableView() override;

    DataTableDocument& document() { return *doc_; }
    // The table as the window draws it now.
    QImage picture() const;

    void initialUpdate() override;
    void activated(bool active) override;
    bool onCommand(int id) override;
    std::optional<CommandState> commandState(int id) const override;
    void onRecomputeZone() override;
    void onSettingsChanged() override;

    bool printable() const override { return true; }
    PrintJob printJob() override;
    const DateTime* printedDate() const override;

protected:
    void dateChangedByDialog() override;

private:
    class Canvas;
    void recompute();
    void fillPanes();

    std::unique_ptr<DataTableDocument> doc_;
    QScrollArea* scroll_ = nullptr;
    Canvas* canvas_ = nullptr;
    bool active_ = false;
};

// The frame of the table: on a screen at most 1024 pixels wide it takes the
// whole width of the main window's client area, so no column is cut.
class DataTableRows {
public:
    static constexpr int kNarrowScreen = 1024;
    static void fitToScreen(QWidget* frame, int screenWidth, int clientWidth);
};

}  // namespace vantorel
