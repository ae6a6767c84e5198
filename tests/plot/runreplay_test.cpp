// Replaying a run: drawn at once, the graphs show exactly what the run drew
// sample by sample, and the load stands where the run left it.

#include "windowtexts.h"

#include "plot/animationstrip.h"
#include "plot/frames.h"
#include "plot/graphdescription.h"
#include "plot/loadanimation.h"
#include "plot/offscreenviews.h"
#include "plot/rundrawing.h"
#include "plot/runreplay.h"

#include "model/characteristics.h"
#include "model/motion.h"
#include "model/parameters.h"
#include "model/plotranges.h"

#include <gtest/gtest.h>

#include <vector>

using namespace dryfriction;

namespace {

struct Problem {
    ProblemParameters params;
    MotionCharacteristics chars;
    PlotRanges ranges;

    explicit Problem(const ProblemParameters& p) : params(p)
    {
        chars = characteristicsOf(p);
        ranges = computePlotRanges(p, chars);
    }

    std::vector<MotionSample> samples() const
    {
        std::vector<MotionSample> out;
        MotionRun run(params, chars);
        while (run.next())
            out.push_back(run.sample());
        return out;
    }
};

// The empty views of the problem, as a resize leaves them.
struct Views : OffscreenViews {
    SetupPlacement start;

    Views(const Problem& problem, QSize size) : OffscreenViews(size)
    {
        start = drawFrames(strip(), graphs(), problem.ranges, problem.params.x0, test::windowTexts());
    }
};

ProblemParameters withVelocity(double v0, double duration)
{
    ProblemParameters p = kStartupParameters;
    p.v0 = v0;
    p.duration = duration;
    return p;
}

TEST(RunReplay, DrawsPixelForPixelWhatTheRunDrewSampleBySample)
{
    struct Row {
        const char* name;
        ProblemParameters params;
        QSize size;
        std::size_t sampleCount;
    };
    const std::vector<Row> rows = {
        {"no sample yet", kStartupParameters, {620, 212}, 0},
        {"one sample", kStartupParameters, {620, 212}, 1},
        {"stopped early", kStartupParameters, {620, 212}, 300},
        {"whole run", kStartupParameters, {620, 212}, 796},
        {"whole run at full HD", kStartupParameters, {1900, 745}, 796},
        {"more than the run has", kStartupParameters, {620, 212}, 5000},
        {"pushed leftward", withVelocity(-6, 40), {1000, 400}, 1200},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Problem problem(row.params);
        const std::vector<MotionSample> samples = problem.samples();
        const std::size_t drawn = std::min(row.sampleCount, samples.size());

        // The run: preamble, then one segment per sample.
        Views live(problem, row.size);
        const std::vector<Canvas*> liveGraphs = live.graphs();
        for (std::size_t i = 0; i < liveGraphs.size(); ++i)
            drawRunPreamble(*liveGraphs[i], timeGraphs()[i], problem.ranges, problem.params, problem.chars,
                            test::windowTexts().legendStops, test::windowTexts().legendExtremes);
        for (std::size_t n = 0; n < drawn; ++n)
            drawSample(liveGraphs, samples[n]);

        Views replayed(problem, row.size);
        const MotionSample last = replayRun(replayed.graphs(), problem.ranges, problem.params, problem.chars,
                                            test::windowTexts(), row.sampleCount);

        const MotionSample expected = drawn == 0 ? initialSample(problem.params) : samples[drawn - 1];
        EXPECT_EQ(last.t, expected.t);
        EXPECT_EQ(last.x, expected.x);
        EXPECT_EQ(last.path, expected.path);
        for (std::size_t i = 0; i < live.graphCount(); ++i)
            EXPECT_TRUE(replayed.graph(i).image() == live.graph(i).image()) << "graph " << i;
        // Nothing of the run goes on the strip.
        EXPECT_TRUE(replayed.strip().image() == live.strip().image());
    }
}

// The load moves at the 6th, 11th, 16th ... sample: after n samples it stands
// at the last of those, or at the start before the 6th.
TEST(RunReplay, LoadStandsWhereTheRunLeftIt)
{
    const Problem problem(kStartupParameters);
    const std::vector<MotionSample> samples = problem.samples();
    ASSERT_EQ(samples.size(), 796U);
    const Views views(problem, {620, 212});

    const struct {
        std::size_t sampleCount;
        std::size_t lastMove;  // 1-based sample of the last move, 0 for none
    } rows[] = {{0, 0}, {5, 0}, {6, 6}, {10, 6}, {11, 11}, {300, 296}, {796, 796}, {5000, 796}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.sampleCount);
        const SetupPlacement at =
            placementAfter(views.start, problem.params, problem.chars, row.sampleCount);
        if (row.lastMove == 0) {
            EXPECT_EQ(at, views.start);
            continue;
        }
        const double x = samples[row.lastMove - 1].x;
        EXPECT_DOUBLE_EQ(at.loadLeft + at.loadWidth / 2, x);
        EXPECT_EQ(at.loadWidth, views.start.loadWidth);
        EXPECT_EQ(at.loadTop, views.start.loadTop);
        EXPECT_NEAR(at.springLeft + at.springWidth, at.loadLeft, 1e-12);
    }
}

}  // namespace
