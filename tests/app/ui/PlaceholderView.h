#pragma once

#include "common/ui/ChildView.h"
#include "common/ui/ViewContext.h"
#include "engine/DateTime.h"

// A plain window for the tests of the main window's own behaviour: it keeps a
// date like every window (the common date or the clock), answers the Date -
// Time and Data dialog commands and the date and zone messages, shows its
// title, date and time, and counts its computations.

namespace vantorel {

class PlaceholderView : public ChildView {
    Q_OBJECT
public:
    PlaceholderView(const ViewContext& context, DocTypeId type, QWidget* parent = nullptr);

    const DateTime& date() const { return date_; }
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

    DateTime date_;
    int computeCount_ = 0;
    bool active_ = false;
};

}  // namespace vantorel
