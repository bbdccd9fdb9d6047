#include "common/ui/PictureSaving.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>

#include "common/paint/PictureFiles.h"
#include "common/settings/SettingsFile.h"
#include "common/text/FileErrorText.h"
#include "common/text/LanguageText.h"
#include "common/ui/DialogHelpers.h"
#include "common/ui/WindowServices.h"

namespace vantorel {

namespace {

constexpr TextTriple kCaption{"Save picture as", "Enregistrer l'image sous", "Guardar la imagen como"};
constexpr TextTriple kPngFilter{"PNG picture (*.png)", "Image PNG (*.png)", "Imagen PNG (*.png)"};
constexpr TextTriple kPdfFilter{"PDF page (*.pdf)", "Page PDF (*.pdf)", "Página PDF (*.pdf)"};
constexpr int kLongerSide = 1200;

SaveFileChooser& chooser() {
    static SaveFileChooser c;
    return c;
}

QString standardDialog(QWidget* parent, const QString& caption, const QString& suggested, const QString& filters) {
    return QFileDialog::getSaveFileName(parent, caption, suggested, filters);
}

QString fileBaseName(const QString& documentName) {
    QString name = documentName.trimmed();
    // Characters a file name cannot hold on some systems.
    for (QChar& c : name)
        if (QStringLiteral("/\\:*?\"<>|").contains(c)) c = QLatin1Char('-');
    return name.isEmpty() ? QStringLiteral("Vantorel") : QStringLiteral("Vantorel - ") + name;
}

bool isPdf(const QString& path) { return path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive); }
bool isPng(const QString& path) { return path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive); }

}  // namespace

void setSaveFileChooser(SaveFileChooser c) { chooser() = std::move(c); }

QString pictureFolder() {
    if (const auto last = SettingsFile::readPictureFolder()) {
        const QString folder = QFile::decodeName(QByteArray::fromStdString(*last));
        if (QFileInfo(folder).isDir()) return folder;
    }
    for (auto location : {QStandardPaths::PicturesLocation, QStandardPaths::DocumentsLocation}) {
        const QString folder = QStandardPaths::writableLocation(location);
        if (!folder.isEmpty() && QFileInfo(folder).isDir()) return folder;
    }
    return QDir::homePath();
}

QString askPictureFile(QWidget* parent, const QString& documentName, int language, bool pdfOnly) {
    const QString png = tr3(kPngFilter, language);
    const QString pdf = tr3(kPdfFilter, language);
    const QString filters = pdfOnly ? pdf : png + QStringLiteral(";;") + pdf;
    const QString suggested =
        QDir(pictureFolder()).filePath(fileBaseName(documentName) + (pdfOnly ? QStringLiteral(".pdf") : QStringLiteral(".png")));
    const SaveFileChooser& ask = chooser() ? chooser() : SaveFileChooser(standardDialog);
    QString path = ask(parent, tr3(kCaption, language), suggested, filters);
    if (path.isEmpty()) return path;
    if (pdfOnly && !isPdf(path)) path += QStringLiteral(".pdf");
    if (!isPdf(path) && !isPng(path)) path += QStringLiteral(".png");
    return path;
}

QImage jobPicture(const PrintJob& job, QSize drawing) {
    drawing = drawing.expandedTo(QSize(1, 1));
    const double scale = std::max(1.0, double(kLongerSide) / std::max(drawing.width(), drawing.height()));
    const int width = static_cast<int>(std::lround(drawing.width() * scale));
    const int height = static_cast<int>(std::lround(drawing.height() * scale));
    // Room for the heading as the printed page sets it: a line's height
    // each, and one between it and the drawing.
    const int lineHeight = std::max(8, std::min(width, height) / 60) * 3 / 2;
    const int heading = job.heading.empty() ? 0 : lineHeight * static_cast<int>(job.heading.size() + 1);
    QImage picture(width, height + heading, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    paintJobPage(painter, picture.rect(), job);
    painter.end();
    return picture;
}

SaveOutcome writeJobFile(QWidget* parent, const QString& path, const PrintJob& job, QSize drawing,
                         const QPageLayout& layout, int language) {
    const std::string bytes = QFile::encodeName(path).toStdString();
    int error = 0;
    if (isPdf(path)) {
        QPageLayout page = layout;
        page.setOrientation(job.orientation);
        error = writePdfFile(bytes, page, job.documentName,
                             [&job](QPainter& painter, const QRect& area) { paintJobPage(painter, area, job); });
    } else {
        error = writePngFile(bytes, jobPicture(job, drawing));
    }
    if (error != 0) {
        playExclamationSound();
        messageBox(parent, QString::fromStdString(cannotWriteFileMessage(
                               QDir::toNativeSeparators(path).toStdString(), error, language)));
        return SaveOutcome::Failed;
    }
    const QString folder = QFileInfo(path).absolutePath();
    (void)SettingsFile::writePictureFolder(QFile::encodeName(folder).toStdString());
    return SaveOutcome::Saved;
}

SaveOutcome savePicture(QWidget* parent, const PrintJob& job, QSize drawing, const QPageLayout& layout,
                        int language) {
    const QString path = askPictureFile(parent, job.documentName, language, false);
    if (path.isEmpty()) return SaveOutcome::Cancelled;
    return writeJobFile(parent, path, job, drawing, layout, language);
}

}  // namespace vantorel
