// vantorel-cli render: the picture a body window shows, written to a PNG
// without opening a window.
#include <QGuiApplication>
#include <QImage>
#include <QString>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>

#include "app/Settings.h"
#include "app/paint/DrawingSurface.h"
#include "cli/CliCommand.h"
#include "engine/Angles.h"
#include "moon/CLuneDoc.h"
#include "moon/paint/MoonPicture.h"
#include "planets/CMarsDoc.h"
#include "planets/CMercureDoc.h"
#include "planets/CUranusDoc.h"
#include "planets/CVenusDoc.h"
#include "planets/paint/PlanetPicture.h"

namespace vantorel::cli {
namespace {

constexpr int kMinSide = 32;
constexpr int kMaxSide = 4000;

// Each window's disc radius: the fixed 100 pixels, or the zoom's range and
// default for Mars and Uranus.
struct WindowKind {
    const char* name;
    int minZoom;
    int maxZoom;
    int defaultZoom;
};
constexpr WindowKind kWindows[] = {
    {"mercury", 100, 100, 100}, {"venus", 100, 100, 100}, {"mars", 20, 80, 80},
    {"uranus", 10, 80, 10},     {"moon", 100, 100, 100},
};

std::unique_ptr<CPlanetDoc> planetDoc(const std::string& window, Settings& settings) {
    const DATE_TIME blank;
    if (window == "mercury") return std::make_unique<CMercureDoc>(blank, settings);
    if (window == "venus") return std::make_unique<CVenusDoc>(blank, settings);
    if (window == "mars") return std::make_unique<CMarsDoc>(blank, settings);
    return std::make_unique<CUranusDoc>(blank, settings);
}

std::optional<int> parseInt(const CliArgs& args, const char* name, int fallback, int lo, int hi,
                            std::string& message) {
    if (!args.has(name)) return fallback;
    const auto v = parseNumber(name, *args.get(name), message);
    if (!v) return std::nullopt;
    if (*v != std::floor(*v) || *v < lo || *v > hi) {
        message = std::string("argument --") + name + ": must be a whole number from " +
                  std::to_string(lo) + " to " + std::to_string(hi);
        return std::nullopt;
    }
    return static_cast<int>(*v);
}

void quietHandler(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtDebugMsg || text.startsWith(QStringLiteral("QStandardPaths:"))) return;
    std::cerr << text.toStdString() << "\n";
}

int runRender(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err) {
    CliArgs args;
    if (!args.parse(argv, {"json"})) {
        err << "vantorel-cli render: " << args.error() << "\n";
        return kUsageError;
    }
    if (std::string unknown = args.firstUnknown({"window", "date", "time", "zone", "lat",
                                                 "projection", "width", "height", "zoom", "out",
                                                 "json"});
        !unknown.empty()) {
        err << "vantorel-cli render: unknown argument --" << unknown << "\n";
        return kUsageError;
    }
    for (const char* required : {"window", "date", "time", "out"}) {
        if (!args.has(required)) {
            err << "vantorel-cli render: argument --" << required << " is required\n";
            return kUsageError;
        }
    }
    const std::string window = *args.get("window");
    const WindowKind* kind = nullptr;
    for (const WindowKind& k : kWindows)
        if (window == k.name) kind = &k;
    if (!kind) {
        err << "vantorel-cli render: argument --window: one of mercury, venus, mars, uranus, "
               "moon\n";
        return kUsageError;
    }

    std::string message;
    const auto date = parseDate(*args.get("date"), message);
    const auto clock = date ? parseTime(*args.get("time"), message) : std::nullopt;
    const auto zone = clock ? parseZone(args.get("zone").value_or("0"), message) : std::nullopt;
    std::optional<double> latitude =
        zone ? parseNumber("lat", args.get("lat").value_or("0"), message) : std::nullopt;
    if (latitude && std::fabs(*latitude) > 90) {
        message = "argument --lat: must lie within -90 and 90";
        latitude.reset();
    }
    std::optional<int> projection, width, height, zoom;
    if (latitude) projection = parseInt(args, "projection", 0, 0, 3, message);
    if (projection) width = parseInt(args, "width", 260, kMinSide, kMaxSide, message);
    if (width) height = parseInt(args, "height", 260, kMinSide, kMaxSide, message);
    if (height) zoom = parseInt(args, "zoom", kind->defaultZoom, kind->minZoom, kind->maxZoom, message);
    if (!zoom) {
        err << "vantorel-cli render: " << message << "\n";
        return kUsageError;
    }
    if (date->year < kFirstYear || date->year > kLastYear) {
        err << "vantorel-cli render: argument --date: the year must lie within " << kFirstYear
            << " and " << kLastYear << "\n";
        return kUsageError;
    }

    // Text and fonts need a GUI application; no screen is needed, and the
    // offscreen platform's note about a missing runtime directory is noise.
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(quietHandler);
    int qtArgc = 1;
    char qtName[] = "vantorel-cli";
    char* qtArgv[] = {qtName, nullptr};
    QGuiApplication app(qtArgc, qtArgv);

    Settings settings;
    settings.language = 0;
    settings.dateFormat = 0;
    settings.latitude = static_cast<float>(*latitude);
    settings.zoneHours = zone->hours;
    settings.zoneMinutes = zone->minutes;
    settings.projection = *projection;

    DrawingSurface surface(*width, *height);
    char summary[256];
    if (window == "moon") {
        CLuneDoc doc(settings);
        doc.projection = *projection;
        doc.setDate(date->year, date->month, date->day, clock->hour, clock->minute);
        DiscRenderer renderer(DiscRenderer::kMoon);
        paintMoonPicture(surface, doc, renderer);
        std::snprintf(summary, sizeof summary,
                      "colongitude %.2f deg, libration %.2f / %.2f deg, illuminated %.3f",
                      doc.moon.colongitude, doc.moon.librationLongitude,
                      toDeg(doc.moon.librationLatitude), doc.moon.illuminatedFraction);
    } else {
        std::unique_ptr<CPlanetDoc> doc = planetDoc(window, settings);
        doc->dt.setLocal(date->year, date->month, date->day, clock->hour, clock->minute,
                         zone->hours, zone->minutes);
        doc->computeBody();
        doc->projection = *projection;
        DiscRenderer renderer(planetStyle(*doc).rendererKind);
        paintPlanetPicture(surface, *doc, renderer, static_cast<float>(*zoom));
        const PLANETE& b = doc->body();
        std::snprintf(summary, sizeof summary,
                      "central longitude %.2f deg, tilt %.2f deg, pole angle %.2f deg, "
                      "illuminated %.3f",
                      b.centralLongitudeDeg, toDeg(b.poleInclination), toDeg(b.positionAngle),
                      b.illumination);
    }
    const std::string path = *args.get("out");
    if (!surface.image().save(QString::fromStdString(path), "PNG")) {
        err << "vantorel-cli render: cannot write " << path << "\n";
        return 1;
    }
    if (args.has("json")) {
        out << "{\"out\":" << jsonString(path) << ",\"width\":" << *width
            << ",\"height\":" << *height << ",\"summary\":" << jsonString(summary) << "}\n";
    } else {
        out << "wrote " << path << " (" << *width << " x " << *height << "): " << summary << "\n";
    }
    return 0;
}

const CliCommandRegistrar registrar(
    "render",
    "render --window mercury|venus|mars|uranus|moon --date YYYY-MM-DD --time HH:MM "
    "[--zone +H[:MM]|-H[:MM]] [--lat DEG] [--projection 0..3] [--width W --height H] "
    "[--zoom Z] --out FILE.png [--json]",
    runRender);

}  // namespace
}  // namespace vantorel::cli
