#pragma once

#include <QDialog>
#include <QPointer>

#include <atomic>
#include <memory>

#include "satellites/PhenomenaGenerator.h"

class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QThread;
class QTimer;

// The phenomena generator: a start date, a period of days, months or a year,
// and either the readable listing or the yearly file the day search reads.
// It shows the days the run will cover, asks before replacing a listing, and
// says at the end what it wrote and where.
// The work runs in a thread of its own so the window and the program go on
// answering; the two bars follow the days and the hours, and Cancel stops it
// leaving no file behind.

namespace vantorel {

class WindowHost;

class PhenomenaGeneratorDialog : public QDialog {
    Q_OBJECT
public:
    explicit PhenomenaGeneratorDialog(WindowHost& host, QWidget* parent = nullptr);
    ~PhenomenaGeneratorDialog() override;

    // Controls by their numbers: edits 1000-1002 (day, month, year), 1127
    // (file name), 1133 (count); radios 1129-1131 (unit), 1135-1136 (output);
    // bars 1138 (period), 1140 (day).
    QLineEdit* edit(int id) const;
    QRadioButton* radio(int id) const;
    QProgressBar* bar(int id) const;
    QPushButton* startButton() const { return start_; }
    QPushButton* cancelButton() const { return cancel_; }
    QString controlText(int id) const;

    bool running() const { return thread_ != nullptr; }
    // What the controls ask for now.
    GeneratorRequest request() const;
    // The last run's result (after `finished`).
    const FileResult& lastResult() const { return result_; }

    // Start: checks the entries (a beep and a message for the first refused
    // one), then generates.
    void startGeneration();
    void cancelGeneration();

signals:
    void finished(bool ok);

protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

private:
    void progress(long day, int hour);
    void done();
    void setRunning(bool on);
    // The period the entries ask for, under the interval (empty while an
    // entry is refused).
    void showPeriod();
    QString dayText(const LocalMinute& day) const;
    // What the last run wrote, where, and over which days.
    QString writtenMessage() const;

    WindowHost& host_;
    QPushButton* start_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* exit_ = nullptr;
    QThread* thread_ = nullptr;
    std::shared_ptr<std::atomic<bool>> cancelFlag_;
    // Day * 24 + hour the run has reached, read by the bars' timer.
    std::shared_ptr<std::atomic<long>> reached_;
    QTimer* poll_ = nullptr;
    FileResult result_;
    GeneratorRequest running_;  // the request of the last run
    int days_ = 0;
};

}  // namespace vantorel
