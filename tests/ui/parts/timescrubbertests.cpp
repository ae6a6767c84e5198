// The time slider by keyboard, key by key as a teacher pressing them: one
// sample left and right, the stop before and after, the start and the end.

#include "ui/parts/timescrubber.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace dryfriction::test {
namespace {

// A run of 100 samples with stops at samples 20, 50 and 80: the stop before a
// moment or the start, the stop after it or the end.
const std::vector<int> kStops = {20, 50, 80};

int previousStop(int moment)
{
    const auto it = std::lower_bound(kStops.begin(), kStops.end(), moment);
    return it == kStops.begin() ? 0 : *(it - 1);
}

int nextStop(int moment)
{
    const auto it = std::upper_bound(kStops.begin(), kStops.end(), moment);
    return it == kStops.end() ? 100 : *it;
}

TEST(TimeScrubber, DisabledAtTheStartUntilARunGivesItMoments)
{
    TimeScrubber scrubber;
    EXPECT_FALSE(scrubber.isEnabled());
    EXPECT_EQ(scrubber.orientation(), Qt::Horizontal);
    EXPECT_EQ(scrubber.maximum(), 0);
    scrubber.setRange(0, 100);
    QSignalSpy moved(&scrubber, &QSlider::valueChanged);
    QTest::keyClick(&scrubber, Qt::Key_End);
    QTest::keyClick(&scrubber, Qt::Key_PageDown);
    EXPECT_EQ(scrubber.value(), 0);
    EXPECT_TRUE(moved.isEmpty());
}

TEST(TimeScrubber, KeysStepSamplesJumpToStopsAndToTheEnds)
{
    TimeScrubber scrubber;
    scrubber.setRange(0, 100);
    scrubber.setEnabled(true);
    scrubber.setStops(previousStop, nextStop);
    scrubber.show();
    QSignalSpy moved(&scrubber, &QSlider::valueChanged);

    const struct {
        Qt::Key key;
        int moment;
    } steps[] = {
        {Qt::Key_PageDown, 20}, {Qt::Key_PageDown, 50}, {Qt::Key_Right, 51}, {Qt::Key_PageUp, 50},
        {Qt::Key_PageUp, 20},   {Qt::Key_Left, 19},     {Qt::Key_PageDown, 20}, {Qt::Key_PageUp, 0},
        {Qt::Key_PageUp, 0},    {Qt::Key_Left, 0},      {Qt::Key_End, 100},  {Qt::Key_PageUp, 80},
        {Qt::Key_PageDown, 100}, {Qt::Key_PageDown, 100}, {Qt::Key_Right, 100}, {Qt::Key_Home, 0},
    };
    int last = 0;
    for (const auto& step : steps) {
        SCOPED_TRACE(testing::Message() << "key " << step.key << " from " << last);
        moved.clear();
        QTest::keyClick(&scrubber, step.key);
        EXPECT_EQ(scrubber.value(), step.moment);
        // The moment is told once when it changes, as a drag tells it.
        EXPECT_EQ(moved.size(), step.moment != last ? 1 : 0);
        last = step.moment;
    }
}

}  // namespace
}  // namespace dryfriction::test
