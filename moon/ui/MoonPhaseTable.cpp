#include "moon/ui/MoonPhaseTable.h"

#include <QGridLayout>
#include <QLabel>
#include <QPixmap>

#include "common/paint/DrawingSurface.h"
#include "moon/MoonTerminator.h"
#include "planets/paint/BodyMaps.h"
#include "planets/paint/DiscRenderer.h"

namespace vantorel {

QImage MoonPhaseTable::phasePictureFor(double colongitudeDeg, int projection) {
    // The shading is made for a disc of 100 pixels: draw at that size and
    // bring the picture down to the table's.
    DrawingSurface s(220, 220);
    DiscRenderer r(DiscRenderer::kMoon);
    r.setCentre(110.0f, 110.0f);
    r.setRadius(100.0f);
    const MoonTerminatorParameters t = moonTerminator(colongitudeDeg, 0.0, projection);
    r.paintMap(s, 180.0, 0.0, projection, bodyMap(BodyMap::Moon), DiscTerminator{t.angle, t.column});
    return s.image().scaled(33, 33, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

MoonPhaseTable::MoonPhaseTable(int language, int projection, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QString::fromUtf8(kPhaseTableTitle(language)));
    auto* grid = new QGridLayout(this);
    // New moon, first quarter, full moon, last quarter: colongitudes 270, 0,
    // 90 and 180.
    const double colongitudes[4] = {270.0, 0.0, 90.0, 180.0};
    grid->addWidget(new QLabel(QString::fromUtf8(kPhaseTableDateLabel(language)), this), 1, 0);
    grid->addWidget(new QLabel(QString::fromUtf8(kPhaseTableTimeLabel(language)), this), 2, 0);
    for (int kind = 0; kind < 4; ++kind) {
        pictures_[kind] = phasePictureFor(colongitudes[kind], projection);
        auto* picture = new QLabel(this);
        picture->setPixmap(QPixmap::fromImage(pictures_[kind]));
        grid->addWidget(picture, 0, 1 + kind, Qt::AlignHCenter);
        for (int field = 0; field < 4; ++field) {
            fields_[kind][field] = new QLabel(this);
            // First date and time in rows 1 and 2, the second in rows 3 and 4.
            grid->addWidget(fields_[kind][field], 1 + field % 2 + 2 * (field / 2), 1 + kind);
        }
    }
}

void MoonPhaseTable::fill(const PhaseTableText& table) {
    for (int kind = 0; kind < 4; ++kind)
        for (int field = 0; field < 4; ++field)
            fields_[kind][field]->setText(QString::fromLatin1(table.fields[kind][field]));
}

QString MoonPhaseTable::fieldText(int kind, int field) const {
    if (kind < 0 || kind > 3 || field < 0 || field > 3) return {};
    return fields_[kind][field]->text();
}

}  // namespace vantorel
