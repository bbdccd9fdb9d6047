#pragma once

#include <QTest>

// Types digits and upper-case letters into a widget, one key click each.
inline void typeKeys(QWidget* w, const char* keys) {
    for (const char* p = keys; *p; ++p) {
        if (*p >= '0' && *p <= '9')
            QTest::keyClick(w, static_cast<Qt::Key>(Qt::Key_0 + (*p - '0')));
        else if (*p >= 'A' && *p <= 'Z')
            QTest::keyClick(w, static_cast<Qt::Key>(Qt::Key_A + (*p - 'A')));
    }
}
