#pragma once

#include <QDialog>

#include "tonight/NightPlan.h"

class QLineEdit;
class QSpinBox;

// "Export to calendar...": the number of nights from the window's night (the
// next night alone, or up to a year) and the file. The nights are computed
// off the interface's thread under a progress window that can stop them; an
// existing file is replaced only when the user says so.

namespace vantorel {

class WindowHost;

class CalendarExportDialog : public QDialog {
    Q_OBJECT
public:
    CalendarExportDialog(WindowHost& host, const NightRequest& firstNight, QWidget* parent);

    QSpinBox* nights() const { return nights_; }
    QLineEdit* file() const { return file_; }
    // What the last export did: the message shown, and the file written.
    const QString& outcome() const { return outcome_; }

    void accept() override;

private:
    void browse();
    // Runs the export; false when it did not write the file (the dialog stays).
    bool runExport(const QString& path, bool replace);

    WindowHost& host_;
    NightRequest first_;
    int language_ = 0;
    QSpinBox* nights_ = nullptr;
    QLineEdit* file_ = nullptr;
    QString outcome_;
};

}  // namespace vantorel
