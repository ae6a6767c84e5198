#include "model/characteristics.h"
#include "model/motion.h"

#include <gtest/gtest.h>

#include <cmath>

namespace dryfriction {
namespace {

ProblemParameters params(double x0, double v0, float duration = 20)
{
    ProblemParameters p;
    p.x0 = x0;
    p.v0 = v0;
    p.duration = duration;
    return p;
}

TEST(MotionRun, StartupRunHas796SamplesAnd25AtRest)
{
    const ProblemParameters p = kStartupParameters;
    const MotionCharacteristics c = characteristicsOf(p);
    MotionRun run(p, c);
    EXPECT_EQ(run.sample().x, 9.5);
    EXPECT_EQ(run.sample().energyRatio, 1);
    EXPECT_EQ(run.sample().path, 0);

    int atRest = 0;
    float previousT = 0;
    double previousPath = 0, previousW = 1;
    while (run.next()) {
        const MotionSample& s = run.sample();
        // Samples lie 2*dt apart on the single-precision clock.
        float expected = previousT + c.timeStep;
        EXPECT_EQ(s.t, expected);
        previousT = expected + c.timeStep;
        if (s.t > c.finalStop) {
            ++atRest;
            EXPECT_EQ(s.vx, 0);
        } else {
            EXPECT_GE(s.path, previousPath - 1e-12);
            EXPECT_LE(s.energyRatio, previousW + 1e-12);
        }
        previousPath = s.path;
        previousW = s.energyRatio;
    }
    EXPECT_TRUE(run.finished());
    EXPECT_EQ(run.sampleCount(), 796);
    EXPECT_EQ(atRest, 25);
    EXPECT_FLOAT_EQ(run.sample().t, 19.993032f);
    // The figures the window and the companion print, to the last digit.
    EXPECT_EQ(run.result().finalX, -0.9066141061647686);
    EXPECT_EQ(run.result().finalPath, 62.71402543125153);
    EXPECT_FALSE(run.next());
    EXPECT_EQ(run.sampleCount(), 796);
}

TEST(MotionRun, FinalRestInsideZoneAtStartup)
{
    const ProblemParameters p = kStartupParameters;
    const MotionCharacteristics c = characteristicsOf(p);
    // The exact rest position is the end of the last half-swing.
    const MotionState rest = motionAt(c.finalStop, p, c);
    EXPECT_NEAR(rest.x, -0.9066134, 5e-8);
    // sin(n*3.1415926535) is not 0: the decimal pi is 9e-11 short.
    EXPECT_NEAR(rest.vx, 0, 1e-8);
}

TEST(MotionRun, PathNeverDecreasesAndEnergyNeverGrows)
{
    for (const auto& p : {params(9.5, 6, 60), params(2, -3, 30), params(40, 0, 100),
                          params(0.2, 25, 200)}) {
        const MotionCharacteristics c = characteristicsOf(p);
        MotionRun run(p, c);
        double path = 0, w = 1;
        while (run.next()) {
            EXPECT_GE(run.sample().path, path - 1e-9) << p.x0 << " " << p.v0;
            EXPECT_LE(run.sample().energyRatio, w + 1e-9) << p.x0 << " " << p.v0;
            path = run.sample().path;
            w = run.sample().energyRatio;
        }
        EXPECT_GT(path, 0);
    }
}

TEST(MotionRun, FinalStopBeforeFirstSampleRestsAtStart)
{
    // x0 = 0.5, v0 = 0.01: the first stop, arctan(0.01/1.5), comes before the
    // first sample, and Ao < 2 makes it the final one.
    const ProblemParameters p = params(0.5, 0.01, 1);
    const MotionCharacteristics c = characteristicsOf(p);
    ASSERT_LT(c.finalStop, c.timeStep);
    MotionRun run(p, c);
    int count = 0;
    while (run.next()) {
        ++count;
        EXPECT_EQ(run.sample().x, p.x0);
        EXPECT_EQ(run.sample().vx, 0);
    }
    EXPECT_GT(count, 1);
}

TEST(MotionRun, TimeBelowStepGivesOneSampleBeyondIt)
{
    const ProblemParameters p = params(9.5, 6, 0.001f);
    const MotionCharacteristics c = characteristicsOf(p);
    MotionRun run(p, c);
    ASSERT_TRUE(run.next());
    EXPECT_EQ(run.sample().t, c.timeStep);
    EXPECT_FALSE(run.next());
    EXPECT_EQ(run.sampleCount(), 1);
}

TEST(MotionRun, RunEndingBeforeFinalStopHasNoRestingSample)
{
    const ProblemParameters p = params(9.5, 6, 10);
    const MotionCharacteristics c = characteristicsOf(p);
    MotionRun run(p, c);
    while (run.next())
        EXPECT_LT(run.sample().t, c.finalStop);
    EXPECT_EQ(run.sampleCount(), 398);
}

TEST(MotionRun, LongestAcceptedRunEnds)
{
    // 10000 is the largest calculation time the input accepts. Near it the
    // single-precision clock adds dt rounded to 1/1024, a little more than
    // dt, so the run has slightly fewer than the ideal 397887 samples.
    const ProblemParameters p = params(9.5, 6, 10000);
    MotionRun run(p, characteristicsOf(p));
    while (run.next()) {
    }
    EXPECT_GT(run.sampleCount(), 390000);
    EXPECT_LT(run.sampleCount(), 397888);
    EXPECT_GT(run.sample().t, 10000 - 0.03f);
    EXPECT_LT(run.sample().t, 10000 + 0.015f);
}

TEST(MotionAt, FollowsTheClosedForm)
{
    // v0 = 0 with x0 > 1: x = (x0 - 1) cos t + 1 until the next stop.
    {
        const MotionCharacteristics c = characteristicsOf(params(3, 0));
        for (double t : {0.1, 1.0, 2.0, 3.0}) {
            const MotionState s = motionAt(t, 0, c.firstAmplitude, c.firstStop);
            EXPECT_NEAR(s.x, 2 * std::cos(t) + 1, 1e-12) << t;
            EXPECT_NEAR(s.vx, -2 * std::sin(t), 1e-12) << t;
        }
    }
    // v0 < 0: the first stop lies at -(Ao - 1).
    {
        const MotionCharacteristics c = characteristicsOf(params(2, -3));
        const MotionState s = motionAt(c.firstStop, -3, c.firstAmplitude, c.firstStop);
        EXPECT_NEAR(s.x, -(c.firstAmplitude - 1), 1e-12);
        EXPECT_NEAR(s.vx, 0, 1e-12);
    }
}

TEST(MotionAt, ExactlyAtAStopTime)
{
    const MotionCharacteristics c = characteristicsOf(kStartupParameters);
    // At stop k >= 1 the next half-swing begins; x is continuous, Vx = 0 and
    // the load turns at (-1)^k (Ao - 2k - 1).
    for (int k = 1; k <= 6; ++k) {
        const double t = stopTime(c, k);
        const MotionState at = motionAt(t, 6, c.firstAmplitude, c.firstStop);
        const MotionState before = motionAt(std::nextafter(t, 0.0), 6, c.firstAmplitude, c.firstStop);
        const double sign = k % 2 == 0 ? 1 : -1;
        EXPECT_NEAR(at.x, sign * (c.firstAmplitude - 2 * k - 1), 1e-9) << k;
        EXPECT_NEAR(at.vx, 0, 1e-8) << k;  // the decimal pi is 9e-11 short
        EXPECT_NEAR(before.x, at.x, 1e-9) << k;
    }
    const MotionState first = motionAt(c.firstStop, 6, c.firstAmplitude, c.firstStop);
    EXPECT_NEAR(first.x, c.firstAmplitude - 1, 1e-12);
}

// The markers of a run: the velocity is 0 at every stop time and extreme, of
// magnitude Ao - 2k, half-way between stop k - 1 and stop k, where the load
// passes the centre of its half-swing.
TEST(Markers, StopAndExtremeVelocityTimesAreWhereTheMotionSaysSo)
{
    for (const auto& p : {kStartupParameters, params(2, -3, 20), params(9.5, 0, 20)}) {
        const MotionCharacteristics c = characteristicsOf(p);
        for (int k = 0; k <= halfSwingCount(c); ++k)
            EXPECT_NEAR(motionAt(stopTime(c, k), p, c).vx, 0, 1e-8) << k;
        for (int k = 1; k <= halfSwingCount(c); ++k) {
            const double t = extremeVelocityTime(c, k);
            EXPECT_GT(t, stopTime(c, k - 1));
            EXPECT_LT(t, stopTime(c, k));
            const MotionState s = motionAt(t, p, c);
            EXPECT_NEAR(std::abs(s.vx), c.firstAmplitude - 2 * k, 1e-8) << k;
            EXPECT_NEAR(std::abs(s.x), 1, 1e-8) << k;
            EXPECT_LT(std::abs(motionAt(t - 0.01, p, c).vx), std::abs(s.vx)) << k;
            EXPECT_LT(std::abs(motionAt(t + 0.01, p, c).vx), std::abs(s.vx)) << k;
        }
    }
    // Before the first stop: at the start-up values it lies before t = 0.
    EXPECT_LT(extremeVelocityTime(characteristicsOf(kStartupParameters), 0), 0);
}

// The envelope's upper line touches every turning point before the final
// stop, |x| = Ao - 2k - 1 at stop k, and reaches 0 at its end; the lower one
// mirrors it.
TEST(Markers, EnvelopeTouchesTheTurningPoints)
{
    const ProblemParameters p = kStartupParameters;
    const MotionCharacteristics c = characteristicsOf(p);
    const Envelope e = envelope(c);
    ASSERT_TRUE(e.shown);
    EXPECT_EQ(e.lowerStart, -e.upperStart);
    const double slope = -e.upperStart / e.endTime;
    for (int k = 0; k < halfSwingCount(c); ++k) {
        const double t = stopTime(c, k);
        EXPECT_NEAR(e.upperStart + slope * t, std::abs(motionAt(t, p, c).x), 1e-9) << k;
    }

    EXPECT_FALSE(envelope(characteristicsOf(params(3, 0))).shown);   // one half-swing
    EXPECT_FALSE(envelope(characteristicsOf(params(5, 0))).shown);   // Ao = 6: two
    EXPECT_TRUE(envelope(characteristicsOf(params(5.5, 0))).shown);  // Ao = 6.5: three
}

}  // namespace
}  // namespace dryfriction
