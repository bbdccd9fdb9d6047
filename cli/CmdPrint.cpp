// vantorel-cli print: what the printer would get from a printable window,
// written to a PDF file.
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QRect>

#include <iostream>
#include <string>

#include "cli/CliCommand.h"
#include "cli/CliOptions.h"
#include "cli/RenderWindow.h"
#include "common/paint/PictureFiles.h"
#include "common/paint/PrintedPage.h"
#include "common/text/FileErrorText.h"
#include "common/text/PageHeading.h"
#include "engine/DateTime.h"

namespace vantorel::cli {
namespace {

std::vector<std::string> printNames() {
    std::vector<std::string> names;
    for (const PrintWindowKind& k : printWindows()) names.push_back(k.name);
    return names;
}

int runPrint(const CliValues& values, std::ostream& out, std::ostream& err) {
    const PrintWindowKind* kind = findPrintWindow(values.text("window"));
    if (!kind) {
        const std::string names = windowNames(printNames());
        err << "vantorel-cli print: argument --window: "
            << (names.empty() ? std::string("no window prints") : "expected one of " + names)
            << ", got " << cli::quoted(values.text("window")) << "\n";
        return kUsageError;
    }
    RenderRequest request;
    if (!requestFromValues("print", values, nullptr, false, request, err)) return kUsageError;

    OffscreenGui gui;
    const std::string& path = values.text("out");
    const QPageLayout layout(QPageSize(QPageSize::A4), pageOrientationFor(QSize(kind->width, kind->height)),
                             QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    RenderResult result;
    const int error = writePdfFile(path, layout, QString(), [&](QPainter& painter, const QRect& page) {
        // The heading the window's own print gives: title, date, time, zone
        // and site.
        DateTime local;
        local.setLocal(request.date.year, request.date.month, request.date.day, request.clock.hour,
                       request.clock.minute, request.zone.hours, request.zone.minutes);
        const QRect below =
            paintPageHeading(painter, page, pageHeadingLines(request.settings, kind->title(request), local));
        result = kind->print(request, painter, below);
    });
    if (error) {
        err << "vantorel-cli print: " << cannotWriteFileMessage(path, error, request.language)
            << "\n";
        return 1;
    }
    if (values.flag("json")) {
        out << "{\"out\":" << jsonString(path) << ",\"window\":" << jsonString(request.window)
            << ",\"summary\":" << jsonString(result.summary) << requestZoneJson(request)
            << (result.jsonMembers.empty() ? "" : ",") << result.jsonMembers << "}\n";
    } else {
        out << "wrote " << path << ": " << result.summary << "\n";
    }
    return 0;
}

std::vector<CliOption> printOptions() {
    std::vector<CliOption> options = renderRequestOptions(false);
    options.push_back(stringOption("out", "the PDF file to write").required().named("FILE.pdf"));
    options.push_back(jsonFlag());
    return options;
}

const CommandSyntax kSyntax{"print", "Writes what the printer would get from a printable window to a PDF file.",
                    {}, printOptions(),
                    "print --window helio --date 2024-01-15 --time 21:00 --zone +1 --out helio.pdf"};
const CliCommandRegistrar registrar(kSyntax, runPrint);

}  // namespace
}  // namespace vantorel::cli
