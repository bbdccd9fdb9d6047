#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/commands/DocumentTypes.h"
#include "common/text/LanguageText.h"
#include "moon/MoonTheory.h"
#include "sky/ChartDocument.h"

// The sky chart's document: its own date, the Sun, the eight planets and the
// Moon computed for it, and the places the chart marks.

namespace vantorel {

// One body as the chart marks it.
struct SkyBody {
    const char* label;  // in the document's language
    ChartColour colour;
    double raDeg;   // 0..360
    double decDeg;
    // The label goes above the mark (Sun to Jupiter) or below it.
    bool labelAbove;
};

class SkyChartDocument : public ChartDocument {
public:
    static constexpr int kBodyCount = 10;

    explicit SkyChartDocument(const Settings& settings) : ChartDocument(settings) {}

    // The planets, then the Sun's disc data and the Moon; asks for a fresh
    // drawing.
    void compute() override;

    // Sun, Mercury, Venus, Mars, Jupiter, Saturn, Moon, Uranus, Neptune,
    // Pluto: the order the chart draws them in.
    std::vector<SkyBody> bodies() const;
    // The local mean sidereal time of the chart's instant at the site (or the
    // zone's centre), degrees 0..360: the right ascension on the meridian.
    double localSiderealTimeDeg() const;
    // The window of the body at `index` of bodies(): none for the Sun,
    // Neptune and Pluto.
    static std::optional<DocTypeId> bodyWindow(int index);
    // "%s -- %s     ": "Sky" and the date.
    std::string windowTitleText() const;

    MoonTheory moon;
    // Set by every computation, cleared once the chart was drawn afresh.
    bool redraw = false;
};

}  // namespace vantorel
