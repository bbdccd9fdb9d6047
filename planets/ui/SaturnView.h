#pragma once

#include "planets/ui/PlanetView.h"
#include "satellites/paint/SaturnSatPicture.h"

// The Saturn window: the globe with its rings and the eight moons from Mimas
// to Iapetus, at a zoom level 0..7 that names the moon whose orbit spans half
// the width. It shares the planet windows' date, keys, data panel and
// satellite clicks; its zoom runs by levels and it has no tracking.

namespace vantorel {

class SaturnDocument;

class SaturnView : public PlanetView {
    Q_OBJECT
public:
    // The level a new window opens at: Titan's orbit across half the width.
    static constexpr int kDefaultLevel = 5;
    static constexpr int kLevels = 8;
    // The frame of the window: wide enough for the legend.
    static constexpr int kFrameWidth = 440;
    static constexpr int kFrameHeight = 300;

    explicit SaturnView(const ViewContext& context);

    SaturnDocument& saturnDocument();
    int level() const { return kLevels - 1 - zoom(); }
    const SaturnSatDrawing& lastDrawing() const { return drawing_; }

protected:
    std::vector<SatelliteSpot> paintPicture(DrawingSurface& surface) override;

private:
    SaturnSatDrawing drawing_;
};

}  // namespace vantorel
