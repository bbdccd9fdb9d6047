#pragma once

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QPointer>

#include <map>
#include <utility>
#include <vector>

#include "common/commands/DocumentTypes.h"
#include "common/settings/WindowLayout.h"
#include "common/ui/WindowHost.h"
#include "engine/DateTime.h"

class QAction;
class QLabel;
class QMdiSubWindow;
class QMenu;

// The main window: the menu bar (the active child's menu while a child is
// active), the child windows in a QMdiArea, and the eight-pane status bar.
// It opens the windows, counts the body windows, carries the site settings
// commands and sends the program's messages to every child.

namespace vantorel {

class Application;
class ChildView;
class MdiArea;

class MainWindow : public QMainWindow, public WindowHost {
    Q_OBJECT
public:
    static constexpr int kPaneCount = 8;
    // Width of each pane, in blanks of the status bar's font.
    static constexpr int kPaneBlanks[kPaneCount] = {3, 36, 25, 31, 31, 18, 40, 28};

    explicit MainWindow(Application& app);
    ~MainWindow() override;

    Application& app() const { return app_; }
    MdiArea* mdiClient() const { return mdi_; }

    // ---- status bar ------------------------------------------------------------
    void setPaneText(int pane, const QString& text) override;  // panes 1..8
    QString paneText(int pane) const;
    QLabel* pane(int pane) const;
    void showProjectionPane();
    // Pane 1: the longitude the computations use, the site's or the zone's.
    void showLongitudePane();

    // ---- windows -------------------------------------------------------------
    // Opens a window of `type` (a new one at every call). `source` is the
    // view whose document a second window shares (the Jupiter satellites).
    ChildView* openWindow(DocTypeId type, ChildView* source = nullptr);
    ChildView* activeView() const;
    // The open windows that a next start can open again: kind, place in
    // the MDI area, size and the date each shows.
    std::vector<WindowPlace> windowLayout() const;
    // Kept in the settings file at the end of the run.
    void saveWindowLayout();
    // Opens the windows the last run left open, each where it was, at its
    // size and date. False when there were none.
    bool restoreWindowLayout();
    ChildView* openWindowAt(DocTypeId type, const WindowPlace& place);
    static bool reopenableKind(int kind);
    QList<ChildView*> views() const;
    int windowCount() const override { return windowCount_; }
    void childViewDestroyed(bool counted) override;
    // The record every new document starts from, in the settings' zone.
    DateTime& blankDate() { return blankDate_; }
    // The title table's row of the program's language.
    int titleRowOffset() const;

    // Sends WM_RECOMPUTE_DATE, WM_RECOMPUTE_ZONE or WM_JUPITER_DATE to every
    // child, one after the other, before returning.
    void sendToAllChildren(int message, const DateTime* date = nullptr) override;
    // Latitude or projection changed: every child repaints.
    void repaintAllChildren();
    // The language changed: the menu bar, the status bar, the titles and
    // every child's texts in the new one.
    void retranslate();

    // ---- start-up picture ------------------------------------------------------
    void showSplash();
    void eraseSplash();

    // ---- menus and commands ----------------------------------------------------
    // Runs a menu command: the active view first, then the main window, then
    // the application.
    void onCommand(int id);
    // Greys and checks the items of the menu in the menu bar.
    void updateCommandStates() override;
    // The action of a command in the menu now in the menu bar; nullptr when
    // that menu has no such item.
    QAction* currentAction(int id) const;
    // The popups now in the menu bar.
    QList<QMenu*> currentMenus() const;
    // The caption: "VANTOREL", with the active document's title after it.
    void updateCaption() override;

    // ---- what the child windows have of the program ------------------------------
    Settings& settings() override;
    const Clock& clock() const override;
    QPrinter& printer() override;
    QAbstractScrollArea* workspace() const override;
    QWidget* topWindow() override { return this; }
    bool dataDialogShown() const override;
    void showDataDialog(const QString& name) override;
    void fillDataDialog(const BodyDataRecord& record) override;
    QRect dataDialogFrame() const override;
    void showBodyWindow(DocTypeId type) override;

protected:
    // Closing the main window (File > Exit or its own close button) ends
    // the program, with every window it opened.
    void closeEvent(QCloseEvent* event) override;

private:
    struct MenuSet {
        QList<QMenu*> popups;
        QHash<int, QAction*> actions;
    };

    const MenuSet& menuSet(MenuKind kind, int language);
    void installMenu(const MenuSet& set);
    void subWindowActivated(QMdiSubWindow* window);
    bool handleFrameCommand(int id);
    bool frameHandles(int id) const;
    void installMenuFor(const ChildView* view);
    // The title a window of `type` opens with, in `language`.
    QString openingTitle(const DocumentType& type, int language) const;
    void cascadePosition(QMdiSubWindow* window);
    // Lays the child windows out in steps of a title bar, each at its own
    // size: the toolkit's cascade sizes them from their size hints, which
    // the picture views do not give, and leaves bare title bars.
    void cascadeWindows();
    // The Window popup's list of open windows, remade each time it opens.
    void fillWindowList(QMenu* menu);

    Application& app_;
    MdiArea* mdi_;
    QLabel* panes_[kPaneCount] = {};
    std::map<std::pair<int, int>, MenuSet> menus_;  // (menu kind, language)
    const MenuSet* installed_ = nullptr;
    QPointer<ChildView> lastActive_;
    DateTime blankDate_;
    int language_ = 0;  // the language the texts shown were made in
    int windowCount_ = 0;
    int opened_ = 0;
    bool destroying_ = false;
};

}  // namespace vantorel
