#include "satellites/SatelliteInfoRecord.h"

#include <cstdio>

namespace vantorel {

namespace {

// The size is the radius, as the box labels it (three semi-axes for the
// irregular moons); the angular size at 1 AU is that of the diameter.
const SatelliteInfoRecord kSaturn[8] = {
    {"Mimas - I", "0.9424", "185 520 km", "196 km", "12.9", "William Herschel, 1789", 0.00015013531f, {}},
    {"Enceladus - II", "1.3702", "238 020 km", "250 km", "11.7", "William Herschel, 1789", 0.00019149912f, {}},
    {"Tethys - III", "1.8878", "294 660 km", "530 km", "10.2", "Giovanni Domenico Cassini, 1684", 0.00040597812f, {}},
    {"Dione - IV", "2.7369", "377 400 km", "560 km", "10.4", "Giovanni Domenico Cassini, 1684", 0.00042895804f, {}},
    {"Rhea - V", "4.5175", "527 040 km", "765 km", "9.7", "Giovanni Domenico Cassini, 1672", 0.00058598729f, {}},
    {"Titan - VI", "15.9454", "1 221 830 km", "2 575 km", "8.28", "Christiaan Huygens, 1655", 0.0019724409f, {}},
    {"Hyperion - VII", "21.2766", "1 481 100 km", "205x130x110", "14.19", "William Bond, William Lassell, 1848", 0.00010962860f, {}},
    {"Iapetus - VIII", "79.3302", "3 561 300 km", "730 km", "11.1", "Giovanni Domenico Cassini, 1671", 0.00055917800f, {}},
};
const SatelliteInfoRecord kMars[2] = {
    {"Phobos - I", "0.3189", "9 378 km", "13.5x10.8x9.4", "11.3", "Asaph Hall, 1877", 0.0f, {}},
    {"Deimos - II", "1.2624", "23 459 km", "7.5x6.1x5.5", "12.4", "Asaph Hall, 1877", 0.0f, {}},
};
const SatelliteInfoRecord kUranus[5] = {
    {"Ariel - I", "2.520", "191 020 km", "580 km", "14.4", "William Lassell, 1851", 0.00044351196f, {}},
    {"Umbriel - II", "4.144", "266 000 km", "590 km", "15.3", "William Lassell, 1851", 0.00044887394f, {}},
    {"Titania - III", "8.706", "435 910 km", "790 km", "14.0", "William Herschel, 1787", 0.00060513720f, {}},
    {"Oberon - IV", "13.463", "583 520 km", "770 km", "14.2", "William Herschel, 1787", 0.00058368931f, {}},
    {"Miranda - V", "1.413", "129 900 km", "240 km", "16.5", "Gerard Kuiper, 1948", 0.00018383916f, {}},
};
const SatelliteInfoRecord kJupiter[4] = {
    {"Io - I", "1.7691", "422 000 km", "1 815 km", "5.02", "Galileo Galilei, 1610", 0.0013902836f, {}},
    {"Europa - II", "3.5511", "671 000 km", "1 569 km", "5.29", "Galileo Galilei, 1610", 0.0012018485f, {}},
    {"Ganymede - III", "7.1545", "1 070 000 km", "2 631 km", "4.61", "Galileo Galilei, 1610", 0.0020153366f, {}},
    {"Callisto - IV", "16.6890", "1 883 000 km", "2 400 km", "5.65", "Galileo Galilei, 1610", 0.0018383915f, {}},
};

// The names in English, French and Spanish, in the order of the tables above.
constexpr TextTriple kSaturnNames[8] = {
    {"Mimas", "Mimas", "Mimas"},
    {"Enceladus", "Encelade", "Enc\u00e9lado"},
    {"Tethys", "T\u00e9thys", "Tetis"},
    {"Dione", "Dion\u00e9", "Dione"},
    {"Rhea", "Rh\u00e9a", "Rea"},
    {"Titan", "Titan", "Tit\u00e1n"},
    {"Hyperion", "Hyp\u00e9rion", "Hiperi\u00f3n"},
    {"Iapetus", "Japet", "J\u00e1peto"},
};
constexpr TextTriple kMarsNames[2] = {{"Phobos", "Phobos", "Fobos"}, {"Deimos", "Deimos", "Deimos"}};
constexpr TextTriple kUranusNames[5] = {
    {"Ariel", "Ariel", "Ariel"},         {"Umbriel", "Umbriel", "Umbriel"},
    {"Titania", "Titania", "Titania"},   {"Oberon", "Ob\u00e9ron", "Ober\u00f3n"},
    {"Miranda", "Miranda", "Miranda"},
};
constexpr TextTriple kJupiterNames[4] = {
    {"Io", "Io", "Io"},
    {"Europa", "Europe", "Europa"},
    {"Ganymede", "Ganym\u00e8de", "Gan\u00edmedes"},
    {"Callisto", "Callisto", "Calisto"},
};

}  // namespace

std::string SatelliteInfoRecord::title(int language) const {
    // The number follows the English name: "Europa - II".
    const std::string english = name ? name : "";
    const size_t dash = english.find(" - ");
    const std::string local = localName(language);
    if (local.empty()) return english;
    return dash == std::string::npos ? local : local + english.substr(dash);
}

void SatelliteInfoRecord::updateApparentDiameter(double deltaAU) {
    char buf[32];
    const double arcsec = deltaAU > 0 ? diameterAt1AUDeg / deltaAU * 3600.0 : 0.0;
    std::snprintf(buf, sizeof buf, "%02.02f\"", arcsec);
    apparentDiameter = buf;
}

int satelliteCount(SatelliteFamily family) {
    switch (family) {
    case SatelliteFamily::Saturn: return 8;
    case SatelliteFamily::Mars: return 2;
    case SatelliteFamily::Uranus: return 5;
    case SatelliteFamily::Jupiter: return 4;
    }
    return 0;
}

SatelliteInfoRecord satelliteInfo(SatelliteFamily family, int index) {
    if (index < 0 || index >= satelliteCount(family)) index = 0;
    SatelliteInfoRecord record;
    switch (family) {
    case SatelliteFamily::Mars:
        record = kMars[index];
        record.localName = kMarsNames[index];
        break;
    case SatelliteFamily::Uranus:
        record = kUranus[index];
        record.localName = kUranusNames[index];
        break;
    case SatelliteFamily::Jupiter:
        record = kJupiter[index];
        record.localName = kJupiterNames[index];
        break;
    case SatelliteFamily::Saturn:
        record = kSaturn[index];
        record.localName = kSaturnNames[index];
        break;
    }
    return record;
}

}  // namespace vantorel
