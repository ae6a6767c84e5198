#include "characteristics.h"
#include "constants.h"
#include "motion.h"

#include <gtest/gtest.h>

#include <cmath>

namespace dryfriction {
namespace {

ProblemParameters params(double Xo, double Vo, float tCalc = 20)
{
    ProblemParameters p;
    p.Xo = Xo;
    p.Vo = Vo;
    p.tCalc = tCalc;
    return p;
}

TEST(MotionRun, StartupRunHas796SamplesAnd25AtRest)
{
    const ProblemParameters p = kStartupParameters;
    const MotionCharacteristics c = parametr(p);
    MotionRun run(p, c);
    EXPECT_EQ(run.sample().x, 9.5);
    EXPECT_EQ(run.sample().WWo, 1);
    EXPECT_EQ(run.sample().path, 0);

    int atRest = 0;
    float previousT = 0;
    double previousPath = 0, previousW = 1;
    while (run.next()) {
        const MotionSample& s = run.sample();
        // Samples lie 2*dt apart on the single-precision clock.
        float expected = previousT + c.dt;
        EXPECT_EQ(s.t, expected);
        previousT = expected + c.dt;
        if (s.t > c.t_m) {
            ++atRest;
            EXPECT_EQ(s.Vx, 0);
        } else {
            EXPECT_GE(s.path, previousPath - 1e-12);
            EXPECT_LE(s.WWo, previousW + 1e-12);
        }
        previousPath = s.path;
        previousW = s.WWo;
    }
    EXPECT_TRUE(run.finished());
    EXPECT_EQ(run.sampleCount(), 796);
    EXPECT_EQ(atRest, 25);
    EXPECT_FLOAT_EQ(run.sample().t, 19.993032f);
    EXPECT_NEAR(run.result().X_end, -0.9066141, 5e-8);
    EXPECT_NEAR(run.result().P_end, 62.714025, 5e-7);
    EXPECT_FALSE(run.next());
    EXPECT_EQ(run.sampleCount(), 796);
}

TEST(MotionRun, FinalRestInsideZoneAtStartup)
{
    const ProblemParameters p = kStartupParameters;
    const MotionCharacteristics c = parametr(p);
    // The exact rest position is the end of half-swing n_half.
    const MotionState rest = motionAt(c.t_m, p, c);
    EXPECT_NEAR(rest.x, -0.9066134, 5e-8);
    // sin(n*3.1415926535) is not 0: the decimal pi is 9e-11 short.
    EXPECT_NEAR(rest.Vx, 0, 1e-8);
}

TEST(MotionRun, PathNeverDecreasesAndEnergyNeverGrows)
{
    for (const auto& p : {params(9.5, 6, 60), params(2, -3, 30), params(40, 0, 100),
                          params(0.2, 25, 200)}) {
        const MotionCharacteristics c = parametr(p);
        MotionRun run(p, c);
        double path = 0, w = 1;
        while (run.next()) {
            EXPECT_GE(run.sample().path, path - 1e-9) << p.Xo << " " << p.Vo;
            EXPECT_LE(run.sample().WWo, w + 1e-9) << p.Xo << " " << p.Vo;
            path = run.sample().path;
            w = run.sample().WWo;
        }
        EXPECT_GT(path, 0);
    }
}

TEST(MotionRun, FinalStopBeforeFirstSampleRestsAtStart)
{
    // Xo = 0.5, Vo = 0.01: tau_0 = arctan(0.01/1.5) < dt and Ao < 2, so the
    // first stop is the final one.
    const ProblemParameters p = params(0.5, 0.01, 1);
    const MotionCharacteristics c = parametr(p);
    ASSERT_LT(c.t_m, c.dt);
    MotionRun run(p, c);
    int count = 0;
    while (run.next()) {
        ++count;
        EXPECT_EQ(run.sample().x, p.Xo);
        EXPECT_EQ(run.sample().Vx, 0);
    }
    EXPECT_GT(count, 1);
}

TEST(MotionRun, TimeBelowStepGivesOneSampleBeyondIt)
{
    const ProblemParameters p = params(9.5, 6, 0.001f);
    const MotionCharacteristics c = parametr(p);
    MotionRun run(p, c);
    ASSERT_TRUE(run.next());
    EXPECT_EQ(run.sample().t, c.dt);
    EXPECT_FALSE(run.next());
    EXPECT_EQ(run.sampleCount(), 1);
}

TEST(MotionRun, RunEndingBeforeFinalStopHasNoRestingSample)
{
    const ProblemParameters p = params(9.5, 6, 10);
    const MotionCharacteristics c = parametr(p);
    MotionRun run(p, c);
    while (run.next())
        EXPECT_LT(run.sample().t, c.t_m);
    EXPECT_EQ(run.sampleCount(), 398);
}

TEST(MotionRun, LongestAcceptedRunEnds)
{
    // 10000 is the largest calculation time the input accepts. Near it the
    // single-precision clock adds dt rounded to 1/1024, a little more than
    // dt, so the run has slightly fewer than the ideal 397887 samples.
    const ProblemParameters p = params(9.5, 6, 10000);
    MotionRun run(p, parametr(p));
    while (run.next()) {
    }
    EXPECT_GT(run.sampleCount(), 390000);
    EXPECT_LT(run.sampleCount(), 397888);
    EXPECT_GT(run.sample().t, 10000 - 0.03f);
    EXPECT_LT(run.sample().t, 10000 + 0.015f);
}

TEST(MotionAt, FollowsTheClosedForm)
{
    // Vo = 0 with Xo > 1: x = (Xo - 1) cos t + 1 until the next stop.
    {
        const MotionCharacteristics c = parametr(params(3, 0));
        for (double t : {0.1, 1.0, 2.0, 3.0}) {
            const MotionState s = motionAt(t, 0, c.Ao, c.tau_0);
            EXPECT_NEAR(s.x, 2 * std::cos(t) + 1, 1e-12) << t;
            EXPECT_NEAR(s.Vx, -2 * std::sin(t), 1e-12) << t;
        }
    }
    // Vo < 0: the first stop lies at -(Ao - 1).
    {
        const MotionCharacteristics c = parametr(params(2, -3));
        const MotionState s = motionAt(c.tau_0, -3, c.Ao, c.tau_0);
        EXPECT_NEAR(s.x, -(c.Ao - 1), 1e-12);
        EXPECT_NEAR(s.Vx, 0, 1e-12);
        const MotionState start = motionAt(0, -3, c.Ao, c.tau_0);
        EXPECT_NEAR(start.x, 2, 1e-9);
        EXPECT_NEAR(start.Vx, -3, 1e-9);
    }
    // Start-up: x(0) = Xo and Vx(0) = Vo.
    {
        const MotionCharacteristics c = parametr(kStartupParameters);
        const MotionState start = motionAt(0, 6, c.Ao, c.tau_0);
        EXPECT_NEAR(start.x, 9.5, 1e-9);
        EXPECT_NEAR(start.Vx, 6, 1e-9);
    }
}

TEST(MotionAt, ExactlyAtAStopTime)
{
    const MotionCharacteristics c = parametr(kStartupParameters);
    // At t = tau_0 + k*pi (k >= 1) the next half-swing begins; x is continuous
    // and Vx = 0: the stop at s*c*(Ao - 2n - 1) with n = k.
    for (int k = 1; k <= 6; ++k) {
        const double t = stopTime(c, k);
        const MotionState at = motionAt(t, 6, c.Ao, c.tau_0);
        const MotionState before = motionAt(std::nextafter(t, 0.0), 6, c.Ao, c.tau_0);
        const double sign = k % 2 == 0 ? 1 : -1;
        EXPECT_NEAR(at.x, sign * (c.Ao - 2 * k - 1), 1e-9) << k;
        EXPECT_NEAR(at.Vx, 0, 1e-8) << k;  // the decimal pi is 9e-11 short
        EXPECT_NEAR(before.x, at.x, 1e-9) << k;
    }
    const MotionState first = motionAt(c.tau_0, 6, c.Ao, c.tau_0);
    EXPECT_NEAR(first.x, c.Ao - 1, 1e-12);
}

TEST(Markers, StopAndExtremeVelocityTimes)
{
    const MotionCharacteristics c = parametr(kStartupParameters);
    EXPECT_DOUBLE_EQ(stopTime(c, 0), c.tau_0);
    EXPECT_DOUBLE_EQ(stopTime(c, 6), c.t_m);
    EXPECT_DOUBLE_EQ(extremeVelocityTime(c, 0), c.tau_0 - 1.57079632675);
    EXPECT_LT(extremeVelocityTime(c, 0), 0);
    EXPECT_DOUBLE_EQ(extremeVelocityTime(c, 3), c.tau_0 + 5 * 1.57079632675);
}

TEST(Markers, EnvelopeOnlyFromThreeHalfSwings)
{
    const MotionCharacteristics c = parametr(kStartupParameters);
    const Envelope e = envelope(c);
    EXPECT_TRUE(e.shown);
    EXPECT_DOUBLE_EQ(e.upperStart, c.Ao - 1 + 2 * c.tau_0 / kPi);
    EXPECT_DOUBLE_EQ(e.lowerStart, -e.upperStart);
    EXPECT_DOUBLE_EQ(e.endTime, c.tau_0 + kPi * (c.Ao - 1) / 2);
    // The upper line passes through the first stop (tau_0, Ao - 1).
    EXPECT_NEAR(e.upperStart - 2 / kPi * c.tau_0, c.Ao - 1, 1e-12);

    EXPECT_FALSE(envelope(parametr(params(3, 0))).shown);     // n_half = 1
    EXPECT_FALSE(envelope(parametr(params(5, 0))).shown);     // Ao = 6, n_half = 2
    EXPECT_TRUE(envelope(parametr(params(5.5, 0))).shown);    // Ao = 6.5, n_half = 3
}

}  // namespace
}  // namespace dryfriction
