// Qt's own dialogs and buttons follow the program's language.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QPushButton>

#include "tests/app/ui/AppFixture.h"

using namespace vantorel;

namespace {

QString cancelText() {
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    return box.button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&'));
}

}  // namespace

TEST(QtTranslations, QtsDialogsAndButtonsSpeakTheChosenLanguage) {
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFileInfo::exists(folder + QStringLiteral("/qtbase_fr.qm")))
        GTEST_SKIP() << "Qt's translations (qt6-translations-l10n) are not installed";
    const char* cancel[3] = {"Cancel", "Annuler", "Cancelar"};
    for (int language = 0; language < 3; ++language) {
        SCOPED_TRACE(language);
        {
            StartedApp s(language);
            ASSERT_TRUE(s.start());
            EXPECT_EQ(cancelText(), QString::fromUtf8(cancel[language]));
            // The print dialog's own words.
            const QString print = QCoreApplication::translate("QPrintDialog", "Print");
            EXPECT_EQ(print == QStringLiteral("Print"), language == 0) << print.toStdString();
        }
        // The program gone, Qt speaks English again.
        EXPECT_EQ(cancelText(), QStringLiteral("Cancel"));
    }
}
