#include "analytic.h"
#include "characteristics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

namespace dryfriction {
namespace {

struct AnalyticCase {
    const char* name;
    double Xo, Vo;
    double xend, pend, tolerance;
    const char* xendCaption;  // empty: not checked
    const char* pendCaption;
};

void PrintTo(const AnalyticCase& c, std::ostream* os)
{
    *os << c.name;
}


class AnalyticTest : public ::testing::TestWithParam<AnalyticCase> {};

TEST_P(AnalyticTest, EndOfMotion)
{
    const auto& tc = GetParam();
    ProblemParameters p;
    p.Xo = tc.Xo;
    p.Vo = tc.Vo;
    const MotionCharacteristics c = parametr(p);
    const float xend = analyticXend(c.Ao);
    const float pend = analyticPend(xend, c.Wo);
    EXPECT_NEAR(xend, tc.xend, tc.tolerance);
    EXPECT_NEAR(pend, tc.pend, tc.tolerance);
    if (*tc.xendCaption) {
        EXPECT_EQ(analyticXendCaption(xend, "."), tc.xendCaption);
    }
    if (*tc.pendCaption) {
        EXPECT_EQ(analyticPendCaption(pend, "."), tc.pendCaption);
    }
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, AnalyticTest,
    ::testing::Values(
        AnalyticCase{"startup", 9.5, 6, 0.90661, 62.714, 1e-3, "|X_end|=9.066E-01",
                     "П_end=6.271E+01"},
        AnalyticCase{"at_rest_outside_zone", 9.5, 0, 0.5, 45, 0, "|X_end|=5.000E-01",
                     "П_end=4.500E+01"},
        AnalyticCase{"stops_on_zone_edge", 3, 0, 1, 4, 0, "", ""},
        AnalyticCase{"stops_at_first_stop", 0.5, -1, 0.11803, 0.61803, 1e-5, "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Analytic, PathUsesSinglePrecisionCoordinate)
{
    const double Ao = parametr(kStartupParameters).Ao;
    const double Wo = 63.125;
    const float xend = analyticXend(Ao);
    const double exactX = std::abs((Ao / 2 - std::floor(Ao / 2)) * 2 - 1);
    EXPECT_NE(static_cast<double>(xend), exactX);
    const double x = xend;
    EXPECT_EQ(analyticPend(xend, Wo), static_cast<float>(Wo - x * x / 2));
}

TEST(Analytic, RunCaptions)
{
    EXPECT_EQ(runXendCaption(-0.9066141, "."), "X_end=-9.066E-01");
    EXPECT_EQ(runPendCaption(62.714025, "."), "П_end=6.271E+01");
    EXPECT_EQ(runXendCaption(-0.9066141, ","), "X_end=-9,066E-01");
    EXPECT_EQ(std::string(kPendPrefix), "\xD0\x9F_end=");  // Cyrillic capital Pe
}

}  // namespace
}  // namespace dryfriction
