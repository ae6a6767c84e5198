// The window by keyboard alone: Tab reaches every control, the arrow keys
// change the slowdown, Enter or Space on a result shows its analytic value.

#include "windowharness.h"

#include <QApplication>
#include <QShortcut>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <string>

namespace dryfriction::test {
namespace {

// The window has the keyboard: keys go where its focus is.
void activate(const WindowHarness& h)
{
    h.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(h.window.get()));
}

void press(Qt::Key key)
{
    QWidget* target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr);
    QTest::keyClick(target, key);
}

// The controls Tab visits from the start button until it comes back to it.
QStringList tabCycle(const WindowHarness& h)
{
    h.startButton()->setFocus();
    QStringList visited;
    for (int i = 0; i < 40; ++i) {
        press(Qt::Key_Tab);
        const QWidget* focus = QApplication::focusWidget();
        if (focus == nullptr || focus == h.startButton())
            break;
        visited << focus->objectName();
    }
    return visited;
}

// At rest Tab passes the pause button (hidden) and the time slider (disabled)
// by; the design tests hold their place in the chain.
TEST(Keyboard, TabReachesTheSlowdownAndTheResultsAfterTheExistingOrder)
{
    WindowHarness h;
    activate(h);
    EXPECT_EQ(tabCycle(h).join(' ').toStdString(), std::string("massEdit stiffnessEdit frictionEdit coordinateEdit "
                                                     "velocityEdit timeEdit animationOption slowdownBar "
                                                     "finalCoordinateLabel pathLabel"));

    // With a graph shown the slowdown bar is hidden, and Tab passes it by.
    h.choose("coordinateOption");
    EXPECT_EQ(tabCycle(h).join(' ').toStdString(), std::string("massEdit stiffnessEdit frictionEdit coordinateEdit "
                                                     "velocityEdit timeEdit coordinateOption "
                                                     "finalCoordinateLabel pathLabel"));
}

TEST(Keyboard, ArrowKeysChangeTheSlowdownAndWhatItShows)
{
    WindowHarness h;
    activate(h);
    h.startButton()->setFocus();
    for (int i = 0; i < 8; ++i)
        press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), h.slowdownBar());

    const struct {
        Qt::Key key;
        int slowdown;
    } steps[] = {{Qt::Key_Right, 6}, {Qt::Key_Right, 7}, {Qt::Key_Left, 6}, {Qt::Key_Home, 1},
                 {Qt::Key_Left, 1},  {Qt::Key_End, 9},   {Qt::Key_Right, 9}, {Qt::Key_Left, 8},
                 {Qt::Key_Down, 7},  {Qt::Key_Up, 8}};
    for (const auto& step : steps) {
        press(step.key);
        EXPECT_EQ(h.window->slowdown(), step.slowdown) << step.key;
        EXPECT_EQ(h.slowdownBar()->value(), step.slowdown) << step.key;
        EXPECT_EQ(h.label("slowdownValue")->text(), QString::number(step.slowdown)) << step.key;
    }

    // During a run the key governs the pause after the next sample.
    h.click(h.startButton());
    h.clock.fireAll(3);
    h.slowdownBar()->setFocus();
    press(Qt::Key_Left);
    EXPECT_EQ(h.clock.pauses.back(), 80);
    h.clock.fire();
    EXPECT_EQ(h.clock.pauses.back(), 70);
    h.clock.fireAll();
}

// P, the same key on a Russian layout (З) and the Pause key reach the pause
// from every control that can have the focus, during a run as at rest, each
// press once. On a Russian layout with a Latin group the key reads as both
// letters, which Qt reports as an ambiguous press: it counts the same.
TEST(Keyboard, PauseKeysWorkWhereverTheFocusIs)
{
    WindowHarness h;
    activate(h);
    auto* shortcut = h.child<QShortcut>("pauseShortcut");
    QSignalSpy pressed(shortcut, &QShortcut::activated);
    QSignalSpy ambiguous(shortcut, &QShortcut::activatedAmbiguously);
    // The key as each layout delivers it: its Qt key and its text.
    const struct {
        Qt::Key key;
        QString text;
    } keys[] = {{Qt::Key_P, QStringLiteral("p")},
                {Qt::Key(0x0417), QStringLiteral("з")},
                {Qt::Key_Pause, QString()}};

    auto pressEach = [&](QWidget* focus) {
        SCOPED_TRACE(focus->objectName().toStdString());
        focus->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), focus);
        for (const auto& k : keys) {
            pressed.clear();
            ambiguous.clear();
            QTest::sendKeyEvent(QTest::Press, focus, k.key, k.text, Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, focus, k.key, k.text, Qt::NoModifier);
            EXPECT_EQ(pressed.size() + ambiguous.size(), 1) << k.key;
        }
    };
    for (QWidget* focus : std::initializer_list<QWidget*>{
             h.startButton(), h.child<QWidget>("animationOption"), h.slowdownBar(), h.label("pathLabel")})
        pressEach(focus);
    // Running, the fields are locked and the start button stops the run.
    h.click(h.startButton());
    ASSERT_TRUE(h.window->isRunning());
    pressEach(h.startButton());
    pressEach(h.slowdownBar());
    h.clock.fireAll();
}

TEST(Keyboard, EnterOrSpaceOnAResultShowsItsAnalyticValue)
{
    const struct {
        const char* label;
        Qt::Key key;
        const char* finalCoordinate;
        const char* path;
    } rows[] = {
        {"finalCoordinateLabel", Qt::Key_Return, "|X_end|=9.066E-01", "П_end="},
        {"finalCoordinateLabel", Qt::Key_Space, "|X_end|=9.066E-01", "П_end="},
        {"pathLabel", Qt::Key_Enter, "|X_end|=9.066E-01", "П_end=6.271E+01"},
        {"pathLabel", Qt::Key_Space, "|X_end|=9.066E-01", "П_end=6.271E+01"},
        // Other keys show nothing.
        {"pathLabel", Qt::Key_A, "X_end=", "П_end="},
        {"finalCoordinateLabel", Qt::Key_Down, "X_end=", "П_end="},
    };
    WindowHarness h;
    activate(h);
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.label) + " " + std::to_string(row.key));
        h.window->refresh();
        ASSERT_EQ(h.label("finalCoordinateLabel")->text(), QStringLiteral("X_end="));
        h.label(row.label)->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), h.label(row.label));
        press(row.key);
        EXPECT_EQ(h.label("finalCoordinateLabel")->text(), QString::fromUtf8(row.finalCoordinate));
        EXPECT_EQ(h.label("pathLabel")->text(), QString::fromUtf8(row.path));
    }
}

// A result label with the focus looks different: a frame inside its border,
// gone again when the focus leaves; so does the slowdown bar. A mouse click
// on a result shows the value without taking the focus.
TEST(Keyboard, ResultLabelShowsWhenItHasTheFocus)
{
    WindowHarness h;
    activate(h);
    QLabel* path = h.label("pathLabel");
    const QImage unfocused = path->grab().toImage();
    path->setFocus();
    const QImage focused = path->grab().toImage();
    ASSERT_EQ(focused.size(), unfocused.size());
    // A frame all around the inside: changed pixels along each of the four
    // sides, not a speck somewhere.
    const int w = focused.width();
    const int ht = focused.height();
    int top = 0, bottom = 0, left = 0, right = 0;
    for (int y = 0; y < ht; ++y) {
        for (int x = 0; x < w; ++x) {
            if (focused.pixel(x, y) == unfocused.pixel(x, y))
                continue;
            top += y < ht / 4;
            bottom += y >= ht * 3 / 4;
            left += x < w / 8;
            right += x >= w * 7 / 8;
        }
    }
    EXPECT_GT(top, w / 4);
    EXPECT_GT(bottom, w / 4);
    EXPECT_GT(left, ht / 4);
    EXPECT_GT(right, ht / 4);
    // Inside the border, not on it: the corners are untouched.
    EXPECT_EQ(focused.pixel(0, 0), unfocused.pixel(0, 0));
    EXPECT_EQ(focused.pixel(w - 1, ht - 1), unfocused.pixel(w - 1, ht - 1));

    h.startButton()->setFocus();
    EXPECT_TRUE(path->grab().toImage() == unfocused);

    // The slowdown bar marks its thumb the same way.
    const QImage bar = h.slowdownBar()->grab().toImage();
    h.slowdownBar()->setFocus();
    EXPECT_FALSE(h.slowdownBar()->grab().toImage() == bar);

    h.startButton()->setFocus();

    h.click(h.label("finalCoordinateLabel"));
    EXPECT_EQ(QApplication::focusWidget(), h.startButton());
}

}  // namespace
}  // namespace dryfriction::test
