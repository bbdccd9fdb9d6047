#include "common/ui/DateTimeDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/text/DateText.h"
#include "common/ui/DialogHelpers.h"

namespace vantorel {

namespace {

QComboBox* makeList(QWidget* parent, int control, int first, int last, bool twoDigits) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QStringLiteral("ctl%1").arg(control));
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    for (int v = first; v <= last; ++v)
        list->addItem(twoDigits ? QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'))
                                : QString::number(v));
    return list;
}

int fieldValue(const QComboBox* list) {
    bool ok = false;
    const int v = list->currentText().trimmed().toInt(&ok);
    return ok ? v : 0;
}

// Selects the list entry of a number; shows the number itself when the list
// does not hold it, so a value outside the lists still reaches the check.
void showValue(QComboBox* list, int value, bool twoDigits) {
    const QString text = twoDigits ? QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'))
                                   : QString::number(value);
    const int index = list->findText(text);
    list->setCurrentIndex(index);
    if (index < 0) list->setEditText(text);
}

}  // namespace

DateTimeDialog::DateTimeDialog(int language, const DateEntry& shown, bool allWindowsOffered, int lastError,
                 const Clock& clock, QWidget* parent)
    : QDialog(parent), clock_(clock), month_(shown.month), lastError_(lastError) {
    setObjectName(QStringLiteral("DateTimeDialog"));
    setWindowTitle(tr3(datesel::kCaption, language));

    dayList_ = makeList(this, kDay, 1, 31, false);
    monthList_ = makeList(this, kMonth, 1, 12, false);
    yearList_ = makeList(this, kYear, datesel::kFirstListedYear, datesel::kLastListedYear, false);
    hourList_ = makeList(this, kHour, 0, 23, true);
    minuteList_ = makeList(this, kMinute, 0, 59, true);

    auto* dateGroup = new QGroupBox(tr3(datesel::kDateGroup, language), this);
    dateGroup->setObjectName(QStringLiteral("ctl1061"));
    auto* dateGrid = new QGridLayout(dateGroup);
    dateGrid->addWidget(new QLabel(tr3(datesel::kDay, language)), 0, 0);
    dateGrid->addWidget(dayList_, 1, 0);
    dateGrid->addWidget(new QLabel(tr3(datesel::kMonth, language)), 0, 1);
    dateGrid->addWidget(monthList_, 1, 1);
    dateGrid->addWidget(new QLabel(tr3(datesel::kYear, language)), 0, 2);
    dateGrid->addWidget(yearList_, 1, 2);

    auto* timeGroup = new QGroupBox(tr3(datesel::kTimeGroup, language), this);
    timeGroup->setObjectName(QStringLiteral("ctl1060"));
    auto* timeGrid = new QGridLayout(timeGroup);
    timeGrid->addWidget(new QLabel(tr3(datesel::kHour, language)), 0, 0);
    timeGrid->addWidget(hourList_, 1, 0);
    timeGrid->addWidget(new QLabel(tr3(datesel::kMinute, language)), 0, 1);
    timeGrid->addWidget(minuteList_, 1, 1);

    auto* now = new QPushButton(tr3(datesel::kCurrentTime, language), this);
    now->setObjectName(QStringLiteral("ctl%1").arg(kCurrentTime));
    now->setAutoDefault(false);
    connect(now, &QPushButton::clicked, this, &DateTimeDialog::selectCurrentTime);

    allWindows_ = new QCheckBox(tr3(datesel::kAllWindows, language), this);
    allWindows_->setObjectName(QStringLiteral("ctl%1").arg(kAllWindows));
    allWindows_->setChecked(shown.allWindows);
    allWindows_->setEnabled(allWindowsOffered);

    QDialogButtonBox* buttons = okCancelButtons(this, language);

    auto* top = new QHBoxLayout;
    top->addWidget(dateGroup, 3);
    top->addWidget(timeGroup, 2);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(now);
    bottom->addStretch();
    bottom->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(allWindows_);
    layout->addLayout(bottom);

    showValue(dayList_, shown.day, false);
    showValue(monthList_, shown.month, false);
    showValue(yearList_, shown.year, false);
    showValue(hourList_, shown.hour, true);
    showValue(minuteList_, shown.minute, true);
    rebuildDayList();

    // The day list follows the month, whether it is picked or typed.
    connect(monthList_, &QComboBox::currentIndexChanged, this, [this](int) { rebuildDayList(); });
    connect(monthList_, &QComboBox::editTextChanged, this, [this](const QString&) { rebuildDayList(); });
}

int DateTimeDialog::monthFromList() const {
    const int typed = fieldValue(monthList_);
    return typed >= 1 && typed <= 12 ? typed : month_;
}

void DateTimeDialog::rebuildDayList() {
    const int days = datesel::listedDays(monthFromList());
    if (dayList_->count() == days) return;
    // The day field keeps exactly what it shows: a day beyond the new month
    // is refused by the check on OK with its message, never quietly turned
    // into another day.
    const QString shownDay = dayList_->currentText();
    const QSignalBlocker quiet(dayList_);
    dayList_->clear();
    for (int d = 1; d <= days; ++d) dayList_->addItem(QString::number(d));
    const int index = dayList_->findText(shownDay.trimmed());
    dayList_->setCurrentIndex(index);
    if (index < 0) dayList_->setEditText(shownDay);
}

void DateTimeDialog::selectCurrentTime() {
    const LocalClockReading now = clock_.now();
    showValue(monthList_, now.month, false);
    rebuildDayList();
    showValue(dayList_, now.day, false);
    const int yearIndex = yearList_->findText(QString::number(now.year));
    yearList_->setCurrentIndex(yearIndex);
    if (yearIndex < 0) yearList_->setEditText(QString());
    showValue(hourList_, now.hour, true);
    showValue(minuteList_, now.minute, true);
}

DateEntry DateTimeDialog::entry() const {
    return {fieldValue(dayList_), fieldValue(monthList_), fieldValue(yearList_),
            fieldValue(hourList_), fieldValue(minuteList_), allWindows_->isChecked()};
}

QComboBox* DateTimeDialog::field(Control c) const {
    switch (c) {
    case kDay: return dayList_;
    case kMonth: return monthList_;
    case kYear: return yearList_;
    case kHour: return hourList_;
    case kMinute: return minuteList_;
    default: return nullptr;
    }
}

DateTimeDialog::Control DateTimeDialog::focusFieldFor(int code) {
    switch (code) {
    case kYearOutOfRange: return kYear;
    case kMonthOutOfRange: return kMonth;
    case kHourOutOfRange: return kHour;
    case kMinuteOutOfRange: return kMinute;
    default: return kDay;
    }
}

void DateTimeDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    QComboBox* target = field(focusFieldFor(lastError_));
    target->setFocus(Qt::OtherFocusReason);
    if (target->lineEdit()) target->lineEdit()->selectAll();
}

}  // namespace vantorel
