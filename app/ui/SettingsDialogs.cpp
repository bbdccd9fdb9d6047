#include "app/ui/SettingsDialogs.h"

#include "app/ui/CFormatDate.h"
#include "app/ui/CLangue.h"
#include "app/ui/CLongLat.h"
#include "app/ui/CProjection.h"
#include "app/ui/CTimezone.h"
#include "app/ui/DialogHelpers.h"
#include "app/ui/WindowServices.h"

namespace vantorel {

SettingsDialogs::SettingsDialogs(const Settings& settings, std::function<QWidget*()> parent)
    : settings_(settings), parent_(std::move(parent)) {}

std::optional<int> SettingsDialogs::askLanguage(int preselected) {
    CLangue dialog(preselected, parent_());
    if (dialog.exec() != QDialog::Accepted || dialog.selection() < 0) return std::nullopt;
    return dialog.selection();
}

std::optional<int> SettingsDialogs::askDateFormat(int preselected) {
    CFormatDate dialog(language(), preselected, parent_());
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.selection();
}

std::optional<ZoneChoice> SettingsDialogs::askZone(const ZoneChoice& shown) {
    CTimezone dialog(language(), shown, parent_());
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.choice();
}

std::optional<LatitudeEntry> SettingsDialogs::askLatitude(const LatitudeEntry& shown,
                                                          LatitudeCheck lastError) {
    CLongLat dialog(language(), shown, lastError, parent_());
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.entry();
}

void SettingsDialogs::reportLatitudeError(LatitudeCheck check) {
    messageBox(parent_(), tr3(latitudeMessage(check), language()));
}

std::optional<int> SettingsDialogs::askProjection(int code) {
    CProjection dialog(language(), code, parent_());
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.code();
}

void SettingsDialogs::showRestartMessage(const char* text) {
    messageBox(parent_(), QString::fromUtf8(text));
}

void SettingsDialogs::reportSettingsNotSaved(const char* text) {
    messageBox(parent_(), QString::fromUtf8(text));
}

}  // namespace vantorel
