#include "model/runrecord.h"

#include "model/characteristics.h"
#include "model/motion.h"

#include <gtest/gtest.h>

#include <cmath>

namespace dryfriction {
namespace {

struct RecordCase {
    const char* name;
    ProblemParameters p;
    std::size_t samples;
    std::size_t paced;
};

void PrintTo(const RecordCase& c, std::ostream* os)
{
    *os << c.name;
}

class RunRecordCases : public ::testing::TestWithParam<RecordCase> {};

// The record holds the run's own samples, so what the views, the readout and
// the saved file show is what the run drew; only the samples up to the final
// stop are paced (the start-up run stops at 19.37, sample 771 of 796).
TEST_P(RunRecordCases, HoldsTheRunsSamplesAndPacesThemUpToTheFinalStop)
{
    const RecordCase& rc = GetParam();
    const MotionCharacteristics c = characteristicsOf(rc.p);
    const RunRecord record(rc.p, c);
    ASSERT_EQ(record.sampleCount(), rc.samples);
    EXPECT_EQ(record.pacedCount(), rc.paced);

    MotionRun run(rc.p, c);
    for (std::size_t k = 1; run.next(); ++k) {
        ASSERT_EQ(record.sample(k).t, run.sample().t) << k;
        ASSERT_EQ(record.sample(k).x, run.sample().x) << k;
        ASSERT_EQ(record.sample(k).path, run.sample().path) << k;
    }
    EXPECT_EQ(record.sample(0).x, rc.p.x0);
    EXPECT_EQ(record.sample(0).vx, rc.p.v0);
    if (rc.paced < rc.samples) {
        EXPECT_GT(static_cast<double>(record.sample(rc.paced + 1).t), c.finalStop);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Problems, RunRecordCases,
    ::testing::Values(RecordCase{"startup", {}, 796, 771},
                      // At rest in the zone from the start: nothing to watch.
                      RecordCase{"at rest", {0.1, 40, 0.2, 0.5, 0, 5}, 199, 0},
                      // Still swinging when the time is up.
                      RecordCase{"cut short", {0.1, 40, 0.2, 9.5, 6, 10}, 398, 398}));

// PgUp and PgDn walk the red markers: every stop within the run is reached,
// each at the sample nearest to it, where the velocity is nearly zero.
TEST(RunRecord, StopsAreTheSamplesNearestTheRedMarkers)
{
    const ProblemParameters p;
    const MotionCharacteristics c = characteristicsOf(p);
    const RunRecord record(p, c);
    const double halfStep = c.timeStep;  // samples lie two time steps apart
    std::vector<std::size_t> walked;
    for (std::size_t at = record.nextStop(0); at < record.sampleCount(); at = record.nextStop(at))
        walked.push_back(at);
    ASSERT_EQ(walked.size(), static_cast<std::size_t>(halfSwingCount(c)) + 1);
    for (std::size_t k = 0; k < walked.size(); ++k) {
        const double stop = stopTime(c, static_cast<int>(k));
        EXPECT_LE(std::abs(record.sample(walked[k]).t - stop), halfStep * 1.0001) << k;
        EXPECT_LT(std::abs(record.sample(walked[k]).vx), 0.02 * c.firstAmplitude) << k;
    }
    EXPECT_EQ(record.nextStop(walked.back()), record.sampleCount());

    std::vector<std::size_t> back;
    for (std::size_t at = record.previousStop(record.sampleCount()); at > 0; at = record.previousStop(at))
        back.push_back(at);
    EXPECT_EQ(std::vector<std::size_t>(walked.rbegin(), walked.rend()), back);
}

TEST(RunRecord, TheMomentShownStaysWithinTheRun)
{
    RunRecord record(ProblemParameters{}, characteristicsOf(ProblemParameters{}));
    EXPECT_EQ(record.shown(), 0u);
    EXPECT_EQ(record.resultShown().finalPath, 0.0);
    record.setShown(100'000);
    EXPECT_EQ(record.shown(), 796u);
    EXPECT_EQ(record.resultShown().time, record.sample(796).t);
}

}  // namespace
}  // namespace dryfriction
