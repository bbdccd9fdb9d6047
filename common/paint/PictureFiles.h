#pragma once

#include <QPageLayout>
#include <QString>

#include <functional>
#include <string>

class QImage;
class QPainter;
class QRect;

// Pictures and pages written to files. Each is made whole in memory first,
// then written through the safe-file code (a temporary file beside the
// target, every write, the flush and the rename checked), so a full disk is
// reported and never leaves a cut file in place of the old one. `path` is
// the file name's bytes as given (QFile::encodeName of a QString).

namespace vantorel {

// Each returns 0 when written, else the cause: an errno value,
// kNotRegularFile or kReadOnlyFile (app/SafeFile.h).
int writePngFile(const std::string& path, const QImage& picture);

// One PDF page of `layout` at 300 dots per inch; `paint` draws it, `page`
// being the printable area with its top-left corner at 0,0.
int writePdfFile(const std::string& path, const QPageLayout& layout, const QString& title,
                 const std::function<void(QPainter& painter, const QRect& page)>& paint);

}  // namespace vantorel
