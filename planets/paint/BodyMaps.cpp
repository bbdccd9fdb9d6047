#include "planets/paint/BodyMaps.h"

#include <array>

// The resource file is compiled into a static library: naming its
// initialiser here makes every program that reads a map link it in.
static void initBodyResources() { Q_INIT_RESOURCE(bodies); }

namespace vantorel {

const QImage& bodyMap(BodyMap which) {
    static const std::array<QImage, 6> maps = [] {
        initBodyResources();
        std::array<QImage, 6> loaded;
        const char* const names[6] = {":/maps/mercury.png", ":/maps/venus.png",
                                      ":/maps/mars.png",    ":/maps/jupiter.png",
                                      ":/maps/uranus.png",  ":/maps/moon.png"};
        for (int i = 0; i < 6; ++i)
            loaded[i] = QImage(QString::fromLatin1(names[i])).convertToFormat(QImage::Format_RGB32);
        return loaded;
    }();
    return maps[static_cast<int>(which)];
}

QImage programCursorImage() {
    initBodyResources();
    return QImage(QStringLiteral(":/cursors/vantorel.png"));
}

}  // namespace vantorel
