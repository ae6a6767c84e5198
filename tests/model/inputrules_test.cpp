#include "inputrules.h"
#include "numbertext.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace dryfriction {
namespace {

struct Shown {
    bool beep;
    std::string message;
    friend bool operator==(const Shown&, const Shown&) = default;
};

// What the window does on a change of a field's text: store the value read,
// check it, correct it with a message, write the canonical text back. Writing
// a different text changes the field again, so the handler runs nested on it;
// the chain ends when the text is stable. The time field writes only after a
// correction; its accepted text is written by the layout pass, modelled here
// as one more write.
struct FieldEditor {
    ProblemParameters p;
    std::string text[6];
    std::vector<Shown> shown;
    int depth = 0;

    std::string canonical(InputField f) const
    {
        return f == InputField::Time ? canonicalText(p.tCalc) : canonicalText(storedInput(f, p));
    }

    void setText(InputField f, const std::string& t)
    {
        auto& field = text[static_cast<int>(f)];
        if (field == t)
            return;  // the same text raises no change event
        field = t;
        ASSERT_LT(++depth, 10) << "endless chain of field updates";
        storeInput(f, readNumber(t), p);
        const auto correction = checkInput(f, p);
        if (correction) {
            shown.push_back({correction->beep, correction->message});
            storeInput(f, correction->value, p);
        }
        if (f != InputField::Time || correction)
            setText(f, canonical(f));
        setText(f, canonical(f));  // the layout pass of Form_Resize
    }
};

const char* const kStagnationX =
    "Если Хо<=1 и Vo=0, то тело будет стоять на месте! Внутри зоны застоя!";
const char* const kStagnationV =
    "Если Vo=0 и Хо<=1, то тело будет стоять на месте! Внутри зоны застоя!";

struct RuleCase {
    const char* name;
    InputField field;
    const char* typed;
    double Xo, Vo;  // the other parameters in force
    bool rejected;
    bool beep;
    const char* message;
    double value;  // the value in force afterwards
    const char* fieldText;
};

void PrintTo(const RuleCase& c, std::ostream* os)
{
    *os << c.name;
}


class InputRuleTest : public ::testing::TestWithParam<RuleCase> {};

TEST_P(InputRuleTest, CheckAndCorrection)
{
    const auto& tc = GetParam();
    ProblemParameters p;
    p.Xo = tc.Xo;
    p.Vo = tc.Vo;
    storeInput(tc.field, readNumber(tc.typed), p);
    const auto correction = checkInput(tc.field, p);
    ASSERT_EQ(correction.has_value(), tc.rejected);
    if (correction) {
        EXPECT_EQ(correction->beep, tc.beep);
        EXPECT_EQ(correction->message, tc.message);
        storeInput(tc.field, correction->value, p);
    }
    EXPECT_EQ(storedInput(tc.field, p), tc.value);
    const std::string written = tc.field == InputField::Time ? canonicalText(p.tCalc)
                                                             : canonicalText(storedInput(tc.field, p));
    EXPECT_EQ(written, tc.fieldText);
}

using F = InputField;
INSTANTIATE_TEST_SUITE_P(
    Table, InputRuleTest,
    ::testing::Values(
        RuleCase{"mass_empty", F::Mass, "", 9.5, 6, true, true,
                 "Масса должна быть больше нуля! Не вводите заново, а исправьте!", 0.1, " .1"},
        RuleCase{"mass_negative", F::Mass, "-1", 9.5, 6, true, true,
                 "Масса должна быть больше нуля! Не вводите заново, а исправьте!", 0.1, " .1"},
        RuleCase{"mass_valid", F::Mass, "0.5", 9.5, 6, false, false, "", 0.5, " .5"},
        RuleCase{"stiffness_zero", F::Stiffness, "0", 9.5, 6, true, true,
                 "Пружины нет?! Движение с постоянным ускорением! Неинтересно!", 40, " 40"},
        RuleCase{"stiffness_negative", F::Stiffness, "-5", 9.5, 6, true, false,
                 "Коэффициент жёсткости пружины положителен!  Не вводите заново, а исправьте!",
                 40, " 40"},
        RuleCase{"stiffness_blank_inside", F::Stiffness, "1 5", 9.5, 6, false, false, "", 15,
                 " 15"},
        RuleCase{"friction_comma", F::Friction, "0,5", 9.5, 6, true, true,
                 "Трения нет?! Это свободные гармонические колебания! Неинтересно!", 0.25,
                 " .25"},
        RuleCase{"friction_negative", F::Friction, "-3", 9.5, 6, true, false,
                 "Коэффициент трения скольжения положителен!  Не вводите заново, а исправьте!",
                 0.25, " .25"},
        RuleCase{"x0_negative", F::X0, "-2", 9.5, 6, true, true, "Задача симметричная. x0>=0", 2,
                 " 2"},
        RuleCase{"x0_in_zone_at_rest", F::X0, "0.5", 9.5, 0, true, false, kStagnationX, 1.1,
                 " 1.1"},
        RuleCase{"x0_zone_edge_at_rest", F::X0, "1", 9.5, 0, true, false, kStagnationX, 1.1,
                 " 1.1"},
        RuleCase{"x0_in_zone_moving", F::X0, "0.5", 9.5, 6, false, false, "", 0.5, " .5"},
        RuleCase{"v0_zero_outside_zone", F::V0, "0", 9.5, 6, false, false, "", 0, " 0"},
        RuleCase{"v0_zero_in_zone", F::V0, "0", 1, 6, true, true, kStagnationV, 1, " 1"},
        RuleCase{"v0_negative", F::V0, "-6", 9.5, 6, false, false, "", -6, "-6"},
        RuleCase{"time_zero", F::Time, "0", 9.5, 6, true, true, "Время должно быть положительным!",
                 40, " 40"},
        RuleCase{"time_negative", F::Time, "-1", 9.5, 6, true, true,
                 "Время должно быть положительным!", 40, " 40"},
        RuleCase{"time_fraction", F::Time, "20.5", 9.5, 6, false, false, "", 20.5, " 20.5"},
        RuleCase{"time_single_precision", F::Time, "0.1", 9.5, 6, false, false, "",
                 static_cast<double>(0.1f), " .1"},
        // Limits that keep every characteristic, range and run finite.
        RuleCase{"mass_too_small", F::Mass, "1e-7", 9.5, 6, true, true,
                 "Масса должна быть от 0.000001 до 1000000 кг!", 0.1, " .1"},
        RuleCase{"mass_tiny", F::Mass, "1e-300", 9.5, 6, true, true,
                 "Масса должна быть от 0.000001 до 1000000 кг!", 0.1, " .1"},
        RuleCase{"mass_too_large", F::Mass, "1e999", 9.5, 6, true, true,
                 "Масса должна быть от 0.000001 до 1000000 кг!", 0.1, " .1"},
        RuleCase{"mass_underflow", F::Mass, "1e-400", 9.5, 6, true, true,
                 "Масса должна быть больше нуля! Не вводите заново, а исправьте!", 0.1, " .1"},
        RuleCase{"mass_lowest", F::Mass, "1e-6", 9.5, 6, false, false, "", 1e-6, " 1E-06"},
        RuleCase{"mass_highest", F::Mass, "1000000", 9.5, 6, false, false, "", 1e6,
                 " 1000000"},
        RuleCase{"stiffness_too_large", F::Stiffness, "1e300", 9.5, 6, true, true,
                 "Коэффициент жёсткости пружины должен быть от 0.000001 до 1000000 Н/м!", 40,
                 " 40"},
        RuleCase{"stiffness_minus_infinity", F::Stiffness, "-1e999", 9.5, 6, true, false,
                 "Коэффициент жёсткости пружины положителен!  Не вводите заново, а исправьте!",
                 40, " 40"},
        RuleCase{"friction_too_small", F::Friction, "5e-7", 9.5, 6, true, true,
                 "Коэффициент трения скольжения должен быть от 0.000001 до 1000000!", 0.25,
                 " .25"},
        RuleCase{"friction_too_large", F::Friction, "2e6", 9.5, 6, true, true,
                 "Коэффициент трения скольжения должен быть от 0.000001 до 1000000!", 0.25,
                 " .25"},
        RuleCase{"x0_minus_infinity", F::X0, "-1e999", 9.5, 6, true, true,
                 "Начальная координата по модулю не должна превышать 1000!", 1.1, " 1.1"},
        RuleCase{"x0_too_negative", F::X0, "-1001", 9.5, 6, true, true,
                 "Начальная координата по модулю не должна превышать 1000!", 1.1, " 1.1"},
        RuleCase{"x0_highest", F::X0, "1000", 9.5, 6, false, false, "", 1000, " 1000"},
        RuleCase{"x0_most_negative", F::X0, "-1000", 9.5, 6, true, true,
                 "Задача симметричная. x0>=0", 1000, " 1000"},
        RuleCase{"v0_too_large", F::V0, "1e999", 9.5, 6, true, true,
                 "Начальная скорость по модулю не должна превышать 1000!", 1, " 1"},
        RuleCase{"v0_too_negative", F::V0, "-1000.5", 9.5, 6, true, true,
                 "Начальная скорость по модулю не должна превышать 1000!", 1, " 1"},
        RuleCase{"v0_most_negative", F::V0, "-1000", 9.5, 6, false, false, "", -1000, "-1000"},
        RuleCase{"time_too_long", F::Time, "10000.01", 9.5, 6, true, true,
                 "Время расчета не должно превышать 10000!", 40, " 40"},
        RuleCase{"time_never_ending", F::Time, "262144", 9.5, 6, true, true,
                 "Время расчета не должно превышать 10000!", 40, " 40"},
        RuleCase{"time_beyond_single", F::Time, "1e39", 9.5, 6, true, true,
                 "Время расчета не должно превышать 10000!", 40, " 40"},
        RuleCase{"time_longest", F::Time, "10000", 9.5, 6, false, false, "", 10000, " 10000"},
        RuleCase{"time_underflow", F::Time, "1e-50", 9.5, 6, true, true,
                 "Время должно быть положительным!", 40, " 40"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InputChain, NegativeCoordinateInsideZoneAtRest)
{
    FieldEditor e;
    e.p.Vo = 0;
    e.text[static_cast<int>(F::X0)] = " 9.5";
    e.setText(F::X0, "-0.5");
    const std::vector<Shown> expected{{true, "Задача симметричная. x0>=0"}, {false, kStagnationX}};
    EXPECT_EQ(e.shown, expected);
    EXPECT_EQ(e.p.Xo, 1.1);
    EXPECT_EQ(e.text[static_cast<int>(F::X0)], " 1.1");
}

TEST(InputChain, EmptyingCoordinateAtRestGivesZoneMessage)
{
    FieldEditor e;
    e.p.Vo = 0;
    e.text[static_cast<int>(F::X0)] = " 9.5";
    e.setText(F::X0, "");
    ASSERT_EQ(e.shown.size(), 1u);
    EXPECT_EQ(e.shown[0], (Shown{false, kStagnationX}));
    EXPECT_EQ(e.p.Xo, 1.1);
}

TEST(InputChain, NonCanonicalTextIsRewrittenOnce)
{
    struct Case {
        F field;
        const char* typed;
        const char* finalText;
        std::size_t messages;
    };
    const Case cases[] = {
        {F::Mass, "0.50", " .5", 0},     {F::X0, "-2", " 2", 1},
        {F::Stiffness, "1 5", " 15", 0}, {F::Time, "0", " 40", 1},
        {F::Time, "-1e999", " 40", 1},   {F::X0, "-1e999", " 1.1", 1},
        {F::V0, "-6", "-6", 0},          {F::Friction, "1e-400", " .25", 1},
    };
    for (const auto& c : cases) {
        FieldEditor e;
        e.setText(c.field, c.typed);
        EXPECT_EQ(e.text[static_cast<int>(c.field)], c.finalText) << c.typed;
        EXPECT_EQ(e.shown.size(), c.messages) << c.typed;
        EXPECT_EQ(checkInput(c.field, e.p), std::nullopt) << c.typed;
    }
}

TEST(InputRules, StartupValuesPassEveryCheck)
{
    for (F f : {F::Mass, F::Stiffness, F::Friction, F::X0, F::V0, F::Time})
        EXPECT_EQ(checkInput(f, kStartupParameters), std::nullopt);
}

TEST(InputRules, CorrectionsPassTheirOwnChecks)
{
    // Every correction is itself accepted (the cross checks with the value
    // that caused them included), so a correction never starts a new message.
    for (F f : {F::Mass, F::Stiffness, F::Friction, F::X0, F::V0, F::Time}) {
        ProblemParameters p;
        p.Xo = 0.5;
        p.Vo = 0;
        storeInput(f, readNumber("-1e999"), p);
        const auto c = checkInput(f, p);
        ASSERT_TRUE(c.has_value());
        storeInput(f, c->value, p);
        EXPECT_EQ(checkInput(f, p), std::nullopt);
    }
}

}  // namespace
}  // namespace dryfriction
