#include "common/ui/ToolWindowPages.h"

#include <QAction>
#include <QImage>
#include <QPointer>
#include <QPrinter>
#include <QWidget>

#include "common/commands/CommandIds.h"
#include "common/commands/MenuTable.h"
#include "common/paint/PrintedPage.h"
#include "common/ui/ChildView.h"
#include "common/ui/PictureSaving.h"
#include "common/ui/PrintServices.h"
#include "common/ui/WindowHost.h"

namespace vantorel {

namespace {

constexpr const char* kHasPageCommands = "vantorelPageCommands";

PrintJob windowJob(QWidget* window, ChildView* opener) {
    PrintJob job;
    QPointer<QWidget> shown(window);
    job.paint = picturePage([shown] { return shown ? shown->grab().toImage() : QImage(); });
    job.orientation = pageOrientationFor(window->size());
    job.documentName = window->windowTitle().trimmed();
    job.heading = opener->pageHeading();
    // The opener's date and site under the list's own title.
    if (!job.heading.empty()) job.heading.front() = job.documentName.toStdString();
    return job;
}

}  // namespace

void addPageCommands(QWidget* window, ChildView* opener) {
    if (!window || !opener || window->property(kHasPageCommands).toBool()) return;
    window->setProperty(kHasPageCommands, true);
    window->setContextMenuPolicy(Qt::ActionsContextMenu);
    const int language = opener->language();
    QPointer<ChildView> from(opener);
    for (int id : {ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, ID_FILE_SAVE_PICTURE}) {
        // The menus' texts, without the key the main window answers.
        const QString text = QString::fromUtf8(commandText(id)(language)).section(QLatin1Char('\t'), 0, 0);
        auto* action = new QAction(text, window);
        action->setData(id);
        QObject::connect(action, &QAction::triggered, window, [window, from, id, language] {
            if (!from) return;
            const PrintJob job = windowJob(window, from);
            QPrinter& printer = from->host().printer();
            if (id == ID_FILE_PRINT)
                printWithDialog(window, printer, job, language);
            else if (id == ID_FILE_PRINT_PREVIEW)
                printPreview(window, printer, job, language);
            else
                savePicture(window, job, window->size(), printer.pageLayout(), language);
        });
        window->addAction(action);
    }
}

}  // namespace vantorel
