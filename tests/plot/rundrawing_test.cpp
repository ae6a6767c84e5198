// What a run draws: markers, envelope, legend and start points, the traces
// sample by sample, and the areas drawTraces reports as changed.

#include "liverun.h"
#include "recordingcanvas.h"

#include "plot/frames.h"
#include "plot/graphdescription.h"
#include "plot/offscreenviews.h"
#include "plot/plotcolors.h"
#include "plot/rundrawing.h"

#include "model/characteristics.h"
#include "model/motion.h"
#include "model/parameters.h"
#include "model/plotranges.h"
#include "model/runrecord.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>

using namespace dryfriction;
using dryfriction::test::Op;
using dryfriction::test::RecordedViews;
using dryfriction::test::RecordingCanvas;

namespace {

const QString kLegendStops = QStringLiteral("stops");
const QString kLegendExtremes = QStringLiteral("extremes");

ProblemParameters params(double x0, double v0)
{
    ProblemParameters p;
    p.x0 = x0;
    p.v0 = v0;
    return p;
}

void drawPreambles(std::span<Canvas* const> graphs, const PlotRanges& r, const ProblemParameters& p,
                   const MotionCharacteristics& c)
{
    for (std::size_t i = 0; i < graphs.size(); ++i)
        drawRunPreamble(*graphs[i], viewGraphs()[i], r, p, c, kLegendStops, kLegendExtremes);
}

// The preambles of a run on every graph, recorded.
struct RecordedRun : RecordedViews {
    ProblemParameters params;
    MotionCharacteristics chars;
    PlotRanges ranges;

    explicit RecordedRun(const ProblemParameters& p) : params(p)
    {
        chars = characteristicsOf(p);
        ranges = computePlotRanges(p, chars);
        applyScales(strip, graphs(), ranges);
        log.clear();
        drawPreambles(graphs(), ranges, p, chars);
    }

    std::vector<Op> lines(const QString& canvas, const QColor& color) const
    {
        std::vector<Op> out;
        for (const Op& op : on(canvas)) {
            if (op.name == "line" && op.color == color)
                out.push_back(op);
        }
        return out;
    }
};

// The views drawn as the window draws them at the start of a run.
struct DrawnRun : OffscreenViews {
    ProblemParameters params;
    MotionCharacteristics chars;
    PlotRanges ranges;

    explicit DrawnRun(const ProblemParameters& p, QSize size = {620, 212}) : OffscreenViews(size), params(p)
    {
        chars = characteristicsOf(p);
        ranges = computePlotRanges(p, chars);
        ViewTexts texts;
        texts.graphCaptions = {QStringLiteral("X"), QStringLiteral("Vx"), QStringLiteral("W/Wo"),
                               QStringLiteral("P")};
        texts.timeCaption = QStringLiteral("2*pi*t/T");
        drawFrames(strip(), graphs(), ranges, p.x0, texts);
        drawPreambles(graphs(), ranges, p, chars);
    }

    QPoint pixel(std::size_t i, double t, double y)
    {
        const QPointF at = graph(i).toPixel(t, y);
        return {static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y()))};
    }
};

int countInColumn(const QImage& image, int x, const QColor& color)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        n += image.pixelColor(x, y) == color;
    return n;
}

// How many pixels of `after` that differ from `before` lie outside `area`.
int changedOutside(const QImage& before, const QImage& after, const QRect& area)
{
    int outside = 0;
    for (int y = 0; y < after.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(before.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(after.constScanLine(y));
        if (std::memcmp(a, b, sizeof(QRgb) * static_cast<std::size_t>(after.width())) == 0)
            continue;
        for (int x = 0; x < after.width(); ++x)
            outside += a[x] != b[x] && !area.contains(x, y);
    }
    return outside;
}

const char* const kGraphNames[] = {"x", "vx", "energy", "path", "phase"};

}  // namespace

// Dashed red and blue markers of width 1 at every stop and extreme-velocity
// time, k = 0 .. halfSwings, from the top edge down to the bottom edge, or to
// the time axis on the energy and path graphs.
TEST(RunPreamble, MarkersOnEveryGraph)
{
    RecordedRun rec(kStartupParameters);
    ASSERT_EQ(rec.chars.halfSwings, 6);
    const double top[] = {12, 11, 1, 64};
    const double bottom[] = {-12, -11, 0, 0};
    for (std::size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(kGraphNames[i]);
        const auto red = rec.lines(kGraphNames[i], kRed);
        const auto blue = rec.lines(kGraphNames[i], kBlue);
        ASSERT_EQ(red.size(), 7u);
        ASSERT_EQ(blue.size(), 7u);
        for (int k = 0; k <= 6; ++k) {
            for (const Op& m : {red[k], blue[k]}) {
                EXPECT_EQ(m.x1, m.x2);
                EXPECT_EQ(m.y1, top[i]);
                EXPECT_EQ(m.y2, bottom[i]);
                EXPECT_EQ(m.width, 1);
                EXPECT_EQ(m.style, LineStyle::Dashed);
            }
            EXPECT_DOUBLE_EQ(red[k].x1, stopTime(rec.chars, k));
            EXPECT_DOUBLE_EQ(blue[k].x1, extremeVelocityTime(rec.chars, k));
        }
    }
    EXPECT_NEAR(rec.lines("x", kRed)[0].x1, 0.519146, 1e-6);
    EXPECT_NEAR(rec.lines("x", kBlue)[0].x1, -1.051650, 1e-6);
}

TEST(RunPreamble, EnvelopeOnlyOnTheCoordinateGraphFromThreeHalfSwings)
{
    // Starting at rest at x0 > 1: Ao = x0 + 1, so the half-swings follow x0.
    const struct {
        double x0, v0;
        double halfSwings;
        std::size_t envelopeLines;
    } rows[] = {{9.5, 6, 6, 2}, {6, 0, 3, 2}, {5, 0, 2, 0}, {1.5, 0, 1, 0}, {0.5, 0.5, 0, 0}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.x0);
        RecordedRun rec(params(row.x0, row.v0));
        ASSERT_EQ(rec.chars.halfSwings, row.halfSwings);
        EXPECT_EQ(rec.lines("x", kMagenta).size(), row.envelopeLines);
        for (const char* other : {"vx", "energy", "path"})
            EXPECT_EQ(rec.lines(other, kMagenta).size(), 0u) << other;
        EXPECT_EQ(rec.lines("x", kRed).size(), row.halfSwings + 1);
        EXPECT_EQ(rec.lines("path", kBlue).size(), row.halfSwings + 1);
    }
    // From +-(Ao - 1 + 2 tau/pi) at t = 0 to the time axis.
    RecordedRun rec(kStartupParameters);
    const auto envelope = rec.lines("x", kMagenta);
    ASSERT_EQ(envelope.size(), 2u);
    EXPECT_NEAR(envelope[0].y1, 11.423885, 1e-6);
    EXPECT_NEAR(envelope[1].y1, -11.423885, 1e-6);
    for (const Op& op : envelope) {
        EXPECT_EQ(op.x1, 0);
        EXPECT_NEAR(op.x2, 17.944597, 1e-6);
        EXPECT_EQ(op.y2, 0);
    }
}

// The legend lines come from the caller; the preamble ends on the start point
// of the trace, as wide as the trace.
TEST(RunPreamble, LegendAndTheStartPointTheTraceSetsOutFrom)
{
    ProblemParameters p = params(2.5, -3.5);
    p.duration = 30;
    RecordedRun rec(p);
    const struct {
        double top, second, start;
    } rows[] = {{3, 0.9 * 3, 2.5}, {4, 0.9 * 4, -3.5}, {1, 0.94, 1}, {10, 0.94 * 10, 0}};
    for (std::size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(kGraphNames[i]);
        std::vector<Op> texts, dots;
        for (const Op& op : rec.on(kGraphNames[i])) {
            if (op.name == "drawText")
                texts.push_back(op);
            if (op.name == "dot")
                dots.push_back(op);
        }
        ASSERT_EQ(texts.size(), 2u);
        EXPECT_EQ(texts[0].text, kLegendStops);
        EXPECT_EQ(texts[1].text, kLegendExtremes);
        // In the middle of the time axis, from the top down: the second line
        // at its level, or, where that would overlap the first, just below it.
        const RecordingCanvas& canvas = rec.graph[i];
        EXPECT_EQ(texts[0].x1, 15);
        EXPECT_EQ(texts[1].x1, 15);
        EXPECT_EQ(texts[0].y1, rows[i].top);
        const double firstBottom = canvas.toPixel(0, rows[i].top).y() + canvas.textSize(kLegendStops).height();
        const double secondRow = canvas.toPixel(0, texts[1].y1).y();
        EXPECT_GE(secondRow, firstBottom - 1e-6);
        EXPECT_LE(secondRow, std::max(canvas.toPixel(0, rows[i].second).y(), firstBottom + 1));
        ASSERT_EQ(dots.size(), 1u);
        EXPECT_EQ(dots[0].color, kRed);
        EXPECT_EQ(dots[0].width, kTraceWidth);
        EXPECT_EQ(dots[0].x1, 0);
        EXPECT_EQ(dots[0].y1, rows[i].start);
    }
}

// Sample by sample, each segment of a trace sets out where the one before
// it ended, from the start point on, as wide as the start point.
TEST(RunSamples, EachTraceContinuesWhereItsLastSegmentEnded)
{
    RecordedRun rec(kStartupParameters);
    rec.log.clear();
    const RunRecord run(rec.params, rec.chars);
    ASSERT_EQ(run.sampleCount(), 796u);
    const std::vector<Canvas*> graphs = rec.graphs();
    const std::size_t n = graphs.size();
    for (std::size_t k = 1; k <= run.sampleCount(); ++k)
        EXPECT_EQ(drawTraces(graphs, run, k - 1, k).size(), n);
    std::vector<Op> segments;
    for (const Op& op : rec.log)
        if (op.name == "line")
            segments.push_back(op);
    ASSERT_EQ(segments.size(), n * 796u);
    // The first segments leave the start points: t = 0 against time, the
    // start coordinate on the phase portrait.
    const double startAcross[] = {0, 0, 0, 0, 9.5};
    const double start[] = {9.5, 6, 1, 0, 6};
    for (std::size_t i = 0; i < n; ++i) {
        const Op& first = segments[i];
        EXPECT_EQ(first.canvas, kGraphNames[i]);
        EXPECT_EQ(first.x1, startAcross[i]);
        EXPECT_EQ(first.y1, start[i]);
        EXPECT_EQ(first.color, viewGraphs()[i].traces.front().color);
    }
    for (std::size_t i = n; i < segments.size(); ++i) {
        EXPECT_EQ(segments[i].x1, segments[i - n].x2);
        EXPECT_EQ(segments[i].y1, segments[i - n].y2);
        EXPECT_EQ(segments[i].width, kTraceWidth);
    }
    // The last segments end on the run's result; the phase portrait's at rest.
    const std::size_t last = segments.size() - n;
    EXPECT_EQ(segments[last].x2, static_cast<double>(run.sample(796).t));
    EXPECT_EQ(segments[last].y2, run.sample(796).x);
    EXPECT_EQ(segments[last + 3].y2, run.sample(796).path);
    EXPECT_EQ(segments[last + 4].x2, run.sample(796).x);
    EXPECT_EQ(segments[last + 4].y2, 0);
}

// A text printed on a graph between two samples (a label, a cursor's
// reading) moves the canvas's current point; the trace goes on from its own
// last sample all the same.
TEST(RunSamples, ATextBetweenTwoSamplesLeavesTheTraceWhole)
{
    RecordedRun rec(kStartupParameters);
    const RunRecord run(rec.params, rec.chars);
    const std::vector<Canvas*> graphs = rec.graphs();
    test::drawSampleBySample(graphs, run, 0, 50);
    for (Canvas* graph : graphs) {
        graph->setCurrentX(3);
        graph->setCurrentY(4);
        graph->drawText(QStringLiteral("t = 1.23"));
    }
    rec.log.clear();
    drawTraces(graphs, run, 50, 51);
    std::vector<Op> segments;
    for (const Op& op : rec.log)
        if (op.name == "line")
            segments.push_back(op);
    ASSERT_EQ(segments.size(), graphs.size());
    const MotionSample& s = run.sample(50);
    const double from[][2] = {{s.t, s.x}, {s.t, s.vx}, {s.t, s.energyRatio}, {s.t, s.path}, {s.x, s.vx}};
    for (std::size_t i = 0; i < segments.size(); ++i) {
        EXPECT_EQ(segments[i].x1, from[i][0]) << kGraphNames[i];
        EXPECT_EQ(segments[i].y1, from[i][1]) << kGraphNames[i];
    }
}

// The window repaints only what drawTraces reports: every pixel that
// extending the traces changes must lie in its graph's rectangle, and a
// sample's rectangle must stay close to its segment. Sample by sample, then
// in long stretches drawn at once.
TEST(RunSamples, ChangedRectanglesHoldEveryChangedPixel)
{
    ProblemParameters p = kStartupParameters;
    p.duration = 60;
    DrawnRun d(p);
    const std::vector<Canvas*> graphs = d.graphs();
    const RunRecord run(d.params, d.chars);
    std::vector<std::size_t> moments;
    for (std::size_t k = 0; k <= 796; ++k)
        moments.push_back(k);
    ASSERT_GT(run.sampleCount(), 1400u);
    for (std::size_t k : {std::size_t{1300}, std::size_t{1301}, run.sampleCount()})
        moments.push_back(k);
    for (std::size_t m = 1; m < moments.size(); ++m) {
        const std::size_t from = moments[m - 1], to = moments[m];
        std::vector<QImage> before;
        for (std::size_t i = 0; i < graphs.size(); ++i)
            before.push_back(d.graph(i).image().copy());
        const std::vector<QRectF> changed = drawTraces(graphs, run, from, to);
        ASSERT_EQ(changed.size(), graphs.size());
        for (std::size_t i = 0; i < graphs.size(); ++i) {
            ASSERT_EQ(changedOutside(before[i], d.graph(i).image(), changed[i].toAlignedRect()), 0)
                << kGraphNames[i] << " from " << from << " to " << to;
            if (to == from + 1) {
                EXPECT_LE(changed[i].width(), 12) << kGraphNames[i] << " at " << to;
            }
        }
    }
}

TEST(RunPixels, BandMarkersAndTracesOfTheDefaultRun)
{
    const ProblemParameters p = kStartupParameters;
    DrawnRun d(p);
    const QImage& x = d.graph(0).image();

    // The grey band |x| <= 1 across the whole time axis, where no grid line,
    // marker, axis or label lies over it.
    for (double y : {0.6, -0.6}) {
        const int row = d.pixel(0, 0, y).y();
        int grey = 0;
        for (int col = 40; col < 620; ++col)
            grey += x.pixelColor(col, row) == kBandColor;
        EXPECT_GT(grey, 480) << y;
        EXPECT_EQ(x.pixelColor(619, row), kBandColor);
    }

    // The red stop marker at the first stop (column 16), dashed over the
    // whole height but for the value labels it passes under.
    const int stopColumn = d.pixel(0, d.chars.firstStop, 0).x();
    EXPECT_EQ(stopColumn, 16);
    int open = 0;
    for (int row = 0; row < 212; ++row) {
        const std::vector<QRectF> texts = d.graph(0).textBoxes();
        open += std::none_of(texts.begin(), texts.end(),
                             [&](const QRectF& box) { return box.contains(QPointF(stopColumn + 0.5, row + 0.5)); });
    }
    const int red = countInColumn(x, stopColumn, kRed);
    EXPECT_GT(red, open / 2);
    EXPECT_LT(red, open);  // gaps between the dashes

    // Blue markers: six columns show; the one at t = -1.05 leaves no mark.
    int blueColumns = 0;
    for (int col = 0; col < 620; ++col)
        blueColumns += countInColumn(x, col, kBlue) > 60;
    EXPECT_EQ(blueColumns, 6);
    for (int col = 0; col < 3; ++col)
        EXPECT_EQ(countInColumn(x, col, kBlue), 0);

    // Every trace in its colour where its quantity lies: x, Vx, W/Wo, path.
    const RunRecord run(p, d.chars);
    const std::vector<Canvas*> graphs = d.graphs();
    for (std::size_t k = 1; k <= 60; ++k) {
        drawTraces(graphs, run, k - 1, k);
        const MotionSample& s = run.sample(k);
        const double values[] = {s.x, s.vx, s.energyRatio, s.path};
        const QColor colors[] = {kRed, kBlue, kRed, kRed};
        for (std::size_t g = 0; g < 4; ++g) {
            const QPoint at = d.pixel(g, s.t, values[g]);
            const std::vector<QRectF> texts = d.graph(g).textBoxes();
            const bool underText = std::any_of(texts.begin(), texts.end(), [&](const QRectF& box) {
                return box.contains(QPointF(at) + QPointF(0.5, 0.5));
            });
            if (at.y() >= 0 && at.y() < 212 && !underText) {
                EXPECT_EQ(d.graph(g).image().pixelColor(at), colors[g]) << kGraphNames[g] << " " << s.t;
            }
        }
        // The coordinate rises from 9.5 to its first turn at 11.09, at t = 0.52.
        if (k == 20) {
            EXPECT_LT(d.pixel(0, s.t, s.x).y(), d.pixel(0, 0, 9.5).y() - 10);
        }
    }
}
