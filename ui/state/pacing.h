#pragma once

#include "ui/platform/services.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

namespace dryfriction {

// When a tick of the pacing clock is due, in nanoseconds of a monotonic
// clock, and the whole milliseconds the timer waits for it from now.
struct PacingDue {
    qint64 dueNs = 0;
    int waitMs = 0;

    friend bool operator==(const PacingDue&, const PacingDue&) = default;
};

// Keeping the cadence: a timer fires a little late (about 0.1 to 1 ms here),
// and the sample's computing and drawing take time too. Over a run of 796
// samples at 10 ms that adds up to several per cent. So when the clock is
// started from inside its own tick (the run re-arming it for its next
// sample), the new tick is due a slot of `slotMs` after the moment the
// previous one was due (`previousDueNs`), not after now: every sample keeps a
// slot of exactly `slotMs`, the pause being what is left of it, and timer
// lateness no longer accumulates. Should the loop have been held up for
// longer than a whole slot past that (a modal box, the end beep), the cadence
// starts afresh from now instead of catching up in a burst. Started from
// anywhere else, the tick is due a slot after now. A negative slot is 0; the
// wait is rounded to the nearest millisecond and is never negative.
PacingDue nextPacingDue(qint64 previousDueNs, qint64 nowNs, int slotMs, bool fromTick);

// The pause between two samples of a run: a single-shot precise timer,
// re-armed for every sample, so the window handles its events in between and
// nothing spins. Its cadence is that of nextPacingDue.
class TimerPacingClock final : public QObject, public PacingClock {
    Q_OBJECT

public:
    explicit TimerPacingClock(QObject* parent = nullptr);

    void start(int ms, std::function<void()> tick) override;
    void stop() override;
    bool isActive() const override;

private:
    void fire();

    QTimer m_timer;
    QElapsedTimer m_monotonic;
    std::function<void()> m_tick;
    qint64 m_dueNs = 0;  // when the pending (or the firing) tick is due
    bool m_inTick = false;
};

}  // namespace dryfriction
