// Replaying a run: the load stands where the run left it. (That the graphs
// show what the run drew is the replay test of viewscene_test.cpp.)

#include "windowtexts.h"

#include "plot/animationstrip.h"
#include "plot/frames.h"
#include "plot/loadanimation.h"
#include "plot/offscreenviews.h"
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
