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
