#include "sky/paint/HelioPicture.h"

#include <QString>

#include <cmath>

#include "engine/Angles.h"

namespace vantorel {

namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

Rgb rgb(ChartColour c) { return Rgb{c.r, c.g, c.b}; }

void circle(DrawingSurface& s, const HelioCircle& c) {
    s.ellipse(c.cx - c.r, c.cy - c.r, c.cx + c.r + 1, c.cy + c.r + 1);
}

}  // namespace

HelioDescription paintHelio(DrawingSurface& s, const HeliocentricDocument& doc, int language, bool printing) {
    HelioDescription d;
    const Rgb background = printing ? kWhite : kBlack;
    // The paper is monochrome: every line and text is black there.
    const auto ink = [&](Rgb c) { return printing ? kBlack : c; };
    s.fill(background);
    const HelioLayout l = HelioLayout::forWidth(s.width());
    d.layout = l;

    // From the outside in, each disc of background leaves only the outline
    // of the one before.
    s.setPen(PenStyle::Solid, 1, ink(Rgb{0, 128, 0}));
    s.setBrush(background);
    for (int i = HelioLayout::kCircleCount - 1; i >= 0; --i) circle(s, l.circles[static_cast<std::size_t>(i)]);

    s.setBackgroundMode(BackgroundMode::Transparent);
    const auto bodies = doc.bodies();
    int index = 0;
    for (const HelioBody& b : bodies) {
        const HelioCircle& c = l.circles[static_cast<std::size_t>(b.orbit)];
        int x = 0, y = 0;
        HelioLayout::place(c, b.longitudeRad, x, y);
        s.setPen(PenStyle::Solid, 1, ink(rgb(b.pen)));
        s.setBrush(background);
        s.ellipse(x - 3, y - 3, x + 3, y + 3);
        double lon = std::fmod(toDeg(b.longitudeRad), 360.0);
        if (lon < 0) lon += 360.0;
        d.bodies.push_back({b.name(language), x, y, lon});

        if (index < 4) {
            // The inner planets are named in the legend.
            const int top = 320 + 20 * index;
            s.ellipse(10, top, 16, top + 6);
            s.setTextColour(ink(rgb(b.text)));
            s.textOut(20, 315 + 20 * index, QString::fromUtf8(b.name(language)));
        } else {
            const bool pluto = index == HeliocentricDocument::kBodyCount - 1;
            const int labelX = x <= l.X ? x + 7 : (pluto ? x - 7 : x - 17);
            s.setTextColour(ink(rgb(b.text)));
            s.textOut(labelX, y - 8, QString::fromUtf8(b.name(language)));
        }
        ++index;
    }

    s.setPen(PenStyle::Solid, 1, ink(Rgb{255, 255, 0}));
    s.setBrush(ink(Rgb{255, 255, 0}));
    s.ellipse(l.X + 8, l.X - 2, l.X + 12, l.X + 2);
    return d;
}

}  // namespace vantorel
