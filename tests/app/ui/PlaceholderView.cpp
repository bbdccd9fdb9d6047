#include "tests/app/ui/PlaceholderView.h"

#include <QPainter>

#include <cstdio>

#include "common/commands/CommandIds.h"
#include "common/paint/DrawingSurface.h"
#include "common/settings/DateTimeCommand.h"
#include "common/text/BodyDataRecord.h"
#include "common/text/DateText.h"
#include "common/ui/WindowHost.h"
#include "engine/Clock.h"
#include "planets/ui/ConjunctionDialog.h"
#include "sky/ConjunctionSearch.h"

namespace vantorel {

PlaceholderView::PlaceholderView(const ViewContext& context, DocTypeId type, QWidget* parent)
    : ChildView(context.host, type, parent), date_(context.blankDate) {
    setInitialDate(date_, settings(), context.host.clock());
    compute();
}

int PlaceholderView::conjunctionPlanet(int id) const {
    if (id != ID_CONJUNCTION_OPPOSITION) return -1;
    switch (docType()) {
    case DocTypeId::Jupiter:
    case DocTypeId::JupiterSatellites: return kPhenomenaJupiter;
    case DocTypeId::Saturn: return kPhenomenaSaturn;
    default: return -1;
    }
}

bool PlaceholderView::takesCommonDate() const {
    return docType() != DocTypeId::DataTable && docType() != DocTypeId::ZoomedSky;
}

void PlaceholderView::compute() {
    settings().placeSite(date_);
    date_.computeDate();
    ++computeCount_;
    if (active_) fillPanes();
    update();
}

void PlaceholderView::fillPanes() {
    // No body here: the rise, transit, set and altitude panes and the data
    // dialog must not go on showing the last body window's figures.
    for (int pane = 3; pane <= 6; ++pane) setPaneText(pane, QString());
    host().fillDataDialog(BodyDataRecord{});
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

void PlaceholderView::activated(bool active) {
    active_ = active;
    if (active) fillPanes();
}

bool PlaceholderView::onCommand(int id) {
    if (id == ID_DATE_TIME) {
        runDateDialog(date_, docType() != DocTypeId::DataTable);
        return true;
    }
    if (id == ID_DATA_DIALOG && documentType().counted) {
        if (host().windowCount() != 0 && documentType().dataDialogName)
            host().showDataDialog(QString::fromLatin1(documentType().dataDialogName));
        return true;
    }
    if (const int planet = conjunctionPlanet(id); planet >= 0) {
        ConjunctionDialog::showForPlanet(this, date_, planet, language(), settings().dateFormatIndex());
        return true;
    }
    return ChildView::onCommand(id);
}

std::optional<CommandState> PlaceholderView::commandState(int id) const {
    if (id == ID_DATE_TIME) return CommandState{};
    if (id == ID_DATA_DIALOG && documentType().counted) return CommandState{};
    if (conjunctionPlanet(id) >= 0) return CommandState{};
    return ChildView::commandState(id);
}

void PlaceholderView::onRecomputeDate() {
    if (!takesCommonDate()) return;
    takeCommonDate(date_, settings());
    compute();
}

void PlaceholderView::onRecomputeZone() { compute(); }

bool PlaceholderView::opensSatellitesWindow() const {
    return docType() == DocTypeId::Jupiter || docType() == DocTypeId::JupiterSatellites;
}

void PlaceholderView::dateChangedByDialog() { compute(); }

void PlaceholderView::paintEvent(QPaintEvent*) {
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
