// Numbers typed key by key, the way students type them, through the real window
// and real key events. While the user is in a field it shows exactly what was
// typed and every value the rules pass takes effect at once; what more keys may
// still mend (a zero, an empty field, the stagnation zone) waits until the field
// is left, and only then is the text checked and written back in canonical form.

#include "rulemessagetexts.h"
#include "windowharness.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace dryfriction::test {
namespace {

const QString kTooLong = error("Время расчета не должно превышать 10000!");

// A key by its name ("End", "Backspace", "Tab") or the one character it types,
// sent as a real key event; a Cyrillic letter comes with its text, as a Russian
// layout delivers it.
void press(QLineEdit* edit, const std::string& key)
{
    if (key == "End")
        QTest::keyClick(edit, Qt::Key_End);
    else if (key == "Backspace")
        QTest::keyClick(edit, Qt::Key_Backspace);
    else if (key == "Tab")
        QTest::keyClick(edit, Qt::Key_Tab);
    else if (key.size() == 1)
        QTest::keyClick(edit, key[0]);
    else
        typeText(edit, QString::fromStdString(key));
}

// What one key leaves behind.
struct Key {
    std::string key;
    const char* shown;  // the field's text
    double value;       // the field's parameter in force
    bool applied;       // whether the problem was recomputed
    QStringList log;    // the beeps and messages it caused
};

struct TypingCase {
    std::string name;
    std::vector<std::pair<const char*, const char*>> before;  // texts set first
    const char* field;
    InputField parameter;
    bool overWhole;         // the first key types over the whole text
    std::vector<Key> keys;  // the last one leaves the field (Tab)
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
    h.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(h.window.get()));
    for (const auto& [name, text] : c.before)
        h.paste(name, QString::fromUtf8(text));
    QLineEdit* edit = h.field(c.field);
    edit->setFocus();
    if (c.overWhole)
        edit->selectAll();
    QSignalSpy applied(&h.window->problem(), &ProblemState::changed);
    for (const Key& k : c.keys) {
        SCOPED_TRACE("after " + k.key);
        h.log.clear();
        applied.clear();
        press(edit, k.key);
        EXPECT_EQ(edit->text(), QString::fromUtf8(k.shown));
        EXPECT_EQ(storedInput(c.parameter, h.parameters()), k.value);
        EXPECT_EQ(applied.count(), k.applied ? 1 : 0);
        EXPECT_EQ(h.log, k.log) << h.log.join('\n').toStdString();
    }
    EXPECT_FALSE(edit->hasFocus());
}

const std::vector<TypingCase> kTypingCases = {
    // A value nobody typed used to come of each of these: the zero, the empty
    // field or the stagnation zone was judged at once, corrected, and the keys
    // that followed were appended to the correction.
    {"MassFromZero", {}, "massEdit", InputField::Mass, true,
     {{"0", "0", 0.1, false, {}}, {".", "0.", 0.1, false, {}}, {"2", "0.2", 0.2, true, {}},
      {"5", "0.25", 0.25, true, {}}, {"Tab", " .25", 0.25, true, {}}}},
    {"StiffnessFromZero", {}, "stiffnessEdit", InputField::Stiffness, true,
     {{"0", "0", 40, false, {}}, {".", "0.", 40, false, {}}, {"5", "0.5", 0.5, true, {}},
      {"Tab", " .5", 0.5, true, {}}}},
    {"FrictionFromZero", {}, "frictionEdit", InputField::Friction, true,
     {{"0", "0", 0.2, false, {}}, {".", "0.", 0.2, false, {}}, {"3", "0.3", 0.3, true, {}},
      {"Tab", " .3", 0.3, true, {}}}},
    {"TimeFromZero", {}, "timeEdit", InputField::Time, true,
     {{"0", "0", 20, false, {}}, {".", "0.", 20, false, {}}, {"5", "0.5", 0.5, true, {}},
      {"Tab", " .5", 0.5, true, {}}}},
    {"TimeErasedAndRetyped", {}, "timeEdit", InputField::Time, false,
     {{"End", " 20", 20, false, {}}, {"Backspace", " 2", 2, true, {}}, {"Backspace", " ", 2, false, {}},
      {"5", " 5", 5, true, {}}, {"Tab", " 5", 5, true, {}}}},
    {"CoordinateOutOfTheZone", {{"velocityEdit", "0"}}, "coordinateEdit", InputField::X0, true,
     {{"1", "1", 9.5, false, {}}, {".", "1.", 9.5, false, {}}, {"5", "1.5", 1.5, true, {}},
      {"Tab", " 1.5", 1.5, true, {}}}},
    {"VelocityOutOfTheZone", {{"coordinateEdit", ".5"}}, "velocityEdit", InputField::V0, true,
     {{"0", "0", 6, false, {}}, {".", "0.", 6, false, {}}, {"5", "0.5", 0.5, true, {}},
      {"Tab", " .5", 0.5, true, {}}}},
    // The range check stays at once, on the text as typed; its correction is
    // selected, so the next key starts a new number, which waits like any zero.
    {"TimeExponentBeyondTheRange", {}, "timeEdit", InputField::Time, true,
     {{"1", "1", 1, true, {}}, {"e", "1e", 1, true, {}}, {"4", "1e4", 10000, true, {}},
      {"0", " 40", 40, true, {kBeep, kTooLong}}, {"0", "0", 40, false, {}},
      {"Tab", " 40", 40, true, {kBeep, error(kTime)}}}},
    // The keys a Russian layout has where "." and "," are type the point; any
    // other key that cannot be part of a number is refused with the beep.
    {"RussianLayoutPoint", {}, "coordinateEdit", InputField::X0, true,
     {{"9", "9", 9, true, {}}, {"ю", "9.", 9, true, {}}, {"5", "9.5", 9.5, true, {}},
      {"Tab", " 9.5", 9.5, true, {}}}},
    {"RussianLayoutCommaKey", {}, "frictionEdit", InputField::Friction, true,
     {{"Б", ".", 0.2, false, {}}, {"3", ".3", 0.3, true, {}}, {"Tab", " .3", 0.3, true, {}}}},
    {"LettersRefused", {}, "coordinateEdit", InputField::X0, true,
     {{"9", "9", 9, true, {}}, {"х", "9", 9, false, {kBeep}}, {"x", "9", 9, false, {kBeep}},
      {"/", "9", 9, false, {kBeep}}, {".", "9.", 9, true, {}}, {"5", "9.5", 9.5, true, {}},
      {"Tab", " 9.5", 9.5, true, {}}}},
    {"DecimalComma", {}, "massEdit", InputField::Mass, true,
     {{"2", "2", 2, true, {}}, {",", "2,", 2, true, {}}, {"5", "2,5", 2.5, true, {}},
      {"Tab", " 2.5", 2.5, true, {}}}},
    {"NegativeExponent", {}, "massEdit", InputField::Mass, true,
     {{"1", "1", 1, true, {}}, {"e", "1e", 1, true, {}}, {"-", "1e-", 1, true, {}},
      {"3", "1e-3", 0.001, true, {}}, {"Tab", " .001", 0.001, true, {}}}},
    {"ExponentWithItsZero", {}, "stiffnessEdit", InputField::Stiffness, true,
     {{"1", "1", 1, true, {}}, {"e", "1e", 1, true, {}}, {"-", "1e-", 1, true, {}},
      {"0", "1e-0", 1, true, {}}, {"5", "1e-05", 1e-5, true, {}}, {"Tab", " .00001", 1e-5, true, {}}}},
    {"ZeroAfterThePoint", {}, "timeEdit", InputField::Time, true,
     {{"1", "1", 1, true, {}}, {".", "1.", 1, true, {}}, {"0", "1.0", 1, true, {}},
      {"5", "1.05", static_cast<double>(1.05F), true, {}}, {"Tab", " 1.05", static_cast<double>(1.05F), true, {}}}},
    {"NegativeFraction", {}, "velocityEdit", InputField::V0, true,
     {{"-", "-", 6, false, {}}, {"0", "-0", 0, true, {}}, {".", "-0.", 0, true, {}},
      {"5", "-0.5", -0.5, true, {}}, {"Tab", "-.5", -0.5, true, {}}}},
    // A sign no key can mend is judged with the digit; the next key starts anew.
    {"NegativeCoordinate", {}, "coordinateEdit", InputField::X0, true,
     {{"-", "-", 9.5, false, {}}, {"2", " 2", 2, true, {kBeep, error(kSymmetric)}},
      {"5", "5", 5, true, {}}, {"Tab", " 5", 5, true, {}}}},
    {"NegativeFriction", {}, "frictionEdit", InputField::Friction, true,
     {{"-", "-", 0.2, false, {}}, {"3", " .25", 0.25, true, {error(kNegativeFriction)}},
      {"Tab", " .25", 0.25, false, {}}}},
    // Left as they stand, a zero and an empty field get the message they always had.
    {"ZeroFrictionLeft", {}, "frictionEdit", InputField::Friction, true,
     {{"0", "0", 0.2, false, {}}, {"Tab", " .25", 0.25, true, {kBeep, error(kNoFriction)}}}},
    {"EmptyMassLeft", {}, "massEdit", InputField::Mass, true,
     {{"Backspace", "", 0.1, false, {}}, {"Tab", " .1", 0.1, true, {kBeep, error(kMass)}}}},
    {"InsideTheZoneLeft", {{"velocityEdit", "0"}}, "coordinateEdit", InputField::X0, true,
     {{"1", "1", 9.5, false, {}}, {"Tab", " 1.1", 1.1, true, {error(kStagnationX)}}}},
};

INSTANTIATE_TEST_SUITE_P(Keys, TypingTest, ::testing::ValuesIn(kTypingCases),
                         [](const auto& info) { return info.param.name; });

// Keys typed inside a number stay where they were typed, and the value is read
// with the blank wherever it stands.
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
        {"coordinateEdit", InputField::X0, 0, "12", "12 9.5", 129.5},  // "| 9.5"
        {"velocityEdit", InputField::V0, 0, "-1", "-1 6", -16},         // "| 6"
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

// What the field holds is read, checked and written back once the user moves
// on: Tab, Enter, a click elsewhere.
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
        {"massEdit", InputField::Mass, "2.", "2.", Leave::Tab, " 2", 2, {}},
        {"frictionEdit", InputField::Friction, ".50", ".50", Leave::Tab, " .5", 0.5, {}},
        {"stiffnessEdit", InputField::Stiffness, "1e", "1e", Leave::Enter, " 1", 1, {}},
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
        EXPECT_EQ(edit->text(), QStringLiteral("2."));
        QTest::keyClick(edit, '5');
        EXPECT_EQ(edit->text(), QStringLiteral("2.5"));
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
    EXPECT_EQ(edit->text(), QStringLiteral("2."));
    QTest::keyClick(edit, '5');
    EXPECT_EQ(edit->text(), QStringLiteral("2.5"));
    EXPECT_EQ(h.parameters().mass, 2.5);
    EXPECT_TRUE(h.log.isEmpty()) << h.log.join('\n').toStdString();
}

// The run starts from what the fields show: the text being typed is read
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

// A text set whole into the field the user is in, as a screen reader sets it,
// is typing too: checked when the field is left, with the message it always
// had. Set into a field the user is not in, it is checked at once.
TEST(TypingWhole, TextSetByAScreenReaderIsCheckedWhenTheFieldIsLeft)
{
    WindowHarness h;
    h.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(h.window.get()));
    QLineEdit* friction = h.field("frictionEdit");
    friction->setFocus();
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(friction);
    ASSERT_NE(reader, nullptr);
    reader->setText(QAccessible::Value, QStringLiteral("0"));
    EXPECT_EQ(friction->text(), QStringLiteral("0"));
    EXPECT_EQ(h.parameters().friction, 0.2);
    EXPECT_TRUE(h.log.isEmpty()) << h.log.join('\n').toStdString();
    QTest::keyClick(friction, Qt::Key_Tab);
    EXPECT_EQ(friction->text(), QStringLiteral(" .25"));
    EXPECT_EQ(h.parameters().friction, 0.25);
    EXPECT_EQ(h.log, (QStringList{kBeep, error(kNoFriction)}));

    h.log.clear();
    QAccessible::queryAccessibleInterface(h.field("massEdit"))->setText(QAccessible::Value, QStringLiteral("0,5"));
    EXPECT_EQ(h.field("massEdit")->text(), QStringLiteral(" .5"));
    EXPECT_EQ(h.parameters().mass, 0.5);
    EXPECT_TRUE(h.log.isEmpty()) << h.log.join('\n').toStdString();
}

// The focus can move while the window is not active (another window in
// front, a message box without a window manager), and then the field left
// hears nothing: the field that has the focus when the window comes back
// completes the one left behind.
TEST(TypingWhole, TurningToAnotherFieldCompletesTheOneLeftBehind)
{
    WindowHarness h;
    h.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(h.window.get()));
    QLineEdit* time = h.field("timeEdit");
    time->setFocus();
    time->selectAll();
    QTest::keyClick(time, '0');
    ASSERT_EQ(time->text(), QStringLiteral("0"));

    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    h.field("velocityEdit")->setFocus();
    EXPECT_EQ(time->text(), QStringLiteral("0"));
    EXPECT_TRUE(h.log.isEmpty()) << h.log.join('\n').toStdString();

    h.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(h.window.get()));
    EXPECT_TRUE(h.field("velocityEdit")->hasFocus());
    EXPECT_EQ(time->text(), QStringLiteral(" 40"));
    EXPECT_EQ(h.parameters().duration, 40.0F);
    EXPECT_EQ(h.log, (QStringList{kBeep, error(kTime)}));
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
