// The animation strip of Picture1 and the placement of the load and spring.

#include "recordingcanvas.h"

#include "animationview.h"
#include "imagecanvas.h"
#include "plotcolors.h"
#include "plotscales.h"

#include "characteristics.h"
#include "parameters.h"

#include <QPainter>
#include <QSet>

#include <gtest/gtest.h>

using namespace dryfriction;
using dryfriction::test::Op;
using dryfriction::test::RecordingCanvas;

namespace {

PlotRanges rangesFor(const ProblemParameters& p, Canvas& picture1)
{
    std::vector<Op> log;
    RecordingCanvas p2{"2", log}, p3{"3", log}, p4{"4", log}, p5{"5", log};
    Views views{picture1, p2, p3, p4, p5};
    return minmax(p, parametr(p), views);
}

ProblemParameters params(double Xo, double Vo)
{
    ProblemParameters p;
    p.Xo = Xo;
    p.Vo = Vo;
    return p;
}

}  // namespace

TEST(AnimationView, DefaultStripHas23LabelledGridLinesAndTheLoadOnXo)
{
    std::vector<Op> log;
    RecordingCanvas picture1{"Picture1", log};
    const PlotRanges r = rangesFor(kStartupParameters, picture1);
    log.clear();
    const SetupPlacement s = axes(picture1, r, 9.5, QStringLiteral("."));

    QStringList labels;
    int gridLines = 0;
    for (size_t i = 0; i < log.size(); ++i) {
        if (log[i].name == "Line" && log[i].color == kGridColor) {
            ++gridLines;
            ASSERT_EQ(log[i + 1].name, "PSet");
            EXPECT_DOUBLE_EQ(log[i + 1].y1, 0.04);
            ASSERT_EQ(log[i + 2].name, "Print");
            labels << log[i + 2].text;
        }
    }
    EXPECT_EQ(gridLines, 23);
    EXPECT_EQ(labels.first(), "-11.00");
    EXPECT_EQ(labels.last(), "11.00");
    EXPECT_EQ(log[1].name, "FilledBox");
    EXPECT_EQ((std::vector<double>{log[1].x1, log[1].y1, log[1].x2, log[1].y2}),
              (std::vector<double>{-1, 1, 1, -1}));
    EXPECT_EQ(log.back().text, "X");
    EXPECT_DOUBLE_EQ(log.back().x1, 12 - 0.03 * 24);
    EXPECT_DOUBLE_EQ(log.back().y1, 0.15);
    EXPECT_EQ(picture1.drawWidth(), 3);

    // 25 px on a 620 x 212 view spanning 24 x 2 units.
    EXPECT_DOUBLE_EQ(s.shapeWidth, 25.0 * 24 / 620);
    EXPECT_DOUBLE_EQ(s.shapeHeight, 25.0 * 2 / 212);
    EXPECT_DOUBLE_EQ(s.shapeLeft + s.shapeWidth / 2, 9.5);
    EXPECT_DOUBLE_EQ(s.shapeTop, -s.shapeHeight);
    EXPECT_EQ(s.imageLeft, -12);
    EXPECT_DOUBLE_EQ(s.imageLeft + s.imageWidth, s.shapeLeft);
    EXPECT_DOUBLE_EQ(s.imageTop + s.imageHeight, 0);
}

TEST(AnimationView, AtXmaxOneTheBandFillsTheViewAroundASingleGridLine)
{
    ImageCanvas picture1(QSize(620, 212));
    const PlotRanges r = rangesFor(params(0.5, 0.5), picture1);
    ASSERT_EQ(r.Xmax, 1);
    axes(picture1, r, 0.5, QStringLiteral("."));
    const QImage& img = picture1.image();
    // Rows well above the axis and the labels: grey except the grid line at
    // x = 0, which the black vertical axis covers.
    for (int x = 0; x < 620; ++x) {
        const QColor c = img.pixelColor(x, 20);
        EXPECT_TRUE(c == kBandColor || c == QColor(Qt::black)) << x;
    }
    EXPECT_EQ(img.pixelColor(310, 20), QColor(Qt::black));
}

TEST(AnimationView, ANarrowViewGivesTheSpringNoNegativeWidth)
{
    // 10 px wide, 2 units: the 25 px load is 5 units wide, its left side at
    // 0.5 - 2.5 = -2, left of the wall at -1.
    ImageCanvas picture1(QSize(10, 100));
    const PlotRanges r = rangesFor(params(0.5, 0.5), picture1);
    const SetupPlacement s = axes(picture1, r, 0.5, QStringLiteral("."));
    EXPECT_DOUBLE_EQ(s.shapeLeft, -2);
    EXPECT_EQ(s.imageWidth, 0);
}

TEST(AnimationView, ResizingKeepsTheLoadSizeOnScreenAndRecentresIt)
{
    for (QSize size : {QSize(620, 212), QSize(1900, 800)}) {
        ImageCanvas picture1(size);
        const PlotRanges r = rangesFor(kStartupParameters, picture1);
        const SetupPlacement s = axes(picture1, r, 9.5, QStringLiteral("."));
        const QPointF a = picture1.toPixel(s.shapeLeft, s.shapeTop);
        const QPointF b = picture1.toPixel(s.shapeLeft + s.shapeWidth, s.shapeTop + s.shapeHeight);
        EXPECT_NEAR(b.x() - a.x(), 25, 1e-9);
        EXPECT_NEAR(b.y() - a.y(), 25, 1e-9);
        EXPECT_NEAR(b.y(), size.height() / 2.0, 1e-9);  // stands on the axis
        EXPECT_NEAR((a.x() + b.x()) / 2, picture1.toPixel(9.5, 0).x(), 1e-9);
    }
}

TEST(AnimationView, SpringPictureAndSetupPainting)
{
    const QImage spring = springPicture();
    EXPECT_EQ(spring.size(), QSize(400, 50));
    QSet<QRgb> tones;
    int wire = 0;
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 400; ++x) {
            const QRgb c = spring.pixel(x, y);
            if (qAlpha(c) == 0)
                continue;
            ++wire;
            EXPECT_EQ(qRed(c), qGreen(c));
            EXPECT_EQ(qRed(c), qBlue(c));
            tones.insert(c);
        }
    EXPECT_LE(tones.size(), 16);
    EXPECT_GE(tones.size(), 4);
    EXPECT_GT(wire, 2000);
    // Straight end pieces at mid-height at both ends.
    EXPECT_NE(qAlpha(spring.pixel(2, 25)), 0);
    EXPECT_NE(qAlpha(spring.pixel(397, 25)), 0);
    EXPECT_EQ(qAlpha(spring.pixel(2, 5)), 0);

    ImageCanvas picture1(QSize(620, 212));
    const PlotRanges r = rangesFor(kStartupParameters, picture1);
    const SetupPlacement s = axes(picture1, r, 9.5, QStringLiteral("."));
    const QImage before = picture1.image().copy();
    QImage shown = picture1.image().copy();
    {
        QPainter painter(&shown);
        paintSetup(painter, picture1, s);
    }
    EXPECT_EQ(picture1.image(), before);  // the set-up lies over the image
    // Load: black outline, white inside, centred on x = 9.5 (pixel 554.2).
    const QPointF corner = picture1.toPixel(s.shapeLeft, s.shapeTop);
    const int left = qRound(corner.x()), top = qRound(corner.y());
    EXPECT_EQ(shown.pixelColor(left, top + 12), QColor(Qt::black));
    EXPECT_EQ(shown.pixelColor(left + 24, top + 12), QColor(Qt::black));
    EXPECT_EQ(shown.pixelColor(left + 12, top), QColor(Qt::black));
    EXPECT_EQ(shown.pixelColor(left + 12, top + 12), QColor(Qt::white));
    // Some of the spring shows left of the load, above the axis.
    int grey = 0;
    for (int y = 81; y < 105; ++y)
        for (int x = 5; x < left - 5; ++x) {
            const QColor c = shown.pixelColor(x, y);
            grey += c.red() == c.green() && c.green() == c.blue() && c.red() < 200;
        }
    EXPECT_GT(grey, 500);
}
