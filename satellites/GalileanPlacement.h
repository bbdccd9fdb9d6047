#pragma once

// Where the Jupiter windows put Io, Europa, Ganymede and Callisto and their
// shadows: the satellite theory's apparent coordinates (Jupiter equatorial
// radii, X towards the west, Y towards the north) turned by the telescope
// projection and scaled to pixels.

namespace vantorel {

struct ScreenPoint {
    int x = 0;
    int y = 0;
};

// a and b are pixels per two Jupiter radii across and up; products are
// truncated toward zero as the screen positions are everywhere.
ScreenPoint placeSatellite(int centreX, int centreY, int projection, double a, double b, double X,
                           double Y);

// Diameter in pixels of satellite 0..3 on the disc view, whose disc spans
// `discPixels` for Jupiter's 142984 km: twice the whole pixels of its radius,
// at least 6 pixels for Io and Europa and 7 for Ganymede and Callisto so that
// each stays visible and clickable.
int galileanDotSize(int satellite, double discPixels);

// Io, Europa, Ganymede, Callisto: red, cyan, green, magenta.
struct GalileanLook {
    unsigned char r, g, b;
    const char* letter;
};
const GalileanLook& galileanLook(int satellite);

// "Shadow of Io" .. in the active language.
const char* shadowName(int satellite, int language);

}  // namespace vantorel
