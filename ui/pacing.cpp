#include "ui/pacing.h"

#include <algorithm>
#include <utility>

namespace dryfriction {

namespace {

constexpr qint64 kNsPerMs = 1'000'000;

}  // namespace

TimerPacingClock::TimerPacingClock(QObject* parent) : QObject(parent)
{
    // The window's timer: it paces a run, one tick after each sample.
    m_timer.setObjectName(QStringLiteral("pacingTimer"));
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &TimerPacingClock::fire);
    m_monotonic.start();
}

void TimerPacingClock::start(int ms, std::function<void()> tick)
{
    const qint64 slotNs = std::max(ms, 0) * kNsPerMs;
    const qint64 now = m_monotonic.nsecsElapsed();
    qint64 due = now + slotNs;
    if (m_inTick) {
        const qint64 cadence = m_dueNs + slotNs;
        if (cadence + slotNs >= now)
            due = cadence;
    }
    m_dueNs = due;
    m_tick = std::move(tick);
    const auto waitMs = static_cast<int>(std::max<qint64>(0, (due - now + kNsPerMs / 2) / kNsPerMs));
    m_timer.start(waitMs);
}

void TimerPacingClock::stop()
{
    m_timer.stop();
    m_tick = nullptr;
}

bool TimerPacingClock::isActive() const
{
    return m_timer.isActive();
}

// The callback is moved out first: it usually re-arms the clock with a new one.
void TimerPacingClock::fire()
{
    auto tick = std::exchange(m_tick, nullptr);
    if (!tick)
        return;
    m_inTick = true;
    tick();
    m_inTick = false;
}

}  // namespace dryfriction
