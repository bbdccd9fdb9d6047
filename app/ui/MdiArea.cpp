#include "app/ui/MdiArea.h"

#include <QPainter>
#include <QResizeEvent>

#include "app/paint/SplashPicture.h"

namespace vantorel {

namespace {
// Qt 6 runs only on systems whose background grey is the lighter one.
constexpr bool kOldSystem = false;
}  // namespace

MdiArea::MdiArea(QWidget* parent)
    : QMdiArea(parent),
      splash_(makeSplashPicture(QStringLiteral("Version %1").arg(QStringLiteral(VANTOREL_VERSION)))),
      grey_(makeSplashGrey(kOldSystem)) {
    setBackground(QColor(grey_.pixel(0, 0)));
}

QRect MdiArea::splashPlace() const {
    const int cx = splashRect_.width() / 2;
    const int cy = splashRect_.height() / 2;
    return QRect(cx - kSplashWidth / 2, cy - kSplashHeight / 2, kSplashWidth, kSplashHeight);
}

void MdiArea::showSplash() {
    splashRect_ = viewport()->rect();
    splashPending_ = true;
    viewport()->update();
}

bool MdiArea::eraseSplash() {
    if (!splashPending_) return false;
    splashPending_ = false;
    greyPending_ = true;
    viewport()->update(splashPlace());
    return true;
}

void MdiArea::paintEvent(QPaintEvent* event) {
    QMdiArea::paintEvent(event);
    if (!splashPending_ && !greyPending_) return;
    QPainter p(viewport());
    if (splashPending_) {
        p.drawImage(splashPlace().topLeft(), splash_);
    } else {
        p.drawImage(splashPlace().topLeft(), grey_);
        greyPending_ = false;
        ++greyPaints_;
    }
}

void MdiArea::resizeEvent(QResizeEvent* event) {
    QMdiArea::resizeEvent(event);
    // The picture is part of the area's painting, so it stays whole at any
    // size: it simply moves to the new centre.
    if (splashPending_) {
        splashRect_ = viewport()->rect();
        viewport()->update();
    }
}

}  // namespace vantorel
