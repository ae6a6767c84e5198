// Closing the window, by its close box or Ctrl+Q: it asks first; a confirmed close ends the program
// through the exit service, exactly once, a run and the authors window with
// it; a declined one keeps everything as it was, a run going on to its end.

#include "runchecks.h"
#include "windowharness.h"

#include <QAction>
#include <QEventLoop>
#include <QSignalSpy>
#include <QTimer>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace dryfriction::test {
namespace {

const ShownMessage kQuestion{QStringLiteral("На Выход"), QStringLiteral("Вы абсолютно уверены?"), true};

struct CloseCase {
    std::string name;
    bool duringRun;
    bool confirmed;
    bool byCtrlQ = false;  // the key rather than the close box
};

void PrintTo(const CloseCase& c, std::ostream* os)
{
    *os << c.name;
}

class CloseTest : public ::testing::TestWithParam<CloseCase> {};

TEST_P(CloseTest, AsksOnceAndExitsOnlyWhenConfirmed)
{
    const CloseCase& c = GetParam();
    WindowHarness h;
    QSignalSpy finished(h.window.get(), &MainWindow::runFinished);
    h.child<QAction>("authorsAction")->trigger();
    QWidget* authors = h.window->authorsWindow();
    ASSERT_NE(authors, nullptr);
    if (c.duringRun) {
        h.click(h.startButton());
        h.clock.fireAll(100);
        ASSERT_TRUE(h.window->isRunning());
    }

    h.messages.answerYes = c.confirmed;
    if (c.byCtrlQ)
        QTest::keyClick(h.field("velocityEdit"), Qt::Key_Q, Qt::ControlModifier);
    else
        EXPECT_EQ(h.window->close(), c.confirmed);
    ASSERT_EQ(h.messages.shown.size(), 1U);
    EXPECT_EQ(h.messages.shown[0], kQuestion);
    EXPECT_EQ(h.exit.exits, c.confirmed ? 1 : 0);
    EXPECT_EQ(h.window->isVisible(), !c.confirmed);
    EXPECT_EQ(authors->isVisible(), !c.confirmed);
    EXPECT_EQ(h.window->isRunning(), c.duringRun && !c.confirmed);
    EXPECT_EQ(h.clock.isActive(), c.duringRun && !c.confirmed);

    if (c.duringRun && !c.confirmed) {
        // The run goes on to its end, the end beep and the results included.
        EXPECT_EQ(h.clock.fireAll(), kDefaultSamples - 100);
        EXPECT_EQ(h.label("pathLabel")->text(), QStringLiteral("П_end=6.271E+01"));
        EXPECT_EQ(h.tone.durations, std::vector<int>{600});
        EXPECT_EQ(finished.count(), 1);
    } else {
        // Stopped at once: no tick left to run on a closed window, no end.
        EXPECT_EQ(h.clock.fireAll(), 0);
        EXPECT_TRUE(h.tone.durations.empty());
        EXPECT_EQ(finished.count(), 0);
    }
    if (!c.confirmed) {
        EXPECT_EQ(h.label("frequencyLabel")->text(), QStringLiteral("w= 2.000E+01 рад/с"));
    }

    // Closing again: a window already leaving neither asks nor exits again;
    // one still open asks again.
    h.window->close();
    EXPECT_EQ(h.messages.shown.size(), c.confirmed ? 1U : 2U);
    EXPECT_EQ(h.exit.exits, c.confirmed ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Window, CloseTest,
                         ::testing::Values(CloseCase{"DeclinedAtRest", false, false},
                                           CloseCase{"ConfirmedAtRest", false, true},
                                           CloseCase{"DeclinedDuringARun", true, false},
                                           CloseCase{"ConfirmedDuringARun", true, true},
                                           CloseCase{"DeclinedByCtrlQDuringARun", true, false, true},
                                           CloseCase{"ConfirmedByCtrlQAtRest", false, true, true}),
                         [](const auto& info) { return info.param.name; });

// The window ends the program only through its exit service: after a
// confirmed close the event loop still runs, for the tests after it too.
TEST(Exit, ConfirmedCloseLeavesTheEventLoopToTheExitService)
{
    {
        WindowHarness h;
        h.messages.answerYes = true;
        ASSERT_TRUE(h.window->close());
        ASSERT_EQ(h.exit.exits, 1);
    }
    QEventLoop loop;
    QTimer::singleShot(0, &loop, [&loop] { loop.exit(7); });
    EXPECT_EQ(loop.exec(), 7);
}

}  // namespace
}  // namespace dryfriction::test
