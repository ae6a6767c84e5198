// What the image canvas really shows: where lines land in pixels, dashes,
// persistence across a new scale, and coordinates that must leave no mark.

#include "plot/imagecanvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace dryfriction;

namespace {

ImageCanvas blankCanvas(QSize size = {620, 212})
{
    ImageCanvas canvas(size);
    canvas.setScale(0, 12, 20, -12);
    return canvas;
}

int countColor(const QImage& image, QRgb color)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == (color & 0xFFFFFF);
    return n;
}

}  // namespace

TEST(ImageCanvas, UserCoordinatesMapLinearlyWithYGrowingUpward)
{
    ImageCanvas canvas = blankCanvas();
    EXPECT_EQ(canvas.toPixel(0, 12), QPointF(0, 0));
    EXPECT_EQ(canvas.toPixel(20, -12), QPointF(620, 212));
    EXPECT_EQ(canvas.toPixel(10, 0), QPointF(310, 106));
    // A grid line at t = 1 lies in pixel column 31, the whole height.
    canvas.line(1, 12, 1, -12, Qt::green);
    const QImage& img = canvas.image();
    for (int y = 0; y < 212; ++y) {
        EXPECT_EQ(img.pixelColor(31, y), QColor(Qt::green)) << y;
        EXPECT_EQ(img.pixelColor(30, y), QColor(Qt::white)) << y;
        EXPECT_EQ(img.pixelColor(32, y), QColor(Qt::white)) << y;
    }
    EXPECT_EQ(canvas.currentX(), 1);
    EXPECT_EQ(canvas.currentY(), -12);
}

TEST(ImageCanvas, WidthThreeCoversThreePixelsAndWidthOneOne)
{
    ImageCanvas canvas = blankCanvas();
    canvas.setLineWidth(3);
    canvas.line(0, 0, 20, 0, Qt::black);  // row 106
    canvas.setLineWidth(1);
    canvas.line(0, 6, 20, 6, Qt::red);    // row 53
    const QImage& img = canvas.image();
    for (int x : {5, 300, 610}) {
        EXPECT_EQ(img.pixelColor(x, 104), QColor(Qt::white));
        EXPECT_EQ(img.pixelColor(x, 105), QColor(Qt::black));
        EXPECT_EQ(img.pixelColor(x, 106), QColor(Qt::black));
        EXPECT_EQ(img.pixelColor(x, 107), QColor(Qt::black));
        EXPECT_EQ(img.pixelColor(x, 108), QColor(Qt::white));
        EXPECT_EQ(img.pixelColor(x, 52), QColor(Qt::white));
        EXPECT_EQ(img.pixelColor(x, 53), QColor(Qt::red));
        EXPECT_EQ(img.pixelColor(x, 54), QColor(Qt::white));
    }
}

TEST(ImageCanvas, DashedLineIsReallyDashed)
{
    ImageCanvas canvas = blankCanvas();
    canvas.setLineWidth(1);
    canvas.setLineStyle(LineStyle::Dashed);
    canvas.line(10, 12, 10, -12, Qt::blue);  // column 310
    const QImage& img = canvas.image();
    std::vector<int> runs;  // alternating lengths of on and off runs
    bool on = img.pixelColor(310, 0) == QColor(Qt::blue);
    ASSERT_TRUE(on);
    int length = 0;
    for (int y = 0; y < 212; ++y) {
        const bool here = img.pixelColor(310, y) == QColor(Qt::blue);
        if (here == on) {
            ++length;
        } else {
            runs.push_back(length);
            on = here;
            length = 1;
        }
    }
    ASSERT_GE(runs.size(), 60u);
    for (size_t i = 0; i + 1 < runs.size(); ++i)
        EXPECT_EQ(runs[i], i % 2 == 0 ? 4 : 2) << i;
    // At width 3 the style has no dashes.
    canvas.setLineWidth(3);
    canvas.line(5, 12, 5, -12, Qt::blue);
    const QImage& solid = canvas.image();
    for (int y = 0; y < 212; ++y)
        EXPECT_EQ(solid.pixelColor(155, y), QColor(Qt::blue)) << y;
}

// Lines may wait to be drawn, but the image handed out holds every one drawn
// before, in the order drawn, also with other drawing in between.
TEST(ImageCanvas, TheImageHoldsEveryLineDrawnInOrder)
{
    ImageCanvas canvas = blankCanvas();
    canvas.setLineWidth(3);
    for (int i = 0; i < 600; ++i)  // more than wait at once
        canvas.line(i % 20, 12, i % 20, -12, i % 2 == 0 ? Qt::red : Qt::blue);
    canvas.fillBox(0, 1, 20, -1, Qt::green);  // over the lines
    canvas.line(10, 12, 10, -12, Qt::black);  // over the box
    const QImage& img = canvas.image();
    EXPECT_EQ(img.pixelColor(310, 106), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(155, 106), QColor(Qt::green));
    EXPECT_EQ(img.pixelColor(155, 10), QColor(Qt::blue));  // t = 5: odd i, blue
    EXPECT_EQ(img.pixelColor(124, 10), QColor(Qt::red));   // t = 4: even i, red
    canvas.line(10, 12, 10, -12, Qt::black);
    canvas.clear();  // a line still waiting is gone with the rest
    EXPECT_EQ(canvas.image().pixelColor(310, 106), QColor(Qt::white));
    canvas.line(10, 12, 10, -12, Qt::black);
    const QImage taken = canvas.takeImage();  // with the line still waiting
    EXPECT_EQ(taken.pixelColor(310, 106), QColor(Qt::black));
}

TEST(ImageCanvas, NewScaleLeavesTheImageUnchanged)
{
    ImageCanvas canvas = blankCanvas();
    canvas.setLineWidth(3);
    canvas.line(0, 0, 20, 10, Qt::red);
    canvas.fillBox(0, -1, 20, 1, QColor(192, 192, 192));
    const QImage before = canvas.image().copy();
    canvas.setScale(-5, 1, 5, -1);
    EXPECT_EQ(canvas.image(), before);
    canvas.clear();
    EXPECT_EQ(countColor(canvas.image(), qRgb(255, 255, 255)), 620 * 212);
}

TEST(ImageCanvas, PointsOutsideOrNonFiniteLeaveNoMark)
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    ImageCanvas canvas = blankCanvas();
    canvas.setLineWidth(3);
    canvas.dot(21, 0, Qt::red);
    canvas.dot(-1, 0, Qt::red);
    canvas.dot(10, 13, Qt::red);
    canvas.dot(1e300, -1e300, Qt::red);
    canvas.dot(nan, 0, Qt::red);
    canvas.dot(inf, inf, Qt::red);
    canvas.line(1e300, 0, inf, 0, Qt::red);
    canvas.line(nan, nan, 10, 0, Qt::red);
    canvas.line(-1e300, 20, 1e300, 20, Qt::red);  // above the top edge
    canvas.lineTo(nan, 5, Qt::red);
    canvas.fillBox(nan, 0, 10, 1, Qt::red);
    canvas.fillBox(30, 0, 1e300, 1, Qt::red);
    canvas.setCurrentX(nan);
    canvas.setCurrentY(0);
    canvas.drawText(QStringLiteral("never"));
    canvas.setCurrentX(1e300);
    canvas.drawText(QStringLiteral("never"));
    EXPECT_EQ(countColor(canvas.image(), qRgb(255, 255, 255)), 620 * 212);

    // Lines reaching far outside still draw the part that shows.
    canvas.line(-1e300, 0, 1e300, 0, Qt::red);
    canvas.setLineWidth(1);
    canvas.line(10, -1e12, 10, 1e12, Qt::blue);
    EXPECT_EQ(countColor(canvas.image(), qRgb(255, 0, 0)), 3 * 620 - 3);
    EXPECT_EQ(countColor(canvas.image(), qRgb(0, 0, 255)), 212);
}

TEST(ImageCanvas, DotsAndFilledBoxes)
{
    ImageCanvas canvas = blankCanvas();
    canvas.setLineWidth(3);
    canvas.dot(10, 0, Qt::red);
    EXPECT_EQ(countColor(canvas.image(), qRgb(255, 0, 0)), 9);
    EXPECT_EQ(canvas.image().pixelColor(310, 106), QColor(Qt::red));
    canvas.setLineWidth(1);
    canvas.setForeColor(Qt::black);
    canvas.dot(1, 1);
    EXPECT_EQ(countColor(canvas.image(), qRgb(0, 0, 0)), 1);
    EXPECT_EQ(canvas.currentX(), 1);
    // A box over the whole width, |y| <= 1.
    canvas.fillBox(0, -1, 20, 1, Qt::gray);
    const QImage& img = canvas.image();
    for (int x = 0; x < 620; ++x) {
        EXPECT_EQ(img.pixelColor(x, 97), QColor(Qt::gray)) << x;   // y = 1 .. row 97
        EXPECT_EQ(img.pixelColor(x, 114), QColor(Qt::gray)) << x;  // y = -1 .. row 114
        EXPECT_NE(img.pixelColor(x, 96), QColor(Qt::gray)) << x;
        EXPECT_NE(img.pixelColor(x, 116), QColor(Qt::gray)) << x;
    }
}

TEST(ImageCanvas, TextHasItsTopLeftCornerAtTheCurrentPoint)
{
    ImageCanvas canvas = blankCanvas();
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(9.75);
    canvas.setFont(font);
    canvas.setCurrentX(10);
    canvas.setCurrentY(0);
    canvas.drawText(QStringLiteral("Xx"));
    const QImage& img = canvas.image();
    int minX = 1000, minY = 1000, maxY = -1;
    for (int y = 0; y < 212; ++y)
        for (int x = 0; x < 620; ++x)
            if (img.pixelColor(x, y) != QColor(Qt::white)) {
                minX = std::min(minX, x);
                minY = std::min(minY, y);
                maxY = std::max(maxY, y);
            }
    EXPECT_GE(minX, 310);
    EXPECT_LE(minX, 313);
    EXPECT_GE(minY, 106);
    EXPECT_LE(maxY, 106 + 20);
    EXPECT_EQ(canvas.currentX(), 10);  // the current point stays
}

TEST(ImageCanvas, HiDpiImageHoldsDevicePixels)
{
    ImageCanvas canvas(QSize(100, 50), 2.0);
    canvas.setScale(0, 1, 10, -1);
    EXPECT_EQ(canvas.image().size(), QSize(200, 100));
    EXPECT_EQ(canvas.logicalSize(), QSize(100, 50));
    canvas.setLineWidth(1);
    canvas.line(5, 1, 5, -1, Qt::black);  // logical column 50: device columns 100, 101
    EXPECT_EQ(canvas.image().pixelColor(100, 10), QColor(Qt::black));
    EXPECT_EQ(canvas.image().pixelColor(101, 10), QColor(Qt::black));
    EXPECT_EQ(canvas.image().pixelColor(99, 10), QColor(Qt::white));
    EXPECT_EQ(canvas.image().pixelColor(102, 10), QColor(Qt::white));
    EXPECT_NEAR(canvas.userWidth(25), 2.5, 1e-12);
    EXPECT_NEAR(canvas.userHeight(25), 1.0, 1e-12);
}
