// The phase portrait: its frame with equal units centred in the view, the
// stagnation segment and the centres of the swings, and the geometry of a
// run traced on it.

#include "liverun.h"
#include "recordingcanvas.h"
#include "windowtexts.h"

#include "plot/frames.h"
#include "plot/graphdescription.h"
#include "plot/offscreenviews.h"
#include "plot/plotcolors.h"
#include "plot/rundrawing.h"

#include "model/characteristics.h"
#include "model/motion.h"
#include "model/parameters.h"
#include "model/plotranges.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace dryfriction;
using dryfriction::test::Op;
using dryfriction::test::RecordedViews;

namespace {

struct Problem {
    const char* name;
    double x0, v0;
};

const Problem kProblems[] = {
    {"defaults", 9.5, 6},       {"one half-swing", 1.5, 0},     {"leftward start", 2, -3},
    {"far out at rest", 20, 0}, {"inside the zone", 0.5, 0.5},  {"fast from the middle", 0, -8},
};

// The index of the phase portrait among the graphs: the one not against time.
std::size_t phaseIndex()
{
    const std::span<const GraphDescription> graphs = viewGraphs();
    for (std::size_t i = 0; i < graphs.size(); ++i) {
        if (!acrossTime(graphs[i]))
            return i;
    }
    return graphs.size();
}

// A problem whose run lasts until a little after the final stop.
ProblemParameters wholeRun(const Problem& row)
{
    ProblemParameters p;
    p.x0 = row.x0;
    p.v0 = row.v0;
    p.duration = static_cast<float>(characteristicsOf(p).finalStop + 1);
    return p;
}

// A whole run on the graphs, recorded: frames, preambles and every sample.
struct RecordedRun : RecordedViews {
    ProblemParameters params;
    MotionCharacteristics chars;
    PlotRanges ranges;

    explicit RecordedRun(const ProblemParameters& p) : params(p), chars(characteristicsOf(p))
    {
        ranges = computePlotRanges(p, chars);
        const ViewTexts texts = test::windowTexts();
        drawFrames(strip, graphs(), ranges, p.x0, texts);
        log.clear();
        for (std::size_t i = 0; i < graph.size(); ++i)
            drawRunPreamble(graph[i], viewGraphs()[i], ranges, p, chars, texts.legendStops, texts.legendExtremes);
        test::drawSampleBySample(graphs(), RunRecord(p, chars));
    }

    const test::RecordingCanvas& phase() const { return graph[phaseIndex()]; }

    // The trace's points in user units: the start point, then the end of every segment.
    std::vector<QPointF> trace() const
    {
        std::vector<QPointF> points;
        for (const Op& op : on(QStringLiteral("phase"))) {
            if (op.name == "dot" && op.color == kRed)
                points.assign(1, QPointF(op.x1, op.y1));
            if (op.name == "line" && op.width == kTraceWidth)
                points.emplace_back(op.x2, op.y2);
        }
        return points;
    }
};

// The graphs drawn into images as the window shows them before a run.
struct DrawnViews : OffscreenViews {
    explicit DrawnViews(const ProblemParameters& p, QSize size) : OffscreenViews(size)
    {
        const MotionCharacteristics c = characteristicsOf(p);
        ranges = computePlotRanges(p, c);
        drawFrames(strip(), graphs(), ranges, p.x0, test::windowTexts());
    }
    PlotRanges ranges;
    ImageCanvas& phase() { return graph(phaseIndex()); }
};

QPoint pixelOf(const Canvas& canvas, double x, double y)
{
    const QPointF p = canvas.toPixel(x, y);
    return {static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y()))};
}

TEST(PhasePortrait, IsTheOneGraphAcross)
{
    ASSERT_LT(phaseIndex(), viewGraphs().size());
    EXPECT_EQ(phaseIndex(), viewGraphs().size() - 1);  // offered last
}

// The black axes span the region of the ranges: one pixel is as long across
// as up, and the region sits in the middle of the view, filling it one way;
// far from it the view is blank.
TEST(PhasePortrait, FrameHasEqualUnitsCentredInTheView)
{
    const QSize sizes[] = {{620, 212}, {1900, 800}, {300, 500}, {400, 400}};
    for (const Problem& row : kProblems) {
        for (const QSize size : sizes) {
            SCOPED_TRACE(std::string(row.name) + " " + std::to_string(size.width()) + "x" +
                         std::to_string(size.height()));
            DrawnViews v(wholeRun(row), size);
            const QImage image = v.phase().image();
            const QPoint origin = pixelOf(v.phase(), 0, 0);
            int left = image.width(), right = -1, top = image.height(), bottom = -1;
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, origin.y()) == kAxisColor) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
            }
            for (int y = 0; y < image.height(); ++y) {
                if (image.pixelColor(origin.x(), y) == kAxisColor) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
            }
            ASSERT_LT(left, right);
            ASSERT_LT(top, bottom);
            const double across = (right - left + 1) / (2 * v.ranges.xMax);
            const double up = (bottom - top + 1) / (2.0 * v.ranges.vMax);
            // The axes' square caps, clipped at an edge or not, make up to 5 pixels of difference.
            EXPECT_NEAR(across, up, 5.0 / (2 * std::min<double>(v.ranges.xMax, v.ranges.vMax)));
            EXPECT_NEAR(left + right, image.width() - 1, 3);
            EXPECT_NEAR(top + bottom, image.height() - 1, 3);
            EXPECT_TRUE(right - left + 1 >= image.width() - 3 || bottom - top + 1 >= image.height() - 3);

            const QColor blank = v.phase().backColor();
            constexpr int kLabelRoom = 40;
            int marked = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const bool far = x < left - kLabelRoom || x > right + kLabelRoom || y < top - kLabelRoom
                                     || y > bottom + kLabelRoom;
                    marked += far && image.pixelColor(x, y) != blank;
                }
            }
            EXPECT_EQ(marked, 0);
        }
    }
}

// The stagnation segment |X| <= 1 lies grey on the horizontal axis, black
// ticks stand across it at the centres -1 and 1, and nothing red is drawn
// before a run.
TEST(PhasePortrait, StagnationSegmentAndCentresBeforeARun)
{
    DrawnViews v(wholeRun(kProblems[0]), QSize(620, 212));
    const QImage image = v.phase().image();
    const QPoint minusOne = pixelOf(v.phase(), -1, 0);
    const QPoint plusOne = pixelOf(v.phase(), 1, 0);
    const int axisRow = pixelOf(v.phase(), 0, 0).y();
    int grey = 0;
    for (int x = minusOne.x() + 2; x <= plusOne.x() - 2; ++x)
        grey += image.pixelColor(x, axisRow) == kBandColor;
    EXPECT_GE(grey, plusOne.x() - minusOne.x() - 3 - 3);  // all but the vertical axis
    for (const double beyond : {-3.0, -2.0, 2.0, 3.0})
        EXPECT_EQ(image.pixelColor(pixelOf(v.phase(), beyond, 0)), kAxisColor) << beyond;
    for (const QPoint centre : {minusOne, plusOne}) {
        EXPECT_EQ(image.pixelColor(centre.x(), axisRow - 4), kAxisColor);
        EXPECT_EQ(image.pixelColor(centre.x(), axisRow + 4), kAxisColor);
    }
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_NE(image.pixelColor(x, y), kRed) << x << ", " << y;
}

// Every half-swing of the trace lies on a circle, to a pixel: about -1 while
// the load moves right (the friction pushes it left) and about +1 while it
// moves left. The trace ends at rest on the stagnation segment.
TEST(PhasePortrait, HalfSwingsAreCirclesAboutTheCentres)
{
    for (const Problem& row : kProblems) {
        SCOPED_TRACE(row.name);
        const RecordedRun rec(wholeRun(row));
        const std::vector<QPointF> trace = rec.trace();
        ASSERT_GT(trace.size(), 10u);

        int arcs = 0;
        std::size_t i = 0;
        while (i < trace.size()) {
            const double sign = trace[i].y() > 0 ? 1 : trace[i].y() < 0 ? -1 : 0;
            std::size_t end = i;
            while (end < trace.size() && (trace[end].y() > 0 ? 1 : trace[end].y() < 0 ? -1 : 0) == sign)
                ++end;
            if (sign != 0 && end - i >= 3) {
                const QPointF centre = rec.phase().toPixel(sign > 0 ? -1 : 1, 0);
                double nearest = 1e9, farthest = 0;
                for (std::size_t k = i; k < end; ++k) {
                    const QPointF p = rec.phase().toPixel(trace[k].x(), trace[k].y());
                    const double r = std::hypot(p.x() - centre.x(), p.y() - centre.y());
                    nearest = std::min(nearest, r);
                    farthest = std::max(farthest, r);
                }
                EXPECT_LE(farthest - nearest, 1.0) << "arc " << arcs << " from point " << i;
                ++arcs;
            }
            i = end;
        }
        // Every half-swing after the first stop lasts a half period: none is too short to check.
        EXPECT_GE(arcs, std::max(1, halfSwingCount(rec.chars)));

        const QPointF last = trace.back();
        EXPECT_EQ(last.y(), 0);
        EXPECT_LE(std::abs(last.x()), 1.0);
    }
}

// The stops get short dashed red marks across the horizontal axis, where the
// trace turns; those after the end of the run get none.
TEST(PhasePortrait, StopsAreMarkedWhereTheTraceTurns)
{
    for (const Problem& row : kProblems) {
        for (const double share : {1.0, 0.5}) {
            SCOPED_TRACE(std::string(row.name) + " " + std::to_string(share));
            ProblemParameters p = wholeRun(row);
            p.duration = static_cast<float>(p.duration * share);
            const RecordedRun rec(p);
            std::vector<double> marks;
            for (const Op& op : rec.on(QStringLiteral("phase"))) {
                if (op.name == "line" && op.color == kRed && op.width == 1) {
                    EXPECT_EQ(op.x1, op.x2);
                    EXPECT_LT(op.y1 * op.y2, 0);  // across the axis
                    EXPECT_EQ(op.style, LineStyle::Dashed);
                    marks.push_back(op.x1);
                }
            }
            // Where the velocity changes sign or the trace comes to rest.
            std::vector<double> turns;
            const std::vector<QPointF> trace = rec.trace();
            if (trace.front().y() == 0)
                turns.push_back(trace.front().x());
            for (std::size_t k = 1; k < trace.size(); ++k) {
                if ((trace[k - 1].y() > 0 && trace[k].y() <= 0) || (trace[k - 1].y() < 0 && trace[k].y() >= 0))
                    turns.push_back(trace[k].x());
            }
            ASSERT_EQ(marks.size(), turns.size());
            for (std::size_t k = 0; k < marks.size(); ++k)
                EXPECT_NEAR(marks[k], turns[k], 0.05) << k;
        }
    }
}

// What the view really shows after a run: the red trace through the samples,
// but for where it passes under a text, which stays on top.
TEST(PhasePortrait, TraceIsDrawnInRed)
{
    const ProblemParameters p = wholeRun(kProblems[0]);
    DrawnViews v(p, QSize(620, 212));
    const MotionCharacteristics c = characteristicsOf(p);
    const ViewTexts texts = test::windowTexts();
    std::vector<Canvas*> graphs = v.graphs();
    for (std::size_t i = 0; i < graphs.size(); ++i)
        drawRunPreamble(*graphs[i], viewGraphs()[i], v.ranges, p, c, texts.legendStops, texts.legendExtremes);
    const RunRecord run(p, c);
    test::drawSampleBySample(graphs, run);
    std::vector<QPoint> points;
    for (const MotionSample& s : run.samples(0, run.sampleCount()))
        points.push_back(pixelOf(v.phase(), s.x, s.vx));
    const QImage image = v.phase().image();
    const std::vector<QRectF> boxes = v.phase().textBoxes();
    int underText = 0;
    for (std::size_t k = 0; k < points.size(); k += 7) {
        const bool hidden = std::any_of(boxes.begin(), boxes.end(), [&](const QRectF& box) {
            return box.contains(QPointF(points[k]) + QPointF(0.5, 0.5));
        });
        underText += hidden;
        if (!hidden) {
            EXPECT_EQ(image.pixelColor(points[k]), kRed) << k;
        }
    }
    // The spiral crosses a few labels only.
    EXPECT_LT(underText, static_cast<int>(points.size() / 7 / 5));
}

}  // namespace

// The grid is fine enough to read the swings off: at least two horizontal
// lines between the axis and the fastest point of the trace, and the lines
// across as far apart as those up, so the squares stay squares. A run from
// Xo 1.5 at rest, whose one half-swing reaches V = -0.5 only, is the case a
// grid of whole units leaves blank.
TEST(PhasePortrait, GridIsFineEnoughToReadTheSwings)
{
    for (const Problem& row : kProblems) {
        SCOPED_TRACE(row.name);
        const RecordedRun run(wholeRun(row));
        double fastest = 0;
        for (const Op& op : run.on(QStringLiteral("phase"))) {
            if (op.name == QStringLiteral("line") && op.width == kTraceWidth)
                fastest = std::max(fastest, std::abs(op.y2));
        }
        RecordedViews frames;
        drawFrames(frames.strip, frames.graphs(), run.ranges, run.params.x0, test::windowTexts());
        std::vector<double> ups, acrosses;
        for (const Op& op : frames.on(QStringLiteral("phase"))) {
            if (op.name == QStringLiteral("line") && op.color == kGridColor) {
                if (op.y1 == op.y2)
                    ups.push_back(op.y1);
                else if (op.x1 == op.x2)
                    acrosses.push_back(op.x1);
            }
        }
        ASSERT_GT(fastest, 0);
        const auto within = std::count_if(ups.begin(), ups.end(), [&](double v) {
            return v != 0 && std::abs(v) <= fastest + 1e-9;
        });
        EXPECT_GE(within, 2) << "fastest |V| " << fastest;

        std::sort(ups.begin(), ups.end());
        std::sort(acrosses.begin(), acrosses.end());
        ASSERT_GE(ups.size(), 2u);
        ASSERT_GE(acrosses.size(), 2u);
        const double stepUp = ups[1] - ups[0];
        // The line at X = 0 is left to the axis: the smallest gap is the step.
        double stepAcross = acrosses.back() - acrosses.front();
        for (std::size_t i = 1; i < acrosses.size(); ++i)
            stepAcross = std::min(stepAcross, acrosses[i] - acrosses[i - 1]);
        EXPECT_NEAR(stepAcross, stepUp, 1e-9);
    }
}
