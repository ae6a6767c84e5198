// A run stopped by the user, and a run that ended, at a new window size: the
// start button stops a run (and so does Esc), the traces drawn stay, and a
// resize draws them again at the new size with their results.

#include "runchecks.h"
#include "windowharness.h"

#include "ui/text/captions.h"

#include "model/motion.h"

#include <QApplication>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace dryfriction::test {
namespace {

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);

// Whether the point lies under a text, which stays on top of the trace.
bool underText(CanvasWidget* w, double t, double y)
{
    const std::vector<QRectF> boxes = w->canvas().textBoxes();
    const QPointF p = w->canvas().toPixel(t, y);
    return std::any_of(boxes.begin(), boxes.end(), [&](const QRectF& box) { return box.contains(p); });
}

// Samples 1 .. count (1-based) whose trace pixel does not show the trace's
// colour, on the coordinate and the velocity graph, where no text lies over
// it; every fifth sample is looked at.
int tracedSamples(const WindowHarness& h, const std::vector<MotionSample>& samples, std::size_t count)
{
    CanvasWidget* coordinate = h.view("coordinateView");
    CanvasWidget* velocity = h.view("velocityView");
    int missing = 0;
    for (std::size_t n = 0; n < count; n += 5) {
        const MotionSample& s = samples[n];
        missing += !underText(coordinate, s.t, s.x) && pixelAt(coordinate, s.t, s.x) != kRed;
        missing += !underText(velocity, s.t, s.vx) && pixelAt(velocity, s.t, s.vx) != kBlue;
    }
    return missing;
}

void activate(const WindowHarness& h)
{
    h.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(h.window.get()));
}

// However it is stopped, the run ends at once where it was: no sample after
// it, the results of its last sample, the window and the fields free again,
// and no end beep, which belongs to a run that went to its end.
TEST(RunStop, ClickOrEscEndsTheRunAtItsLastSample)
{
    const struct {
        const char* name;
        std::function<void(const WindowHarness&)> stop;
    } ways[] = {
        {"click", [](const WindowHarness& h) { h.click(h.startButton()); }},
        {"space on the button",
         [](const WindowHarness& h) {
             h.startButton()->setFocus();
             QTest::keyClick(h.startButton(), Qt::Key_Space);
         }},
        {"Esc on the button",
         [](const WindowHarness& h) {
             h.startButton()->setFocus();
             QTest::keyClick(h.startButton(), Qt::Key_Escape);
         }},
        {"Esc on the slowdown bar",
         [](const WindowHarness& h) {
             h.slowdownBar()->setFocus();
             QTest::keyClick(h.slowdownBar(), Qt::Key_Escape);
         }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        WindowHarness h;
        activate(h);
        h.choose("coordinateOption");
        const std::vector<MotionSample> samples = defaultSamples(h);
        QSignalSpy ended(h.window.get(), &MainWindow::runFinished);
        h.click(h.startButton());
        h.clock.fireAll(299);  // 300 samples taken
        ASSERT_EQ(h.clock.pauses.size(), 300U);

        way.stop(h);
        expectIdle(h);
        EXPECT_EQ(h.clock.fire(), false);
        EXPECT_EQ(h.clock.pauses.size(), 300U);
        EXPECT_EQ(ended.count(), 1);
        EXPECT_TRUE(h.tone.durations.empty());
        // The results are those of the last sample, at its time 7.53.
        ASSERT_FLOAT_EQ(samples[299].t, 7.5273013F);
        EXPECT_EQ(h.label("finalCoordinateLabel")->text(), QStringLiteral("X(7.53)=5.561E+00"));
        EXPECT_EQ(h.label("pathLabel")->text(), QStringLiteral("П(7.53)=3.950E+01"));
        // What was drawn stays; nothing after the last sample was drawn.
        EXPECT_EQ(tracedSamples(h, samples, 300), 0);
        EXPECT_NE(pixelAt(h.view("coordinateView"), samples[500].t, samples[500].x), kRed);

        // Esc at rest does nothing; the button starts a fresh run on cleared graphs.
        h.startButton()->setFocus();
        QTest::keyClick(h.startButton(), Qt::Key_Escape);
        EXPECT_FALSE(h.window->isRunning());
        h.click(h.startButton());
        EXPECT_TRUE(h.window->isRunning());
        EXPECT_NE(pixelAt(h.view("coordinateView"), samples[200].t, samples[200].x), kRed);
        EXPECT_EQ(h.label("finalCoordinateLabel")->text(), QStringLiteral("X_end="));
        EXPECT_EQ(h.clock.fireAll(), kDefaultSamples);
        EXPECT_EQ(h.tone.durations, std::vector<int>{600});
    }
}

// A click on a stopped run's result compares it with the closed form at the
// stop time, not at the end of the motion; the results fit their labels with
// every stop time a run can have. A run that ends keeps its end captions.
TEST(RunStop, ResultsAndTheirClosedFormHoldAtTheStopTime)
{
    WindowHarness h;
    h.click(h.startButton());
    h.clock.fireAll(299);
    h.click(h.startButton());
    ASSERT_FALSE(h.window->isRunning());
    QLabel* coordinate = h.label("finalCoordinateLabel");
    QLabel* path = h.label("pathLabel");
    const QString endTip = QStringLiteral("Конечная координата ( численно). Нажмите для аналитического расчёта");
    const QString stopTip =
        QStringLiteral("Координата в момент остановки (численно). Нажмите для аналитического расчёта");
    EXPECT_EQ(coordinate->toolTip(), stopTip);
    EXPECT_EQ(coordinate->accessibleDescription(), stopTip);
    EXPECT_EQ(path->toolTip(), QStringLiteral("Путь к моменту остановки (численно). Нажмите для аналитического расчёта"));
    h.click(coordinate);
    EXPECT_EQ(coordinate->text(), QStringLiteral("|X(7.53)|=5.561E+00"));
    EXPECT_EQ(path->text(), QStringLiteral("П(7.53)=3.950E+01"));
    h.click(path);
    EXPECT_EQ(coordinate->text(), QStringLiteral("|X(7.53)|=5.561E+00"));
    EXPECT_EQ(path->text(), QStringLiteral("П(7.53)=3.950E+01"));
    // Stopped where the coordinate is negative: the closed form gives its distance.
    h.click(h.startButton());
    h.clock.fireAll(119);
    h.click(h.startButton());
    EXPECT_EQ(coordinate->text(), QStringLiteral("X(3.00)=-6.990E+00"));
    EXPECT_EQ(path->text(), QStringLiteral("П(3.00)=1.968E+01"));
    h.click(coordinate);
    EXPECT_EQ(coordinate->text(), QStringLiteral("|X(3.00)|=6.990E+00"));

    // The longest captions in the labels at the initial size, with either separator.
    for (const QString& dp : {QStringLiteral("."), QStringLiteral(",")}) {
        for (const float t : {9.99F, 99.9F, 999.9F, 9999.4F}) {
            const QString texts[] = {stoppedCoordinate(-8.888e-88, t, dp), analyticCoordinateAt(8.888e-88, t, dp),
                                     stoppedPath(8.888e+88, t, dp)};
            for (const QString& text : texts) {
                EXPECT_LE(coordinate->fontMetrics().horizontalAdvance(text), coordinate->contentsRect().width())
                    << text.toStdString();
            }
        }
    }

    h.click(h.startButton());
    h.clock.fireAll();
    EXPECT_EQ(coordinate->text(), QStringLiteral("X_end=-9.066E-01"));
    EXPECT_EQ(coordinate->toolTip(), endTip);
    EXPECT_EQ(coordinate->accessibleDescription(), endTip);
    h.click(path);
    EXPECT_EQ(coordinate->text(), QStringLiteral("|X_end|=9.066E-01"));
}

// After a run, ended or stopped, a new size shows the same run: its traces
// along the closed-form curve at the new scale, its results, its load where
// it stopped; at once, without a pause.
TEST(RunResize, ANewSizeDrawsTheEndedRunAgain)
{
    const struct {
        const char* name;
        int samplesBeforeStop;  // 0: the run goes to its end
        QSize client;
    } rows[] = {
        {"ended, full HD", 0, {1920, 1080}},
        {"ended, smaller", 0, {500, 450}},
        {"stopped, full HD", 300, {1920, 1080}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        WindowHarness h;
        const std::vector<MotionSample> samples = defaultSamples(h);
        h.click(h.startButton());
        if (row.samplesBeforeStop > 0) {
            h.clock.fireAll(row.samplesBeforeStop - 1);
            h.click(h.startButton());
        } else {
            h.clock.fireAll();
        }
        const std::size_t drawn = row.samplesBeforeStop > 0 ? row.samplesBeforeStop : samples.size();
        const QString coordinate = h.label("finalCoordinateLabel")->text();
        const QString path = h.label("pathLabel")->text();
        const std::size_t pauses = h.clock.pauses.size();
        ASSERT_NE(coordinate, QStringLiteral("X_end="));

        h.window->clientArea()->resize(row.client);
        QApplication::processEvents();
        CanvasWidget* graph = h.view("coordinateView");
        ASSERT_EQ(graph->canvas().logicalSize().width(), h.view("animationView")->canvas().logicalSize().width());
        ASSERT_EQ(graph->size().width(), row.client.width() - 20);

        EXPECT_EQ(tracedSamples(h, samples, drawn), 0);
        if (drawn < samples.size()) {
            EXPECT_NE(pixelAt(graph, samples[500].t, samples[500].x), kRed);
        }
        EXPECT_EQ(h.label("finalCoordinateLabel")->text(), coordinate);
        EXPECT_EQ(h.label("pathLabel")->text(), path);
        EXPECT_EQ(h.clock.pauses.size(), pauses);
        EXPECT_FALSE(h.clock.isActive());

        // The load at the last sample the run took.
        const std::optional<SetupPlacement>& load = h.view("animationView")->setup();
        ASSERT_TRUE(load.has_value());
        EXPECT_DOUBLE_EQ(load->loadLeft + load->loadWidth / 2, samples[drawn - 1].x);
        EXPECT_NEAR(load->loadWidth, h.view("animationView")->canvas().userWidth(25), 1e-9);

        // A second resize draws it once more, not twice over.
        h.window->clientArea()->resize(MainWindow::kClientWidth, MainWindow::kClientHeight);
        EXPECT_EQ(tracedSamples(h, samples, drawn), 0);
        EXPECT_EQ(h.label("pathLabel")->text(), path);
    }
}

// A window manager that ignores the lock resizes the window during a run:
// the run goes on undisturbed, and when it ends, stopped or not, the window
// is laid out for its new size, as if it had been resized after the run.
TEST(RunResize, AResizeDuringARunIsLaidOutWhenTheRunEnds)
{
    for (const int stopAfter : {0, 300}) {
        SCOPED_TRACE(stopAfter == 0 ? "ended" : "stopped");
        const auto runAndMaybeStop = [stopAfter](WindowHarness& h) {
            if (stopAfter == 0) {
                h.clock.fireAll();
            } else {
                h.clock.fireAll(stopAfter - 101);
                h.click(h.startButton());
            }
        };
        WindowHarness h;
        h.choose("coordinateOption");
        h.click(h.startButton());
        h.clock.fireAll(99);
        ASSERT_TRUE(h.isLocked());
        h.window->setMinimumSize(0, 0);
        h.window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        h.window->resize(h.window->size() + QSize(260, 180));
        h.window->setFixedSize(h.window->size());
        QApplication::processEvents();
        const QSize client = h.window->clientArea()->size();
        ASSERT_EQ(client, QSize(MainWindow::kClientWidth + 260, MainWindow::kClientHeight + 180));
        runAndMaybeStop(h);
        ASSERT_FALSE(h.window->isRunning());

        WindowHarness after;
        after.choose("coordinateOption");
        after.click(after.startButton());
        after.clock.fireAll(99);
        runAndMaybeStop(after);
        after.window->clientArea()->resize(client);
        for (const char* name : {"startButton", "massEdit", "finalCoordinateLabel", "coordinateView"}) {
            EXPECT_EQ(h.child<QWidget>(name)->geometry(), after.child<QWidget>(name)->geometry()) << name;
        }
        EXPECT_TRUE(h.window->clientArea()->rect().contains(h.startButton()->geometry()));
        EXPECT_EQ(h.label("finalCoordinateLabel")->text(), after.label("finalCoordinateLabel")->text());
        EXPECT_TRUE(h.view("coordinateView")->canvas().image() == after.view("coordinateView")->canvas().image());
    }
}

TEST(RunResize, AnEditAfterARunClearsItsTracesAndResultsForGood)
{
    WindowHarness h;
    const std::vector<MotionSample> samples = defaultSamples(h);
    h.click(h.startButton());
    h.clock.fireAll();
    ASSERT_EQ(tracedSamples(h, samples, samples.size()), 0);

    // The same friction, written differently: still an edit.
    h.paste("frictionEdit", QStringLiteral("0.2"));
    EXPECT_EQ(h.parameters(), kStartupParameters);
    EXPECT_EQ(h.label("finalCoordinateLabel")->text(), QStringLiteral("X_end="));
    EXPECT_EQ(h.label("pathLabel")->text(), QStringLiteral("П_end="));
    EXPECT_NE(pixelAt(h.view("coordinateView"), samples[100].t, samples[100].x), kRed);

    h.window->clientArea()->resize(1000, 700);
    EXPECT_EQ(h.label("finalCoordinateLabel")->text(), QStringLiteral("X_end="));
    EXPECT_NE(pixelAt(h.view("coordinateView"), samples[100].t, samples[100].x), kRed);
    EXPECT_NE(pixelAt(h.view("velocityView"), samples[100].t, samples[100].vx), kBlue);
}

}  // namespace
}  // namespace dryfriction::test
