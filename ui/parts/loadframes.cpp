#include "ui/parts/loadframes.h"

#include <algorithm>

namespace dryfriction {

LoadFrames::LoadFrames(QObject* parent) : QObject(parent)
{
    m_timer.setObjectName(QStringLiteral("loadFrameTimer"));
    m_timer.setInterval(kFrameMs);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        const double elapsedMs = static_cast<double>(m_sinceSample.nsecsElapsed()) / 1e6;
        m_sinceFrame.start();
        emit frame(elapsedMs / m_pauseMs);
    });
}

void LoadFrames::start()
{
    m_running = true;
    m_sinceSample.start();
    m_sinceFrame.invalidate();
}

void LoadFrames::stop()
{
    m_running = false;
    m_timer.stop();
}

// Samples that come at least as often as frames move the load themselves,
// every one that is a frame's time after the last: the event loop then wakes
// for the samples alone. Slower samples leave frames in between to a timer.
void LoadFrames::sampleShown(int pauseMs)
{
    if (!m_running)
        return;
    m_pauseMs = std::max(pauseMs, 1);
    m_sinceSample.start();
    if (m_pauseMs <= kFrameMs) {
        m_timer.stop();
        if (!m_sinceFrame.isValid() || m_sinceFrame.elapsed() >= kFrameMs - kFrameSlackMs) {
            m_sinceFrame.start();
            emit frame(0);
        }
        return;
    }
    if (!m_timer.isActive())
        m_timer.start();
}

}  // namespace dryfriction
