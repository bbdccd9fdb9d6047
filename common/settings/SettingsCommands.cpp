#include "common/settings/SettingsCommands.h"

#include "common/settings/SettingsFile.h"
#include "common/text/DateText.h"
#include "common/text/ZoneText.h"

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

namespace {

ZoneChoice shownZone(const Settings& s) {
    ZoneChoice shown = zoneChoiceFor(s.zoneHours, s.zoneMinutes);
    shown.name = s.zoneName;
    return shown;
}

}  // namespace

bool enterZone(Settings& s, SettingsDialogHost& host, double nowJd) {
    const std::optional<ZoneChoice> choice = host.askZone(shownZone(s));
    if (!choice) return false;
    if (!choice->name.empty()) {
        const std::optional<TimeZone> named = TimeZone::named(choice->name);
        if (!named) return false;  // a name the dialog should not have let through
        SettingsFile::writeNamedZone(s, *named, nowJd);
    } else {
        const std::optional<Zone> zone = zoneOf(*choice);
        if (!zone) return false;  // a size the dialog should not have let through
        SettingsFile::writeZone(s, zone->hours, zone->minutes);
    }
    tellIfNotSaved(s, host);
    return true;
}

bool applySite(Settings& s, const SiteChoice& site, double nowJd, SettingsDialogHost& host) {
    const float old = s.latitude;
    const std::optional<TimeZone> zone = TimeZone::named(site.zoneName);
    const bool written = SettingsFile::writeSite(s, site.latitudeDeg, site.longitudeDeg, zone, nowJd);
    if (crossesHemisphere(old, s.latitude)) s.hemisphereChanged = true;
    if (!zone)
        host.reportZoneProblem(unknownZoneMessage(
            s.languageIndex(), site.zoneName, offsetMinutesOfStoredZone(s.zoneHours, s.zoneMinutes)));
    tellIfNotSaved(s, host);
    return written;
}

bool enterSite(Settings& s, SettingsDialogHost& host, double nowJd) {
    const SiteAnswer answer = host.askSite();
    switch (answer.kind) {
    case SiteAnswerKind::Picked:
        applySite(s, answer.site, nowJd, host);
        return true;
    case SiteAnswerKind::ByHand: return enterLatitude(s, host);
    case SiteAnswerKind::Cancelled: break;
    }
    return false;
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

void runFirstStart(Settings& s, SettingsDialogHost& host, std::string& helpFile, double nowJd) {
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

    const bool siteMissing = s.latituded == kNotSet || s.latitudem == kNotSet;
    bool sitePicked = false;
    if (siteMissing) {
        const SiteAnswer answer = host.askSite();
        if (answer.kind == SiteAnswerKind::Picked) {
            s.latitude = 0.0f;
            applySite(s, answer.site, nowJd, host);
            sitePicked = true;
        }
    }

    if (s.displayWarning == 0 && !sitePicked) {
        s.zoneHours = 0;
        s.zoneMinutes = 0;
        Zone zone;
        std::optional<TimeZone> named;
        if (const std::optional<ZoneChoice> choice = host.askZone(ZoneChoice{})) {
            zone = zoneOf(*choice).value_or(Zone{});
            if (!choice->name.empty()) named = TimeZone::named(choice->name);
        }
        // Written after OK and Cancel alike, so the question is asked once.
        if (named)
            SettingsFile::writeNamedZone(s, *named, nowJd);
        else
            SettingsFile::writeFirstStartZone(s, zone.hours, zone.minutes);
    }

    if (siteMissing && !sitePicked) {
        s.latitude = 0.0f;
        enterLatitude(s, host);
    }
    if (s.zoneNameUnknown())
        host.reportZoneProblem(unknownZoneMessage(
            s.languageIndex(), s.zoneName, offsetMinutesOfStoredZone(s.zoneHours, s.zoneMinutes)));
    tellIfNotSaved(s, host);
}

}  // namespace vantorel
