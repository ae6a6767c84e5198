#include "tone.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QElapsedTimer>
#include <QIODevice>
#include <QMediaDevices>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace dryfriction {

namespace {

constexpr int kSampleRate = 44100;
// The sink's buffer, and the silence played after the tone. The device keeps at
// most this much unplayed audio, so once the tone and the silence after it have
// all been taken by the device, the tone itself has been played.
constexpr int kBufferMs = 100;
constexpr int kDeadlineExtraMs = 2000;
constexpr int kPollMs = 2;
constexpr double kRampMs = 5;

QAudioFormat toneFormat()
{
    QAudioFormat f;
    f.setSampleRate(kSampleRate);
    f.setChannelCount(1);
    f.setSampleFormat(QAudioFormat::Int16);
    return f;
}

// Writes one sample value v in [-1, 1] in the format's sample type.
void putSample(char* dest, QAudioFormat::SampleFormat format, double v)
{
    switch (format) {
    case QAudioFormat::UInt8: {
        const auto s = static_cast<quint8>(std::lround(127.5 + v * 127.5));
        std::memcpy(dest, &s, sizeof s);
        break;
    }
    case QAudioFormat::Int16: {
        const auto s = static_cast<qint16>(std::lround(v * 32767.0));
        std::memcpy(dest, &s, sizeof s);
        break;
    }
    case QAudioFormat::Int32: {
        const auto s = static_cast<qint32>(std::llround(v * 2147483647.0));
        std::memcpy(dest, &s, sizeof s);
        break;
    }
    case QAudioFormat::Float: {
        const auto s = static_cast<float>(v);
        std::memcpy(dest, &s, sizeof s);
        break;
    }
    default:
        break;
    }
}

}  // namespace

QByteArray sineTone(const QAudioFormat& format, int frequencyHz, int durationMs, double amplitude)
{
    const int rate = format.sampleRate();
    const int channels = format.channelCount();
    const int bytesPerSample = format.bytesPerSample();
    if (rate <= 0 || channels <= 0 || bytesPerSample <= 0 || durationMs <= 0
        || format.sampleFormat() == QAudioFormat::Unknown)
        return {};

    const qint64 frames = static_cast<qint64>(rate) * durationMs / 1000;
    const double ramp = std::max(1.0, kRampMs * rate / 1000.0);
    QByteArray data(static_cast<qsizetype>(frames * channels * bytesPerSample), '\0');
    char* out = data.data();
    const double step = 2 * std::numbers::pi * frequencyHz / rate;
    for (qint64 i = 0; i < frames; ++i) {
        // A short linear fade in and out: a sine cut off mid-wave clicks.
        const double edge = std::min<double>(static_cast<double>(i), static_cast<double>(frames - 1 - i));
        const double gain = amplitude * std::min(1.0, edge / ramp);
        const double v = gain * std::sin(step * static_cast<double>(i));
        for (int c = 0; c < channels; ++c) {
            putSample(out, format.sampleFormat(), v);
            out += bytesPerSample;
        }
    }
    return data;
}

AudioTone::AudioTone() = default;

AudioTone::~AudioTone()
{
    if (m_sink)
        m_sink->stop();
}

bool AudioTone::hasDevice() const
{
    return !QMediaDevices::defaultAudioOutput().isNull();
}

bool AudioTone::openSink()
{
    if (m_deviceChecked)
        return m_deviceUsable;
    m_deviceChecked = true;

    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return false;
    m_format = toneFormat();
    if (!device.isFormatSupported(m_format))
        m_format = device.preferredFormat();
    if (m_format.sampleFormat() == QAudioFormat::Unknown || m_format.sampleRate() <= 0)
        return false;
    m_sink = std::make_unique<QAudioSink>(device, m_format);
    m_sink->setBufferSize(m_format.bytesForDuration(qint64(kBufferMs) * 1000));
    m_deviceUsable = true;
    return true;
}

// Push mode, polled with short sleeps on the calling thread: the sink takes
// the samples as its buffer drains, without any event processing here. A
// nested event loop would let the window's handlers (a close, a click) run
// inside the beep, from inside the very handler that sounds it.
void AudioTone::play(int frequencyHz, int durationMs)
{
    if (durationMs <= 0 || frequencyHz <= 0 || !openSink())
        return;

    QElapsedTimer clock;
    clock.start();
    const qint64 deadlineMs = qint64(durationMs) + kDeadlineExtraMs;

    QByteArray data = sineTone(m_format, frequencyHz, durationMs);
    data.append(QByteArray(m_format.bytesForDuration(qint64(kBufferMs) * 1000), '\0'));
    const qint64 playedUs = m_format.durationForBytes(static_cast<qint32>(data.size()));

    QIODevice* io = m_sink->start();
    if (!io || m_sink->error() != QAudio::NoError) {
        m_sink->stop();
        return;
    }

    qsizetype written = 0;
    while (written < data.size() && clock.elapsed() < deadlineMs) {
        const qint64 n = io->write(data.constData() + written, data.size() - written);
        if (n < 0 || m_sink->state() == QAudio::StoppedState)
            break;
        written += n;
        if (written < data.size())
            QThread::msleep(kPollMs);
    }
    while (m_sink->processedUSecs() < playedUs && m_sink->state() != QAudio::StoppedState
           && clock.elapsed() < deadlineMs)
        QThread::msleep(kPollMs);
    m_sink->stop();
}

}  // namespace dryfriction
