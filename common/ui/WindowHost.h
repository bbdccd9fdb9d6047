#pragma once

#include <QRect>
#include <QString>

#include "common/commands/DocumentTypes.h"

class QAbstractScrollArea;
class QPrinter;
class QWidget;

// What a child window needs of the program around it: the settings and the
// clock, the status bar, the data dialog, the printer and the other windows.
// The main window provides it; views and dialogs know only this, so the
// subsystems' windows never include the shell.

namespace vantorel {

class Clock;
class DateTime;
struct BodyDataRecord;
struct Settings;

class WindowHost {
public:
    virtual ~WindowHost() = default;

    virtual Settings& settings() = 0;
    virtual const Clock& clock() const = 0;
    virtual QPrinter& printer() = 0;

    // Status bar pane 1..8.
    virtual void setPaneText(int pane, const QString& text) = 0;
    // The caption follows the active document's title.
    virtual void updateCaption() = 0;
    // Greys and checks the items of the menu in the menu bar.
    virtual void updateCommandStates() = 0;

    // The body windows open now.
    virtual int windowCount() const = 0;
    virtual void childViewDestroyed(bool counted) = 0;
    // Sends one of the program's messages to every child window.
    virtual void sendToAllChildren(int message, const DateTime* date = nullptr) = 0;
    // The area that holds the child windows.
    virtual QAbstractScrollArea* workspace() const = 0;
    // The parent of the program's modeless dialogs.
    virtual QWidget* topWindow() = 0;

    // The data dialog: shown with a body's name, filled while shown.
    virtual bool dataDialogShown() const = 0;
    virtual void showDataDialog(const QString& name) = 0;
    virtual void fillDataDialog(const BodyDataRecord& record) = 0;
    // Where the data dialog stands on the screen, its frame included, so the
    // other small windows open clear of it; empty while it is not shown.
    virtual QRect dataDialogFrame() const { return {}; }
    // Brings the window of a body forward, opening it when none is open.
    virtual void showBodyWindow(DocTypeId type) { (void)type; }
};

}  // namespace vantorel
