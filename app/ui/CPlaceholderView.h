#pragma once

#include "app/ui/CChildView.h"
#include "engine/DATE_TIME.h"

// The window a body or chart opener shows while that window's own view is
// not registered: it keeps a date like every window (the common date or the
// clock), answers the Date - Time and Data dialog commands and the date and
// zone messages, and shows its title, date and time.

namespace vantorel {

class CPlaceholderView : public CChildView {
    Q_OBJECT
public:
    CPlaceholderView(CVantorelApp& app, CMainFrame& frame, DocTypeId type, const DATE_TIME& blank,
                     QWidget* parent = nullptr);

    const DATE_TIME& date() const { return date_; }
    // How many times the date was recomputed: at opening, after a date
    // change, and on the date and zone messages.
    int computeCount() const { return computeCount_; }

    void activated(bool active) override;
    bool onCommand(int id) override;
    std::optional<CommandState> commandState(int id) const override;
    void onRecomputeDate() override;
    void onRecomputeZone() override;
    // The Jupiter windows open the satellites window (a second view of the
    // same planet).
    bool opensSatellitesWindow() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void dateChangedByDialog() override;

private:
    void compute();
    void fillPanes();
    bool takesCommonDate() const;
    // The Jupiter and Saturn windows list their planet's oppositions and
    // conjunctions from their date: the planet's row, or -1 for other commands.
    int conjunctionPlanet(int id) const;

    DATE_TIME date_;
    int computeCount_ = 0;
    bool active_ = false;
};

}  // namespace vantorel
