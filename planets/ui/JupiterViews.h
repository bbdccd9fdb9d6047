#pragma once

#include <QPointer>

#include <memory>

#include "planets/ui/PlanetView.h"
#include "satellites/JupiterDocument.h"
#include "satellites/paint/JupiterPicture.h"

// The two Jupiter windows on one document: the telescope view of the disc
// with the satellites and their shadows, and the strip of the four satellites
// on both sides of a small disc. Both draw the satellites afresh at every
// paint, open the day's phenomena list and the Red Spot reference, and share
// the planet family's keys, date and data dialog.

namespace vantorel {

class PhenomenaList;

class JupiterViewBase : public PlanetView {
    Q_OBJECT
public:
    JupiterDocument& jupiter() { return static_cast<JupiterDocument&>(document()); }
    // Where the last paint put the disc, the Red Spot, satellites and shadows.
    const JupiterPictureLayout& layout() const { return layout_; }
    bool opensSatellitesWindow() const override { return true; }
    PhenomenaList* phenomenaList() const;
    // Opens the phenomena list of the displayed day when it is not open.
    void showPhenomena();
    // The Red Spot reference dialog until a valid entry or Cancel.
    void redSpotReference();

protected:
    JupiterViewBase(const ViewContext& context, DocTypeId type, std::shared_ptr<JupiterDocument> doc,
                     ViewTraits traits, bool initialiseDocument);
    ~JupiterViewBase() override;

    bool rendersEveryPaint() const override { return true; }
    // An open phenomena list is made again in the new language, where it stood.
    void onLanguageChanged() override;
    bool onBodyCommand(int id) override;
    std::optional<CommandState> bodyCommandState(int id) const override;
    void paintEvent(QPaintEvent* event) override;
    // Spots for the clicks: the drawn satellites (0..3), then the shadows (4..7).
    std::vector<SatelliteSpot> spotsOf(const JupiterPictureLayout& layout) const;

    JupiterPictureLayout layout_;

private:
    void fillPhenomena();

    QPointer<PhenomenaList> list_;
    int listedDay_[3] = {0, 0, 0};  // year, month, day the list shows
};

class JupiterView : public JupiterViewBase {
    Q_OBJECT
public:
    explicit JupiterView(const ViewContext& context);

    // The zoom level of JupiterZoom shown (0: the globe fills the window).
    int level() const;

    void onJupiterDate(const DateTime& date) override;

protected:
    std::vector<SatelliteSpot> paintPicture(DrawingSurface& surface) override;
    void clickAt(QPoint p) override;
};

class JupiterSatellitesView : public JupiterViewBase {
    Q_OBJECT
public:
    // Shares the document of `context.source` when it is a Jupiter window.
    explicit JupiterSatellitesView(const ViewContext& context);

protected:
    std::vector<SatelliteSpot> paintPicture(DrawingSurface& surface) override;

private:
    // The document and whether it is new.
    using SharedDocument = std::pair<std::shared_ptr<JupiterDocument>, bool>;
    static SharedDocument documentFor(const ViewContext& context);
    JupiterSatellitesView(const ViewContext& context, SharedDocument doc);
};

}  // namespace vantorel
