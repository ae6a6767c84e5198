#include "model/characteristics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

namespace dryfriction {
namespace {

struct CharacteristicsCase {
    const char* name;
    double x0, v0;
    double firstAmplitude, firstStop, halfSwings, finalStop, initialEnergy;
    double tolerance;  // of the amplitude and the two stops
};

void PrintTo(const CharacteristicsCase& c, std::ostream* os)
{
    *os << c.name;
}

class CharacteristicsTest : public ::testing::TestWithParam<CharacteristicsCase> {};

TEST_P(CharacteristicsTest, DerivedQuantities)
{
    const auto& tc = GetParam();
    ProblemParameters p;
    p.x0 = tc.x0;
    p.v0 = tc.v0;
    const MotionCharacteristics c = characteristicsOf(p);
    EXPECT_NEAR(c.firstAmplitude, tc.firstAmplitude, tc.tolerance);
    EXPECT_NEAR(c.firstStop, tc.firstStop, tc.tolerance);
    EXPECT_EQ(c.halfSwings, tc.halfSwings);
    EXPECT_EQ(halfSwingCount(c), static_cast<int>(tc.halfSwings));
    EXPECT_NEAR(c.finalStop, tc.finalStop, tc.tolerance);
    EXPECT_DOUBLE_EQ(c.initialEnergy, tc.initialEnergy);
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, CharacteristicsTest,
    ::testing::Values(
        CharacteristicsCase{"startup", 9.5, 6, 12.093387, 0.519146, 6, 19.368702, 63.125, 1e-6},
        CharacteristicsCase{"at_rest_outside_zone", 9.5, 0, 10.5, 0, 5, 15.7079632675, 45.125, 1e-12},
        // Ao = 4: ceil(Ao/2) - 1 = 1 half-swing, not Ao/2 = 2.
        CharacteristicsCase{"whole_half_amplitude", 3, 0, 4, 0, 1, 3.1415926535, 4.5, 1e-12},
        CharacteristicsCase{"zone_edge_moving_back", 1, -2, 2, 1.57079632675, 0, 1.57079632675, 2.5,
                            1e-12},
        CharacteristicsCase{"outside_moving_back", 2, -3, std::sqrt(10.0), 1.8925, 1, 5.0341, 6.5, 1e-4},
        CharacteristicsCase{"inside_moving_back", 0.5, -1, 1.1180, 1.1071, 0, 1.1071, 0.625, 1e-4}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Characteristics, StartupValues)
{
    const MotionCharacteristics c = characteristicsOf(kStartupParameters);
    EXPECT_DOUBLE_EQ(c.omega, 20);
    EXPECT_NEAR(c.zoneHalfWidth, 4.907e-3, 1e-9);
    EXPECT_NEAR(c.velocityScale, 9.814e-2, 1e-9);
    // The time step is the single-precision value of 2*pi/500, not the double.
    EXPECT_EQ(c.timeStep, static_cast<float>(6.283185307 / 500));
    EXPECT_NE(static_cast<double>(c.timeStep), 6.283185307 / 500);
    // The decimals of pi the program works with, not the full-precision value.
    EXPECT_DOUBLE_EQ(c.period, 6.283185307 / 20);
    EXPECT_DOUBLE_EQ(c.finalStop - c.firstStop, 6 * 3.1415926535);
}

TEST(Characteristics, ZeroFrequencyKeepsThePreviousPeriod)
{
    ProblemParameters p;
    p.stiffness = 0;
    MotionCharacteristics previous;
    previous.period = 1.25;
    const MotionCharacteristics c = characteristicsOf(p, previous);
    EXPECT_EQ(c.omega, 0);
    EXPECT_EQ(c.period, 1.25);
}

// The count a loop over the half-swings may run to: whatever the double
// holds, a whole number in [0, kMaxHalfSwings].
TEST(HalfSwingCount, ClampsToACountALoopCanRunTo)
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    const std::pair<double, int> cases[] = {
        {6, 6}, {-1, 0}, {-inf, 0}, {std::nan(""), 0}, {kMaxHalfSwings - 1.0, kMaxHalfSwings - 1},
        {3e9, kMaxHalfSwings}, {inf, kMaxHalfSwings},
    };
    MotionCharacteristics c;
    for (const auto& [halfSwings, expected] : cases) {
        c.halfSwings = halfSwings;
        EXPECT_EQ(halfSwingCount(c), expected) << halfSwings;
    }
}

}  // namespace
}  // namespace dryfriction
