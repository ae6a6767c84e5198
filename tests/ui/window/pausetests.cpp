// Time in the teacher's hands, through the window with real clicks and keys:
// a run paused at any moment and resumed from the moment shown, the time
// slider that moves every view, the load and the results to any moment of a
// paused or ended run, and its keys.

#include "runchecks.h"
#include "windowharness.h"

#include "ui/parts/timescrubber.h"
#include "ui/text/captions.h"

#include "model/characteristics.h"
#include "model/motion.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace dryfriction::test {
namespace {

const QColor kRed(255, 0, 0);

QPushButton* pauseButton(const WindowHarness& h)
{
    return h.child<QPushButton>("pauseButton");
}

TimeScrubber* slider(const WindowHarness& h)
{
    return h.child<TimeScrubber>("timeSlider");
}

double loadCentre(const WindowHarness& h)
{
    const std::optional<SetupPlacement>& load = h.view("animationView")->setup();
    return load ? load->loadLeft + load->loadWidth / 2 : NAN;
}

// The results name the moment and give the closed-form coordinate and path
// there; the load stands at that coordinate; every graph against time is
// traced up to the moment and not beyond it.
void expectMoment(const WindowHarness& h, const std::vector<MotionSample>& samples, std::size_t shown)
{
    const MotionCharacteristics c = h.window->problem().characteristics();
    const MotionSample at = shown == 0 ? initialSample(h.parameters())
                                       : exactSampleAt(samples[shown - 1].t, h.parameters(), c);
    EXPECT_EQ(slider(h)->value(), static_cast<int>(shown));
    EXPECT_EQ(h.label("timeLabel")->text(), momentText(at.t, c.omega, localeDecimalPoint()));
    if (shown > 0 && shown < samples.size()) {
        EXPECT_EQ(h.label("finalCoordinateLabel")->text(), stoppedCoordinate(at.x, at.t, localeDecimalPoint()));
        EXPECT_EQ(h.label("pathLabel")->text(), stoppedPath(at.path, at.t, localeDecimalPoint()));
    }
    // After the final stop the run keeps the coordinate of its last sample
    // before it, which the closed form's rest differs from by less than 1e-6.
    EXPECT_NEAR(loadCentre(h), at.x, 1e-5);

    EXPECT_EQ(tracedSamples(h, samples, shown), 0);
    // Half a swing later the curve is not drawn yet.
    CanvasWidget* coordinate = h.view("coordinateView");
    const std::size_t later = shown + 125;
    if (later < samples.size() && std::abs(samples[later].x - at.x) > 1
        && !underText(coordinate, samples[later].t, samples[later].x)) {
        EXPECT_NE(pixelAt(coordinate, samples[later].t, samples[later].x), kRed);
    }
}

TEST(Pause, HoldsTheRunAtItsMomentAndGoesOnFromIt)
{
    WindowHarness h;
    const std::vector<MotionSample> samples = defaultSamples(h);
    EXPECT_FALSE(pauseButton(h)->isVisible());
    EXPECT_FALSE(slider(h)->isEnabled());

    h.click(h.startButton());
    EXPECT_TRUE(pauseButton(h)->isVisible());
    EXPECT_EQ(pauseButton(h)->text(), QStringLiteral("ПАУЗА"));
    EXPECT_EQ(pauseButton(h)->toolTip(), QStringLiteral("пауза (P)"));
    EXPECT_LT(h.startButton()->geometry().right(), pauseButton(h)->geometry().left());
    h.clock.fireAll(299);
    EXPECT_FALSE(slider(h)->isEnabled());

    // P, wherever the focus is: here on the start button.
    h.startButton()->setFocus();
    QTest::keyClick(h.startButton(), Qt::Key_P);
    EXPECT_FALSE(h.clock.isActive());
    EXPECT_EQ(pauseButton(h)->text(), QStringLiteral("ДАЛЬШЕ"));
    EXPECT_EQ(pauseButton(h)->toolTip(), QStringLiteral("продолжить (P)"));
    EXPECT_EQ(h.startButton()->text(), QStringLiteral("СТОП"));
    EXPECT_TRUE(h.isLocked());
    EXPECT_TRUE(slider(h)->isEnabled());
    expectMoment(h, samples, 300);
    EXPECT_TRUE(h.tone.durations.empty());

    // Resumed, the run goes on from the moment to its end as ever.
    h.click(pauseButton(h));
    EXPECT_TRUE(h.clock.isActive());
    EXPECT_EQ(pauseButton(h)->text(), QStringLiteral("ПАУЗА"));
    EXPECT_FALSE(slider(h)->isEnabled());
    EXPECT_EQ(h.label("finalCoordinateLabel")->text(), QStringLiteral("X_end="));
    h.clock.fireAll();
    EXPECT_EQ(h.label("finalCoordinateLabel")->text(), QStringLiteral("X_end=-9.066E-01"));
    EXPECT_EQ(h.label("pathLabel")->text(), QStringLiteral("П_end=6.271E+01"));
    EXPECT_EQ(h.tone.durations, std::vector<int>{600});
    EXPECT_FALSE(pauseButton(h)->isVisible());
    EXPECT_TRUE(slider(h)->isEnabled());
    EXPECT_EQ(slider(h)->value(), kDefaultSamples);
    expectIdle(h);
}

// PgDn walks the red markers of an ended run: at each stop every view, the
// load and the results show the closed form at that moment. End is the end
// of the run again, with its final results.
TEST(Scrub, EveryStopShowsTheClosedFormEverywhere)
{
    WindowHarness h;
    const std::vector<MotionSample> samples = defaultSamples(h);
    const MotionCharacteristics c = h.window->problem().characteristics();
    h.click(h.startButton());
    h.clock.fireAll();
    slider(h)->setFocus();
    QTest::keyClick(slider(h), Qt::Key_Home);
    expectMoment(h, samples, 0);

    int stops = 0;
    for (int guard = 0; guard < 20; ++guard) {
        QTest::keyClick(slider(h), Qt::Key_PageDown);
        const auto shown = static_cast<std::size_t>(slider(h)->value());
        if (shown == samples.size())
            break;
        SCOPED_TRACE(shown);
        EXPECT_LE(std::abs(samples[shown - 1].t - stopTime(c, stops)), c.timeStep * 1.0001);
        expectMoment(h, samples, shown);
        ++stops;
    }
    EXPECT_EQ(stops, halfSwingCount(c) + 1);
    QTest::keyClick(slider(h), Qt::Key_PageUp);
    EXPECT_LT(slider(h)->value(), kDefaultSamples);
    QTest::keyClick(slider(h), Qt::Key_End);
    EXPECT_EQ(h.label("finalCoordinateLabel")->text(), QStringLiteral("X_end=-9.066E-01"));
    QTest::keyClick(slider(h), Qt::Key_Left);
    QTest::keyClick(slider(h), Qt::Key_Left);
    QTest::keyClick(slider(h), Qt::Key_Right);
    expectMoment(h, samples, kDefaultSamples - 1);
    // At the end, Right and PgDn stay there.
    QTest::keyClick(slider(h), Qt::Key_End);
    QTest::keyClick(slider(h), Qt::Key_Right);
    QTest::keyClick(slider(h), Qt::Key_PageDown);
    EXPECT_EQ(slider(h)->value(), kDefaultSamples);
    EXPECT_TRUE(h.clock.pauses.size() == static_cast<std::size_t>(kDefaultPacedSamples));
}

// Wound back while paused, the run goes on from the moment shown: the traces
// beyond it are gone and grow again. Esc then ends it at its moment.
TEST(Scrub, ResumedRunGoesOnFromTheMomentShown)
{
    WindowHarness h;
    const std::vector<MotionSample> samples = defaultSamples(h);
    h.click(h.startButton());
    h.clock.fireAll(399);
    h.click(pauseButton(h));
    slider(h)->setFocus();
    QTest::keyClick(slider(h), Qt::Key_Home);
    QTest::keyClick(slider(h), Qt::Key_PageDown);  // the first stop, sample 21
    ASSERT_EQ(slider(h)->value(), 21);
    expectMoment(h, samples, 21);

    QTest::keyClick(slider(h), Qt::Key_P);
    EXPECT_TRUE(pauseButton(h)->hasFocus());
    h.clock.fire();
    h.clock.fire();
    EXPECT_NE(pixelAt(h.view("coordinateView"), samples[300].t, samples[300].x), kRed);

    QTest::keyClick(h.window.get(), Qt::Key_P);
    QTest::keyClick(h.window.get(), Qt::Key_Escape);
    EXPECT_FALSE(h.window->isRunning());
    EXPECT_FALSE(h.clock.isActive());
    expectMoment(h, samples, 23);
    EXPECT_TRUE(h.tone.durations.empty());
    expectIdle(h);
}

// The slider is live only while a run is paused or has ended; an edit forgets
// the run and takes the slider back to the start.
TEST(Scrub, SliderIsLiveOnlyWhenPausedOrEnded)
{
    WindowHarness h;
    EXPECT_FALSE(slider(h)->isEnabled());
    h.click(h.startButton());
    EXPECT_FALSE(slider(h)->isEnabled());
    h.clock.fireAll(99);
    // A value set from outside (a screen reader) while the run goes on is not
    // taken: the slider goes back to the moment.
    slider(h)->setValue(50);
    EXPECT_EQ(slider(h)->value(), 100);
    h.clock.fireAll();
    EXPECT_TRUE(slider(h)->isEnabled());
    h.paste("massEdit", QStringLiteral("0.2"));
    EXPECT_FALSE(slider(h)->isEnabled());
    EXPECT_EQ(slider(h)->value(), 0);
    EXPECT_EQ(h.label("finalCoordinateLabel")->text(), QStringLiteral("X_end="));
}

}  // namespace
}  // namespace dryfriction::test
