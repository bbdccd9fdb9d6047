#include "satellites/PhenomenaFiles.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "app/LanguageText.h"
#include "app/Paths.h"
#include "engine/DATE_TIME.h"

namespace vantorel {

namespace fs = std::filesystem;

namespace {

constexpr TextTriple kFileInUse = {
    "This file, %s  exist and Vantorel use it. You can't override this.",
    "Ce fichier, %s  existe et Vantorel l'utilise. Vous ne pouvez l'écraser.",
    "Este archivo %s  existe y esta utilizado por Vantorel.  No lo puede destruir."};
constexpr const char* kCannotOpenYearly = "Can't open the file";
constexpr const char* kCannotOpenText = "Error to open file.";
constexpr TextTriple kYearRefused = {"The year is not valid.", "L'annee entrée n'est pas valide.",
                                     "Toma del año inválido."};
constexpr TextTriple kMonthRefused = {"The month is not valid.", "Le mois entré n'est pas valide.",
                                      "Toma del mes inválido."};
constexpr TextTriple kDayRefused = {"The day is not valid.", "Le jour entré n'est pas valide.",
                                    "Toma del día inválido."};
constexpr TextTriple kDayLimit = {"The maximum period associated to days is 60",
                                  "La période maximum associé au jour est 60",
                                  "El período máximo asociado a los días es 60"};
constexpr TextTriple kMonthLimit = {"The maximum period associated to months is 11",
                                    "La période maximum associé au mois est 11",
                                    "El período máximo asociado a los meses es 11"};
constexpr TextTriple kYearLimit = {"The maximum period associated to a year is 1",
                                   "La période maximum associé a l'année est 1",
                                   "El período máximo asociado a un año es 1"};
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
    {"Ec : comienzo d'eclipse       I  : Io\n", "Ef : fin d'eclipse            II : Europa\n",
     "Im : inmersión                III: Ganymede\n", "Em : emersión                 IV : Callisto\n",
     "Pc : pasaje del satélite sobre el disco\n", "Pf : fin del pasaje\n",
     "Oc : pasaje de la sombra sobre el disco\n",
     "Of : fin del pasaje de la sombra sobre el disco\n"}};

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

FileResult generateYearlyFile(int year, SATELLITE& sat, JupiterPlaceSource& source,
                              SearchMode mode, int language, const GenerationProgress& progress) {
    FileResult result;
    const std::string name = yearlyFileName(year);
    if (year < kFirstYear || year > kLastYear) {
        result.message = kYearRefused(language);
        return result;
    }
    const fs::path target = Paths::yearlyFileToWrite(name);
    std::error_code ec;
    if (fs::exists(target, ec)) {
        result.message = formatted(kFileInUse(language), name);
        return result;
    }
    if (!Paths::makeParentDirectory(target)) {
        result.message = kCannotOpenYearly;
        return result;
    }
    const fs::path temporary = target.parent_path() / (name + ".part");
    FILE* f = std::fopen(temporary.string().c_str(), "w");
    if (f == nullptr) {
        result.message = kCannotOpenYearly;
        return result;
    }
    // 31 December of the year before, 0 h UT, to 1 January of the year after,
    // 14:00 UT; the detector starts an hour early.
    const LocalMinute first{year - 1, 12, 31, 0, 0};
    const long days = 1 + (isLeap(year) ? 366 : 365);
    const long lastMinute = days * 1440 + 14 * 60;
    sat.fileMode = true;
    PhenomenaSearch search(sat, source, mode);
    ProgressTracker tracker(first, progress);
    search.run(first, 0, 0, -60, 60 + lastMinute + 1, 0, formatDayLabel, [&](const LocalMinute& m) {
        tracker.at(m);
        for (int i = 0; i < sat.rows.count(); ++i) {
            std::fputs(sat.rows[i].text, f);
            std::fputc('\n', f);
            ++result.rows;
        }
        sat.rows.clear();
    });
    sat.fileMode = false;
    const bool written = std::fflush(f) == 0 && !std::ferror(f);
    const bool closed = std::fclose(f) == 0;
    if (!written || !closed) {
        fs::remove(temporary, ec);
        result.message = kCannotOpenYearly;
        return result;
    }
    fs::rename(temporary, target, ec);
    if (ec) {
        fs::remove(temporary, ec);
        result.message = kCannotOpenYearly;
        return result;
    }
    fs::permissions(target,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove, ec);
    result.ok = true;
    return result;
}

bool readYearlyFileDay(const std::string& path, const LocalMinute& day, int zoneHours,
                       int zoneMinutes, bool frenchCodes, PhenomenonRows& rows) {
    FILE* f = std::fopen(path.c_str(), "r");
    if (f == nullptr) return false;
    rows.clear();
    rows.resetDropped();
    const long localDay = dayNumberOf(day.year, day.month, day.day);
    // UT minute (counted from day number 0) of local 00:00.
    const long start = localDay * 1440 - zoneInMinutes(zoneHours, zoneMinutes);
    char token[64];
    while (std::fscanf(f, "%63s", token) == 1) {
        if (std::strlen(token) != 11) continue;
        bool digits = true;
        for (int i = 0; i < 11; ++i) digits = digits && token[i] >= '0' && token[i] <= '9';
        if (!digits) continue;
        auto field = [&](int at, int len) {
            long v = 0;
            for (int i = at; i < at + len; ++i) v = v * 10 + (token[i] - '0');
            return v;
        };
        const long number = field(0, 5), hour = field(5, 2), minute = field(7, 2);
        const int satellite = static_cast<int>(field(9, 1));
        const int code = static_cast<int>(field(10, 1));
        if (hour > 23 || minute > 59 || satellite < 1 || satellite > 4 || code < 1 || code > 8)
            continue;
        // The day number is kept modulo 100000: take the one nearest the day.
        long full = localDay - localDay % 100000 + number;
        if (full - localDay > 50000) full -= 100000;
        if (localDay - full > 50000) full += 100000;
        const long local = full * 1440 + hour * 60 + minute - start;
        if (local < 1 || local > 1439) continue;
        PhenomenonRow row;
        LocalMinute m{day.year, day.month, day.day, static_cast<int>(local / 60),
                      static_cast<int>(local % 60)};
        char label[32];
        formatDayLabel(label, sizeof label, m);
        formatListRow(row, label, satellite, phenomenonText(code, frenchCodes));
        row.day = day.day;
        row.hour = m.hour;
        row.minute = m.minute;
        row.satellite = satellite;
        row.code = code;
        rows.add(row);
    }
    std::fclose(f);
    return true;
}

bool findDayPhenomena(const LocalMinute& day, int zoneHours, int zoneMinutes, SATELLITE& sat,
                      JupiterPlaceSource& source, SearchMode mode) {
    const std::string path = Paths::yearlyFileToRead(yearlyFileName(day.year)).string();
    if (readYearlyFileDay(path, day, zoneHours, zoneMinutes, sat.frenchCodes, sat.rows))
        return true;
    PhenomenaSearch search(sat, source, mode);
    search.findDay(day, zoneHours, zoneMinutes);
    return false;
}

std::string validateTextFileRequest(const TextFileRequest& r) {
    DATE_TIME dt;
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

FileResult generateTextFile(const TextFileRequest& r, SATELLITE& sat, JupiterPlaceSource& source,
                            SearchMode mode, const RedSpotTimes& redSpot,
                            const GenerationProgress& progress) {
    FileResult result;
    result.message = validateTextFileRequest(r);
    if (!result.message.empty()) return result;
    FILE* f = std::fopen(r.path.c_str(), "w");
    if (f == nullptr) {
        result.message = kCannotOpenText;
        return result;
    }
    const int language = safeLanguage(r.language);
    for (const char* line : kLegend[language]) std::fputs(line, f);

    LocalMinute first;
    const int days = requestDays(r, first);
    int headerMonth = 0;
    long rowDay = -1;
    const bool savedFrench = sat.frenchCodes;
    sat.frenchCodes = language == kFrench;
    sat.fileMode = false;
    PhenomenaSearch search(sat, source, mode);
    ProgressTracker tracker(first, progress);
    search.run(first, r.zoneHours, r.zoneMinutes, -60, 60 + static_cast<long>(days) * 1440, 0,
               formatFileLabel, [&](const LocalMinute& m) {
                   tracker.at(m);
                   if (daysBetween(first.year, first.month, first.day, m.year, m.month, m.day) < 0)
                       return;
                   if (m.month != headerMonth) {
                       std::fprintf(f, "\n%s %d\n%s\n", monthName(m.month, language), m.year,
                                    kColumnHeader(language));
                       headerMonth = m.month;
                   }
                   for (int i = 0; i < sat.rows.count(); ++i) {
                       std::fputs(sat.rows[i].text, f);
                       const long key = dayNumberOf(m.year, m.month, m.day);
                       if (key != rowDay && redSpot) {
                           const auto slots = redSpot(m);
                           std::fprintf(f, "  %s  %s  %s", slots[0].c_str(), slots[1].c_str(),
                                        slots[2].c_str());
                       }
                       rowDay = key;
                       std::fputc('\n', f);
                       ++result.rows;
                   }
                   sat.rows.clear();
               });
    sat.frenchCodes = savedFrench;
    std::fprintf(f, "\nVANTOREL %s\n", VANTOREL_VERSION);
    const bool written = std::fflush(f) == 0 && !std::ferror(f);
    if (std::fclose(f) != 0 || !written) {
        result.message = kCannotOpenText;
        return result;
    }
    result.ok = true;
    return result;
}

}  // namespace vantorel
