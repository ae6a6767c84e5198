#include "ui/state/pacing.h"

#include <algorithm>
#include <utility>

namespace dryfriction {

namespace {

constexpr qint64 kNsPerMs = 1'000'000;

}  // namespace

PacingDue nextPacingDue(qint64 previousDueNs, qint64 nowNs, int slotMs, bool fromTick)
{
    const qint64 slotNs = std::max(slotMs, 0) * kNsPerMs;
    qint64 due = nowNs + slotNs;
    if (fromTick) {
        const qint64 cadence = previousDueNs + slotNs;
        if (cadence + slotNs >= nowNs)
            due = cadence;
    }
    const auto waitMs = static_cast<int>(std::max<qint64>(0, (due - nowNs + kNsPerMs / 2) / kNsPerMs));
    return {due, waitMs};
}

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
    const PacingDue due = nextPacingDue(m_dueNs, m_monotonic.nsecsElapsed(), ms, m_inTick);
    m_dueNs = due.dueNs;
    m_tick = std::move(tick);
    m_timer.start(due.waitMs);
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
