#include "sky/CatalogueRecord.h"

#include <cctype>
#include <cmath>
#include <cstring>
#include <map>

#include "common/files/Paths.h"
#include "engine/Angles.h"

namespace vantorel {

namespace {

// Columns [first, first + width) counted from 1; characters beyond the end of
// the record are missing, not blanks.
std::string_view columns(std::string_view record, int first, int width) {
    const std::size_t from = static_cast<std::size_t>(first - 1);
    if (from >= record.size()) return {};
    return record.substr(from, static_cast<std::size_t>(width));
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A whole number filling the field: blanks, an optional sign, at least one
// digit, blanks. Anything else is not a number.
std::optional<int> wholeNumber(std::string_view field) {
    std::size_t i = 0;
    while (i < field.size() && isBlank(field[i])) ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) negative = field[i++] == '-';
    const std::size_t digitsFrom = i;
    int value = 0;
    while (i < field.size() && isDigit(field[i])) value = value * 10 + (field[i++] - '0');
    if (i == digitsFrom) return std::nullopt;
    while (i < field.size() && isBlank(field[i])) ++i;
    if (i != field.size()) return std::nullopt;
    return negative ? -value : value;
}

// A decimal number filling the field: blanks, sign, digits with at most one
// point, blanks.
std::optional<double> decimalNumber(std::string_view field) {
    std::size_t i = 0;
    while (i < field.size() && isBlank(field[i])) ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) negative = field[i++] == '-';
    double value = 0, unit = 1;
    bool point = false, digits = false;
    for (; i < field.size(); ++i) {
        const char c = field[i];
        if (isDigit(c)) {
            digits = true;
            if (point) {
                unit /= 10;
                value += (c - '0') * unit;
            } else {
                value = value * 10 + (c - '0');
            }
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!digits) return std::nullopt;
    while (i < field.size() && isBlank(field[i])) ++i;
    if (i != field.size()) return std::nullopt;
    return negative ? -value : value;
}

// Right ascension from columns 1-4, degrees; nothing when it is not a place
// on the sky.
std::optional<double> rightAscension(std::string_view record) {
    const auto hours = wholeNumber(columns(record, 1, 2));
    const auto minutes = wholeNumber(columns(record, 3, 2));
    if (!hours || !minutes || *hours < 0 || *minutes < 0 || *minutes > 59) return std::nullopt;
    const int hhmm = *hours * 100 + *minutes;
    if (hhmm > 2400) return std::nullopt;
    return (hhmm / 100 + (hhmm % 100) / 60.0) * 15.0;
}

std::optional<int> hundredths(std::string_view field) {
    const auto v = wholeNumber(field);
    if (!v || *v < 0 || *v > 99) return std::nullopt;
    return v;
}

}  // namespace

std::optional<ConstRecord> parseConstRecord(std::string_view record) {
    const auto ra = rightAscension(record);
    const auto degrees = wholeNumber(columns(record, 5, 4));
    const auto frac = hundredths(columns(record, 9, 2));
    const auto marker = wholeNumber(columns(record, 5, 6));
    if (!ra || !degrees || !frac || !marker) return std::nullopt;
    ConstRecord c;
    c.raDeg = *ra;
    c.decDeg = *degrees + *frac / 100.0;
    if (*marker > 9000) {
        c.decDeg -= 90;
        c.endsFigure = true;
    } else if (*marker < -9000) {
        c.decDeg += 90;
        c.endsFigure = true;
    }
    if (std::fabs(c.decDeg) > 90) return std::nullopt;
    return c;
}

std::optional<StarRecord> parseStarRecord(std::string_view record) {
    const auto ra = rightAscension(record);
    // Degrees written "- 5" read as "-5".
    std::string degreesField(columns(record, 11, 3));
    if (degreesField.size() == 3 && degreesField[1] == ' ') degreesField.erase(1, 1);
    const auto degrees = wholeNumber(degreesField);
    const auto frac = hundredths(columns(record, 13, 2));
    const auto magnitude = decimalNumber(columns(record, 21, 4));
    if (!ra || !degrees || !frac || !magnitude) return std::nullopt;
    StarRecord s;
    s.raDeg = *ra;
    s.decDeg = *degrees + *frac / 100.0;
    s.magnitude = *magnitude;
    if (std::fabs(s.decDeg) > 90 || std::fabs(s.magnitude) > 30) return std::nullopt;
    return s;
}

StarMark starMarkFor(double m) {
    if (m <= 0) return StarMark::Disc;
    if (m <= 1.5) return StarMark::BrightCross;
    if (m <= 3) return StarMark::Cross;
    if (m <= 4.5) return StarMark::Yellow;
    if (m <= 5.5) return StarMark::Blue;
    if (m < 6) return StarMark::Grey;
    return StarMark::None;
}

std::string catalogueFilePath(const char* name) { return Paths::dataFile(name).string(); }

RecordReader::RecordReader(const std::string& path, int room)
    : file_(std::fopen(path.c_str(), "r")), room_(room < 2 ? 2 : room) {}

RecordReader::~RecordReader() {
    if (file_) std::fclose(file_);
}

bool RecordReader::next(std::string& record) {
    if (!file_) return false;
    char buffer[256];
    const int room = room_ + 1 > static_cast<int>(sizeof buffer) ? static_cast<int>(sizeof buffer)
                                                                 : room_ + 1;
    if (!std::fgets(buffer, room, file_)) return false;
    std::size_t n = std::strlen(buffer);
    while (n > 0 && (buffer[n - 1] == '\n' || buffer[n - 1] == '\r')) --n;
    record.assign(buffer, n);
    return true;
}

int readConstellationFigures(const std::string& path, const SkyChartMapping& mapping,
                             const std::function<void(int, int, int, int)>& segment,
                             const Precession* precession) {
    RecordReader reader(path, kConstRecordRoom);
    std::string record;
    bool startsFigure = true;
    int lastX = 0, lastY = 0, drawn = 0;
    while (reader.next(record)) {
        const auto c = parseConstRecord(record);
        if (!c) continue;
        double ra = c->raDeg, dec = c->decDeg;
        if (precession) precession->apply(ra, dec);
        const int x = mapping.x(ra), y = mapping.y(dec);
        if (!startsFigure) {
            segment(lastX, lastY, x, y);
            ++drawn;
        }
        lastX = x;
        lastY = y;
        startsFigure = c->endsFigure;
    }
    return drawn;
}

int readStars(const std::string& path, const SkyChartMapping& mapping,
              const std::function<void(int, int, StarMark)>& star, const Precession* precession) {
    RecordReader reader(path, kStarRecordRoom);
    std::string record;
    int drawn = 0;
    while (reader.next(record)) {
        const auto s = parseStarRecord(record);
        if (!s) continue;
        const StarMark mark = starMarkFor(s->magnitude);
        if (mark == StarMark::None) continue;
        double ra = s->raDeg, dec = s->decDeg;
        if (precession) precession->apply(ra, dec);
        star(mapping.x(ra), mapping.y(dec), mark);
        ++drawn;
    }
    return drawn;
}

std::vector<ConstellationCentre> readConstellationCentres(const std::string& path,
                                                          const Precession* precession) {
    struct Sum {
        double x = 0, y = 0, z = 0;
    };
    std::vector<std::string> order;
    std::map<std::string, Sum> sums;
    RecordReader reader(path, kConstRecordRoom);
    std::string record;
    while (reader.next(record)) {
        const auto c = parseConstRecord(record);
        if (!c || record.size() < 12) continue;
        // The name after the place: three letters, the first a capital.
        std::string name = record.substr(10);
        name.erase(0, name.find_first_not_of(' '));
        name.erase(name.find_last_not_of(" \r") + 1);
        if (name.size() != 3 || !std::isupper(static_cast<unsigned char>(name[0])) ||
            !std::isalpha(static_cast<unsigned char>(name[1])) || !std::isalpha(static_cast<unsigned char>(name[2])))
            continue;
        if (!sums.count(name)) order.push_back(name);
        Sum& s = sums[name];
        const double ra = toRad(c->raDeg), d = toRad(c->decDeg);
        s.x += std::cos(d) * std::cos(ra);
        s.y += std::cos(d) * std::sin(ra);
        s.z += std::sin(d);
    }
    std::vector<ConstellationCentre> centres;
    for (const std::string& name : order) {
        const Sum& s = sums[name];
        double ra = toDeg(std::atan2(s.y, s.x));
        if (ra < 0) ra += 360.0;
        double dec = toDeg(std::atan2(s.z, std::hypot(s.x, s.y)));
        if (precession) precession->apply(ra, dec);
        centres.push_back({name, ra, dec});
    }
    return centres;
}

}  // namespace vantorel
