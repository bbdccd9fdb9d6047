#include "app/ui/Application.h"

#include <QCoreApplication>

#include "common/ui/TitleWidthFitter.h"

#include <QApplication>
#include <QCoreApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QPixmap>
#include <QGuiApplication>
#include <QPrinter>
#include <QScreen>
#include <QThread>
#include <QTranslator>

#include "app/paint/SplashPicture.h"
#include "app/ui/AboutDialog.h"
#include "app/ui/DataDialog.h"
#include "common/ui/ToolWindowPlacement.h"
#include "app/ui/MainWindow.h"
#include "app/ui/ReferenceDialog.h"
#include "app/ui/SettingsDialogs.h"
#include "common/commands/CommandIds.h"
#include "common/settings/SettingsCommands.h"
#include "common/settings/SettingsFile.h"
#include "common/text/BodyDataRecord.h"
#include "common/ui/PrintServices.h"

namespace vantorel {

namespace {
// Below this screen width the main window starts maximised.
constexpr int kSmallScreenWidth = 801;
}  // namespace

Application::Application(std::unique_ptr<Clock> clock) : clock_(std::move(clock)) {
    // Dies with the application object, which takes it off the filters.
    if (QCoreApplication* core = QCoreApplication::instance())
        core->installEventFilter(new TitleWidthFitter(this));
}

Application::~Application() {
    delete dataDialog_.data();
    if (generator_) delete generator_.data();
    mainFrame_.reset();
}

SettingsDialogHost& Application::dialogs() {
    if (dialogs_) return *dialogs_;
    if (!ownDialogs_)
        ownDialogs_ = std::make_unique<SettingsDialogs>(
            settings_, [this]() -> QWidget* { return mainFrame_.get(); });
    return *ownDialogs_;
}

bool Application::initInstance(SettingsDialogHost* host) {
    if (host) dialogs_ = host;
    settings_.projection = 0;
    settings_.splashPending = true;
    SettingsFile::readSettings(settings_);
    if (settings_.language != kNotSet) useQtTranslations(settings_.languageIndex());
    runFirstStart(settings_, dialogs(), helpFile_, nowJd());
    // The first start may have chosen the language just now.
    useQtTranslations(settings_.languageIndex());

    registry_.registerAll(settings_.languageIndex());
    installViewFactories(registry_);

    // The command line is read and not acted upon: no file or window opens
    // from it.
    (void)QCoreApplication::arguments();

    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(makeProgramIcon())));
    mainFrame_ = std::make_unique<MainWindow>(*this);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    if (screen && screen->geometry().width() < kSmallScreenWidth) {
        mainFrame_->showMaximized();
    } else {
        mainFrame_->resize(std::min(1100, available.width() * 9 / 10),
                           std::min(760, available.height() * 9 / 10));
        mainFrame_->show();
    }

    settings_.latituded = 0;
    settings_.latitudem = 0;
    settings_.hemisphereChanged = false;
    mainFrame_->showProjectionPane();
    mainFrame_->showLongitudePane();
    mainFrame_->showSplash();
    // The windows the last run left open come back, the picture goes.
    mainFrame_->restoreWindowLayout();
    return true;
}

// ---- data dialog -------------------------------------------------------------

bool Application::dataDialogShown() const { return dataDialog_ && dataDialog_->isVisible(); }

DataDialog* Application::dataDialog() const { return dataDialog_.data(); }

void Application::showDataDialog(const QString& name) {
    if (dataDialogShown()) return;
    if (!dataDialog_) dataDialog_ = new DataDialog(settings_.languageIndex(), mainFrame_.get());
    dataDialog_->setControlText(1009, name);
    placeToolWindow(dataDialog_, [this](QSize, QRect screen) {
        return screen.topLeft() + DataDialog::placement(screen.width(), dataDialog_->width());
    });
    dataDialog_->show();
}

void Application::fillDataDialog(const BodyDataRecord& record) {
    if (!dataDialogShown()) return;
    for (int i = 0; i < BodyDataRecord::kTextCount; ++i)
        dataDialog_->setControlText(BodyDataRecord::kControlIds[i],
                                    QString::fromStdString(record.text(i)));
    dataDialog_->setDiameters(
        ComparativeDiameters{record.maximumDiameter, record.currentDiameter(), record.minimumDiameter});
}

void Application::closeDataDialog() { delete dataDialog_.data(); }

void Application::endProgram() {
    // Kept for the next start before any window closes.
    if (mainFrame_) mainFrame_->saveWindowLayout();
    // The generator first: closing it stops a run and leaves no half file.
    if (generator_) generator_->close();
    closeDataDialog();
    // The modeless windows the views opened are windows of their own (the
    // phenomena list, the Moon's phase table and Lunar X list, the seasons
    // list): the toolkit would keep the program running while one is shown.
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets()) windows.push_back(window);
    for (const QPointer<QWidget>& window : windows)  // closing one may take another with it
        if (window && window != mainFrame_.get() && window->isVisible()) window->close();
    // Ends the event loop when one runs. Without one (a test driving the
    // windows) there is nothing to end, and asking would end the next
    // dialog's loop at once.
    if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::exit(0);
}

// ---- commands ----------------------------------------------------------------

std::optional<CommandState> Application::commandState(int id) const {
    switch (id) {
    case ID_FILE_PRINT_SETUP:
    case ID_APP_EXIT:
    case ID_DATE_SETTING:
    case ID_LANGUAGE:
    case ID_APP_ABOUT:
    case ID_REFERENCE:
        return CommandState{};
    case ID_JUPITER_SATELLITES_GENERATOR:
        if (registry_.phenomenaGeneratorFactory()) return CommandState{};
        return std::nullopt;
    default: return std::nullopt;
    }
}

void Application::onCommand(int id) {
    if (!commandState(id)) return;
    const int language = settings_.languageIndex();
    switch (id) {
    case ID_FILE_PRINT_SETUP: pageSetup(mainFrame_.get(), printer()); break;
    case ID_APP_EXIT:
        if (mainFrame_) mainFrame_->close();
        break;
    case ID_DATE_SETTING: dateFormatCommand(); break;
    case ID_LANGUAGE: languageCommand(); break;
    case ID_APP_ABOUT: {
        mainFrame_->eraseSplash();
        AboutDialog dialog(language, mainFrame_.get());
        dialog.exec();
        break;
    }
    case ID_REFERENCE: {
        mainFrame_->eraseSplash();
        ReferenceDialog dialog(language, mainFrame_.get());
        dialog.exec();
        break;
    }
    case ID_JUPITER_SATELLITES_GENERATOR:
        mainFrame_->eraseSplash();
        if (generator_) {
            generator_->raise();
            generator_->activateWindow();
        } else if (QWidget* w = registry_.phenomenaGeneratorFactory()(*mainFrame_)) {
            generator_ = w;
            w->show();
        }
        break;
    default: break;
    }
}

double Application::nowJd() const {
    DateTime now;
    setFromClock(now, *clock_);
    now.computeDate();
    return now.JD;
}

void Application::siteChanged(bool zoneChanged) {
    settings_.placeSite(mainFrame_->blankDate());
    mainFrame_->showLongitudePane();
    if (zoneChanged) mainFrame_->sendToAllChildren(WM_RECOMPUTE_ZONE);
    // A new longitude moves rise, transit, set and the altitude like a new
    // latitude: every window recomputes at its repaint.
    mainFrame_->repaintAllChildren();
}

void Application::latitudeCommand() {
    mainFrame_->eraseSplash();
    if (!enterLatitude(settings_, dialogs())) return;
    siteChanged(false);
}

void Application::siteCommand() {
    mainFrame_->eraseSplash();
    const std::string zoneBefore = settings_.zoneName;
    if (!enterSite(settings_, dialogs(), nowJd())) return;
    siteChanged(settings_.zoneName != zoneBefore);
}

void Application::timeZoneCommand() {
    mainFrame_->eraseSplash();
    if (!enterZone(settings_, dialogs(), nowJd())) return;
    settings_.placeSite(mainFrame_->blankDate());
    mainFrame_->showLongitudePane();
    mainFrame_->sendToAllChildren(WM_RECOMPUTE_ZONE);
}

void Application::projectionCommand() {
    mainFrame_->eraseSplash();
    if (!enterProjection(settings_, dialogs())) return;
    mainFrame_->showProjectionPane();
    mainFrame_->repaintAllChildren();
}

void Application::dateFormatCommand() {
    if (enterDateFormat(settings_, dialogs())) mainFrame_->repaintAllChildren();
}

void Application::languageCommand() {
    mainFrame_->eraseSplash();
    if (chooseLanguage(settings_, dialogs())) applyLanguage();
}

void Application::applyLanguage() {
    const int language = settings_.languageIndex();
    helpFile_ = helpFileFor(language);
    useQtTranslations(language);
    registry_.registerAll(language);
    if (dataDialog_) dataDialog_->retranslate(language);
    mainFrame_->retranslate();
}

bool Application::useQtTranslations(int language) {
    const char* code = language == kFrench ? "fr" : language == kSpanish ? "es" : nullptr;
    const QString name = code ? QStringLiteral("qtbase_") + QLatin1String(code) : QString();
    if (qtTranslator_ && qtTranslator_->objectName() == name) return true;
    qtTranslator_.reset();  // a translator removes itself from the application
    if (!code) return false;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) return false;
    translator->setObjectName(name);
    QCoreApplication::installTranslator(translator.get());
    qtTranslator_ = std::move(translator);
    return true;
}

QPrinter& Application::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        preparePrinter(*printer_);
    }
    return *printer_;
}

}  // namespace vantorel
