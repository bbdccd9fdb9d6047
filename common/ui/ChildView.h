#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

#include <optional>
#include <string>
#include <vector>

#include "common/commands/DocumentTypes.h"
#include "common/settings/Settings.h"
#include "common/ui/PrintServices.h"

// The base of every child window's view. The main window swaps the menu when
// a view becomes active, routes menu commands to the active view first, and
// delivers the program's three messages (WM_RECOMPUTE_DATE, WM_RECOMPUTE_ZONE,
// WM_JUPITER_DATE) to every view through the virtual handlers below.

namespace vantorel {

class WindowHost;
class DateTime;
struct PanelContent;

// +1 for a key that zooms in ("+" or "=", main keyboard or keypad), -1 for
// one that zooms out ("-"), 0 for any other key.
inline int zoomKeyDirection(int qtKey) {
    if (qtKey == Qt::Key_Plus || qtKey == Qt::Key_Equal) return 1;
    if (qtKey == Qt::Key_Minus) return -1;
    return 0;
}

// Keys typed bare or with Shift (or on the keypad). With Ctrl, Alt or Meta a
// key belongs to a menu or a shortcut, whether or not one answers it, and
// never steps a window's clock.
inline bool isPlainKey(Qt::KeyboardModifiers modifiers) {
    return !(modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

struct CommandState {
    bool enabled = true;
    bool checked = false;
};

class ChildView : public QWidget {
    Q_OBJECT
public:
    ChildView(WindowHost& host, DocTypeId type, QWidget* parent = nullptr);
    ~ChildView() override;

    DocTypeId docType() const { return type_; }
    const DocumentType& documentType() const { return vantorel::documentType(type_); }
    WindowHost& host() const { return host_; }
    Settings& settings() const;
    int language() const;

    // The document's title: the frame's caption and the main window's.
    void setDocumentTitle(const QString& title);
    QString documentTitle() const { return title_; }

    // Called once, after the window is shown for the first time.
    virtual void initialUpdate() {}
    // The view became (true) or stopped being (false) the active window.
    // Body views refill the data dialog and the status bar here.
    virtual void activated(bool active) { (void)active; }

    // Menu commands reach the active view first: true when handled here.
    // Overrides pass the commands they do not know on to this one.
    virtual bool onCommand(int id);
    // Enabled and checked state of a command the view handles; nothing for a
    // command that is not the view's (the main window or the application
    // decides, or the item is greyed).
    virtual std::optional<CommandState> commandState(int id) const;

    // The program's messages. Recompute with commonDate / the new zone /
    // the phenomenon's date; the defaults do nothing.
    virtual void onRecomputeDate() {}
    virtual void onRecomputeZone() {}
    virtual void onJupiterDate(const DateTime& date) { (void)date; }
    // Latitude or projection changed: repaint (and recompute where the
    // paint does).
    virtual void onSettingsChanged() { update(); }
    // The language changed: every text the window shows is made again. The
    // views whose picture carries words drop it.
    virtual void onLanguageChanged() { onSettingsChanged(); }
    // Dispatches a message number to the handlers above.
    void receiveMessage(int message, const DateTime* date);

    // The Jupiter views can open the satellites window on their document.
    virtual bool opensSatellitesWindow() const { return false; }

    // Views that print say so and give their picture for paper (drawn as for
    // the screen, on white); the base then runs Print, Print directly and
    // Print Preview. A view that draws its page itself (at the paper's
    // resolution) gives its own job instead.
    virtual bool printable() const { return false; }
    virtual QImage printPicture() { return QImage(); }
    // The job turns the page to the window's shape and heads it with the
    // title, date, time, zone and site.
    virtual PrintJob printJob();
    // The heading of every page this window prints.
    std::vector<std::string> pageHeading() const;
    // The date and time the window shows, for the heading; null when it
    // shows none.
    virtual const DateTime* printedDate() const { return nullptr; }

protected:
    // The Date - Time command on `dt`: the dialog until a valid entry or
    // Cancel, the common date when asked. True when the date changed;
    // dateChangedByDialog() has then been called.
    bool runDateDialog(DateTime& dt, bool allWindowsOffered);
    virtual void dateChangedByDialog() {}
    // Status bar pane 1..8 of the main window.
    void setPaneText(int pane, const QString& text);
    // A body's panel: rise, transit, set, altitude, date and time into panes
    // 3 to 8, the record into the data dialog when it is shown.
    void showPanel(const PanelContent& panel);

private:
    WindowHost& host_;
    DocTypeId type_;
    QString title_;
};

}  // namespace vantorel
