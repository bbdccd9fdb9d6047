#pragma once

#include <cmath>

#include "engine/DateTime.h"

// The next conjunctions, oppositions and greatest elongations of a planet
// from the mean phenomena and their periodic corrections (Meeus, chapter on
// planetary phenomena), each as a local date with the hour rounded, and one
// text line per event.

namespace vantorel {

struct PhenomenonSeriesRef;

enum PhenomenonKind : int {
    kOpposition = 0,
    kConjunction,
    kSuperiorConjunction,
    kInferiorConjunction,
    kGreatestElongationEast,
    kGreatestElongationWest,
};

// The event name in the language (0 English, 1 French, 2 Spanish).
const char* phenomenonName(int kind, int language);

// Planet indices of searchPhenomena: the planet's first table row.
enum PhenomenaPlanet : int {
    kPhenomenaMercury = 0,
    kPhenomenaVenus = 2,
    kPhenomenaMars = 4,
    kPhenomenaJupiter = 6,
    kPhenomenaSaturn = 8,
    kPhenomenaUranus = 10,
    kPhenomenaNeptune = 12,
};

class ConjunctionSearch {
  public:
    static constexpr int kLineCount = 30;
    static constexpr int kLineLength = 96;

    ConjunctionSearch(int language, int dateFormat) : language_(language), dateFormat_(dateFormat) {}

    // Fills the lines for the planet index: the first event of each kind on
    // or after the local date of `dt`, in date order. Any index that is not
    // a planet's first row gives no line.
    void searchPhenomena(const DateTime& dt, int planetIndex);

    // One event as listed.
    struct Event {
        int kind = 0;
        double jde = 0;                              // corrected instant, dynamical time
        double elongationDeg = std::nan("");         // greatest elongations only
        int year = 0, month = 0, day = 0, hour = 0;  // local, hour rounded
    };

    char lines[kLineCount][kLineLength] = {};
    Event events[kLineCount];
    int count = 0;

    int zoneHours = 0, zoneMinutes = 0;
    double T = 0, T2 = 0;
    double sinKM[5] = {}, cosKM[5] = {};  // of M, 2M, ... 5M
    struct {
        int hour = 0, minute = 0, day = 0, month = 0, year = 0;
    } eventCalendar;

    // The local date and rounded hour of a dynamical-time instant with the
    // zone of the last search (stored in eventCalendar).
    void toLocalRoundedHour(double jde, double zoneOffsetHours);

  private:
    // The cycle k whose mean instant of the row's event is the first after
    // the start year (a year with its fraction).
    static int firstCycle(int row, double startYear);
    // Mean instant of the row's event in cycle k: JDE0, with M's sines and
    // cosines and T stored for the corrections.
    double meanInstant(int row, int k);
    double correction(const PhenomenonSeriesRef& series) const;
    // Whether the instant's local date is not before the start date.
    bool localDateFrom(double jde, const int (&start)[3]);
    void addLine(int kind, double jde, double elongation);

    int language_;
    int dateFormat_;
    double zoneOffsetHours_ = 0;
    std::optional<TimeZone> namedZone_;
};

}  // namespace vantorel
