#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include <QGroupBox>
#include <QLabel>

#include "app/ui/DataDialog.h"
#include "common/commands/CommandIds.h"
#include "common/text/BodyDataRecord.h"
#include "common/ui/TitleWidthFitter.h"
#include "common/paint/DataPanelPicture.h"
#include "planets/ui/PlanetView.h"
#include "satellites/JupiterDocument.h"
#include "satellites/JupiterSystem.h"
#include "tests/app/ui/AppFixture.h"

using namespace vantorel;

namespace {

BodyDataRecord recordOf(const std::string& tag, float maximum, const std::string& diameter,
                        float minimum) {
    BodyDataRecord r;
    for (int i = 0; i < BodyDataRecord::kTextCount; ++i)
        *r.textField(i) = tag + std::to_string(i);
    r.diameterValue = diameter;
    r.maximumDiameter = maximum;
    r.minimumDiameter = minimum;
    return r;
}

int countColour(const QImage& image, Rgb c) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == qRgb(c.r, c.g, c.b);
    return n;
}

}  // namespace

TEST(DataDialog, LayoutInDialogUnitsAndCaptionsByLanguage) {
    DataDialog d(1);
    // Its designed 165 pixels, widened only as far as its title needs.
    const int width = std::max(165, titleWidthNeeded(d.windowTitle()));
    EXPECT_EQ(d.size(), QSize(width, 379));
    EXPECT_EQ(d.windowTitle(), QString::fromUtf8("Vantorel - Données"));
    EXPECT_EQ(d.control(1009)->geometry(), QRect(44, 3, 66, 23));
    EXPECT_EQ(d.control(1043)->geometry().topLeft(), QPoint(95, 146));
    EXPECT_EQ(d.control(1103)->text(), QStringLiteral("Maximum"));
    EXPECT_EQ(d.control(1102)->text(), QStringLiteral("Actuel"));
    EXPECT_EQ(d.findChild<QGroupBox*>("ctl1140")->title(), QString::fromUtf8("Diamètre comparatif"));
    EXPECT_EQ(d.findChild<QGroupBox*>("ctl1140")->geometry(), QRect(2, 257, width - 4, 119));
    // Every text control of the record exists.
    for (int id : BodyDataRecord::kControlIds)
        EXPECT_TRUE(d.control(id) != nullptr || id == 1039) << id;
    EXPECT_EQ(DataDialog::placement(1920, 165), QPoint(1745, 35));
    DataDialog es(2);
    EXPECT_EQ(es.control(1103)->text(), QString::fromUtf8("Máximo"));
    EXPECT_EQ(es.findChild<QGroupBox*>("ctl1140")->title(), QString::fromUtf8("Diámetros comparativos"));
}

TEST(DataDialog, FillingWhileClosedDoesNothing) {
    StartedApp started(0);
    ASSERT_TRUE(started.start());
    started.app->fillDataDialog(recordOf("m", 25.1f, "10.0\"", 3.5f));
    EXPECT_EQ(started.app->dataDialog(), nullptr);
    EXPECT_FALSE(started.app->dataDialogShown());
}

TEST(DataDialog, EachFillReplacesEveryField) {
    StartedApp started(0);
    ASSERT_TRUE(started.start());
    started.app->showDataDialog(QStringLiteral("MARS"));
    DataDialog* d = started.app->dataDialog();
    ASSERT_NE(d, nullptr);
    started.app->fillDataDialog(recordOf("mars", 25.1f, "12.5\"", 3.5f));
    started.app->fillDataDialog(recordOf("jup", 50.0f, "44.0\"", 30.0f));
    for (int i = 0; i < BodyDataRecord::kTextCount; ++i) {
        const int id = BodyDataRecord::kControlIds[i];
        const QString expected = id == 1034 ? QStringLiteral("44.0\"")
                                            : QStringLiteral("jup%1").arg(i);
        EXPECT_EQ(d->controlText(id), expected) << id;
    }
    EXPECT_FLOAT_EQ(d->diameters().maximum, 50.0f);
    EXPECT_FLOAT_EQ(d->diameters().current, 44.0f);
    EXPECT_FLOAT_EQ(d->diameters().minimum, 30.0f);
}

TEST(DataDialog, DiscsForMaximumEqualToCurrentCoincide) {
    StartedApp started(0);
    ASSERT_TRUE(started.start());
    started.app->showDataDialog(QStringLiteral("MARS"));
    DataDialog* d = started.app->dataDialog();
    started.app->fillDataDialog(recordOf("m", 25.1f, "25.1\"", 3.5f));
    const QImage equal = d->renderBackground();
    // Only the legend oval keeps the purple.
    EXPECT_LT(countColour(equal, kMaximumDiscColour), 30);
    EXPECT_EQ(equal.pixel(kDiscCentreX - 37, kDiscCentreY), qRgb(0, 255, 255));
    started.app->fillDataDialog(recordOf("m", 25.1f, "12.0\"", 3.5f));
    const QImage smaller = d->renderBackground();
    EXPECT_GT(countColour(smaller, kMaximumDiscColour), 2000);
    EXPECT_EQ(smaller.pixel(kDiscCentreX - 37, kDiscCentreY), qRgb(128, 0, 128));
}

TEST(DataDialog, JupitersSystemsStandAboveTheirNamesAsThePictureShowsThem) {
    StartedApp started(0);
    ASSERT_TRUE(started.start());
    started.command(ID_OPEN_JUPITER);
    auto* jupiter = dynamic_cast<PlanetView*>(started.frame().activeView());
    ASSERT_NE(jupiter, nullptr);
    DataDialog* d = started.app->dataDialog();
    ASSERT_NE(d, nullptr);
    const JupiterSystem& j = static_cast<const JupiterDocument&>(jupiter->document()).planet();
    char system1[16], system2[16];
    std::snprintf(system1, sizeof system1, "%.2f\u00b0", j.system1Deg);
    std::snprintf(system2, sizeof system2, "%.2f\u00b0", j.system2Deg);
    int found = 0;
    for (const LabelValue& p : pairLabelsWithValues(d->placedTexts())) {
        const QString label = p.label.text.trimmed();
        if (label == QStringLiteral("Syst. I")) {
            EXPECT_EQ(p.value.text, QString::fromUtf8(system1));
            EXPECT_EQ(p.where, LabelValue::Where::Above);
            ++found;
        } else if (label == QStringLiteral("Syst. II")) {
            EXPECT_EQ(p.value.text, QString::fromUtf8(system2));
            EXPECT_EQ(p.where, LabelValue::Where::Above);
            ++found;
        }
    }
    EXPECT_EQ(found, 2);

    // The picture the command-line tool draws of the same record puts every
    // text where the dialog has it.
    DrawingSurface surface(165, d->height());
    const std::vector<PlacedText> drawn =
        paintDataPanel(surface, jupiter->document().fillDataPanel().record, 0);
    EXPECT_EQ(surface.width(), d->width());
    int compared = 0;
    for (const PlacedText& shown : d->placedTexts())
        for (const PlacedText& t : drawn)
            if (t.id == shown.id) {
                EXPECT_EQ(t.rect, shown.rect) << t.id;
                EXPECT_EQ(t.text, shown.text) << t.id;
                ++compared;
            }
    EXPECT_EQ(compared, static_cast<int>(d->placedTexts().size()));
}
