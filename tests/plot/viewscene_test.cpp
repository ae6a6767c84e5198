// Drawing a view afresh: the replay of a run, one view alone, at twice the
// resolution, and with a painter on a vector device.

#include "windowtexts.h"

#include "plot/frames.h"
#include "plot/graphdescription.h"
#include "plot/imagecanvas.h"
#include "plot/offscreenviews.h"
#include "plot/paintercanvas.h"
#include "plot/plotcolors.h"
#include "plot/rundrawing.h"
#include "plot/runreplay.h"
#include "plot/viewscene.h"
#include "plot/viewstyle.h"

#include "model/characteristics.h"
#include "model/motion.h"
#include "model/plotranges.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <algorithm>
#include <cstdlib>
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

// The window's way: frames, preamble, then one sample after another.
void drawLive(OffscreenViews& views, const ProblemParameters& p, const MotionCharacteristics& c,
              const PlotRanges& r, std::size_t samples)
{
    const ViewTexts texts = test::windowTexts();
    drawFrames(views.strip(), views.graphs(), r, p.x0, texts);
    for (std::size_t i = 0; i < views.graphCount(); ++i)
        drawRunPreamble(views.graph(i), timeGraphs()[i], r, p, c, texts.legendStops, texts.legendExtremes);
    MotionRun run(p, c);
    for (std::size_t n = 0; n < samples && run.next(); ++n)
        drawSample(views.graphs(), run.sample());
}

ViewScene sceneOf(std::size_t view, const ProblemParameters& p, const MotionCharacteristics& c,
                  const PlotRanges& r, std::size_t samples)
{
    ViewScene scene;
    scene.view = view;
    scene.style = view == 0 ? stripStyle() : graphStyle(timeGraphs()[view - 1]);
    scene.ranges = r;
    scene.texts = test::windowTexts();
    scene.x0 = p.x0;
    scene.run = ViewScene::Run{p, c, samples};
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

// The replay draws every graph exactly as the samples drawn one by one did,
// and the trace ends at the last sample it drew.
TEST_P(ReplayTest, MatchesTheLiveRunPixelForPixel)
{
    const ReplayCase& rc = GetParam();
    ProblemParameters p;
    p.x0 = rc.x0;
    p.v0 = rc.v0;
    const MotionCharacteristics c = characteristicsOf(p);
    const PlotRanges r = computePlotRanges(p, c);

    OffscreenViews live(kViewSize);
    drawLive(live, p, c, r, rc.samples);

    OffscreenViews replayed(kViewSize);
    drawFrames(replayed.strip(), replayed.graphs(), r, p.x0, test::windowTexts());
    const MotionSample last = replayRun(replayed.graphs(), r, p, c, test::windowTexts(), rc.samples);

    for (std::size_t i = 0; i < live.graphCount(); ++i)
        EXPECT_TRUE(live.graph(i).image() == replayed.graph(i).image()) << "graph " << i;

    MotionRun run(p, c);
    MotionSample expected = initialSample(p);
    for (std::size_t n = 0; n < rc.samples && run.next(); ++n)
        expected = run.sample();
    EXPECT_EQ(last.t, expected.t);
    EXPECT_EQ(last.x, expected.x);
    EXPECT_EQ(last.path, expected.path);
    EXPECT_EQ(replayed.graph(0).currentX(), static_cast<double>(expected.t));
}

// One graph drawn alone is the graph drawn among all the others.
TEST_P(ReplayTest, OneViewAloneIsTheViewAmongAll)
{
    const ReplayCase& rc = GetParam();
    ProblemParameters p;
    p.x0 = rc.x0;
    p.v0 = rc.v0;
    const MotionCharacteristics c = characteristicsOf(p);
    const PlotRanges r = computePlotRanges(p, c);

    OffscreenViews live(kViewSize);
    drawLive(live, p, c, r, rc.samples);
    for (std::size_t i = 0; i < live.graphCount(); ++i) {
        const QImage alone = renderScene(sceneOf(i + 1, p, c, r, rc.samples), kViewSize, 1.0);
        EXPECT_TRUE(alone == live.graph(i).image()) << "graph " << i;
    }
    ViewScene strip = sceneOf(0, p, c, r, rc.samples);
    strip.run.reset();
    EXPECT_TRUE(renderScene(strip, kViewSize, 1.0) == live.strip().image());
}

INSTANTIATE_TEST_SUITE_P(Runs, ReplayTest,
                         testing::Values(ReplayCase{"before_the_first_sample", 9.5, 6, 0},
                                         ReplayCase{"one_sample", 9.5, 6, 1},
                                         ReplayCase{"startup_part_way", 9.5, 6, 300},
                                         ReplayCase{"startup_whole_run", 9.5, 6, 100000},
                                         ReplayCase{"leftward_start", -4, -3, 500},
                                         ReplayCase{"one_half_swing", 1.5, 0, 796}),
                         caseName);

// At twice the resolution the trace lies where it lies on the screen, twice
// as far from the corner: every red pixel of the view has red at its double
// within the pen's reach, and every red pixel of the double comes from one
// of the view's.
TEST(ViewScene, TwiceTheResolutionShowsTheSameRedTrace)
{
    ProblemParameters p;
    const MotionCharacteristics c = characteristicsOf(p);
    const PlotRanges r = computePlotRanges(p, c);
    const ViewScene scene = sceneOf(1, p, c, r, 400);

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
    for (std::size_t view = 0; view <= timeGraphs().size(); ++view) {
        ViewScene scene = sceneOf(view, p, c, r, 500);
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
