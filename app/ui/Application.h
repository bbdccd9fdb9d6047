#pragma once

#include <QObject>
#include <QPointer>

#include <memory>
#include <optional>
#include <string>

#include "app/ui/DocumentTypeRegistry.h"
#include "common/settings/Settings.h"
#include "common/ui/ChildView.h"
#include "engine/Clock.h"

class QPrinter;
class QTranslator;
class QWidget;

// The application object: the settings while the program runs, the common
// date, the registered document types, the main window, the modeless data
// dialog and phenomena generator, and the commands of the application itself
// (language, date format, print setup, About, Reference, Exit).

namespace vantorel {

class MainWindow;
class DataDialog;
class SettingsDialogHost;
struct BodyDataRecord;

class Application : public QObject {
    Q_OBJECT
public:
    explicit Application(std::unique_ptr<Clock> clock = std::make_unique<SystemClock>());
    ~Application() override;

    // Start-up: settings and first-start questions, document types, main
    // window with its menu, status bar and start-up picture. `host` answers
    // the first-start questions; null for the program's own dialogs. False
    // when the main window could not be made.
    bool initInstance(SettingsDialogHost* host = nullptr);

    Settings& settings() { return settings_; }
    const Settings& settings() const { return settings_; }
    const Clock& clock() const { return *clock_; }
    MainWindow* mainFrame() const { return mainFrame_.get(); }
    DocumentTypeRegistry& registry() { return registry_; }
    const std::string& helpFile() const { return helpFile_; }
    // The dialogs of the settings commands; the program's own unless a test
    // gave others.
    SettingsDialogHost& dialogs();
    void setDialogs(SettingsDialogHost* host) { dialogs_ = host; }

    // ---- data dialog ---------------------------------------------------------
    // Creates and shows it with the body's name when it is not shown.
    void showDataDialog(const QString& name);
    bool dataDialogShown() const;
    // Shows a body's figures when the dialog is shown; nothing otherwise.
    void fillDataDialog(const BodyDataRecord& record);
    DataDialog* dataDialog() const;
    void closeDataDialog();

    // The main window was closed: closes every other window (the data dialog,
    // the generator, the lists and tables the windows opened) and ends the
    // event loop, so no window is left on screen with no program behind it.
    void endProgram();

    // ---- commands --------------------------------------------------------------
    void onCommand(int id);
    std::optional<CommandState> commandState(int id) const;
    void latitudeCommand();
    void siteCommand();
    void timeZoneCommand();
    void projectionCommand();
    void dateFormatCommand();
    void languageCommand();
    // The language in the settings reaches every open window at once: the
    // menus, the titles, the status bar, the pictures, the data dialog and
    // the lists the windows opened.
    void applyLanguage();

    QPrinter& printer();

    // Puts Qt's own dialogs and buttons (printing, page setup, files, OK,
    // Cancel...) in the language: Qt's translations for French and Spanish,
    // none for English. Without the translation files they stay in English.
    // True when a translation was loaded.
    bool useQtTranslations(int language);

private:
    // The clock's reading as a Julian day, for the standard offset a named
    // zone keeps in FuseauH/FuseauM.
    double nowJd() const;
    // After the latitude, longitude or zone changed: the panes and every window.
    void siteChanged(bool zoneChanged);

    std::unique_ptr<Clock> clock_;
    Settings settings_;
    std::string helpFile_;
    DocumentTypeRegistry registry_;
    std::unique_ptr<MainWindow> mainFrame_;
    QPointer<DataDialog> dataDialog_;
    QPointer<QWidget> generator_;
    std::unique_ptr<SettingsDialogHost> ownDialogs_;
    SettingsDialogHost* dialogs_ = nullptr;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QTranslator> qtTranslator_;
};

}  // namespace vantorel
