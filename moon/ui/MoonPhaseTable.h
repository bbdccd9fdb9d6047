#pragma once

#include <QDialog>
#include <QImage>

#include "moon/PhaseTableText.h"

class QLabel;

// The Moon-phase table: four columns (new moon, first quarter, full moon,
// last quarter), each under its picture, with a first and a second date and
// time of the current and the following month.

namespace vantorel {

class MoonPhaseTable : public QDialog {
    Q_OBJECT
public:
    MoonPhaseTable(int language, int projection, QWidget* parent = nullptr);

    void fill(const PhaseTableText& table);
    // The text in column `kind` (0-3), field PhaseTableText::Field.
    QString fieldText(int kind, int field) const;
    const QImage& phasePicture(int kind) const { return pictures_[kind]; }

    // A 33 x 33 picture of the Moon at the phase whose colongitude is given.
    static QImage phasePictureFor(double colongitudeDeg, int projection);

private:
    QLabel* fields_[4][4] = {};
    QImage pictures_[4];
};

}  // namespace vantorel
