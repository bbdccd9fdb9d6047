#include "common/paint/PictureFiles.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>

#include <cerrno>
#include <string_view>

#include "common/files/SafeFile.h"

namespace vantorel {

namespace {

// Whether the PDF writer finished its document: the header at the start and
// the end-of-file mark in the last bytes.
bool wholePdf(const QByteArray& bytes) {
    const std::string_view text(bytes.constData(), static_cast<size_t>(bytes.size()));
    return text.substr(0, 5) == "%PDF-" &&
           text.substr(text.size() > 32 ? text.size() - 32 : 0).find("%%EOF") !=
               std::string_view::npos;
}

// The target is checked (and a killed run's temporary removed) before the
// picture is made: a refused file costs no work.
int writeMade(AtomicFile& out, const QByteArray& bytes, bool made) {
    if (!made || bytes.isEmpty()) return EIO;
    if (!out.write(bytes.constData(), static_cast<size_t>(bytes.size())) || !out.commit())
        return out.error();
    return 0;
}

}  // namespace

int writePngFile(const std::string& path, const QImage& picture) {
    AtomicFile out;
    if (!out.open(path)) return out.error();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    const bool made = buffer.open(QIODevice::WriteOnly) && picture.save(&buffer, "PNG");
    return writeMade(out, bytes, made);
}

int writePdfFile(const std::string& path, const QPageLayout& layout, const QString& title,
                 const std::function<void(QPainter& painter, const QRect& page)>& paint) {
    AtomicFile out;
    if (!out.open(path)) return out.error();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) return EIO;
    bool made = false;
    {
        QPdfWriter pdf(&buffer);
        if (!title.isEmpty()) pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("Vantorel"));
        pdf.setResolution(300);
        pdf.setPageLayout(layout);
        QPainter painter;
        if (painter.begin(&pdf)) {
            const QRect page = pdf.pageLayout().paintRectPixels(pdf.resolution());
            paint(painter, QRect(QPoint(0, 0), page.size()));
            made = painter.end();
        }
    }
    buffer.close();
    return writeMade(out, bytes, made && wholePdf(bytes));
}

}  // namespace vantorel
