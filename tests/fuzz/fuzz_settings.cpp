// Any bytes as the settings file: reading never fails, every value it yields
// lies in its key's range, and writing a key changes only that key.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/settings/Settings.h"
#include "common/settings/SettingsFile.h"
#include "common/text/SettingsText.h"

using namespace vantorel;

namespace {
void check(bool ok) {
    if (!ok) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const SettingsText text = SettingsText::parse(bytes, "Vantorel");
    Settings s;
    SettingsFile::applySettings(text, s);
    check(s.latituded == kNotSet || (s.latituded >= -90 && s.latituded <= 90));
    check(s.latitudem == kNotSet || (s.latitudem >= -59 && s.latitudem <= 59));
    check(s.latitude >= -90.0f && s.latitude <= 99.0f + 99.0f / 60.0f);
    check(s.redSpotLongitude >= 0 && s.redSpotLongitude <= 359);
    check(s.projection >= 0 && s.projection <= 3);
    check(s.language == kNotSet || (s.language >= 0 && s.language <= 2));
    check((s.zoneHours >= -13 && s.zoneHours <= 14) || (s.zoneHours >= 50 && s.zoneHours <= 63));
    check(s.zoneMinutes >= 0 && s.zoneMinutes <= 59);
    check(s.dateFormat == kNotSet || (s.dateFormat >= 0 && s.dateFormat <= 3));
    check(s.displayWarning == 0 || s.displayWarning == 1);
    check(s.zoneName.size() <= 80);
    check(!s.namedZone || s.namedZone->name() == s.zoneName);

    // A written key reads back; the other lines, the mark and the line ends
    // come back as they were.
    SettingsText edited = text;
    edited.set("DATE", 2);
    const std::string out = edited.serialize();
    const SettingsText again = SettingsText::parse(out, "Vantorel");
    check(again.value("DATE") == 2);
    check(again.hasByteOrderMark() == text.hasByteOrderMark());
    check(again.lines().size() >= text.lines().size());
    check(again.lines().size() <= text.lines().size() + 2);
    return 0;
}
