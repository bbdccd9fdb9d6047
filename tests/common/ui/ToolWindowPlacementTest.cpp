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

// The data dialog, the phenomena list, the phase table and the Lunar X
// list all ask for the right edge of the screen: each opened after the
// others lands where it covers none of them.
TEST(ToolWindowPlacement, SmallWindowsOpenedOneAfterAnotherCoverNoneOfTheOthers) {
    const QRect screen(0, 0, 1600, 1000);
    struct Ask {
        QSize size;
        QPoint wanted;
    };
    const Ask asks[] = {
        {{330, 520}, {1600 - 330 - 10, 35}},   // data dialog
        {{300, 420}, {1600 - 300, 35}},        // phenomena list
        {{520, 200}, {1600 - 520 - 10, 760}},  // phase table
        {{260, 330}, {1600 - 260 - 10, 435}},  // Lunar X list
        {{300, 250}, {1600 - 300 - 10, 435}},  // seasons of Mars
    };
    QList<QRect> open;
    for (const Ask& a : asks) {
        const QRect placed(toolWindowPosition(a.size, screen, open, a.wanted), a.size);
        EXPECT_TRUE(screen.contains(placed)) << placed.x() << "," << placed.y();
        for (const QRect& other : open)
            EXPECT_FALSE(placed.intersects(other)) << placed.x() << "," << placed.y();
        open.push_back(placed);
    }
    // The first keeps the place it asked for.
    EXPECT_EQ(open.front().topLeft(), asks[0].wanted);

    // A full screen: the place that covers the least of the others.
    const QList<QRect> full = {QRect(0, 0, 800, 1000), QRect(800, 0, 800, 600)};
    const QPoint p = toolWindowPosition(QSize(400, 300), screen, full, QPoint(1200, 100));
    EXPECT_TRUE(screen.contains(QRect(p, QSize(400, 300))));
    EXPECT_FALSE(QRect(p, QSize(400, 300)).intersects(full[1])) << p.x() << "," << p.y();
}
