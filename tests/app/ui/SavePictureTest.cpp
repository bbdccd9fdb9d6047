#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>

#include <fstream>

#include "common/commands/CommandIds.h"
#include "common/settings/SettingsFile.h"
#include "common/ui/ChildView.h"
#include "common/ui/PictureSaving.h"
#include "tests/app/ui/AppFixture.h"
#include "tests/support/ModalDriver.h"

using namespace vantorel;

namespace {

// Answers the save dialog with the next name of a list, in `folder`, and
// keeps what it was offered.
struct ScriptedChooser {
    QString folder;
    QStringList names;
    QStringList suggested;
    QStringList filters;
    ScriptedChooser() {
        setSaveFileChooser([this](QWidget*, const QString&, const QString& s, const QString& f) {
            suggested << s;
            filters << f;
            return names.isEmpty() ? QString() : QDir(folder).filePath(names.takeFirst());
        });
    }
    ~ScriptedChooser() { setSaveFileChooser({}); }
};

// The text poppler reads from a PDF page; empty when it is not installed.
QString pdfText(const QString& path) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!p.waitForStarted(5000) || !p.waitForFinished(20000)) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Dark pixels along the top band of a page: the heading is there.
int darkPixelsInTopBand(const QImage& image) {
    int dark = 0;
    for (int y = 0; y < std::min(image.height(), 60); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 100) ++dark;
    return dark;
}

}  // namespace

// Every kind of window saves its page, as a PNG picture or a PDF page by the
// name's ending, with the title, the date and the site at the top.
TEST(SavePicture, EveryWindowKindSavesAPngAndAPdfPageWithItsHeading) {
    StartedApp s(0);
    ASSERT_TRUE(s.start());
    s.frame().resize(1400, 950);
    s.frame().show();
    const QString folder = QString::fromStdString(s.wd.path().string());
    ScriptedChooser chooser;
    chooser.folder = folder;
    struct Kind {
        int open;
        const char* file;
    };
    const Kind kinds[] = {
        {ID_OPEN_MOON, "moon.png"},       {ID_OPEN_MARS, "mars.pdf"},
        {ID_OPEN_MERCURY, "mercury"},     {ID_OPEN_JUPITER, "jupiter.pdf"},
        {ID_OPEN_JUPITER_SATELLITES, "strip.png"}, {ID_OPEN_SATURN, "saturn.PNG"},
        {ID_OPEN_SKY, "sky.pdf"},         {ID_OPEN_HELIOCENTRIC, "helio.png"},
        {ID_OPEN_DATA_TABLE, "table.pdf"},
    };
    for (const Kind& k : kinds) {
        s.command(k.open);
        ChildView* view = s.frame().activeView();
        ASSERT_NE(view, nullptr) << k.file;
        s.frame().updateCommandStates();
        ASSERT_TRUE(s.frame().currentAction(ID_FILE_SAVE_PICTURE)->isEnabled()) << k.file;
        chooser.names << QString::fromLatin1(k.file);
        s.command(ID_FILE_SAVE_PICTURE);
        QString path = QDir(folder).filePath(QString::fromLatin1(k.file));
        if (!path.contains(QLatin1Char('.'))) path += QStringLiteral(".png");  // the ending added
        ASSERT_TRUE(QFileInfo::exists(path)) << path.toStdString();
        // The body's name heads the page; the caption adds the date after it.
        const QString title = view->documentTitle().section(QStringLiteral(" -- "), 0, 0).trimmed();
        if (path.endsWith(QStringLiteral(".pdf"))) {
            const QString text = pdfText(path);
            if (text.isEmpty()) continue;  // poppler missing: the file exists at least
            EXPECT_TRUE(text.contains(title)) << k.file << " [" << title.toStdString() << "]\n" << text.toStdString();
            EXPECT_TRUE(text.contains(QStringLiteral("2024"))) << k.file << "\n" << text.toStdString();
            EXPECT_TRUE(text.contains(QStringLiteral("45"))) << k.file << "\n" << text.toStdString();
        } else {
            QImage image(path);
            ASSERT_FALSE(image.isNull()) << k.file;
            // At least as big as the window, the heading above the picture.
            EXPECT_GE(image.width(), view->width()) << k.file;
            EXPECT_GT(image.height(), view->height() * image.width() / std::max(1, view->width())) << k.file;
            EXPECT_GT(darkPixelsInTopBand(image), 50) << k.file;
        }
    }
    // The dialog offered both kinds, and opened where the last file went.
    EXPECT_TRUE(chooser.filters.front().contains(QStringLiteral("*.png")));
    EXPECT_TRUE(chooser.filters.front().contains(QStringLiteral("*.pdf")));
    EXPECT_EQ(QFileInfo(chooser.suggested.back()).absolutePath(), QFileInfo(folder).absoluteFilePath());
    EXPECT_TRUE(chooser.suggested.back().endsWith(QStringLiteral("Vantorel - Data.png")))
        << chooser.suggested.back().toStdString();
}

// The remembered folder is used only while it is an existing absolute
// folder; otherwise Pictures, or Documents, or home. Cancel writes nothing.
TEST(SavePicture, TheDialogOpensInTheLastFolderOrTheUsersPictures) {
    StartedApp s(2);
    ASSERT_TRUE(s.start());
    s.command(ID_OPEN_VENUS);
    ScriptedChooser chooser;
    s.command(ID_FILE_SAVE_PICTURE);  // cancelled
    ASSERT_EQ(chooser.suggested.size(), 1);
    const QString first = QFileInfo(chooser.suggested[0]).absolutePath();
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    EXPECT_TRUE(first == pictures || first == documents || first == QDir::homePath()) << first.toStdString();
    EXPECT_TRUE(QFileInfo(first).isDir());
    EXPECT_EQ(chooser.filters[0], QStringLiteral("Imagen PNG (*.png);;Página PDF (*.pdf)"));
    EXPECT_FALSE(SettingsFile::readPictureFolder().has_value());

    for (const char* damaged : {"PictureFolder=relative/dir\n", "PictureFolder=/no/such/folder/anywhere\n"}) {
        std::ofstream(SettingsFile::settingsPath(), std::ios::app) << damaged;
        s.command(ID_FILE_SAVE_PICTURE);
        EXPECT_EQ(QFileInfo(chooser.suggested.back()).absolutePath(), first) << damaged;
    }

    const QString sub = QDir(QString::fromStdString(s.wd.path().string())).filePath(QStringLiteral("pics"));
    ASSERT_TRUE(QDir().mkpath(sub));
    chooser.folder = sub;
    chooser.names << QStringLiteral("venus.png");
    s.command(ID_FILE_SAVE_PICTURE);
    EXPECT_TRUE(QFileInfo::exists(QDir(sub).filePath(QStringLiteral("venus.png"))));
    s.command(ID_FILE_SAVE_PICTURE);
    EXPECT_EQ(QFileInfo(chooser.suggested.back()).absolutePath(), sub);
    // The other keys are still there.
    EXPECT_EQ(SettingsFile::readInt("Langue", -1), 2);
}

// A file that cannot be written is named with its cause, and nothing is
// left in its place.
TEST(SavePicture, AFolderThatCannotBeWrittenIsToldByName) {
    StartedApp s(0);
    ASSERT_TRUE(s.start());
    s.command(ID_OPEN_MARS);
    ScriptedChooser chooser;
    chooser.folder = QStringLiteral("/proc/no-such-dir");
    chooser.names << QStringLiteral("mars.png");
    ModalDriver driver;
    driver.accept();
    s.command(ID_FILE_SAVE_PICTURE);
    ASSERT_EQ(driver.seen().size(), 1);
    EXPECT_TRUE(driver.seen().front().startsWith(QStringLiteral("message: Cannot write the file /proc/no-such-dir/mars.png")))
        << driver.seen().front().toStdString();
    EXPECT_FALSE(SettingsFile::readPictureFolder().has_value());
}

// The lists a window opens save their page from their context menu, under
// their own title with the date and site of the window that opened them.
TEST(SavePicture, TheSmallListsSaveTheirPageFromTheirContextMenu) {
    StartedApp s(1);
    ASSERT_TRUE(s.start());
    const QString folder = QString::fromStdString(s.wd.path().string());
    ScriptedChooser chooser;
    chooser.folder = folder;
    s.command(ID_OPEN_MOON);
    s.command(ID_MOON_PHASES);
    s.command(ID_LUNAR_X);
    s.command(ID_OPEN_JUPITER);
    s.command(ID_PHENOMENON_OR_SATURN_ZOOM_IN);
    QCoreApplication::processEvents();
    QList<QWidget*> lists;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->contextMenuPolicy() == Qt::ActionsContextMenu) lists.push_back(w);
    ASSERT_EQ(lists.size(), 3);
    int n = 0;
    for (QWidget* list : lists) {
        QAction* save = nullptr;
        for (QAction* a : list->actions())
            if (a->data().toInt() == ID_FILE_SAVE_PICTURE) save = a;
        ASSERT_NE(save, nullptr) << list->windowTitle().toStdString();
        EXPECT_EQ(save->text(), QStringLiteral("&Enregistrer l'image sous..."));
        const QString name = QStringLiteral("list%1.%2").arg(++n).arg(n % 2 ? QStringLiteral("png") : QStringLiteral("pdf"));
        chooser.names << name;
        save->trigger();
        const QString path = QDir(folder).filePath(name);
        ASSERT_TRUE(QFileInfo::exists(path)) << list->windowTitle().toStdString();
        if (path.endsWith(QStringLiteral(".png"))) {
            const QImage image(path);
            ASSERT_FALSE(image.isNull());
            EXPECT_GE(image.width(), list->width());
            EXPECT_GT(darkPixelsInTopBand(image), 50);
        } else if (const QString text = pdfText(path); !text.isEmpty()) {
            EXPECT_TRUE(text.contains(list->windowTitle().trimmed())) << text.toStdString();
            EXPECT_TRUE(text.contains(QStringLiteral("2024/01/15"))) << text.toStdString();
        }
    }
}
