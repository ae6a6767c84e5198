// A trace drawn at once from the points tracePoints keeps, against the same
// trace drawn segment by segment through every sample, as a run draws it:
// on long runs, at the start-up size and at the zoom of a 1920 x 1080 window.

#include "liverun.h"
#include "windowtexts.h"

#include "plot/frames.h"
#include "plot/graphdescription.h"
#include "plot/graphframe.h"
#include "plot/imagecanvas.h"
#include "plot/rundrawing.h"
#include "plot/tracepoints.h"
#include "plot/viewscene.h"
#include "plot/viewstyle.h"

#include "model/characteristics.h"
#include "model/plotranges.h"
#include "model/runrecord.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

using namespace dryfriction;

namespace {

const char* const kGraphNames[] = {"x", "vx", "energy", "path", "phase"};

struct ViewSize {
    QSize logical;
    qreal ratio;
};

// The views' rectangle at the start-up size, and at 1920 x 1080 (1900 x 755)
// as the window zooms it there: half as many logical pixels, two device
// pixels each.
const ViewSize kSizes[] = {{{620, 212}, 1.0}, {{950, 377}, 2.0}};

struct LongRun {
    const char* name;
    double x0, v0;
    float duration;
};

// The start-up problem run ten times as long (flat after its final stop at
// 19.4), and one that swings across most of its time axis.
const LongRun kRuns[] = {{"startup_to_200", 9.5, 6, 200}, {"sixty_half_swings", 120, 0, 250}};

RunRecord recordOf(const LongRun& row)
{
    ProblemParameters p;
    p.x0 = row.x0;
    p.v0 = row.v0;
    p.duration = row.duration;
    return RunRecord(p, characteristicsOf(p));
}

// A pixel of the trace: nearer its colour than the white it is drawn on (so
// covered at least half by the smoothed line) and than the black of the axes
// and texts.
std::vector<bool> tracePixels(const QImage& image, const QColor& trace)
{
    std::vector<bool> mask(static_cast<std::size_t>(image.width()) * static_cast<std::size_t>(image.height()));
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = line[x];
            const int toTrace = std::abs(qRed(c) - trace.red()) + std::abs(qGreen(c) - trace.green())
                                + std::abs(qBlue(c) - trace.blue());
            const int toWhite = (255 - qRed(c)) + (255 - qGreen(c)) + (255 - qBlue(c));
            const int toBlack = qRed(c) + qGreen(c) + qBlue(c);
            mask[static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width()) + x] =
                toTrace < toWhite && toTrace < toBlack;
        }
    }
    return mask;
}

// The pixels of `a` with no pixel of `b` at most one pixel away, across, up
// or diagonally.
int strays(const std::vector<bool>& a, const std::vector<bool>& b, QSize size)
{
    int count = 0;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            if (!a[static_cast<std::size_t>(y * size.width() + x)])
                continue;
            bool near = false;
            for (int dy = -1; dy <= 1 && !near; ++dy)
                for (int dx = -1; dx <= 1 && !near; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    near = nx >= 0 && ny >= 0 && nx < size.width() && ny < size.height()
                           && b[static_cast<std::size_t>(ny * size.width() + nx)];
                }
            count += !near;
        }
    }
    return count;
}

// Both ways: every trace pixel of one image within a pixel of one of the other.
void expectWithinOnePixel(const QImage& one, const QImage& other, const QColor& trace)
{
    ASSERT_EQ(one.size(), other.size());
    const std::vector<bool> a = tracePixels(one, trace);
    const std::vector<bool> b = tracePixels(other, trace);
    const auto count = std::count(a.begin(), a.end(), true);
    EXPECT_GT(count, one.width() / 2);
    EXPECT_EQ(strays(a, b, one.size()), 0) << "of " << count;
    EXPECT_EQ(strays(b, a, one.size()), 0);
}

// A blank canvas with the graph's scale, for the trace alone.
std::unique_ptr<ImageCanvas> blankGraph(std::size_t graph, const RunRecord& run, ViewSize size)
{
    auto canvas = std::make_unique<ImageCanvas>(size.logical, size.ratio);
    setGraphScale(*canvas, viewGraphs()[graph], computePlotRanges(run.parameters(), run.characteristics()));
    canvas->setLineWidth(kTraceWidth);
    canvas->setSmoothLines(true);
    return canvas;
}

ViewScene sceneAt(std::size_t graph, const std::shared_ptr<const RunRecord>& run, std::size_t shown)
{
    ViewScene scene;
    scene.view = graph + 1;
    scene.style = graphStyle(viewGraphs()[graph]);
    scene.ranges = computePlotRanges(run->parameters(), run->characteristics());
    scene.texts = test::windowTexts();
    scene.x0 = run->parameters().x0;
    scene.run = ViewScene::Run{run, shown};
    return scene;
}

}  // namespace

TEST(TracePoints, AtMostAsManyAsTheColumnsAreEverySample)
{
    const RunRecord run = recordOf(kRuns[0]);
    const auto canvas = blankGraph(0, run, kSizes[0]);
    const std::vector<QPointF> points = tracePoints(*canvas, viewGraphs()[0].traces[0], run, 100, 720);
    ASSERT_EQ(points.size(), 620u);
    for (std::size_t i = 0; i < points.size(); ++i) {
        EXPECT_EQ(points[i].x(), static_cast<double>(run.sample(101 + i).t));
        EXPECT_EQ(points[i].y(), run.sample(101 + i).x);
    }
}

// Beyond the columns, a graph against time keeps at most four points per
// device-pixel column, one for a level stretch, and ends on the last sample;
// the phase portrait keeps no two points in one device pixel.
TEST(TracePoints, ALongTraceKeepsPointsByThePixels)
{
    for (const LongRun& row : kRuns) {
        const RunRecord run = recordOf(row);
        ASSERT_GT(run.sampleCount(), 7900u) << row.name;
        for (const ViewSize& size : kSizes) {
            for (std::size_t g = 0; g < viewGraphs().size(); ++g) {
                SCOPED_TRACE(std::string(row.name) + " " + kGraphNames[g] + " at " + std::to_string(size.ratio));
                const auto canvas = blankGraph(g, run, size);
                const TraceDescription& trace = viewGraphs()[g].traces[0];
                const std::vector<QPointF> points = tracePoints(*canvas, trace, run, 0, run.sampleCount());
                ASSERT_FALSE(points.empty());
                const MotionSample& last = run.sample(run.sampleCount());
                EXPECT_EQ(points.back(), QPointF(acrossValue(trace, last), upValue(trace, last)));
                const double columns = size.logical.width() * size.ratio;
                if (acrossTime(viewGraphs()[g])) {
                    EXPECT_LE(static_cast<double>(points.size()), 4 * columns + 4);
                }
                if (acrossTime(viewGraphs()[g]) && row.x0 < 10) {
                    // Flat after t = 19.4: a tenth of the axis keeps points.
                    EXPECT_LE(static_cast<double>(points.size()), 4 * columns / 9);
                }
                for (std::size_t i = 1; i + 1 < points.size() && !acrossTime(viewGraphs()[g]); ++i) {
                    const QPointF a = canvas->toPixel(points[i - 1].x(), points[i - 1].y()) * size.ratio;
                    const QPointF b = canvas->toPixel(points[i].x(), points[i].y()) * size.ratio;
                    ASSERT_FALSE(std::floor(a.x()) == std::floor(b.x()) && std::floor(a.y()) == std::floor(b.y()))
                        << i;
                }
            }
        }
    }
}

// The reduced trace covers the pixels the full one covers, to within one
// device pixel, both ways.
TEST(TracePoints, ReducedTraceLiesWithinOnePixelOfTheFullOne)
{
    for (const LongRun& row : kRuns) {
        const RunRecord run = recordOf(row);
        for (const ViewSize& size : kSizes) {
            for (std::size_t g = 0; g < viewGraphs().size(); ++g) {
                SCOPED_TRACE(std::string(row.name) + " " + kGraphNames[g] + " at " + std::to_string(size.ratio));
                const auto full = blankGraph(g, run, size);
                const auto reduced = blankGraph(g, run, size);
                for (std::size_t k = 1; k <= run.sampleCount(); ++k)
                    drawTraces(*full, viewGraphs()[g], run, k - 1, k);
                drawTraces(*reduced, viewGraphs()[g], run, 0, run.sampleCount());
                expectWithinOnePixel(full->image(), reduced->image(), viewGraphs()[g].traces[0].color);
            }
        }
    }
}

// A graph drawn at a moment and then extended is the graph drawn at the later
// moment: pixel for pixel where both draw segment by segment (the start-up
// run at the zoomed size has fewer samples than columns), to within a pixel
// where the stretches are reduced.
TEST(TracePoints, AMomentExtendedIsTheLaterMoment)
{
    ProblemParameters startup;
    const auto shortRun = std::make_shared<const RunRecord>(startup, characteristicsOf(startup));
    const auto longRun = std::make_shared<const RunRecord>(recordOf(kRuns[1]));
    const struct {
        std::shared_ptr<const RunRecord> run;
        ViewSize size;
        std::size_t early, late;
        bool exact;
    } cases[] = {{shortRun, kSizes[1], 300, 796, true},
                 {shortRun, kSizes[1], 0, 796, true},
                 {longRun, kSizes[0], 3000, longRun->sampleCount(), false},
                 {longRun, kSizes[1], 5000, 9000, false}};
    for (const auto& c : cases) {
        for (std::size_t g = 0; g < viewGraphs().size(); ++g) {
            SCOPED_TRACE(std::string(kGraphNames[g]) + " from " + std::to_string(c.early) + " to "
                         + std::to_string(c.late));
            const ViewScene early = sceneAt(g, c.run, c.early);
            ImageCanvas extended;
            extended.setFont(early.style.font);
            extended.setSize(c.size.logical, c.size.ratio);
            drawScene(extended, early);
            drawTraces(extended, viewGraphs()[g], *c.run, c.early, c.late);
            const QImage late = renderScene(sceneAt(g, c.run, c.late), c.size.logical, c.size.ratio);
            QImage drawn = extended.image().copy();
            drawn.setDevicePixelRatio(late.devicePixelRatio());
            if (c.exact)
                EXPECT_TRUE(drawn == late);
            else
                expectWithinOnePixel(drawn, late, viewGraphs()[g].traces[0].color);
        }
    }
}
