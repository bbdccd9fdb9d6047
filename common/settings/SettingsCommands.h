#pragma once

#include <optional>
#include <string>

#include "common/settings/LatitudeEntry.h"
#include "common/settings/Settings.h"
#include "common/settings/SiteChoice.h"
#include "common/settings/TimeZoneChoice.h"

// What the settings commands and the first start do with the answers of their
// dialogs: which keys they write, when they ask again, what a cancel leaves.
// The dialogs themselves are behind SettingsDialogHost, so this runs in tests
// without windows.

namespace vantorel {

class SettingsDialogHost {
public:
    virtual ~SettingsDialogHost() = default;
    // Each returns nothing when the dialog was cancelled or dismissed.
    virtual std::optional<int> askLanguage(int preselected) = 0;
    virtual std::optional<int> askDateFormat(int preselected) = 0;
    virtual std::optional<ZoneChoice> askZone(const ZoneChoice& shown) = 0;
    // `lastError` says which entry gets the focus after a refused entry.
    virtual std::optional<LatitudeEntry> askLatitude(const LatitudeEntry& shown,
                                                     LatitudeCheck lastError) = 0;
    virtual void reportLatitudeError(LatitudeCheck check) = 0;
    virtual std::optional<int> askProjection(int code) = 0;
    // Shown once per run when a setting could not be written to the file.
    virtual void reportSettingsNotSaved(const char* /*text*/) {}
    // The Site dialog. A host without one has the coordinates typed.
    virtual SiteAnswer askSite() { return {SiteAnswerKind::ByHand, {}}; }
    // A zone the settings file or a city names that this computer does not
    // know, or another word about the zone; said once.
    virtual void reportZoneProblem(const std::string& /*text*/) {}
};

// The help file of a language: english\vantorel.hlp, francais\vantfr.hlp,
// espanol\vantes.hlp.
const char* helpFileFor(int language);

// The message that the settings file cannot be written, in `language`.
const char* settingsNotSavedMessage(int language);

// Whether the stored language counts as chosen. Anything but 0, 1 or 2
// (99 when never chosen, or a damaged value) asks again.
inline bool languageChosen(int language) { return language >= 0 && language <= 2; }

// The latitude dialog until a valid entry or Cancel. True when a new
// latitude was stored.
bool enterLatitude(Settings& s, SettingsDialogHost& host);
// The time zone dialog on the current zone; on OK the zone is stored and
// true returned. A named zone keeps in FuseauH/FuseauM its standard offset
// at `nowJd` (universal time).
bool enterZone(Settings& s, SettingsDialogHost& host, double nowJd);
// The Site dialog: a city picked sets latitude, longitude and zone in one
// write; "by hand" opens the latitude dialog. True when anything was stored.
bool enterSite(Settings& s, SettingsDialogHost& host, double nowJd);
// Stores a picked site: latitude, longitude and, when this computer knows
// it, the zone (told to the host when not). Sets the hemisphere flag.
bool applySite(Settings& s, const SiteChoice& site, double nowJd, SettingsDialogHost& host);
// The date format dialog on the current format; on OK the format is stored.
bool enterDateFormat(Settings& s, SettingsDialogHost& host);
// The projection dialog on the current code; on OK the code is stored.
bool enterProjection(Settings& s, SettingsDialogHost& host);
// The language dialog on the current language. A different choice becomes the
// language in use at once and is written to Langue (kept for this run only
// when the file cannot be written). True when the language changed.
bool chooseLanguage(Settings& s, SettingsDialogHost& host);

// The questions of a first start, each only when its key is missing, in this
// order: language, date format, site, time zone, latitude; a city picked in
// the Site dialog answers the last two. `helpFile` receives the help file of
// a language chosen here. Then, in the language now in use, a ZoneName this
// computer does not know is told once.
void runFirstStart(Settings& s, SettingsDialogHost& host, std::string& helpFile, double nowJd);

}  // namespace vantorel
