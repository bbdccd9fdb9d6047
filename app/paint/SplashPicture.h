#pragma once

#include <QImage>
#include <QString>

// The pictures of the empty main window: the start-up picture (a night
// landscape under the stars with the program's title and version) and the
// plain grey that replaces it once the first window opens.

namespace vantorel {

constexpr int kSplashWidth = 406;
constexpr int kSplashHeight = 284;

QImage makeSplashPicture(const QString& versionLine);
// The grey of the window background behind the child windows:
// RGB(128,128,128) on old systems, RGB(171,171,171) on current ones.
QImage makeSplashGrey(bool oldSystem);
// The narrow picture of the About box, 35 x 204: the bodies down a night sky.
QImage makeAboutPicture();
// The program's window icon, 32 x 32: a ringed planet on the night sky.
QImage makeProgramIcon();

}  // namespace vantorel
