// The real tone, which needs no window: its samples, and its blocking without
// handling events.

#include "ui/platform/sinetone.h"
#include "ui/platform/tone.h"

#include <QCoreApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace dryfriction::test {
namespace {

PcmFormat format(int rate, int channels, PcmFormat::Sample sample)
{
    PcmFormat f;
    f.sampleRate = rate;
    f.channelCount = channels;
    f.sample = sample;
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
    const QByteArray mono = sineTone(format(44100, 1, PcmFormat::Sample::Int16), 880, 300);
    ASSERT_EQ(mono.size(), 13230 * 2);
    const std::vector<double> s = channel<qint16>(mono, 1, 0, 32767);
    EXPECT_NEAR(signChanges(s), 2 * 264, 2);
    EXPECT_NEAR(peak(s), 0.5, 0.01);
    // Faded in and out: no click at either end.
    EXPECT_LT(std::fabs(s.front()), 0.01);
    EXPECT_LT(std::fabs(s.back()), 0.01);

    // A device that wants float stereo gets the same wave on both channels.
    const QByteArray stereo = sineTone(format(48000, 2, PcmFormat::Sample::Float), 880, 600);
    ASSERT_EQ(stereo.size(), 28800 * 2 * 4);
    const std::vector<double> left = channel<float>(stereo, 2, 0, 1);
    const std::vector<double> right = channel<float>(stereo, 2, 1, 1);
    EXPECT_EQ(left, right);
    EXPECT_NEAR(signChanges(left), 2 * 528, 2);

    EXPECT_TRUE(sineTone(PcmFormat(), 880, 300).isEmpty());
    EXPECT_TRUE(sineTone(format(44100, 1, PcmFormat::Sample::Int16), 880, 0).isEmpty());
}

// The tone blocks like a beep of the operating system, with or without a
// device: no event is handled inside it, so no handler of the window can run
// from inside the very handler that sounds it.
TEST(AudioTone, HandlesNoEventsWhilePlaying)
{
    AudioTone tone;
    bool handled = false;
    QTimer::singleShot(0, [&handled] { handled = true; });
    tone.play(880, 300);
    EXPECT_FALSE(handled);
    QCoreApplication::processEvents();
    EXPECT_TRUE(handled);  // the event was there to be handled
}

}  // namespace
}  // namespace dryfriction::test
