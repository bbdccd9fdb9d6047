#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "common/paint/PrintedPage.h"

using namespace vantorel;

namespace {

// The rows holding dark pixels: [first, last], or (-1, -1).
std::pair<int, int> inkRows(const QImage& img) {
    int first = -1, last = -1;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qGray(img.pixel(x, y)) < 128) {
                if (first < 0) first = y;
                last = y;
                break;
            }
    return {first, last};
}

}  // namespace

TEST(PrintedPage, TheSideOfThePaperFollowsTheDrawing) {
    EXPECT_EQ(pageOrientationFor(QSize(1590, 588)), QPageLayout::Landscape);  // the sky chart
    EXPECT_EQ(pageOrientationFor(QSize(340, 400)), QPageLayout::Portrait);    // the orbits
    EXPECT_EQ(pageOrientationFor(QSize(400, 400)), QPageLayout::Portrait);
}

TEST(PrintedPage, HeadingAtTheTopAndTheRestBelowIt) {
    QImage page(800, 600, QImage::Format_RGB32);
    page.fill(Qt::white);
    QRect below;
    {
        QPainter painter(&page);
        painter.setPen(Qt::red);
        const QFont before = painter.font();
        below = paintPageHeading(painter, QRect(20, 10, 760, 580),
                                 {"Sky -- 2026/12/08", "Date: 2026/12/08   Time: 21:00   Zone: UT+1"});
        // The painter as it was found, for the drawing below.
        EXPECT_EQ(painter.pen().color(), QColor(Qt::red));
        EXPECT_EQ(painter.font(), before);
    }
    const auto [first, last] = inkRows(page);
    ASSERT_GE(first, 10);
    EXPECT_LT(last, below.top());
    EXPECT_EQ(below.left(), 20);
    EXPECT_EQ(below.width(), 760);
    EXPECT_EQ(below.bottom(), 589);
    EXPECT_GT(below.height(), 500);

    // A line longer than the page is written smaller, inside the page.
    QImage narrow(200, 300, QImage::Format_RGB32);
    narrow.fill(Qt::white);
    {
        QPainter painter(&narrow);
        paintPageHeading(painter, QRect(0, 0, 150, 300),
                         {"Fecha: 2026/12/08   Hora: 21:00   Huso: TU+1   Latitud: 48\u00b048' N"});
    }
    for (int y = 0; y < narrow.height(); ++y)
        for (int x = 152; x < narrow.width(); ++x) ASSERT_GE(qGray(narrow.pixel(x, y)), 128) << x << "," << y;

    // Nothing to write: the page is the drawing's.
    QPainter painter(&page);
    EXPECT_EQ(paintPageHeading(painter, QRect(0, 0, 100, 100), {}), QRect(0, 0, 100, 100));
}
