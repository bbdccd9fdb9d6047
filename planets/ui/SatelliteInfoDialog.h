#pragma once

#include <QDialog>
#include <QHash>

#include "satellites/SatelliteInfoRecord.h"

class QLabel;

// The satellite information box: the name as title, then period, mean
// distance, size, magnitude, discovery and apparent diameter of one satellite.

namespace vantorel {

class SatelliteInfoDialog : public QDialog {
    Q_OBJECT
public:
    SatelliteInfoDialog(const SatelliteInfoRecord& record, int language, QWidget* parent = nullptr);
    // The note shown under the record when the place is approximate.
    static constexpr int kApproximateNote = 1129;
    // The text of a control (1117-1129); empty for another number.
    QString controlText(int id) const;

private:
    QHash<int, QLabel*> controls_;
};

}  // namespace vantorel
