#include "app/ui/CPlaceholderView.h"

#include <QPainter>

#include <cstdio>

#include "app/CommandIds.h"
#include "app/DateText.h"
#include "app/DateTimeCommand.h"
#include "app/paint/DrawingSurface.h"
#include "app/ui/CMainFrame.h"
#include "app/ui/CVantorelApp.h"
#include "engine/Clock.h"
#include "sky/PhenomenaSearch.h"
#include "sky/ui/CConjOpp.h"
#include "planets/BodyDataRecord.h"

namespace vantorel {

CPlaceholderView::CPlaceholderView(CVantorelApp& app, CMainFrame& frame, DocTypeId type,
                                   const DATE_TIME& blank, QWidget* parent)
    : CChildView(app, frame, type, parent), date_(blank) {
    setInitialDate(date_, settings(), app.clock());
    compute();
}

int CPlaceholderView::conjunctionPlanet(int id) const {
    if (id != ID_CONJUNCTION_OPPOSITION) return -1;
    switch (docType()) {
    case DocTypeId::Jupiter:
    case DocTypeId::JupiterSatellites: return kPhenomenaJupiter;
    case DocTypeId::Saturn: return kPhenomenaSaturn;
    default: return -1;
    }
}

bool CPlaceholderView::takesCommonDate() const {
    return docType() != DocTypeId::DataTable && docType() != DocTypeId::ZoomedSky;
}

void CPlaceholderView::compute() {
    date_.zoneHours = settings().zoneHours;
    date_.zoneMinutes = settings().zoneMinutes;
    date_.computeDate();
    ++computeCount_;
    if (active_) fillPanes();
    update();
}

void CPlaceholderView::fillPanes() {
    // No body here: the rise, transit, set and altitude panes and the data
    // dialog must not go on showing the last body window's figures.
    for (int pane = 3; pane <= 6; ++pane) setPaneText(pane, QString());
    app().fillDataDialog(BodyDataRecord{});
    const int lang = language();
    setPaneText(7, QString::fromStdString(labelledDateText(lang, settings().dateFormat,
                                                           date_.localYear, date_.localMonth,
                                                           date_.localDay)));
    char time[64];
    std::snprintf(time, sizeof time,
                  pickText(lang, "Time: %02.0f: %02.0f", "Heure: %02.0f: %02.0f",
                           "Hora: %02.0f: %02.0f"),
                  date_.localHour, date_.localMinute);
    setPaneText(8, QString::fromUtf8(time));
}

void CPlaceholderView::activated(bool active) {
    active_ = active;
    if (active) fillPanes();
}

bool CPlaceholderView::onCommand(int id) {
    if (id == ID_DATE_TIME) {
        runDateDialog(date_, docType() != DocTypeId::DataTable);
        return true;
    }
    if (id == ID_DATA_DIALOG && documentType().counted) {
        if (mainFrame().windowCount() != 0 && documentType().dataDialogName)
            app().showDataDialog(QString::fromLatin1(documentType().dataDialogName));
        return true;
    }
    if (const int planet = conjunctionPlanet(id); planet >= 0) {
        CConjOpp::showForPlanet(this, date_, planet, language(), settings().dateFormatIndex());
        return true;
    }
    return CChildView::onCommand(id);
}

std::optional<CommandState> CPlaceholderView::commandState(int id) const {
    if (id == ID_DATE_TIME) return CommandState{};
    if (id == ID_DATA_DIALOG && documentType().counted) return CommandState{};
    if (conjunctionPlanet(id) >= 0) return CommandState{};
    return CChildView::commandState(id);
}

void CPlaceholderView::onRecomputeDate() {
    if (!takesCommonDate()) return;
    takeCommonDate(date_, settings());
    compute();
}

void CPlaceholderView::onRecomputeZone() { compute(); }

bool CPlaceholderView::opensSatellitesWindow() const {
    return docType() == DocTypeId::Jupiter || docType() == DocTypeId::JupiterSatellites;
}

void CPlaceholderView::dateChangedByDialog() { compute(); }

void CPlaceholderView::paintEvent(QPaintEvent*) {
    DrawingSurface surface(width(), height());
    surface.setTextColour(Rgb{220, 220, 220});
    surface.textOut(8, 8, documentTitle().trimmed());
    surface.textOut(8, 8 + surface.fontHeight(),
                    QString::fromStdString(unlabelledDateText(settings().dateFormat, date_.localYear,
                                                              date_.localMonth, date_.localDay)) +
                        QStringLiteral("  %1:%2")
                            .arg(static_cast<int>(date_.localHour), 2, 10, QLatin1Char('0'))
                            .arg(static_cast<int>(date_.localMinute), 2, 10, QLatin1Char('0')));
    QPainter(this).drawImage(0, 0, surface.image());
}

}  // namespace vantorel
