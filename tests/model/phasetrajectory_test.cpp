// The exact state at any phase, and the trajectory point nearest to a point
// of the phase plane.

#include "model/analytic.h"
#include "model/characteristics.h"
#include "model/motion.h"
#include "model/phasetrajectory.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace dryfriction;

namespace {

struct Problem {
    const char* name;
    double x0, v0;
};

const Problem kProblems[] = {
    {"defaults", 9.5, 6},           {"one half-swing", 1.5, 0},  {"leftward start", 2, -3},
    {"far out at rest", 20, 0},     {"inside the zone", 0.5, 0.5}, {"from the wall's side", 0, -8},
};

ProblemParameters params(const Problem& row)
{
    ProblemParameters p;
    p.x0 = row.x0;
    p.v0 = row.v0;
    return p;
}

double distanceTo(const MotionSample& s, double x, double v)
{
    return std::hypot(s.x - x, s.vx - v);
}

// The exact state agrees with every sample of a run up to the final stop, and
// after it the load rests where the closed-form end result puts it.
TEST(ExactSample, AgreesWithTheRunAndRestsAtTheAnalyticEnd)
{
    for (const Problem& row : kProblems) {
        SCOPED_TRACE(row.name);
        ProblemParameters p = params(row);
        const MotionCharacteristics c = characteristicsOf(p);
        p.duration = static_cast<float>(c.finalStop + 2);
        MotionRun run(p, c);
        int compared = 0;
        while (run.next()) {
            const MotionSample& s = run.sample();
            if (s.t > c.finalStop)
                continue;
            const MotionSample e = exactSampleAt(s.t, p, c);
            EXPECT_NEAR(e.x, s.x, 1e-9);
            EXPECT_NEAR(e.vx, s.vx, 1e-9);
            EXPECT_NEAR(e.energyRatio, s.energyRatio, 1e-9);
            EXPECT_NEAR(e.path, s.path, 1e-9);
            ++compared;
        }
        EXPECT_GT(compared, 0);

        for (const double after : {0.0, 0.5, 100.0}) {
            const MotionSample rest = exactSampleAt(c.finalStop + after, p, c);
            EXPECT_EQ(rest.vx, 0);
            EXPECT_NEAR(std::abs(rest.x), analyticFinalDistance(c.firstAmplitude), 1e-6);
            EXPECT_LE(std::abs(rest.x), 1.0);
            EXPECT_NEAR(rest.path, analyticFinalPath(static_cast<float>(std::abs(rest.x)), c.initialEnergy), 1e-4);
        }
    }
}

// The point found is as near as the nearest of a dense scan of the drawn part
// of the trajectory, and never later than that part's end.
TEST(NearestPhaseTime, AsNearAsADenseScan)
{
    const double points[][2] = {{0, 0}, {3, 4}, {-5, -1}, {11, 0.5}, {1, 0}, {-1, 0}, {0.2, -9}, {30, 30}};
    for (const Problem& row : kProblems) {
        SCOPED_TRACE(row.name);
        const ProblemParameters p = params(row);
        const MotionCharacteristics c = characteristicsOf(p);
        for (const double until : {0.0, 0.3, c.firstStop + 1, c.finalStop * 0.6, c.finalStop + 5}) {
            for (const auto& [x, v] : points) {
                const double t = nearestPhaseTime(x, v, until, p, c);
                EXPECT_GE(t, 0);
                EXPECT_LE(t, std::max(until, 0.0) + 1e-12);
                double scanned = distanceTo(exactSampleAt(0, p, c), x, v);
                constexpr int kSteps = 20000;
                for (int i = 1; i <= kSteps; ++i)
                    scanned = std::min(scanned, distanceTo(exactSampleAt(until * i / kSteps, p, c), x, v));
                EXPECT_LE(distanceTo(exactSampleAt(t, p, c), x, v), scanned + 1e-9)
                    << "point " << x << ", " << v << " until " << until;
            }
        }
    }
}

// A point of the trajectory is found at itself.
TEST(NearestPhaseTime, PointOnTheTrajectoryFindsItself)
{
    for (const Problem& row : kProblems) {
        SCOPED_TRACE(row.name);
        const ProblemParameters p = params(row);
        const MotionCharacteristics c = characteristicsOf(p);
        for (const double f : {0.0, 0.1, 0.37, 0.5, 0.81, 1.0}) {
            const MotionSample on = exactSampleAt(f * c.finalStop, p, c);
            const double t = nearestPhaseTime(on.x, on.vx, c.finalStop, p, c);
            EXPECT_LT(distanceTo(exactSampleAt(t, p, c), on.x, on.vx), 1e-7) << f;
        }
    }
}

}  // namespace
