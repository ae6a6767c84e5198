// Numbers typed key by key, the way students type them, through the real window
// and real key events. A number still being typed ("2.", "-", "1e-") stays as
// typed and changes nothing; each complete text is read, checked and written
// back at once; the next key lands where the user expects it.

#include "rulemessagetexts.h"
#include "windowharness.h"

#include <QFocusEvent>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace dryfriction::test {
namespace {

// What one key leaves behind.
struct Key {
    char key;
    const char* shown;  // the field's text
    double value;       // the field's parameter in force
    bool applied;       // whether the problem was recomputed
    QStringList log;    // the beeps and messages it caused
};

struct TypingCase {
    std::string name;
    const char* field;
    InputField parameter;
    std::vector<Key> keys;  // the first one types over the whole text
};

void PrintTo(const TypingCase& c, std::ostream* os)
{
    *os << c.name;
}

class TypingTest : public ::testing::TestWithParam<TypingCase> {};

TEST_P(TypingTest, EveryKeyLeavesTheExpectedFieldValueAndLog)
{
    const TypingCase& c = GetParam();
    WindowHarness h;
    QLineEdit* edit = h.field(c.field);
    edit->setFocus();
    edit->selectAll();
    QSignalSpy applied(&h.window->problem(), &ProblemState::changed);
    for (const Key& k : c.keys) {
        SCOPED_TRACE(std::string("after '") + k.key + "'");
        h.log.clear();
        applied.clear();
        QTest::keyClick(edit, k.key);
        EXPECT_EQ(edit->text(), QString::fromUtf8(k.shown));
        EXPECT_EQ(storedInput(c.parameter, h.parameters()), k.value);
        EXPECT_EQ(applied.count(), k.applied ? 1 : 0);
        EXPECT_EQ(h.log, k.log) << h.log.join('\n').toStdString();
    }
}

const std::vector<TypingCase> kTypingCases = {
    {"PointFive", "massEdit", InputField::Mass,
     {{'2', " 2", 2, true, {}}, {'.', " 2.", 2, false, {}}, {'5', " 2.5", 2.5, true, {}}}},
    {"TwelvePointFive", "stiffnessEdit", InputField::Stiffness,
     {{'1', " 1", 1, true, {}},
      {'2', " 12", 12, true, {}},
      {'.', " 12.", 12, false, {}},
      {'5', " 12.5", 12.5, true, {}}}},
    {"NegativeExponent", "massEdit", InputField::Mass,
     {{'1', " 1", 1, true, {}},
      {'e', " 1e", 1, false, {}},
      {'-', " 1e-", 1, false, {}},
      {'3', " .001", 0.001, true, {}}}},
    {"PositiveExponent", "timeEdit", InputField::Time,
     {{'2', " 2", 2, true, {}},
      {'e', " 2e", 2, false, {}},
      {'+', " 2e+", 2, false, {}},
      {'1', " 20", 20, true, {}}}},
    {"ExponentWithItsZero", "stiffnessEdit", InputField::Stiffness,
     {{'1', " 1", 1, true, {}},
      {'e', " 1e", 1, false, {}},
      {'-', " 1e-", 1, false, {}},
      {'0', " 1e-0", 1, false, {}},
      {'5', " .00001", 1e-5, true, {}}}},
    {"LeadingPoint", "frictionEdit", InputField::Friction,
     {{'.', ".", 0.2, false, {}}, {'2', " .2", 0.2, true, {}}, {'5', " .25", 0.25, true, {}}}},
    {"DecimalComma", "massEdit", InputField::Mass,
     {{'2', " 2", 2, true, {}}, {',', " 2,", 2, false, {}}, {'5', " 2.5", 2.5, true, {}}}},
    {"LeadingComma", "coordinateEdit", InputField::X0,
     {{',', ",", 9.5, false, {}}, {'5', " .5", 0.5, true, {}}}},
    {"ZeroAfterThePoint", "timeEdit", InputField::Time,
     {{'1', " 1", 1, true, {}},
      {'.', " 1.", 1, false, {}},
      {'0', " 1.0", 1, false, {}},
      {'5', " 1.05", static_cast<double>(1.05F), true, {}}}},
    {"NegativeVelocity", "velocityEdit", InputField::V0,
     {{'-', "-", 6, false, {}}, {'6', "-6", -6, true, {}}}},
    {"NegativeFraction", "velocityEdit", InputField::V0,
     {{'-', "-", 6, false, {}},
      {'0', "-0", 6, false, {}},
      {'.', "-0.", 6, false, {}},
      {'5', "-.5", -0.5, true, {}}}},
    // The symmetry message comes with the digit, not with the sign.
    {"NegativeCoordinate", "coordinateEdit", InputField::X0,
     {{'-', "-", 9.5, false, {}}, {'2', " 2", 2, true, {kBeep, error(kSymmetric)}}}},
    // A zero is a complete number: no friction at all is worth a word.
    {"ZeroFriction", "frictionEdit", InputField::Friction,
     {{'0', " .25", 0.25, true, {kBeep, error(kNoFriction)}}}},
};

INSTANTIATE_TEST_SUITE_P(Keys, TypingTest, ::testing::ValuesIn(kTypingCases),
                         [](const auto& info) { return info.param.name; });

// Keys typed inside a number stay where they were typed, also when the field is
// rewritten between them (the blank of " 19.5" comes before the 1).
TEST(TypingInside, KeysLandWhereTheCursorStood)
{
    struct Case {
        const char* field;
        InputField parameter;
        int cursor;  // in the start-up text
        const char* keys;
        const char* shown;
        double value;
    };
    const Case cases[] = {
        {"coordinateEdit", InputField::X0, 2, "12", " 912.5", 912.5},  // " 9|.5"
        {"coordinateEdit", InputField::X0, 0, "12", " 129.5", 129.5},  // "| 9.5"
        {"velocityEdit", InputField::V0, 0, "-1", "-16", -16},         // "| 6"
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        WindowHarness h;
        QLineEdit* edit = h.field(c.field);
        edit->setFocus();
        edit->setCursorPosition(c.cursor);
        QTest::keyClicks(edit, QString::fromUtf8(c.keys));
        EXPECT_EQ(edit->text(), QString::fromUtf8(c.shown));
        EXPECT_EQ(storedInput(c.parameter, h.parameters()), c.value);
        EXPECT_TRUE(h.log.isEmpty()) << h.log.join('\n').toStdString();
    }
}

// A number left unfinished is read as it stands once the user moves on (Tab,
// Enter, a click elsewhere), exactly as a complete text is.
TEST(TypingLeft, LeavingAFieldReadsWhatItHolds)
{
    enum class Leave { Tab, Enter, Click };
    struct Case {
        const char* field;
        InputField parameter;
        const char* keys;
        const char* held;  // what the field shows before the user leaves
        Leave leave;
        const char* shown;
        double value;
        QStringList log;
    };
    const Case cases[] = {
        {"massEdit", InputField::Mass, "2.", " 2.", Leave::Tab, " 2", 2, {}},
        {"frictionEdit", InputField::Friction, ".50", " .50", Leave::Tab, " .5", 0.5, {}},
        {"stiffnessEdit", InputField::Stiffness, "1e", " 1e", Leave::Enter, " 1", 1, {}},
        {"velocityEdit", InputField::V0, "-", "-", Leave::Enter, " 0", 0, {}},
        {"massEdit", InputField::Mass, "-", "-", Leave::Click, " .1", 0.1, {kBeep, error(kMass)}},
        {"frictionEdit", InputField::Friction, ",", ",", Leave::Click, " .25", 0.25,
         {kBeep, error(kNoFriction)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " " + c.keys);
        WindowHarness h;
        h.window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(h.window.get()));
        QLineEdit* edit = h.field(c.field);
        h.typeOver(c.field, QString::fromUtf8(c.keys));
        ASSERT_EQ(edit->text(), QString::fromUtf8(c.held));
        ASSERT_TRUE(h.log.isEmpty());

        switch (c.leave) {
        case Leave::Tab: QTest::keyClick(edit, Qt::Key_Tab); break;
        case Leave::Enter: QTest::keyClick(edit, Qt::Key_Return); break;
        case Leave::Click: QTest::mouseClick(h.field("timeEdit"), Qt::LeftButton); break;
        }
        if (c.leave != Leave::Enter) {
            EXPECT_FALSE(edit->hasFocus());
        }
        EXPECT_EQ(edit->text(), QString::fromUtf8(c.shown));
        EXPECT_EQ(storedInput(c.parameter, h.parameters()), c.value);
        EXPECT_EQ(h.log, c.log) << h.log.join('\n').toStdString();
    }
}

// Another window or a menu coming up is no leaving: the user comes back to
// the same keystroke.
TEST(TypingLeft, AnotherWindowOrAMenuKeepsTheNumberBeingTyped)
{
    const Qt::FocusReason reasons[] = {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason};
    for (const Qt::FocusReason reason : reasons) {
        SCOPED_TRACE(static_cast<int>(reason));
        WindowHarness h;
        QLineEdit* edit = h.field("massEdit");
        h.typeOver("massEdit", QStringLiteral("2."));
        QFocusEvent away(QEvent::FocusOut, reason);
        QCoreApplication::sendEvent(edit, &away);
        EXPECT_EQ(edit->text(), QStringLiteral(" 2."));
        QTest::keyClick(edit, '5');
        EXPECT_EQ(edit->text(), QStringLiteral(" 2.5"));
        EXPECT_EQ(h.parameters().mass, 2.5);
        EXPECT_TRUE(h.log.isEmpty()) << h.log.join('\n').toStdString();
    }
}

// A new window size in the middle of a number (the window maximised to show
// it on a projector) leaves the number as typed.
TEST(TypingLeft, AResizeKeepsTheNumberBeingTyped)
{
    WindowHarness h;
    QLineEdit* edit = h.field("massEdit");
    h.typeOver("massEdit", QStringLiteral("2."));
    h.window->resize(h.window->size() + QSize(200, 150));
    h.window->refresh();
    EXPECT_EQ(edit->text(), QStringLiteral(" 2."));
    QTest::keyClick(edit, '5');
    EXPECT_EQ(edit->text(), QStringLiteral(" 2.5"));
    EXPECT_EQ(h.parameters().mass, 2.5);
    EXPECT_TRUE(h.log.isEmpty()) << h.log.join('\n').toStdString();
}

// The run starts from what the fields show: a number left unfinished is read
// before the fields are locked.
TEST(TypingLeft, StartingARunReadsTheNumberBeingTyped)
{
    WindowHarness h;
    h.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(h.window.get()));
    h.typeOver("velocityEdit", QStringLiteral("-"));
    ASSERT_EQ(h.parameters().v0, 6);
    h.click(h.startButton());
    ASSERT_TRUE(h.window->isRunning());
    EXPECT_EQ(h.field("velocityEdit")->text(), QStringLiteral(" 0"));
    EXPECT_EQ(h.parameters().v0, 0);
    EXPECT_TRUE(h.log.isEmpty()) << h.log.join('\n').toStdString();
}

// Closing the program is no leaving of the field: a number being typed
// brings up no message while the window goes.
TEST(TypingLeft, ClosingTheWindowReadsNothing)
{
    WindowHarness h;
    h.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(h.window.get()));
    h.typeOver("massEdit", QStringLiteral("-"));
    h.messages.answerYes = true;
    h.window->close();
    h.window.reset();
    EXPECT_EQ(h.log, QStringList{QStringLiteral("На Выход: Вы абсолютно уверены?")});
}

}  // namespace
}  // namespace dryfriction::test
