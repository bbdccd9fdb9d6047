#pragma once

#include <QFont>

namespace vantorel {

// The fixed-pitch font of the result lists, whose lines are columns of text
// that must stand under their headings.
QFont resultListFont();

}  // namespace vantorel
