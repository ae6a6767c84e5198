#include "model/characteristics.h"
#include "model/plotranges.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

namespace dryfriction {
namespace {

struct RangesCase {
    const char* name;
    double x0, v0;
    double firstTurn, xMax, vPeak;
    float vMax;
    double pathMax;
};

void PrintTo(const RangesCase& c, std::ostream* os)
{
    *os << c.name;
}

class PlotRangesTest : public ::testing::TestWithParam<RangesCase> {};

TEST_P(PlotRangesTest, RangesCoverTheMotion)
{
    const auto& tc = GetParam();
    ProblemParameters p;
    p.x0 = tc.x0;
    p.v0 = tc.v0;
    const PlotRanges r = computePlotRanges(p, characteristicsOf(p));
    EXPECT_NEAR(r.firstTurn, tc.firstTurn, 1e-3);
    EXPECT_EQ(r.xMax, tc.xMax);
    EXPECT_NEAR(r.vPeak, tc.vPeak, 1e-3);
    EXPECT_EQ(r.vMax, tc.vMax);
    EXPECT_EQ(r.pathMax, tc.pathMax);
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, PlotRangesTest,
    ::testing::Values(
        RangesCase{"startup", 9.5, 6, 11.093, 12, 10.093, 11, 64},
        RangesCase{"whole_maximum_gets_one_more", 3, 0, 3, 4, 2, 3, 5},
        RangesCase{"peak_beats_initial_speed", 2, -3, -2.162, 3, -3.162, 4, 7},
        RangesCase{"small_start", 0.5, 0.5, 0.581, 1, -0.419, 1, 1},
        // Negative turning point and peak count by their magnitude.
        RangesCase{"moving_forward", 0.5, 3, 2.354, 3, 1.354, 4, 5},
        RangesCase{"moving_back", 0.5, -3, -2.041, 3, -1.041, 4, 5},
        RangesCase{"back_from_outside", 9.5, -6, -9.404, 10, -10.404, 11, 64}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PlotRanges, LargestInputsStayFinite)
{
    ProblemParameters p;
    p.x0 = 1000;
    p.v0 = -1000;
    p.duration = 10000;
    const PlotRanges r = computePlotRanges(p, characteristicsOf(p));
    EXPECT_EQ(r.pathMax, 1000001);
    EXPECT_EQ(r.xMax, 1413);  // Ao = sqrt(999^2 + 1000^2)
    EXPECT_GT(r.vMax, 1000);
    EXPECT_EQ(r.graphRight, 10000);
}

}  // namespace
}  // namespace dryfriction
