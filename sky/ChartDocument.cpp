#include "sky/ChartDocument.h"

#include "common/settings/DateTimeCommand.h"
#include "common/text/DateText.h"
#include "engine/Clock.h"
#include "planets/PanelText.h"

namespace vantorel {

void ChartDocument::newDocument(const Clock& clock) {
    setInitialDate(dateTime, settings_, clock);
    compute();
}

void ChartDocument::setDate(int year, int month, int day, int hour, int minute) {
    dateTime.setLocal(year, month, day, hour, minute, settings_.zoneHours, settings_.zoneMinutes);
    compute();
}

void ChartDocument::takeCommonDate() {
    vantorel::takeCommonDate(dateTime, settings_);
    compute();
}

void ChartDocument::compute() {
    settings_.placeSite(dateTime);
    dateTime.computeDate();
    dateTime.computeNutation();
    earthSun.computeSun(dateTime.T);
    earthSun.computeEarth(dateTime);
    planets.compute(dateTime, earthSun);
}

StatusTexts ChartDocument::statusTexts() const {
    StatusTexts s;
    s.date = labelledDateText(settings_.languageIndex(), settings_.dateFormatIndex(),
                              dateTime.localYear, dateTime.localMonth, dateTime.localDay);
    s.time = timeStatusText(settings_.languageIndex(), dateTime);
    return s;
}

}  // namespace vantorel
