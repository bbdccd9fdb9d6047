#include "sky/paint/SkyChartPicture.h"

#include <QImage>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "engine/Angles.h"
#include "sky/CatalogueRecord.h"
#include "sky/SkyChartDocument.h"
#include "sky/SkyHorizon.h"

namespace vantorel {

namespace {

Rgb rgb(ChartColour c) { return Rgb{c.r, c.g, c.b}; }

constexpr Rgb kEcliptic{0, 125, 105};
constexpr Rgb kEquator{51, 51, 51};
constexpr Rgb kFigure{52, 43, 113};
constexpr Rgb kTick{0, 255, 0};
constexpr Rgb kTickText{255, 0, 0};

// `turned`: the chart is turned by 180 degrees, and the disc with it.
void drawStar(DrawingSurface& s, int x, int y, StarMark mark, bool turned) {
    const auto cross = [&](Rgb centre, Rgb arms) {
        s.setPixel(x, y, centre);
        s.setPixel(x - 1, y, arms);
        s.setPixel(x + 1, y, arms);
        s.setPixel(x, y - 1, arms);
        s.setPixel(x, y + 1, arms);
    };
    switch (mark) {
    case StarMark::Disc:
        s.setPen(PenStyle::Solid, 1, Rgb{255, 255, 255});
        s.setBrush(Rgb{255, 255, 255});
        if (turned)
            s.ellipse(x - 2, y - 2, x + 3, y + 3);
        else
            s.ellipse(x - 3, y - 3, x + 2, y + 2);
        break;
    case StarMark::BrightCross: cross(Rgb{141, 207, 244}, Rgb{201, 255, 255}); break;
    case StarMark::Cross: cross(Rgb{0, 176, 209}, Rgb{0, 176, 209}); break;
    case StarMark::Yellow: s.setPixel(x, y, Rgb{255, 249, 157}); break;
    case StarMark::Blue: s.setPixel(x, y, Rgb{148, 170, 214}); break;
    case StarMark::Grey: s.setPixel(x, y, Rgb{128, 128, 160}); break;
    case StarMark::None: break;
    }
}

void drawTicks(DrawingSurface& s, const SkyChartMapping& m) {
    s.setPen(PenStyle::Solid, 1, kTick);
    s.setTextColour(kTickText);
    s.setBackgroundMode(BackgroundMode::Transparent);
    const float scale = m.scale();
    const int yTop = static_cast<int>(static_cast<float>(m.y0) - 56.0f * scale);
    const int yBottom = static_cast<int>(static_cast<float>(m.y0) + 56.0f * scale);
    for (int hours : {6, 12, 18}) {
        const int x = m.x(hours * 15.0);
        s.moveTo(x, yTop);
        s.lineTo(x, yTop + 4);
        s.moveTo(x, yBottom);
        s.lineTo(x, yBottom - 4);
        s.textOut(x - 7 + (hours < 10 ? 4 : 0), yBottom - 17, QString::number(hours));
    }
    const int left = m.leftEdge(), right = m.rightEdge();
    for (int dec = -50; dec <= 50; dec += 10) {
        const int y = m.y(dec);
        s.moveTo(right, y);
        s.lineTo(right - 3, y);
        s.moveTo(left + 1, y);
        s.lineTo(left + 4, y);
        if (dec == 40 || dec == -40) s.textOut(left + 6, y - 7, QString::number(dec));
    }
}

constexpr Rgb kHorizon{190, 120, 40};
constexpr Rgb kMeridian{110, 110, 170};
constexpr Rgb kConstellationName{120, 120, 200};
// What is left of a colour below the horizon.
constexpr int kBelowHorizonPercent = 40;

double normalised(double deg) {
    const double r = std::fmod(deg, 360.0);
    return r < 0 ? r + 360.0 : r;
}

// The right ascension and declination at a pixel's centre.
double raOfColumn(const SkyChartMapping& m, int x) {
    const double a = (x + 0.5 - m.x0) / m.scale();
    return normalised(m.flipped() ? a : -a);
}
double decOfRow(const SkyChartMapping& m, int y) {
    const double d = (y + 0.5 - m.y0) / m.scale();
    return m.flipped() ? d : -d;
}

// The sky below the horizon darkened, the horizon drawn over it, and the
// meridian: where the stars stand for the site at the chart's instant.
void drawSiteSky(DrawingSurface& s, const SkyChartMapping& m, double lst, double latitude,
                 SkyChartDescription& d) {
    const bool southBelow = belowHorizonIsSouth(latitude);
    const int w = s.width(), h = s.height();
    std::vector<double> rowDec(static_cast<std::size_t>(h));
    for (int y = 0; y < h; ++y) rowDec[static_cast<std::size_t>(y)] = decOfRow(m, y);
    std::vector<double> columnDec(static_cast<std::size_t>(w));
    QImage& image = s.pixelsForWriting();
    for (int x = 0; x < w; ++x) {
        const double limit = horizonDeclinationDeg(raOfColumn(m, x), lst, latitude);
        columnDec[static_cast<std::size_t>(x)] = limit;
        for (int y = 0; y < h; ++y) {
            const double dec = rowDec[static_cast<std::size_t>(y)];
            if (southBelow ? dec >= limit : dec <= limit) continue;
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            const QRgb c = line[x];
            line[x] = qRgb(qRed(c) * kBelowHorizonPercent / 100, qGreen(c) * kBelowHorizonPercent / 100,
                           qBlue(c) * kBelowHorizonPercent / 100);
        }
    }

    s.setPen(PenStyle::Solid, 1, kHorizon);
    bool previousInside = false;
    for (int x = 0; x < w; ++x) {
        const int y = m.y(columnDec[static_cast<std::size_t>(x)]);
        const bool inside = y >= 0 && y < h;
        if (inside) {
            d.horizon.push_back({x, y});
            if (previousInside)
                s.lineTo(x, y);
            else
                s.moveTo(x, y);
            s.setPixel(x, y, kHorizon);
        }
        previousInside = inside;
    }

    d.siderealTimeDeg = lst;
    d.meridianX = m.x(lst);
    s.setPen(PenStyle::Dotted, 1, kMeridian);
    s.moveTo(d.meridianX, 0);
    s.lineTo(d.meridianX, h - 1);
}

// Each constellation's abbreviation centred on its figure's mean place.
void drawConstellationNames(DrawingSurface& s, const SkyChartMapping& m,
                            const std::vector<ConstellationCentre>& centres, SkyChartDescription& d) {
    s.setBackgroundMode(BackgroundMode::Transparent);
    s.setTextColour(kConstellationName);
    const int h = s.fontHeight();
    for (const ConstellationCentre& c : centres) {
        const QString name = QString::fromStdString(c.name);
        const int w = s.textWidth(name);
        const int x = m.x(c.raDeg), y = m.y(c.decDeg);
        const int left = std::clamp(x - w / 2, 0, std::max(0, s.width() - w));
        const int top = std::clamp(y - h / 2, 0, std::max(0, s.height() - h));
        if (y < 0 || y >= s.height()) continue;  // beyond the chart's declinations
        s.textOut(left, top, name);
        d.constellations.push_back({c.name, x, y, left, top, w, h, c.raDeg, c.decDeg});
    }
}

}  // namespace

Rgb readableOnBlack(Rgb c) {
    // Lightened toward white until its luminance reaches that of a middle
    // grey: a dark purple or teal mark keeps its hue, its name reads.
    const auto luminance = [](int r, int g, int b) { return 0.299 * r + 0.587 * g + 0.114 * b; };
    for (int step = 0; step <= 20; ++step) {
        const double t = step / 20.0;
        const Rgb lighter{static_cast<int>(std::lround(c.r + t * (255 - c.r))),
                          static_cast<int>(std::lround(c.g + t * (255 - c.g))),
                          static_cast<int>(std::lround(c.b + t * (255 - c.b)))};
        if (luminance(lighter.r, lighter.g, lighter.b) >= kReadableLuminance) return lighter;
    }
    return Rgb{255, 255, 255};
}

int skyBodyAt(const SkyChartDescription& d, int x, int y) {
    constexpr int kReach = 8;  // pixels around the mark's centre
    const int half = d.mapping.flipped() ? -2 : 2;
    int best = -1;
    long bestDistance = static_cast<long>(kReach) * kReach + 1;
    for (std::size_t i = 0; i < d.bodies.size(); ++i) {
        const auto& b = d.bodies[i];
        const long dx = x - (b.x + half), dy = y - (b.y + half);
        if (dx * dx + dy * dy < bestDistance) {
            bestDistance = dx * dx + dy * dy;
            best = static_cast<int>(i);
        }
    }
    if (best >= 0) return best;
    for (std::size_t i = 0; i < d.bodies.size(); ++i) {
        const auto& b = d.bodies[i];
        if (x >= b.labelX && x < b.labelX + b.labelWidth && y >= b.labelY && y < b.labelY + b.labelHeight)
            return static_cast<int>(i);
    }
    return -1;
}

SkyCatalogues SkyCatalogues::standard() {
    return SkyCatalogues{catalogueFilePath("const.dat"), catalogueFilePath("etoiles.dat")};
}

void eclipticPlace(double lambdaDeg, double epsilonRad, double& raDeg, double& decDeg) {
    const double l = toRad(lambdaDeg);
    raDeg = toDeg(std::atan2(std::sin(l) * std::cos(epsilonRad), std::cos(l)));
    if (raDeg < 0) raDeg += 360.0;
    decDeg = toDeg(std::asin(std::sin(epsilonRad) * std::sin(l)));
}

SkyChartDescription paintSkyChart(DrawingSurface& s, const SkyChartDocument& doc, float latitudeDeg,
                                  const SkyCatalogues& catalogues) {
    SkyChartDescription d;
    const SkyChartMapping m = SkyChartMapping::fromClient(0, 0, s.width(), s.height(), latitudeDeg);
    d.mapping = m;
    s.fill(Rgb{0, 0, 0});

    // The ecliptic, a pixel per degree of longitude, where the Sun and the
    // planets' paths really run on this chart.
    for (int lambda = 1; lambda <= 360; ++lambda) {
        double ra = 0, dec = 0;
        eclipticPlace(lambda, doc.dateTime.epsilon, ra, dec);
        s.setPixel(m.x(ra), m.y(dec), kEcliptic);
    }

    s.setPen(PenStyle::Solid, 1, kEquator);
    s.moveTo(m.rightEdge(), m.y0);
    s.lineTo(m.leftEdge(), m.y0);

    // The catalogues are of J2000.0, the bodies of date.
    const Precession precession(doc.dateTime.JDE);
    s.setPen(PenStyle::Solid, 1, kFigure);
    d.figureSegments = readConstellationFigures(
        catalogues.figures, m,
        [&](int x1, int y1, int x2, int y2) {
            s.moveTo(x1, y1);
            s.lineTo(x2, y2);
        },
        &precession);
    d.stars = readStars(
        catalogues.stars, m, [&](int x, int y, StarMark mark) { drawStar(s, x, y, mark, m.flipped()); },
        &precession);

    drawTicks(s, m);
    drawSiteSky(s, m, doc.localSiderealTimeDeg(), latitudeDeg, d);
    drawConstellationNames(s, m, readConstellationCentres(catalogues.figures, &precession), d);

    s.setBackgroundMode(BackgroundMode::Transparent);
    for (const SkyBody& b : doc.bodies()) {
        const int x = m.x(b.raDeg), y = m.y(b.decDeg);
        const Rgb c = rgb(b.colour);
        s.setPen(PenStyle::Solid, 1, c);
        s.setBrush(c);
        // On the turned chart the mark is turned with it: above and left of
        // its place as it was below and right; its label starts at the
        // mark's left edge as before.
        int labelX = x;
        if (m.flipped()) {
            s.ellipse(x - 5, y - 5, x, y);
            labelX = x - 5;
        } else {
            s.ellipse(x, y, x + 5, y + 5);
        }
        int labelY = 0;
        if (b.labelAbove)
            labelY = m.flipped() ? y + 6 : y - 20;
        else
            labelY = m.flipped() ? y - 25 : y + 6;
        // A label at an edge is pushed back inside, whole.
        const QString label = QString::fromUtf8(b.label);
        const int labelWidth = s.textWidth(label), labelHeight = s.fontHeight();
        labelX = std::clamp(labelX, 0, std::max(0, s.width() - labelWidth));
        labelY = std::clamp(labelY, 0, std::max(0, s.height() - labelHeight));
        const Rgb labelColour = readableOnBlack(c);
        s.setTextColour(labelColour);
        s.textOut(labelX, labelY, label);
        d.bodies.push_back({b.label, x, y, labelX, labelY, labelWidth, labelHeight, labelColour, b.raDeg, b.decDeg});
    }
    return d;
}

}  // namespace vantorel
