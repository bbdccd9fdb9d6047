#pragma once

#include <QImage>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "common/ui/ChildView.h"
#include "common/ui/WindowServices.h"
#include "planets/PlanetDocument.h"
#include "planets/TimeStepKeys.h"
#include "planets/paint/DiscRenderer.h"
#include "planets/paint/PlanetPicture.h"
#include "satellites/SatelliteInfoRecord.h"

// The window of one planet: its disc drawn by the disc renderer into a kept
// picture that is rendered again only when the document asks, the time keys,
// the zoom, tracking with the clock, the clicks on satellites and the data
// panel when the window becomes active. Mercury, Venus, Mars and Uranus differ
// by the few values of their ViewTraits.

namespace vantorel {

struct ViewContext;

class PlanetView : public ChildView {
    Q_OBJECT
public:
    struct ViewTraits {
        int minZoom;      // the disc radius, pixels
        int maxZoom;
        int zoomInCommand;   // 0 where the zoom is fixed
        int zoomOutCommand;
        bool tracks;         // the tracking command exists
        bool keypadZoom;
        int conjunctionCommand;  // 0 where the window has none
        int phenomenaPlanet;     // the planet's row in the phenomena search
        // Reads the kept zoom at creation and writes it back at the end.
        std::function<int()> readZoom;
        std::function<void(double)> writeZoom;
        SatelliteFamily satellites;
        int satelliteCount;  // 0 for none
        int zoomStep = 10;   // what one zoom command adds or takes
        // Saturn's window zooms in on a left double-click, the planets out.
        bool leftDoubleClickZoomsIn = false;
        // A click within this many pixels of a satellite opens its box; 0
        // for the planets' rule (six either side, from six above to its row).
        int satelliteHitRadius = 0;
        // A click this many pixels left or right of a satellite, and from
        // as many above down to its row, opens its information.
        int hitReach = 6;
        // The name the title gives before the date; the body's name from
        // the title table when there is none.
        std::optional<TextTriple> windowName;
    };

    // `initialiseDocument` is false for a second window on a document that
    // already has its date.
    PlanetView(const ViewContext& context, DocTypeId type, std::shared_ptr<PlanetDocument> doc,
                ViewTraits traits, bool initialiseDocument = true);
    ~PlanetView() override;

    PlanetDocument& document() { return *doc_; }
    const std::shared_ptr<PlanetDocument>& sharedDocument() const { return doc_; }
    int zoom() const { return zoom_; }
    bool tracking() const { return trackingTimer_.isActive(); }
    // The tracking timer, so tests can make it tick.
    WindowTimer& trackingTimer() { return trackingTimer_; }
    const QImage& picture() const { return picture_; }
    const std::vector<SatelliteSpot>& satelliteSpots() const { return spots_; }
    const std::vector<SatelliteInfoRecord>& satelliteInfo() const { return satInfo_; }
    DiscRenderer& renderer() { return renderer_; }

    void activated(bool active) override;
    bool onCommand(int id) override;
    std::optional<CommandState> commandState(int id) const override;
    void onRecomputeDate() override;
    void onRecomputeZone() override;
    void onSettingsChanged() override;
    const DateTime* printedDate() const override;
    // The window's picture as it shows it, for paper and files.
    bool printable() const override { return true; }
    QImage printPicture() override;

    void zoomIn();
    void zoomOut();
    void setTracking(bool on);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void dateChangedByDialog() override;

    // The whole picture of the window; the planets' disc and satellites
    // unless a window draws something else. Returns what can be clicked.
    virtual std::vector<SatelliteSpot> paintPicture(DrawingSurface& surface);
    // Windows whose picture moves at every paint (Jupiter's satellites) draw
    // it again each time instead of copying the kept one.
    virtual bool rendersEveryPaint() const { return false; }
    // A left click at `p`; the default opens the information of the
    // satellite under it.
    virtual void clickAt(QPoint p);
    // The drawn spot under `p` within the window's reach, or null.
    const SatelliteSpot* spotAt(QPoint p) const;
    void openSatelliteInfo(const SatelliteSpot& spot);
    std::vector<SatelliteInfoRecord>& satelliteRecords() { return satInfo_; }
    const ViewTraits& traits() const { return traits_; }
    void render();

    // Mars adds the longitude search; the others nothing.
    virtual bool onBodyCommand(int id) { (void)id; return false; }
    virtual std::optional<CommandState> bodyCommandState(int id) const {
        (void)id;
        return std::nullopt;
    }

private:
    void updateTitle();
    // Takes a new projection code; true when it changed.
    bool takeProjection();
    void showConjunctions();

    std::shared_ptr<PlanetDocument> doc_;
    ViewTraits traits_;
    DiscRenderer renderer_;
    QImage picture_;
    WindowTimer trackingTimer_;
    TimeStepKeys keys_;
    int zoom_;
    std::vector<SatelliteSpot> spots_;
    std::vector<SatelliteInfoRecord> satInfo_;
};

}  // namespace vantorel
