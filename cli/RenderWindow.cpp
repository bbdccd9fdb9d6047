#include "cli/RenderWindow.h"

#include <QGuiApplication>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <ostream>

#include "cli/CliListOptions.h"
#include "engine/DateTime.h"

namespace vantorel::cli {

namespace {

std::vector<RenderWindowKind>& renderRegistry() {
    static std::vector<RenderWindowKind> kinds;
    return kinds;
}

std::vector<PrintWindowKind>& printRegistry() {
    static std::vector<PrintWindowKind> kinds;
    return kinds;
}

constexpr int kMinSide = 32;
constexpr int kMaxSide = 4000;

void quietHandler(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtDebugMsg || text.startsWith(QStringLiteral("QStandardPaths:"))) return;
    std::cerr << text.toStdString() << "\n";
}

}  // namespace

RenderWindowRegistrar::RenderWindowRegistrar(const RenderWindowKind& kind) {
    renderRegistry().push_back(kind);
}

const std::vector<RenderWindowKind>& renderWindows() { return renderRegistry(); }

const RenderWindowKind* findRenderWindow(const std::string& name) {
    for (const RenderWindowKind& k : renderRegistry())
        if (name == k.name) return &k;
    return nullptr;
}

PrintWindowRegistrar::PrintWindowRegistrar(const PrintWindowKind& kind) {
    printRegistry().push_back(kind);
}

const std::vector<PrintWindowKind>& printWindows() { return printRegistry(); }

const PrintWindowKind* findPrintWindow(const std::string& name) {
    for (const PrintWindowKind& k : printRegistry())
        if (name == k.name) return &k;
    return nullptr;
}

std::string windowNames(const std::vector<std::string>& names) {
    std::vector<std::string> sorted = names;
    std::sort(sorted.begin(), sorted.end());
    std::string joined;
    for (const std::string& n : sorted) joined += (joined.empty() ? "" : "|") + n;
    return joined;
}

std::vector<CliOption> renderRequestOptions(bool withPicture) {
    std::vector<CliOption> options = {
        stringOption("window", "the window to draw").required().named("WINDOW"),
        dateOption("date", "local date").required(),
        timeOption("time", "local clock time").required(),
        zoneArgument(),
        tzArgument(),
        doubleOption("lat", -90, 90, "site latitude, degrees, north positive")
            .byDefault("0")
            .named("DEG"),
        doubleOption("lon", -180, 180,
                     "site longitude, degrees, east positive; without it the centre of the zone")
            .named("DEG"),
        cityArgument(),
        intOption("projection", 0, 3, "telescope projection code").byDefault("0"),
        langArgument(),
    };
    if (withPicture) {
        options.push_back(intOption("width", kMinSide, kMaxSide, "picture width, pixels"));
        options.push_back(intOption("height", kMinSide, kMaxSide, "picture height, pixels"));
        options.push_back(intOption("zoom", 0, 1000, "the window's zoom, within its own range"));
    }
    return options;
}

const std::vector<std::string>& renderBodies() {
    static const std::vector<std::string> kBodies = {"moon",    "mercury", "venus", "mars",
                                                     "jupiter", "saturn",  "uranus"};
    return kBodies;
}

bool requestFromValues(const char* command, const CliValues& values, const RenderWindowKind* kind,
                       bool withPicture, RenderRequest& request, std::ostream& err) {
    if (kind && kind->needsBody != values.has("body")) {
        err << "vantorel-cli " << command << ": argument --body: "
            << (kind->needsBody ? "the " + std::string(kind->name) + " window needs one of " +
                                      windowNames(renderBodies())
                                : "only the data window takes a body")
            << "\n";
        return false;
    }
    if (values.has("body")) request.body = values.text("body");
    if (withPicture && kind) {
        request.width = values.has("width") ? values.toInt("width") : kind->defaultWidth;
        request.height = values.has("height") ? values.toInt("height") : kind->defaultHeight;
        request.zoom = values.has("zoom") ? values.toInt("zoom") : kind->defaultZoom;
        if (request.zoom < kind->minZoom || request.zoom > kind->maxZoom) {
            err << "vantorel-cli " << command << ": argument --zoom: must be a whole number from "
                << kind->minZoom << " to " << kind->maxZoom << " for the " << kind->name
                << " window, got " << cli::quoted(values.text("zoom")) << "\n";
            return false;
        }
    }
    request.window = values.text("window");
    request.date = values.date("date");
    request.clock = values.time("time");
    request.zone = values.zone("zone");
    const std::optional<City> city = values.city("city");
    request.latitudeDeg = city ? city->latitudeDeg : values.number("lat");
    request.projection = values.toInt("projection");
    request.language = values.choice("lang") < 0 ? 0 : values.choice("lang");
    Settings& s = request.settings;
    s.language = request.language;
    s.dateFormat = 0;
    s.latitude = static_cast<float>(request.latitudeDeg);
    s.zoneHours = request.zone.hours;
    s.zoneMinutes = request.zone.minutes;
    s.projection = request.projection;
    s.namedZone = namedZoneOf(values);
    if (s.namedZone) s.zoneName = s.namedZone->name();
    if (city) s.longitude = city->longitudeDeg;
    if (values.has("lon")) s.longitude = values.number("lon");
    return true;
}

std::string requestZoneJson(const RenderRequest& request) {
    DateTime at;
    at.setLocal(request.date.year, request.date.month, request.date.day, request.clock.hour,
                request.clock.minute, request.zone.hours, request.zone.minutes);
    at.namedZone = request.settings.namedZone;
    return zoneJson(at);
}

struct OffscreenGui::Impl {
    int argc = 1;
    char name[16] = "vantorel-cli";
    char* argv[2] = {name, nullptr};
    QGuiApplication* app = nullptr;
};

OffscreenGui::OffscreenGui() : impl_(new Impl) {
    // Text and fonts need a GUI application; no screen is needed, and the
    // offscreen platform's note about a missing runtime directory is noise.
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(quietHandler);
    impl_->app = new QGuiApplication(impl_->argc, impl_->argv);
}

OffscreenGui::~OffscreenGui() {
    delete impl_->app;
    delete impl_;
}

}  // namespace vantorel::cli
