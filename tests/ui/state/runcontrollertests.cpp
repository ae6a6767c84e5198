// The run and the moment it shows, on the recording clock: the samples shown
// one by one with a pause of slowdown x 10 ms after each, the flat rest after
// the final stop at once, pause and resume from the moment shown, scrubbing a
// paused or ended run, a stop that ends everything at once.

#include "fakes.h"

#include "ui/state/problemstate.h"
#include "ui/state/runcontroller.h"

#include "model/motion.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

namespace dryfriction::test {
namespace {

using State = RunController::State;

// What a run reported, in order.
struct Reports {
    std::vector<State> states;
    std::vector<std::pair<std::size_t, std::size_t>> moments;

    explicit Reports(RunController& run)
    {
        QObject::connect(&run, &RunController::stateChanged, [this](State s) { states.push_back(s); });
        QObject::connect(&run, &RunController::momentChanged,
                         [this](std::size_t from, std::size_t to) { moments.emplace_back(from, to); });
    }
};

struct Rig {
    FakeClock clock;
    RunController run{clock};
    Reports reports{run};
    ProblemParameters p;

    void start() { run.start(p, characteristicsOf(p)); }
};

// The start-up run: samples 1 .. 770 one by one, then with sample 771, the
// last before the final stop at 19.37, the flat rest up to 796 at once; a
// pause of 50 ms after each of those 771 steps; the end with the results of
// the last sample.
TEST(RunController, DefaultRunPacesUpToTheFinalStopThenEnds)
{
    Rig r;
    r.start();
    EXPECT_EQ(r.run.state(), State::Running);
    r.clock.fireAll();

    EXPECT_EQ(r.reports.states, (std::vector<State>{State::Running, State::Ended}));
    ASSERT_EQ(r.reports.moments.size(), 771u);
    for (std::size_t k = 0; k < 770; ++k)
        ASSERT_EQ(r.reports.moments[k], std::make_pair(k, k + 1));
    EXPECT_EQ(r.reports.moments.back(), std::make_pair(std::size_t{770}, std::size_t{796}));
    EXPECT_EQ(r.clock.pauses, std::vector<int>(771, 50));

    MotionRun model(r.p, characteristicsOf(r.p));
    while (model.next()) {
    }
    EXPECT_EQ(r.run.record()->resultShown().finalX, model.result().finalX);
    EXPECT_EQ(r.run.record()->resultShown().time, model.result().time);
    EXPECT_FALSE(r.run.wasStopped());
}

// The pause after a sample is the slowdown in force when the sample is shown.
TEST(RunController, PauseFollowsTheSlowdown)
{
    Rig r;
    r.start();
    r.run.setSlowdown(1);
    r.clock.fire();
    r.run.setSlowdown(9);
    r.clock.fire();
    EXPECT_EQ(r.clock.pauses, (std::vector<int>{50, 10, 90}));
}

// The states and what each allows, driven through one table of steps: what
// is asked, then the state, the moment shown and whether a tick is pending.
TEST(RunController, StateMachine)
{
    struct Step {
        const char* what;
        std::function<void(Rig&)> act;
        State state;
        std::size_t shown;
        bool ticking;
    };
    const std::vector<Step> steps{
        {"ticks ten times", [](Rig& r) { r.clock.fireAll(10); }, State::Running, 11, true},
        {"scrub while running is ignored", [](Rig& r) { r.run.scrub(3); }, State::Running, 11, true},
        {"pause", [](Rig& r) { r.run.pause(); }, State::Paused, 11, false},
        {"pause again changes nothing", [](Rig& r) { r.run.pause(); }, State::Paused, 11, false},
        {"scrub back", [](Rig& r) { r.run.scrub(4); }, State::Paused, 4, false},
        {"scrub beyond the end stops at it", [](Rig& r) { r.run.scrub(5000); }, State::Paused, 796, false},
        {"scrub to a stop", [](Rig& r) { r.run.scrub(r.run.record()->nextStop(0)); }, State::Paused, 21, false},
        {"resume: a pause first", [](Rig& r) { r.run.resume(); }, State::Running, 21, true},
        {"then the next sample", [](Rig& r) { r.clock.fire(); }, State::Running, 22, true},
        {"start while under way is ignored", [](Rig& r) { r.start(); }, State::Running, 22, true},
        {"stop", [](Rig& r) { r.run.stop(); }, State::Ended, 22, false},
        {"stopped, not finished", [](Rig& r) { EXPECT_TRUE(r.run.wasStopped()); }, State::Ended, 22, false},
        {"scrub an ended run", [](Rig& r) { r.run.scrub(0); }, State::Ended, 0, false},
        {"resume an ended run is ignored", [](Rig& r) { r.run.resume(); }, State::Ended, 0, false},
        {"a new run", [](Rig& r) { r.start(); }, State::Running, 1, true},
        {"forget", [](Rig& r) { r.run.forget(); }, State::Idle, 0, false},
    };
    Rig r;
    r.start();
    for (const Step& s : steps) {
        s.act(r);
        EXPECT_EQ(r.run.state(), s.state) << s.what;
        EXPECT_EQ(r.run.record() ? r.run.record()->shown() : 0u, s.shown) << s.what;
        EXPECT_EQ(r.clock.isActive(), s.ticking) << s.what;
    }
    EXPECT_EQ(r.run.record(), nullptr);
}

// Resumed at the very end, the run ends after one pause, as it would have.
TEST(RunController, ResumedAtTheEndFinishes)
{
    Rig r;
    r.start();
    r.run.pause();
    r.run.scrub(796);
    r.run.resume();
    EXPECT_EQ(r.clock.fireAll(), 1);
    EXPECT_EQ(r.run.state(), State::Ended);
    EXPECT_FALSE(r.run.wasStopped());
}

// A stop ends at once: a tick already on its way changes nothing.
TEST(RunController, TickAfterStopDoesNothing)
{
    Rig r;
    r.start();
    r.clock.fire();
    std::function<void()> late;
    {
        // Keep the armed tick as a timer event already posted would be.
        struct Catch final : PacingClock {
            std::function<void()>* into;
            explicit Catch(std::function<void()>* i) : into(i) {}
            void start(int, std::function<void()> tick) override { *into = std::move(tick); }
            void stop() override {}
            bool isActive() const override { return false; }
        } catcher(&late);
        RunController run(catcher);
        Reports reports(run);
        run.start(r.p, characteristicsOf(r.p));
        run.stop();
        const auto moments = reports.moments.size();
        late();
        EXPECT_EQ(reports.moments.size(), moments);
        EXPECT_EQ(run.state(), State::Ended);
        EXPECT_TRUE(run.wasStopped());
    }
}

// The clock may outlive the run's owner: a tick for a controller gone does nothing.
TEST(RunController, TickAfterTheControllerIsGoneDoesNothing)
{
    FakeClock clock;
    {
        RunController run(clock);
        run.start(ProblemParameters{}, characteristicsOf(ProblemParameters{}));
    }
    EXPECT_TRUE(clock.fire());
}

// Between two samples the load moves on through the time between them, and
// rests on the sample shown when the run does not go on.
TEST(RunController, LoadTimeRunsBetweenTwoSamples)
{
    Rig r;
    r.start();
    const RunRecord& record = *r.run.record();
    const double t1 = record.sample(1).t;
    const double t2 = record.sample(2).t;
    EXPECT_DOUBLE_EQ(r.run.loadTime(0), t1);
    EXPECT_DOUBLE_EQ(r.run.loadTime(0.5), (t1 + t2) / 2);
    EXPECT_DOUBLE_EQ(r.run.loadTime(3), t2);
    r.run.pause();
    EXPECT_DOUBLE_EQ(r.run.loadTime(0.5), t1);
}

// The longest run the input accepts ends, with one pause a paced sample.
TEST(RunController, LongestAcceptedRunEnds)
{
    Rig r;
    r.p.duration = 10000;
    r.p.v0 = 1000;
    r.p.x0 = 1000;
    r.start();
    r.clock.fireAll();
    EXPECT_EQ(r.run.state(), State::Ended);
    EXPECT_EQ(r.clock.pauses.size(), std::max<std::size_t>(r.run.record()->pacedCount(), 1));
    EXPECT_EQ(r.run.record()->shown(), r.run.record()->sampleCount());
}

}  // namespace
}  // namespace dryfriction::test
