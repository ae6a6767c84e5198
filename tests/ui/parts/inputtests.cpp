// The input fields through the real window: a text pasted into a field the user
// is not in is read, checked, corrected with a beep and a message where the
// rules say so, written back in canonical form and followed by a full refresh.
// Writing the canonical text is no edit of its own.

#include "rulemessagetexts.h"
#include "windowharness.h"

#include <QSignalBlocker>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace dryfriction::test {
namespace {

struct Edit {
    const char* field;
    const char* text;
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

double mass(const ProblemParameters& p) { return p.mass; }
double stiffness(const ProblemParameters& p) { return p.stiffness; }
double x0(const ProblemParameters& p) { return p.x0; }
double v0(const ProblemParameters& p) { return p.v0; }

class InputFieldTest : public ::testing::TestWithParam<InputCase> {};

TEST_P(InputFieldTest, ChecksCorrectsAndWritesBack)
{
    const InputCase& c = GetParam();
    WindowHarness h;
    for (const Edit& e : c.before)
        h.paste(e.field, QString::fromUtf8(e.text));
    h.log.clear();

    h.paste(c.edit.field, QString::fromUtf8(c.edit.text));

    EXPECT_EQ(h.log, c.log);
    for (const int f : h.tone.frequencies)
        EXPECT_EQ(f, 880);
    EXPECT_EQ(h.field(c.edit.field)->text(), QString::fromUtf8(c.fieldText));
    EXPECT_DOUBLE_EQ(c.parameter(h.parameters()), c.expected);
}

// The wiring of the rules into the window, one case of each kind; the rules
// themselves, every correction and text, are the model's table.
const std::vector<InputCase> kInputCases = {
    {"HugeMass", {}, {"massEdit", "1e999"},
     {kBeep, error("Масса должна быть от 0.000001 до 1000000 кг!")}, " .1", mass, 0.1},
    {"NegativeSpringNoBeep", {}, {"stiffnessEdit", "-5"}, {error(kNegativeSpring)}, " 40", stiffness, 40},
    {"ZeroV0InsideZone", {{"coordinateEdit", "1"}}, {"velocityEdit", "0"}, {kBeep, error(kStagnationV)}, " 1", v0,
     1},
    // Two messages: the sign, then (nested, on " .5") the stagnation zone.
    {"NegativeX0AtRestChains", {{"velocityEdit", "0"}}, {"coordinateEdit", "-0.5"},
     {kBeep, error(kSymmetric), error(kStagnationX)}, " 1.1", x0, 1.1},
};

INSTANTIATE_TEST_SUITE_P(Fields, InputFieldTest, ::testing::ValuesIn(kInputCases),
                         [](const auto& info) { return info.param.name; });

// Every accepted edit recomputes the characteristics and resets the results.
TEST(InputTyping, EditRefreshesCharacteristicsAndResults)
{
    WindowHarness h;
    QLabel* ao = h.label("amplitudeLabel");
    const QString before = ao->text();
    h.click(h.label("pathLabel"));
    ASSERT_NE(h.label("pathLabel")->text(), QStringLiteral("П_end="));

    h.paste("coordinateEdit", QStringLiteral("5"));
    EXPECT_NE(ao->text(), before);
    EXPECT_EQ(h.label("finalCoordinateLabel")->text(), QStringLiteral("X_end="));
    EXPECT_EQ(h.label("pathLabel")->text(), QStringLiteral("П_end="));
    EXPECT_GT(h.window->problem().characteristics().firstAmplitude, 0);
}

// An edit is applied once, however many passes its text takes: the
// chained correction's three passes, the comma's two, a plain value's one.
TEST(InputRewrite, AnEditIsAppliedOnceWhateverItsPasses)
{
    struct Case {
        const char* field;
        const char* text;
        const char* shown;
    };
    const Case cases[] = {
        {"coordinateEdit", "-0.5", " 1.1"},  // sign, then stagnation zone, then settled
        {"timeEdit", "12,5", " 12.5"},       // rewritten once
        {"massEdit", " 2", " 2"},            // already canonical
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        WindowHarness h;
        h.paste("velocityEdit", QStringLiteral("0"));
        QSignalSpy applied(&h.window->problem(), &ProblemState::changed);
        h.paste(c.field, QString::fromUtf8(c.text));
        EXPECT_EQ(applied.count(), 1);
        EXPECT_EQ(h.field(c.field)->text(), QString::fromUtf8(c.shown));
    }
}

// Writing a field's canonical text is not an edit: a refresh or a resize
// while a field holds another text for the same value (as the user may leave
// it) rewrites the text and neither reads it again nor applies anything. (A
// field the user is typing in is left alone; see the typing tests.)
TEST(InputRewrite, RefreshRewritesAFieldWithoutReadingIt)
{
    struct Case {
        const char* field;
        const char* held;       // another text of the value in force
        const char* canonical;  // what the window writes over it
    };
    const Case cases[] = {
        {"massEdit", "0.1", " .1"},     {"stiffnessEdit", "4e1", " 40"}, {"frictionEdit", "0.2", " .2"},
        {"coordinateEdit", "9.5", " 9.5"}, {"velocityEdit", "+6", " 6"},    {"timeEdit", "2e1", " 20"},
    };
    const std::function<void(WindowHarness&)> refreshes[] = {
        [](WindowHarness& h) { h.window->refresh(); },
        [](WindowHarness& h) { h.window->clientArea()->resize(700, 600); },
    };
    for (const Case& c : cases) {
        for (const auto& refresh : refreshes) {
            SCOPED_TRACE(c.field);
            WindowHarness h;
            QLineEdit* edit = h.field(c.field);
            {
                const QSignalBlocker quiet(edit);
                edit->setText(QString::fromUtf8(c.held));
            }
            const ProblemParameters before = h.parameters();
            QSignalSpy applied(&h.window->problem(), &ProblemState::changed);
            refresh(h);
            EXPECT_EQ(edit->text(), QString::fromUtf8(c.canonical));
            EXPECT_EQ(applied.count(), 0);
            EXPECT_TRUE(h.log.isEmpty()) << h.log.join('\n').toStdString();
            EXPECT_EQ(h.parameters(), before);
        }
    }
}

}  // namespace
}  // namespace dryfriction::test
