#include "tonight/ui/CalendarExportDialog.h"

#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

#include <atomic>
#include <cstdio>
#include <thread>

#include "common/files/Paths.h"
#include "common/settings/Settings.h"
#include "common/text/DateText.h"
#include "common/ui/DialogHelpers.h"
#include "common/ui/WindowHost.h"
#include "common/ui/WindowServices.h"
#include "engine/Clock.h"
#include "tonight/NightCalendar.h"

namespace vantorel {

namespace {

const TextTriple kTitle{"Export to calendar", "Exporter vers l'agenda", "Exportar al calendario"};
const TextTriple kNights{"Nights from the night of %s:", "Nuits \u00e0 partir de celle du %s :",
                         "Noches desde la del %s:"};
const TextTriple kNightsHint{"1 = this night only, up to 366", "1 = cette nuit seulement, jusqu'\u00e0 366",
                             "1 = solo esta noche, hasta 366"};
const TextTriple kFile{"File:", "Fichier :", "Archivo:"};
const TextTriple kBrowse{"Browse...", "Parcourir...", "Examinar..."};
const TextTriple kReplace{"%s already exists. Replace it?", "%s existe d\u00e9j\u00e0. Le remplacer ?",
                          "%s ya existe. \u00bfReemplazarlo?"};
const TextTriple kWorking{"Computing the nights...", "Calcul des nuits...", "C\u00e1lculo de las noches..."};
const TextTriple kStop{"Stop", "Arr\u00eater", "Detener"};
const TextTriple kWritten{"%d events written to %s", "%d \u00e9v\u00e9nements \u00e9crits dans %s",
                          "%d eventos escritos en %s"};
const TextTriple kStopped{"Stopped: no file was written.", "Arr\u00eat\u00e9 : aucun fichier n'a \u00e9t\u00e9 \u00e9crit.",
                          "Detenido: no se ha escrito ning\u00fan archivo."};
const TextTriple kCalendarFiles{"Calendar files (*.ics)", "Fichiers d'agenda (*.ics)",
                                "Archivos de calendario (*.ics)"};

QString format(const TextTriple& t, int lang, const QString& a) {
    return QString::fromUtf8(t(lang)).replace(QStringLiteral("%s"), a);
}

}  // namespace

CalendarExportDialog::CalendarExportDialog(WindowHost& host, const NightRequest& firstNight, QWidget* parent)
    : QDialog(parent), host_(host), first_(firstNight), language_(host.settings().languageIndex()) {
    setObjectName(QStringLiteral("CalendarExportDialog"));
    setWindowTitle(tr3(kTitle, language_));
    const QString night = QString::fromStdString(
        unlabelledDateText(host.settings().dateFormatIndex(), first_.year, first_.month, first_.day));
    nights_ = new QSpinBox(this);
    nights_->setRange(1, kMaxCalendarNights);
    nights_->setValue(1);
    nights_->setObjectName(QStringLiteral("nights"));
    char name[48];
    std::snprintf(name, sizeof name, "nights-%04d-%02d-%02d.ics", first_.year, first_.month, first_.day);
    file_ = new QLineEdit(QString::fromStdString(Paths::exportFile(name).string()), this);
    file_->setObjectName(QStringLiteral("file"));
    file_->setMinimumWidth(320);
    auto* browse = new QPushButton(tr3(kBrowse, language_), this);
    connect(browse, &QPushButton::clicked, this, &CalendarExportDialog::browse);

    auto* form = new QFormLayout;
    auto* nightsRow = new QHBoxLayout;
    nightsRow->addWidget(nights_);
    nightsRow->addWidget(new QLabel(tr3(kNightsHint, language_), this), 1);
    form->addRow(format(kNights, language_, night), nightsRow);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(file_, 1);
    fileRow->addWidget(browse);
    form->addRow(tr3(kFile, language_), fileRow);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(okCancelButtons(this, language_));
}

void CalendarExportDialog::browse() {
    const QString chosen = QFileDialog::getSaveFileName(this, tr3(kTitle, language_), file_->text(),
                                                        tr3(kCalendarFiles, language_));
    if (!chosen.isEmpty()) file_->setText(chosen);
}

void CalendarExportDialog::accept() {
    const QString text = file_->text().trimmed();
    if (text.isEmpty()) return;
    const QString path = QString::fromStdString(Paths::exportFile(text.toStdString()).string());
    // Nothing the user did not ask to replace is replaced.
    bool replace = false;
    if (QFileInfo::exists(path)) {
        const auto answer = QMessageBox::question(this, tr3(kTitle, language_), format(kReplace, language_, path));
        if (answer != QMessageBox::Yes) return;
        replace = true;
    }
    if (runExport(path, replace)) QDialog::accept();
}

bool CalendarExportDialog::runExport(const QString& path, bool replace) {
    CalendarRequest rq;
    rq.first = first_;
    rq.nights = nights_->value();
    rq.language = language_;
    rq.dateFormat = host_.settings().dateFormatIndex();
    if (const std::string refused = validateCalendarRequest(rq); !refused.empty()) {
        messageBox(this, QString::fromStdString(refused));
        return false;
    }
    const double stamp = host_.clock().universalJd();
    const std::string target = path.toStdString();

    // The nights on a worker thread; this one keeps the windows alive and
    // shows how far it got.
    std::atomic<int> done{0};
    std::atomic<bool> cancel{false}, finished{false};
    CalendarWrite result;
    std::thread worker([&] {
        result = writeNightCalendar(rq, target, stamp, replace, [&](int n, int) { done = n; }, &cancel);
        finished = true;
    });
    QProgressDialog progress(tr3(kWorking, language_), tr3(kStop, language_), 0, rq.nights, this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(30);
    connect(&poll, &QTimer::timeout, &loop, [&] {
        progress.setValue(std::min(done.load(), rq.nights - 1));
        if (progress.wasCanceled()) cancel = true;
        if (finished) loop.quit();
    });
    poll.start();
    loop.exec();
    worker.join();
    progress.reset();

    if (result.cancelled) {
        outcome_ = tr3(kStopped, language_);
        messageBox(this, outcome_);
        return false;
    }
    if (!result.ok) {
        outcome_ = QString::fromStdString(result.message);
        messageBox(this, outcome_);
        return false;
    }
    outcome_ = QString::fromUtf8(kWritten(language_))
                   .replace(QStringLiteral("%d"), QString::number(result.events))
                   .replace(QStringLiteral("%s"), path);
    messageBox(this, outcome_);
    return true;
}

}  // namespace vantorel
