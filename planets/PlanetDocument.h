#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/text/BodyDataRecord.h"
#include "common/text/LanguageText.h"
#include "engine/DateTime.h"
#include "engine/EarthSun.h"
#include "engine/Planet.h"
#include "planets/TimeStepKeys.h"

// What every planet window's document shares: its own date, the Earth/Sun and
// the body, the results for that date, the data panel and status bar texts in
// the three languages, and the commands on the date. The members differ only
// by the constants of their profile and by their extras (Mars's satellites
// and season, Saturn's and Uranus's satellites).

namespace vantorel {

class Clock;
class SatelliteRecordTable;
struct Settings;


// A satellite's offsets from the planet's centre, arc seconds of the sky.
struct SatellitePlace {
    bool present = false;
    double eastArcsec = 0.0;
    double northArcsec = 0.0;
};


struct PlanetDocProfile {
    int titleIndex;                 // into the title table
    TextTriple name;                // field 10
    TextTriple seasonGroupLabel;    // field 9
    const char* seasonFiller;       // fields 21-23 of the bodies without seasons
    int distanceDecimals;           // field 4
    double bodyKm;                  // scale text: the body's diameter, km
    bool compactScale;              // '1" = %.2fkm'
    float maximumDiameter;          // arc seconds
    float minimumDiameter;
    const char* centralLongitudeLabel2;  // field 19
};

class PlanetDocument {
public:
    PlanetDocument(const DateTime& blank, Settings& settings, std::unique_ptr<Planet> body,
               const PlanetDocProfile& profile);
    virtual ~PlanetDocument();
    PlanetDocument(const PlanetDocument&) = delete;
    PlanetDocument& operator=(const PlanetDocument&) = delete;

    // The new window's first date: the common date while one is in force,
    // else the computer's clock; then the computation.
    void initialise(const Clock& clock);

    // Rise, transit and set of the day, the place and physical data at the
    // document's time, the altitude, then the body's extras; asks for a new
    // rendering of the disc.
    void computeBody();
    PanelContent fillDataPanel();
    void stepOneMinute();
    void recomputeAndRefresh();
    // The broadcast messages: the common date, or the zone, changed.
    void takeCommonDate();
    // A time key of the view: step, carry, recompute.
    void applyTimeKey(const TimeStep& step, const Clock& clock);
    // The date dialog accepted a new date (already in the record).
    void dateChanged();

    // Views hear here that they must redraw.
    void setRedrawHandler(std::function<void()> handler) { redrawViews_ = std::move(handler); }
    // A second window on the same document chains its handler to this one.
    const std::function<void()>& redrawHandler() const { return redrawViews_; }

    const PlanetDocProfile& profile() const { return profile_; }
    int language() const;
    Settings& settings() const { return settings_; }
    Planet& body() { return *body_; }
    const Planet& body() const { return *body_; }

    DateTime dt;
    EarthSun earthSun;

    bool refreshPanel = false;
    bool redrawDisc = true;
    bool trackingOn = false;
    bool isActive = false;
    bool satellitesAvailable = true;
    std::string diameterText;
    std::string scaleText;
    // The satellites drawn beside the disc (Mars, Uranus), in the order of
    // their information records.
    std::vector<SatellitePlace> satellites;
    // The projection code the picture is drawn with, renewed by the view.
    int projection = 0;

protected:
    // Body-specific work after the common computation (satellites).
    virtual void computeExtras() {}
    // Body-specific fields of the record (Mars's season).
    virtual void fillExtras(BodyDataRecord& record) const { (void)record; }
    // Asks `table` for every satellite `aheadMinutes` after the document's
    // time, then, when it knows them, at the time itself; the first answer
    // becomes satellitesAvailable.
    void computeSatellites(SatelliteRecordTable& table, int aheadMinutes);
    void redrawViews() {
        if (redrawViews_) redrawViews_();
    }

private:
    Settings& settings_;
    std::unique_ptr<Planet> body_;
    PlanetDocProfile profile_;
    std::function<void()> redrawViews_;
};

}  // namespace vantorel
