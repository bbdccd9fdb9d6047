#include "satellites/ui/PhenomenaGeneratorDialog.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include "common/settings/Settings.h"
#include "common/text/DateText.h"
#include "common/ui/DialogHelpers.h"
#include "common/ui/WindowHost.h"
#include "common/ui/WindowServices.h"
#include "engine/Clock.h"

namespace vantorel {

namespace {

constexpr TextTriple kTitle{"Jupiter's satellites (geocentric phenomena)",
                            "Satellites de Jupiter (ph\u00e9nom\u00e8nes g\u00e9ocentriques)",
                            "Sat\u00e9lites de J\u00fapiter (fen\u00f3menos geoc\u00e9ntricos)"};
constexpr TextTriple kStartGroup{"Start date", "Date de d\u00e9part", "Fecha de partida"};
constexpr TextTriple kDay{"Day:", "Jour:", "D\u00eda:"};
constexpr TextTriple kMonth{"Month:", "Mois:", "Mes:"};
constexpr TextTriple kYear{"Year:", "Ann\u00e9e:", "A\u00f1o:"};
constexpr TextTriple kFileName{"File name", "Nom du fichier", "Nombre del archivo"};
constexpr TextTriple kInterval{"Interval", "Intervalle", "Intervalo"};
constexpr TextTriple kUnitDay{"Day", "Jour", "D\u00eda"};
constexpr TextTriple kUnitMonth{"Month", "Mois", "Mes"};
constexpr TextTriple kUnitYear{"Year", "Ann\u00e9e", "A\u00f1o"};
constexpr TextTriple kCountPrompt{
    "Enter the number of days, months\nor year for the generations of data.",
    "Entrer le nombre de jours, mois ou\nann\u00e9e pour la simulation.",
    "Entrar el n\u00famero de d\u00edas, meses o\na\u00f1os para la simulaci\u00f3n."};
constexpr TextTriple kOutputGroup{"Output file", "Type de fichier de sortie",
                                  "Tipo de archivo de salida"};
constexpr TextTriple kTextOutput{"Generate a text file.", "G\u00e9n\u00e9rer un fichier texte.",
                                 "Generar un archivo de texto."};
constexpr TextTriple kYearlyOutput{"Generate file for Vantorel.", "Fichier utilis\u00e9 avec Vantorel.",
                                   "Archivo utilizado con Vantorel."};
constexpr TextTriple kPeriodBar{"Progression for the period", "Progression pour la p\u00e9riode",
                                "Progresi\u00f3n para el periodo"};
constexpr TextTriple kDayBar{"One day", "Un jour", "Un d\u00eda"};
constexpr TextTriple kStart{"Start", "Lancer", "Lanzar"};
constexpr TextTriple kExit{"Exit", "Sortir", "Salir"};
constexpr TextTriple kCancel{"Cancel", "Annuler", "Cancelar"};
constexpr TextTriple kPeriod{"Period: %1 to %2", "P\u00e9riode : du %1 au %2",
                             "Per\u00edodo: del %1 al %2"};
constexpr TextTriple kReplace{"The file %1 already exists.\nReplace it?",
                              "Le fichier %1 existe d\u00e9j\u00e0.\nLe remplacer ?",
                              "El archivo %1 ya existe.\n\u00bfReemplazarlo?"};
constexpr TextTriple kListingWritten{
    "The phenomena from %1 to %2 were written to\n%3\n(%4 lines).",
    "Les ph\u00e9nom\u00e8nes du %1 au %2 ont \u00e9t\u00e9 \u00e9crits dans\n%3\n(%4 lignes).",
    "Los fen\u00f3menos del %1 al %2 se escribieron en\n%3\n(%4 l\u00edneas)."};
constexpr TextTriple kYearlyWritten{
    "The phenomena of %1 were written to\n%2\n(%3 rows).",
    "Les ph\u00e9nom\u00e8nes de %1 ont \u00e9t\u00e9 \u00e9crits dans\n%2\n(%3 lignes).",
    "Los fen\u00f3menos de %1 se escribieron en\n%2\n(%3 l\u00edneas)."};

}  // namespace

PhenomenaGeneratorDialog::PhenomenaGeneratorDialog(WindowHost& host, QWidget* parent) : QDialog(parent), host_(host) {
    setObjectName(QStringLiteral("PhenomenaGeneratorDialog"));
    setModal(false);
    // Exit ends the window; the command makes a new one next time.
    setAttribute(Qt::WA_DeleteOnClose);
    const int lang = host.settings().languageIndex();
    setWindowTitle(tr3(kTitle, lang));
    const LocalClockReading today = host.clock().now();

    auto label = [&](const TextTriple& text, int id, QWidget* owner) {
        auto* l = new QLabel(tr3(text, lang), owner);
        nameControl(l, id);
        return l;
    };
    auto lineEdit = [&](const QString& text, int id, QWidget* owner, int maxLength) {
        auto* e = new QLineEdit(text, owner);
        e->setMaxLength(maxLength);
        nameControl(e, id);
        return e;
    };
    auto radioButton = [&](const TextTriple& text, int id, QWidget* owner) {
        auto* r = new QRadioButton(tr3(text, lang), owner);
        nameControl(r, id);
        return r;
    };
    auto* layout = new QVBoxLayout(this);

    auto* startGroup = new QGroupBox(tr3(kStartGroup, lang), this);
    nameControl(startGroup, 1121);
    auto* dateRow = new QHBoxLayout(startGroup);
    dateRow->addWidget(label(kDay, 1122, startGroup));
    dateRow->addWidget(lineEdit(QString::number(today.day), 1000, startGroup, 4));
    dateRow->addWidget(label(kMonth, 1123, startGroup));
    dateRow->addWidget(lineEdit(QString::number(today.month), 1001, startGroup, 4));
    dateRow->addWidget(label(kYear, 1124, startGroup));
    dateRow->addWidget(lineEdit(QString::number(today.year), 1002, startGroup, 6));
    layout->addWidget(startGroup);

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(label(kFileName, 1126, this));
    fileRow->addWidget(lineEdit(QStringLiteral("JupSat.txt"), 1127, this, 255), 1);
    layout->addLayout(fileRow);

    auto* interval = new QGroupBox(tr3(kInterval, lang), this);
    nameControl(interval, 1128);
    auto* intervalLayout = new QGridLayout(interval);
    auto* units = new QButtonGroup(this);
    QRadioButton* unitDay = radioButton(kUnitDay, 1129, interval);
    units->addButton(unitDay);
    units->addButton(radioButton(kUnitMonth, 1130, interval));
    units->addButton(radioButton(kUnitYear, 1131, interval));
    unitDay->setChecked(true);
    for (int i = 0; i < 3; ++i) intervalLayout->addWidget(units->buttons()[i], i, 0);
    intervalLayout->addWidget(label(kCountPrompt, 1132, interval), 0, 1, 2, 1);
    intervalLayout->addWidget(lineEdit(QStringLiteral("1"), 1133, interval, 4), 2, 1);
    // The days the run will cover: a month starts on the 1st and a year on
    // 1 January whatever the day entered, which the window says before it
    // writes anything.
    auto* period = new QLabel(interval);
    nameControl(period, 1141);
    intervalLayout->addWidget(period, 3, 0, 1, 2);
    layout->addWidget(interval);

    auto* output = new QGroupBox(tr3(kOutputGroup, lang), this);
    nameControl(output, 1134);
    auto* outputLayout = new QVBoxLayout(output);
    auto* outputs = new QButtonGroup(this);
    QRadioButton* textOutput = radioButton(kTextOutput, 1135, output);
    outputs->addButton(textOutput);
    outputs->addButton(radioButton(kYearlyOutput, 1136, output));
    textOutput->setChecked(true);
    for (QAbstractButton* b : outputs->buttons()) outputLayout->addWidget(b);
    layout->addWidget(output);

    for (auto [text, labelId, barId] : {std::tuple{kPeriodBar, 1137, 1138}, std::tuple{kDayBar, 1139, 1140}}) {
        layout->addWidget(label(text, labelId, this));
        auto* b = new QProgressBar(this);
        b->setTextVisible(false);
        b->setRange(0, 1);
        b->setValue(0);
        nameControl(b, barId);
        layout->addWidget(b);
    }

    auto* buttons = new QHBoxLayout;
    start_ = new QPushButton(tr3(kStart, lang), this);
    nameControl(start_, 1);
    cancel_ = new QPushButton(tr3(kCancel, lang), this);
    nameControl(cancel_, 3);
    exit_ = new QPushButton(tr3(kExit, lang), this);
    nameControl(exit_, 2);
    start_->setDefault(true);
    buttons->addWidget(start_);
    buttons->addWidget(cancel_);
    buttons->addWidget(exit_);
    layout->addLayout(buttons);
    poll_ = new QTimer(this);
    connect(poll_, &QTimer::timeout, this, [this] {
        if (!reached_) return;
        const long at = reached_->load(std::memory_order_relaxed);
        progress(at / 24, static_cast<int>(at % 24));
    });
    connect(start_, &QPushButton::clicked, this, &PhenomenaGeneratorDialog::startGeneration);
    connect(cancel_, &QPushButton::clicked, this, &PhenomenaGeneratorDialog::cancelGeneration);
    connect(exit_, &QPushButton::clicked, this, &PhenomenaGeneratorDialog::reject);
    for (QLineEdit* e : findChildren<QLineEdit*>())
        connect(e, &QLineEdit::textChanged, this, &PhenomenaGeneratorDialog::showPeriod);
    for (QRadioButton* r : findChildren<QRadioButton*>())
        connect(r, &QRadioButton::toggled, this, &PhenomenaGeneratorDialog::showPeriod);
    setRunning(false);
    showPeriod();
}

PhenomenaGeneratorDialog::~PhenomenaGeneratorDialog() {
    if (thread_) {
        cancelFlag_->store(true);
        thread_->wait();
    }
}

QLineEdit* PhenomenaGeneratorDialog::edit(int id) const {
    return findChild<QLineEdit*>(QStringLiteral("ctl%1").arg(id));
}
QRadioButton* PhenomenaGeneratorDialog::radio(int id) const {
    return findChild<QRadioButton*>(QStringLiteral("ctl%1").arg(id));
}
QProgressBar* PhenomenaGeneratorDialog::bar(int id) const {
    return findChild<QProgressBar*>(QStringLiteral("ctl%1").arg(id));
}

QString PhenomenaGeneratorDialog::dayText(const LocalMinute& day) const {
    return QString::fromStdString(
        unlabelledDateText(host_.settings().dateFormatIndex(), day.year, day.month, day.day));
}

void PhenomenaGeneratorDialog::showPeriod() {
    auto* label = findChild<QLabel*>(QStringLiteral("ctl1141"));
    if (!label) return;
    const GeneratorRequest r = request();
    if (!validateGeneratorRequest(r).empty()) {
        label->clear();
        return;
    }
    const GeneratorPeriod period = generatorPeriod(r);
    label->setText(tr3(kPeriod, host_.settings().languageIndex())
                       .arg(dayText(period.first), dayText(period.last)));
}

QString PhenomenaGeneratorDialog::controlText(int id) const {
    if (id == 0) return windowTitle();
    const QString name = QStringLiteral("ctl%1").arg(id);
    if (auto* l = findChild<QLabel*>(name)) return l->text();
    if (auto* b = findChild<QAbstractButton*>(name)) return b->text();
    if (auto* g = findChild<QGroupBox*>(name)) return g->title();
    if (auto* e = findChild<QLineEdit*>(name)) return e->text();
    return QString();
}

GeneratorRequest PhenomenaGeneratorDialog::request() const {
    const Settings& s = host_.settings();
    GeneratorRequest r;
    // Text that is not a whole number reads as 0, which every check refuses.
    auto number = [this](int id) { return edit(id)->text().trimmed().toInt(); };
    r.text.day = number(1000);
    r.text.month = number(1001);
    r.text.year = number(1002);
    r.text.path = edit(1127)->text().trimmed().toStdString();
    r.text.unit = radio(1131)->isChecked()   ? PeriodUnit::Year
                  : radio(1130)->isChecked() ? PeriodUnit::Month
                                             : PeriodUnit::Day;
    r.text.count = number(1133);
    r.text.zone = s.timeZone();
    r.text.language = s.languageIndex();
    r.yearlyFile = radio(1136)->isChecked();
    r.redSpotLongitude = s.redSpotLongitude;
    return r;
}

void PhenomenaGeneratorDialog::setRunning(bool on) {
    start_->setEnabled(!on);
    cancel_->setEnabled(on);
    for (QLineEdit* e : findChildren<QLineEdit*>()) e->setEnabled(!on);
    for (QRadioButton* r : findChildren<QRadioButton*>()) r->setEnabled(!on);
}

void PhenomenaGeneratorDialog::startGeneration() {
    if (thread_) return;
    GeneratorRequest r = request();
    if (r.text.path.empty()) r.text.path = "JupSat.txt";
    if (const std::string refused = validateGeneratorRequest(r); !refused.empty()) {
        playQuestionSound();
        messageBox(this, QString::fromStdString(refused));
        return;
    }
    // A listing already there is replaced only when the user says so; one
    // that appears meanwhile is not replaced at all.
    const int lang = host_.settings().languageIndex();
    r.text.replaceExisting = generatorReplacesAFile(r);
    if (r.text.replaceExisting) {
        playQuestionSound();
        if (!askYesNo(this, tr3(kReplace, lang).arg(QString::fromStdString(r.text.path)), lang)) return;
    }
    running_ = r;
    days_ = std::max(1, generatorDays(r));
    bar(1138)->setRange(0, days_);
    bar(1138)->setValue(0);
    bar(1140)->setRange(0, 24);
    bar(1140)->setValue(0);
    cancelFlag_ = std::make_shared<std::atomic<bool>>(false);
    auto result = std::make_shared<FileResult>();
    auto flag = cancelFlag_;
    // The thread only notes where it is; the window looks every 40 ms. Posting
    // each of the year's 8 800 hours to the window instead floods its event
    // queue and starves its timers and input for up to a second.
    auto reached = std::make_shared<std::atomic<long>>(0);
    reached_ = reached;
    thread_ = QThread::create([r, result, flag, reached] {
        *result = runGenerator(
            r, [reached](long day, int hour) { reached->store(day * 24 + hour, std::memory_order_relaxed); },
            flag.get());
    });
    poll_->start(40);
    connect(thread_, &QThread::finished, this, [this, result, run = thread_] {
        if (run != thread_) return;  // a run already ended by Exit
        result_ = *result;
        done();
    });
    setRunning(true);
    // Below the window's own thread, so the window is served first.
    thread_->start(QThread::LowPriority);
}

void PhenomenaGeneratorDialog::progress(long day, int hour) {
    if (!thread_) return;
    bar(1138)->setValue(static_cast<int>(std::min<long>(day, days_)));
    bar(1140)->setValue(std::clamp(hour + 1, 0, 24));
}

void PhenomenaGeneratorDialog::cancelGeneration() {
    if (cancelFlag_) cancelFlag_->store(true);
}

void PhenomenaGeneratorDialog::done() {
    if (!thread_) return;
    poll_->stop();
    thread_->wait();
    delete thread_;
    thread_ = nullptr;
    if (result_.ok) {
        // Both bars at their ends before they go back to the start.
        bar(1138)->setValue(days_);
        bar(1140)->setValue(24);
    }
    bar(1138)->setValue(0);
    bar(1140)->setValue(0);
    setRunning(false);
    if (result_.ok) {
        playExclamationSound();
        messageBox(this, writtenMessage());
    } else if (!result_.cancelled) {
        playQuestionSound();
        messageBox(this, QString::fromStdString(result_.message));
    }
    emit finished(result_.ok);
}

QString PhenomenaGeneratorDialog::writtenMessage() const {
    const int lang = host_.settings().languageIndex();
    const QString path = QString::fromStdString(result_.path);
    const QString rows = QString::number(result_.rows);
    if (running_.yearlyFile)
        return tr3(kYearlyWritten, lang).arg(QString::number(running_.text.year), path, rows);
    const GeneratorPeriod period = generatorPeriod(running_);
    return tr3(kListingWritten, lang).arg(dayText(period.first), dayText(period.last), path, rows);
}

void PhenomenaGeneratorDialog::reject() {
    // Leaving stops a run first; its file is not kept.
    if (thread_) {
        cancelFlag_->store(true);
        thread_->wait();
        result_ = FileResult{};
        result_.cancelled = true;
        done();
    }
    QDialog::reject();
}

void PhenomenaGeneratorDialog::closeEvent(QCloseEvent* event) {
    reject();
    event->accept();
}

}  // namespace vantorel
