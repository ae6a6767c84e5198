// Whole runs through the real window on the recording clock: every sample is
// computed and drawn, every pause requested, and the test fires the pauses.

#include "runchecks.h"
#include "windowharness.h"

#include "ui/text/captions.h"

#include "model/motion.h"

#include <QApplication>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <algorithm>

namespace dryfriction::test {
namespace {

const QString kRunCaption = QStringLiteral("При работе размер окна изменить нельзя!");

TEST(Run, DefaultRunOnTheRecordingClock)
{
    WindowHarness h;
    QSignalSpy finished(h.window.get(), &MainWindow::runFinished);
    h.click(h.startButton());

    // Started: one sample drawn, its pause requested, the window locked.
    EXPECT_TRUE(h.window->isRunning());
    ASSERT_EQ(h.clock.pauses.size(), 1U);
    EXPECT_EQ(h.window->windowTitle(), kRunCaption);
    EXPECT_TRUE(h.window->isVisible());
    EXPECT_TRUE(h.isLocked());
    for (const char* name : kFieldNames)
        EXPECT_FALSE(h.field(name)->isEnabled()) << name;
    EXPECT_TRUE(h.startButton()->isEnabled());
    EXPECT_EQ(h.startButton()->text(), QStringLiteral("СТОП"));
    EXPECT_EQ(h.startButton()->toolTip(), QStringLiteral("остановка установки (Esc)"));
    EXPECT_EQ(h.label("finalCoordinateLabel")->text(), QStringLiteral("X_end="));

    // The last pause is fired too: the end follows it.
    EXPECT_EQ(h.clock.fireAll(), kDefaultSamples);
    EXPECT_EQ(h.clock.pauses.size(), static_cast<size_t>(kDefaultSamples));
    EXPECT_TRUE(std::all_of(h.clock.pauses.begin(), h.clock.pauses.end(),
                            [](int ms) { return ms == 50; }));
    EXPECT_EQ(h.label("finalCoordinateLabel")->text(), QStringLiteral("X_end=-9.066E-01"));
    EXPECT_EQ(h.label("pathLabel")->text(), QStringLiteral("П_end=6.271E+01"));
    EXPECT_EQ(h.tone.durations, std::vector<int>{600});
    EXPECT_EQ(h.tone.frequencies, std::vector<int>{880});
    EXPECT_TRUE(h.messages.shown.empty());
    EXPECT_EQ(finished.count(), 1);
    expectIdle(h);
}

// A calculation time shorter than the time step still gives one sample, and
// its pause, before the end.
TEST(Run, ShortestRunHasOneSampleAndItsPause)
{
    WindowHarness h;
    h.paste("timeEdit", QStringLiteral("0.01"));
    h.click(h.startButton());
    EXPECT_EQ(h.clock.pauses, std::vector<int>{50});
    EXPECT_TRUE(h.window->isRunning());
    EXPECT_EQ(h.clock.fireAll(), 1);
    MotionRun run(h.parameters(), h.window->problem().characteristics());
    ASSERT_TRUE(run.next());
    ASSERT_TRUE(run.finished());
    EXPECT_EQ(h.label("finalCoordinateLabel")->text(), runFinalCoordinate(run.result().finalX, QStringLiteral(".")));
    EXPECT_EQ(h.label("pathLabel")->text(), runFinalPath(run.result().finalPath, QStringLiteral(".")));
    EXPECT_EQ(h.tone.durations, std::vector<int>{600});
    expectIdle(h);
}

TEST(Run, SlowdownChangedDuringARunGovernsTheNextPause)
{
    WindowHarness h;
    QScrollBar* scroll = h.slowdownBar();
    h.click(h.startButton());
    h.clock.fireAll(10);
    ASSERT_EQ(h.clock.pauses.size(), 11U);

    scroll->setValue(7);
    EXPECT_EQ(h.label("slowdownValue")->text(), QStringLiteral("7"));
    EXPECT_EQ(h.clock.pauses.back(), 50);  // the pause under way keeps its length
    h.clock.fire();
    EXPECT_EQ(h.clock.pauses.back(), 70);

    scroll->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(h.label("slowdownValue")->text(), QStringLiteral("1"));
    h.clock.fireAll();
    EXPECT_EQ(h.clock.pauses.size(), static_cast<size_t>(kDefaultSamples));
    EXPECT_EQ(std::count(h.clock.pauses.begin(), h.clock.pauses.end(), 50), 11);
    EXPECT_EQ(std::count(h.clock.pauses.begin(), h.clock.pauses.end(), 70), 1);
    EXPECT_EQ(std::count(h.clock.pauses.begin(), h.clock.pauses.end(), 10), kDefaultSamples - 12);
    EXPECT_EQ(h.window->slowdown(), 1);
    expectIdle(h);
}

TEST(Run, ViewsSwitchedDuringARunKeepTheirTraces)
{
    WindowHarness h;
    const std::vector<MotionSample> samples = defaultSamples(h);
    ASSERT_EQ(samples.size(), static_cast<size_t>(kDefaultSamples));
    CanvasWidget* coordinate = h.view("coordinateView");
    CanvasWidget* velocity = h.view("velocityView");
    const MotionSample& early = samples[100];
    const MotionSample& late = samples[500];
    const QColor red(255, 0, 0);
    const QColor blue(0, 0, 255);

    h.click(h.startButton());
    h.choose("coordinateOption");
    EXPECT_TRUE(coordinate->isVisible());
    h.clock.fireAll(300);
    EXPECT_EQ(pixelAt(coordinate, early.t, early.x), red);
    EXPECT_NE(pixelAt(coordinate, late.t, late.x), red);

    // Away to the velocity graph and the animation while the run goes on.
    h.choose("velocityOption");
    EXPECT_FALSE(coordinate->isVisible());
    h.clock.fireAll(150);
    h.choose("animationOption");
    h.clock.fireAll(150);
    EXPECT_EQ(pixelAt(velocity, early.t, early.vx), blue);

    h.choose("coordinateOption");
    EXPECT_EQ(pixelAt(coordinate, early.t, early.x), red);
    EXPECT_EQ(pixelAt(coordinate, late.t, late.x), red);
    h.clock.fireAll();
    EXPECT_EQ(pixelAt(coordinate, samples.back().t, samples.back().x), red);

    // A new run starts on cleared graphs.
    h.click(h.startButton());
    EXPECT_NE(pixelAt(coordinate, late.t, late.x), red);
    h.clock.fireAll();
}

// The window is locked during a run; a resize that reaches its client area
// all the same must not clear the graphs under the running traces.
TEST(Run, ResizeDuringARunKeepsTheTraces)
{
    WindowHarness h;
    const std::vector<MotionSample> samples = defaultSamples(h);
    CanvasWidget* coordinate = h.view("coordinateView");
    const MotionSample& early = samples[50];
    h.choose("coordinateOption");
    h.click(h.startButton());
    h.clock.fireAll(100);
    ASSERT_EQ(pixelAt(coordinate, early.t, early.x), QColor(255, 0, 0));

    h.window->resize(900, 700);  // refused by the lock
    EXPECT_TRUE(h.isLocked());
    h.window->clientArea()->resize(700, 600);  // forced through
    QApplication::processEvents();
    EXPECT_EQ(pixelAt(coordinate, early.t, early.x), QColor(255, 0, 0));
    EXPECT_EQ(h.label("finalCoordinateLabel")->text(), QStringLiteral("X_end="));

    EXPECT_EQ(h.clock.fireAll(), kDefaultSamples - 100);
    EXPECT_EQ(h.label("finalCoordinateLabel")->text(), QStringLiteral("X_end=-9.066E-01"));
    EXPECT_EQ(pixelAt(coordinate, early.t, early.x), QColor(255, 0, 0));
}

TEST(Results, ClicksShowTheAnalyticValues)
{
    WindowHarness h;
    QLabel* finalCoordinate = h.label("finalCoordinateLabel");
    QLabel* path = h.label("pathLabel");

    h.click(finalCoordinate);
    EXPECT_EQ(finalCoordinate->text(), QStringLiteral("|X_end|=9.066E-01"));
    EXPECT_EQ(path->text(), QStringLiteral("П_end="));

    h.window->refresh();
    ASSERT_EQ(finalCoordinate->text(), QStringLiteral("X_end="));
    h.click(path);
    EXPECT_EQ(finalCoordinate->text(), QStringLiteral("|X_end|=9.066E-01"));
    EXPECT_EQ(path->text(), QStringLiteral("П_end=6.271E+01"));

    // During a run too; the end writes the numerical values over them.
    h.click(h.startButton());
    h.clock.fireAll(20);
    h.click(finalCoordinate);
    EXPECT_EQ(finalCoordinate->text(), QStringLiteral("|X_end|=9.066E-01"));
    h.clock.fireAll();
    EXPECT_EQ(finalCoordinate->text(), QStringLiteral("X_end=-9.066E-01"));
    EXPECT_EQ(path->text(), QStringLiteral("П_end=6.271E+01"));

    // With Xo = 9.5 and Vo = 0 the load ends at 0.5 after a path of 45.
    h.paste("velocityEdit", QStringLiteral("0"));
    h.click(path);
    EXPECT_EQ(finalCoordinate->text(), QStringLiteral("|X_end|=5.000E-01"));
    EXPECT_EQ(path->text(), QStringLiteral("П_end=4.500E+01"));
}

}  // namespace
}  // namespace dryfriction::test
