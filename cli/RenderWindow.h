#pragma once

#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "cli/CliOptions.h"
#include "common/settings/Settings.h"

class QPainter;
class QRect;

// The windows `vantorel-cli render` and `vantorel-cli print` can draw. Each
// window kind lives in its own Render*.cpp and registers itself, so a new
// window adds a file and touches neither command.

namespace vantorel {
class DrawingSurface;
}

namespace vantorel::cli {

// What the user asked for, already checked: the instant, the site, the
// projection, the language and the picture's size.
struct RenderRequest {
    std::string window;
    CivilDate date;
    ClockTime clock;
    ZoneArg zone;
    double latitudeDeg = 0;
    int projection = 0;
    int language = 0;  // 0 English, 1 French, 2 Spanish
    int width = 0;
    int height = 0;
    int zoom = 0;
    // The body a window about one body shows (the data window); empty for
    // the others.
    std::string body;
    // The application settings these stand for (zone, latitude, projection,
    // language, date format 0).
    Settings settings;
};

// The JSON members of the request's zone, each after a comma (zoneJson of
// CliListOptions.h at the request's date and time).
std::string requestZoneJson(const RenderRequest& request);

// What a window drew: a one-line summary for people, and the members of a
// JSON object (without the braces, possibly empty) describing the geometry,
// so tests can check pictures by where things landed.
struct RenderResult {
    std::string summary;
    std::string jsonMembers;
};

struct RenderWindowKind {
    const char* name;
    // Zoom range and default (the disc radius, or a zoom level); a window
    // without zoom gives the same value three times.
    int minZoom;
    int maxZoom;
    int defaultZoom;
    int defaultWidth;
    int defaultHeight;
    RenderResult (*paint)(const RenderRequest& request, DrawingSurface& surface);
    // Whether the window shows one body of --body (and refuses to go without).
    bool needsBody = false;
};

const std::vector<RenderWindowKind>& renderWindows();
const RenderWindowKind* findRenderWindow(const std::string& name);

struct RenderWindowRegistrar {
    explicit RenderWindowRegistrar(const RenderWindowKind& kind);
};

// The windows that print, and how each lays itself out on a page: `page` is
// the area below the page's heading, in device pixels of the painter.
struct PrintWindowKind {
    const char* name;
    RenderResult (*print)(const RenderRequest& request, QPainter& painter, const QRect& page);
    // The window's title, the first line of the heading.
    std::string (*title)(const RenderRequest& request);
    // The shape of the printed drawing: the page is turned sideways for a
    // drawing wider than high.
    int width;
    int height;
};

const std::vector<PrintWindowKind>& printWindows();
const PrintWindowKind* findPrintWindow(const std::string& name);

struct PrintWindowRegistrar {
    explicit PrintWindowRegistrar(const PrintWindowKind& kind);
};

// The names of `kinds`, "a|b|c", for messages and usage lines.
std::string windowNames(const std::vector<std::string>& names);

// The options render and print share: --window, --date, --time, --zone,
// --lat, --projection, --lang, and --width/--height/--zoom when `withPicture`.
// The window's names and the zoom's range belong to the window kinds, which
// register themselves, so they are checked in requestFromValues.
std::vector<CliOption> renderRequestOptions(bool withPicture);

// The bodies --body names: moon, mercury, venus, mars, jupiter, saturn,
// uranus.
const std::vector<std::string>& renderBodies();

// Fills the request from a checked line for `kind` (may be null for print).
// On a value outside the window's own range writes one message naming the
// argument and returns false.
bool requestFromValues(const char* command, const CliValues& values, const RenderWindowKind* kind,
                       bool withPicture, RenderRequest& request, std::ostream& err);

// Starts the offscreen GUI application text and fonts need (no screen).
class OffscreenGui {
public:
    OffscreenGui();
    ~OffscreenGui();
    OffscreenGui(const OffscreenGui&) = delete;
    OffscreenGui& operator=(const OffscreenGui&) = delete;

private:
    struct Impl;
    Impl* impl_;
};

}  // namespace vantorel::cli
