#include <gtest/gtest.h>

#include "common/ui/ToolWindowPlacement.h"

using namespace vantorel;

TEST(ToolWindowPlacement, InsideTheScreenAndClearOfTheDataDialog) {
    // A 1280-pixel screen: the data dialog at the top right, the phase
    // table wanted at the bottom right as wide as the dates make it.
    const QRect screen(0, 0, 1280, 984);
    const QRect dataDialog(1280 - 330 - 10, 35, 330, 520);
    const QSize table(520, 200);
    const QPoint wanted(1280 - 520 - 10, 984 - 200 - 40);
    QPoint p = toolWindowPosition(table, screen, dataDialog, wanted);
    EXPECT_EQ(p, wanted);  // fits, clear of the dialog: where it was asked

    // Wanted beyond the right edge (placed before it grew): pulled in.
    p = toolWindowPosition(table, screen, QRect(), QPoint(1100, 700));
    EXPECT_TRUE(screen.contains(QRect(p, table))) << p.x() << "," << p.y();
    EXPECT_EQ(p, QPoint(1280 - 520, 700));

    // The Lunar X list wanted at y 435 on the dialog's column goes beside
    // it, wholly on the screen.
    const QSize list(260, 330);
    p = toolWindowPosition(list, screen, dataDialog, QPoint(1280 - 260 - 10, 435));
    const QRect placed(p, list);
    EXPECT_TRUE(screen.contains(placed));
    EXPECT_FALSE(placed.intersects(dataDialog));
    // The nearest free place: just below the dialog.
    EXPECT_EQ(p, QPoint(1280 - 260 - 10, dataDialog.bottom() + 11));

    // A screen on another monitor's coordinates, a short one: left of the
    // dialog then.
    const QRect second(1920, 100, 1024, 600);
    const QRect dialog2(1920 + 1024 - 330 - 10, 135, 330, 520);
    p = toolWindowPosition(list, second, dialog2, QPoint(1920 + 1024 - 270, 535));
    EXPECT_TRUE(second.contains(QRect(p, list)));
    EXPECT_FALSE(QRect(p, list).intersects(dialog2));

    // No room anywhere: at least on the screen.
    p = toolWindowPosition(QSize(900, 500), QRect(0, 0, 1000, 600), QRect(0, 0, 1000, 600), QPoint(500, 500));
    EXPECT_TRUE(QRect(0, 0, 1000, 600).contains(QRect(p, QSize(900, 500))));
}
