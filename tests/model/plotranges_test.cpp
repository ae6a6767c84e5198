#include "characteristics.h"
#include "plotranges.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace dryfriction {
namespace {

struct RangesCase {
    const char* name;
    double Xo, Vo;
    float tCalc;
    double xTurn, Xmax, vPeak;
    float Vmax;
    double PathMax;
};

void PrintTo(const RangesCase& c, std::ostream* os)
{
    *os << c.name;
}


class PlotRangesTest : public ::testing::TestWithParam<RangesCase> {};

TEST_P(PlotRangesTest, Minmax)
{
    const auto& tc = GetParam();
    ProblemParameters p;
    p.Xo = tc.Xo;
    p.Vo = tc.Vo;
    p.tCalc = tc.tCalc;
    const PlotRanges r = computePlotRanges(p, parametr(p));
    EXPECT_NEAR(r.xTurn, tc.xTurn, 1e-3);
    EXPECT_EQ(r.Xmax, tc.Xmax);
    EXPECT_NEAR(r.vPeak, tc.vPeak, 1e-3);
    EXPECT_EQ(r.Vmax, tc.Vmax);
    EXPECT_EQ(r.PathMax, tc.PathMax);

    // The corners that follow from them.
    EXPECT_EQ(r.animLeft, -tc.Xmax);
    EXPECT_EQ(r.animRight, tc.Xmax);
    EXPECT_EQ(r.animTop, -1);
    EXPECT_EQ(r.animBottom, 1);
    EXPECT_EQ(r.graphLeft, 0);
    EXPECT_EQ(r.graphRight, tc.tCalc);
    EXPECT_EQ(r.xTop, tc.Xmax);
    EXPECT_EQ(r.xBottom, -tc.Xmax);
    EXPECT_EQ(r.vTop, tc.Vmax);
    EXPECT_EQ(r.vBottom, -tc.Vmax);
    EXPECT_EQ(r.wTop, 1);
    EXPECT_EQ(r.wBottom, -0.2);
    EXPECT_EQ(r.pathTop, tc.PathMax);
    EXPECT_EQ(r.pathBottom, 0);
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, PlotRangesTest,
    ::testing::Values(
        RangesCase{"startup", 9.5, 6, 20, 11.093, 12, 10.093, 11, 64},
        RangesCase{"whole_maximum_gets_one_more", 3, 0, 20, 3, 4, 2, 3, 5},
        RangesCase{"peak_beats_initial_speed", 2, -3, 20, -2.162, 3, -3.162, 4, 7},
        RangesCase{"small_start", 0.5, 0.5, 20, 0.581, 1, -0.419, 1, 1},
        RangesCase{"fractional_time", 9.5, 6, 20.5f, 11.093, 12, 10.093, 11, 64},
        // Negative turning point and peak count by their magnitude.
        RangesCase{"moving_forward", 0.5, 3, 20, 2.354, 3, 1.354, 4, 5},
        RangesCase{"moving_back", 0.5, -3, 20, -2.041, 3, -1.041, 4, 5},
        RangesCase{"back_from_outside", 9.5, -6, 20, -9.404, 10, -10.404, 11, 64}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PlotRanges, LargestInputsStayFinite)
{
    ProblemParameters p;
    p.Xo = 1000;
    p.Vo = -1000;
    p.tCalc = 10000;
    const PlotRanges r = computePlotRanges(p, parametr(p));
    EXPECT_EQ(r.PathMax, 1000001);
    EXPECT_EQ(r.Xmax, 1413);  // Ao = sqrt(999^2 + 1000^2)
    EXPECT_GT(r.Vmax, 1000);
    EXPECT_EQ(r.graphRight, 10000);
}

}  // namespace
}  // namespace dryfriction
