#pragma once

#include <QCursor>
#include <QObject>
#include <QRect>
#include <QString>
#include <QTimer>

#include <functional>

#include "common/paint/DialogUnits.h"

class QWidget;

// What the windows need of the platform beyond plain widgets: the message
// box with its sounds, the cursors, a window timer, and the dialog units that
// place the controls of the fixed-layout dialogs (common/paint/DialogUnits.h).

namespace vantorel {

void playQuestionSound();
void playExclamationSound();

// A modal message box with an OK button; returns when it is closed.
void messageBox(QWidget* parent, const QString& text);

// A modal question with Yes and No buttons in the language (0 English,
// 1 French, 2 Spanish); true only for Yes. No is the default.
bool askYesNo(QWidget* parent, const QString& text, int language);

// The program's own cursor (the cross when its picture is missing).
QCursor programCursor();

// Shows the wait cursor for the life of the object.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// A repeating timer of a window: one tick per period on the user-interface
// thread until stopped. Tests call tick() instead of waiting.
class WindowTimer : public QObject {
    Q_OBJECT
public:
    explicit WindowTimer(std::function<void()> onTick, QObject* parent = nullptr);
    void start(int periodMs);
    void stop();
    bool isActive() const { return timer_.isActive(); }
    int period() const { return timer_.interval(); }
    void tick();

private:
    QTimer timer_;
    std::function<void()> onTick_;
};

}  // namespace vantorel
