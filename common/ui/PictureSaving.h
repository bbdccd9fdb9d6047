#pragma once

#include <QPageLayout>
#include <QSize>
#include <QString>

#include <functional>

#include "common/ui/PrintServices.h"

class QImage;
class QWidget;

// The Save picture as command of every window: the standard file dialog
// (replaceable in tests), opened in the folder a picture was last saved in,
// else the user's Pictures or Documents folder; the page written as a PNG
// picture or a PDF page, heading and all, through the safe-file code.

namespace vantorel {

// Asks where to save: the chosen path, or empty for Cancel. `filters` is
// the dialog's list of file kinds; `suggested` the folder and name it opens on.
using SaveFileChooser =
    std::function<QString(QWidget* parent, const QString& caption, const QString& suggested, const QString& filters)>;
// Tests put their own chooser; an empty one brings back the dialog.
void setSaveFileChooser(SaveFileChooser chooser);

// The folder the dialog opens in: the last one a file went to when it still
// exists, else Pictures, else Documents, else home.
QString pictureFolder();

// The file for the page of `documentName`: a PNG picture or a PDF page, or
// a PDF page only (printing without a printer). A name given without its
// ending gets the ending of the kind asked for. Empty for Cancel.
QString askPictureFile(QWidget* parent, const QString& documentName, int language, bool pdfOnly);

// The page of `job` as a picture for a drawing of `drawing` pixels: white,
// the heading across the top, the drawing below at least 1200 pixels on
// its longer side.
QImage jobPicture(const PrintJob& job, QSize drawing);

enum class SaveOutcome { Saved, Cancelled, Failed };

// Writes `path` (".pdf": one page of `layout`; else a PNG picture) and
// remembers its folder; a failure is told in `language`, naming the file
// and the cause.
SaveOutcome writeJobFile(QWidget* parent, const QString& path, const PrintJob& job, QSize drawing,
                         const QPageLayout& layout, int language);

// Save picture as: asks, then writes.
SaveOutcome savePicture(QWidget* parent, const PrintJob& job, QSize drawing, const QPageLayout& layout,
                        int language);

}  // namespace vantorel
