#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "common/files/SafeFile.h"
#include "common/settings/TimeZoneChoice.h"
#include "common/text/LanguageText.h"
#include "satellites/PhenomenaFiles.h"
#include "satellites/PhenomenonRows.h"
#include "tests/satellites/GalileanTestSupport.h"
#include "tests/satellites/KeplerPlaceSource.h"
#include "tests/support/TempWorkingDir.h"

using namespace vantorel;
namespace fs = std::filesystem;

namespace {

std::string readAll(const fs::path& p) {
    std::ifstream in(p);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> rowsOf(const PhenomenonRows& rows) {
    std::vector<std::string> out;
    for (int i = 0; i < rows.count(); ++i) out.push_back(rows[i].text);
    return out;
}

// One yearly file for all the tests of this file: 2005, written to the
// user's data folder as the working directory holds no settings file.
class YearlyFile : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir = new TempWorkingDir;
        PlaceDrivenSatellites sat;
        KeplerPlaceSource source;
        result = generateYearlyFile(2005, sat, source, SearchMode::Fast, 0);
    }
    static void TearDownTestSuite() {
        delete dir;
        dir = nullptr;
    }
    static TempWorkingDir* dir;
    static FileResult result;
};
TempWorkingDir* YearlyFile::dir = nullptr;
FileResult YearlyFile::result;

}  // namespace

TEST_F(YearlyFile, LayoutCoversTheYearAndTheEdgesAndIsReadOnly) {
    ASSERT_TRUE(result.ok) << result.message;
    const fs::path path = dir->userDataFile("j2005.sat");
    EXPECT_FALSE(fs::exists(dir->userDataFile("j2005.sat.part")));
    const auto perms = fs::status(path).permissions();
    EXPECT_EQ(perms & (fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write),
              fs::perms::none);
    std::ifstream in(path);
    std::string line, previous;
    long count = 0;
    while (std::getline(in, line)) {
        ASSERT_EQ(line.size(), 11u) << line;
        ASSERT_EQ(line.find_first_not_of("0123456789"), std::string::npos) << line;
        EXPECT_LE(previous.substr(0, 9), line.substr(0, 9)) << "rows in time order";
        if (count == 0) {
            EXPECT_EQ(line.substr(0, 5), "53370");  // 31 December 2004
        }
        previous = line;
        ++count;
    }
    EXPECT_EQ(count, result.rows);
    EXPECT_GT(count, 366 * 5);
    // The last rows fall on 1 January 2006 (day 53736) before 14:00 UT.
    EXPECT_EQ(previous.substr(0, 5), "53736");
    EXPECT_LE(previous.substr(5, 4), "1400");
}

TEST_F(YearlyFile, SecondGenerationIsRefusedInTheActiveLanguage) {
    ASSERT_TRUE(result.ok);
    const std::string before = readAll(dir->userDataFile("j2005.sat"));
    PlaceDrivenSatellites sat;
    KeplerPlaceSource source;
    FileResult again = generateYearlyFile(2005, sat, source, SearchMode::Fast, 1);
    EXPECT_FALSE(again.ok);
    EXPECT_EQ(again.message,
              "Le fichier j2005.sat  existe et Vantorel l'utilise. Il ne peut pas être écrasé.");
    EXPECT_EQ(source.calls, 0);
    EXPECT_EQ(readAll(dir->userDataFile("j2005.sat")), before);
    again = generateYearlyFile(2005, sat, source, SearchMode::Fast, 0);
    EXPECT_EQ(again.message, "The file j2005.sat  exists and Vantorel uses it. It cannot be overwritten.");
}

// The rows read back for a local day are exactly the computed rows of that
// day, in whole-hour and half-hour zones, at the edges of the year included.
TEST_F(YearlyFile, ReadBackEqualsTheComputedDayInEveryZone) {
    ASSERT_TRUE(result.ok);
    struct Case {
        LocalMinute day;
        int zh, zm;
    };
    const Case cases[] = {
        {{2005, 1, 1}, -5, 0},  {{2005, 5, 17}, -5, 0}, {{2005, 5, 17}, 0, 0},
        {{2005, 1, 1}, 0, 0},   {{2005, 12, 31}, 0, 0}, {{2005, 8, 2}, 1, 0},
        {{2005, 12, 31}, 1, 0}, {{2005, 3, 9}, 5, 30},  {{2005, 3, 10}, 5, 30},
        {{2005, 7, 21}, 13, 0}, {{2005, 10, 4}, -3, 30}, {{2005, 10, 5}, 9, 30},
        // New year's edges: local and universal years differ.
        {{2005, 1, 1}, 13, 0},  {{2005, 1, 1}, 5, 30},  {{2005, 12, 31}, -5, 0},
        {{2005, 12, 31}, -12, 0},
    };
    for (const Case& c : cases) {
        PlaceDrivenSatellites fromFile, computed;
        KeplerPlaceSource source;
        ASSERT_TRUE(readYearlyFileDay(dir->userDataFile("j2005.sat").string(), c.day, zoneOfFields(c.zh, c.zm), false,
                                      fromFile.rows));
        GalileanPhenomenaSearch(computed, source, SearchMode::Fast).findDay(c.day, zoneOfFields(c.zh, c.zm));
        EXPECT_EQ(rowsOf(fromFile.rows), rowsOf(computed.rows))
            << c.day.month << "-" << c.day.day << " zone " << c.zh << ":" << c.zm;
        EXPECT_GT(fromFile.rows.count(), 0);
    }
    // The day search itself takes the file when it is in the working directory.
    PlaceDrivenSatellites sat;
    KeplerPlaceSource source;
    EXPECT_TRUE(findDayPhenomena({2005, 5, 17}, TimeZone(), sat, source, SearchMode::Fast));
    EXPECT_EQ(source.calls, 0);
    EXPECT_FALSE(findDayPhenomena({2006, 5, 17}, TimeZone(), sat, source, SearchMode::Fast));
    EXPECT_GT(source.calls, 0);
}

TEST(PhenomenaFiles, TextFileLegendHeadersRowsAndClosingLine) {
    TempWorkingDir dir;
    const char* legends[3] = {"Ec.D. : eclipse disappearance\t\t\tI  : Io\n",
                              "Ec : commencement d'éclipse\tI  : Io\n",
                              "Ec.D. : desaparición por eclipse          I  : Io\n"};
    const char* headers[3] = {"\nMarch 2005\n D    H  M     Sat.     Phe.   GRS (hh: mm)\n",
                              "\nAvril 2005\n D    H  M     Sat.     Phé.   GTR (hh: mm)\n",
                              "\nMarzo 2005\n D    H  M     Sat.     Fen.   MR  (hh: mm)\n"};
    for (int language = 0; language < 3; ++language) {
        TextFileRequest r;
        r.path = "JupSat.txt";
        r.year = 2005;
        r.month = language == 1 ? 3 : 3;
        r.day = language == 1 ? 31 : 30;  // French: two days, crossing into April
        r.unit = PeriodUnit::Day;
        r.count = 2;
        r.language = language;
        PlaceDrivenSatellites sat;
        KeplerPlaceSource source;
        int redSpotCalls = 0;
        long lastDay = -1, reports = 0;
        const FileResult res = generateTextFile(
            r, sat, source, SearchMode::Fast,
            [&](const LocalMinute&) {
                ++redSpotCalls;
                return std::array<std::string, 3>{"02: 10", "12: 06", "22: 01"};
            },
            [&](long day, int hour) {
                EXPECT_GE(day, lastDay);
                EXPECT_LT(hour, 24);
                lastDay = day;
                ++reports;
            });
        EXPECT_EQ(lastDay, 1);  // the second and last day was reached
        EXPECT_GT(reports, 10);
        ASSERT_TRUE(res.ok) << res.message;
        const std::string text = readAll(dir.file("JupSat.txt"));
        EXPECT_EQ(text.rfind(legends[language], 0), 0u) << text.substr(0, 80);
        EXPECT_NE(text.find(headers[language]), std::string::npos) << language;
        EXPECT_NE(text.find("  02: 10  12: 06  22: 01\n"), std::string::npos);
        EXPECT_EQ(redSpotCalls, 2);  // once per day with phenomena
        EXPECT_GT(res.rows, 4);
        const std::string closing = "\n\nVANTOREL " VANTOREL_VERSION "\n";
        EXPECT_EQ(text.substr(text.size() - closing.size()), closing);
        if (language == 1) {
            EXPECT_NE(text.find("Pc   "), std::string::npos);
        }
        // The legend explains exactly the codes the rows of that language
        // carry: each code of every row, and no code a row cannot have.
        std::istringstream lines(text);
        std::vector<std::string> explained;
        for (std::string line; std::getline(lines, line) && !line.empty();)
            explained.push_back(line.substr(0, line.find(" :")));
        EXPECT_EQ(explained.size(), 8u);
        for (int code = 1; code <= 8; ++code) {
            std::string carried = phenomenonText(code, language == 1);
            carried.erase(carried.find_last_not_of(' ') + 1);
            EXPECT_NE(std::find(explained.begin(), explained.end(), carried), explained.end())
                << language << " " << carried;
        }
        int rows = 0;
        for (std::string line; std::getline(lines, line);) {
            std::istringstream fields(line);
            std::string day, time, satellite, code;
            if (!(fields >> day >> time >> satellite >> code) || time.size() != 5 || time[2] != ':')
                continue;
            ++rows;
            EXPECT_NE(std::find(explained.begin(), explained.end(), code), explained.end())
                << language << ": " << line;
        }
        EXPECT_EQ(rows, res.rows);
    }
}

TEST(PhenomenaFiles, CountLimitsAndStartDateAreChecked) {
    TextFileRequest r;
    r.year = 2005;
    r.month = 3;
    r.day = 15;
    r.unit = PeriodUnit::Day;
    r.count = 60;
    EXPECT_EQ(validateTextFileRequest(r), "");
    r.count = 61;
    EXPECT_EQ(validateTextFileRequest(r), "The longest period in days is 60");
    r.language = 2;
    EXPECT_EQ(validateTextFileRequest(r), "El período máximo en días es 60");
    r.unit = PeriodUnit::Month;
    r.count = 12;
    r.language = 1;
    EXPECT_EQ(validateTextFileRequest(r), "La période maximale en mois est 11");
    r.count = 1;
    EXPECT_EQ(validateTextFileRequest(r), "");
    LocalMinute first;
    EXPECT_EQ(requestDays(r, first), 31);  // a month unit starts on the 1st
    EXPECT_EQ(first.day, 1);
    r.unit = PeriodUnit::Year;
    r.count = 2;
    r.language = 0;
    EXPECT_EQ(validateTextFileRequest(r), "The longest period in years is 1");
    r.count = 0;
    EXPECT_NE(validateTextFileRequest(r), "");
    r.count = 1;
    r.day = 32;
    EXPECT_EQ(validateTextFileRequest(r), "The day is not valid.");
    r.day = 1;
    r.month = 13;
    EXPECT_EQ(validateTextFileRequest(r), "The month is not valid.");
    r.month = 1;
    r.year = 2051;
    EXPECT_EQ(validateTextFileRequest(r), "The year is not valid.");
    // Nothing is written when the request is refused.
    TempWorkingDir dir;
    PlaceDrivenSatellites sat;
    KeplerPlaceSource source;
    r.path = "JupSat.txt";
    EXPECT_FALSE(generateTextFile(r, sat, source, SearchMode::Fast, {}).ok);
    EXPECT_FALSE(fs::exists(dir.file("JupSat.txt")));
    r.year = 2005;
    r.path = (dir.path() / "no-such-dir" / "x.txt").string();
    const FileResult res = generateTextFile(r, sat, source, SearchMode::Fast, {});
    EXPECT_EQ(res.message, "Cannot write the file " + r.path +
                               ": No such file or directory. Nothing was changed.");
}

// ---- damaged, planted and interrupted files ------------------------------------

namespace {

void writeBytes(const fs::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
}

}  // namespace

// A file named like a yearly file is used only when it is one, whole: else
// the day is computed, as if there were no file.
TEST_F(YearlyFile, OnlyAWholeYearlyFileIsRead) {
    ASSERT_TRUE(result.ok);
    const std::string whole = readAll(dir->userDataFile("j2005.sat"));
    ASSERT_TRUE(parseYearlyFile(whole, 2005).has_value());
    EXPECT_FALSE(parseYearlyFile(whole, 2006).has_value());  // another year's
    const size_t middle = whole.find('\n', whole.size() / 2) + 1;
    std::string gap = whole.substr(0, middle);
    gap += whole.substr(whole.find('\n', middle + 12 * 400) + 1);  // a month cut out
    std::string crlf;
    for (char c : whole) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    ASSERT_TRUE(parseYearlyFile(crlf, 2005).has_value());
    std::string swapped = whole;
    std::swap_ranges(swapped.begin(), swapped.begin() + 12, swapped.begin() + 12 * 200);

    const struct {
        const char* what;
        std::string bytes;
    } damaged[] = {
        {"empty", ""},
        {"cut in the middle", whole.substr(0, whole.size() / 2)},
        {"cut in a line", whole.substr(0, whole.size() - 5)},
        {"a month missing", gap},
        {"out of order", swapped},
        {"binary", std::string("\x7f" "ELF\x02\x01\x01\0\0\0", 10) + whole},
        {"hour 24", "53370240015\n" + whole},
        {"satellite 5", whole + "53736000051\n"},
        {"blank line", whole + "\n"},
    };
    for (const auto& d : damaged) {
        TempWorkingDir wd;
        writeBytes("j2005.sat", d.bytes);
        PlaceDrivenSatellites sat, computed;
        KeplerPlaceSource source;
        EXPECT_FALSE(findDayPhenomena({2005, 5, 17}, TimeZone(), sat, source, SearchMode::Fast)) << d.what;
        EXPECT_GT(source.calls, 0) << d.what;
        GalileanPhenomenaSearch(computed, source, SearchMode::Fast).findDay({2005, 5, 17}, TimeZone());
        EXPECT_EQ(rowsOf(sat.rows), rowsOf(computed.rows)) << d.what;
        EXPECT_GT(sat.rows.count(), 0) << d.what;
    }
    // A directory or a FIFO by that name is no file at all.
    for (int kind = 0; kind < 2; ++kind) {
        TempWorkingDir wd;
        if (kind == 0)
            fs::create_directory("j2005.sat");
        else
            ASSERT_EQ(mkfifo("j2005.sat", 0644), 0);
        PlaceDrivenSatellites sat;
        KeplerPlaceSource source;
        EXPECT_FALSE(findDayPhenomena({2005, 5, 17}, TimeZone(), sat, source, SearchMode::Fast));
        EXPECT_GT(sat.rows.count(), 0);
    }
}

// A yearly file left empty by a crash right after its rename is replaced by
// the next generation; a whole one never is, a planted link is never
// written through, and the leftovers of killed runs go.
TEST(PhenomenaFiles, GenerationReplacesOnlyADamagedFileAndNeverFollowsPlantedLinks) {
    TempWorkingDir wd;
    writeBytes("vantorel.ini", "[Vantorel]\n");  // the working directory's files are used
    fs::create_directory("elsewhere");
    writeBytes("elsewhere/victim", "precious\n");
    fs::permissions("elsewhere/victim", fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("elsewhere/victim", "j2006.sat.part");
    writeBytes("j2006.sat.tmp4242", "left by a killed run");
    writeBytes("j2006.sat", "");  // the crash
    fs::permissions("j2006.sat", fs::perms::owner_read);

    PlaceDrivenSatellites sat;
    KeplerPlaceSource source;
    const FileResult made = generateYearlyFile(2006, sat, source, SearchMode::Fast, 0);
    ASSERT_TRUE(made.ok) << made.message;
    EXPECT_TRUE(parseYearlyFile(readAll("j2006.sat"), 2006).has_value());
    EXPECT_EQ(fs::status("j2006.sat").permissions() & fs::perms::all &
                  (fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write),
              fs::perms::none);
    EXPECT_EQ(readAll("elsewhere/victim"), "precious\n");
    EXPECT_EQ(fs::status("elsewhere/victim").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(wd.path())) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"elsewhere", "j2006.sat", "vantorel.ini"}));

    const FileResult again = generateYearlyFile(2006, sat, source, SearchMode::Fast, 0);
    EXPECT_FALSE(again.ok);
    EXPECT_NE(again.message.find("j2006.sat"), std::string::npos);
}

namespace {

TextFileRequest listingRequest(const std::string& path) {
    TextFileRequest r;
    r.path = path;
    r.year = 2005;
    r.month = 3;
    r.day = 1;
    r.unit = PeriodUnit::Day;
    r.count = 20;
    return r;
}

// Files no bigger than `bytes` while alive: a disk that fills up.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

}  // namespace

TEST(PhenomenaFiles, AListingIsReplacedWholeOrNotAtAll) {
    TempWorkingDir wd;
    writeBytes("JupSat.txt", "the old listing\n");
    fs::permissions("JupSat.txt", fs::perms::owner_read | fs::perms::owner_write |
                                      fs::perms::group_read);
    PlaceDrivenSatellites sat;
    KeplerPlaceSource source;

    // Not asked to replace: refused, kept.
    TextFileRequest r = listingRequest("JupSat.txt");
    r.replaceExisting = false;
    FileResult res = generateTextFile(r, sat, source, SearchMode::Fast, {});
    EXPECT_FALSE(res.ok);
    EXPECT_NE(res.message.find("already exists"), std::string::npos) << res.message;
    EXPECT_EQ(readAll("JupSat.txt"), "the old listing\n");

    // A write that fails part way (the disk fills) keeps the old listing and
    // says it could not write, not that it could not open.
    r.replaceExisting = true;
    {
        FileSizeLimit full(2000);
        res = generateTextFile(r, sat, source, SearchMode::Fast, {});
    }
    EXPECT_FALSE(res.ok);
    EXPECT_EQ(res.message, "Cannot write the file JupSat.txt: File too large. Nothing was changed.");
    EXPECT_EQ(readAll("JupSat.txt"), "the old listing\n");

    // Replaced when asked, keeping its mode, through a link to its target.
    fs::create_symlink("JupSat.txt", "link.txt");
    res = generateTextFile(listingRequest("link.txt"), sat, source, SearchMode::Fast, {});
    ASSERT_TRUE(res.ok) << res.message;
    EXPECT_TRUE(fs::is_symlink("link.txt"));
    EXPECT_EQ(readAll("JupSat.txt").rfind("Ec.D. : eclipse disappearance", 0), 0u);
    EXPECT_EQ(fs::status("JupSat.txt").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    int files = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(wd.path())) ++files;
    EXPECT_EQ(files, 2);  // no temporary left behind
}

// The day list of every zone the zone dialog offers is, on every day of the
// year, exactly the yearly file's rows for those hours: an instant gives the
// same rows wherever a search starts.
TEST_F(YearlyFile, EveryZoneListsTheFilesRowsOnEveryDay) {
    ASSERT_TRUE(result.ok);
    const std::string path = dir->userDataFile("j2005.sat").string();
    std::vector<std::pair<int, int>> zones;
    for (const ZoneSize& z : kZoneSizes) {
        zones.emplace_back(z.hours, z.minutes);
        if (!z.eastOnly && z.hours > 0) zones.emplace_back(-z.hours, z.minutes);
    }
    ASSERT_EQ(zones.size(), 41u);
    int days = 0, rows = 0;
    for (const auto& [zh, zm] : zones) {
        for (long k = 0; k < 365; ++k) {
            const LocalMinute day = addMinutes(2005, 1, 1, k * 1440);
            PlaceDrivenSatellites fromFile, computed;
            KeplerPlaceSource source;
            ASSERT_TRUE(readYearlyFileDay(path, day, zoneOfFields(zh, zm), false, fromFile.rows));
            GalileanPhenomenaSearch(computed, source, SearchMode::Fast).findDay(day, zoneOfFields(zh, zm));
            ASSERT_EQ(rowsOf(fromFile.rows), rowsOf(computed.rows))
                << day.month << "-" << day.day << " zone " << zh << ":" << zm;
            ++days;
            rows += computed.rows.count();
        }
    }
    EXPECT_EQ(days, 41 * 365);
    EXPECT_GT(rows, 41 * 365 * 5);
}

// The nights summer time starts and ends, in Paris (2005-03-27 and
// 2005-10-30, each at 01:00 UT) and in Sydney (2005-03-27, 16:00 UT the day
// before): the day list, read from the yearly file and computed alike, holds
// every row of the file within the local day (23 or 25 hours long), each on
// the clock of its moment: in Paris +1 before the spring change and +2
// after it, +2 then +1 in the autumn.
TEST_F(YearlyFile, SummerTimeNightsShowEachRowWithItsOffset) {
    ASSERT_TRUE(result.ok);
    const std::string path = dir->userDataFile("j2005.sat").string();
    const std::optional<std::vector<YearlyRow>> file = parseYearlyFile(readAll(path), 2005);
    ASSERT_TRUE(file.has_value());
    struct Night {
        const char* zone;
        LocalMinute day;
        long change;        // minutes of universal time from 00:00 UT of the date
        int before, after;  // offsets, minutes
    };
    const Night nights[] = {{"Europe/Paris", {2005, 3, 27, 0, 0}, 60, 60, 120},
                            {"Europe/Paris", {2005, 10, 30, 0, 0}, 60, 120, 60},
                            {"Australia/Sydney", {2005, 3, 27, 0, 0}, -480, 660, 600}};
    int before = 0, after = 0;
    for (const Night& n : nights) {
        const std::optional<TimeZone> zone = TimeZone::named(n.zone);
        ASSERT_TRUE(zone.has_value()) << n.zone;
        PlaceDrivenSatellites fromFile, computed;
        KeplerPlaceSource source;
        ASSERT_TRUE(readYearlyFileDay(path, n.day, *zone, false, fromFile.rows));
        GalileanPhenomenaSearch(computed, source, SearchMode::Fast).findDay(n.day, *zone);
        EXPECT_EQ(rowsOf(fromFile.rows), rowsOf(computed.rows)) << n.zone << " " << n.day.month;

        // The file's rows of the local day, minutes of universal time from
        // 00:00 UT of the date, each moved onto the clock by hand.
        const long dayNumber = daysBetween(1970, 1, 1, n.day.year, n.day.month, n.day.day) + 2440587;
        const long start = -n.before;
        const long length = 1440 - (n.after - n.before);
        std::vector<std::string> expected;
        for (const YearlyRow& r : *file) {
            const long u = (r.day - dayNumber) * 1440 + r.hour * 60 + r.minute;
            if (u - start < 1 || u - start > length - 1) continue;
            const long clock = u + (u < n.change ? n.before : n.after);
            (u < n.change ? before : after) += 1;
            expected.push_back(std::to_string(clock / 60) + ":" + std::to_string(clock % 60) + " " +
                               std::to_string(r.satellite) + "/" + std::to_string(r.code));
        }
        std::vector<std::string> shown;
        for (int i = 0; i < fromFile.rows.count(); ++i) {
            const PhenomenonRow& r = fromFile.rows[i];
            EXPECT_EQ(r.day, n.day.day);
            shown.push_back(std::to_string(r.hour) + ":" + std::to_string(r.minute) + " " +
                            std::to_string(r.satellite) + "/" + std::to_string(r.code));
        }
        EXPECT_EQ(shown, expected) << n.zone << " " << n.day.month;
    }
    EXPECT_GT(before, 0);
    EXPECT_GT(after, 0);
}

// ---- full disks, refused targets, killed runs ------------------------------------

namespace {

class FailingWrites {
public:
    explicit FailingWrites(int error) {
        setFileStepHookForTesting([error](FileStep step, const std::string&) {
            return step == FileStep::Write ? error : 0;
        });
    }
    ~FailingWrites() { setFileStepHookForTesting({}); }
};

pid_t endedProcess() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

std::vector<std::string> namesIn(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

// A full disk stops the yearly file at once and says which file and why, in
// the active language; nothing is left behind.
TEST(PhenomenaFiles, AFullDiskIsNamedWithItsCause) {
    TempWorkingDir wd;
    writeBytes("vantorel.ini", "[Vantorel]\n");
    PlaceDrivenSatellites sat;
    KeplerPlaceSource source;
    FileResult res;
    {
        const FailingWrites full(ENOSPC);
        res = generateYearlyFile(2007, sat, source, SearchMode::Fast, kFrench);
    }
    EXPECT_FALSE(res.ok);
    EXPECT_FALSE(res.cancelled);
    EXPECT_EQ(res.message.rfind("Impossible d'\u00e9crire le fichier /", 0), 0u) << res.message;
    EXPECT_NE(res.message.find("/j2007.sat : Plus de place sur le disque. Rien n'a \u00e9t\u00e9 "
                               "modifi\u00e9."),
              std::string::npos)
        << res.message;
    EXPECT_EQ(namesIn(wd.path()), std::vector<std::string>{"vantorel.ini"});
    // Stopped at the first failed row, not at the end of the year.
    const long callsWhenFull = source.calls;
    ASSERT_TRUE(generateYearlyFile(2007, sat, source, SearchMode::Fast, 0).ok);
    EXPECT_LT(callsWhenFull * 10, source.calls - callsWhenFull);
}

// A FIFO is no file of ours to replace, damaged as it may look, and a
// read-only listing stays even when replacing was asked for.
TEST(PhenomenaFiles, NeitherAFifoNorAReadOnlyListingIsReplaced) {
    TempWorkingDir wd;
    writeBytes("vantorel.ini", "[Vantorel]\n");
    ASSERT_EQ(mkfifo("j2008.sat", 0600), 0);
    PlaceDrivenSatellites sat;
    KeplerPlaceSource source;
    FileResult res = generateYearlyFile(2008, sat, source, SearchMode::Fast, 0);
    EXPECT_FALSE(res.ok);
    EXPECT_NE(res.message.find("j2008.sat: it is not a regular file"), std::string::npos)
        << res.message;
    EXPECT_TRUE(fs::is_fifo("j2008.sat"));
    EXPECT_EQ(source.calls, 0);

    writeBytes("ro.txt", "kept\n");
    fs::permissions("ro.txt", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    TextFileRequest r = listingRequest("ro.txt");
    r.replaceExisting = true;
    r.language = kSpanish;
    res = generateTextFile(r, sat, source, SearchMode::Fast, {});
    EXPECT_FALSE(res.ok);
    EXPECT_EQ(res.message, "No se puede escribir el archivo ro.txt: el archivo es de solo lectura. "
                           "No se ha modificado nada.");
    EXPECT_EQ(readAll("ro.txt"), "kept\n");
    EXPECT_EQ(source.calls, 0);  // refused before any work
}

// A killed run's temporary beside a yearly file goes at the next use of the
// folder: a refused generation, a read.
TEST_F(YearlyFile, AKilledRunsTemporaryGoesAtTheNextUse) {
    ASSERT_TRUE(result.ok);
    const fs::path left =
        dir->userDataFile("j2005.sat.tmp-" + std::to_string(endedProcess()) + "-AbC123");
    writeBytes(left, "killed 0.3 s in");
    PlaceDrivenSatellites sat;
    KeplerPlaceSource source;
    EXPECT_FALSE(generateYearlyFile(2005, sat, source, SearchMode::Fast, 0).ok);
    EXPECT_FALSE(fs::exists(left));

    // Another year's leftover goes too; a file of another kind is not
    // this folder's use to judge.
    const std::string dead = std::to_string(endedProcess());
    const fs::path otherYear = dir->userDataFile("j2012.sat.tmp-" + dead + "-XyZ789");
    const fs::path notOurs = dir->userDataFile("notes.txt.tmp-" + dead + "-XyZ789");
    writeBytes(left, "killed again");
    writeBytes(otherYear, "killed in 2012");
    writeBytes(notOurs, "another file's");
    PhenomenonRows rows;
    EXPECT_TRUE(readYearlyFileDay(dir->userDataFile("j2005.sat").string(), {2005, 6, 1, 0, 0},
                                  TimeZone(), false, rows));
    EXPECT_FALSE(fs::exists(left));
    EXPECT_FALSE(fs::exists(otherYear));
    EXPECT_TRUE(fs::exists(notOurs));
    fs::remove(notOurs);
}
