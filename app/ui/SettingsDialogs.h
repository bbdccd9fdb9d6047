#pragma once

#include <functional>

#include "common/settings/SettingsCommands.h"

class QWidget;

// The program's own answers to the settings questions: the language, date
// format, time zone and latitude dialogs, and their messages.

namespace vantorel {

class SettingsDialogs final : public SettingsDialogHost {
public:
    // `parent` gives the window the dialogs sit over (none at first start).
    SettingsDialogs(const Settings& settings, std::function<QWidget*()> parent);

    std::optional<int> askLanguage(int preselected) override;
    std::optional<int> askDateFormat(int preselected) override;
    std::optional<ZoneChoice> askZone(const ZoneChoice& shown) override;
    std::optional<LatitudeEntry> askLatitude(const LatitudeEntry& shown,
                                             LatitudeCheck lastError) override;
    void reportLatitudeError(LatitudeCheck check) override;
    std::optional<int> askProjection(int code) override;
    void reportSettingsNotSaved(const char* text) override;
    SiteAnswer askSite() override;
    void reportZoneProblem(const std::string& text) override;

private:
    int language() const { return settings_.languageIndex(); }
    const Settings& settings_;
    std::function<QWidget*()> parent_;
};

}  // namespace vantorel
