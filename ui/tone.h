#pragma once

#include "services.h"

#include <QAudioFormat>
#include <QByteArray>

#include <memory>

class QAudioSink;
class QIODevice;

namespace dryfriction {

// PCM data of a sine tone in the given format: `durationMs` long, every
// channel carrying the same wave, full scale times `amplitude` (0..1). The
// first and last few milliseconds are ramped so the tone starts and stops
// without a click. Empty for a format it cannot write.
QByteArray sineTone(const QAudioFormat& format, int frequencyHz, int durationMs,
                    double amplitude = 0.5);

// The warning tone through the default audio output. play() blocks the
// calling thread for the length of the tone, like a beep of the operating
// system: it writes the samples as the device takes them and returns when
// the device has played them, or when the duration plus 2 s have passed,
// whichever comes first. No events are processed meanwhile, so no handler of
// the window can run inside a tone and no quit can be swallowed by it. With
// no audio device (or one that cannot be opened) it returns at once.
class AudioTone final : public ToneService {
public:
    AudioTone();
    ~AudioTone() override;

    void play(int frequencyHz, int durationMs) override;

    // False when there is no output device; play() is then silent.
    bool hasDevice() const;

private:
    bool openSink();

    std::unique_ptr<QAudioSink> m_sink;
    QAudioFormat m_format;
    bool m_deviceChecked = false;
    bool m_deviceUsable = false;
};

}  // namespace dryfriction
