// The real platform services that need no window: the tone's samples, the
// tone without a device, and the pacing clock's timing.

#include "pacing.h"
#include "tone.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

namespace dryfriction::test {
namespace {

// Handles events until `done`. Neither QTest::qWaitFor (it sleeps 10 ms
// between rounds, making every timer late) nor a QEventLoop (it returns at
// once once any earlier test has asked the application to exit).
bool runUntil(const bool& done, int timeoutMs)
{
    QTimer poll;  // wakes the wait below at least every millisecond
    poll.start(1);
    QElapsedTimer t;
    t.start();
    while (!done && t.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    return done;
}

QAudioFormat format(int rate, int channels, QAudioFormat::SampleFormat sample)
{
    QAudioFormat f;
    f.setSampleRate(rate);
    f.setChannelCount(channels);
    f.setSampleFormat(sample);
    return f;
}

template <typename T>
std::vector<double> channel(const QByteArray& data, int channels, int which, double fullScale)
{
    std::vector<double> v;
    for (qsizetype i = which * qsizetype(sizeof(T)); i + qsizetype(sizeof(T)) <= data.size();
         i += channels * qsizetype(sizeof(T))) {
        T s;
        std::memcpy(&s, data.constData() + i, sizeof s);
        v.push_back(static_cast<double>(s) / fullScale);
    }
    return v;
}

int signChanges(const std::vector<double>& v)
{
    int n = 0;
    for (size_t i = 1; i < v.size(); ++i)
        n += (v[i - 1] < 0) != (v[i] < 0);
    return n;
}

double peak(const std::vector<double>& v)
{
    double p = 0;
    for (const double x : v)
        p = std::max(p, std::fabs(x));
    return p;
}

TEST(SineTone, FrequencyLengthAndLevel)
{
    // 880 Hz for 300 ms: 264 periods, two sign changes each.
    const QByteArray mono = sineTone(format(44100, 1, QAudioFormat::Int16), 880, 300);
    ASSERT_EQ(mono.size(), 13230 * 2);
    const std::vector<double> s = channel<qint16>(mono, 1, 0, 32767);
    EXPECT_NEAR(signChanges(s), 2 * 264, 2);
    EXPECT_NEAR(peak(s), 0.5, 0.01);
    // Faded in and out: no click at either end.
    EXPECT_LT(std::fabs(s.front()), 0.01);
    EXPECT_LT(std::fabs(s.back()), 0.01);

    // A device that wants float stereo gets the same wave on both channels.
    const QByteArray stereo = sineTone(format(48000, 2, QAudioFormat::Float), 880, 600);
    ASSERT_EQ(stereo.size(), 28800 * 2 * 4);
    const std::vector<double> left = channel<float>(stereo, 2, 0, 1);
    const std::vector<double> right = channel<float>(stereo, 2, 1, 1);
    EXPECT_EQ(left, right);
    EXPECT_NEAR(signChanges(left), 2 * 528, 2);

    EXPECT_TRUE(sineTone(QAudioFormat(), 880, 300).isEmpty());
    EXPECT_TRUE(sineTone(format(44100, 1, QAudioFormat::Int16), 880, 0).isEmpty());
}

TEST(AudioToneTest, ReturnsWhenTheToneHasEndedOrAtOnceWithoutDevice)
{
    AudioTone tone;
    QElapsedTimer t;
    t.start();
    tone.play(880, 600);
    const qint64 ms = t.elapsed();
    if (tone.hasDevice()) {
        EXPECT_GE(ms, 500);
        EXPECT_LE(ms, 600 + 2000 + 200);
    } else {
        EXPECT_LT(ms, 200);
        t.restart();
        tone.play(880, 300);
        EXPECT_LT(t.elapsed(), 50);
    }
}

// Ticks re-armed from inside the clock's tick keep a slot of `ms` each, even
// when every tick itself takes most of a slot.
TEST(PacingClockTest, KeepsTheCadenceWhenReArmedFromItsTick)
{
    TimerPacingClock clock;
    constexpr int kTicks = 20;
    constexpr int kSlotMs = 10;
    int ticks = 0;
    bool done = false;
    QElapsedTimer t;
    std::function<void()> tick = [&] {
        ++ticks;
        QThread::msleep(6);  // the sample's computing and drawing
        if (ticks < kTicks)
            clock.start(kSlotMs, tick);
        else
            done = true;
    };
    t.start();
    clock.start(kSlotMs, tick);
    EXPECT_TRUE(clock.isActive());
    ASSERT_TRUE(runUntil(done, 5000));
    const qint64 ms = t.elapsed();
    // Uncompensated it would take at least 20 * 16 ms.
    EXPECT_GE(ms, kTicks * kSlotMs);
    EXPECT_LT(ms, kTicks * kSlotMs + 90);
    EXPECT_FALSE(clock.isActive());
}

TEST(PacingClockTest, AfterAHoldUpTheCadenceStartsAfresh)
{
    TimerPacingClock clock;
    std::vector<qint64> at;
    QElapsedTimer t;
    bool done = false;
    std::function<void()> tick = [&] {
        at.push_back(t.elapsed());
        if (at.size() == 2)
            QThread::msleep(60);  // a modal box or a beep held the loop
        if (at.size() < 4)
            clock.start(20, tick);
        else
            done = true;
    };
    t.start();
    clock.start(20, tick);
    ASSERT_TRUE(runUntil(done, 5000));
    ASSERT_EQ(at.size(), 4U);
    // No burst of ticks to catch up: the cadence starts afresh after the
    // hold-up, so the third tick is a whole slot after it and the fourth a
    // slot after that. Measured from the second tick, so that a tick the
    // timer delivers late (a loaded machine) cannot make a pause look short.
    EXPECT_GE(at[2] - at[1], 60 + 19);
    EXPECT_GE(at[3] - at[1], 60 + 2 * 20 - 1);
}

TEST(PacingClockTest, StopCancelsThePendingTick)
{
    TimerPacingClock clock;
    int ticks = 0;
    clock.start(5, [&] { ++ticks; });
    clock.stop();
    EXPECT_FALSE(clock.isActive());
    QTest::qWait(30);
    EXPECT_EQ(ticks, 0);

    // Started anew while pending: only the new tick comes.
    clock.start(50, [&] { ticks += 10; });
    clock.start(5, [&] { ++ticks; });
    QTest::qWait(80);
    EXPECT_EQ(ticks, 1);
}

}  // namespace
}  // namespace dryfriction::test
