// Panel and status-bar texts in the three languages.
#include <gtest/gtest.h>

#include "common/text/BodyDataRecord.h"
#include "engine/DateTime.h"
#include "planets/PanelText.h"

namespace vantorel {
namespace {

TEST(PanelText, DataPanelValues) {
    EXPECT_EQ(rightAscensionText(3, 7, 9), "03: 07: 09");
    EXPECT_EQ(magnitudeText(-2.94), "-2.9");
    EXPECT_EQ(diameterText(25.13), "25.1\"");
    EXPECT_EQ(distanceText(0.372719, 0), "0.37272 AU");
    EXPECT_EQ(distanceText(0.372719, 1), "0.37272 UA");
    EXPECT_EQ(distanceText(8.1234567, 2, 3), "8.123 UA");
    EXPECT_EQ(illuminationText(0.6471), "64.7%");
    EXPECT_EQ(poleInclinationText(-0.25), "-14.3\u00b0");
    EXPECT_EQ(centralLongitudeText(7.5), "7.50\u00b0");
    EXPECT_EQ(scaleText(6794.0, 25.0), "1\" = 271.76 km");
    EXPECT_EQ(scaleText(51118.0, 3.7, true), "1\" = 13815.68km");
    EXPECT_EQ(scaleText(6794.0, 0.0), "1\" = -- km");
}

TEST(PanelText, StatusPanes) {
    DateTime dt;
    dt.riseHour = 6;
    dt.riseMinute = 5;
    dt.transitHour = 12;
    dt.transitMinute = 40;
    dt.setHour = 19;
    dt.setMinute = 2;
    dt.riseOnDate = dt.transitOnDate = dt.setOnDate = true;
    EXPECT_EQ(riseStatusText(0, dt), "Rise: 06: 05");
    EXPECT_EQ(riseStatusText(1, dt), "Lever: 06: 05");
    EXPECT_EQ(transitStatusText(2, dt), "Tr\u00e1nsito: 12: 40");
    EXPECT_EQ(setStatusText(1, dt), "Coucher: 19: 02");
    EXPECT_EQ(setStatusText(7, dt), "Set: 19: 02");  // a damaged language index reads as English
    dt.riseOnDate = dt.setOnDate = false;
    EXPECT_EQ(riseStatusText(0, dt), "Rise: --: --");
    EXPECT_EQ(setStatusText(2, dt), "Puesta: --: --");
    EXPECT_EQ(transitStatusText(0, dt), "Transit: 12: 40");
    // The Moon's day without a transit.
    dt.transitOnDate = false;
    EXPECT_EQ(transitStatusText(1, dt), "Transit: --: --");
    EXPECT_EQ(timeStatusText(1, 9, 5), "Heure: 09: 05");
}

TEST(PanelText, AltitudeSigns) {
    EXPECT_EQ(altitudeText(0, -25), "-0.25");
    EXPECT_EQ(altitudeText(-12, 25), "-12.25");
    EXPECT_EQ(altitudeText(45, 7), "45.07");
    DateTime dt;
    dt.computeAltitude(0, -0.5 / 57.295779513, 90.0);  // half a degree below, seen from the pole
    EXPECT_EQ(altitudeStatusText(0, dt), "Alt.: -0.50");
    dt.computeAltitude(0, -10.25 / 57.295779513, 90.0);
    EXPECT_EQ(altitudeStatusText(2, dt), "Alt.: -10.25");
}

TEST(PanelText, LabelledDates) {
    EXPECT_EQ(labelledDateText(0, 0, 2024, 3, 5), "Date: 2024/03/05");
    EXPECT_EQ(labelledDateText(1, 1, 2024, 3, 5), "Date: 2024/05/03");
    EXPECT_EQ(labelledDateText(2, 2, 2024, 3, 5), "Fecha: 05/03/2024");
    EXPECT_EQ(labelledDateText(0, 3, 2024, 3, 5), "Date: 03/05/2024");
    EXPECT_EQ(labelledDateText(0, 9, 2024, 3, 5), "Date: 2024/03/05");
    EXPECT_EQ(unlabelledDateText(2, 2024, 3, 5), "05/03/2024");
}

TEST(PanelText, MarsSeasons) {
    EXPECT_EQ(marsSeasonName(0, 90.0f), "summer");
    EXPECT_EQ(marsSeasonName(0, 0.0f), "winter");
    EXPECT_EQ(marsSeasonName(1, 45.0f), "printemps");
    EXPECT_EQ(marsSeasonName(2, 200.0f), "oto\u00f1o");
    EXPECT_EQ(marsSeasonName(0, 300.0f), "winter");
    EXPECT_EQ(marsSeasonAngleText(123.456f), "Ls: 123.46\u00b0");
}

TEST(BodyDataRecordTest, FieldsInControlOrder) {
    BodyDataRecord r;
    r.raValue = "ra";
    r.bodyName = "    MARS";
    r.surfaceDetailLabel = "detail";
    r.diameterValue = "25.1\"";
    EXPECT_EQ(r.text(0), "ra");
    EXPECT_EQ(r.text(10), "    MARS");
    EXPECT_EQ(r.text(25), "detail");
    EXPECT_EQ(r.text(26), "");
    EXPECT_EQ(r.text(-1), "");
    EXPECT_EQ(r.textField(99), nullptr);
    *r.textField(21) = "summer";
    EXPECT_EQ(r.seasonName, "summer");
    EXPECT_EQ(BodyDataRecord::kControlIds[10], 1009);
    EXPECT_FLOAT_EQ(r.currentDiameter(), 25.1f);
}

}  // namespace
}  // namespace vantorel

// In a named zone the status bar's time carries the offset in force, which
// summer time changes; a fixed zone's time is as it always was.
TEST(PanelText, TimeInANamedZoneShowsTheOffsetInForce) {
    vantorel::DateTime dt;
    dt.setLocal(2024, 3, 31, 1, 30, 1, 0);
    dt.computeDate();
    EXPECT_EQ(vantorel::timeStatusText(0, dt), "Time: 01: 30");
    dt.namedZone = vantorel::TimeZone::named("Europe/Paris");
    dt.computeDate();
    EXPECT_EQ(vantorel::timeStatusText(0, dt), "Time: 01: 30 UTC+1");
    dt.localHour = 4;
    dt.computeDate();
    EXPECT_EQ(vantorel::timeStatusText(1, dt), "Heure: 04: 30 UTC+2");
}
