#pragma once

#include <string>

// The texts and numbers a body document hands to the data dialog, in the
// order of the dialog's controls.

namespace vantorel {

struct BodyDataRecord {
    std::string raValue;                  // 1028
    std::string decValue;                 // 1030
    std::string magnitudeValue;           // 1032
    std::string diameterValue;            // 1034, arc seconds; the current diameter
    std::string distanceValue;            // 1036
    std::string illuminationValue;        // 1038
    std::string poleInclinationValue;     // 1043
    std::string centralLongitudeValue;    // 1040
    std::string centralLongitudeValue2;   // 1041
    std::string seasonGroupLabel;         // 1046
    std::string bodyName;                 // 1009
    std::string raLabel;                  // 1027
    std::string decLabel;                 // 1029
    std::string magnitudeLabel;           // 1031
    std::string diameterLabel;            // 1033
    std::string distanceLabel;            // 1035
    std::string illuminationLabel;        // 1037
    std::string poleInclinationLabel;     // 1042
    std::string centralLongitudeLabel;    // 1039
    std::string centralLongitudeLabel2;   // 1044
    std::string centralLongitudeValue3;   // 1045
    std::string seasonName;               // 1047
    std::string seasonAngle;              // 1048
    std::string seasonSpare;              // 1049
    std::string scaleText;                // 1100
    std::string surfaceDetailLabel;       // 1101
    float maximumDiameter = 0;            // arc seconds
    float minimumDiameter = 0;

    static constexpr int kTextCount = 26;
    // Dialog control of each text, in field order.
    static constexpr int kControlIds[kTextCount] = {
        1028, 1030, 1032, 1034, 1036, 1038, 1043, 1040, 1041, 1046, 1009, 1027, 1029,
        1031, 1033, 1035, 1037, 1042, 1039, 1044, 1045, 1047, 1048, 1049, 1100, 1101};

    // Text number `index` (0-25) in field order; empty outside.
    const std::string& text(int index) const;
    // The same for writing; null outside.
    std::string* textField(int index);
    // The current diameter read from its text (0 when it is not a number).
    float currentDiameter() const;
};

// The status bar panes a body window fills (panes 3 to 8).
struct StatusTexts {
    std::string rise, transit, set, altitude, date, time;
};

// What a body window shows: the status bar panes and the data dialog.
struct PanelContent {
    StatusTexts status;
    BodyDataRecord record;
};

}  // namespace vantorel
