// What a run draws: markers, envelope, legend, start points, traces, and the
// moves of the load.

#include "recordingcanvas.h"

#include "axes.h"
#include "frames.h"
#include "imagecanvas.h"
#include "imageviews.h"
#include "plotcolors.h"
#include "plotscales.h"
#include "rundrawing.h"
#include "viewstyle.h"

#include "characteristics.h"
#include "motion.h"
#include "parameters.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

using namespace dryfriction;
using dryfriction::test::Op;
using dryfriction::test::RecordingCanvas;

namespace {

struct Recorded {
    std::vector<Op> log;
    RecordingCanvas p1{"Picture1", log}, p2{"Picture2", log}, p3{"Picture3", log}, p4{"Picture4", log},
        p5{"Picture5", log};
    Views views{p1, p2, p3, p4, p5};
    GraphViews graphs = graphViews(views);
    PlotRanges ranges;
    MotionCharacteristics chars;

    explicit Recorded(const ProblemParameters& p)
    {
        chars = parametr(p);
        ranges = minmax(p, chars, views);
        log.clear();
        drawRunPreamble(graphs, ranges, p, chars);
    }

    int count(const QString& canvas, const QColor& color) const
    {
        int n = 0;
        for (const Op& op : log)
            n += op.canvas == canvas && op.name == "Line" && op.color == color;
        return n;
    }
};

// The five views drawn as the window draws them before a run.
struct Drawn : ImageViews {
    GraphViews graphs = graphViews(views);
    PlotRanges ranges;
    SetupPlacement placement;

    Drawn(const ProblemParameters& p, const MotionCharacteristics& c) : ImageViews(QSize(620, 212))
    {
        const Frames frames = drawFrames(views, p, c, QStringLiteral("."));
        ranges = frames.ranges;
        placement = frames.placement;
    }
};

ProblemParameters params(double Xo, double Vo)
{
    ProblemParameters p;
    p.Xo = Xo;
    p.Vo = Vo;
    return p;
}

int countInColumn(const QImage& image, int x, const QColor& color)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        n += image.pixelColor(x, y) == color;
    return n;
}

}  // namespace

TEST(RunPreamble, MarkersComeFirstGraphByGraphDashedOfWidthOne)
{
    Recorded rec(kStartupParameters);
    ASSERT_EQ(rec.chars.n_half, 6);
    std::vector<Op> markers;
    for (const Op& op : rec.log)
        if (op.name == "Line" && (op.color == kRed || op.color == kBlue))
            markers.push_back(op);
    ASSERT_EQ(markers.size(), 7u * 8u);
    const char* order[] = {"Picture2", "Picture2", "Picture3", "Picture3",
                           "Picture4", "Picture4", "Picture5", "Picture5"};
    const double top[] = {12, 12, 11, 11, 1, 1, 64, 64};
    const double bottom[] = {-12, -12, -11, -11, 0, 0, 0, 0};
    for (size_t i = 0; i < markers.size(); ++i) {
        const Op& m = markers[i];
        const int k = static_cast<int>(i / 8);
        const size_t j = i % 8;
        EXPECT_EQ(m.canvas, order[j]) << i;
        EXPECT_EQ(m.color, j % 2 == 0 ? kRed : kBlue) << i;
        EXPECT_DOUBLE_EQ(m.x1, j % 2 == 0 ? stopTime(rec.chars, k) : extremeVelocityTime(rec.chars, k));
        EXPECT_EQ(m.x1, m.x2);
        EXPECT_EQ(m.y1, top[j]) << i;
        EXPECT_EQ(m.y2, bottom[j]) << i;
        EXPECT_EQ(m.width, 1);
        EXPECT_EQ(m.style, LineStyle::Dashed);
    }
    EXPECT_NEAR(markers[0].x1, 0.519146, 1e-6);
    EXPECT_NEAR(markers[1].x1, -1.051650, 1e-6);
}

TEST(RunPreamble, EnvelopeOnlyFromThreeHalfSwings)
{
    // Starting at rest at Xo > 1: Ao = Xo + 1, so the half-swings follow Xo.
    struct Row {
        double Xo, Vo;
        double nHalf;
        int magenta;
    } rows[] = {{9.5, 6, 6, 2}, {6, 0, 3, 2}, {5, 0, 2, 0}, {1.5, 0, 1, 0}, {0.5, 0.5, 0, 0}};
    for (const Row& row : rows) {
        Recorded rec(params(row.Xo, row.Vo));
        ASSERT_EQ(rec.chars.n_half, row.nHalf) << row.Xo;
        EXPECT_EQ(rec.count("Picture2", kMagenta), row.magenta) << row.Xo;
        EXPECT_EQ(rec.count("Picture2", kRed), row.nHalf + 1) << row.Xo;
        EXPECT_EQ(rec.count("Picture5", kBlue), row.nHalf + 1) << row.Xo;
    }
    Recorded rec(kStartupParameters);
    std::vector<Op> envelope;
    for (const Op& op : rec.log)
        if (op.color == kMagenta)
            envelope.push_back(op);
    ASSERT_EQ(envelope.size(), 2u);
    EXPECT_NEAR(envelope[0].y1, 11.423885, 1e-6);
    EXPECT_NEAR(envelope[1].y1, -11.423885, 1e-6);
    for (const Op& op : envelope) {
        EXPECT_EQ(op.x1, 0);
        EXPECT_NEAR(op.x2, 17.944597, 1e-6);
        EXPECT_EQ(op.y2, 0);
        EXPECT_EQ(op.style, LineStyle::Dashed);
    }
}

TEST(RunPreamble, LegendAndRedStartPoints)
{
    Recorded rec(kStartupParameters);
    struct Row {
        const char* canvas;
        double top, second, start;
    } rows[] = {{"Picture2", 12, 0.9 * 12, 9.5}, {"Picture3", 11, 0.9 * 11, 6},
                {"Picture4", 1, 0.94, 1},        {"Picture5", 64, 0.94 * 64, 0}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.canvas);
        std::vector<Op> prints, points;
        for (const Op& op : rec.log) {
            if (op.canvas != row.canvas)
                continue;
            if (op.name == "Print")
                prints.push_back(op);
            if (op.name == "PSet")
                points.push_back(op);
        }
        ASSERT_EQ(prints.size(), 2u);
        EXPECT_EQ(prints[0].text, QString::fromUtf8("Красный пунктир - время в точках остановки. Vx=0"));
        EXPECT_EQ(prints[1].text, QString::fromUtf8("Синий пунктир   - время, когда скорость экстремальна"));
        EXPECT_EQ(prints[0].x1, 10);
        EXPECT_EQ(prints[0].y1, row.top);
        EXPECT_DOUBLE_EQ(prints[1].y1, row.second);
        EXPECT_EQ(prints[0].width, 3);
        EXPECT_EQ(prints[0].style, LineStyle::Solid);
        ASSERT_EQ(points.size(), 1u);
        EXPECT_EQ(points[0].color, kRed);
        EXPECT_EQ(points[0].x1, 0);
        EXPECT_EQ(points[0].y1, row.start);
    }
    // The start points are the last thing the preamble draws.
    EXPECT_EQ(rec.log.back().name, "PSet");
}

TEST(RunSamples, TracesStartAtTheStartPointsAndTheLoadMovesEveryFifthSample)
{
    const ProblemParameters p = kStartupParameters;
    Recorded rec(p);
    SetupPlacement placement;
    placement.shapeWidth = 1;
    placement.imageLeft = -12;
    std::int16_t counter = 0;
    MotionRun run(p, rec.chars);
    std::vector<int> moves;
    rec.log.clear();
    while (run.next()) {
        if (drawSample(rec.graphs, run.sample(), counter, placement, rec.ranges)) {
            moves.push_back(run.sampleCount());
            EXPECT_DOUBLE_EQ(placement.shapeLeft, run.sample().x - 0.5);
            EXPECT_DOUBLE_EQ(placement.imageWidth, std::abs(run.sample().x + 12 - 0.5));
        }
    }
    ASSERT_EQ(run.sampleCount(), 796);
    ASSERT_FALSE(moves.empty());
    for (size_t i = 0; i < moves.size(); ++i)
        EXPECT_EQ(moves[i], 6 + 5 * static_cast<int>(i));
    EXPECT_EQ(moves.back(), 796);  // 796 = 6 + 5 * 158
    EXPECT_EQ(rec.log.size(), 4u * 796u);
    // First segments: from the start points to the first sample.
    const Op& x = rec.log[0];
    EXPECT_EQ(x.name, "LineTo");
    EXPECT_EQ(x.canvas, "Picture2");
    EXPECT_EQ((std::vector<double>{x.x1, x.y1}), (std::vector<double>{0, 9.5}));
    EXPECT_EQ(rec.log[1].color, kBlue);
    EXPECT_EQ((std::vector<double>{rec.log[1].x1, rec.log[1].y1}), (std::vector<double>{0, 6}));
    EXPECT_EQ((std::vector<double>{rec.log[2].x1, rec.log[2].y1}), (std::vector<double>{0, 1}));
    EXPECT_EQ((std::vector<double>{rec.log[3].x1, rec.log[3].y1}), (std::vector<double>{0, 0}));
    // Each segment continues where the previous one ended.
    for (size_t i = 4; i < rec.log.size(); ++i) {
        EXPECT_EQ(rec.log[i].x1, rec.log[i - 4].x2);
        EXPECT_EQ(rec.log[i].y1, rec.log[i - 4].y2);
        EXPECT_EQ(rec.log[i].width, 3);
    }
}

TEST(RunSamples, FewerThanSixSamplesNeverMoveTheLoad)
{
    ProblemParameters p = kStartupParameters;
    p.tCalc = 0.1f;  // samples at dt, 3dt, 5dt, 7dt
    Recorded rec(p);
    SetupPlacement placement;
    placement.shapeLeft = 42;
    const SetupPlacement start = placement;
    std::int16_t counter = 0;
    MotionRun run(p, rec.chars);
    while (run.next())
        EXPECT_FALSE(drawSample(rec.graphs, run.sample(), counter, placement, rec.ranges));
    EXPECT_LT(run.sampleCount(), 6);
    EXPECT_EQ(placement, start);
}

TEST(RunPixels, BandMarkersAndTraceOfTheDefaultRun)
{
    const ProblemParameters p = kStartupParameters;
    const MotionCharacteristics c = parametr(p);
    Drawn d(p, c);
    const QImage& x = d.pictures[1].image();

    // The grey band |x| <= 1 across the whole time axis: rows of y = +-0.6
    // are band grey wherever no grid line, axis or label lies over them.
    for (double y : {0.6, -0.6}) {
        const int row = static_cast<int>(d.pictures[1].toPixel(0, y).y());
        int grey = 0, other = 0;
        for (int col = 40; col < 620; ++col) {
            const QColor c = x.pixelColor(col, row);
            if (c == kBandColor)
                ++grey;
            else if (c != kGridColor)
                ++other;
        }
        EXPECT_GT(grey, 540) << y;
        EXPECT_LT(other, 20) << y;
        EXPECT_EQ(x.pixelColor(619, row), kBandColor);
    }
    const int outsideRow = static_cast<int>(d.pictures[1].toPixel(0, 1.6).y());
    for (int col = 40; col < 620; ++col)
        EXPECT_NE(x.pixelColor(col, outsideRow), kBandColor) << col;

    drawRunPreamble(d.graphs, d.ranges, p, c);

    // Red stop marker at tau_0 (column 16), dashed over the whole height.
    const int tauColumn = static_cast<int>(d.pictures[1].toPixel(c.tau_0, 0).x());
    EXPECT_EQ(tauColumn, 16);
    const int red = countInColumn(x, tauColumn, kRed);
    EXPECT_GT(red, 100);
    EXPECT_LT(red, 200);  // dashed: gaps between the dashes

    // Blue markers: six columns show; the one at t = -1.05 leaves no mark.
    int blueColumns = 0;
    for (int col = 0; col < 620; ++col)
        blueColumns += countInColumn(x, col, kBlue) > 60;
    EXPECT_EQ(blueColumns, 6);
    for (int col = 0; col < 3; ++col)
        EXPECT_EQ(countInColumn(x, col, kBlue), 0);

    // The start point, then the first segments leave (0, Xo) upward.
    const QPointF start = d.pictures[1].toPixel(0, 9.5);
    EXPECT_EQ(x.pixelColor(0, static_cast<int>(start.y())), kRed);
    std::int16_t counter = 0;
    MotionRun run(p, c);
    std::vector<QPointF> points;
    for (int i = 0; i < 20 && run.next(); ++i) {
        drawSample(d.graphs, run.sample(), counter, d.placement, d.ranges);
        points.push_back(d.pictures[1].toPixel(run.sample().t, run.sample().x));
    }
    EXPECT_LT(points.back().y(), start.y() - 10);  // x rose from 9.5 towards 11.09
    for (const QPointF& pt : points)
        EXPECT_EQ(x.pixelColor(static_cast<int>(pt.x()), static_cast<int>(pt.y())), kRed) << pt.x() << " " << pt.y();
}
