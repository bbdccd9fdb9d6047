#include "planets/ui/MarsSeasonDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/ui/DialogHelpers.h"
#include "common/ui/WindowServices.h"
#include "sky/MarsSeasonSearch.h"

namespace vantorel {

namespace {

int typedNumber(const QLineEdit* edit) {
    bool ok = false;
    const int v = edit->text().trimmed().toInt(&ok);
    return ok ? v : 0;
}

}  // namespace

MarsSeasonDialog::MarsSeasonDialog(int language, int startYear, int years, Field focus, QWidget* parent)
    : QDialog(parent), focus_(focus) {
    setObjectName(QStringLiteral("MarsSeasonDialog"));
    setWindowTitle(tr3(kSeasonDialogTitle, language));
    start_ = new QLineEdit(QString::number(startYear), this);
    years_ = new QLineEdit(QString::number(years), this);
    start_->setObjectName(QStringLiteral("startYear"));
    years_->setObjectName(QStringLiteral("years"));
    // Room for a few more digits than a year, so a wrong entry stays readable.
    const int digits = start_->fontMetrics().horizontalAdvance(QStringLiteral("000000"));
    start_->setMinimumWidth(digits);
    years_->setMinimumWidth(digits);

    auto* group = new QGroupBox(tr3(kSeasonDialogGroup, language), this);
    auto* form = new QFormLayout(group);
    form->addRow(tr3(kSeasonDialogStart, language), start_);
    form->addRow(tr3(kSeasonDialogYears, language), years_);
    form->addRow(new QLabel(tr3(kSeasonDialogMaximum, language), group));

    QDialogButtonBox* buttons = okCancelButtons(this, language);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr3(kSeasonDialogCancel, language));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
}

int MarsSeasonDialog::startYear() const { return typedNumber(start_); }

int MarsSeasonDialog::years() const { return typedNumber(years_); }

void MarsSeasonDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    QLineEdit* target = focus_ == kYearsField ? years_ : start_;
    target->setFocus();
    if (focus_ != kNoField) target->selectAll();
}

bool askSeasonPeriod(QWidget* parent, int language, int defaultStartYear, int& startYear,
                     int& years) {
    startYear = defaultStartYear;
    years = 1;
    MarsSeasonDialog::Field focus = MarsSeasonDialog::kNoField;
    for (;;) {
        MarsSeasonDialog dialog(language, startYear, years, focus, parent);
        if (dialog.exec() != QDialog::Accepted) return false;
        startYear = dialog.startYear();
        years = dialog.years();
        const int code = validateSeasonParameters(startYear, years);
        if (code == kSeasonParametersValid) return true;
        playQuestionSound();
        messageBox(parent, QString::fromUtf8(seasonParameterMessage(code, language)));
        focus = code == kSeasonYearInvalid ? MarsSeasonDialog::kStartYearField : MarsSeasonDialog::kYearsField;
    }
}

}  // namespace vantorel
