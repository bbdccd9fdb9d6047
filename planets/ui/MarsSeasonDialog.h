#pragma once

#include <QDialog>

class QLineEdit;

// The parameters of the Mars seasons list: the first year and how many years
// follow it. The values are checked by the command that opened the dialog;
// after a refusal the dialog opens again with the focus on the faulty field.

namespace vantorel {

class MarsSeasonDialog : public QDialog {
    Q_OBJECT
public:
    // Which field gets the focus when the dialog shows.
    enum Field : int { kNoField = -1, kStartYearField = 0, kYearsField = 1 };

    MarsSeasonDialog(int language, int startYear, int years, Field focus, QWidget* parent = nullptr);

    // The fields as typed; anything that is not a whole number reads as 0,
    // which the check refuses.
    int startYear() const;
    int years() const;
    QLineEdit* startYearEdit() const { return start_; }
    QLineEdit* yearsEdit() const { return years_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* start_ = nullptr;
    QLineEdit* years_ = nullptr;
    Field focus_;
};

// The Seasons command of the Mars window up to the search: the dialog until
// a valid entry (each refusal with its message, in the order the checks
// run) or Cancel. True with the start year and number of years on OK.
bool askSeasonPeriod(QWidget* parent, int language, int defaultStartYear, int& startYear,
                     int& years);

}  // namespace vantorel
