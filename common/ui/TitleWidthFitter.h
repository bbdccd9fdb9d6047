#pragma once

#include <QObject>

class QWidget;

// Window managers cut a title that is wider than its window ("Set th...
// scope"). Every top-level window of the program is made at least as wide as
// its title needs, in every language, when it shows or its title changes.

namespace vantorel {

// The width, in pixels, a window needs to show `title` whole in its title
// bar beside the usual icon and buttons, estimated from the application's
// font in bold (the font title bars commonly use).
int titleWidthNeeded(const QString& title);

// Widens a top-level window (not the main window) to titleWidthNeeded.
void fitWidthToTitle(QWidget* window);

class TitleWidthFitter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace vantorel
