#include "cli/RenderWindow.h"

#include <QGuiApplication>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <ostream>

#include "engine/DATE_TIME.h"

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

bool wholeNumber(const CliArgs& args, const char* name, int fallback, int lo, int hi, int& value,
                 std::string& message) {
    if (!args.has(name)) {
        value = fallback;
        return true;
    }
    const auto v = parseNumber(name, *args.get(name), message);
    if (!v) return false;
    if (*v != std::floor(*v) || *v < lo || *v > hi) {
        message = std::string("argument --") + name + ": must be a whole number from " +
                  std::to_string(lo) + " to " + std::to_string(hi);
        return false;
    }
    value = static_cast<int>(*v);
    return true;
}

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

bool parseRenderRequest(const char* command, const CliArgs& args, const RenderWindowKind* kind,
                        bool withPicture, RenderRequest& request, std::ostream& err) {
    std::string message;
    const auto date = parseDate(*args.get("date"), message);
    const auto clock = date ? parseTime(*args.get("time"), message) : std::nullopt;
    const auto zone = clock ? parseZone(args.get("zone").value_or("0"), message) : std::nullopt;
    std::optional<double> latitude =
        zone ? parseNumber("lat", args.get("lat").value_or("0"), message) : std::nullopt;
    if (latitude && !(std::fabs(*latitude) <= 90)) {
        message = "argument --lat: must lie within -90 and 90";
        latitude.reset();
    }
    bool ok = latitude.has_value() &&
              wholeNumber(args, "projection", 0, 0, 3, request.projection, message);
    if (ok && args.has("lang")) {
        const std::string lang = *args.get("lang");
        if (lang == "en") request.language = 0;
        else if (lang == "fr") request.language = 1;
        else if (lang == "es") request.language = 2;
        else {
            message = "argument --lang: one of en, fr, es";
            ok = false;
        }
    }
    if (ok && withPicture && kind) {
        ok = wholeNumber(args, "width", kind->defaultWidth, kMinSide, kMaxSide, request.width,
                         message) &&
             wholeNumber(args, "height", kind->defaultHeight, kMinSide, kMaxSide, request.height,
                         message) &&
             wholeNumber(args, "zoom", kind->defaultZoom, kind->minZoom, kind->maxZoom,
                         request.zoom, message);
    }
    if (!ok) {
        err << "vantorel-cli " << command << ": " << message << "\n";
        return false;
    }
    request.window = *args.get("window");
    request.date = *date;
    request.clock = *clock;
    request.zone = *zone;
    request.latitudeDeg = *latitude;
    Settings& s = request.settings;
    s.language = request.language;
    s.dateFormat = 0;
    s.latitude = static_cast<float>(*latitude);
    s.zoneHours = zone->hours;
    s.zoneMinutes = zone->minutes;
    s.projection = request.projection;
    return true;
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
