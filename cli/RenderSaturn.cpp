// The Saturn window for `vantorel-cli render`: the globe, its rings and the
// eight moons at a zoom level 0..7, with where each moon landed.
#include <cstdio>
#include <string>

#include "cli/RenderWindow.h"
#include "common/paint/DrawingSurface.h"
#include "engine/Angles.h"
#include "planets/SaturnDocument.h"
#include "satellites/SatelliteInfoRecord.h"
#include "satellites/paint/SaturnSatPicture.h"

namespace vantorel::cli {
namespace {

RenderResult paintSaturnWindow(const RenderRequest& request, DrawingSurface& surface) {
    Settings settings = request.settings;
    SaturnDocument doc(DateTime{}, settings);
    doc.dt.setLocal(request.date.year, request.date.month, request.date.day, request.clock.hour,
                    request.clock.minute, request.zone.hours, request.zone.minutes);
    doc.computeBody();
    doc.projection = request.projection;
    DiscRenderer renderer(DiscRenderer::kSaturn);
    const SaturnSatDrawing d =
        paintSaturnSatPicture(surface, doc.moons, renderer, request.zoom, request.projection,
                              request.language);

    int approximate = 0;
    for (const SaturnMoonPlace& m : doc.moons.moons) approximate += m.approximate ? 1 : 0;
    char text[256];
    std::snprintf(text, sizeof text,
                  "zoom level %d, ring tilt %+.2f deg, pole angle %.2f deg, rings %s, %d of 8 "
                  "moons approximate",
                  request.zoom, toDeg(doc.moons.ringTilt), toDeg(doc.moons.positionAngle),
                  doc.moons.sameSide ? "lit" : "unlit", approximate);
    const std::string summary = text;

    std::snprintf(text, sizeof text,
                  "\"disc\":{\"cx\":%d,\"cy\":%d,\"rx\":%d,\"ry\":%.1f},\"km_per_pixel\":%.3f,"
                  "\"ring_tilt_deg\":%.4f,\"rings_lit\":%s,\"satellites\":[",
                  d.centreX, d.centreY, d.discRadiusX, d.discRadiusY, d.kmPerPixel,
                  toDeg(doc.moons.ringTilt), doc.moons.sameSide ? "true" : "false");
    std::string json = text;
    for (int i = 0; i < kSaturnSatellites; ++i) {
        const SatelliteInfoRecord info = satelliteInfo(SatelliteFamily::Saturn, i);
        std::snprintf(text, sizeof text,
                      "%s{\"index\":%d,\"name\":\"%s\",\"x\":%d,\"y\":%d,\"drawn\":%s,"
                      "\"approximate\":%s}",
                      i ? "," : "", i, info.name, d.moonX[i], d.moonY[i],
                      d.moonDrawn[i] ? "true" : "false",
                      doc.moons.moons[i].approximate ? "true" : "false");
        json += text;
    }
    json += "]";
    return {summary, json};
}

// Zoom levels 0 (Mimas's orbit across half the width) to 7 (Iapetus's); the
// window opens at Titan's.
const RenderWindowRegistrar saturn({"saturn", 0, 7, 5, 440, 300, paintSaturnWindow});

}  // namespace
}  // namespace vantorel::cli
