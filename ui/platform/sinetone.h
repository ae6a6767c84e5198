#pragma once

#include <QByteArray>

namespace dryfriction {

// How a device wants its PCM data: the values of an audio format that the
// samples are written in, kept free of the audio library so that the tone's
// data can be made and checked without it.
struct PcmFormat {
    enum class Sample { Unknown, UInt8, Int16, Int32, Float };
    int sampleRate = 0;
    int channelCount = 0;
    Sample sample = Sample::Unknown;
};

// PCM data of a sine tone in the given format: `durationMs` long, every
// channel carrying the same wave, full scale times `amplitude` (0..1). The
// first and last few milliseconds are ramped so the tone starts and stops
// without a click. Empty for a format it cannot write.
QByteArray sineTone(const PcmFormat& format, int frequencyHz, int durationMs, double amplitude = 0.5);

}  // namespace dryfriction
