// The satellite information box shows the record it was opened with.
#include <gtest/gtest.h>

#include "planets/ui/SatelliteInfoDialog.h"
#include "satellites/SatelliteInfoRecord.h"

using namespace vantorel;

TEST(SatInfo, ShowsTheRecordWithLabelsOfTheLanguage) {
    SatelliteInfoRecord titania = satelliteInfo(SatelliteFamily::Uranus, 2);
    titania.updateApparentDiameter(19.5);
    const SatelliteInfoDialog fr(titania, 1);
    EXPECT_EQ(fr.windowTitle(), QStringLiteral("Titania - III"));
    EXPECT_EQ(fr.controlText(1117), QString::fromUtf8("Pér. orbitale ( j ):"));
    EXPECT_EQ(fr.controlText(1118), QStringLiteral("8.706"));
    EXPECT_EQ(fr.controlText(1120), QStringLiteral("435 910 km"));
    EXPECT_EQ(fr.controlText(1126), QStringLiteral("William Herschel, 1787"));
    // 0.00060513720 degrees at 1 AU seen from 19.5 AU: 0.11 arc seconds.
    EXPECT_EQ(fr.controlText(1128), QStringLiteral("0.11\""));
    const SatelliteInfoDialog es(titania, 2);
    EXPECT_EQ(es.controlText(1127), QString::fromUtf8("Diámetro:"));
    EXPECT_EQ(es.controlText(1121), QStringLiteral("Radio:"));
}

TEST(SatInfo, TitleNamesTheMoonInTheLanguageWithItsNumber) {
    struct Row {
        SatelliteFamily family;
        int index;
        int language;
        const char* title;
    };
    const Row rows[] = {
        {SatelliteFamily::Jupiter, 1, 1, "Europe - II"},
        {SatelliteFamily::Jupiter, 1, 2, "Europa - II"},
        {SatelliteFamily::Jupiter, 2, 2, "Ganímedes - III"},
        {SatelliteFamily::Saturn, 1, 1, "Encelade - II"},
        {SatelliteFamily::Saturn, 7, 1, "Japet - VIII"},
        {SatelliteFamily::Saturn, 1, 2, "Encélado - II"},
        {SatelliteFamily::Saturn, 2, 2, "Tetis - III"},
        {SatelliteFamily::Saturn, 4, 2, "Rea - V"},
        {SatelliteFamily::Saturn, 7, 2, "Jápeto - VIII"},
        {SatelliteFamily::Saturn, 5, 0, "Titan - VI"},
    };
    for (const Row& r : rows) {
        const SatelliteInfoDialog box(satelliteInfo(r.family, r.index), r.language);
        EXPECT_EQ(box.windowTitle(), QString::fromUtf8(r.title));
    }
    // The radius, as labelled: Titan's is 2 575 km.
    const SatelliteInfoDialog titan(satelliteInfo(SatelliteFamily::Saturn, 5), 0);
    EXPECT_EQ(titan.controlText(1121), QStringLiteral("Radius:"));
    EXPECT_EQ(titan.controlText(1122), QStringLiteral("2 575 km"));
    // The command-line tool keeps the English names.
    EXPECT_STREQ(satelliteInfo(SatelliteFamily::Jupiter, 1).name, "Europa - II");
}
