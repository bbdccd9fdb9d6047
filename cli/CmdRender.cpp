// vantorel-cli render: the picture a window shows, written to a PNG without
// opening a window.
#include <QImage>
#include <QSaveFile>
#include <QString>

#include <iostream>
#include <string>

#include "app/paint/DrawingSurface.h"
#include "cli/CliCommand.h"
#include "cli/RenderWindow.h"

namespace vantorel::cli {
namespace {

std::vector<std::string> renderNames() {
    std::vector<std::string> names;
    for (const RenderWindowKind& k : renderWindows()) names.push_back(k.name);
    return names;
}

int runRender(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err) {
    CliArgs args;
    if (!args.parse(argv, {"json"})) {
        err << "vantorel-cli render: " << args.error() << "\n";
        return kUsageError;
    }
    if (std::string unknown =
            args.firstUnknown({"window", "date", "time", "zone", "lat", "projection", "lang",
                               "width", "height", "zoom", "out", "json"});
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
    const RenderWindowKind* kind = findRenderWindow(*args.get("window"));
    if (!kind) {
        err << "vantorel-cli render: argument --window: one of " << windowNames(renderNames())
            << "\n";
        return kUsageError;
    }
    RenderRequest request;
    if (!parseRenderRequest("render", args, kind, true, request, err)) return kUsageError;

    OffscreenGui gui;
    DrawingSurface surface(request.width, request.height);
    const RenderResult result = kind->paint(request, surface);

    // Through a temporary file renamed into place: a killed run never leaves
    // a truncated picture where an older one stood.
    const std::string path = *args.get("out");
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly) || !surface.image().save(&file, "PNG") ||
        !file.commit()) {
        err << "vantorel-cli render: cannot write " << path << "\n";
        return 1;
    }
    if (args.has("json")) {
        out << "{\"out\":" << jsonString(path) << ",\"window\":" << jsonString(request.window)
            << ",\"width\":" << request.width << ",\"height\":" << request.height
            << ",\"summary\":" << jsonString(result.summary)
            << (result.jsonMembers.empty() ? "" : ",") << result.jsonMembers << "}\n";
    } else {
        out << "wrote " << path << " (" << request.width << " x " << request.height
            << "): " << result.summary << "\n";
    }
    return 0;
}

const CliCommandRegistrar registrar(
    "render",
    "render --window WINDOW --date YYYY-MM-DD --time HH:MM [--zone +H[:MM]|-H[:MM]] [--lat DEG] "
    "[--projection 0..3] [--lang en|fr|es] [--width W --height H] [--zoom Z] --out FILE.png "
    "[--json]",
    runRender);

}  // namespace
}  // namespace vantorel::cli
