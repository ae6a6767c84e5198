#include "characteristics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

namespace dryfriction {
namespace {

struct CharacteristicsCase {
    const char* name;
    double Xo, Vo;
    double Ao, tau_0, n_half, t_m;
    double tolerance;  // of Ao, tau_0 and t_m
};

void PrintTo(const CharacteristicsCase& c, std::ostream* os)
{
    *os << c.name;
}


class ParametrTest : public ::testing::TestWithParam<CharacteristicsCase> {};

TEST_P(ParametrTest, DerivedQuantities)
{
    const auto& tc = GetParam();
    ProblemParameters p;
    p.Xo = tc.Xo;
    p.Vo = tc.Vo;
    const MotionCharacteristics c = parametr(p);
    EXPECT_NEAR(c.Ao, tc.Ao, tc.tolerance);
    EXPECT_NEAR(c.tau_0, tc.tau_0, tc.tolerance);
    EXPECT_EQ(c.n_half, tc.n_half);
    EXPECT_NEAR(c.t_m, tc.t_m, tc.tolerance);
    EXPECT_DOUBLE_EQ(c.Wo, (tc.Xo * tc.Xo + tc.Vo * tc.Vo) / 2);
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, ParametrTest,
    ::testing::Values(
        CharacteristicsCase{"startup", 9.5, 6, 12.093387, 0.519146, 6, 19.368702, 1e-6},
        CharacteristicsCase{"at_rest_outside_zone", 9.5, 0, 10.5, 0, 5, 15.7079632675, 1e-12},
        CharacteristicsCase{"whole_half_amplitude", 3, 0, 4, 0, 1, 3.1415926535, 1e-12},
        CharacteristicsCase{"zone_edge_moving_back", 1, -2, 2, 1.57079632675, 0, 1.57079632675,
                            1e-12},
        CharacteristicsCase{"outside_moving_back", 2, -3, std::sqrt(10.0), 1.8925, 1, 5.0341,
                            1e-4},
        CharacteristicsCase{"inside_moving_back", 0.5, -1, 1.1180, 1.1071, 0, 1.1071, 1e-4}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Parametr, StartupValuesAndTimeGrid)
{
    const MotionCharacteristics c = parametr(kStartupParameters);
    EXPECT_DOUBLE_EQ(c.w, 20);
    EXPECT_DOUBLE_EQ(c.Wo, 63.125);
    EXPECT_EQ(c.n_steps, 500);
    EXPECT_EQ(c.t_start, 0);
    // dt is the single-precision value of 2*pi/500, not the double.
    EXPECT_EQ(c.dt, static_cast<float>(6.283185307 / 500));
    EXPECT_NE(static_cast<double>(c.dt), 6.283185307 / 500);
    // The decimals of pi, not the full-precision value.
    EXPECT_DOUBLE_EQ(c.To, 6.283185307 / 20);
    EXPECT_DOUBLE_EQ(c.t_m - c.tau_0, 6 * 3.1415926535);
}

TEST(Parametr, ZeroFrequencyKeepsPeriod)
{
    ProblemParameters p;
    p.k = 0;
    MotionCharacteristics previous;
    previous.To = 1.25;
    const MotionCharacteristics c = parametr(p, previous);
    EXPECT_EQ(c.w, 0);
    EXPECT_EQ(c.To, 1.25);
    EXPECT_EQ(characteristicCaptions(c, ".").label13, "To-->00");
}

TEST(CharacteristicCaptions, StartupWithPointAndComma)
{
    const MotionCharacteristics c = parametr(kStartupParameters);
    const CharacteristicCaptions point = characteristicCaptions(c, ".");
    EXPECT_EQ(point.label12, "w= 2.000E+01 рад/с");
    EXPECT_EQ(point.label13, "To= 3.142E-01 с");
    EXPECT_EQ(point.label14, "a= 4.907E-03 м");
    EXPECT_EQ(point.label18, "Va= 9.814E-02 м/c");
    EXPECT_EQ(point.label15, "Ao/a= 1.2093E+01 ");
    EXPECT_EQ(point.label16, "tau_0= 5.191E-01 ");
    EXPECT_EQ(point.label17, "t_m= 1.937E+01 ");

    const CharacteristicCaptions comma = characteristicCaptions(c, ",");
    EXPECT_EQ(comma.label12, "w= 2,000E+01 рад/с");
    EXPECT_EQ(comma.label15, "Ao/a= 1,2093E+01 ");
    EXPECT_EQ(comma.label17, "t_m= 1,937E+01 ");
}

TEST(CharacteristicCaptions, UnitLettersAreCyrillicExceptVelocity)
{
    const CharacteristicCaptions cap = characteristicCaptions(parametr(kStartupParameters), ".");
    // " с" (Cyrillic es, U+0441 = D1 81) in the period, Latin c in "м/c".
    EXPECT_EQ(cap.label13.substr(cap.label13.size() - 2), "\xD1\x81");
    EXPECT_EQ(cap.label18.back(), 'c');
}

}  // namespace
}  // namespace dryfriction
