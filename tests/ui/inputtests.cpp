// The input fields through the real window: every change of a field's text is
// read, checked, corrected with a beep and a message where the rules say so,
// written back in canonical form and followed by a full refresh.

#include "formharness.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace dryfriction::test {
namespace {

const QString kBeep = QStringLiteral("beep 300");

QString error(const char* text)
{
    return QStringLiteral("Ошибка: ") + QString::fromUtf8(text);
}

const char* const kMass = "Масса должна быть больше нуля! Не вводите заново, а исправьте!";
const char* const kNoSpring = "Пружины нет?! Движение с постоянным ускорением! Неинтересно!";
const char* const kNegativeSpring =
    "Коэффициент жёсткости пружины положителен!  Не вводите заново, а исправьте!";
const char* const kNoFriction = "Трения нет?! Это свободные гармонические колебания! Неинтересно!";
const char* const kNegativeFriction =
    "Коэффициент трения скольжения положителен!  Не вводите заново, а исправьте!";
const char* const kSymmetric = "Задача симметричная. x0>=0";
const char* const kStagnationX = "Если Хо<=1 и Vo=0, то тело будет стоять на месте! Внутри зоны застоя!";
const char* const kStagnationV = "Если Vo=0 и Хо<=1, то тело будет стоять на месте! Внутри зоны застоя!";
const char* const kTime = "Время должно быть положительным!";

enum class Entry { Paste, Type };

struct Edit {
    const char* field;
    const char* text;
    Entry entry = Entry::Paste;
};

struct InputCase {
    std::string name;
    std::vector<Edit> before;  // accepted edits that set the scene, not checked
    Edit edit;
    QStringList log;           // beeps and messages, in order
    const char* fieldText;     // what the field shows at the end
    std::function<double(const ProblemParameters&)> parameter;
    double expected;
};

void PrintTo(const InputCase& c, std::ostream* os)
{
    *os << c.name;
}

double mass(const ProblemParameters& p) { return p.m; }
double stiffness(const ProblemParameters& p) { return p.k; }
double friction(const ProblemParameters& p) { return p.mu; }
double x0(const ProblemParameters& p) { return p.Xo; }
double v0(const ProblemParameters& p) { return p.Vo; }
double time(const ProblemParameters& p) { return p.tCalc; }

void apply(FormHarness& h, const Edit& e)
{
    if (e.entry == Entry::Paste)
        h.paste(e.field, QString::fromUtf8(e.text));
    else
        h.typeOver(e.field, QString::fromUtf8(e.text));
}

class InputFieldTest : public ::testing::TestWithParam<InputCase> {};

TEST_P(InputFieldTest, ChecksCorrectsAndWritesBack)
{
    const InputCase& c = GetParam();
    FormHarness h;
    for (const Edit& e : c.before)
        apply(h, e);
    h.log.clear();

    apply(h, c.edit);

    EXPECT_EQ(h.log, c.log);
    for (const int f : h.tone.frequencies)
        EXPECT_EQ(f, 880);
    EXPECT_EQ(h.field(c.edit.field)->text(), QString::fromUtf8(c.fieldText));
    EXPECT_DOUBLE_EQ(c.parameter(h.form->parameters()), c.expected);
}

const std::vector<InputCase> kInputCases = {
    {"EmptyMass", {}, {"Text1", ""}, {kBeep, error(kMass)}, " .1", mass, 0.1},
    {"EmptyMassByBackspace", {}, {"Text1", "", Entry::Type}, {kBeep, error(kMass)}, " .1", mass, 0.1},
    {"NegativeMass", {}, {"Text1", "-1"}, {kBeep, error(kMass)}, " .1", mass, 0.1},
    {"ZeroSpring", {}, {"Text2", "0"}, {kBeep, error(kNoSpring)}, " 40", stiffness, 40},
    {"NegativeSpringNoBeep", {}, {"Text2", "-5"}, {error(kNegativeSpring)}, " 40", stiffness, 40},
    {"BlankInsideNumberTyped", {}, {"Text2", "1 5", Entry::Type}, {}, " 15", stiffness, 15},
    {"CommaReadsZero", {}, {"Text3", "0,5"}, {kBeep, error(kNoFriction)}, " .25", friction, 0.25},
    {"NegativeFrictionNoBeep", {}, {"Text3", "-3"}, {error(kNegativeFriction)}, " .25", friction,
     0.25},
    {"TrailingZeroRewritten", {}, {"Text3", "0.50"}, {}, " .5", friction, 0.5},
    {"NegativeX0", {}, {"Text4", "-2"}, {kBeep, error(kSymmetric)}, " 2", x0, 2},
    // Two messages: the sign, then (nested, on " .5") the stagnation zone.
    {"NegativeX0AtRestChains", {{"Text5", "0"}}, {"Text4", "-0.5"},
     {kBeep, error(kSymmetric), error(kStagnationX)}, " 1.1", x0, 1.1},
    {"EmptyX0AtRestTyped", {{"Text5", "0"}}, {"Text4", "", Entry::Type}, {error(kStagnationX)},
     " 1.1", x0, 1.1},
    {"ZeroV0Accepted", {}, {"Text5", "0"}, {}, " 0", v0, 0},
    {"ZeroV0InsideZone", {{"Text4", "1"}}, {"Text5", "0"}, {kBeep, error(kStagnationV)}, " 1", v0,
     1},
    {"NegativeV0Accepted", {}, {"Text5", "-6"}, {}, "-6", v0, -6},
    {"ZeroTime", {}, {"Text6", "0"}, {kBeep, error(kTime)}, " 40", time, 40},
    {"NegativeTime", {}, {"Text6", "-1"}, {kBeep, error(kTime)}, " 40", time, 40},
    {"TimeWithoutBlankGainsOne", {}, {"Text6", "25"}, {}, " 25", time, 25},
    // Bounds beyond which the characteristics or the run would not be finite.
    {"HugeMass", {}, {"Text1", "1e999"},
     {kBeep, error("Масса должна быть от 0.000001 до 1000000 кг!")}, " .1", mass, 0.1},
    {"HugeX0", {}, {"Text4", "1e999"},
     {kBeep, error("Начальная координата по модулю не должна превышать 1000!")}, " 1.1", x0, 1.1},
    {"LongTime", {}, {"Text6", "20000"},
     {kBeep, error("Время расчета не должно превышать 10000!")}, " 40", time, 40},
    {"EndlessTime", {}, {"Text6", "1e999"},
     {kBeep, error("Время расчета не должно превышать 10000!")}, " 40", time, 40},
};

INSTANTIATE_TEST_SUITE_P(Fields, InputFieldTest, ::testing::ValuesIn(kInputCases),
                         [](const auto& info) { return info.param.name; });

// Typing over one selected digit is a single edit; typing a whole new value
// passes through every intermediate text, each an edit of its own.
TEST(InputTyping, EveryKeystrokeIsAnEdit)
{
    FormHarness h;
    h.paste("Text5", QStringLiteral("0"));
    QLineEdit* text4 = h.field("Text4");
    ASSERT_EQ(text4->text(), QStringLiteral(" 9.5"));

    text4->setFocus();
    text4->setSelection(1, 1);  // the 9
    QTest::keyClicks(text4, QStringLiteral("3"));
    EXPECT_TRUE(h.log.isEmpty()) << h.log.join('\n').toStdString();
    EXPECT_EQ(text4->text(), QStringLiteral(" 3.5"));
    EXPECT_DOUBLE_EQ(h.form->parameters().Xo, 3.5);

    // "2" then "25": the first keystroke already gives an accepted value.
    h.typeOver("Text4", QStringLiteral("25"));
    EXPECT_TRUE(h.log.isEmpty()) << h.log.join('\n').toStdString();
    EXPECT_EQ(text4->text(), QStringLiteral(" 25"));
    EXPECT_DOUBLE_EQ(h.form->parameters().Xo, 25);

    // A trailing point is typed, then removed again by the rewrite.
    h.typeOver("Text6", QStringLiteral("12."));
    EXPECT_EQ(h.field("Text6")->text(), QStringLiteral(" 12"));
    EXPECT_FLOAT_EQ(h.form->parameters().tCalc, 12.0F);
}

// Every accepted edit recomputes the characteristics and resets the results.
TEST(InputTyping, EditRefreshesCharacteristicsAndResults)
{
    FormHarness h;
    QLabel* ao = h.label("Label15");
    const QString before = ao->text();
    h.click(h.label("Label7"));
    ASSERT_NE(h.label("Label7")->text(), QStringLiteral("П_end="));

    h.paste("Text4", QStringLiteral("5"));
    EXPECT_NE(ao->text(), before);
    EXPECT_EQ(h.label("Label19")->text(), QStringLiteral("X_end="));
    EXPECT_EQ(h.label("Label7")->text(), QStringLiteral("П_end="));
    EXPECT_GT(h.form->characteristics().Ao, 0);
}

}  // namespace
}  // namespace dryfriction::test
