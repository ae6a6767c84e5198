// Whole runs through the real window on the recording clock: every sample is
// computed and drawn, every pause requested, and the test fires the pauses.

#include "formharness.h"

#include "analytic.h"
#include "motion.h"

#include <QApplication>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <algorithm>

namespace dryfriction::test {
namespace {

constexpr int kDefaultSamples = 796;
const QString kRestCaption = QStringLiteral("Моделирование колебаний при сухом трении");
const QString kRunCaption = QStringLiteral("При работе размер окна изменить нельзя!");
const char* const kFields[] = {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"};

bool isLocked(const Form1& f)
{
    return f.minimumSize() == f.size() && f.maximumSize() == f.size();
}

bool isSizable(const Form1& f)
{
    return f.minimumSize() == QSize(0, 0)
           && f.maximumSize() == QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

void expectIdle(const FormHarness& h)
{
    EXPECT_FALSE(h.form->isRunning());
    for (const char* name : kFields)
        EXPECT_TRUE(h.field(name)->isEnabled()) << name;
    EXPECT_TRUE(h.start()->isEnabled());
    EXPECT_EQ(h.form->windowTitle(), kRestCaption);
    EXPECT_TRUE(isSizable(*h.form));
    EXPECT_FALSE(h.clock.isActive());
}

// The colour of the canvas pixel under the user point (t, y).
QColor pixelAt(CanvasWidget* w, double t, double y)
{
    const ImageCanvas& c = w->canvas();
    const QPointF p = c.toPixel(t, y) * c.devicePixelRatio();
    return c.image().pixelColor(static_cast<int>(p.x()), static_cast<int>(p.y()));
}

// The coordinate samples of a default run, computed by the model alone.
std::vector<MotionSample> defaultSamples(const FormHarness& h)
{
    std::vector<MotionSample> samples;
    MotionRun run(h.form->parameters(), h.form->characteristics());
    while (!run.finished() && run.next())
        samples.push_back(run.sample());
    return samples;
}

TEST(Run, DefaultRunOnTheRecordingClock)
{
    FormHarness h;
    QSignalSpy finished(h.form.get(), &Form1::runFinished);
    h.click(h.start());

    // Started: one sample drawn, its pause requested, the window locked.
    EXPECT_TRUE(h.form->isRunning());
    ASSERT_EQ(h.clock.pauses.size(), 1U);
    EXPECT_EQ(h.form->windowTitle(), kRunCaption);
    EXPECT_TRUE(h.form->isVisible());
    EXPECT_TRUE(isLocked(*h.form));
    for (const char* name : kFields)
        EXPECT_FALSE(h.field(name)->isEnabled()) << name;
    EXPECT_FALSE(h.start()->isEnabled());
    EXPECT_EQ(h.label("Label19")->text(), QStringLiteral("X_end="));

    // The last pause is fired too: the end follows it.
    EXPECT_EQ(h.clock.fireAll(), kDefaultSamples);
    EXPECT_EQ(h.clock.pauses.size(), static_cast<size_t>(kDefaultSamples));
    EXPECT_TRUE(std::all_of(h.clock.pauses.begin(), h.clock.pauses.end(),
                            [](int ms) { return ms == 50; }));
    EXPECT_EQ(h.label("Label19")->text(), QStringLiteral("X_end=-9.066E-01"));
    EXPECT_EQ(h.label("Label7")->text(), QStringLiteral("П_end=6.271E+01"));
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
    FormHarness h;
    h.paste("Text6", QStringLiteral("0.01"));
    h.click(h.start());
    EXPECT_EQ(h.clock.pauses, std::vector<int>{50});
    EXPECT_TRUE(h.form->isRunning());
    EXPECT_EQ(h.clock.fireAll(), 1);
    MotionRun run(h.form->parameters(), h.form->characteristics());
    ASSERT_TRUE(run.next());
    ASSERT_TRUE(run.finished());
    EXPECT_EQ(h.label("Label19")->text().toStdString(), runXendCaption(run.result().X_end, "."));
    EXPECT_EQ(h.label("Label7")->text().toStdString(), runPendCaption(run.result().P_end, "."));
    EXPECT_EQ(h.tone.durations, std::vector<int>{600});
    expectIdle(h);
}

TEST(Run, SlowdownChangedDuringARunGovernsTheNextPause)
{
    FormHarness h;
    QScrollBar* scroll = h.child<QScrollBar>("HScroll1");
    h.click(h.start());
    h.clock.fireAll(10);
    ASSERT_EQ(h.clock.pauses.size(), 11U);

    scroll->setValue(7);
    EXPECT_EQ(h.label("Label21")->text(), QStringLiteral("7"));
    EXPECT_EQ(h.clock.pauses.back(), 50);  // the pause under way keeps its length
    h.clock.fire();
    EXPECT_EQ(h.clock.pauses.back(), 70);

    scroll->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(h.label("Label21")->text(), QStringLiteral("1"));
    h.clock.fireAll();
    EXPECT_EQ(h.clock.pauses.size(), static_cast<size_t>(kDefaultSamples));
    EXPECT_EQ(std::count(h.clock.pauses.begin(), h.clock.pauses.end(), 50), 11);
    EXPECT_EQ(std::count(h.clock.pauses.begin(), h.clock.pauses.end(), 70), 1);
    EXPECT_EQ(std::count(h.clock.pauses.begin(), h.clock.pauses.end(), 10), kDefaultSamples - 12);
    EXPECT_EQ(h.form->slowdown(), 1);
    expectIdle(h);
}

TEST(Run, ViewsSwitchedDuringARunKeepTheirTraces)
{
    FormHarness h;
    const std::vector<MotionSample> samples = defaultSamples(h);
    ASSERT_EQ(samples.size(), static_cast<size_t>(kDefaultSamples));
    CanvasWidget* picture2 = h.picture("Picture2");
    CanvasWidget* picture3 = h.picture("Picture3");
    const MotionSample& early = samples[100];
    const MotionSample& late = samples[500];
    const QColor red(255, 0, 0);
    const QColor blue(0, 0, 255);

    h.click(h.start());
    h.click(h.child<QRadioButton>("Option2"));
    EXPECT_TRUE(picture2->isVisible());
    h.clock.fireAll(300);
    EXPECT_EQ(pixelAt(picture2, early.t, early.x), red);
    EXPECT_NE(pixelAt(picture2, late.t, late.x), red);

    // Away to the velocity graph and the animation while the run goes on.
    h.click(h.child<QRadioButton>("Option3"));
    EXPECT_FALSE(picture2->isVisible());
    h.clock.fireAll(150);
    h.click(h.child<QRadioButton>("Option1"));
    h.clock.fireAll(150);
    EXPECT_EQ(pixelAt(picture3, early.t, early.Vx), blue);

    h.click(h.child<QRadioButton>("Option2"));
    EXPECT_EQ(pixelAt(picture2, early.t, early.x), red);
    EXPECT_EQ(pixelAt(picture2, late.t, late.x), red);
    h.clock.fireAll();
    EXPECT_EQ(pixelAt(picture2, samples.back().t, samples.back().x), red);

    // A new run starts on cleared graphs.
    h.click(h.start());
    EXPECT_NE(pixelAt(picture2, late.t, late.x), red);
    h.clock.fireAll();
}

// The window is locked during a run; a resize that reaches its client area
// all the same must not clear the graphs under the running traces.
TEST(Run, ResizeDuringARunKeepsTheTraces)
{
    FormHarness h;
    const std::vector<MotionSample> samples = defaultSamples(h);
    CanvasWidget* picture2 = h.picture("Picture2");
    const MotionSample& early = samples[50];
    h.click(h.child<QRadioButton>("Option2"));
    h.click(h.start());
    h.clock.fireAll(100);
    ASSERT_EQ(pixelAt(picture2, early.t, early.x), QColor(255, 0, 0));

    h.form->resize(900, 700);  // refused by the lock
    EXPECT_TRUE(isLocked(*h.form));
    h.form->clientArea()->resize(700, 600);  // forced through
    QApplication::processEvents();
    EXPECT_EQ(pixelAt(picture2, early.t, early.x), QColor(255, 0, 0));
    EXPECT_EQ(h.label("Label19")->text(), QStringLiteral("X_end="));

    EXPECT_EQ(h.clock.fireAll(), kDefaultSamples - 100);
    EXPECT_EQ(h.label("Label19")->text(), QStringLiteral("X_end=-9.066E-01"));
    EXPECT_EQ(pixelAt(picture2, early.t, early.x), QColor(255, 0, 0));
}

TEST(Run, StartButtonAndFieldsDoNothingDuringARun)
{
    FormHarness h;
    h.click(h.start());
    h.clock.fireAll(5);
    const ProblemParameters before = h.form->parameters();

    h.click(h.start());
    QTest::mouseClick(h.field("Text4"), Qt::LeftButton);
    QTest::keyClicks(h.field("Text4"), QStringLiteral("-7"));
    QTest::keyClick(h.field("Text1"), Qt::Key_Backspace);

    EXPECT_EQ(h.clock.pauses.size(), 6U);
    EXPECT_EQ(h.field("Text4")->text(), QStringLiteral(" 9.5"));
    EXPECT_EQ(h.form->parameters(), before);
    EXPECT_TRUE(h.messages.shown.empty());
    EXPECT_EQ(h.clock.fireAll(), kDefaultSamples - 5);
    EXPECT_EQ(h.tone.durations, std::vector<int>{600});
}

TEST(Results, ClicksShowTheAnalyticValues)
{
    FormHarness h;
    QLabel* label19 = h.label("Label19");
    QLabel* label7 = h.label("Label7");

    h.click(label19);
    EXPECT_EQ(label19->text(), QStringLiteral("|X_end|=9.066E-01"));
    EXPECT_EQ(label7->text(), QStringLiteral("П_end="));

    h.form->Form_Resize();
    ASSERT_EQ(label19->text(), QStringLiteral("X_end="));
    h.click(label7);
    EXPECT_EQ(label19->text(), QStringLiteral("|X_end|=9.066E-01"));
    EXPECT_EQ(label7->text(), QStringLiteral("П_end=6.271E+01"));

    // During a run too; the end writes the numerical values over them.
    h.click(h.start());
    h.clock.fireAll(20);
    h.click(label19);
    EXPECT_EQ(label19->text(), QStringLiteral("|X_end|=9.066E-01"));
    h.clock.fireAll();
    EXPECT_EQ(label19->text(), QStringLiteral("X_end=-9.066E-01"));
    EXPECT_EQ(label7->text(), QStringLiteral("П_end=6.271E+01"));

    // With Xo = 9.5 and Vo = 0 the load ends at 0.5 after a path of 45.
    h.paste("Text5", QStringLiteral("0"));
    h.click(label7);
    EXPECT_EQ(label19->text(), QStringLiteral("|X_end|=5.000E-01"));
    EXPECT_EQ(label7->text(), QStringLiteral("П_end=4.500E+01"));
}

TEST(Exit, DeclinedDuringARunLetsItFinish)
{
    FormHarness h;
    QSignalSpy finished(h.form.get(), &Form1::runFinished);
    h.click(h.start());
    h.clock.fireAll(100);

    h.messages.answerYes = false;
    EXPECT_FALSE(h.form->close());
    ASSERT_EQ(h.messages.shown.size(), 1U);
    EXPECT_EQ(h.messages.shown[0],
              (ShownMessage{QStringLiteral("На Выход"), QStringLiteral("Вы абсолютно уверены?"), true}));
    EXPECT_TRUE(h.form->isVisible());
    EXPECT_TRUE(h.form->isRunning());
    EXPECT_TRUE(h.clock.isActive());

    EXPECT_EQ(h.clock.fireAll(), kDefaultSamples - 100);
    EXPECT_EQ(h.label("Label7")->text(), QStringLiteral("П_end=6.271E+01"));
    EXPECT_EQ(h.tone.durations, std::vector<int>{600});
    EXPECT_EQ(finished.count(), 1);
    expectIdle(h);
}

TEST(Exit, ConfirmedDuringARunStopsItAtOnce)
{
    FormHarness h;
    QSignalSpy finished(h.form.get(), &Form1::runFinished);
    h.click(h.start());
    h.clock.fireAll(100);

    h.messages.answerYes = true;
    EXPECT_TRUE(h.form->close());
    EXPECT_FALSE(h.form->isRunning());
    EXPECT_FALSE(h.clock.isActive());
    EXPECT_EQ(h.clock.fireAll(), 0);
    EXPECT_TRUE(h.tone.durations.empty());
    EXPECT_EQ(finished.count(), 0);
}

}  // namespace
}  // namespace dryfriction::test
