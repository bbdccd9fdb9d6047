#pragma once

#include <QDialog>

#include "common/settings/DateTimeCommand.h"
#include "engine/Clock.h"

class QCheckBox;
class QComboBox;

// The date and time dialog: five drop-down lists whose fields take any typed
// number (the validation alone decides), a "Current time" button and the box
// that applies the date to all windows.

namespace vantorel {

class DateTimeDialog : public QDialog {
    Q_OBJECT
public:
    // Control numbers, also the object names ("ctl1002").
    enum Control {
        kDay = 1000, kMonth = 1001, kYear = 1002, kHour = 1003, kMinute = 1004,
        kCurrentTime = 1011, kAllWindows = 1056,
    };

    // `lastError` is the validation code of the previous refused entry: its
    // field gets the focus when the dialog shows.
    DateTimeDialog(int language, const DateEntry& shown, bool allWindowsOffered, int lastError,
            const Clock& clock, QWidget* parent = nullptr);

    // The fields as typed: each read as an integer (0 when it is none).
    DateEntry entry() const;
    QComboBox* field(Control c) const;
    QCheckBox* allWindowsBox() const { return allWindows_; }
    // The field that gets the focus for a validation code.
    static Control focusFieldFor(int code);

    // Sets every field to the computer's clock.
    void selectCurrentTime();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void rebuildDayList();
    int monthFromList() const;

    const Clock& clock_;
    int month_;
    int lastError_;
    QComboBox* dayList_ = nullptr;
    QComboBox* monthList_ = nullptr;
    QComboBox* yearList_ = nullptr;
    QComboBox* hourList_ = nullptr;
    QComboBox* minuteList_ = nullptr;
    QCheckBox* allWindows_ = nullptr;
};

}  // namespace vantorel
