// The animation strip, the set-up on it, the area a move of the set-up
// repaints, and the cadence at which the load follows a run.

#include "recordingcanvas.h"

#include "plot/animationstrip.h"
#include "plot/imagecanvas.h"
#include "plot/plotcolors.h"
#include "plot/viewstyle.h"

#include "model/characteristics.h"
#include "model/motion.h"
#include "model/parameters.h"
#include "model/plotranges.h"

#include <QPainter>
#include <QSet>

#include <gtest/gtest.h>


using namespace dryfriction;
using dryfriction::test::Op;
using dryfriction::test::RecordingCanvas;

namespace {

ProblemParameters params(double x0, double v0)
{
    ProblemParameters p;
    p.x0 = x0;
    p.v0 = v0;
    return p;
}

// The strip of a problem with its scale set, drawn; returns the set-up at x0.
SetupPlacement drawStrip(Canvas& strip, const ProblemParameters& p, PlotRanges* ranges = nullptr)
{
    const PlotRanges r = computePlotRanges(p, characteristicsOf(p));
    strip.setScale(r.animLeft, r.animTop, r.animRight, r.animBottom);
    if (ranges)
        *ranges = r;
    return drawAnimationStrip(strip, r, p.x0, QStringLiteral("X"), QStringLiteral("."));
}

QImage withSetup(const ImageCanvas& strip, const SetupPlacement& s)
{
    QImage shown = strip.image().copy();
    {
        QPainter painter(&shown);
        paintSetup(painter, strip, s);
    }
    return shown;
}

}  // namespace

TEST(AnimationStrip, OneGridLinePerUnitLabelsWhereTheyHaveRoomAndTheCaption)
{
    // 26 pixels a unit leave room for a label on every second line at the
    // start-up size, 79 on every line at full HD.
    const struct {
        QSize size;
        int labels;
        const char* firstLabel;
    } rows[] = {{QSize(620, 212), 11, "-10.00"}, {QSize(1900, 755), 23, "-11.00"}};
    for (const auto& row : rows) {
        std::vector<Op> log;
        RecordingCanvas strip{QStringLiteral("strip"), log, row.size};
        strip.setFont(stripStyle().font);
        drawStrip(strip, kStartupParameters);

        QStringList labels;
        int gridLines = 0;
        for (std::size_t i = 0; i + 2 < log.size(); ++i) {
            if (log[i].name == "line" && log[i].color == kGridColor) {
                ++gridLines;
                // The dot stays just below the axis at the line's x.
                ASSERT_EQ(log[i + 1].name, "dot");
                EXPECT_EQ(log[i + 1].x1, log[i].x1);
                EXPECT_GT(log[i + 1].y1, 0);
                if (log[i + 2].name == "drawText") {
                    labels << log[i + 2].text;
                    EXPECT_GT(log[i + 2].x1, log[i].x1);  // right of its line
                    EXPECT_GT(log[i + 2].y1, 0);          // below the axis
                }
            }
        }
        EXPECT_EQ(gridLines, 23);
        EXPECT_EQ(labels.size(), row.labels) << row.size.width();
        EXPECT_EQ(labels.first(), row.firstLabel);
        EXPECT_TRUE(labels.contains("0.00"));
        EXPECT_EQ(log.back().text, "X");
        EXPECT_EQ(strip.lineWidth(), 3);
    }
}

TEST(AnimationStrip, AtTheSmallestRangeTheBandFillsTheStripAroundTheAxis)
{
    ImageCanvas strip(QSize(620, 212));
    drawStrip(strip, params(0.5, 0.5));
    const QImage& img = strip.image();
    // A row well above the axis and the labels: band grey except the black
    // vertical axis at x = 0 and the grid lines every half unit.
    int grid = 0;
    for (int x = 0; x < 620; ++x) {
        const QColor c = img.pixelColor(x, 20);
        EXPECT_TRUE(c == kBandColor || c == QColor(Qt::black) || c == kGridColor) << x;
        grid += c == kGridColor;
    }
    EXPECT_EQ(img.pixelColor(310, 20), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(155, 20), kGridColor);
    EXPECT_EQ(img.pixelColor(465, 20), kGridColor);
    EXPECT_EQ(grid, 2);
}

TEST(AnimationStrip, ANarrowStripGivesTheSpringNoNegativeWidth)
{
    // 10 px wide over 2 units: the 25 px load is 5 units wide, its left side
    // at 0.5 - 2.5 = -2, left of the wall at -1.
    ImageCanvas strip(QSize(10, 100));
    const SetupPlacement s = drawStrip(strip, params(0.5, 0.5));
    EXPECT_DOUBLE_EQ(s.loadLeft, -2);
    EXPECT_EQ(s.springWidth, 0);
}

TEST(AnimationStrip, TheLoadKeepsItsSizeOnScreenStandsOnTheAxisCentredOnX0)
{
    for (QSize size : {QSize(620, 212), QSize(1900, 800), QSize(300, 60)}) {
        ImageCanvas strip(size);
        const SetupPlacement s = drawStrip(strip, kStartupParameters);
        const QPointF a = strip.toPixel(s.loadLeft, s.loadTop);
        const QPointF b = strip.toPixel(s.loadLeft + s.loadWidth, s.loadTop + s.loadHeight);
        EXPECT_NEAR(b.x() - a.x(), 25, 1e-9);
        EXPECT_NEAR(b.y() - a.y(), 25, 1e-9);
        EXPECT_NEAR(b.y(), size.height() / 2.0, 1e-9);
        EXPECT_NEAR((a.x() + b.x()) / 2, strip.toPixel(9.5, 0).x(), 1e-9);
        // The spring runs from the wall, the left edge, to the load, as high
        // as the load.
        EXPECT_NEAR(strip.toPixel(s.springLeft, 0).x(), 0, 1e-9);
        EXPECT_DOUBLE_EQ(s.springLeft + s.springWidth, s.loadLeft);
        EXPECT_DOUBLE_EQ(s.springTop + s.springHeight, 0);
        EXPECT_DOUBLE_EQ(s.springHeight, s.loadHeight);
    }
}

TEST(AnimationStrip, SpringPictureAndTheSetupOverTheStrip)
{
    const QImage spring = springPicture();
    EXPECT_EQ(spring.size(), QSize(400, 50));
    QSet<QRgb> tones;
    int wire = 0;
    for (int y = 0; y < 50; ++y) {
        for (int x = 0; x < 400; ++x) {
            const QRgb c = spring.pixel(x, y);
            if (qAlpha(c) == 0)
                continue;
            ++wire;
            EXPECT_EQ(qRed(c), qGreen(c));
            EXPECT_EQ(qRed(c), qBlue(c));
            tones.insert(c);
        }
    }
    EXPECT_LE(tones.size(), 16);
    EXPECT_GE(tones.size(), 4);
    EXPECT_GT(wire, 2000);
    // Straight end pieces at mid-height at both ends.
    EXPECT_NE(qAlpha(spring.pixel(2, 25)), 0);
    EXPECT_NE(qAlpha(spring.pixel(397, 25)), 0);
    EXPECT_EQ(qAlpha(spring.pixel(2, 5)), 0);

    ImageCanvas strip(QSize(620, 212));
    const SetupPlacement s = drawStrip(strip, kStartupParameters);
    const QImage before = strip.image().copy();
    const QImage shown = withSetup(strip, s);
    EXPECT_EQ(strip.image(), before);  // the set-up lies over the image, not in it
    // The load: black outline, white inside, centred on x = 9.5.
    const QPointF corner = strip.toPixel(s.loadLeft, s.loadTop);
    const int left = qRound(corner.x()), top = qRound(corner.y());
    EXPECT_EQ(shown.pixelColor(left, top + 12), QColor(Qt::black));
    EXPECT_EQ(shown.pixelColor(left + 24, top + 12), QColor(Qt::black));
    EXPECT_EQ(shown.pixelColor(left + 12, top), QColor(Qt::black));
    EXPECT_EQ(shown.pixelColor(left + 12, top + 12), QColor(Qt::white));
    // Much of the spring shows left of the load, above the axis.
    int grey = 0;
    for (int y = 81; y < 105; ++y) {
        for (int x = 5; x < left - 5; ++x) {
            const QColor c = shown.pixelColor(x, y);
            grey += c.red() == c.green() && c.green() == c.blue() && c.red() < 200;
        }
    }
    EXPECT_GT(grey, 500);
}

// A move of the set-up repaints the areas of its old and new placement: each
// must hold every pixel the set-up there changes, and little more.
TEST(AnimationStrip, SetupAreaHoldsEveryPixelTheSetupChanges)
{
    for (QSize size : {QSize(620, 212), QSize(1900, 800), QSize(10, 100), QSize(97, 41)}) {
        ImageCanvas strip(size);
        PlotRanges r;
        const SetupPlacement start = drawStrip(strip, kStartupParameters, &r);
        for (double x : {9.5, 11.09, 0.0, -0.9066, -11.6}) {
            const SetupPlacement s = placedAt(start, x);
            const QRect area = setupArea(strip, s).toAlignedRect();
            const QImage shown = withSetup(strip, s);
            int outside = 0;
            for (int y = 0; y < size.height(); ++y) {
                for (int px = 0; px < size.width(); ++px)
                    outside += shown.pixel(px, y) != strip.image().pixel(px, y) && !area.contains(px, y);
            }
            EXPECT_EQ(outside, 0) << size.width() << "x" << size.height() << " at " << x;
            // The set-up is 25 px high and stands on the axis.
            EXPECT_LE(area.height(), 25 + 2 * 2 + 1);
            EXPECT_LE(area.bottom(), size.height() / 2 + 3);
        }
    }
}
