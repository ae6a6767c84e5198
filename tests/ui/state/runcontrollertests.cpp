// The run on its own, on the recording clock: the samples in order, a pause of slowdown x 10 ms after every
// sample, the end after the last pause with the last sample's results, and a
// stop that ends everything at once.

#include "fakes.h"
#include "runchecks.h"

#include "ui/state/problemstate.h"
#include "ui/state/runcontroller.h"

#include "model/motion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

namespace dryfriction::test {
namespace {

// What a run reported, in order.
struct Reports {
    std::vector<MotionSample> samples;
    std::vector<RunResult> results;
    // Set once the run has finished or been stopped; signals after that are late.
    bool ended = false;
    int late = 0;

    explicit Reports(RunController& run)
    {
        QObject::connect(&run, &RunController::sampleTaken, [this](const MotionSample& s) {
            late += ended ? 1 : 0;
            samples.push_back(s);
        });
        QObject::connect(&run, &RunController::finished, [this](const RunResult& r) {
            late += ended ? 1 : 0;
            results.push_back(r);
            ended = true;
        });
    }
};

// The samples of the problem, computed by the model alone.
std::vector<MotionSample> modelSamples(const ProblemState& problem)
{
    std::vector<MotionSample> samples;
    MotionRun run(problem.parameters(), problem.characteristics());
    while (!run.finished() && run.next())
        samples.push_back(run.sample());
    return samples;
}

void expectSameSamples(const std::vector<MotionSample>& actual, const std::vector<MotionSample>& expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_EQ(actual[i].t, expected[i].t) << "sample " << i + 1;
        EXPECT_EQ(actual[i].x, expected[i].x) << "sample " << i + 1;
        EXPECT_EQ(actual[i].path, expected[i].path) << "sample " << i + 1;
    }
}

TEST(RunController, DefaultRunSampleByPauseToItsEnd)
{
    FakeClock clock;
    ProblemState problem;
    RunController run(clock);
    Reports reports(run);
    const std::vector<MotionSample> expected = modelSamples(problem);
    ASSERT_EQ(expected.size(), static_cast<std::size_t>(kDefaultSamples));

    run.start(problem.parameters(), problem.characteristics());
    // The first sample at once, then its pause.
    EXPECT_TRUE(run.isRunning());
    ASSERT_EQ(reports.samples.size(), 1U);
    EXPECT_EQ(clock.pauses, std::vector<int>{50});

    // The last sample is taken, but the run ends only after its pause.
    EXPECT_EQ(clock.fireAll(kDefaultSamples - 1), kDefaultSamples - 1);
    EXPECT_EQ(reports.samples.size(), static_cast<std::size_t>(kDefaultSamples));
    EXPECT_TRUE(run.isRunning());
    EXPECT_TRUE(reports.results.empty());
    EXPECT_EQ(clock.pauses, std::vector<int>(kDefaultSamples, 50));

    EXPECT_TRUE(clock.fire());
    EXPECT_FALSE(run.isRunning());
    EXPECT_FALSE(clock.isActive());
    EXPECT_EQ(clock.pauses.size(), static_cast<std::size_t>(kDefaultSamples));
    expectSameSamples(reports.samples, expected);
    ASSERT_EQ(reports.results.size(), 1U);
    EXPECT_EQ(reports.results[0].finalX, expected.back().x);
    EXPECT_EQ(reports.results[0].finalPath, expected.back().path);
    EXPECT_EQ(reports.late, 0);
}

// The pause after a sample is the slowdown in force when the sample is taken.
TEST(RunController, PauseFollowsTheSlowdownAfterEverySample)
{
    FakeClock clock;
    ProblemState problem;
    RunController run(clock);
    run.setSlowdown(3);
    run.start(problem.parameters(), problem.characteristics());
    clock.fireAll(9);
    run.setSlowdown(9);
    EXPECT_EQ(clock.pauses.back(), 30);  // the pause under way keeps its length
    clock.fireAll(1);
    run.setSlowdown(1);
    clock.fireAll();

    std::vector<int> expected(kDefaultSamples, 10);
    std::fill(expected.begin(), expected.begin() + 10, 30);
    expected[10] = 90;
    EXPECT_EQ(clock.pauses, expected);
    EXPECT_FALSE(run.isRunning());
}

TEST(RunController, StartDuringARunIsIgnored)
{
    FakeClock clock;
    ProblemState problem;
    RunController run(clock);
    Reports reports(run);
    run.start(problem.parameters(), problem.characteristics());
    clock.fireAll(10);
    run.start(problem.parameters(), problem.characteristics());
    EXPECT_EQ(reports.samples.size(), 11U);
    EXPECT_EQ(clock.fireAll(), kDefaultSamples - 10);
    expectSameSamples(reports.samples, modelSamples(problem));
    EXPECT_EQ(reports.results.size(), 1U);
}

// A clock whose tick, once armed, still comes after a stop, like a timer
// event already on its way.
class LeakyClock final : public PacingClock {
public:
    void start(int, std::function<void()> tick) override { pending = std::move(tick); }
    void stop() override { ++stops; }
    bool isActive() const override { return static_cast<bool>(pending); }

    std::function<void()> pending;
    int stops = 0;
};

TEST(RunController, StopEndsAtOnceWithNoFurtherReport)
{
    for (const int taken : {1, 5, 400, kDefaultSamples}) {
        SCOPED_TRACE(taken);
        LeakyClock clock;
        ProblemState problem;
        RunController run(clock);
        Reports reports(run);
        run.start(problem.parameters(), problem.characteristics());
        for (int i = 1; i < taken; ++i)
            std::exchange(clock.pending, nullptr)();
        ASSERT_EQ(reports.samples.size(), static_cast<std::size_t>(taken));

        run.stop();
        reports.ended = true;
        EXPECT_FALSE(run.isRunning());
        EXPECT_EQ(clock.stops, 1);
        // The tick that was on its way finds the run over.
        ASSERT_TRUE(clock.pending);
        std::exchange(clock.pending, nullptr)();
        EXPECT_FALSE(clock.pending);
        EXPECT_EQ(reports.late, 0);
        EXPECT_TRUE(reports.results.empty());
    }
}

// The clock may outlive the run's owner: a tick for a controller gone does nothing.
TEST(RunController, TickAfterTheControllerIsGoneDoesNothing)
{
    FakeClock clock;
    ProblemState problem;
    auto run = std::make_unique<RunController>(clock);
    run->start(problem.parameters(), problem.characteristics());
    run.reset();
    ASSERT_TRUE(clock.isActive());
    EXPECT_TRUE(clock.fire());
    EXPECT_EQ(clock.pauses.size(), 1U);
}

// The longest run the input accepts ends, with one pause per sample.
TEST(RunController, LongestAcceptedRunEnds)
{
    FakeClock clock;
    ProblemState problem;
    ProblemParameters p = problem.parameters();
    p.duration = 10000;
    problem.setParameters(p);
    RunController run(clock);
    int samples = 0;
    int ends = 0;
    QObject::connect(&run, &RunController::sampleTaken, [&samples] { ++samples; });
    QObject::connect(&run, &RunController::finished, [&ends] { ++ends; });
    run.start(problem.parameters(), problem.characteristics());
    clock.fireAll(2'000'000);
    EXPECT_FALSE(run.isRunning());
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(static_cast<std::size_t>(samples), modelSamples(problem).size());
    EXPECT_EQ(clock.pauses.size(), static_cast<std::size_t>(samples));
}

}  // namespace
}  // namespace dryfriction::test
