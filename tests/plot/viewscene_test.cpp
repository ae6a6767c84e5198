// Drawing a view afresh: one view alone at a moment of a run, at twice the
// resolution, and with a painter on a vector device.

#include "liverun.h"
#include "windowtexts.h"

#include "plot/frames.h"
#include "plot/graphdescription.h"
#include "plot/imagecanvas.h"
#include "plot/offscreenviews.h"
#include "plot/paintercanvas.h"
#include "plot/plotcolors.h"
#include "plot/rundrawing.h"
#include "plot/viewscene.h"
#include "plot/viewstyle.h"

#include "model/characteristics.h"
#include "model/motion.h"
#include "model/plotranges.h"
#include "model/runrecord.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

using namespace dryfriction;

namespace {

constexpr QSize kViewSize(620, 260);

struct ReplayCase {
    const char* name;
    double x0;
    double v0;
    std::size_t samples;
};

// Names the case in test names and failures, instead of its raw bytes.
void PrintTo(const ReplayCase& c, std::ostream* os)
{
    *os << c.name;
}

std::string caseName(const testing::TestParamInfo<ReplayCase>& info)
{
    return info.param.name;
}

// The window's way: frames, the start of the run, then one sample after another.
void drawLive(OffscreenViews& views, const RunRecord& run, const PlotRanges& r, std::size_t samples)
{
    const ViewTexts texts = test::windowTexts();
    drawFrames(views.strip(), views.graphs(), r, run.parameters().x0, texts);
    drawRunAt(views.graphs(), r, texts, run, 0);
    test::drawSampleBySample(views.graphs(), run, 0, samples);
}

ViewScene sceneOf(std::size_t view, const std::shared_ptr<const RunRecord>& run, const PlotRanges& r,
                  std::size_t samples)
{
    ViewScene scene;
    scene.view = view;
    scene.style = view == 0 ? stripStyle() : graphStyle(viewGraphs()[view - 1]);
    scene.ranges = r;
    scene.texts = test::windowTexts();
    scene.x0 = run->parameters().x0;
    scene.run = ViewScene::Run{run, samples};
    return scene;
}

// The red pixels of an image, as points.
std::vector<QPoint> redPixels(const QImage& image)
{
    std::vector<QPoint> out;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 60 && c.blue() < 60)
                out.emplace_back(x, y);
        }
    return out;
}

class ReplayTest : public testing::TestWithParam<ReplayCase> {};

// One graph drawn alone at a moment of a run is, pixel for pixel, the graph
// drawn among all the others sample by sample up to that moment, as long as
// its samples are no more than the view's columns.
TEST_P(ReplayTest, OneViewAtAMomentIsTheViewDrawnSampleBySample)
{
    const ReplayCase& rc = GetParam();
    ProblemParameters p;
    p.x0 = rc.x0;
    p.v0 = rc.v0;
    const MotionCharacteristics c = characteristicsOf(p);
    const PlotRanges r = computePlotRanges(p, c);
    const auto run = std::make_shared<const RunRecord>(p, c);
    ASSERT_LE(rc.samples, static_cast<std::size_t>(kViewSize.width()));

    OffscreenViews live(kViewSize);
    drawLive(live, *run, r, rc.samples);
    for (std::size_t i = 0; i < live.graphCount(); ++i) {
        const QImage alone = renderScene(sceneOf(i + 1, run, r, rc.samples), kViewSize, 1.0);
        EXPECT_TRUE(alone == live.graph(i).image()) << "graph " << i;
    }
    ViewScene strip = sceneOf(0, run, r, rc.samples);
    strip.run.reset();
    EXPECT_TRUE(renderScene(strip, kViewSize, 1.0) == live.strip().image());
}

INSTANTIATE_TEST_SUITE_P(Runs, ReplayTest,
                         testing::Values(ReplayCase{"before_the_first_sample", 9.5, 6, 0},
                                         ReplayCase{"one_sample", 9.5, 6, 1},
                                         ReplayCase{"startup_part_way", 9.5, 6, 300},
                                         ReplayCase{"startup_as_many_as_columns", 9.5, 6, 620},
                                         ReplayCase{"leftward_start", -4, -3, 500},
                                         ReplayCase{"one_half_swing", 1.5, 0, 600}),
                         caseName);

// A run used to draw the graphs' frames a second time over the fresh ones
// before its preamble; the canvases draw a frame drawn twice as one drawn
// once, texts, veils and all, so the run now leaves that pass out. At the
// start-up size and zoomed as at 1920 x 1080, for a short and a long run.
TEST(ViewScene, AFrameDrawnTwiceIsTheFrameDrawnOnce)
{
    const struct {
        QSize size;
        qreal ratio;
        double x0;
        float duration;
    } cases[] = {{{620, 212}, 1.0, 9.5, 20}, {{950, 377}, 2.0, 9.5, 10000}, {{620, 212}, 1.0, 120, 250}};
    for (const auto& c : cases) {
        ProblemParameters p;
        p.x0 = c.x0;
        p.duration = c.duration;
        const MotionCharacteristics chars = characteristicsOf(p);
        const PlotRanges r = computePlotRanges(p, chars);
        const RunRecord run(p, chars);
        const ViewTexts texts = test::windowTexts();
        OffscreenViews once(c.size, c.ratio);
        OffscreenViews twice(c.size, c.ratio);
        drawFrames(once.strip(), once.graphs(), r, p.x0, texts);
        drawFrames(twice.strip(), twice.graphs(), r, p.x0, texts);
        drawGraphFrames(twice.graphs(), r, texts);
        drawRunAt(once.graphs(), r, texts, run, run.sampleCount());
        drawRunAt(twice.graphs(), r, texts, run, run.sampleCount());
        for (std::size_t i = 0; i < once.graphCount(); ++i)
            EXPECT_TRUE(once.graph(i).image() == twice.graph(i).image()) << "graph " << i << " at x0 " << c.x0;
    }
}

// At twice the resolution the trace lies where it lies on the screen, twice
// as far from the corner: every red pixel of the view has red at its double
// within the pen's reach, and every red pixel of the double comes from one
// of the view's.
TEST(ViewScene, TwiceTheResolutionShowsTheSameRedTrace)
{
    ProblemParameters p;
    const MotionCharacteristics c = characteristicsOf(p);
    const PlotRanges r = computePlotRanges(p, c);
    const ViewScene scene = sceneOf(1, std::make_shared<const RunRecord>(p, c), r, 400);

    const QImage screen = renderScene(scene, kViewSize, 1.0);
    const QImage twice = renderScene(scene, kViewSize, 2.0);
    ASSERT_EQ(twice.size(), kViewSize * 2);
    EXPECT_EQ(twice.devicePixelRatio(), 2.0);

    const std::vector<QPoint> small = redPixels(screen);
    const std::vector<QPoint> large = redPixels(twice);
    // The texts' boxes, measured at each resolution, may cut the trace a
    // pixel apart.
    ImageCanvas drawn;
    drawn.setFont(scene.style.font);
    drawn.setSize(kViewSize);
    drawScene(drawn, scene);
    const std::vector<QRectF> texts = drawn.textBoxes();
    const auto atTextEdge = [&](QPoint q) {
        return std::any_of(texts.begin(), texts.end(),
                           [&](const QRectF& box) { return box.adjusted(-3, -3, 3, 3).contains(QPointF(q)); });
    };
    ASSERT_GT(small.size(), 1000u);
    const auto near = [](const std::vector<QPoint>& set, QPoint q, int reach) {
        return std::any_of(set.begin(), set.end(), [&](QPoint s) {
            return std::abs(s.x() - q.x()) <= reach && std::abs(s.y() - q.y()) <= reach;
        });
    };
    int missing = 0;
    for (std::size_t k = 0; k < small.size(); k += 7)
        // An antialiased edge pixel at 1x lies half a pen's width out, whose
        // double may fall on the blended rim of the wider pen: one more pixel of reach.
        missing += near(large, small[k] * 2, 4) ? 0 : 1;
    EXPECT_EQ(missing, 0) << "of " << small.size() / 7;
    int stray = 0;
    for (std::size_t k = 0; k < large.size(); k += 13)
        stray += near(small, large[k] / 2, 3) || atTextEdge(large[k] / 2) ? 0 : 1;
    EXPECT_EQ(stray, 0) << "of " << large.size() / 13;
}

// A painter on an image of the view's size draws what the image canvas
// draws (the veils under the texts, laid by other means, to a level or two
// of rounding); the vector files are made by the same calls.
TEST(ViewScene, PainterCanvasDrawsWhatTheImageCanvasDraws)
{
    ProblemParameters p;
    const MotionCharacteristics c = characteristicsOf(p);
    const PlotRanges r = computePlotRanges(p, c);
    const auto run = std::make_shared<const RunRecord>(p, c);
    for (std::size_t view = 0; view <= viewGraphs().size(); ++view) {
        ViewScene scene = sceneOf(view, run, r, 500);
        if (view == 0)
            scene.run.reset();
        const QImage expected = renderScene(scene, kViewSize, 1.0);

        QImage painted(kViewSize, QImage::Format_RGB32);
        painted.setDotsPerMeterX(expected.dotsPerMeterX());
        painted.setDotsPerMeterY(expected.dotsPerMeterY());
        {
            QPainter painter(&painted);
            paintScene(painter, scene, kViewSize);
        }
        qsizetype differing = 0;
        for (int y = 0; y < painted.height(); ++y)
            for (int x = 0; x < painted.width(); ++x)
            {
                const QRgb u = painted.pixel(x, y), v = expected.pixel(x, y);
                differing += std::abs(qRed(u) - qRed(v)) > 2 || std::abs(qGreen(u) - qGreen(v)) > 2
                        || std::abs(qBlue(u) - qBlue(v)) > 2
                    ? 1
                    : 0;
            }
        EXPECT_LE(differing, kViewSize.width() * kViewSize.height() / 1000) << "view " << view;
    }
}

}  // namespace
