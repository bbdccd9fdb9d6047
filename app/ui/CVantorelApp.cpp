#include "app/ui/CVantorelApp.h"

#include <QCoreApplication>

#include "app/ui/TitleWidthFitter.h"

#include <QApplication>
#include <QCoreApplication>
#include <QIcon>
#include <QPixmap>
#include <QGuiApplication>
#include <QPrinter>
#include <QScreen>

#include "app/CommandIds.h"
#include "app/SettingsCommands.h"
#include "app/SettingsFile.h"
#include "app/paint/SplashPicture.h"
#include "app/ui/CAboutDlg.h"
#include "app/ui/CDataDialog.h"
#include "app/ui/CMainFrame.h"
#include "app/ui/CReference.h"
#include "app/ui/PrintServices.h"
#include "app/ui/SettingsDialogs.h"
#include "planets/BodyDataRecord.h"

namespace vantorel {

namespace {
// Below this screen width the main window starts maximised.
constexpr int kSmallScreenWidth = 801;
}  // namespace

CVantorelApp::CVantorelApp(std::unique_ptr<Clock> clock) : clock_(std::move(clock)) {
    // Dies with the application object, which takes it off the filters.
    if (QCoreApplication* core = QCoreApplication::instance())
        core->installEventFilter(new TitleWidthFitter(this));
}

CVantorelApp::~CVantorelApp() {
    delete dataDialog_.data();
    if (generator_) delete generator_.data();
    mainFrame_.reset();
}

SettingsDialogHost& CVantorelApp::dialogs() {
    if (dialogs_) return *dialogs_;
    if (!ownDialogs_)
        ownDialogs_ = std::make_unique<SettingsDialogs>(
            settings_, [this]() -> QWidget* { return mainFrame_.get(); });
    return *ownDialogs_;
}

bool CVantorelApp::initInstance(SettingsDialogHost* host) {
    if (host) dialogs_ = host;
    settings_.projection = 0;
    settings_.splashPending = true;
    SettingsFile::readSettings(settings_);
    runFirstStart(settings_, dialogs(), helpFile_);

    registry_.registerAll(settings_.languageIndex());
    installViewFactories(registry_);

    // The command line is read and not acted upon: no file or window opens
    // from it.
    (void)QCoreApplication::arguments();

    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(makeProgramIcon())));
    mainFrame_ = std::make_unique<CMainFrame>(*this);
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
    return true;
}

// ---- data dialog -------------------------------------------------------------

bool CVantorelApp::dataDialogShown() const { return dataDialog_ && dataDialog_->isVisible(); }

CDataDialog* CVantorelApp::dataDialog() const { return dataDialog_.data(); }

void CVantorelApp::showDataDialog(const QString& name) {
    if (dataDialogShown()) return;
    if (!dataDialog_) dataDialog_ = new CDataDialog(settings_.languageIndex(), mainFrame_.get());
    dataDialog_->setControlText(1009, name);
    const QScreen* screen = mainFrame_ ? mainFrame_->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    dataDialog_->move(area.topLeft() + CDataDialog::placement(area.width(), dataDialog_->width()));
    dataDialog_->show();
}

void CVantorelApp::fillDataDialog(const BodyDataRecord& record) {
    if (!dataDialogShown()) return;
    for (int i = 0; i < BodyDataRecord::kTextCount; ++i)
        dataDialog_->setControlText(BodyDataRecord::kControlIds[i],
                                    QString::fromStdString(record.text(i)));
    dataDialog_->setDiameters(
        ComparativeDiameters{record.maximumDiameter, record.currentDiameter(), record.minimumDiameter});
}

void CVantorelApp::closeDataDialog() { delete dataDialog_.data(); }

// ---- commands ----------------------------------------------------------------

std::optional<CommandState> CVantorelApp::commandState(int id) const {
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

void CVantorelApp::onCommand(int id) {
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
        CAboutDlg dialog(language, mainFrame_.get());
        dialog.exec();
        break;
    }
    case ID_REFERENCE: {
        mainFrame_->eraseSplash();
        CReference dialog(language, mainFrame_.get());
        dialog.exec();
        break;
    }
    case ID_JUPITER_SATELLITES_GENERATOR:
        mainFrame_->eraseSplash();
        if (generator_) {
            generator_->raise();
            generator_->activateWindow();
        } else if (QWidget* w = registry_.phenomenaGeneratorFactory()(*this)) {
            generator_ = w;
            w->show();
        }
        break;
    default: break;
    }
}

void CVantorelApp::latitudeCommand() {
    mainFrame_->eraseSplash();
    if (!enterLatitude(settings_, dialogs())) return;
    // A new longitude moves rise, transit, set and the altitude like a new
    // latitude: every window recomputes at its repaint.
    settings_.placeSite(mainFrame_->blankDate());
    mainFrame_->showLongitudePane();
    mainFrame_->repaintAllChildren();
}

void CVantorelApp::timeZoneCommand() {
    mainFrame_->eraseSplash();
    if (!enterZone(settings_, dialogs())) return;
    settings_.placeSite(mainFrame_->blankDate());
    mainFrame_->sendToAllChildren(WM_RECOMPUTE_ZONE);
}

void CVantorelApp::projectionCommand() {
    mainFrame_->eraseSplash();
    if (!enterProjection(settings_, dialogs())) return;
    mainFrame_->showProjectionPane();
    mainFrame_->repaintAllChildren();
}

void CVantorelApp::dateFormatCommand() {
    if (enterDateFormat(settings_, dialogs())) mainFrame_->repaintAllChildren();
}

void CVantorelApp::languageCommand() {
    mainFrame_->eraseSplash();
    chooseLanguage(settings_, dialogs());
}

QPrinter& CVantorelApp::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        preparePrinter(*printer_);
    }
    return *printer_;
}

}  // namespace vantorel
