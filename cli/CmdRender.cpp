// vantorel-cli render: the picture a window shows, written to a PNG without
// opening a window.
#include <QImage>

#include <iostream>
#include <string>

#include "cli/CliCommand.h"
#include "cli/CliOptions.h"
#include "cli/RenderWindow.h"
#include "common/paint/DrawingSurface.h"
#include "common/paint/PictureFiles.h"
#include "common/text/FileErrorText.h"

namespace vantorel::cli {
namespace {

std::vector<std::string> renderNames() {
    std::vector<std::string> names;
    for (const RenderWindowKind& k : renderWindows()) names.push_back(k.name);
    return names;
}

int runRender(const CliValues& values, std::ostream& out, std::ostream& err) {
    const RenderWindowKind* kind = findRenderWindow(values.text("window"));
    if (!kind) {
        err << "vantorel-cli render: argument --window: expected one of "
            << windowNames(renderNames()) << ", got " << cli::quoted(values.text("window")) << "\n";
        return kUsageError;
    }
    RenderRequest request;
    if (!requestFromValues("render", values, kind, true, request, err)) return kUsageError;

    OffscreenGui gui;
    DrawingSurface surface(request.width, request.height);
    const RenderResult result = kind->paint(request, surface);

    // Through a temporary file renamed into place: a killed run or a full
    // disk never leaves a truncated picture where an older one stood. The
    // name is written with exactly the bytes given.
    const std::string& path = values.text("out");
    if (const int error = writePngFile(path, surface.image())) {
        err << "vantorel-cli render: " << cannotWriteFileMessage(path, error, request.language)
            << "\n";
        return 1;
    }
    if (values.flag("json")) {
        out << "{\"out\":" << jsonString(path) << ",\"window\":" << jsonString(request.window)
            << ",\"width\":" << surface.width() << ",\"height\":" << surface.height()
            << ",\"summary\":" << jsonString(result.summary) << ",\"longitude_from\":"
            << jsonString(request.settings.longitude ? "site" : "zone") << requestZoneJson(request)
            << (result.jsonMembers.empty() ? "" : ",") << result.jsonMembers << "}\n";
    } else {
        out << "wrote " << path << " (" << surface.width() << " x " << surface.height()
            << "): " << result.summary << "\n";
    }
    return 0;
}

std::vector<CliOption> renderOptions() {
    std::vector<CliOption> options = renderRequestOptions(true);
    options.push_back(enumOption("body", renderBodies(), "the body the data window shows"));
    options.push_back(stringOption("out", "the PNG file to write").required().named("FILE.png"));
    options.push_back(jsonFlag());
    return options;
}

const CommandSyntax kSyntax{"render",
                    "Writes the picture a window shows for a date, time, zone and latitude to a "
                    "PNG file.",
                    {},
                    renderOptions(),
                    "render --window mars --date 2005-10-30 --time 03:00 --out mars.png"};
const CliCommandRegistrar registrar(kSyntax, runRender);

}  // namespace
}  // namespace vantorel::cli
