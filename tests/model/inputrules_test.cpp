#include "model/inputrules.h"
#include "model/numbertext.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace dryfriction {
namespace {

using F = InputField;
using R = InputRule;

// Which rejections sound the warning beep: all but a sign given to a
// stiffness or a friction coefficient and a load put at rest in the zone.
bool beeps(InputRule rule)
{
    return rule != R::StiffnessNegative && rule != R::FrictionNegative && rule != R::X0InStagnationZone;
}

// One edit of a field: the text typed, x0 and v0 in force, the rules that
// rejected it in order, and the value and text the field settles on.
struct EditCase {
    const char* name;
    InputField field;
    const char* typed;
    double x0, v0;
    std::vector<InputRule> rules;
    double value;
    const char* text;
};

void PrintTo(const EditCase& c, std::ostream* os)
{
    *os << c.name;
}

class FieldEditTest : public ::testing::TestWithParam<EditCase> {};

TEST_P(FieldEditTest, SettlesOnItsValueAndText)
{
    const auto& tc = GetParam();
    ProblemParameters inForce;
    inForce.x0 = tc.x0;
    inForce.v0 = tc.v0;
    const EditOutcome out = applyFieldText(tc.field, tc.typed, inForce);

    std::vector<InputRule> rules;
    for (const EditPass& pass : out.passes) {
        if (pass.correction) {
            rules.push_back(pass.correction->rule);
            EXPECT_EQ(pass.correction->beep, beeps(pass.correction->rule));
        }
    }
    EXPECT_EQ(rules, tc.rules);
    ASSERT_FALSE(out.passes.empty());
    EXPECT_EQ(out.passes.back().correction, std::nullopt);
    EXPECT_EQ(out.passes.back().text, tc.text);
    EXPECT_EQ(storedInput(tc.field, out.parameters), tc.value);
    EXPECT_EQ(fieldText(tc.field, out.parameters), tc.text);

    // Only the edited parameter changed.
    ProblemParameters others = out.parameters;
    storeInput(tc.field, storedInput(tc.field, inForce), others);
    EXPECT_EQ(others, inForce);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FieldEditTest,
    ::testing::Values(
        EditCase{"mass_empty", F::Mass, "", 9.5, 6, {R::MassNotPositive}, 0.1, " .1"},
        EditCase{"mass_negative", F::Mass, "-1", 9.5, 6, {R::MassNotPositive}, 0.1, " .1"},
        EditCase{"mass_valid", F::Mass, "0.5", 9.5, 6, {}, 0.5, " .5"},
        EditCase{"stiffness_zero", F::Stiffness, "0", 9.5, 6, {R::NoSpring}, 40, " 40"},
        EditCase{"stiffness_negative", F::Stiffness, "-5", 9.5, 6, {R::StiffnessNegative}, 40, " 40"},
        EditCase{"stiffness_blank_inside", F::Stiffness, "1 5", 9.5, 6, {}, 15, " 15"},
        // A comma is the decimal point; the text written back has a point.
        EditCase{"friction_comma", F::Friction, "0,5", 9.5, 6, {}, 0.5, " .5"},
        EditCase{"mass_comma", F::Mass, "2,5", 9.5, 6, {}, 2.5, " 2.5"},
        EditCase{"x0_negative_comma", F::X0, "-2,5", 9.5, 6, {R::X0Negative}, 2.5, " 2.5"},
        EditCase{"time_comma_exponent", F::Time, "1,5e1", 9.5, 6, {}, 15, " 15"},
        EditCase{"friction_leading_zeros", F::Friction, "00.5", 9.5, 6, {}, 0.5, " .5"},
        EditCase{"friction_lone_comma", F::Friction, ",", 9.5, 6, {R::NoFriction}, 0.25, " .25"},
        EditCase{"friction_negative", F::Friction, "-3", 9.5, 6, {R::FrictionNegative}, 0.25, " .25"},
        EditCase{"x0_negative", F::X0, "-2", 9.5, 6, {R::X0Negative}, 2, " 2"},
        EditCase{"x0_in_zone_at_rest", F::X0, "0.5", 9.5, 0, {R::X0InStagnationZone}, 1.1, " 1.1"},
        EditCase{"x0_zone_edge_at_rest", F::X0, "1", 9.5, 0, {R::X0InStagnationZone}, 1.1, " 1.1"},
        EditCase{"x0_emptied_at_rest", F::X0, "", 9.5, 0, {R::X0InStagnationZone}, 1.1, " 1.1"},
        EditCase{"x0_in_zone_moving", F::X0, "0.5", 9.5, 6, {}, 0.5, " .5"},
        // The symmetry rule's correction is itself caught by the zone rule.
        EditCase{"x0_negative_into_zone_at_rest", F::X0, "-0.5", 9.5, 0,
                 {R::X0Negative, R::X0InStagnationZone}, 1.1, " 1.1"},
        EditCase{"x0_negative_into_zone_moving", F::X0, "-0.5", 9.5, 6, {R::X0Negative}, 0.5, " .5"},
        EditCase{"v0_zero_outside_zone", F::V0, "0", 9.5, 6, {}, 0, " 0"},
        EditCase{"v0_zero_in_zone", F::V0, "0", 1, 6, {R::V0InStagnationZone}, 1, " 1"},
        EditCase{"v0_negative", F::V0, "-6", 9.5, 6, {}, -6, "-6"},
        EditCase{"time_zero", F::Time, "0", 9.5, 6, {R::TimeNotPositive}, 40, " 40"},
        EditCase{"time_negative", F::Time, "-1", 9.5, 6, {R::TimeNotPositive}, 40, " 40"},
        EditCase{"time_fraction", F::Time, "20.5", 9.5, 6, {}, 20.5, " 20.5"},
        EditCase{"time_single_precision", F::Time, "0.1", 9.5, 6, {}, static_cast<double>(0.1f), " .1"},
        EditCase{"time_beyond_single_digits", F::Time, "20.00000001", 9.5, 6, {}, 20, " 20"},
        // The limits that keep every characteristic, range and run finite.
        EditCase{"mass_too_small", F::Mass, "1e-7", 9.5, 6, {R::MassOutOfRange}, 0.1, " .1"},
        EditCase{"mass_too_large", F::Mass, "1e999", 9.5, 6, {R::MassOutOfRange}, 0.1, " .1"},
        EditCase{"mass_underflow", F::Mass, "1e-400", 9.5, 6, {R::MassNotPositive}, 0.1, " .1"},
        EditCase{"mass_lowest", F::Mass, "1e-6", 9.5, 6, {}, 1e-6, " 1E-06"},
        EditCase{"mass_highest", F::Mass, "1000000", 9.5, 6, {}, 1e6, " 1000000"},
        EditCase{"stiffness_too_large", F::Stiffness, "1e300", 9.5, 6, {R::StiffnessOutOfRange}, 40, " 40"},
        EditCase{"stiffness_minus_infinity", F::Stiffness, "-1e999", 9.5, 6, {R::StiffnessNegative}, 40,
                 " 40"},
        EditCase{"friction_too_small", F::Friction, "5e-7", 9.5, 6, {R::FrictionOutOfRange}, 0.25, " .25"},
        EditCase{"friction_underflow", F::Friction, "1e-400", 9.5, 6, {R::NoFriction}, 0.25, " .25"},
        EditCase{"x0_minus_infinity", F::X0, "-1e999", 9.5, 0, {R::X0TooLarge}, 1.1, " 1.1"},
        EditCase{"x0_too_negative", F::X0, "-1001", 9.5, 6, {R::X0TooLarge}, 1.1, " 1.1"},
        EditCase{"x0_highest", F::X0, "1000", 9.5, 6, {}, 1000, " 1000"},
        EditCase{"x0_most_negative", F::X0, "-1000", 9.5, 0, {R::X0Negative}, 1000, " 1000"},
        EditCase{"v0_too_large", F::V0, "1e999", 0.5, 6, {R::V0TooLarge}, 1, " 1"},
        EditCase{"v0_too_negative", F::V0, "-1000.5", 9.5, 6, {R::V0TooLarge}, 1, " 1"},
        EditCase{"v0_most_negative", F::V0, "-1000", 9.5, 6, {}, -1000, "-1000"},
        EditCase{"time_too_long", F::Time, "10000.01", 9.5, 6, {R::TimeTooLong}, 40, " 40"},
        // From 262144 on the single-precision clock stands still.
        EditCase{"time_never_ending", F::Time, "262144", 9.5, 6, {R::TimeTooLong}, 40, " 40"},
        EditCase{"time_beyond_single", F::Time, "1e39", 9.5, 6, {R::TimeTooLong}, 40, " 40"},
        EditCase{"time_minus_infinity", F::Time, "-1e999", 9.5, 6, {R::TimeNotPositive}, 40, " 40"},
        EditCase{"time_longest", F::Time, "10000", 9.5, 6, {}, 10000, " 10000"},
        EditCase{"time_underflow", F::Time, "1e-50", 9.5, 6, {R::TimeNotPositive}, 40, " 40"},
        EditCase{"time_infinity", F::Time, "1e999", 9.5, 6, {R::TimeTooLong}, 40, " 40"},
        EditCase{"x0_infinity", F::X0, "1e999", 9.5, 6, {R::X0TooLarge}, 1.1, " 1.1"},
        EditCase{"v0_minus_infinity", F::V0, "-1e999", 9.5, 6, {R::V0TooLarge}, 1, " 1"},
        // Just inside and just outside each limit.
        EditCase{"mass_just_below", F::Mass, "0.00000099", 9.5, 6, {R::MassOutOfRange}, 0.1, " .1"},
        EditCase{"mass_just_above", F::Mass, "1000000.1", 9.5, 6, {R::MassOutOfRange}, 0.1, " .1"},
        EditCase{"stiffness_lowest", F::Stiffness, "0.000001", 9.5, 6, {}, 1e-6, " 1E-06"},
        EditCase{"stiffness_just_below", F::Stiffness, "0.00000099", 9.5, 6, {R::StiffnessOutOfRange}, 40, " 40"},
        EditCase{"stiffness_highest", F::Stiffness, "1e6", 9.5, 6, {}, 1e6, " 1000000"},
        EditCase{"stiffness_just_above", F::Stiffness, "1.0000001e6", 9.5, 6, {R::StiffnessOutOfRange}, 40, " 40"},
        EditCase{"friction_lowest", F::Friction, "0.000001", 9.5, 6, {}, 1e-6, " 1E-06"},
        EditCase{"friction_just_below", F::Friction, "0.00000099", 9.5, 6, {R::FrictionOutOfRange}, 0.25, " .25"},
        EditCase{"friction_highest", F::Friction, "1000000", 9.5, 6, {}, 1e6, " 1000000"},
        EditCase{"friction_just_above", F::Friction, "1000000.1", 9.5, 6, {R::FrictionOutOfRange}, 0.25, " .25"},
        EditCase{"x0_just_above", F::X0, "1000.001", 9.5, 6, {R::X0TooLarge}, 1.1, " 1.1"},
        EditCase{"x0_just_below_most_negative", F::X0, "-1000.001", 9.5, 6, {R::X0TooLarge}, 1.1, " 1.1"},
        EditCase{"v0_highest", F::V0, "1000", 9.5, 6, {}, 1000, " 1000"},
        EditCase{"v0_just_above", F::V0, "1000.001", 9.5, 6, {R::V0TooLarge}, 1, " 1"},
        EditCase{"v0_just_below_most_negative", F::V0, "-1000.001", 9.5, 6, {R::V0TooLarge}, 1, " 1"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FieldEdit, NegativeCoordinateInsideTheZoneAtRestPassByPass)
{
    ProblemParameters inForce;
    inForce.v0 = 0;
    const EditOutcome out = applyFieldText(F::X0, "-0.5", inForce);
    ASSERT_EQ(out.passes.size(), 3u);
    EXPECT_EQ(out.passes[0].correction, (Correction{R::X0Negative, true, 0.5}));
    EXPECT_EQ(out.passes[0].text, " .5");
    EXPECT_EQ(out.passes[1].correction, (Correction{R::X0InStagnationZone, false, 1.1}));
    EXPECT_EQ(out.passes[1].text, " 1.1");
    EXPECT_EQ(out.passes[2].correction, std::nullopt);
    EXPECT_EQ(out.passes[2].text, " 1.1");
    EXPECT_EQ(out.parameters.x0, 1.1);
}

// What each key leaves while the user is still in the field: a value the
// rules pass is in force at once; a text more keys may still take past its
// rule waits and changes nothing; a rejection no key can mend is at once.
TEST(TypingOutcome, WaitsOnlyWhereMoreKeysCanMendTheText)
{
    using V = TypingVerdict;
    struct Row {
        InputField field;
        const char* typed;
        double x0, v0;
        V verdict;
        double value;  // in force afterwards
    };
    const Row rows[] = {
        // No number yet.
        {F::Mass, "", 9.5, 6, V::Waiting, 0.1},         {F::V0, "-", 9.5, 6, V::Waiting, 6},
        {F::X0, ".", 9.5, 6, V::Waiting, 9.5},          {F::X0, "e5", 9.5, 6, V::Waiting, 9.5},
        // A zero on the way to a fraction, and the fraction.
        {F::Mass, "0", 9.5, 6, V::Waiting, 0.1},        {F::Mass, "0.25", 9.5, 6, V::Accepted, 0.25},
        {F::Stiffness, "0.", 9.5, 6, V::Waiting, 40},   {F::Stiffness, "0.5", 9.5, 6, V::Accepted, 0.5},
        {F::Friction, "0,0", 9.5, 6, V::Waiting, 0.2},  {F::Friction, "0,3", 9.5, 6, V::Accepted, 0.3},
        {F::Time, "-0", 9.5, 6, V::Waiting, 20},        {F::Time, "0ю5", 9.5, 6, V::Accepted, 0.5},
        {F::Mass, "1e-400", 9.5, 6, V::Waiting, 0.1},
        // The stagnation zone, on the way out of it.
        {F::X0, "1", 9.5, 0, V::Waiting, 9.5},          {F::X0, "1.5", 9.5, 0, V::Accepted, 1.5},
        {F::V0, "0", 0.5, 6, V::Waiting, 6},            {F::V0, "0.5", 0.5, 6, V::Accepted, 0.5},
        // Zero is no rejection where the rules allow it.
        {F::V0, "0", 9.5, 6, V::Accepted, 0},           {F::X0, "0", 9.5, 6, V::Accepted, 0},
        // No key mends a sign or a value beyond the limits.
        {F::Mass, "-0.5", 9.5, 6, V::Rejected, 0.1},    {F::Friction, "-3", 9.5, 6, V::Rejected, 0.2},
        {F::Time, "-1", 9.5, 6, V::Rejected, 20},       {F::X0, "-2", 9.5, 6, V::Rejected, 9.5},
        {F::X0, "-0.5", 9.5, 0, V::Rejected, 9.5},      {F::Time, "1e40", 9.5, 6, V::Rejected, 20},
        {F::Time, "1e4", 9.5, 6, V::Accepted, 10000},   {F::Stiffness, "1e7", 9.5, 6, V::Rejected, 40},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.typed) + " x0=" + std::to_string(r.x0) + " v0=" + std::to_string(r.v0));
        ProblemParameters inForce;
        inForce.x0 = r.x0;
        inForce.v0 = r.v0;
        const TypingOutcome out = typingOutcome(r.field, r.typed, inForce);
        EXPECT_EQ(out.verdict, r.verdict);
        EXPECT_EQ(storedInput(r.field, out.parameters), static_cast<double>(r.field == F::Time
                                                                                ? static_cast<float>(r.value)
                                                                                : r.value));
        // Only the typed field may change, and only when accepted.
        ProblemParameters others = out.parameters;
        storeInput(r.field, storedInput(r.field, inForce), others);
        EXPECT_EQ(others, inForce);
    }
}

TEST(InputRules, StartupValuesPassEveryCheck)
{
    for (const F f : {F::Mass, F::Stiffness, F::Friction, F::X0, F::V0, F::Time})
        EXPECT_EQ(checkInput(f, kStartupParameters), std::nullopt);
}

}  // namespace
}  // namespace dryfriction
