#include "planets/paint/DiscRenderer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "engine/Angles.h"

namespace vantorel {
namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kYellow{255, 255, 0};
constexpr Rgb kGrey{128, 128, 128};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kRedSpotColour{234, 107, 72};

// Sign of the longitudes and latitudes for a projection code: codes 0 and 2
// turn east and west round, codes 2 and 3 north and south.
int lonSign(int projection) { return (projection == 1 || projection == 3) ? 1 : -1; }
int latSign(int projection) { return (projection == 0 || projection == 1) ? 1 : -1; }

// A table longitude (0..359, or signed) as a longitude relative to the
// centre for the projection: mirrored for codes 0 and 2, shifted by b.
int relativeLongitude(int lon, int projection, int centralLongitude) {
    if (lon >= 181 && lon <= 359) lon -= 360;
    const int b = lonSign(projection) == 1 ? centralLongitude : 360 - centralLongitude;
    int rel = lon * lonSign(projection) - b;
    if (rel < -179) rel += 360;
    return rel;
}

}  // namespace

void DiscRenderer::setTilt(double bRad) {
    tilt_ = bRad;
    cosB_ = std::cos(bRad);
    sinB_ = std::sin(bRad);
}

void DiscRenderer::setPositionAngle(double pRad) {
    positionAngle_ = pRad;
    cosP_ = std::cos(pRad);
    sinP_ = std::sin(pRad);
}

DiscRenderer::Projected DiscRenderer::projectTrig(double cosLon, double sinLon, double cosLat,
                                                  double sinLat) const {
    const double r = radius_;
    const double u = r * sinLon * cosLat;
    const double v = r * polarScale_ * (sinLat * cosB_ - cosLon * cosLat * sinB_);
    const double w = r * (sinLat * sinB_ + cosLon * cosLat * cosB_);
    double x;
    double y;
    if (rotates()) {
        x = centreX_ + u * cosP_ - v * sinP_;
        y = centreY_ - (u * sinP_ + v * cosP_);
    } else {
        x = centreX_ + u;
        y = centreY_ - v;
    }
    Projected p;
    p.x = static_cast<int>(x);
    p.y = static_cast<int>(y);
    p.depth = w;
    p.visible = bodyKind_ == kSaturn || w > 0.0;
    return p;
}

DiscRenderer::Projected DiscRenderer::project(double lonRad, double latRad) const {
    return projectTrig(std::cos(lonRad), std::sin(lonRad), std::cos(latRad), std::sin(latRad));
}

void DiscRenderer::act(DrawingSurface& s, const Projected& p) {
    switch (drawMode_) {
    case kLine:
    case kShadeLine:
        s.moveTo(currentX_, currentY_);
        s.lineTo(p.x, p.y);
        break;
    case kFlood:
        if (s.contains(p.x, p.y) && s.pixel(p.x, p.y) != edgeColour_) {
            s.setBrush(fillColour_);
            s.floodFill(p.x, p.y, edgeColour_);
        }
        break;
    case kRedMarker:
        s.setPen(PenStyle::Solid, 1, kRed);
        s.setBrush(kRed);
        s.ellipse(p.x - 20, p.y - 20, p.x, p.y);
        break;
    case kDot:
        s.setPixel(p.x, p.y, fillColour_);
        s.setPixel(p.x - 1, p.y, fillColour_);
        s.setPixel(p.x, p.y - 1, fillColour_);
        s.setPixel(p.x - 1, p.y - 1, fillColour_);
        break;
    default:
        break;
    }
}

void DiscRenderer::plot(DrawingSurface& s, double lonRad, double latRad, bool draw) {
    const Projected p = project(lonRad, latRad);
    if (draw && p.visible) act(s, p);
    currentX_ = p.x;
    currentY_ = p.y;
}

// ---- primitives -------------------------------------------------------------

void DiscRenderer::drawLongitudeSegment(DrawingSurface& s, double lonRad, double latFromRad,
                                        double latToRad) {
    const double high = std::max(latFromRad, latToRad);
    const double low = std::min(latFromRad, latToRad);
    const int n = segments_;
    plot(s, lonRad, high, false);
    for (int i = 1; i <= n; ++i) plot(s, lonRad, high - (high - low) * i / n);
}

void DiscRenderer::drawLongitudeLine(DrawingSurface& s, double lonRad) {
    const int n = segments_;
    plot(s, lonRad, -kPi / 2, false);
    for (int i = 1; i <= n; ++i) plot(s, lonRad, i * kPi / n - kPi / 2);
}

void DiscRenderer::drawParallel(DrawingSurface& s, double latRad) {
    const int n = segments_;
    plot(s, kPi, latRad, false);
    for (int i = 1; i <= n; ++i) plot(s, 2 * kPi / n * i + kPi, latRad);
}

void DiscRenderer::drawGreatCircleSegment(DrawingSurface& s, double lon1Rad, double lat1Rad,
                                          double lon2Rad, double lat2Rad) {
    // Walk the short way round, from the western to the eastern end, so an
    // outline is drawn whichever way its points run.
    while (lon2Rad - lon1Rad > kPi) lon2Rad -= 2 * kPi;
    while (lon2Rad - lon1Rad <= -kPi) lon2Rad += 2 * kPi;
    if (lon2Rad < lon1Rad) {
        std::swap(lon1Rad, lon2Rad);
        std::swap(lat1Rad, lat2Rad);
    }
    const double span = lon2Rad - lon1Rad;
    if (span <= 0.0) return;
    const double t1 = std::tan(lat1Rad);
    const double t2 = std::tan(lat2Rad);
    const double denominator = std::sin(span);
    auto latitudeAt = [&](double lon) {
        return std::atan((t1 * std::sin(lon2Rad - lon) + t2 * std::sin(lon - lon1Rad)) /
                         denominator);
    };
    const int n = segments_;
    const double step = span / n;
    plot(s, lon1Rad, lat1Rad, false);
    for (int i = 1; i <= n; ++i) {
        const double lon = i == n ? lon2Rad : std::min(lon1Rad + step * i, lon2Rad);
        plot(s, lon, latitudeAt(lon));
    }
}

void DiscRenderer::drawSegment(DrawingSurface& s, int lon1, int lat1, int lon2, int lat2) {
    enum { GreatCircle, Meridian } kind = GreatCircle;
    int meridian = 0;
    double from = 0.0;
    double to = 0.0;
    // Later tests win over earlier ones.
    if (lat1 == 90 || lat1 == -90) {
        kind = Meridian;
        meridian = lon2;
        from = lat1;
        to = lat2;
    }
    if (lat2 == 90 || lat2 == -90) {
        kind = Meridian;
        meridian = lon1;
        from = lat1;
        to = lat2;
    }
    if (lon1 == lon2) {
        kind = Meridian;
        meridian = lon1;
        from = lat1;
        to = lat2;
    }
    if (std::abs(lon1 - lon2) == 180) {
        // Over the nearer pole: the far end seen along the first meridian.
        kind = Meridian;
        meridian = lon1;
        from = lat1;
        to = (lat1 + lat2 >= 0 ? 180 : -180) - lat2;
    }
    if (kind == Meridian) {
        drawLongitudeSegment(s, toRad(meridian), toRad(from), toRad(to));
    } else {
        drawGreatCircleSegment(s, toRad(lon1), toRad(lat1), toRad(lon2), toRad(lat2));
    }
}

void DiscRenderer::drawPolylineTable(DrawingSurface& s, int centralLongitude, int projection,
                                     const int* values, int count) {
    setSegments(4);
    setDrawMode(kLine);
    s.setPen(PenStyle::Solid, 2, edgeColour_);
    bool havePrevious = false;
    int prevLon = 0;
    int prevLat = 0;
    int firstLon = 0;
    int firstLat = 0;
    for (int i = 0; i + 1 < 2 * count; i += 2) {
        int lon = values[i];
        const int lat = values[i + 1] * latSign(projection);
        bool first = false;
        bool last = false;
        if (lon >= 720) {
            last = true;
            lon -= 720;
            if (lon > 180) lon -= 360;
        } else if (lon >= 360) {
            first = true;
            lon -= 360;
            if (lon > 180) lon -= 360;
        }
        lon = relativeLongitude(lon, projection, centralLongitude);
        if (first || !havePrevious) {
            firstLon = lon;
            firstLat = lat;
        } else {
            drawSegment(s, prevLon, prevLat, lon, lat);
        }
        if (last && !first) drawSegment(s, lon, lat, firstLon, firstLat);
        havePrevious = true;
        prevLon = lon;
        prevLat = lat;
    }
}

void DiscRenderer::fillAtPoints(DrawingSurface& s, const int* values, int count, int projection,
                                int centralLongitude) {
    setDrawMode(kFlood);
    for (int i = 0; i < count; ++i) {
        const int lon = relativeLongitude(values[2 * i], projection, centralLongitude);
        const int lat = values[2 * i + 1] * latSign(projection);
        plot(s, toRad(lon), toRad(lat));
    }
}

// ---- maps and phases ------------------------------------------------------------

void DiscRenderer::paintMapPixels(QImage& target, const QImage& map, int L0, int projection) {
    // Each pixel whose centre lies on the disc takes the map pixel seen there:
    // the inverse of projectTrig. Scattering the 64 800 map points forward
    // instead leaves the outline of a small disc with long straight sides
    // (an octagon at radius 10) and grows the disc by a pixel to the left and
    // top; walking the pixels gives a round disc at every size and no holes.
    const double r = radius_;
    if (!(r > 0.0) || map.width() < 360 || map.height() < 180) return;
    const int sign = lonSign(projection);
    const bool north = latSign(projection) == 1;
    const bool turned = rotates();
    const double scale = polarScale_ > 0.0 ? polarScale_ : 1.0;
    const int w = target.width();
    const int h = target.height();
    const int cx = static_cast<int>(centreX_);
    const int cy = static_cast<int>(centreY_);
    const int reach = static_cast<int>(std::ceil(r)) + 1;
    const int x0 = std::max(0, cx - reach), x1 = std::min(w - 1, cx + reach);
    const int y0 = std::max(0, cy - reach), y1 = std::min(h - 1, cy + reach);
    for (int py = y0; py <= y1; ++py) {
        auto* line = reinterpret_cast<QRgb*>(target.scanLine(py));
        const double dy = centreY_ - (py + 0.5);
        for (int px = x0; px <= x1; ++px) {
            const double dx = px + 0.5 - centreX_;
            double u = dx;
            double v = dy;
            if (turned) {
                u = dx * cosP_ + dy * sinP_;
                v = -dx * sinP_ + dy * cosP_;
            }
            const double X = u / r;
            const double Y = v / (r * scale);
            const double q = X * X + Y * Y;
            if (q >= 1.0) continue;
            const double Z = std::sqrt(1.0 - q);
            const double sinLat = std::clamp(Y * cosB_ + Z * sinB_, -1.0, 1.0);
            const double lat = std::asin(sinLat) * kDegPerRad;
            const double lon = std::atan2(X, -Y * sinB_ + Z * cosB_) * kDegPerRad;
            int column = static_cast<int>(std::lround((lon + L0) * sign));
            column %= 360;
            if (column < 0) column += 360;
            // Row j holds the degree of latitude from j - 90 to j - 89
            // (tools/make_maps.py samples it at its middle), so it is found
            // by the whole degree below, not the nearest: rounding drew
            // every band of the maps half a degree toward the south.
            int row = static_cast<int>(std::floor(north ? lat + 90.0 : 90.0 - lat));
            row = std::clamp(row, 0, 179);
            line[px] = 0xff000000u | reinterpret_cast<const QRgb*>(map.constScanLine(row))[column];
        }
    }
}

void DiscRenderer::paintMap(DrawingSurface& s, double centralLongitudeDeg, double tiltRad,
                            int projection, const QImage& map, Terminator terminator) {
    projection = (projection >= 0 && projection <= 3) ? projection : 0;
    mapMode_ = true;
    setSegments(1);
    setDrawMode(kDot);
    setTilt(latSign(projection) * tiltRad);
    int L0 = static_cast<int>(centralLongitudeDeg);
    if (lonSign(projection) == -1) L0 = 360 - L0;
    if (turnsByPositionAngle()) {
        const double p = (projection == 1 || projection == 2) ? -positionAngle_ : positionAngle_;
        cosP_ = std::cos(p);
        sinP_ = std::sin(p);
    }
    const QImage source = map.format() == QImage::Format_RGB32 || map.format() == QImage::Format_ARGB32
                              ? map
                              : map.convertToFormat(QImage::Format_RGB32);
    paintMapPixels(s.pixelsForWriting(), source, L0, projection);
    if (terminator.seedLongitude != kNoShading) shadePhase(s, terminator, projection);
    setDrawMode(kLine);
}

void DiscRenderer::shadePhase(DrawingSurface& s, Terminator terminator, int projection) {
    // The night side is the half of the sphere beyond the plane of the
    // terminator's meridian, seen without tilt. Every pixel of the painted
    // disc is tested against that plane instead of outlining the terminator
    // and flood-filling behind it: a drawn outline eats the lit part of a thin
    // crescent and leaves it in fragments, while the plane test keeps every
    // limb pixel that has any lit point in it, so a crescent however thin
    // stays one continuous arc.
    const double r = radius_;
    if (!(r > 0.0)) return;
    const double meridian = toRad(90 - terminator.angle);
    const double nx = std::cos(meridian);
    const double nz = -std::sin(meridian);
    // The seeds lie a few degrees inside the night side; the middle one
    // tells which side of the plane is dark.
    const double seed = toRad(relativeLongitude(terminator.seedLongitude + 3, projection, 0));
    const double seedSide = nx * std::sin(seed) + nz * std::cos(seed);
    if (seedSide == 0.0) return;
    const double night = seedSide > 0.0 ? 1.0 : -1.0;
    const bool turned = rotates();

    // A pixel shows the sphere at its centre. It stays lit when the centre of
    // any pixel around it (itself included) is lit, points beyond the limb
    // counting as the limb itself: the inner edge of the disc, 8-connected,
    // then keeps its lit half, so the crescent cannot break into pieces
    // where it is thinner than a pixel.
    auto dark = [&](double x, double y) {
        const double dx = x - centreX_;
        const double dy = centreY_ - y;
        double u = dx;
        double v = dy;
        if (turned) {
            u = dx * cosP_ + dy * sinP_;
            v = -dx * sinP_ + dy * cosP_;
        }
        double X = u / r;
        double Y = v / (r * polarScale_);
        const double q = X * X + Y * Y;
        double Z = 0.0;
        if (q > 1.0) {
            // Beyond the limb: the nearest limb point stands for it.
            const double k = 1.0 / std::sqrt(q);
            X *= k;
            Y *= k;
        } else {
            Z = std::sqrt(1.0 - q);
        }
        return night * (nx * X + nz * Z) > 0.0;
    };
    static constexpr double kSamples[3] = {-0.5, 0.5, 1.5};
    QImage& img = s.pixelsForWriting();
    const int reach = static_cast<int>(std::ceil(r)) + 2;
    const int cx = static_cast<int>(centreX_);
    const int cy = static_cast<int>(centreY_);
    const int x0 = std::max(0, cx - reach), x1 = std::min(img.width() - 1, cx + reach);
    const int y0 = std::max(0, cy - reach), y1 = std::min(img.height() - 1, cy + reach);
    const QRgb black = qRgb(0, 0, 0);
    for (int py = y0; py <= y1; ++py) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(py));
        for (int px = x0; px <= x1; ++px) {
            bool allDark = true;
            for (double sy : kSamples)
                for (double sx : kSamples) allDark = allDark && dark(px + sx, py + sy);
            if (allDark) line[px] = black;
        }
    }
}

double DiscRenderer::brightLimbAngle(double alpha0, double delta0, double alpha, double delta) {
    double chi = std::atan2(std::cos(delta0) * std::sin(alpha0 - alpha),
                            std::sin(delta0) * std::cos(delta) -
                                std::cos(delta0) * std::sin(delta) * std::cos(alpha0 - alpha));
    if (chi < 0) chi += 2.0 * kPi;
    return chi;
}

void DiscRenderer::shadeNightSide(DrawingSurface& s, double brightLimbRad,
                                  double illuminatedFraction, int projection) const {
    if (!(radius_ > 0.0f)) return;
    // The Sun's direction seen from the body's centre, in the frame of the
    // screen: (sx, sy) across the disc toward the bright limb, sz toward the
    // observer. The phase angle i gives k = (1 + cos i) / 2.
    const double k = std::clamp(std::isfinite(illuminatedFraction) ? illuminatedFraction : 1.0, 0.0, 1.0);
    const double cosI = 2.0 * k - 1.0;
    const double sinI = std::sqrt(std::max(0.0, 1.0 - cosI * cosI));
    const double eastX = lonSign(projection);
    const double northY = latSign(projection) == 1 ? -1.0 : 1.0;
    const double sx = sinI * eastX * std::sin(brightLimbRad);
    const double sy = sinI * northY * std::cos(brightLimbRad);
    const double sz = cosI;

    QImage& img = s.pixelsForWriting();
    const double r = radius_;
    // A pixel or two of margin round the disc.
    const int x0 = std::max(0, static_cast<int>(std::floor(centreX_ - r - 2)));
    const int x1 = std::min(img.width() - 1, static_cast<int>(std::ceil(centreX_ + r + 1)));
    const int y0 = std::max(0, static_cast<int>(std::floor(centreY_ - r - 2)));
    const int y1 = std::min(img.height() - 1, static_cast<int>(std::ceil(centreY_ + r + 1)));
    const QRgb black = qRgb(0, 0, 0);
    // Each pixel shows the sphere at its centre, as the map painter samples it.
    const double shift = 0.5;
    for (int y = y0; y <= y1; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        const double py = (y + shift - centreY_) / r;
        for (int x = x0; x <= x1; ++x) {
            double px = (x + shift - centreX_) / r;
            double qy = py;
            const double rho2 = px * px + qy * qy;
            if (rho2 > 1.0 + 4.0 / r) continue;
            double pz = 0.0;
            if (rho2 < 1.0) {
                pz = std::sqrt(1.0 - rho2);
            } else {
                // Beyond the limb: the limb point in that direction.
                const double k = 1.0 / std::sqrt(rho2);
                px *= k;
                qy *= k;
            }
            if (px * sx + qy * sy + pz * sz < 0.0) line[x] = black;
        }
    }
}

DiscRenderer::Terminator DiscRenderer::terminatorAngle(double alpha0, double delta0, double alpha,
                                                       double delta, double illuminatedFraction,
                                                       int projection) {
    const double chi = brightLimbAngle(alpha0, delta0, alpha, delta) * kDegPerRad;
    // The lit width of the disc is 2k radii, so the terminator's meridian
    // stands acos(1 - 2k) from the bright limb's; a straight 180 k would put
    // it up to ten degrees off and light too much of a gibbous disc.
    const double k = std::clamp(illuminatedFraction, 0.0, 1.0);
    const double e = std::acos(1.0 - 2.0 * k) * kDegPerRad;
    int u;
    double t;
    if (chi <= 179.0) {
        u = -14;
        t = e >= 90.0 ? e - 180.0 : e;
    } else {
        u = 14;
        t = e >= 90.0 ? 180.0 - e : -e;
    }
    if (projection == 0 || projection == 2) {
        u = -u;
        t = -t;
    }
    const int v = (projection == 1 || projection == 3) ? 1 : -1;
    // The seeds go to the night side; a full disc (t = 0) puts them behind
    // the limb on the side u points to, so nothing is darkened.
    const bool forward = t > 0.0 || (t == 0.0 && u > 0);
    Terminator out;
    out.angle = static_cast<int>(t);
    out.seedLongitude = forward ? v * (u - static_cast<int>(t - 90.0))
                                : v * (u + static_cast<int>(std::fabs(t) - 90.0));
    return out;
}

// ---- Jupiter ---------------------------------------------------------------------

void DiscRenderer::drawRedSpot(DrawingSurface& s, int centralLongitude, int projection,
                               int redSpotLongitude) {
    setTilt(latSign(projection) == 1 ? 0.00001 : -0.00001);
    // Outline round the spot centred on longitude 42; the first and last
    // points carry the outline markers.
    static constexpr int kOutline[22] = {392, -22, 34, -24, 38, -25, 42, -26, 46, -25, 50, -24,
                                         52,  -22, 50, -20, 46, -19, 42, -18, 758, -19};
    static constexpr int kSeeds[8] = {33, -22, 37, -22, 39, -22, 41, -22};
    const int shift = redSpotLongitude - 42;
    auto moved = [shift](const int* table, int count, int* out) {
        for (int i = 0; i < count; ++i) {
            const int value = table[2 * i];
            const int marker = value >= 720 ? 720 : value >= 360 ? 360 : 0;
            int lon = value - marker + shift;
            while (lon < 0) lon += 360;
            while (lon >= 360) lon -= 360;
            out[2 * i] = lon + marker;
            out[2 * i + 1] = table[2 * i + 1];
        }
    };
    int outline[22];
    int seeds[8];
    moved(kOutline, 11, outline);
    moved(kSeeds, 4, seeds);
    setEdgeColour(kBlack);
    drawPolylineTable(s, centralLongitude, projection, outline, 11);
    setFillColour(kRedSpotColour);
    setEdgeColour(kBlack);
    fillAtPoints(s, seeds, 4, projection, centralLongitude);
    setEdgeColour(kRedSpotColour);
    drawPolylineTable(s, centralLongitude, projection, outline, 11);
}

// ---- Saturn ------------------------------------------------------------------------

void DiscRenderer::drawSaturnEquator(DrawingSurface& s, double ringTiltRad, int sameSideFlag,
                                     int projection) {
    ringsLit_ = sameSideFlag == 1;
    setTilt(latSign(projection) == 1 ? ringTiltRad : -ringTiltRad);
    drawSaturnRings(s);
    // The equator shows only where it crosses the front of the globe.
    setBodyKind(kJupiter);
    setSegments(30);
    setDrawMode(kLine);
    s.setPen(PenStyle::Solid, 1, kBlue);
    drawParallel(s, 0.0);
    setBodyKind(kSaturn);
}

std::array<float, 4> DiscRenderer::saturnRingRadii(float globeRadius) {
    // Outer and inner edges of rings A and B, km.
    static constexpr int kRingDiametersKm[4] = {273200, 243800, 234800, 183800};
    const int kmPerPixel = std::max(1, static_cast<int>(120536.0 / (2.0 * globeRadius)));
    std::array<float, 4> ring{};
    for (int i = 0; i < 4; ++i) {
        const int d = kRingDiametersKm[i] / kmPerPixel;
        ring[i] = (static_cast<float>(d) + globeRadius / 2.0f) / 2.0f;
    }
    return ring;
}

void DiscRenderer::drawSaturnRings(DrawingSurface& s) {
    const float globe = radius_;
    setSegments(120);
    setDrawMode(kLine);
    const std::array<float, 4> ring = saturnRingRadii(globe);
    const int y = static_cast<int>(centreY_);
    const int fillX[4] = {
        static_cast<int>(centreX_ + (ring[0] + ring[1]) / 2.0f),
        static_cast<int>(centreX_ - (ring[0] + ring[1]) / 2.0f),
        static_cast<int>(centreX_ + (ring[2] + ring[3]) / 2.0f),
        static_cast<int>(centreX_ - (ring[2] + ring[3]) / 2.0f),
    };
    const Rgb edge = ringsLit_ ? kYellow : kGrey;
    s.setBrush(kYellow);
    s.setPen(PenStyle::Solid, 1, edge);
    const bool open = std::fabs(tilt_) > 0.00855;
    if (open) {
        for (float r : ring) {
            setRadius(r);
            drawParallel(s, 0.0);
        }
        s.setBrush(edge);
        for (int x : fillX) s.floodFill(x, y, edge);
        // Ring edges that pass in front of the globe.
        setBodyKind(kJupiter);
        s.setPen(PenStyle::Solid, 1, ringsLit_ ? kBlack : kGrey);
        if (std::fabs(tilt_) > 0.05 || !ringsLit_) {
            for (int i = 0; i < 3; ++i) {
                setRadius(ring[i]);
                drawParallel(s, 0.0);
            }
        }
    }
    setRadius(globe);
    setBodyKind(kSaturn);
}

QImage DiscRenderer::mirrorPicture(const QImage& source, const QRect& rect, Mirror mirror) {
    QImage out(rect.size(), QImage::Format_RGB32);
    out.fill(Qt::black);
    const bool flipX = mirror != Mirror::TopBottom;
    const bool flipY = mirror != Mirror::LeftRight;
    for (int y = 0; y < rect.height(); ++y) {
        const int sy = rect.top() + (flipY ? rect.height() - 1 - y : y);
        if (sy < 0 || sy >= source.height()) continue;
        for (int x = 0; x < rect.width(); ++x) {
            const int sx = rect.left() + (flipX ? rect.width() - 1 - x : x);
            if (sx < 0 || sx >= source.width()) continue;
            out.setPixel(x, y, source.pixel(sx, sy));
        }
    }
    return out;
}

}  // namespace vantorel

namespace vantorel {

void DiscRenderer::whitenAroundDisc(DrawingSurface& s, float margin) const {
    QImage& img = s.pixelsForWriting();
    const double limit = static_cast<double>(radius_) + margin;
    const QRgb white = qRgb(255, 255, 255);
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        const double dy = y - centreY_;
        for (int x = 0; x < img.width(); ++x) {
            const double dx = x - centreX_;
            if (dx * dx + dy * dy > limit * limit) line[x] = white;
        }
    }
}

}  // namespace vantorel
