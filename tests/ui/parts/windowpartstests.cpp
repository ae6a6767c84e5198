// The parts the window is assembled from, each on its own: the problem in
// force and what follows from it, the chooser of the view, and the views.

#include "windowharness.h"

#include "ui/parts/viewchooser.h"
#include "ui/parts/viewstack.h"
#include "ui/text/viewcatalog.h"
#include "ui/state/problemstate.h"
#include "ui/text/captions.h"
#include "ui/look/windowlayout.h"

#include "model/motion.h"
#include "model/runrecord.h"

#include <QGroupBox>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace dryfriction::test {
namespace {

void expectDerivedFrom(const ProblemState& problem, const ProblemParameters& p)
{
    EXPECT_EQ(problem.parameters(), p);
    EXPECT_EQ(problem.characteristics(), characteristicsOf(p));
    EXPECT_EQ(problem.ranges(), computePlotRanges(p, characteristicsOf(p)));
}

// It starts with the start-up problem. Every change is announced, also one to
// the same values, and whoever hears it already finds the characteristics and
// ranges that follow.
TEST(ProblemState, EveryChangeIsAnnouncedWithWhatFollowsFromIt)
{
    ProblemState problem;
    expectDerivedFrom(problem, kStartupParameters);
    ProblemParameters slower = kStartupParameters;
    slower.mass = 0.4;
    ProblemParameters atRest = kStartupParameters;
    atRest.v0 = 0;
    ProblemParameters longer = kStartupParameters;
    longer.duration = 10000;

    std::vector<MotionCharacteristics> heard;
    QObject::connect(&problem, &ProblemState::changed,
                     [&] { heard.push_back(problem.characteristics()); });
    const ProblemParameters sequence[] = {slower, atRest, atRest, longer, kStartupParameters};
    for (const ProblemParameters& p : sequence) {
        problem.setParameters(p);
        expectDerivedFrom(problem, p);
    }
    ASSERT_EQ(heard.size(), std::size(sequence));
    for (std::size_t i = 0; i < heard.size(); ++i)
        EXPECT_EQ(heard[i], characteristicsOf(sequence[i])) << i;
    EXPECT_NE(heard[0].omega, heard[4].omega);  // the changes did change something
}

// The parts on a client area of their own, laid out as the window does it.
struct Client {
    QWidget client;
    Client()
    {
        client.resize(MainWindow::kClientWidth, MainWindow::kClientHeight);
        client.show();
        (void)QTest::qWaitForWindowExposed(&client);
    }
};

TEST(ViewChooser, AnOptionChosenSelectsExactlyItsView)
{
    Client c;
    ViewChooser chooser(&c.client);
    chooser.place(computeLayout(MainWindow::kClientWidth, MainWindow::kClientHeight, 6));
    QSignalSpy chosen(&chooser, &ViewChooser::viewChosen);
    EXPECT_EQ(chooser.currentView(), 0);
    EXPECT_EQ(chooser.frame()->objectName(), QStringLiteral("viewChooser"));

    for (const int view : {3, 1, 5, 4, 0, 2}) {
        SCOPED_TRACE(view);
        QRadioButton* option = chooser.option(view);
        EXPECT_EQ(option->objectName(), QString::fromLatin1(kOptionNames[view]));
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(20, option->height() / 2));
        EXPECT_EQ(chooser.currentView(), view);
        ASSERT_FALSE(chosen.isEmpty());
        EXPECT_EQ(chosen.takeLast().at(0).toInt(), view);
        EXPECT_TRUE(chosen.isEmpty());  // once, for the option chosen only
        for (int other = 0; other < 6; ++other)
            EXPECT_EQ(chooser.option(other)->isChecked(), other == view) << other;
    }
    // The option already chosen, clicked again, chooses nothing new.
    QTest::mouseClick(chooser.option(2), Qt::LeftButton, {}, QPoint(20, chooser.option(2)->height() / 2));
    EXPECT_TRUE(chosen.isEmpty());
}

TEST(ViewStack, ShowsExactlyTheViewOfTheIndex)
{
    Client c;
    ViewStack views(&c.client);
    ASSERT_EQ(views.count(), 6);
    EXPECT_EQ(views.strip(), views.view(0));
    for (int i = 0; i < views.count(); ++i)
        EXPECT_EQ(views.view(i)->objectName(), QString::fromLatin1(kViewNames[i])) << i;
    // The drawing functions take the graphs' canvases in the order of their
    // descriptions: the table offers the graphs in that order.
    std::size_t next = 0;
    for (const ViewEntry& entry : viewTable()) {
        if (entry.graph) {
            EXPECT_EQ(static_cast<std::size_t>(*entry.graph), next) << entry.viewName;
            ++next;
        }
    }
    EXPECT_EQ(next, viewGraphs().size());
    for (const int shown : {2, 0, 5, 4, 1, 3}) {
        views.showChosen(shown);
        for (int i = 0; i < views.count(); ++i)
            EXPECT_EQ(views.view(i)->isVisible(), i == shown) << shown << " " << i;
    }
}

// The views of the start-up problem's run at its start, as a run sets out.
struct RunViews {
    Client c;
    ProblemState problem;
    ViewStack views{&c.client};
    std::shared_ptr<RunRecord> run = std::make_shared<RunRecord>(problem.parameters(), problem.characteristics());

    RunViews()
    {
        views.place(computeLayout(MainWindow::kClientWidth, MainWindow::kClientHeight, views.count()));
        views.showChosen(2);
        views.clear();
        views.drawFrames(problem.ranges(), problem.parameters().x0, viewTexts(QStringLiteral(".")));
        views.showRun(run);
    }

    // The run moves on to `shown`, as its controller moves it.
    void moveTo(std::size_t shown)
    {
        const std::size_t previous = run->shown();
        run->setShown(shown);
        views.showMoment(previous, shown);
    }

    double loadCentre() const
    {
        const SetupPlacement& s = *views.strip()->setup();
        return s.loadLeft + s.loadWidth / 2;
    }
};

// A sample extends the trace of every graph, the hidden ones included, and
// leaves the strip's image alone.
TEST(ViewStack, SampleReachesEveryGraphShownOrNot)
{
    RunViews r;
    ASSERT_TRUE(r.views.strip()->setup().has_value());
    EXPECT_EQ(r.loadCentre(), r.problem.parameters().x0);

    std::vector<QImage> before;
    for (int i = 0; i < r.views.count(); ++i)
        before.push_back(r.views.view(i)->canvas().image());
    for (std::size_t k = 1; k <= 40; ++k)
        r.moveTo(k);

    EXPECT_EQ(r.views.strip()->canvas().image(), before[0]);
    for (int i = 1; i < r.views.count(); ++i)
        EXPECT_NE(r.views.view(i)->canvas().image(), before[i]) << kViewNames[i];
}

// A step back draws every graph afresh at that moment, and a step far ahead
// extends the traces to it: pixel for pixel the view drawn anew from its
// scene (as the exports draw it), while the traces are no longer than the
// graph is wide (longer ones are drawn within a pixel of it).
TEST(ViewStack, AJumpDrawsEveryGraphAtTheMoment)
{
    RunViews r;
    for (std::size_t k = 1; k <= 300; ++k)
        r.moveTo(k);
    for (const std::size_t moment : {std::size_t{120}, std::size_t{0}, std::size_t{500}, std::size_t{60}}) {
        SCOPED_TRACE(moment);
        r.moveTo(moment);
        for (int i = 1; i < r.views.count(); ++i) {
            const ImageCanvas& canvas = r.views.view(i)->canvas();
            const ViewScene scene = r.views.scene(i);
            ASSERT_TRUE(scene.run.has_value());
            EXPECT_EQ(scene.run->shown, moment);
            QImage drawn = canvas.image().copy();
            drawn.setDevicePixelRatio(canvas.devicePixelRatio());
            EXPECT_TRUE(drawn == renderScene(scene, canvas.logicalSize(), canvas.devicePixelRatio()))
                << kViewNames[i];
        }
    }
}

}  // namespace
}  // namespace dryfriction::test
