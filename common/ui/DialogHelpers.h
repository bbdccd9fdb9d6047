#pragma once

#include <QDialogButtonBox>
#include <QString>

#include "common/text/LanguageText.h"

class QWidget;

// Small pieces every settings dialog shares.

namespace vantorel {

inline QString tr3(const TextTriple& t, int language) { return QString::fromUtf8(t(language)); }

// OK (and Cancel unless `okOnly`) in the dialog's language, wired to accept
// and reject of `dialog`.
QDialogButtonBox* okCancelButtons(QDialog* dialog, int language, bool okOnly = false);

// Names a control after its number ("ctl1055") so tests and layouts find it.
void nameControl(QWidget* w, int control);

}  // namespace vantorel
