#include "app/ui/AboutDialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

#include "app/paint/SplashPicture.h"
#include "common/text/DialogTexts.h"
#include "common/ui/DialogHelpers.h"

namespace vantorel {

AboutDialog::AboutDialog(int language, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutDialog"));
    setWindowTitle(tr3(about::kCaption, language));

    auto* picture = new QLabel(this);
    picture->setPixmap(QPixmap::fromImage(makeAboutPicture()));
    picture->setFixedSize(35, 204);

    auto* text = new QVBoxLayout;
    auto* version =
        new QLabel(QStringLiteral("VANTOREL   Version %1").arg(QStringLiteral(VANTOREL_VERSION)), this);
    QFont bold = version->font();
    bold.setBold(true);
    version->setFont(bold);
    text->addWidget(version);
    text->addWidget(new QLabel(tr3(about::kReleased, language), this));
    for (const TextTriple& line : about::kContact) text->addWidget(new QLabel(tr3(line, language), this));

    auto* group = new QGroupBox(tr3(about::kCreditsGroup, language), this);
    nameControl(group, 1068);
    QStringList lines;
    for (const TextTriple& line : about::kCredits) lines << tr3(line, language);
    lines << QString();
    for (const TextTriple& line : about::kMapCredits) lines << tr3(line, language);
    credits_ = new QLabel(lines.join(QLatin1Char('\n')), group);
    nameControl(credits_, 1067);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(credits_);
    text->addWidget(group);
    text->addStretch();

    auto* row = new QHBoxLayout;
    row->addWidget(picture, 0, Qt::AlignTop);
    row->addLayout(text);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(okCancelButtons(this, language, true));
}

}  // namespace vantorel
