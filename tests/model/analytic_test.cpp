#include "model/analytic.h"
#include "model/characteristics.h"
#include "model/motion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

namespace dryfriction {
namespace {

struct AnalyticCase {
    const char* name;
    double x0, v0;
    double finalDistance, finalPath, tolerance;
};

void PrintTo(const AnalyticCase& c, std::ostream* os)
{
    *os << c.name;
}

class AnalyticTest : public ::testing::TestWithParam<AnalyticCase> {};

// The closed-form end, and the end a long run comes to: the run rests at the
// last sample before the final stop, a little off the exact rest point.
TEST_P(AnalyticTest, EndOfMotionAgreesWithARun)
{
    const auto& tc = GetParam();
    ProblemParameters p;
    p.x0 = tc.x0;
    p.v0 = tc.v0;
    p.duration = 1000;
    const MotionCharacteristics c = characteristicsOf(p);
    const float distance = analyticFinalDistance(c.firstAmplitude);
    const float path = analyticFinalPath(distance, c.initialEnergy);
    EXPECT_NEAR(distance, tc.finalDistance, tc.tolerance);
    EXPECT_NEAR(path, tc.finalPath, tc.tolerance);
    EXPECT_LE(distance, 1.0f);  // inside the stagnation zone

    MotionRun run(p, c);
    while (run.next()) {
    }
    EXPECT_NEAR(std::abs(run.result().finalX), distance, 5e-4);
    EXPECT_NEAR(run.result().finalPath, path, 5e-4);
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, AnalyticTest,
    ::testing::Values(
        AnalyticCase{"startup", 9.5, 6, 0.90661335, 62.7140274, 1e-6},
        AnalyticCase{"at_rest_outside_zone", 9.5, 0, 0.5, 45, 0},
        AnalyticCase{"stops_on_zone_edge", 3, 0, 1, 4, 0},
        AnalyticCase{"stops_at_first_stop", 0.5, -1, 0.11803, 0.61803, 1e-5},
        AnalyticCase{"stops_at_the_centre", 40, 0, 0, 800, 0},
        AnalyticCase{"moving_back_from_outside", 9.5, -6, 0.595674, 62.947586, 1e-6}),
    [](const auto& info) { return std::string(info.param.name); });

// The rest point is held in single precision and the path is computed from
// that single-precision value, so the figures differ from the double's in the
// eighth digit: the start-up case gives exactly these.
TEST(Analytic, StartupFiguresInSinglePrecision)
{
    const MotionCharacteristics c = characteristicsOf(kStartupParameters);
    const float distance = analyticFinalDistance(c.firstAmplitude);
    EXPECT_EQ(distance, 0.90661335f);
    EXPECT_EQ(analyticFinalPath(distance, c.initialEnergy), 62.7140274f);
}

}  // namespace
}  // namespace dryfriction
