#include "ui/platform/tone.h"

#include "ui/platform/sinetone.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QElapsedTimer>
#include <QIODevice>
#include <QMediaDevices>
#include <QThread>

#include <algorithm>
#include <cmath>

namespace dryfriction {

namespace {

constexpr int kSampleRate = 44100;
// The sink's buffer, and the silence played after the tone. The device keeps at
// most this much unplayed audio, so once the tone and the silence after it have
// all been taken by the device, the tone itself has been played.
constexpr int kBufferMs = 100;
constexpr int kDeadlineExtraMs = 2000;
constexpr int kPollMs = 2;

QAudioFormat toneFormat()
{
    QAudioFormat f;
    f.setSampleRate(kSampleRate);
    f.setChannelCount(1);
    f.setSampleFormat(QAudioFormat::Int16);
    return f;
}

PcmFormat pcmFormat(const QAudioFormat& format)
{
    PcmFormat pcm;
    pcm.sampleRate = format.sampleRate();
    pcm.channelCount = format.channelCount();
    switch (format.sampleFormat()) {
    case QAudioFormat::UInt8:
        pcm.sample = PcmFormat::Sample::UInt8;
        break;
    case QAudioFormat::Int16:
        pcm.sample = PcmFormat::Sample::Int16;
        break;
    case QAudioFormat::Int32:
        pcm.sample = PcmFormat::Sample::Int32;
        break;
    case QAudioFormat::Float:
        pcm.sample = PcmFormat::Sample::Float;
        break;
    default:
        break;
    }
    return pcm;
}

}  // namespace

struct AudioTone::Device {
    std::unique_ptr<QAudioSink> sink;
    QAudioFormat format;
};

AudioTone::AudioTone() = default;

AudioTone::~AudioTone()
{
    if (m_device)
        m_device->sink->stop();
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
    QAudioFormat format = toneFormat();
    if (!device.isFormatSupported(format))
        format = device.preferredFormat();
    if (format.sampleFormat() == QAudioFormat::Unknown || format.sampleRate() <= 0)
        return false;
    m_device = std::make_unique<Device>();
    m_device->format = format;
    m_device->sink = std::make_unique<QAudioSink>(device, format);
    m_device->sink->setBufferSize(format.bytesForDuration(qint64(kBufferMs) * 1000));
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

    QAudioSink* const sink = m_device->sink.get();
    const QAudioFormat& format = m_device->format;
    QByteArray data = sineTone(pcmFormat(format), frequencyHz, durationMs);
    data.append(QByteArray(format.bytesForDuration(qint64(kBufferMs) * 1000), '\0'));
    const qint64 playedUs = format.durationForBytes(static_cast<qint32>(data.size()));

    QIODevice* io = sink->start();
    if (!io || sink->error() != QAudio::NoError) {
        sink->stop();
        return;
    }

    qsizetype written = 0;
    while (written < data.size() && clock.elapsed() < deadlineMs) {
        const qint64 n = io->write(data.constData() + written, data.size() - written);
        if (n < 0 || sink->state() == QAudio::StoppedState)
            break;
        written += n;
        if (written < data.size())
            QThread::msleep(kPollMs);
    }
    while (sink->processedUSecs() < playedUs && sink->state() != QAudio::StoppedState
           && clock.elapsed() < deadlineMs)
        QThread::msleep(kPollMs);
    sink->stop();
}

}  // namespace dryfriction
