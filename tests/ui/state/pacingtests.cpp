// The real pacing clock: its cadence worked out on a given time line, and its
// ticks on the event loop.

#include "ui/state/pacing.h"

#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

namespace dryfriction::test {
namespace {

constexpr qint64 ms(double v)
{
    return static_cast<qint64>(v * 1'000'000 + (v >= 0 ? 0.5 : -0.5));
}

struct DueCase {
    std::string name;
    double previousDueMs;
    double nowMs;
    int slotMs;
    bool fromTick;
    double dueMs;
    int waitMs;
};

void PrintTo(const DueCase& c, std::ostream* os)
{
    *os << c.name;
}

class PacingCadence : public ::testing::TestWithParam<DueCase> {};

TEST_P(PacingCadence, NextTickIsDueWhereTheCadenceSays)
{
    const DueCase& c = GetParam();
    const PacingDue due = nextPacingDue(ms(c.previousDueMs), ms(c.nowMs), c.slotMs, c.fromTick);
    EXPECT_EQ(due.dueNs, ms(c.dueMs));
    EXPECT_EQ(due.waitMs, c.waitMs);
}

INSTANTIATE_TEST_SUITE_P(
    Clock, PacingCadence,
    ::testing::Values(
        // Started from outside a tick: a whole slot from now, whatever came before.
        DueCase{"FreshStart", 0, 1000, 10, false, 1010, 10},
        DueCase{"FreshStartIgnoresTheLastDue", 995, 1000, 10, false, 1010, 10},
        // Re-armed from its tick: a slot after the previous due time.
        DueCase{"FromTickOnTime", 1000, 1000, 10, true, 1010, 10},
        DueCase{"FromTickLateAndAfterTheSampleWork", 1000, 1006.4, 10, true, 1010, 4},
        DueCase{"WaitRoundsHalfUp", 1000, 1006.5, 10, true, 1010, 4},
        DueCase{"WaitRoundsDown", 1000, 1006.6, 10, true, 1010, 3},
        DueCase{"SlotAlreadyOverTicksAtOnce", 1000, 1015, 10, true, 1010, 0},
        DueCase{"HeldUpAWholeSlotKeepsTheCadence", 1000, 1020, 10, true, 1010, 0},
        // Held up for longer than that: afresh from now, no burst to catch up.
        DueCase{"HeldUpLongerStartsAfresh", 1000, 1020.5, 10, true, 1030.5, 10},
        DueCase{"ModalBoxHoldUpStartsAfresh", 20, 80, 20, true, 100, 20},
        DueCase{"ZeroSlotTicksAtOnce", 0, 1000, 0, false, 1000, 0},
        DueCase{"NegativeSlotIsZero", 0, 1000, -5, false, 1000, 0},
        DueCase{"ZeroSlotFromALateTickTicksAtOnce", 1000, 1000.3, 0, true, 1000.3, 0}),
    [](const auto& info) { return info.param.name; });

// A whole default run at 10 ms: every tick fires 0.7 ms late and its sample
// takes 6 ms, yet tick k stays due at k slots, so the run lasts its 796
// slots plus one tick's lateness instead of 796 x 16.7 ms.
TEST(PacingCadenceRun, LatenessDoesNotAccumulate)
{
    constexpr int kSamples = 796;
    constexpr int kSlotMs = 10;
    qint64 now = 0;
    PacingDue due = nextPacingDue(0, now, kSlotMs, false);
    for (int k = 1; k <= kSamples; ++k) {
        now += due.waitMs * ms(1) + ms(0.7);  // the timer fires late
        ASSERT_EQ(due.dueNs, k * ms(kSlotMs)) << "tick " << k;
        ASSERT_LE(now - due.dueNs, ms(1.2)) << "tick " << k;
        now += ms(6);  // the sample's computing and drawing
        due = nextPacingDue(due.dueNs, now, kSlotMs, true);
    }
}

// The real clock, on the event loop: the tick comes and can re-arm the clock
// from inside itself; stop() cancels a pending tick and a start() while one
// is pending replaces it. No time is measured: a timer armed after them for
// longer fires after them, so by then any tick that was to come has come.
TEST(PacingClock, TicksReArmsStopsAndReplaces)
{
    constexpr int kWaitLimitMs = 60'000;  // a hang fails, however slow the machine
    TimerPacingClock clock;
    int chained = 0;
    std::function<void()> tick = [&] {
        if (++chained < 3)
            clock.start(1, tick);
    };
    clock.start(1, tick);
    EXPECT_TRUE(clock.isActive());
    ASSERT_TRUE(QTest::qWaitFor([&] { return chained == 3; }, kWaitLimitMs));
    EXPECT_FALSE(clock.isActive());

    int stopped = 0;
    int replaced = 0;
    int replacement = 0;
    clock.start(1, [&] { ++stopped; });
    clock.stop();
    EXPECT_FALSE(clock.isActive());
    clock.start(1, [&] { ++replaced; });
    clock.start(2, [&] { ++replacement; });
    bool later = false;
    QTimer::singleShot(30, Qt::PreciseTimer, [&later] { later = true; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return later; }, kWaitLimitMs));
    EXPECT_EQ(stopped, 0);
    EXPECT_EQ(replaced, 0);
    EXPECT_EQ(replacement, 1);
    EXPECT_EQ(chained, 3);
    EXPECT_FALSE(clock.isActive());
}

}  // namespace
}  // namespace dryfriction::test
