#include "planets/ui/SatelliteInfoDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "common/text/LanguageText.h"

namespace vantorel {

SatelliteInfoDialog::SatelliteInfoDialog(const SatelliteInfoRecord& record, int language, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QString::fromStdString(record.title(language)));
    auto* grid = new QGridLayout(this);
    struct Row {
        int labelId;
        TextTriple label;
        int valueId;
        QString value;
    };
    const Row rows[] = {
        {1117, {"Orbital Period (d):", "P\u00e9r. orbitale ( j ):", "Per. de revoluci\u00f3n:"}, 1118,
         QString::fromUtf8(record.period)},
        {1119, {"Semi-major axis:", "Dist. moyenne:", "Dist. media:"}, 1120,
         QString::fromUtf8(record.distance)},
        {1121, {"Radius:", "Rayon:", "Radio:"}, 1122, QString::fromUtf8(record.size)},
        {1124, {"Magnitude:", "Magnitude:", "Magnitud:"}, 1125, QString::fromUtf8(record.magnitude)},
        {1127, {"App. diameter:", "Diam\u00e8tre app.:", "Di\u00e1metro:"}, 1128,
         QString::fromStdString(record.apparentDiameter)},
    };
    int r = 0;
    for (const Row& row : rows) {
        auto* label = new QLabel(QString::fromUtf8(row.label(language)), this);
        auto* value = new QLabel(row.value, this);
        controls_.insert(row.labelId, label);
        controls_.insert(row.valueId, value);
        grid->addWidget(label, r, 0);
        grid->addWidget(value, r, 1);
        ++r;
    }
    auto* discovery = new QLabel(QString::fromUtf8(record.discovery), this);
    controls_.insert(1126, discovery);
    grid->addWidget(discovery, r++, 0, 1, 2);
    if (record.approximate) {
        // Beyond the fitted records the moon is placed by its mean motion alone.
        auto* note = new QLabel(
            QString::fromUtf8(pickText(language, "approximate", "approximative", "aproximada")),
            this);
        controls_.insert(kApproximateNote, note);
        grid->addWidget(note, r++, 0, 1, 2);
    }
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    grid->addWidget(ok, r, 0, 1, 2, Qt::AlignHCenter);
}

QString SatelliteInfoDialog::controlText(int id) const {
    const QLabel* l = controls_.value(id, nullptr);
    return l ? l->text() : QString();
}

}  // namespace vantorel
