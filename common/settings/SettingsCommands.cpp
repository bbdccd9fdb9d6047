#include "common/settings/SettingsCommands.h"

#include "common/settings/SettingsFile.h"
#include "common/text/DateText.h"

namespace vantorel {

const char* helpFileFor(int language) {
    return pickText(language, "english\\vantorel.hlp", "francais\\vantfr.hlp",
                    "espanol\\vantes.hlp");
}

const char* settingsNotSavedMessage(int language) {
    return pickText(language,
                    "The settings file vantorel.ini cannot be written: the settings are kept for "
                    "this session only.",
                    "Le fichier de configuration vantorel.ini ne peut pas \u00eatre \u00e9crit : "
                    "les r\u00e9glages ne valent que pour cette session.",
                    "El archivo de configuraci\u00f3n vantorel.ini no se puede escribir: los "
                    "ajustes valen solo para esta sesi\u00f3n.");
}

namespace {

// A read-only or unreadable settings file is kept as it is; the user hears
// of it once, the first time a setting does not reach it.
void tellIfNotSaved(Settings& s, SettingsDialogHost& host) {
    if (!s.settingsNotSaved || s.notSavedNoticeShown) return;
    s.notSavedNoticeShown = true;
    host.reportSettingsNotSaved(settingsNotSavedMessage(s.languageIndex()));
}

}  // namespace

bool enterLatitude(Settings& s, SettingsDialogHost& host) {
    // A refused entry opens the dialog again on the values it had before.
    const LatitudeEntry shown = siteEntryOf(s);
    LatitudeCheck lastError = LatitudeCheck::Valid;
    for (;;) {
        const std::optional<LatitudeEntry> entry = host.askLatitude(shown, lastError);
        if (!entry) return false;
        const LatitudeCheck check = checkSite(*entry);
        if (check != LatitudeCheck::Valid) {
            host.reportLatitudeError(check);
            lastError = check;
            continue;
        }
        applyLatitude(s, *entry);
        tellIfNotSaved(s, host);
        return true;
    }
}

bool enterZone(Settings& s, SettingsDialogHost& host) {
    const std::optional<ZoneChoice> choice = host.askZone(zoneChoiceFor(s.zoneHours, s.zoneMinutes));
    if (!choice) return false;
    const std::optional<Zone> zone = zoneOf(*choice);
    if (!zone) return false;  // a size the dialog should not have let through
    SettingsFile::writeZone(s, zone->hours, zone->minutes);
    tellIfNotSaved(s, host);
    return true;
}

bool enterDateFormat(Settings& s, SettingsDialogHost& host) {
    const std::optional<int> format = host.askDateFormat(s.dateFormatIndex());
    if (!format) return false;
    SettingsFile::writeDateFormat(s, dateFormatFromSelection(*format));
    tellIfNotSaved(s, host);
    return true;
}

bool enterProjection(Settings& s, SettingsDialogHost& host) {
    const std::optional<int> code = host.askProjection(s.projectionCode());
    if (!code || *code < 0 || *code > 3) return false;
    SettingsFile::writeProjection(s, *code);
    tellIfNotSaved(s, host);
    return true;
}

bool chooseLanguage(Settings& s, SettingsDialogHost& host) {
    const std::optional<int> chosen = host.askLanguage(s.languageIndex());
    if (!chosen || !languageChosen(*chosen) || *chosen == s.languageIndex()) return false;
    s.setLanguage(*chosen);
    if (!SettingsFile::writeLanguage(*chosen)) s.settingsNotSaved = true;
    tellIfNotSaved(s, host);
    return true;
}

void runFirstStart(Settings& s, SettingsDialogHost& host, std::string& helpFile) {
    if (!languageChosen(s.language)) {
        const std::optional<int> chosen = host.askLanguage(kEnglish);
        if (chosen && languageChosen(*chosen)) {
            s.setLanguage(*chosen);
            helpFile = helpFileFor(*chosen);
            if (!SettingsFile::writeLanguage(*chosen)) s.settingsNotSaved = true;
        } else {
            // Dismissed without a choice: this run speaks English and the
            // question comes again at the next start.
            s.setLanguage(kEnglish);
        }
    }

    if (s.dateFormat == kNotSet) {
        const std::optional<int> format = host.askDateFormat(0);
        if (format)
            SettingsFile::writeDateFormat(s, dateFormatFromSelection(*format));
        else
            s.dateFormat = 0;  // for this run only; DATE stays absent
    }

    if (s.displayWarning == 0) {
        s.zoneHours = 0;
        s.zoneMinutes = 0;
        Zone zone;
        if (const std::optional<ZoneChoice> choice = host.askZone(ZoneChoice{}))
            zone = zoneOf(*choice).value_or(Zone{});
        // Written after OK and Cancel alike, so the question is asked once.
        SettingsFile::writeFirstStartZone(s, zone.hours, zone.minutes);
    }

    if (s.latituded == kNotSet || s.latitudem == kNotSet) {
        s.latitude = 0.0f;
        enterLatitude(s, host);
    }
    tellIfNotSaved(s, host);
}

}  // namespace vantorel
