#include "app/ui/SettingsDialogs.h"

#include "app/ui/DateFormatDialog.h"
#include "app/ui/LanguageDialog.h"
#include "app/ui/LatitudeLongitudeDialog.h"
#include "app/ui/ProjectionDialog.h"
#include "app/ui/SiteDialog.h"
#include "app/ui/TimeZoneDialog.h"
#include "common/files/Paths.h"
#include "common/site/CityCatalogue.h"
#include "common/site/ZoneNameList.h"
#include "common/ui/DialogHelpers.h"
#include "common/ui/WindowServices.h"

namespace vantorel {

SettingsDialogs::SettingsDialogs(const Settings& settings, std::function<QWidget*()> parent)
    : settings_(settings), parent_(std::move(parent)) {}

std::optional<int> SettingsDialogs::askLanguage(int preselected) {
    LanguageDialog dialog(preselected, parent_());
    if (dialog.exec() != QDialog::Accepted || dialog.selection() < 0) return std::nullopt;
    return dialog.selection();
}

std::optional<int> SettingsDialogs::askDateFormat(int preselected) {
    DateFormatDialog dialog(language(), preselected, parent_());
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.selection();
}

std::optional<ZoneChoice> SettingsDialogs::askZone(const ZoneChoice& shown) {
    const ZoneNameList zones = ZoneNameList::load(Paths::zoneListFiles());
    TimeZoneDialog dialog(language(), shown, zones, parent_());
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.choice();
}

std::optional<LatitudeEntry> SettingsDialogs::askLatitude(const LatitudeEntry& shown,
                                                          LatitudeCheck lastError) {
    LatitudeLongitudeDialog dialog(language(), shown, lastError, parent_());
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.entry();
}

void SettingsDialogs::reportLatitudeError(LatitudeCheck check) {
    messageBox(parent_(), tr3(latitudeMessage(check), language()));
}

std::optional<int> SettingsDialogs::askProjection(int code) {
    ProjectionDialog dialog(language(), code, parent_());
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.code();
}

void SettingsDialogs::reportSettingsNotSaved(const char* text) {
    messageBox(parent_(), QString::fromUtf8(text));
}

SiteAnswer SettingsDialogs::askSite() {
    const std::filesystem::path path = Paths::dataFile(CityCatalogue::kFileName);
    const CityCatalogue cities = CityCatalogue::load(path);
    SiteDialog dialog(language(), cities,
                      path.empty() ? std::string(CityCatalogue::kFileName) : path.string(),
                      parent_());
    dialog.exec();
    return dialog.answer();
}

void SettingsDialogs::reportZoneProblem(const std::string& text) {
    messageBox(parent_(), QString::fromStdString(text));
}

}  // namespace vantorel
