#pragma once

#include <QPointer>

#include <memory>

#include "planets/ui/CPlanetView.h"
#include "satellites/CJupiterDoc.h"
#include "satellites/paint/JupiterPicture.h"

// The two Jupiter windows on one document: the telescope view of the disc
// with the satellites and their shadows, and the strip of the four satellites
// on both sides of a small disc. Both draw the satellites afresh at every
// paint, open the day's phenomena list and the Red Spot reference, and share
// the planet family's keys, date and data dialog.

namespace vantorel {

class CSatPheno;

class CJupiterViewBase : public CPlanetView {
    Q_OBJECT
public:
    CJupiterDoc& jupiter() { return static_cast<CJupiterDoc&>(document()); }
    // Where the last paint put the disc, the Red Spot, satellites and shadows.
    const JupiterPictureLayout& layout() const { return layout_; }
    bool opensSatellitesWindow() const override { return true; }
    CSatPheno* phenomenaList() const;
    // Opens the phenomena list of the displayed day when it is not open.
    void showPhenomena();
    // The Red Spot reference dialog until a valid entry or Cancel.
    void redSpotReference();

protected:
    CJupiterViewBase(const ViewContext& context, DocTypeId type, std::shared_ptr<CJupiterDoc> doc,
                     ViewTraits traits, bool initialiseDocument);
    ~CJupiterViewBase() override;

    bool rendersEveryPaint() const override { return true; }
    bool onBodyCommand(int id) override;
    std::optional<CommandState> bodyCommandState(int id) const override;
    void paintEvent(QPaintEvent* event) override;
    // Spots for the clicks: the drawn satellites (0..3), then the shadows (4..7).
    std::vector<SatelliteSpot> spotsOf(const JupiterPictureLayout& layout) const;

    JupiterPictureLayout layout_;

private:
    void fillPhenomena();

    QPointer<CSatPheno> list_;
    int listedDay_[3] = {0, 0, 0};  // year, month, day the list shows
};

class CJupiterView : public CJupiterViewBase {
    Q_OBJECT
public:
    explicit CJupiterView(const ViewContext& context);

    void onJupiterDate(const DATE_TIME& date) override;

protected:
    std::vector<SatelliteSpot> paintPicture(DrawingSurface& surface) override;
    void clickAt(QPoint p) override;
};

class CJupiterSatView : public CJupiterViewBase {
    Q_OBJECT
public:
    // Shares the document of `context.source` when it is a Jupiter window.
    explicit CJupiterSatView(const ViewContext& context);

protected:
    std::vector<SatelliteSpot> paintPicture(DrawingSurface& surface) override;

private:
    // The document and whether it is new.
    using SharedDocument = std::pair<std::shared_ptr<CJupiterDoc>, bool>;
    static SharedDocument documentFor(const ViewContext& context);
    CJupiterSatView(const ViewContext& context, SharedDocument doc);
};

}  // namespace vantorel
