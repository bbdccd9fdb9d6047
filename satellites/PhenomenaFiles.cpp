#include "satellites/PhenomenaFiles.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "common/files/Paths.h"
#include "common/files/SafeFile.h"
#include "common/text/FileErrorText.h"
#include "common/text/LanguageText.h"
#include "engine/DateTime.h"

namespace vantorel {

namespace fs = std::filesystem;

namespace {

constexpr TextTriple kFileInUse = {
    "The file %s  exists and Vantorel uses it. It cannot be overwritten.",
    "Le fichier %s  existe et Vantorel l'utilise. Il ne peut pas être écrasé.",
    "El archivo %s  existe y Vantorel lo utiliza. No se puede sobrescribir."};
constexpr TextTriple kTextFileExists = {
    "The file %s already exists; it is not replaced.",
    "Le fichier %s existe déjà ; il n'est pas remplacé.",
    "El archivo %s ya existe; no se reemplaza."};
// A yearly file is about 60 KB; a larger one is not ours.
constexpr std::size_t kMaxYearlyFileBytes = 1 << 20;
// Io alone makes a contact more often than once a day: a longer gap between
// rows means rows are missing.
constexpr long kLongestRowGapDays = 2;
constexpr TextTriple kYearRefused = {"The year is not valid.", "L'année entrée n'est pas valide.",
                                     "Año inválido."};
constexpr TextTriple kMonthRefused = {"The month is not valid.", "Le mois entré n'est pas valide.",
                                      "Mes inválido."};
constexpr TextTriple kDayRefused = {"The day is not valid.", "Le jour entré n'est pas valide.",
                                    "Día inválido."};
constexpr TextTriple kDayLimit = {"The longest period in days is 60",
                                  "La période maximale en jours est 60",
                                  "El período máximo en días es 60"};
constexpr TextTriple kMonthLimit = {"The longest period in months is 11",
                                    "La période maximale en mois est 11",
                                    "El período máximo en meses es 11"};
constexpr TextTriple kYearLimit = {"The longest period in years is 1",
                                   "La période maximale en années est 1",
                                   "El período máximo en años es 1"};
constexpr TextTriple kCountTooSmall = {"The number of days, months or years must be at least 1",
                                       "Le nombre de jours, mois ou années doit être au moins 1",
                                       "El número de días, meses o años debe ser al menos 1"};

constexpr const char* kLegend[3][8] = {
    {"Ec.D. : eclipse disappearance\t\t\tI  : Io\n", "Ec.R. : eclipse reappearance\t\t\tII : Europa\n",
     "Oc.D. : occultation disappearance\t\tIII: Ganymede\n",
     "Oc.R. : occultation reappearance\t\tIV : Callisto\n", "Tr.I. : transit ingress\n",
     "Tr.E. : transit egress\n", "Sh.I. : shadow ingress\n", "Sh.E. : shadow egress\n"},
    {"Ec : commencement d'éclipse\tI  : Io\n", "Ef : fin d'éclipse\t\t\tII : Europe\n",
     "Im : immersion\t\t\t\tIII: Ganymède\n", "Em : émersion\t\t\t\t\tIV : Callisto\n",
     "Pc : passage du satellite sur le disque\n", "Pf : fin du passage\n",
     "Oc : passage de l'ombre sur le disque\n", "Of : fin du passage de l'ombre\n"},
    // Spanish rows use the English codes: the legend explains those.
    {"Ec.D. : desaparición por eclipse          I  : Io\n",
     "Ec.R. : reaparición tras el eclipse       II : Europa\n",
     "Oc.D. : desaparición por ocultación       III: Ganímedes\n",
     "Oc.R. : reaparición tras la ocultación    IV : Calisto\n",
     "Tr.I. : comienzo del tránsito del satélite\n",
     "Tr.E. : fin del tránsito del satélite\n",
     "Sh.I. : comienzo del tránsito de la sombra\n",
     "Sh.E. : fin del tránsito de la sombra\n"}};

constexpr TextTriple kColumnHeader = {" D    H  M     Sat.     Phe.   GRS (hh: mm)",
                                      " D    H  M     Sat.     Phé.   GTR (hh: mm)",
                                      " D    H  M     Sat.     Fen.   MR  (hh: mm)"};

constexpr const char* kMonths[3][12] = {
    {"January", "February", "March", "April", "May", "June", "July", "August", "September",
     "October", "November", "December"},
    {"Janvier", "Février", "Mars", "Avril", "Mai", "Juin", "Juillet", "Août", "Septembre",
     "Octobre", "Novembre", "Décembre"},
    {"Enero", "Febrero", "Marzo", "Abril", "Mayo", "Junio", "Julio", "Agosto", "Septiembre",
     "Octubre", "Noviembre", "Diciembre"}};

std::string formatted(const char* format, const std::string& value) {
    char buf[256];
    std::snprintf(buf, sizeof buf, format, value.c_str());
    return buf;
}

// Julian Day number of 0 h UT of a civil date, less one half: the integer
// the files use as the day number before the modulo.
long dayNumberOf(int year, int month, int day) {
    return daysBetween(1970, 1, 1, year, month, day) + 2440587;
}

// Reports the day and hour of a generation's computed minutes when they change.
class ProgressTracker {
public:
    ProgressTracker(const LocalMinute& first, const GenerationProgress& progress)
        : first_(first), progress_(progress) {}
    void at(const LocalMinute& m) {
        if (!progress_) return;
        const long day = daysBetween(first_.year, first_.month, first_.day, m.year, m.month, m.day);
        if (day < 0 || (day == day_ && m.hour == hour_)) return;
        day_ = day;
        hour_ = m.hour;
        progress_(day, m.hour);
    }

private:
    LocalMinute first_;
    const GenerationProgress& progress_;
    long day_ = -1;
    int hour_ = -1;
};

// Every use of a folder of yearly files clears what killed runs of any
// year left in it, and beside the file itself when it is a link.
void removeYearlyTemporaries(const std::string& path) {
    const fs::path folder = fs::path(path).parent_path();
    removeStaleTemporariesIn(folder.empty() ? "." : folder.string(), [](const std::string& name) {
        return name.size() == 9 && name[0] == 'j' && name.compare(5, 4, ".sat") == 0 &&
               name.find_first_not_of("0123456789", 1) == 5;
    });
    if (const std::string real = finalTarget(path); real != path) removeStaleTemporaries(real);
}

bool isLeap(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int monthLength(int year, int month) {
    static constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeap(year) ? 29 : kLengths[month - 1];
}

}  // namespace

const char* monthName(int month, int language) {
    if (month < 1 || month > 12) return "";
    return kMonths[safeLanguage(language)][month - 1];
}

std::string yearlyFileName(int year) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "j%d.sat", year);
    return buf;
}

FileResult generateYearlyFile(int year, GalileanMoons& sat, JupiterPlaceSource& source,
                              SearchMode mode, int language, const GenerationProgress& progress,
                              const GenerationCancel* cancel) {
    FileResult result;
    const std::string name = yearlyFileName(year);
    if (year < kFirstYear || year > kLastYear) {
        result.message = kYearRefused(language);
        return result;
    }
    const fs::path targetPath = Paths::yearlyFileToWrite(name);
    const std::string target = targetPath.string();
    // Killed runs' leftovers go even when this run is refused below.
    removeYearlyTemporaries(target);
    // A whole file of that year is the program's own and stays; anything
    // else under the name (left empty by a crash, cut short) may be replaced.
    const FileRead existing = readRegularFile(target, kMaxYearlyFileBytes);
    if (existing.ok() && parseYearlyFile(existing.bytes, year)) {
        result.message = formatted(kFileInUse(language), name);
        return result;
    }
    const bool damaged = existing.status != ReadStatus::Missing;
    AtomicFile out;
    // A folder that cannot be made shows as the cause of the failed open.
    Paths::makeParentDirectory(targetPath);
    // Our own files are read-only: a damaged one is replaced all the same.
    if (!out.open(target, damaged)) {
        result.message = cannotWriteFileMessage(target, out.error(), language);
        return result;
    }
    // 31 December of the year before, 0 h UT, to 1 January of the year after,
    // 14:00 UT; the detector starts an hour early.
    const LocalMinute first{year - 1, 12, 31, 0, 0};
    const long days = 1 + (isLeap(year) ? 366 : 365);
    const long lastMinute = days * 1440 + 14 * 60;
    sat.fileMode = true;
    GalileanPhenomenaSearch search(sat, source, mode);
    ProgressTracker tracker(first, progress);
    std::string line;
    bool writeFailed = false;  // a full disk: no use computing the rest
    search.run(first, TimeZone(), -60, 60 + lastMinute + 1, 0, formatDayLabel, [&](const LocalMinute& m) {
        if (cancel && cancel->load(std::memory_order_relaxed)) search.stop();
        tracker.at(m);
        for (int i = 0; i < sat.rows.count(); ++i) {
            line.assign(sat.rows[i].text);
            line += '\n';
            if (!out.write(line) && !writeFailed) {
                writeFailed = true;
                search.stop();
            }
            ++result.rows;
        }
        sat.rows.clear();
    });
    sat.fileMode = false;
    if (search.stopped() && !writeFailed) {
        out.discard();
        result.cancelled = true;
        result.rows = 0;
        return result;
    }
    // Made read-only before it appears under its name; a file that appeared
    // meanwhile under the name is left alone unless it was the damaged one.
    if (!out.commit(damaged ? AtomicFile::Replace::Always : AtomicFile::Replace::Never, true)) {
        result.message = out.existed() && !damaged
                             ? formatted(kFileInUse(language), name)
                             : cannotWriteFileMessage(target, out.error(), language);
        return result;
    }
    result.ok = true;
    std::error_code ec;
    result.path = fs::absolute(targetPath, ec).string();
    return result;
}

std::optional<std::vector<YearlyRow>> parseYearlyFile(std::string_view bytes, int year) {
    std::vector<YearlyRow> rows;
    // Day numbers are kept modulo 100000: each is taken nearest the year's.
    const long firstDay = dayNumberOf(year, 1, 1);
    const long lastDay = dayNumberOf(year, 12, 31);
    size_t at = 0;
    while (at < bytes.size()) {
        size_t end = bytes.find('\n', at);
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view line = bytes.substr(at, end - at);
        at = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.size() != 11) return std::nullopt;
        for (char c : line)
            if (c < '0' || c > '9') return std::nullopt;
        auto field = [&](size_t from, size_t len) {
            long v = 0;
            for (size_t i = from; i < from + len; ++i) v = v * 10 + (line[i] - '0');
            return v;
        };
        YearlyRow row;
        const long number = field(0, 5);
        row.hour = static_cast<int>(field(5, 2));
        row.minute = static_cast<int>(field(7, 2));
        row.satellite = static_cast<int>(field(9, 1));
        row.code = static_cast<int>(field(10, 1));
        if (row.hour > 23 || row.minute > 59 || row.satellite < 1 || row.satellite > 4 ||
            row.code < 1 || row.code > 8)
            return std::nullopt;
        row.day = firstDay - firstDay % 100000 + number;
        if (row.day - firstDay > 50000) row.day -= 100000;
        if (firstDay - row.day > 50000) row.day += 100000;
        if (!rows.empty()) {
            const YearlyRow& last = rows.back();
            const long before = (last.day * 24 + last.hour) * 60 + last.minute;
            const long now = (row.day * 24 + row.hour) * 60 + row.minute;
            if (now < before || row.day - last.day > kLongestRowGapDays) return std::nullopt;
        }
        rows.push_back(row);
    }
    if (rows.empty() || rows.front().day > firstDay || rows.back().day < lastDay) return std::nullopt;
    return rows;
}

bool readYearlyFileDay(const std::string& path, const LocalMinute& day, const TimeZone& zone,
                       bool frenchCodes, PhenomenonRows& rows) {
    removeYearlyTemporaries(path);
    const FileRead file = readRegularFile(path, kMaxYearlyFileBytes);
    if (!file.ok()) return false;
    const std::optional<std::vector<YearlyRow>> parsed = parseYearlyFile(file.bytes, day.year);
    if (!parsed) return false;
    rows.clear();
    rows.resetDropped();
    const long localDay = dayNumberOf(day.year, day.month, day.day);
    // UT minute (counted from day number 0) of local 00:00, and the day's
    // length: 1440 minutes but on the days summer time starts or ends.
    const long startOffset = zone.offsetMinutesForLocal(day.year, day.month, day.day, 0, 0);
    const long start = localDay * 1440 - startOffset;
    const long length = localSpanMinutes(zone, day);
    for (const YearlyRow& r : *parsed) {
        const long utMinute = r.day * 1440 + r.hour * 60 + r.minute;
        const long since = utMinute - start;
        if (since < 1 || since > length - 1) continue;
        // Day numbers are Julian days less one half.
        const long offset = zone.isFixed() ? startOffset
                                           : zone.offsetMinutesAtUtc(utMinute / 1440.0 + 0.5);
        const long local = since - startOffset + offset;
        if (local < 0 || local > 1439) continue;
        PhenomenonRow row;
        LocalMinute m{day.year, day.month, day.day, static_cast<int>(local / 60),
                      static_cast<int>(local % 60)};
        char label[32];
        formatDayLabel(label, sizeof label, m);
        formatListRow(row, label, r.satellite, phenomenonText(r.code, frenchCodes));
        row.day = day.day;
        row.hour = m.hour;
        row.minute = m.minute;
        row.satellite = r.satellite;
        row.code = r.code;
        rows.add(row);
    }
    return true;
}

bool findDayPhenomena(const LocalMinute& day, const TimeZone& zone, GalileanMoons& sat,
                      JupiterPlaceSource& source, SearchMode mode) {
    const std::string path = Paths::yearlyFileToRead(yearlyFileName(day.year)).string();
    if (readYearlyFileDay(path, day, zone, sat.frenchCodes, sat.rows)) return true;
    GalileanPhenomenaSearch search(sat, source, mode);
    search.findDay(day, zone);
    return false;
}

std::string validateTextFileRequest(const TextFileRequest& r) {
    DateTime dt;
    dt.setLocal(r.year, r.month, r.day, 0, 0, 0, 0);
    switch (dt.validateDate()) {
    case kYearOutOfRange: return kYearRefused(r.language);
    case kMonthOutOfRange: return kMonthRefused(r.language);
    case kDayOutOfRange: return kDayRefused(r.language);
    default: break;
    }
    if (r.count < 1) return kCountTooSmall(r.language);
    switch (r.unit) {
    case PeriodUnit::Day:
        if (r.count > 60) return kDayLimit(r.language);
        break;
    case PeriodUnit::Month:
        if (r.count > 11) return kMonthLimit(r.language);
        break;
    case PeriodUnit::Year:
        if (r.count > 1) return kYearLimit(r.language);
        break;
    }
    return {};
}

int requestDays(const TextFileRequest& r, LocalMinute& firstDay) {
    firstDay = {r.year, r.month, r.day, 0, 0};
    switch (r.unit) {
    case PeriodUnit::Day: return r.count;
    case PeriodUnit::Month: {
        firstDay.day = 1;
        int days = 0;
        int y = r.year, m = r.month;
        for (int i = 0; i < r.count; ++i) {
            days += monthLength(y, m);
            if (++m > 12) {
                m = 1;
                ++y;
            }
        }
        return days;
    }
    case PeriodUnit::Year:
        firstDay.month = 1;
        firstDay.day = 1;
        return isLeap(r.year) ? 366 : 365;
    }
    return 0;
}

FileResult generateTextFile(const TextFileRequest& r, GalileanMoons& sat, JupiterPlaceSource& source,
                            SearchMode mode, const RedSpotTimes& redSpot,
                            const GenerationProgress& progress, const GenerationCancel* cancel) {
    FileResult result;
    result.message = validateTextFileRequest(r);
    if (!result.message.empty()) return result;
    if (!r.replaceExisting) {
        std::error_code ec;
        if (fs::exists(fs::symlink_status(r.path, ec))) {
            result.message = formatted(kTextFileExists(r.language), r.path);
            return result;
        }
    }
    AtomicFile out;
    if (!out.open(r.path)) {
        result.message = cannotWriteFileMessage(r.path, out.error(), r.language);
        return result;
    }
    std::string text;
    // Written in pieces as the search goes, so the listing of a year never
    // sits whole in memory.
    auto emit = [&](const char* format, auto... args) {
        char buf[512];
        std::snprintf(buf, sizeof buf, format, args...);
        text += buf;
        if (text.size() >= 1 << 16) {
            out.write(text);
            text.clear();
        }
    };
    const int language = safeLanguage(r.language);
    for (const char* line : kLegend[language]) emit("%s", line);

    LocalMinute first;
    const int days = requestDays(r, first);
    int headerMonth = 0;
    long rowDay = -1;
    const bool savedFrench = sat.frenchCodes;
    sat.frenchCodes = language == kFrench;
    sat.fileMode = false;
    GalileanPhenomenaSearch search(sat, source, mode);
    ProgressTracker tracker(first, progress);
    search.run(first, r.zone, -60, 60 + localSpanMinutes(r.zone, first, days), 0,
               formatFileLabel, [&](const LocalMinute& m) {
                   if (cancel && cancel->load(std::memory_order_relaxed)) search.stop();
                   tracker.at(m);
                   if (daysBetween(first.year, first.month, first.day, m.year, m.month, m.day) < 0)
                       return;
                   if (m.month != headerMonth) {
                       emit("\n%s %d\n%s\n", monthName(m.month, language), m.year,
                            kColumnHeader(language));
                       headerMonth = m.month;
                   }
                   for (int i = 0; i < sat.rows.count(); ++i) {
                       emit("%s", sat.rows[i].text);
                       const long key = dayNumberOf(m.year, m.month, m.day);
                       if (key != rowDay && redSpot) {
                           const auto slots = redSpot(m);
                           emit("  %s  %s  %s", slots[0].c_str(), slots[1].c_str(),
                                slots[2].c_str());
                       }
                       rowDay = key;
                       emit("\n");
                       ++result.rows;
                   }
                   sat.rows.clear();
               });
    sat.frenchCodes = savedFrench;
    if (search.stopped()) {
        out.discard();
        result.cancelled = true;
        result.rows = 0;
        return result;
    }
    emit("\nVANTOREL %s\n", VANTOREL_VERSION);
    const bool written = out.write(text);
    if (!written || !out.commit(r.replaceExisting ? AtomicFile::Replace::Always
                                                  : AtomicFile::Replace::Never)) {
        result.message = !r.replaceExisting && out.existed()
                             ? formatted(kTextFileExists(r.language), r.path)
                             : cannotWriteFileMessage(r.path, out.error(), r.language);
        return result;
    }
    result.ok = true;
    std::error_code ec;
    result.path = fs::absolute(r.path, ec).string();
    return result;
}

}  // namespace vantorel
