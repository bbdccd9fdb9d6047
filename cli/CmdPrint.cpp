// vantorel-cli print: what the printer would get from a printable window,
// written to a PDF file.
#include <QPainter>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QString>

#include <iostream>
#include <string>

#include "cli/CliCommand.h"
#include "cli/RenderWindow.h"

namespace vantorel::cli {
namespace {

std::vector<std::string> printNames() {
    std::vector<std::string> names;
    for (const PrintWindowKind& k : printWindows()) names.push_back(k.name);
    return names;
}

int runPrint(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err) {
    CliArgs args;
    if (!args.parse(argv, {"json"})) {
        err << "vantorel-cli print: " << args.error() << "\n";
        return kUsageError;
    }
    if (std::string unknown = args.firstUnknown(
            {"window", "date", "time", "zone", "lat", "projection", "lang", "out", "json"});
        !unknown.empty()) {
        err << "vantorel-cli print: unknown argument --" << unknown << "\n";
        return kUsageError;
    }
    for (const char* required : {"window", "date", "time", "out"}) {
        if (!args.has(required)) {
            err << "vantorel-cli print: argument --" << required << " is required\n";
            return kUsageError;
        }
    }
    const PrintWindowKind* kind = findPrintWindow(*args.get("window"));
    if (!kind) {
        const std::string names = windowNames(printNames());
        err << "vantorel-cli print: argument --window: "
            << (names.empty() ? std::string("no window prints") : "one of " + names) << "\n";
        return kUsageError;
    }
    RenderRequest request;
    if (!parseRenderRequest("print", args, nullptr, false, request, err)) return kUsageError;

    OffscreenGui gui;
    const std::string path = *args.get("out");
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) {
        err << "vantorel-cli print: cannot write " << path << "\n";
        return 1;
    }
    RenderResult result;
    {
        QPdfWriter pdf(&file);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        pdf.setResolution(300);
        QPainter painter(&pdf);
        const QRect page = pdf.pageLayout().paintRectPixels(pdf.resolution());
        result = kind->print(request, painter, page.width(), page.height());
    }
    if (!file.commit()) {
        err << "vantorel-cli print: cannot write " << path << "\n";
        return 1;
    }
    if (args.has("json")) {
        out << "{\"out\":" << jsonString(path) << ",\"window\":" << jsonString(request.window)
            << ",\"summary\":" << jsonString(result.summary)
            << (result.jsonMembers.empty() ? "" : ",") << result.jsonMembers << "}\n";
    } else {
        out << "wrote " << path << ": " << result.summary << "\n";
    }
    return 0;
}

const CliCommandRegistrar registrar(
    "print",
    "print --window WINDOW --date YYYY-MM-DD --time HH:MM [--zone +H[:MM]|-H[:MM]] [--lat DEG] "
    "[--projection 0..3] [--lang en|fr|es] --out FILE.pdf [--json]",
    runPrint);

}  // namespace
}  // namespace vantorel::cli
