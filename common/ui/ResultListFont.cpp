#include "common/ui/ResultListFont.h"

namespace vantorel {

QFont resultListFont() {
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::Monospace);
    return font;
}

}  // namespace vantorel
