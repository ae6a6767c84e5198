#pragma once

#include "ui/platform/services.h"

#include <memory>

namespace dryfriction {

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

    // The sink and its format, once a device has been found.
    struct Device;
    std::unique_ptr<Device> m_device;
    bool m_deviceChecked = false;
    bool m_deviceUsable = false;
};

}  // namespace dryfriction
