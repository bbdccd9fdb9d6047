#include "satellites/GalileanPlacement.h"

#include "common/text/LanguageText.h"

namespace vantorel {

namespace {

constexpr double kRadiusKm[4] = {1815.0, 1569.0, 2631.0, 2400.0};
constexpr int kMinimumSize[4] = {6, 6, 7, 7};
constexpr double kJupiterDiameterKm = 142984.0;

constexpr GalileanLook kLooks[4] = {
    {255, 0, 0, "I"}, {0, 255, 255, "E"}, {0, 255, 0, "G"}, {255, 0, 255, "C"}};

constexpr TextTriple kShadows[4] = {
    {"Shadow of Io", "Ombre d'Io", "Sombra de Io"},
    {"Shadow of Europa", "Ombre d'Europe", "Sombra de Europa"},
    {"Shadow of Ganymede", "Ombre de Ganymède", "Sombra de Ganímedes"},
    {"Shadow of Callisto", "Ombre de Callisto", "Sombra de Calisto"}};

int clampSatellite(int satellite) { return satellite < 0 ? 0 : satellite > 3 ? 3 : satellite; }

}  // namespace

ScreenPoint placeSatellite(int centreX, int centreY, int projection, double a, double b, double X,
                           double Y) {
    // West is on the left (codes 1 and 3) or the right; north below (codes 2
    // and 3, the inverting telescope) or above.
    const double sx = (projection == 1 || projection == 3) ? X : -X;
    const double sy = (projection == 2 || projection == 3) ? Y : -Y;
    ScreenPoint p;
    p.x = centreX - static_cast<int>(0.5 * a * sx);
    p.y = centreY + static_cast<int>(0.5 * b * sy);
    return p;
}

int galileanDotSize(int satellite, double discPixels) {
    const int i = clampSatellite(satellite);
    const int size = 2 * static_cast<int>(kRadiusKm[i] * discPixels / kJupiterDiameterKm);
    return size < kMinimumSize[i] ? kMinimumSize[i] : size;
}

const GalileanLook& galileanLook(int satellite) { return kLooks[clampSatellite(satellite)]; }

const char* shadowName(int satellite, int language) {
    return kShadows[clampSatellite(satellite)](language);
}

}  // namespace vantorel
