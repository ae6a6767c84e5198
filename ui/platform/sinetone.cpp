#include "ui/platform/sinetone.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace dryfriction {

namespace {

constexpr double kRampMs = 5;

int bytesPerSample(PcmFormat::Sample sample)
{
    switch (sample) {
    case PcmFormat::Sample::UInt8:
        return 1;
    case PcmFormat::Sample::Int16:
        return 2;
    case PcmFormat::Sample::Int32:
    case PcmFormat::Sample::Float:
        return 4;
    case PcmFormat::Sample::Unknown:
        break;
    }
    return 0;
}

// Writes one sample value v in [-1, 1] in the format's sample type.
void putSample(char* dest, PcmFormat::Sample format, double v)
{
    switch (format) {
    case PcmFormat::Sample::UInt8: {
        const auto s = static_cast<quint8>(std::lround(127.5 + v * 127.5));
        std::memcpy(dest, &s, sizeof s);
        break;
    }
    case PcmFormat::Sample::Int16: {
        const auto s = static_cast<qint16>(std::lround(v * 32767.0));
        std::memcpy(dest, &s, sizeof s);
        break;
    }
    case PcmFormat::Sample::Int32: {
        const auto s = static_cast<qint32>(std::llround(v * 2147483647.0));
        std::memcpy(dest, &s, sizeof s);
        break;
    }
    case PcmFormat::Sample::Float: {
        const auto s = static_cast<float>(v);
        std::memcpy(dest, &s, sizeof s);
        break;
    }
    case PcmFormat::Sample::Unknown:
        break;
    }
}

}  // namespace

QByteArray sineTone(const PcmFormat& format, int frequencyHz, int durationMs, double amplitude)
{
    const int rate = format.sampleRate;
    const int channels = format.channelCount;
    const int sampleBytes = bytesPerSample(format.sample);
    if (rate <= 0 || channels <= 0 || sampleBytes <= 0 || durationMs <= 0)
        return {};

    const qint64 frames = static_cast<qint64>(rate) * durationMs / 1000;
    const double ramp = std::max(1.0, kRampMs * rate / 1000.0);
    QByteArray data(static_cast<qsizetype>(frames * channels * sampleBytes), '\0');
    char* out = data.data();
    const double step = 2 * std::numbers::pi * frequencyHz / rate;
    for (qint64 i = 0; i < frames; ++i) {
        // A short linear fade in and out: a sine cut off mid-wave clicks.
        const double edge = std::min<double>(static_cast<double>(i), static_cast<double>(frames - 1 - i));
        const double gain = amplitude * std::min(1.0, edge / ramp);
        const double v = gain * std::sin(step * static_cast<double>(i));
        for (int c = 0; c < channels; ++c) {
            putSample(out, format.sample, v);
            out += sampleBytes;
        }
    }
    return data;
}

}  // namespace dryfriction
