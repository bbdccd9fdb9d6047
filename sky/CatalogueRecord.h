#pragma once

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Precession.h"

#include "sky/SkyChartMapping.h"

// The two catalogue files of the sky chart, data/const.dat (constellation
// figures) and data/etoiles.dat (stars), in fixed columns counted from 1:
//
//   const.dat    1-2 RA hours, 3-4 RA minutes, 5-8 declination degrees
//                (sign and three digits), 9-10 hundredths added to them
//                whatever the sign. Columns 5-10 read as one integer beyond
//                +-9000 mark the last vertex of a figure, whose declination
//                then carries 90 degrees too many (or too few).
//   etoiles.dat  1-2 RA hours, 3-4 RA minutes, 11-13 declination degrees
//                (a blank in column 12 is dropped), 13-14 hundredths (column
//                13 belongs to both fields), 21-24 visual magnitude.
//
// Both are read a record at a time the way a fixed buffer reads a text file:
// a line longer than the buffer goes on as the next record. Nothing is kept:
// the chart reads the files again whenever it draws afresh.

namespace vantorel {

// Characters one read takes, the line's end included.
constexpr int kConstRecordRoom = 19;
constexpr int kStarRecordRoom = 49;

struct ConstRecord {
    double raDeg = 0;
    double decDeg = 0;
    bool endsFigure = false;
};

struct StarRecord {
    double raDeg = 0;
    double decDeg = 0;
    double magnitude = 0;
};

// A record whose fields are not numbers, or whose place lies off the sky
// (hours beyond 24, minutes beyond 59, a declination beyond 90 degrees), is
// damaged: nothing.
std::optional<ConstRecord> parseConstRecord(std::string_view record);
std::optional<StarRecord> parseStarRecord(std::string_view record);

// How a star of magnitude m is marked on the chart.
enum class StarMark { Disc, BrightCross, Cross, Yellow, Blue, Grey, None };
StarMark starMarkFor(double magnitude);

// Reads a text file record by record, `room` characters at most each.
class RecordReader {
public:
    RecordReader(const std::string& path, int room);
    ~RecordReader();
    RecordReader(const RecordReader&) = delete;
    RecordReader& operator=(const RecordReader&) = delete;

    bool isOpen() const { return file_ != nullptr; }
    // The next record without its line end; false at the end of the file.
    bool next(std::string& record);

private:
    std::FILE* file_ = nullptr;
    int room_;
};

// The catalogue `name` where the program finds its data (data/ of the
// working directory first); empty when there is none, which reads as a
// missing file.
std::string catalogueFilePath(const char* name);

// What a reading drew, for the chart's description.
struct CatalogueCounts {
    int figureSegments = 0;
    int stars = 0;
};

// Reads const.dat at `path` and hands each figure segment over in pixels.
// A missing file gives nothing; a damaged record is passed over and the
// figure goes on from its last good vertex.
// The places, of J2000.0, are carried to the chart's equinox by
// `precession` when one is given.
int readConstellationFigures(const std::string& path, const SkyChartMapping& mapping,
                             const std::function<void(int x1, int y1, int x2, int y2)>& segment,
                             const Precession* precession = nullptr);
// Reads etoiles.dat at `path` and hands each star to draw over in pixels.
int readStars(const std::string& path, const SkyChartMapping& mapping,
              const std::function<void(int x, int y, StarMark mark)>& star,
              const Precession* precession = nullptr);

// A constellation's name (its IAU abbreviation, as const.dat gives it after
// each vertex) and the mean direction of its figure's vertices: a place
// inside the figure for its name.
struct ConstellationCentre {
    std::string name;
    double raDeg = 0;
    double decDeg = 0;
};
std::vector<ConstellationCentre> readConstellationCentres(const std::string& path,
                                                          const Precession* precession = nullptr);

}  // namespace vantorel
