#pragma once

#include <QAudioFormat>
#include <QByteArray>

namespace dryfriction {

// PCM data of a sine tone in the given format: `durationMs` long, every
// channel carrying the same wave, full scale times `amplitude` (0..1). The
// first and last few milliseconds are ramped so the tone starts and stops
// without a click. Empty for a format it cannot write.
QByteArray sineTone(const QAudioFormat& format, int frequencyHz, int durationMs, double amplitude = 0.5);

}  // namespace dryfriction
